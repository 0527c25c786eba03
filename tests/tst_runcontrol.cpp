#include "app/startwindow.h"
#include "app/station.h"
#include "app/stationsettings.h"
#include "records/runjournal.h"
#include "records/runlog.h"
#include "tests/childwidget.h"
#include "tests/isolateduser.h"
#include "tests/modalanswerer.h"
#include "tests/simulatedlink.h"
#include "ui/mainwindow.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QRandomGenerator>
#include <QSerialPort>
#include <QTabWidget>
#include <QtCharts/QChartView>
#include <QtCharts/QLineSeries>
#include <QtTest>

#include <cstdio>
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
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString logStatus(const QString &fileName)
{
    const QByteArray log = readFile(fileName);
    const int at = log.indexOf("\nStatus: ");
    return at < 0 ? QString("<none>") : QString::fromUtf8(log.mid(at + 9, log.indexOf('\n', at + 1) - at - 9));
}

// The run in progress as its journal holds it.
std::optional<RunJournal::Run> journalledRun()
{
    const QStringList journals = RunJournal().journals();
    return journals.size() == 1 ? RunJournal::parse(readFile(journals.first())) : std::nullopt;
}

QString state(QWidget *w)
{
    return QString(w->isEnabled() ? "on" : "off") + (w->isHidden() ? " hidden" : " shown");
}

// The Home tab's run controls, and whether the settings that a run fixes
// (program choice, log folder, log name, Programs tab) are all open, all
// closed, or mixed.
QString controls(MainWindow &w)
{
    const bool settings[] = {child<QWidget>(w, "comboBoxPrograms")->isEnabled(),
                             child<QWidget>(w, "groupBox_2")->isEnabled(),
                             child<QWidget>(w, "groupBox_3")->isEnabled(),
                             child<QTabWidget>(w, "tabWidget")->isTabEnabled(1)};
    const int open = int(std::count(std::begin(settings), std::end(settings), true));
    return QStringLiteral("%1 | start %2 | stop %3 | refresh %4 | %5")
        .arg(child<QLabel>(w, "labelRunningTime")->text(), state(child<QWidget>(w, "buttonStart")),
             state(child<QWidget>(w, "buttonStop")), state(child<QWidget>(w, "buttonRefleshPrograms")),
             open == 4 ? "open" : open == 0 ? "closed" : "mixed");
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

    // Starts the chosen program, answering the question; returns the log name.
    QString startRun()
    {
        answerer->answerBoxes({QMessageBox::Yes});
        QTest::mouseClick(child<QWidget>(*window, "buttonStart"), Qt::LeftButton);
        if (!QTest::qWaitFor([&] { return !child<QWidget>(*window, "buttonStop")->isHidden(); }, 10000))
            qFatal("the run never started");
        return child<QLineEdit>(*window, "lineEditLogName")->text();
    }

    // Whether the live curve grows during a few polling cycles.
    bool recording()
    {
        auto *view = child<QWidget>(*window, "verticalLayoutWidget")->findChild<QtCharts::QChartView *>();
        const auto points = [&] {
            const auto series = view->chart()->series();
            return series.isEmpty() ? 0 : static_cast<QtCharts::QLineSeries *>(series.first())->count();
        };
        const int before = points();
        return waitForCommands("GET_TEMP\n", 3) && points() > before;
    }

    QStringList logFiles() const { return QDir(logs).entryList({"*.txt"}, QDir::Files); }

    bool boxShown(const QString &title, const QString &text) const
    {
        for (const ModalAnswerer::Box &box : answerer->boxes)
            if ((title.isEmpty() || box.title == title) && box.text == text)
                return true;
        return false;
    }

    // Waits until the simulator has been asked `count` more times.
    bool waitForCommands(const QString &command, int count)
    {
        const int target = sim->receivedCommands().count(command) + count;
        return QTest::qWaitFor([&] { return sim->receivedCommands().count(command) >= target; }, 10000);
    }
};

void say(const char *text)
{
    std::printf("%s\n", text);
    std::fflush(stdout);
}

// The station that the crash test kills, in a process of its own: a run of
// program 1, which takes 3.5 s here. It says "running" when the run has
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
            say("box Error");
            QTest::qSleep(60000);
        }
    });
    station.openConnected();
    station.startRun();
    say("running");
    QTimer::singleShot(60000, qApp, &QCoreApplication::quit); // should its killer be gone
    return QApplication::exec();
}

// Reads the process's output up to the line `wanted`.
bool waitForLine(QProcess &process, const QByteArray &wanted)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 20000) {
        while (process.canReadLine())
            if (process.readLine().trimmed() == wanted)
                return true;
        process.waitForReadyRead(50);
    }
    return false;
}

// Fills the file system of the folder to the last byte.
bool fill(const QString &folder)
{
    QFile filler(QDir(folder).filePath("filler"));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const QByteArray block(512, 'x');
    while (filler.write(block) == block.size()) {
    }
    return filler.error() != QFileDevice::NoError;
}

} // namespace

class TestRunControl : public QObject, public RunFixture
{
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void init()
    {
        static int n = 0;
        QDir(RunJournal::defaultFolder()).removeRecursively();
        QVERIFY(setUp(dir.filePath(QString("logs%1").arg(++n))));
    }
    void cleanup() { tearDown(); }

    void runControlsFollowTheStatus_data()
    {
        QTest::addColumn<int>("status"); // set, or reached by reports before the digital state
        QTest::addColumn<int>("digi");   // -1: none
        QTest::addColumn<double>("celsius");
        QTest::addColumn<QString>("expected");
        const QString before = "12:34:56 | start on hidden | stop on shown | refresh off hidden | mixed";
        const QString ready = "12:34:56 | start on shown | stop on hidden | refresh off hidden | mixed";
        QTest::newRow("Idle") << int(CM::Idle) << -1 << 20.0
                              << "00:00:00 | start off shown | stop on hidden | refresh on hidden | open";
        QTest::newRow("Running") << int(CM::Running) << -1 << 20.0
                                 << "12:34:56 | start on hidden | stop on shown | refresh off hidden | closed";
        QTest::newRow("StartRequested") << int(CM::StartRequested) << -1 << 20.0
                                        << "12:34:56 | start off hidden | stop off shown | refresh off hidden | closed";
        QTest::newRow("ReadFailed") << int(CM::ReadFailed) << -1 << 20.0
                                    << "12:34:56 | start off hidden | stop off shown | refresh on shown | closed";
        QTest::newRow("ConnectionLost") << int(CM::ConnectionLost) << -1 << 20.0
                                        << "12:34:56 | start off hidden | stop on shown | refresh off hidden | mixed";
        QTest::newRow("ok") << int(CM::Idle) << int(CM::DigiOk) << 20.0 << ready;
        QTest::newRow("ok, temperature out of range") << int(CM::Idle) << int(CM::DigiOk) << 150.0 << before;
        QTest::newRow("ok while running") << int(CM::Running) << int(CM::DigiOk) << 20.0 << before;
        QTest::newRow("alarm") << int(CM::Idle) << int(CM::DigiAlarm) << 20.0
                               << "12:34:56 | start off hidden | stop off shown | refresh off hidden | mixed";
        QTest::newRow("alarm while running") << int(CM::Running) << int(CM::DigiAlarm) << 20.0 << before;
        QTest::newRow("run ended") << int(CM::Running) << int(CM::DigiRunEnded) << 20.0
                                   << "00:00:00 | start on shown | stop on hidden | refresh on hidden | open";
        QTest::newRow("run ended while idle") << int(CM::Idle) << int(CM::DigiRunEnded) << 20.0 << before;
    }
    void runControlsFollowTheStatus()
    {
        QFETCH(int, status);
        QFETCH(int, digi);
        QFETCH(double, celsius);
        MainWindow w(&link->manager);
        if (digi >= 0 && status != CM::Idle)
            w.on_programStatusChanged(CM::ProgramStatus(status), QString());
        CM::TempData sample;
        sample.temperature = float(celsius);
        w.on_tempDataUpdated(sample);
        child<QLabel>(w, "labelRunningTime")->setText("12:34:56");
        child<QWidget>(w, "comboBoxPrograms")->setEnabled(true);
        child<QWidget>(w, "groupBox_3")->setEnabled(false);
        child<QWidget>(w, "buttonStart")->setEnabled(digi >= 0); // only the digital state enables it
        child<QWidget>(w, "buttonStart")->hide();
        child<QWidget>(w, "buttonRefleshPrograms")->setEnabled(false);
        child<QWidget>(w, "buttonRefleshPrograms")->hide();
        child<QWidget>(w, "buttonStop")->setEnabled(true);
        child<QWidget>(w, "buttonStop")->show();
        if (digi < 0)
            w.setRunControls(status);
        else
            w.digiUpdate(CM::DigiStatus(digi));
        QTEST(controls(w), "expected");
    }

    // Reports as the controller sends them, also repeated or late after the
    // run: every run is saved once, and only a run ended is.
    void reportsSaveEachRunOnce_data()
    {
        enum { Offer = -1, ErrorReport = -2, Notice = -3 };
        QTest::addColumn<QList<int>>("reports");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("status"); // of the log; empty: none saved
        QTest::addColumn<QString>("box");    // a box shown, %1: the log's name
        QTest::addColumn<bool>("running");
        const int yes = QMessageBox::Yes;
        const QString finished = "Successfully completed";
        const QString finishedBox = "Program finished! Saved to %1.txt";
        QTest::newRow("finished, repeated") << QList<int>{CM::Running, CM::Finished, CM::Finished} << yes << finished
                                            << finishedBox << false;
        QTest::newRow("stop confirmed after finishing") << QList<int>{CM::Running, CM::Finished, CM::Stopped} << yes
                                                        << finished << finishedBox << false;
        QTest::newRow("stop refused after finishing")
            << QList<int>{CM::Running, CM::Finished, CM::StopFailed, CM::Finished} << yes << finished << finishedBox
            << false;
        QTest::newRow("sensor fault") << QList<int>{CM::Running, CM::SensorError, CM::SensorError} << yes
                                      << "Program stopped by sensor error."
                                      << "Sensor Error! Please restart the controller!\nSaved to %1.txt" << false;
        QTest::newRow("error, Save") << QList<int>{CM::Running, ErrorReport} << int(QMessageBox::Save)
                                     << "Program stopped by error." << "Program cancelled! Saved to %1.txt" << false;
        QTest::newRow("error, Discard") << QList<int>{CM::Running, ErrorReport} << int(QMessageBox::Discard) << ""
                                        << "Do you want to save anyway?" << false;
        QTest::newRow("title with a trailing blank") << QList<int>{CM::Running, Notice} << yes << "" << "" << true;
        QTest::newRow("offer before the first run") << QList<int>{Offer} << yes << "" << "" << true;
        QTest::newRow("no offer after a run") << QList<int>{CM::Running, CM::Stopped, Offer} << yes
                                              << "Program cancelled by user" << "Program cancelled! Saved to %1.txt"
                                              << false;
        QTest::newRow("run adopted while a refusal is shown") << QList<int>{CM::StartFailed} << yes << "" << "" << true;
    }
    void reportsSaveEachRunOnce()
    {
        QFETCH(QList<int>, reports);
        QFETCH(int, answer);
        QFETCH(QString, status);
        QFETCH(QString, box);
        QFETCH(bool, running);
        const QString refusal = "Can't start the program. A program is running.";
        MainWindow w(&link->manager);
        answerer->answerBoxes({QMessageBox::StandardButton(answer)});
        answerer->answerBoxesTitled("Finished because of an error", QMessageBox::StandardButton(answer));
        answerer->whenBoxShown([&](QMessageBox *shown) {
            if (shown->text() == refusal)
                w.on_programStatusChanged(CM::Running, QString()); // the user agreed to record it
        });
        for (int report : reports) {
            if (report == -1)
                w.programError("Vaporin - Error ", "A program is already running.\nAlert: the earlier samples are lost.");
            else if (report < 0)
                w.programError(report == -2 ? "Vaporin - Error" : "Vaporin - Error ", "Delta-T Error");
            else
                w.on_programStatusChanged(CM::ProgramStatus(report), report == CM::StartFailed ? refusal : "refused");
        }
        QCOMPARE(logFiles().size(), status.isEmpty() ? 0 : 1);
        if (!status.isEmpty())
            QCOMPARE(logStatus(QDir(logs).filePath(logFiles().first())), status);
        int announced = 0;
        for (const ModalAnswerer::Box &shown : answerer->boxes)
            announced += shown.text.contains("Saved to");
        QCOMPARE(announced, logFiles().size());
        QVERIFY(box.isEmpty() || boxShown("", QString(box).replace("%1", logFiles().value(0).chopped(4))));
        QCOMPARE(child<QWidget>(w, "buttonStop")->isHidden(), !running);
        QCOMPARE(RunJournal().journals().size(), running ? 1 : 0); // saved, or discarded on purpose
    }

    // Whatever arrives, the run goes on and nothing wrong is shown or
    // recorded; closing the window saves the run and leaves it running.
    void runGoesOnThroughBrokenAnswersAndRefusals_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QByteArray>("bytes"); // the answer sent instead
        QTest::addColumn<int>("delayMs");
        QTest::addColumn<QStringList>("boxes");
        // 77.7 °C never occurs in the chamber during these runs.
        const QStringList start{"START"};
        QTest::newRow("garbage bytes") << "replace"
                                       << QByteArray("\xff\x13\x9b" "DAT_TEMP 77.7,0,0,0\n") + QByteArray("\0\x7f", 2)
                                       << 0 << start;
        QTest::newRow("two answers at once") << "replace" << QByteArray("DAT_TEMP 77.7,0,0,0\nDAT_TEMP 77.7,0,0,0\n")
                                             << 0 << start;
        QTest::newRow("partial answer, then silence") << "replace" << QByteArray("DAT_TEMP 77.") << 0 << start;
        QTest::newRow("answer split byte by byte") << "trickle" << QByteArray() << 10 << start;
        QTest::newRow("answer later than its wait") << "delay" << QByteArray() << 1500 << start;
        QTest::newRow("late answer arriving during the next exchange") << "delay" << QByteArray() << 550 << start;
        QTest::newRow("stop cancelled") << "cancel" << QByteArray() << 0 << QStringList{"START", "STOP"};
        QTest::newRow("stop refused") << "refuse" << QByteArray() << 0 << QStringList{"START", "STOP", "Error"};
    }
    void runGoesOnThroughBrokenAnswersAndRefusals()
    {
        QFETCH(QString, fault);
        QFETCH(QByteArray, bytes);
        QFETCH(int, delayMs);
        QFETCH(QStringList, boxes);
        MainWindow &w = openConnected();
        QStringList shown;
        connect(&link->manager, &CM::getTempData, &w, [&] { shown << child<QLabel>(w, "labelTemperature")->text(); });
        const QString name = startRun();
        if (fault == "replace")
            sim->answerNextWith(bytes, "GET_TEMP");
        else if (fault == "trickle")
            sim->trickleNextAnswer(delayMs, "GET_TEMP");
        else if (fault == "delay")
            sim->delayNextAnswer(delayMs, "GET_TEMP");
        if (fault == "refuse")
            sim->refuseNextStop(-3);
        if (fault == "cancel" || fault == "refuse") {
            answerer->answerBoxes({fault == "cancel" ? QMessageBox::Cancel : QMessageBox::Yes});
            QTest::mouseClick(child<QWidget>(w, "buttonStop"), Qt::LeftButton);
        }
        QVERIFY(waitForCommands("GET_TEMP\n", 1));
        QTRY_COMPARE_WITH_TIMEOUT(answerer->titles(), boxes, 5000);
        QVERIFY(recording());

        for (const QString &label : shown)
            QVERIFY2(QRegularExpression("^2[0-5] °C$").match(label).hasMatch(), qPrintable(label));
        const std::optional<RunJournal::Run> run = journalledRun(); // every sample at once
        QVERIFY(run && !run->record.dataPoints.isEmpty());
        for (const QString &value : run->record.dataPoints)
            QVERIFY2(value.toDouble() >= 20.0 && value.toDouble() < 26.0, qPrintable(value));
        QCOMPARE(link->restarts, 0);

        const int stops = sim->receivedCommands().count("CMD_STOP\n");
        window.reset();
        QCOMPARE(logStatus(QDir(logs).filePath(name + ".txt")), QString("Program cancelled by user"));
        QVERIFY(!readFile(QDir(logs).filePath(name + ".txt")).contains("77.7"));
        QCOMPARE(sim->receivedCommands().count("CMD_STOP\n"), stops);
    }

    void controllerUnpluggedDuringARunIsLoggedBeforeTheRestart()
    {
        MainWindow &w = openConnected();
        const QString name = startRun();
        QVERIFY(waitForCommands("GET_TEMP\n", 3));
        const QString file = QDir(logs).filePath(name + ".txt");
        QString statusAtRestart;
        link->manager.setRestartHandler([&] { statusAtRestart = logStatus(file); });
        sim->unplug();
        QTRY_VERIFY_WITH_TIMEOUT(!statusAtRestart.isEmpty(), 15000);
        QCOMPARE(statusAtRestart, QString("Connection lost"));
        QVERIFY(boxShown("Connecton Lost", "Connection lost! Program cancelled! Saved to " + name + ".txt"));
        QVERIFY(readFile(file).count('\n') > 11); // with the run's samples

        // Plugged in again, the controller is polled again; the ended run
        // is neither recorded nor saved once more.
        QVERIFY(sim->plugInAgain());
        QVERIFY(waitForCommands("GET_TEMP\n", 3));
        QCOMPARE(logFiles(), QStringList{name + ".txt"});
        QVERIFY(!recording());
        QVERIFY(child<QWidget>(w, "buttonStop")->isHidden());
    }

    void portThatCannotBeOpenedIsReported_data()
    {
        QTest::addColumn<bool>("held"); // by another program; otherwise missing
        QTest::newRow("held by another program") << true;
        QTest::newRow("missing") << false;
    }
    void portThatCannotBeOpenedIsReported()
    {
        QFETCH(bool, held);
        QVERIFY(link->plugIn("other", "RG200001"));
        const QString port = link->port(held ? "regulon" : "missing");
        QSerialPort holder(port);
        QVERIFY(!held || holder.open(QIODevice::ReadWrite));
        link->listPorts({held ? "regulon" : "missing", "other"});

        // The device selection lists only the controller it can reach.
        {
            StartWindow start(&link->manager);
            auto *regulons = child<QComboBox>(start, "comboBoxRegulons");
            QTRY_VERIFY_WITH_TIMEOUT(!child<QWidget>(start, "buttonReflesh")->isHidden(), 10000);
            QCOMPARE(regulons->count(), 1);
            QCOMPARE(regulons->itemText(0), QString("RG200001"));
        }

        // Connected to it all the same, the program read fails with a message.
        link->manager.changePort(port);
        window = std::make_unique<MainWindow>(&link->manager);
        window->show();
        QTRY_VERIFY_WITH_TIMEOUT(boxShown("Error", "Something went wrong! Please try again!"), 10000);
        auto *refresh = child<QWidget>(*window, "buttonRefleshPrograms");
        QTRY_VERIFY_WITH_TIMEOUT(refresh->isEnabled() && refresh->isVisible(), 5000);
        QVERIFY(!child<QWidget>(*window, "buttonStart")->isEnabled());
        if (!held)
            return;

        // Once the other program lets go, the refresh reads the programs.
        holder.close();
        QTest::mouseClick(refresh, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(child<QWidget>(*window, "buttonStart")->isEnabled(), 10000);
    }

    // Written whole or not at all, and only a written log is announced.
    void logThatCannotBeWrittenIsSavedWhereTheUserChooses_data()
    {
        QTest::addColumn<bool>("diskFull"); // otherwise the log folder disappears
        QTest::addColumn<int>("dialogsCancelled");
        QTest::addColumn<bool>("saveElsewhere");
        QTest::addColumn<QString>("reason");
        QTest::newRow("log folder gone, saved elsewhere at the second try") << false << 1 << true << "does not exist";
        QTest::newRow("disk full, saved elsewhere") << true << 0 << true << "No space left on device";
        QTest::newRow("disk full, given up") << true << 0 << false << "No space left on device";
    }
    void logThatCannotBeWrittenIsSavedWhereTheUserChooses()
    {
        QFETCH(bool, diskFull);
        QFETCH(int, dialogsCancelled);
        QFETCH(bool, saveElsewhere);
        QFETCH(QString, reason);
        if (diskFull && !privateMounts)
            QSKIP("this process cannot mount a small file system to fill");
        QVERIFY(!diskFull || ::mount("tmpfs", QFile::encodeName(logs).constData(), "tmpfs", 0, "size=64k") == 0);
        QTemporaryDir elsewhere;
        int cancels = dialogsCancelled;
        answerer->handleDialogs([&](QWidget *dialog) {
            if (cancels-- > 0)
                static_cast<QDialog *>(dialog)->reject();
            else
                chooseFile(qobject_cast<QFileDialog *>(dialog), elsewhere.filePath("kept.txt"));
            return true;
        });
        MainWindow &w = openConnected();
        const QString name = startRun();
        const QString file = QDir(logs).filePath(name + ".txt");
        QVERIFY(waitForCommands("GET_TEMP\n", 3));
        if (diskFull) {
            QFile old(file); // a log of that name from before, never to be cut short
            QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
            old.close();
            QVERIFY(fill(logs));
        } else {
            QVERIFY(QDir(logs).removeRecursively());
        }

        // The controller's report of the stop may come before or after the
        // failure: answered by title, each box gets its own answer.
        answerer->answerBoxesTitled("STOP", QMessageBox::Yes);
        answerer->answerBoxesTitled("Error", saveElsewhere ? QMessageBox::Save : QMessageBox::Discard);
        QTest::mouseClick(child<QWidget>(w, "buttonStop"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(answerer->titles().contains(saveElsewhere ? "Cancelled" : "Error")
                                     && answerer->titles().count("Error") == (saveElsewhere ? 1 + dialogsCancelled : 2), 10000);
        const ModalAnswerer::Box failure = answerer->boxes.at(answerer->titles().indexOf("Error"));
        QVERIFY2(failure.text.contains(file) && failure.text.contains(reason), qPrintable(failure.text));
        if (diskFull) {
            QCOMPARE(readFile(file), QByteArray("old"));
            QCOMPARE(QDir(logs).entryList(QDir::Files | QDir::Hidden).size(), 2); // the filler and the old log
            QVERIFY(::umount2(QFile::encodeName(logs).constData(), MNT_DETACH) == 0);
        }

        if (saveElsewhere) {
            QVERIFY(boxShown("Cancelled", "Program cancelled! Saved to " + elsewhere.filePath("kept") + ".txt"));
            QCOMPARE(logStatus(elsewhere.filePath("kept.txt")), QString("Program cancelled by user"));
            QVERIFY(RunJournal().journals().isEmpty());
        } else {
            // Kept for the next start, which will offer to save it.
            const std::optional<RunJournal::Run> run = journalledRun();
            QVERIFY(run && !run->record.dataPoints.isEmpty());
            QCOMPARE(run->record.status, QString("Program cancelled by user"));
            QVERIFY(answerer->boxes.last().text.contains("offers to save it again at its next start"));
        }
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
        QVERIFY(waitForLine(station, "running"));
        if (killAfterMs >= 0) {
            QTest::qWait(killAfterMs);
        } else {
            QVERIFY(QDir(logs).removeRecursively());
            QVERIFY(waitForLine(station, "box Error"));
        }
        station.kill();
        QVERIFY(station.waitForFinished(5000)); // reaped: its locks are stale now

        // A complete log, to the last row.
        const QRegularExpression complete(
            "^Model: Vaporin Regulon 2\n(Firmware Version|Software Version|Serial Number|Program Name|Time Started|"
            "Time Finished|Cycle Number|Status): .*\n(.*: .*\n){7}Data Points\nTimeStamp \\[hh:mm:ss\\]\tChamber "
            "temp\\. \\[\u00c2\u00b0C\\]\n(\\d+:\\d\\d:\\d\\d\t[^\t\n]+\t\n)*$");
        for (const QString &name : QDir(logs).entryList({"*.txt"}))
            QVERIFY2(complete.match(QString::fromLatin1(readFile(QDir(logs).filePath(name)))).hasMatch(), qPrintable(name));
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
        const int told = answerer->titles().indexOf("Run Log Recovered");
        if (!run) { // the run had ended and its log was saved
            QCOMPARE(told, -1);
            QCOMPARE(logFiles().size(), 1);
            QCOMPARE(logStatus(QDir(logs).filePath(logFiles().first())), QString("Successfully completed"));
            return;
        }
        QVERIFY(told >= 0);
        QCOMPARE(journalsWhenTold, 1);
        QVERIFY(killAfterMs >= 0 || run->record.status == "Successfully completed");
        QCOMPARE(run->record.name, QString("Instruments 134"));
        QCOMPARE(readFile(answerer->boxes.at(told).text.section('\n', -1)), RunLog::content(run->record));
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
