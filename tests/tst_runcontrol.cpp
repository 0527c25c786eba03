#include "app/language.h"
#include "app/station.h"
#include "app/stationsettings.h"
#include "records/runjournal.h"
#include "records/runlog.h"
#include "register/auditevents.h"
#include "register/backupcheck.h"
#include "register/backupgenerations.h"
#include "register/cyclefields.h"
#include "register/cycleregister.h"
#include "register/registerwriter.h"
#include "register/samplecodec.h"
#include "register/sha256.h"
#include "tests/childwidget.h"
#include "tests/isolateduser.h"
#include "tests/modalanswerer.h"
#include "tests/registertestdata.h"
#include "tests/simulatedlink.h"
#include "ui/mainwindow.h"
#include "ui/runlogsaver.h"

#include <QComboBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTabWidget>
#include <QtCharts/QChartView>
#include <QtCharts/QLineSeries>
#include <QtTest>

#include <sched.h>
#include <sys/mount.h>

using CM = CommunicationManager;

namespace {

// Whether this process may mount file systems of its own (a tiny full
// disk), seen by no other process: set up in main() while it is single-threaded.
bool privateMounts = false;

QByteArray readFile(const QString &fileName)
{
    QFile file(fileName);
    return !fileName.isEmpty() && file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The station's register: its entries with their samples, oldest first.
QVector<Cycle> registerEntries(const QString &path = CycleRegister::defaultPath())
{
    CycleRegister reader(QStringLiteral("test reader"));
    QVector<Cycle> entries;
    if (!reader.open(path))
        return entries;
    for (const Cycle &listed : reader.cycles({}, -1).value_or(QVector<Cycle>()))
        entries.prepend(reader.cycle(listed.id).value_or(Cycle()));
    return entries;
}

// The details of the register's program write events, oldest first.
QList<QJsonObject> programWrites()
{
    CycleRegister reader(QStringLiteral("test reader"));
    QList<QJsonObject> writes;
    for (const AuditEvent &event : reader.open(CycleRegister::defaultPath())
             ? reader.events().value_or(QVector<AuditEvent>()) : QVector<AuditEvent>()) {
        QJsonObject details = QJsonDocument::fromJson(event.details.toUtf8()).object();
        details["controller"] = event.controllerSerial;
        details["user"] = event.osUser;
        if (event.kind == AuditEvents::programWriteKind)
            writes.prepend(details);
    }
    return writes;
}

// A window's alert about the register, if one is shown.
int registerAlertsShown()
{
    const QWidgetList tops = QApplication::topLevelWidgets();
    return std::count_if(tops.cbegin(), tops.cend(), [](QWidget *top) {
        return top->isVisible() && top->windowTitle() == "Cycle Register";
    });
}

// The main window on a simulated controller's serial line, driven as a user
// would drive it, with a log folder of its own.
struct RunFixture {
    QString logs;
    std::unique_ptr<SimulatedLink> link;
    RegulonSim *sim = nullptr;
    std::unique_ptr<ModalAnswerer> answerer;
    std::unique_ptr<MainWindow> window;

    bool setUp(const QString &logFolder)
    {
        logs = logFolder;
        QDir().mkpath(logs);
        StationSettings settings;
        settings.clear();
        settings.setLogFolder(logs);
        link = std::make_unique<SimulatedLink>();
        SlaveThread::Timing t = link->manager.worker().timing();
        t.pollGapMs = 30;
        link->manager.worker().setTiming(t);
        sim = link->plugIn("regulon", "RG100042");
        answerer = std::make_unique<ModalAnswerer>();
        return sim != nullptr;
    }
    void tearDown()
    {
        window.reset(); // a run still going is saved here
        answerer.reset();
        link.reset();
    }

    // The window on the simulator's line, after the program read, ready to start.
    MainWindow &openConnected()
    {
        link->manager.changePort(link->port("regulon"));
        window = std::make_unique<MainWindow>(&link->manager);
        window->show();
        if (!QTest::qWaitFor([&] { return child<QWidget>(*window, "buttonStart")->isEnabled(); }, 15000))
            qFatal("the window never became ready to start");
        return *window;
    }

    // Clicks a Home tab button, answering the question it asks.
    void press(const char *button, QMessageBox::StandardButton answer = QMessageBox::Yes)
    {
        answerer->answerBoxes({answer});
        QTest::mouseClick(child<QWidget>(*window, button), Qt::LeftButton);
    }

    // Starts the chosen program, answering the question; returns the log name.
    QString startRun()
    {
        press("buttonStart");
        if (!QTest::qWaitFor([&] { return !child<QWidget>(*window, "buttonStop")->isHidden(); }, 10000))
            qFatal("the run never started");
        return child<QLineEdit>(*window, "lineEditLogName")->text();
    }

    // Whether samples are still journalled during a few polling cycles.
    bool recording()
    {
        const auto samples = [] { return readFile(RunJournal().journals().value(0)).count(" point\t"); };
        const int before = samples();
        return waitForCommands("GET_TEMP\n", 3) && samples() > before;
    }

    // Stops the run with Yes and waits until its log is announced.
    bool stopRun(const QString &name)
    {
        press("buttonStop");
        return QTest::qWaitFor([&] { return boxShown("Program cancelled! Saved to " + name + ".txt", "Cancelled"); }, 10000);
    }

    QStringList logFiles() const { return QDir(logs).entryList({"*.txt"}, QDir::Files); }
    QByteArray logOf(const QString &name) const { return readFile(QDir(logs).filePath(name + ".txt")); }

    bool boxShown(const QString &text, const QString &title = QString()) const
    {
        const auto &boxes = answerer->boxes;
        return std::any_of(boxes.cbegin(), boxes.cend(),
                           [&](auto &box) { return box.text == text && (title.isNull() || box.title == title); });
    }

    // Waits until the simulator has been asked `count` more times.
    bool waitForCommands(const QString &command, int count)
    {
        const int target = sim->receivedCommands().count(command) + count;
        return QTest::qWaitFor([&] { return sim->receivedCommands().count(command) >= target; }, 10000);
    }
};

// The Home tab's running time and run controls (start, stop, refresh:
// "on shown" ...), and whether the settings a run fixes (program choice, log
// folder and name, Programs tab) are all open ("on"), closed ("off") or mixed.
QString controls(MainWindow &w)
{
    QStringList shown{child<QLabel>(w, "labelRunningTime")->text()};
    for (const char *name : {"buttonStart", "buttonStop", "buttonRefleshPrograms"}) {
        auto *button = child<QWidget>(w, name);
        shown << QString(button->isEnabled() ? "on" : "off") + (button->isHidden() ? " hidden" : " shown");
    }
    const int open = child<QWidget>(w, "comboBoxPrograms")->isEnabled() + child<QWidget>(w, "groupBox_2")->isEnabled()
                   + child<QWidget>(w, "groupBox_3")->isEnabled() + child<QTabWidget>(w, "tabWidget")->isTabEnabled(1);
    return (shown << (open == 4 ? "on" : open == 0 ? "off" : "mixed")).join(" | ");
}

// The station that the crash test kills, in a process of its own: a run of
// program 1, which takes 4.6 s here. It says "running" when the run has
// started, and "box Error" when the final save has failed and asks for
// another place, where it stays.
int stationToBeKilled()
{
    RunFixture station;
    if (!station.setUp(qEnvironmentVariable("RUN_LOGS")))
        return 2;
    station.sim->setSpeed(300);
    station.answerer->whenBoxShown([](QMessageBox *box) {
        if (box->windowTitle() == "Error") {
            QTextStream(stdout) << "box Error" << Qt::endl;
            QTest::qSleep(60000);
        }
    });
    station.openConnected();
    station.startRun();
    QTextStream(stdout) << "running" << Qt::endl;
    QTimer::singleShot(60000, qApp, &QCoreApplication::quit); // should its killer be gone
    return QApplication::exec();
}

} // namespace

class TestRunControl : public QObject, public RunFixture
{
    Q_OBJECT

    QTemporaryDir dir;

    static void removeRegister()
    {
        QDir(RunJournal::defaultFolder()).removeRecursively();
        for (const char *suffix : {"", "-wal", "-shm"})
            QFile::remove(CycleRegister::defaultPath() + suffix);
    }

private slots:
    void init()
    {
        static int n = 0;
        removeRegister();
        QVERIFY(setUp(dir.filePath(QString("logs%1").arg(++n))));
    }
    void cleanup()
    {
        tearDown();
        Language::install(Language::English);
    }

    void namesInTheWindowsBoxesAreShownAsWritten_data()
    {
        QTest::addColumn<QString>("name"); // of a program, in a controller's message

        QTest::newRow("bold") << "<b>x</b>";
        QTest::newRow("image") << "<img src=x.png>";
    }

    // A program's name from the controller, and the controller's own
    // messages, read as they are in the window's boxes.
    void namesInTheWindowsBoxesAreShownAsWritten()
    {
        QFETCH(QString, name);
        auto w = std::make_unique<MainWindow>(&link->manager);
        QList<CM::Program> programs = sim->programs();
        programs[0].name = name;
        w->on_programsReceived(programs);
        answerer->answerBoxes({QMessageBox::Cancel, QMessageBox::Ok});
        w->askStartProgram();
        w->programError("Vaporin - Error", name);
        QCOMPARE(answerer->titles(), (QStringList{"START", "Vaporin - Error"}));
        for (const ModalAnswerer::Box &box : answerer->boxes)
            QVERIFY2(box.asWritten && box.text.contains(name), qPrintable(box.title + ": " + box.text));
    }

    // A program read that begins or ends during a run (a run adopted while
    // the first read was pending, say) changes the lists only: the run's
    // controls, its log name and its record stay as they were.
    void programReadDuringARunChangesOnlyTheLists_data()
    {
        QTest::addColumn<bool>("readBeforeTheRun"); // else begun during it
        QTest::addColumn<bool>("readFailed");
        QTest::newRow("read pending when the run is adopted") << true << false;
        QTest::newRow("read begun during the run") << false << false;
        QTest::newRow("read failed during the run") << false << true;
    }
    void programReadDuringARunChangesOnlyTheLists()
    {
        QFETCH(bool, readBeforeTheRun);
        QFETCH(bool, readFailed);
        auto w = std::make_unique<MainWindow>(&link->manager);
        if (readBeforeTheRun)
            w->clearProgramViews();
        answerer->answerBoxes({QMessageBox::Yes});
        w->programError("Vaporin - Error ", "A program is already running.\nAlert: ...");
        const QString name = child<QLineEdit>(*w, "lineEditLogName")->text();
        const QString program = child<QComboBox>(*w, "comboBoxPrograms")->currentText();
        if (!readBeforeTheRun)
            w->clearProgramViews();
        QCOMPARE(controls(*w).section(" | ", 1), "on hidden | on shown | off hidden | off");
        w->on_programsReceived(readFailed ? QList<CM::Program>() : sim->programs());
        QCOMPARE(child<QComboBox>(*w, "comboBoxPrograms")->count(), readFailed ? 0 : 6);
        QCOMPARE(controls(*w).section(" | ", 1), "on hidden | on shown | off shown | off");
        QCOMPARE(child<QLineEdit>(*w, "lineEditLogName")->text(), name);
        w.reset();
        QVERIFY(logOf(name).contains("\nProgram Name: " + program.toUtf8() + "\n"));
        QVERIFY(RunJournal().journals().isEmpty());
    }

    // Garbage in place of an answer is neither shown nor recorded, and the
    // run goes on; closing the window saves the run and leaves it running.
    void runGoesOnThroughGarbage()
    {
        MainWindow &w = openConnected();
        QStringList shown;
        connect(&link->manager, &CM::getTempData, &w, [&] { shown << child<QLabel>(w, "labelTemperature")->text(); });
        const QString name = startRun();
        // 77.7 °C never occurs in the chamber during this run.
        sim->answerNextWith(QByteArray("\xff\x13\x9b" "DAT_TEMP 77.7,0,0,0\n") + QByteArray("\0\x7f", 2), "GET_TEMP");
        QVERIFY(waitForCommands("GET_TEMP\n", 1));
        QVERIFY(recording());
        QCOMPARE(answerer->titles(), QStringList{"START"});

        for (const QString &label : shown)
            QVERIFY2(QRegularExpression("^2[0-5] °C$").match(label).hasMatch(), qPrintable(label));
        const auto run = RunJournal::parse(readFile(RunJournal().journals().value(0))); // every sample at once
        QVERIFY(run && !run->record.dataPoints.isEmpty());
        for (const QString &value : run->record.dataPoints)
            QVERIFY2(value.toDouble() >= 20.0 && value.toDouble() < 26.0, qPrintable(value));
        QCOMPARE(link->restarts, 0);

        window.reset();
        const QByteArray log = logOf(name);
        QVERIFY(log.contains("\nStatus: Station closed during the run\n") && !log.contains("77.7"));
        QVERIFY(!sim->receivedCommands().contains("CMD_STOP\n"));
    }

    // Closing the station asks whether to exit and, during a run, what that
    // does to the run. Closed during a run, the log and the register say so
    // and the controller runs on.
    void closingDuringARun_data()
    {
        QTest::addColumn<bool>("running");
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<bool>("closed");
        using B = QMessageBox;
        QTest::newRow("idle, exit") << false << QList<int>{B::Yes} << true;
        QTest::newRow("running, exit cancelled") << true << QList<int>{B::Cancel} << false;
        QTest::newRow("running, not anyway") << true << QList<int>{B::Yes, B::No} << false;
        QTest::newRow("running, exit anyway") << true << QList<int>{B::Yes, B::Yes} << true;
    }
    void closingDuringARun()
    {
        QFETCH(bool, running);
        QFETCH(QList<int>, answers);
        QFETCH(bool, closed);
        MainWindow &w = openConnected();
        const QString name = running ? startRun() : QString();
        for (int answer : answers)
            answerer->answerBoxes({QMessageBox::StandardButton(answer)});
        const int boxesBefore = answerer->boxes.size();
        QCOMPARE(w.close(), closed);
        QCOMPARE(answerer->titles().mid(boxesBefore), QVector<QString>(answers.size(), "Exit").toList());
        QCOMPARE(answerer->boxes.value(boxesBefore).text, QString("Do you want to exit?"));
        if (answers.size() > 1)
            QCOMPARE(answerer->boxes.value(boxesBefore + 1).text,
                     QString("A program is running. The controller goes on with it, but the station stops recording "
                             "this run: its log and its register entry end now with the status \"Station closed "
                             "during the run\".\nExit anyway?"));
        if (!closed) {
            QVERIFY(recording());
            QVERIFY(logFiles().isEmpty());
            return;
        }
        window.reset();
        QCOMPARE(logFiles().size(), int(running));
        if (!running)
            return;
        QVERIFY(logOf(name).contains("\nStatus: Station closed during the run\n"));
        QTRY_VERIFY(RunJournal().journals().isEmpty());
        QCOMPARE(registerEntries().value(0).status, QString("Station closed during the run"));
        QVERIFY(!sim->receivedCommands().contains("CMD_STOP\n"));
        QVERIFY(sim->runState() == 20 || sim->runState() == 30); // the controller runs on: heating or holding
    }

    // What the user or the controller does to a connected window, and what
    // follows: the box shown, the log saved, whether a run is still recorded.
    void userAndControllerActions_data()
    {
        QTest::addColumn<QString>("action");     // a button clicked, refused with a code; or a status word 3 bit raised
        QTest::addColumn<QList<int>>("answers"); // to the boxes, in order
        QTest::addColumn<QString>("box");        // "title|text", %1: the log's name, %2: the program's
        QTest::addColumn<QString>("status");     // of the log saved; empty: none
        using B = QMessageBox;
        const QList<int> yes{B::Yes};
        QTest::newRow("start, Cancel") << "buttonStart" << QList<int>{B::Cancel}
                                       << "START|Do you want to start %2 program?" << "";
        QTest::newRow("stop refused, known code") << "buttonStop -1" << yes << "Error|Can't stop the running program." << "";
        QTest::newRow("start refused, no such program") << "buttonStart -4" << yes
                                                        << "Error|Can't find the selected program." << "";
        QTest::newRow("start refused, empty program") << "buttonStart -6" << yes
                                                      << "Error|Can't find the selected program." << "";
        QTest::newRow("error, Save") << "bit 24" << QList<int>{B::Ok, B::Save}
                                     << "Success|Program cancelled! Saved to %1.txt" << "Program stopped by error.";
        QTest::newRow("title with a trailing blank") << "bit 25" << QList<int>{B::Ok}
                                                     << "Vaporin - Error |The program has been stopped manually by user." << "";
    }
    void userAndControllerActions()
    {
        QFETCH(QString, action);
        QFETCH(QList<int>, answers);
        QFETCH(QString, box);
        QFETCH(QString, status);
        MainWindow &w = openConnected();
        const bool idle = action.startsWith("buttonStart");
        const bool goesOn = !idle && status.isEmpty(); // a run is recorded afterwards
        const QString name = idle ? child<QLineEdit>(w, "lineEditLogName")->text() : startRun();
        const QRegularExpression command("^CMD_");
        const int commandsBefore = sim->receivedCommands().filter(command).size();
        const QString controlsBefore = controls(w).section(" | ", 1); // the running time aside
        const QString target = action.section(' ', 0, 0);
        const int number = action.section(' ', 1).toInt(); // the refusal's code, or the bit
        for (int answer : answers)
            answerer->answerBoxes({QMessageBox::StandardButton(answer)});
        if (target == "bit") {
            sim->setStatusBit(3, number, true);
        } else {
            if (number != 0)
                target == "buttonStop" ? sim->refuseNextStop(number) : sim->refuseNextStart(number);
            QTest::mouseClick(child<QWidget>(w, qPrintable(target)), Qt::LeftButton);
        }
        const QString text = box.section('|', 1).replace("%1", name).replace(
            "%2", child<QComboBox>(w, "comboBoxPrograms")->currentText());
        QTRY_VERIFY_WITH_TIMEOUT(boxShown(text, box.section('|', 0, 0)), 10000);
        QCOMPARE(sim->receivedCommands().filter(command).size() - commandsBefore,
                 int(target.startsWith("button") && answers.first() == QMessageBox::Yes));
        if (answers.first() == QMessageBox::Cancel)
            QCOMPARE(controls(w).section(" | ", 1), controlsBefore);
        QCOMPARE(recording(), goesOn);
        QCOMPARE(!child<QWidget>(w, "buttonStop")->isHidden(), goesOn);
        QTRY_COMPARE(RunJournal().journals().size(), int(goesOn)); // entered: saved, or discarded on purpose
        QCOMPARE(logFiles().size(), int(!status.isEmpty()));
        QVERIFY(status.isEmpty() || logOf(name).contains("\nStatus: " + status.toUtf8() + "\n"));
        if (idle) // back with the controller's next ready state
            QTRY_VERIFY_WITH_TIMEOUT(child<QWidget>(w, "buttonStart")->isEnabled() && !child<QWidget>(w, "buttonStart")->isHidden(), 5000);
    }

    // When a run's entry is made, the Home tab shows its verdict beside the
    // curve, in its colour with its reason, until the next run starts.
    void verdictOfTheRunShowsOnTheHomeTab_data()
    {
        QTest::addColumn<bool>("adopted");
        QTest::addColumn<QString>("verdict");
        QTest::addColumn<QString>("colour");
        QTest::newRow("stopped before its hold") << false << "FAIL" << "#b01e1e";
        QTest::newRow("adopted from the controller") << true << "NOT EVALUATED" << "#6b6b6b";
    }
    void verdictOfTheRunShowsOnTheHomeTab()
    {
        QFETCH(bool, adopted);
        QFETCH(QString, verdict);
        QFETCH(QString, colour);
        MainWindow &w = openConnected();
        auto *banner = child<QWidget>(w, "frameVerdict");
        auto *result = child<QLabel>(w, "labelVerdict");
        QVERIFY(banner->isHidden());
        if (adopted) {
            answerer->answerBoxes({QMessageBox::Yes});
            sim->setStatusBit(3, 5, true); // "A program is already running."
            QTRY_VERIFY_WITH_TIMEOUT(!child<QWidget>(w, "buttonStop")->isHidden(), 10000);
        } else {
            startRun();
        }
        QVERIFY(recording());
        if (adopted)
            sim->setSensorFault(true); // ends the run the station did not start
        else
            press("buttonStop");
        QTRY_VERIFY_WITH_TIMEOUT(banner->isVisible(), 10000);
        const QVector<Cycle> entries = registerEntries();
        QCOMPARE(entries.size(), 1);
        QCOMPARE(result->text(), verdict);
        QVERIFY2(result->styleSheet().contains(colour), qPrintable(result->styleSheet()));
        QCOMPARE(child<QLabel>(w, "labelVerdictReason")->text(), entries[0].verdict->reason);
        // On the Home tab beside the curve, not over it.
        QCOMPARE(banner->parentWidget(), child<QWidget>(w, "verticalLayoutWidget"));

        sim->setStatusBit(3, 5, false);
        sim->setSensorFault(false);
        QTRY_VERIFY_WITH_TIMEOUT(child<QWidget>(w, "buttonStart")->isEnabled(), 10000);
        startRun();
        QVERIFY(banner->isHidden());
    }

    // While no temperature comes (the cable is out), the thermometer and its
    // number are greyed and say since when; the run's curve keeps what it
    // has drawn, also once the connection is declared lost.
    void outageGreysTheThermometerAndKeepsTheCurve()
    {
        MainWindow &w = openConnected();
        startRun();
        QVERIFY(recording());
        auto *number = child<QLabel>(w, "labelTemperature");
        auto *thermometer = child<QWidget>(w, "progressBarTemperature");
        const QString liveStyle = thermometer->styleSheet();
        QVERIFY(!number->text().contains("no reading"));
        auto *home = child<QWidget>(w, "verticalLayoutWidget")->findChild<QtCharts::QChartView *>();
        auto *curve = qobject_cast<QtCharts::QLineSeries *>(home->chart()->series().value(0));
        QVERIFY(curve && curve->count() > 0);
        const QTime pulled = QTime::currentTime();
        sim->unplug();
        QTRY_VERIFY_WITH_TIMEOUT(number->text().contains("no reading since "), 20000);
        const QPointF drawnLast = curve->at(curve->count() - 1);
        const QTime since = QTime::fromString(number->text().section("no reading since ", 1).left(8), "HH:mm:ss");
        QVERIFY2(since.isValid() && qAbs(since.secsTo(pulled)) <= 5, qPrintable(number->text()));
        QVERIFY(number->styleSheet().contains("color"));
        QVERIFY(thermometer->styleSheet() != liveStyle && thermometer->styleSheet().startsWith(liveStyle));
        QVERIFY(curve->count() > 0);
        QCOMPARE(curve->at(curve->count() - 1), drawnLast);
        QTRY_VERIFY_WITH_TIMEOUT(answerer->titles().contains("Connecton Lost"), 20000);
        QVERIFY(curve->count() > 0);
        QCOMPARE(curve->at(curve->count() - 1), drawnLast);
        QVERIFY(number->text().contains("no reading since "));
    }

    // After a run the controller keeps reporting it finished. Once a failed
    // read has emptied the program list, neither these reports nor the
    // controller's ready state let anything be started.
    void nothingCanBeStartedWhileNoProgramIsListed()
    {
        sim->setSpeed(1000);
        MainWindow &w = openConnected();
        const QString name = startRun();
        QTRY_VERIFY_WITH_TIMEOUT(boxShown("Program finished! Saved to " + name + ".txt", "Success"), 15000);
        sim->corruptChecksum(7, -1);
        QTest::mouseClick(child<QWidget>(w, "buttonRefleshPrograms"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(answerer->titles().contains("Error"), 10000);
        QVERIFY(waitForCommands("GET_STAT\n", 3));
        QCOMPARE(child<QComboBox>(w, "comboBoxPrograms")->count(), 0);
        QCOMPARE(controls(w), "00:00:00 | off shown | off hidden | on shown | mixed");
        w.askStartProgram();
        QCOMPARE(answerer->titles().count("START"), 1);
        QCOMPARE(sim->receivedCommands().filter("CMD_STAR").size(), 1);
    }

    // The controller ends the run with an error, and the connection is lost
    // while the station asks whether to save: the restart's quit closes the
    // question unanswered. That is no Discard: the journal stays, and the
    // next start saves the run.
    void restartWhileAskingToSaveKeepsTheRun()
    {
        openConnected();
        const QString name = startRun();
        QVERIFY(waitForCommands("GET_TEMP\n", 2));
        link->manager.setRestartHandler([] { QCoreApplication::quit(); }); // the new process is left out
        answerer->leaveBoxesOpen("Finished because of an error");
        answerer->whenBoxShown([this](QMessageBox *box) {
            if (box->windowTitle() == "Finished because of an error")
                sim->unplug();
        });
        sim->setStatusBit(3, 24, true);
        QTimer stuck; // should the restart never come
        connect(&stuck, &QTimer::timeout, [] { QCoreApplication::exit(1); });
        stuck.start(20000);
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(boxShown("Can't connect to the regulon", "Connecton Lost"));
        QVERIFY(logFiles().isEmpty());
        window.reset();
        QCOMPARE(RunJournal().journals().size(), 1);

        MainWindow next(&link->manager);
        next.recoverInterruptedRuns();
        QTRY_VERIFY(RunJournal().journals().isEmpty());
        const QByteArray log = logOf(name);
        QVERIFY2(log.contains("\nStatus: Program stopped by error.\n") && log.endsWith("\t\n"), log.constData());
        QVERIFY(answerer->titles().contains("Run Log Recovered"));
    }

    // Stop pressed one second into an outage of the cable, which is back
    // after 8 s: the stop cannot reach the controller and the user is told
    // so, and no log says the user cancelled a run that goes on. Without a
    // declared loss the same run is recorded across the outage and stopped
    // again. A loss (seven failed queries) or a stop left unanswered restarts
    // the station: the log says "Connection lost" (before the restart, after
    // a loss), and the restarted station offers to go on recording the run
    // that continues.
    void stopDuringACableOutage_data()
    {
        QTest::addColumn<int>("reopenRetryMs");
        QTest::addColumn<bool>("silent"); // the controller no longer answers instead
        QTest::addColumn<bool>("restarted");
        QTest::newRow("no loss declared: the run goes on") << 2000 << false << false;
        QTest::newRow("loss declared: the restarted station records on") << 300 << false << true;
        QTest::newRow("stop unanswered: the restarted station records on") << 300 << true << true;
    }
    void stopDuringACableOutage()
    {
        QFETCH(int, reopenRetryMs);
        QFETCH(bool, silent);
        QFETCH(bool, restarted);
        SlaveThread::Timing t = link->manager.worker().timing();
        t.reopenRetryMs = reopenRetryMs;
        link->manager.worker().setTiming(t);
        MainWindow &w = openConnected();
        const QString name = startRun();
        bool restart = false;
        QByteArray logAtRestart;
        link->manager.setRestartHandler([&] {
            restart = true;
            logAtRestart = logOf(name);
        });
        QElapsedTimer runClock;
        runClock.start();
        QVERIFY(waitForCommands("GET_TEMP\n", 2));
        int portFailures = 0;
        QObject counter; // ends the connection with this function
        connect(&link->manager.worker(), &SlaveThread::error, &counter, [&] { ++portFailures; });
        qint64 backAfterMs = -1;
        QTimer plugBack;
        plugBack.setSingleShot(true);
        connect(&plugBack, &QTimer::timeout, [&] { backAfterMs = sim->plugInAgain() ? runClock.elapsed() : 0; });
        if (silent) {
            sim->setSilent(true);
        } else {
            sim->unplug();
            plugBack.start(8000);
            QTRY_VERIFY_WITH_TIMEOUT(portFailures > 0, 5000); // the cable is out
        }
        answerer->answerBoxesTitled("Error", QMessageBox::Ok);
        answerer->answerBoxesTitled("Connecton Lost", QMessageBox::Ok);
        press("buttonStop");
        const QString notSent = "The stop was not sent: the controller cannot be reached. The program goes on; press "
                                "Stop again once the controller is back, or stop it at the controller.";
        QTRY_VERIFY_WITH_TIMEOUT(boxShown(notSent, "Error") || restart, 15000);
        QVERIFY(!sim->receivedCommands().contains("CMD_STOP\n") || silent);
        QVERIFY(!boxShown("Program cancelled! Saved to " + name + ".txt"));
        if (!restarted) {
            auto *stop = child<QWidget>(w, "buttonStop");
            QVERIFY(stop->isEnabled() && stop->isVisible());
            QVERIFY(logFiles().isEmpty());
            QTRY_VERIFY_WITH_TIMEOUT(backAfterMs > 0, 10000);
            QVERIFY(recording());
            // One run from before the outage to after it.
            const auto journalled = RunJournal::parse(readFile(RunJournal().journals().value(0)));
            QVERIFY(journalled && journalled->record.dataPoints.firstKey() == "00:00:00");
            const QString last = journalled->record.dataPoints.lastKey();
            QVERIFY2(QTime(0, 0).secsTo(QTime::fromString(last, "hh:mm:ss")) >= backAfterMs / 1000, qPrintable(last));
            QVERIFY(stopRun(name));
            QCOMPARE(link->restarts, 0);
            QTRY_VERIFY(RunJournal().journals().isEmpty());
            QVERIFY(logOf(name).contains("\nStatus: Program cancelled by user\n"));
            auto *start = child<QWidget>(w, "buttonStart");
            QTRY_VERIFY_WITH_TIMEOUT(start->isEnabled() && start->isVisible(), 5000);
            return;
        }
        QTRY_VERIFY_WITH_TIMEOUT(restart, 15000);
        if (!silent) { // a loss declared: the log is written before the restart
            QVERIFY2(logAtRestart.contains("\nStatus: Connection lost\n"), logAtRestart.constData());
            QVERIFY(boxShown("Connection lost! Program cancelled! Saved to " + name + ".txt", "Connecton Lost"));
        }
        window.reset(); // the old station ends
        QVERIFY(logOf(name).contains("\nStatus: Connection lost\n"));
        QTRY_VERIFY(RunJournal().journals().isEmpty());
        QCOMPARE(registerEntries().value(0).status, QString("Connection lost"));

        // The restarted station, once the controller is back, running on.
        sim->setSilent(false);
        QTRY_VERIFY_WITH_TIMEOUT(backAfterMs != -1 || silent, 10000);
        QVERIFY(backAfterMs != 0);
        // The old station's line is closed, as its process has ended.
        QSignalSpy oldLine(&link->manager.worker(), &SlaveThread::error);
        link->manager.changePort(dir.filePath("gone"));
        QTRY_VERIFY_WITH_TIMEOUT(std::any_of(oldLine.cbegin(), oldLine.cend(),
                                             [](const QVariantList &e) { return e.value(0).toString().contains("gone"); }),
                                 10000);
        sim->setStatusBit(3, 5, true); // "A program is already running."
        CommunicationManager next;
        next.worker().setTiming(link->manager.worker().timing());
        next.setRestartHandler([] {});
        next.changePort(link->port("regulon"));
        answerer->answerBoxesTitled("Vaporin - Error", QMessageBox::Yes);
        window = std::make_unique<MainWindow>(&next);
        const auto endsFirst = qScopeGuard([this] { window.reset(); }); // before its device link
        window->show();
        QTRY_VERIFY2_WITH_TIMEOUT(!child<QWidget>(*window, "buttonStop")->isHidden(),
                                  qPrintable(answerer->titles().join(", ")), 15000);
        QVERIFY(boxShown("A program is already running.\nDo you want to start recording temperature?\nAlert: The "
                         "file that will be created afterwards won't contain the previous temperatures."));
        QVERIFY(recording());
        const auto adopted = RunJournal::parse(readFile(RunJournal().journals().value(0)));
        QVERIFY(adopted && adopted->adopted);
    }

    // A log that does not fit on the disk is written whole or not at all, a
    // log of that name from before is never cut short, and only a written
    // log is announced: Save puts it where the user chooses.
    void logThatCannotBeWrittenIsSavedWhereTheUserChooses()
    {
        if (!privateMounts)
            QSKIP("this process cannot mount a small file system to fill");
        QVERIFY(::mount("tmpfs", QFile::encodeName(logs).constData(), "tmpfs", 0, "size=64k") == 0);
        QTemporaryDir elsewhere;
        bool cancelled = false; // the first choice of a place, then back to the question
        answerer->handleDialogs([&](QWidget *dialog) {
            if (!std::exchange(cancelled, true))
                static_cast<QDialog *>(dialog)->reject();
            else
                chooseFile(qobject_cast<QFileDialog *>(dialog), elsewhere.filePath("kept.txt"));
            return true;
        });
        MainWindow &w = openConnected();
        const QString name = startRun();
        QVERIFY(waitForCommands("GET_TEMP\n", 3));
        QFile old(QDir(logs).filePath(name + ".txt"));
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
        old.close();
        QFile filler(QDir(logs).filePath("filler")); // to the last byte
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        QVERIFY(filler.write(QByteArray(1 << 17, 'x')) < (1 << 17));

        // The controller's report of the stop may come before or after the
        // failure: answered by title, each box gets its own answer.
        answerer->answerBoxesTitled("STOP", QMessageBox::Yes);
        answerer->answerBoxesTitled("Error", QMessageBox::Save);
        QTest::mouseClick(child<QWidget>(w, "buttonStop"), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(answerer->titles().count("Error"), 2, 10000);
        const QString failure = answerer->boxes.at(answerer->titles().indexOf("Error")).text;
        // The name is taken by the old log, so the new one is numbered.
        QVERIFY2(failure.contains(QDir(logs).filePath(name + "_2.txt")) && failure.contains("No space left on device"),
                 qPrintable(failure));
        QCOMPARE(logOf(name), QByteArray("old"));
        QCOMPARE(QDir(logs).entryList(QDir::Files | QDir::Hidden).size(), 2); // the filler and the old log
        QVERIFY(::umount2(QFile::encodeName(logs).constData(), MNT_DETACH) == 0);
        QTRY_VERIFY_WITH_TIMEOUT(boxShown("Program cancelled! Saved to " + elsewhere.filePath("kept.txt")), 5000);
        QVERIFY(readFile(elsewhere.filePath("kept.txt")).contains("\nStatus: Program cancelled by user\n"));
        QTRY_VERIFY(RunJournal().journals().isEmpty());
        QCOMPARE(registerEntries().value(0).logPath, elsewhere.filePath("kept.txt"));
    }

    // Saved elsewhere under a name typed without ".txt": the question about
    // replacing a file names the file that is written, and No keeps it.
    void savingElsewhereAsksBeforeReplacingALog_data()
    {
        QTest::addColumn<QStringList>("typed"); // in the file dialog, in turn
        QTest::addColumn<int>("answer");        // to the question about replacing
        QTest::addColumn<QString>("written");
        const int yes = QMessageBox::Yes;
        const int no = QMessageBox::No;
        QTest::newRow("no suffix, kept") << QStringList{"old", "other"} << no << "other.txt";
        QTest::newRow("a dot of its own, replaced") << QStringList{"old.v2"} << yes << "old.v2.txt";
    }
    void savingElsewhereAsksBeforeReplacingALog()
    {
        QFETCH(QStringList, typed);
        QFETCH(int, answer);
        QFETCH(QString, written);
        QTemporaryDir elsewhere;
        for (const char *name : {"old.txt", "old.v2.txt"}) {
            QFile old(elsewhere.filePath(name));
            QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
        }
        const QString question = typed.first() + ".txt already exists.\nDo you want to replace it?";
        answerer->handleDialogs([&](QWidget *dialog) {
            if (!typed.isEmpty())
                chooseFile(qobject_cast<QFileDialog *>(dialog), elsewhere.filePath(typed.takeFirst()));
            return true;
        });
        answerer->answerBoxesTitled("Error", QMessageBox::Save);
        answerer->answerBoxesTitled("Save Run Log", QMessageBox::StandardButton(answer));
        CM::Program record;
        record.status = "Successfully completed";
        record.dataPoints.insert("00:00:01", "21.5");
        const std::optional<RunLog::WriteResult> saved = RunLogSaver::save(nullptr, record, {dir.filePath("gone/log")});
        QCOMPARE(saved ? saved->fileName : "<not saved>", elsewhere.filePath(written));
        QCOMPARE(readFile(saved->fileName), RunLog::content(record));
        QVERIFY(typed.isEmpty());
        QCOMPARE(answerer->titles().count("Save Run Log"), 1);
        QVERIFY(boxShown(question, "Save Run Log"));
        for (const char *name : {"old.txt", "old.v2.txt"})
            QCOMPARE(readFile(elsewhere.filePath(name)) == "old", written != name);
    }

    // Each way a run ends, over the controller's line: the register's entry
    // holds what the run was, and its log can be made again from it.
    void runsAreEnteredIntoTheRegister_data()
    {
        QTest::addColumn<QString>("end");
        QTest::addColumn<int>("program"); // chosen, 1 to 6; negated: started at the controller and adopted
        QTest::addColumn<QString>("status");
        QTest::newRow("program finished") << "finished" << 1 << "Successfully completed";
        QTest::newRow("stopped by the user") << "stop" << 3 << "Program cancelled by user";
        QTest::newRow("ended by an error, log discarded") << "discard" << 2 << "Discarded by the user";
        QTest::newRow("adopted, station closed") << "close" << -2 << "Station closed during the run";
    }
    void runsAreEnteredIntoTheRegister()
    {
        QFETCH(QString, end);
        QFETCH(int, program);
        QFETCH(QString, status);
        sim->setSpeed(300); // program 1 takes 4.6 s
        MainWindow &w = openConnected();
        auto *chooser = child<QComboBox>(w, "comboBoxPrograms");
        QString name = child<QLineEdit>(w, "lineEditLogName")->text();
        if (program > 0) {
            chooser->setCurrentIndex(program - 1);
            name = startRun();
        } else {
            answerer->answerBoxes({QMessageBox::Yes});
            sim->startAtController(-program);
            QVERIFY(waitForCommands("GET_STAT\n", 1)); // which the controller reports
            sim->setStatusBit(3, 5, true); // "A program is already running."
            QTRY_VERIFY_WITH_TIMEOUT(!child<QWidget>(w, "buttonStop")->isHidden(), 10000);
        }
        const QString programName = sim->programs().at(qAbs(program) - 1).name;
        QTRY_VERIFY_WITH_TIMEOUT(readFile(RunJournal().journals().value(0)).count(" point\t") >= 3, 10000);
        if (end == "finished") {
            QTRY_VERIFY_WITH_TIMEOUT(boxShown("Program finished! Saved to " + name + ".txt"), 15000);
        } else if (end == "stop") {
            QVERIFY(stopRun(name));
        } else if (end == "discard") {
            answerer->answerBoxes({QMessageBox::Ok, QMessageBox::Discard});
            sim->setStatusBit(3, 24, true);
            QTRY_VERIFY_WITH_TIMEOUT(boxShown("Do you want to save anyway?"), 10000);
        } else {
            window.reset();
        }
        QTRY_VERIFY_WITH_TIMEOUT(RunJournal().journals().isEmpty(), 10000);
        const QVector<Cycle> entries = registerEntries();
        QCOMPARE(entries.size(), 1);
        const Cycle &entry = entries[0];
        QCOMPARE(entry.controllerSerial, QString("RG100042"));
        QCOMPARE(entry.cycleNumber, sim->cycleCounter());
        QCOMPARE(entry.programNumber, qAbs(program));
        QCOMPARE(entry.programName, programName);
        QCOMPARE(CycleFields::stepsText(entry.steps), CycleFields::stepsText(sim->programs().at(qAbs(program) - 1).steps));
        QCOMPARE(entry.adopted, program < 0);
        QCOMPARE(entry.verdict && entry.verdict->reason == "recording began after the start", program < 0);
        QCOMPARE(entry.status, status);
        QCOMPARE(entry.origin, Cycle::Origin::Recorded);
        QCOMPARE(entry.started.offsetFromUtc(), entry.started.toLocalTime().offsetFromUtc());
        QVERIFY(entry.started < entry.finished);
        QVERIFY(entry.samples.size() >= 3);
        if (end == "discard") {
            QVERIFY(entry.logPath.isEmpty() && entry.logSha256.isEmpty() && logFiles().isEmpty());
            return;
        }
        QCOMPARE(entry.logPath, QDir(logs).filePath(name + ".txt"));
        const QByteArray log = readFile(entry.logPath);
        QCOMPARE(entry.logSha256, Sha256::hex(log));
        // Every sample, of which the log keeps the last of each second and of those every second one.
        QCOMPARE(RegisterTestData::log(entry), log);
    }

    // A backup asked for during a run, and the one the run's entry brings:
    // the run goes on and is entered as always, and the backup after its
    // entry verifies and holds it with its log.
    void backupsTakenAroundARunHoldItOnceEntered()
    {
        QTemporaryDir usb;
        StationSettings().setValue("backup/folder", usb.path());
        sim->setSpeed(300); // program 1 takes 3.5 s
        MainWindow &w = openConnected();
        const QString name = startRun();
        QTRY_VERIFY_WITH_TIMEOUT(readFile(RunJournal().journals().value(0)).count(" point\t") >= 3, 10000);
        QTest::mouseClick(child<QWidget>(w, "pushButtonBackUpNow"), Qt::LeftButton);
        QVERIFY(recording());
        QTRY_VERIFY_WITH_TIMEOUT(boxShown("Program finished! Saved to " + name + ".txt"), 15000);
        QTRY_VERIFY_WITH_TIMEOUT(RunJournal().journals().isEmpty(), 10000);
        const auto newest = [&] {
            const QStringList made = BackupGenerations::inFolder(usb.path());
            return made.isEmpty() ? QString() : QDir(usb.path()).filePath(made.last());
        };
        QTRY_VERIFY_WITH_TIMEOUT(!newest().isEmpty() && registerEntries(newest()).size() == 1, 20000);
        const CycleVerifier::Report report = BackupCheck::run(newest(), QDir(usb.path()).filePath("logs"));
        QVERIFY2(report.intact(), qPrintable(RegisterTestData::problems(report).join(' ') + report.error));
        QCOMPARE(report.logs, 1);
        QCOMPARE(registerEntries(newest()).value(0).logPath, QDir(logs).filePath(name + ".txt"));
        QTRY_VERIFY_WITH_TIMEOUT(child<QLabel>(w, "labelBackupStatus")->text().startsWith("Last verified backup: today"),
                                 10000);
    }

    // Every program write, whether the controller took it or not, is an
    // event of the register with the program before and after.
    void programWritesAreAudited_data()
    {
        QTest::addColumn<int>("refusedStep"); // -1: none
        QTest::addColumn<QString>("message"); // stored: English in every language
        QTest::addColumn<int>("language");
        QTest::newRow("written") << -1 << "" << int(Language::English);
        QTest::newRow("refused by the controller") << 2 << "Something went wrong! Please try again!"
                                                   << int(Language::English);
        QTest::newRow("refused, in German") << 2 << "Something went wrong! Please try again!" << int(Language::German);
    }
    void programWritesAreAudited()
    {
        QFETCH(int, refusedStep);
        QFETCH(QString, message);
        QFETCH(int, language);
        QVERIFY(Language::install(Language::Choice(language)));
        // The controller's own program, as it came: it ends cooling, so it
        // can be written as edited.
        const CM::Program before = sim->programs().at(0);
        MainWindow &w = openConnected();
        w.setControllerSerial("RG100042"); // as the device selection chose it
        child<QTabWidget>(w, "tabWidget")->setCurrentIndex(1);
        auto *name = child<QLineEdit>(w, "lineEditProgramName");
        QTRY_VERIFY(name->isEnabled());
        name->setText("Renamed");
        if (refusedStep >= 0)
            sim->refuseWriteStep(refusedStep);
        child<QAbstractButton>(w, "pushButtonEdirProgramSave")->click();
        QTRY_COMPARE(programWrites().size(), 1);
        const QJsonObject write = programWrites().first();
        QCOMPARE(write["controller"].toString(), QString("RG100042"));
        QCOMPARE(write["user"].toString(), CycleRegister::osUser());
        QCOMPARE(write["program"].toInt(), 1);
        const QString steps = CycleFields::stepsText(before.steps);
        QCOMPARE(write["before"].toObject(), (QJsonObject{{"name", before.name}, {"steps", steps}}));
        QCOMPARE(write["after"].toObject(), (QJsonObject{{"name", "Renamed"}, {"steps", steps}}));
        QCOMPARE(write["outcome"].toString(), QString(refusedStep < 0 ? "written" : "failed"));
        QCOMPARE(write["message"].toString(), message);
        QVERIFY(QDir(RunJournal::defaultFolder()).entryList({"*.event"}).isEmpty());
        QVERIFY(refusedStep >= 0 || sim->programs().at(0).name == "Renamed");
        QVERIFY(!answerer->titles().contains("Invalid Program!"));
    }

    // A register that cannot be written (locked by another connection)
    // never holds up the run's log. The user is told once per episode, never
    // over the run's own box, and the entry waits in the journal until the
    // lock is gone. (An entry waiting across the station's end is the
    // register writer test's.)
    void registerThatCannotBeWrittenKeepsTheEntry()
    {
        QTemporaryDir registerFolder;
        const QString path = registerFolder.filePath("register.sqlite");
        StationSettings().setRegisterPath(path);
        const QString lockName = "lock holder";
        QVERIFY(CycleRegister("schema maker").open(path));
        QSqlDatabase holder = QSqlDatabase::addDatabase("QSQLITE", lockName);
        holder.setDatabaseName(path);
        QVERIFY(holder.open() && QSqlQuery(holder).exec("BEGIN IMMEDIATE"));
        MainWindow &w = openConnected();
        w.registerWriter()->setRetryInterval(100);
        QSignalSpy failed(w.registerWriter(), &RegisterWriter::failed);
        const QString name = startRun();
        QVERIFY(waitForCommands("GET_TEMP\n", 2));
        answerer->answerBoxesTitled("STOP", QMessageBox::Yes);
        // The user reads the run's own box until the register has failed.
        answerer->leaveBoxesOpen("Cancelled");
        int alertsWhileShown = -1;
        QTimer reader;
        connect(&reader, &QTimer::timeout, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || box->windowTitle() != "Cancelled" || failed.isEmpty())
                return;
            alertsWhileShown = registerAlertsShown();
            reader.stop();
            box->button(QMessageBox::Ok)->click();
        });
        reader.start(20);
        QTest::mouseClick(child<QWidget>(w, "buttonStop"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(alertsWhileShown >= 0, 20000);
        QCOMPARE(alertsWhileShown, 0);
        QTRY_COMPARE(registerAlertsShown(), 1);
        const QString logFile = QDir(logs).filePath(name + ".txt");
        const QByteArray log = readFile(logFile);
        QVERIFY(log.contains("\nStatus: Program cancelled by user\n"));
        holder.close();
        holder = QSqlDatabase();
        QSqlDatabase::removeDatabase(lockName);
        QTRY_VERIFY_WITH_TIMEOUT(RunJournal().journals().isEmpty(), 15000);
        const QVector<Cycle> entries = registerEntries(path);
        QCOMPARE(entries.size(), 1);
        QCOMPARE(entries[0].logSha256, Sha256::hex(log));
        QCOMPARE(readFile(logFile), log);
        QCOMPARE(registerAlertsShown(), 1); // the one of the episode
    }

    // The boxes of a run speak the chosen language; the run log and the
    // register keep English. The same run, ended the same way, writes the
    // same bytes in every language: the window's clock stands still and the
    // chamber keeps its temperature.
    void runLogStaysEnglishInEveryLanguage_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("ending");      // "stop": Stop pressed; "error": the controller's error, saved
        QTest::addColumn<QStringList>("boxes");   // "title|first line", %1: the log's name, %2: the program's
        QTest::addColumn<QString>("status");      // stored
        const QString stopped = "Program cancelled by user";
        const QString failed = "Program stopped by error.";
        QTest::newRow("German, stopped")
            << int(Language::German) << "stop"
            << QStringList{u8"START|Möchten Sie das Programm %2 starten?", u8"STOPP|Möchten Sie das laufende Programm stoppen?",
                           "Abgebrochen|Programm abgebrochen! Gespeichert unter %1.txt"}
            << stopped;
        QTest::newRow("French, stopped")
            << int(Language::French) << "stop"
            << QStringList{u8"DÉMARRER|Voulez-vous démarrer le programme %2 ?",
                           u8"ARRÊTER|Voulez-vous arrêter le programme en cours ?",
                           u8"Annulé|Programme annulé ! Enregistré sous %1.txt"}
            << stopped;
        QTest::newRow("German, error saved")
            << int(Language::German) << "error"
            << QStringList{u8"START|Möchten Sie das Programm %2 starten?", "Vaporin - Fehler|Delta-T-Fehler",
                           u8"Wegen eines Fehlers beendet|Möchten Sie trotzdem speichern?",
                           "Erfolg|Programm abgebrochen! Gespeichert unter %1.txt"}
            << failed;
        QTest::newRow("French, error saved")
            << int(Language::French) << "error"
            << QStringList{u8"DÉMARRER|Voulez-vous démarrer le programme %2 ?", "Vaporin - Erreur|Erreur Delta-T",
                           u8"Terminé à cause d'une erreur|Voulez-vous enregistrer quand même ?",
                           u8"Succès|Programme annulé ! Enregistré sous %1.txt"}
            << failed;
    }
    void runLogStaysEnglishInEveryLanguage()
    {
        QFETCH(int, language);
        QFETCH(QString, ending);
        QFETCH(QStringList, boxes);
        QFETCH(QString, status);
        QByteArray written[2]; // in English, in the language
        for (const Language::Choice choice : {Language::English, Language::Choice(language)}) {
            tearDown();
            removeRegister(); // the same run again: it would not be entered twice
            QVERIFY(Language::install(choice));
            QVERIFY(setUp(dir.filePath(QString("logs-%1-%2").arg(QTest::currentDataTag()).arg(choice))));
            sim->setSpeed(0); // the chamber stays at its temperature
            MainWindow &w = openConnected();
            w.setClock([] { return QDateTime(QDate(2026, 12, 7), QTime(14, 5)).toMSecsSinceEpoch(); });
            const QString program = child<QComboBox>(w, "comboBoxPrograms")->currentText();
            const QString name = startRun();
            QVERIFY(recording());
            if (ending == "stop") {
                press("buttonStop");
            } else {
                answerer->answerBoxes({QMessageBox::Ok, QMessageBox::Save});
                sim->setStatusBit(3, 24, true);
            }
            QTRY_COMPARE_WITH_TIMEOUT(answerer->boxes.size(), boxes.size(), 10000);
            QTRY_VERIFY(!QApplication::activeModalWidget());
            if (choice != Language::English) {
                QStringList shown;
                for (const ModalAnswerer::Box &box : answerer->boxes)
                    shown << box.title + '|' + box.text.section('\n', 0, 0);
                QCOMPARE(shown, QStringList(boxes).replaceInStrings("%1", name).replaceInStrings("%2", program));
            }
            QCOMPARE(logFiles(), QStringList{name + ".txt"});
            written[choice != Language::English] = logOf(name);
            QTRY_COMPARE(registerEntries().size(), 1);
            QCOMPARE(registerEntries().constFirst().status, status);
        }
        QVERIFY2(written[0].contains("\nStatus: " + status.toUtf8() + "\n"), written[0].constData());
        QCOMPARE(written[1], written[0]);
    }

    // The language chosen on the About tab is stored at once and takes
    // effect at the next start: the device selection and the main window
    // speak it then.
    void chosenLanguageSpeaksAtTheNextStart_data()
    {
        QTest::addColumn<QString>("before"); // the setting
        QTest::addColumn<int>("key");        // pressed on the chooser
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("texts");  // the device selection's Exit, the main window's first tab
        QTest::newRow("Deutsch") << "" << int(Qt::Key_Down) << "German" << "Beenden Startseite";
        QTest::newRow("Français") << "" << int(Qt::Key_End) << u8"Français" << "Quitter Accueil";
        QTest::newRow("English") << u8"Français" << int(Qt::Key_Home) << "" << "Exit Home";
    }
    void chosenLanguageSpeaksAtTheNextStart()
    {
        QFETCH(QString, before);
        QFETCH(int, key);
        StationSettings().setLanguage(before);
        Language::install(Language::fromSetting(before));
        window = std::make_unique<MainWindow>(&link->manager);
        const QString tabBefore = child<QTabWidget>(*window, "tabWidget")->tabText(0);
        QTest::keyClick(child<QComboBox>(*window, "comboBoxLanguage"), Qt::Key(key));
        QTEST(StationSettings().language(), "setting");
        QCOMPARE(child<QTabWidget>(*window, "tabWidget")->tabText(0), tabBefore); // not before the next start
        window.reset();

        QString texts;
        answerer->handleDialogs([&texts](QWidget *dialog) {
            for (QWidget *top : QApplication::topLevelWidgets()) {
                if (auto *main = qobject_cast<MainWindow *>(top))
                    texts = child<QTabWidget>(*main, "tabWidget")->tabText(0);
            }
            auto *exit = child<QPushButton>(*dialog, "buttonExit");
            texts.prepend(exit->text() + ' ');
            exit->click();
            return true;
        });
        QCOMPARE(Station::run(&link->manager), 0);
        QTEST(texts, "texts");
    }

    // A station killed at any moment of a run, also while it saves the
    // run's log, leaves no half-written file, and its next start turns the
    // journal into a log holding every sample that was journalled, says
    // where, and only then removes the journal.
    void killedStationLeavesEveryJournalledSampleToItsNextStart_data()
    {
        QTest::addColumn<int>("killAfterMs"); // after the run started; -1: during the final save
        for (int round = 0; round < 4; ++round) {
            const int ms = QRandomGenerator::global()->bounded(3800);
            QTest::addRow("killed %d ms into the run", ms) << ms;
        }
        QTest::newRow("killed while the final save asks for another place") << -1;
    }
    void killedStationLeavesEveryJournalledSampleToItsNextStart()
    {
        QFETCH(int, killAfterMs);
        tearDown();
        QProcess station;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("RUN_JOURNAL_STATION", "1");
        environment.insert("RUN_LOGS", logs);
        environment.insert("TMPDIR", dir.path()); // what the killed station leaves goes with it
        station.setProcessEnvironment(environment);
        station.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        station.start(QCoreApplication::applicationFilePath(), QStringList());
        QByteArray said;
        QTRY_VERIFY_WITH_TIMEOUT((said += station.readAllStandardOutput()).contains("running\n"), 20000);
        const QStringList journals = RunJournal().journals(); // held by its running station: no other's to take
        QByteArray content;
        QVERIFY(journals.size() == 1 && !RunJournal().adopt(journals.first(), &content));
        if (killAfterMs >= 0) {
            QTest::qWait(killAfterMs);
        } else {
            QVERIFY(QDir(logs).removeRecursively());
            QTRY_VERIFY_WITH_TIMEOUT((said += station.readAllStandardOutput()).contains("box Error\n"), 10000);
        }
        station.kill();
        QVERIFY(station.waitForFinished(5000)); // reaped: its locks are stale now

        // A complete log, to the last row.
        const QRegularExpression complete("^Model: Vaporin Regulon 2\n(\\w[\\w ]*: .*\n){8}Data Points\nTimeStamp .*\n"
                                          "(\\d+:\\d\\d:\\d\\d\t[^\t\n]+\t\n)*$");
        for (const QString &name : QDir(logs).entryList({"*.txt"}))
            QVERIFY2(complete.match(QString::fromUtf8(readFile(QDir(logs).filePath(name)))).hasMatch(), qPrintable(name));
        const QStringList left = RunJournal().journals();
        QVERIFY(left.size() <= 1);
        const std::optional<RunJournal::Run> run = RunJournal::parse(readFile(left.value(0)));
        QCOMPARE(bool(run), !left.isEmpty());

        // The next start.
        QVERIFY(setUp(logs));
        int journalsWhenTold = -1;
        answerer->whenBoxShown([&](QMessageBox *box) {
            if (box->windowTitle() == "Run Log Recovered")
                journalsWhenTold = RunJournal().journals().size();
        });
        answerer->handleDialogs([](QWidget *dialog) {
            dialog->findChild<QAbstractButton *>("buttonExit")->click();
            return true;
        });
        QCOMPARE(Station::run(&link->manager), 0);
        QVERIFY(RunJournal().journals().isEmpty());
        // One entry, whoever made it: the killed station, or its next start
        // from the journal with every sample journalled.
        const QVector<Cycle> entries = registerEntries();
        QCOMPARE(entries.size(), 1);
        const int told = answerer->titles().indexOf("Run Log Recovered");
        // Nothing to tell when the run had ended and its log was saved.
        QCOMPARE(told >= 0, run && !run->settled());
        if (!run)
            return;
        QCOMPARE(entries[0].origin, run->log ? run->log->origin : Cycle::Origin::Recovered);
        // The serial the journal held: the controller's, unless the station
        // was killed before the controller's identity answer arrived.
        QCOMPARE(entries[0].controllerSerial, run->record.serialNumber);
        QVERIFY(run->record.serialNumber.isEmpty() || run->record.serialNumber == "RG100042");
        QVector<CycleSample> journalled;
        for (const CycleSample &sample : run->samples)
            journalled << SampleCodec::rounded(sample);
        QCOMPARE(entries[0].samples, journalled);
        if (told < 0)
            return;
        QCOMPARE(journalsWhenTold, 1);
        QVERIFY(killAfterMs >= 0 || run->record.status == "Successfully completed");
        const QString recovered = answerer->boxes.at(told).text.section('\n', -1);
        QCOMPARE(readFile(recovered), RunLog::content(run->record));
        QCOMPARE(entries[0].logPath, recovered);
        QCOMPARE(entries[0].logSha256, Sha256::hex(readFile(recovered)));
    }
};

int main(int argc, char *argv[])
{
    // A mount namespace of this process's own, so that a file system it
    // mounts is gone with it. Only a single-threaded process may enter one.
    privateMounts = ::unshare(CLONE_NEWNS) == 0 && ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    if (qEnvironmentVariableIsSet("RUN_JOURNAL_STATION")) {
        QApplication app(argc, argv);
        return stationToBeKilled();
    }
    STATION_GUI_TEST_RUN(TestRunControl);
}

#include "tst_runcontrol.moc"
