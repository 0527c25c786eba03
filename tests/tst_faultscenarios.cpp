#include "app/startwindow.h"
#include "records/runjournal.h"
#include "tests/isolateduser.h"
#include "tests/runfixture.h"

#include <QComboBox>
#include <QLabel>
#include <QRegularExpression>
#include <QSerialPort>
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
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The run in progress as its journal holds it: every sample recorded.
std::optional<RunJournal::Run> journalledRun()
{
    const QStringList journals = RunJournal().journals();
    if (journals.size() != 1)
        return std::nullopt;
    return RunJournal::parse(readFile(journals.first()));
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

class TestFaultScenarios : public QObject, public RunFixture
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(setUp()); }
    void cleanup() { tearDown(); }

    void controllerUnpluggedDuringARunIsLoggedBeforeTheRestart()
    {
        MainWindow &w = openConnected();
        const QString name = startRun();
        QVERIFY(waitForCommands("GET_TEMP\n", 3));
        const QString file = QDir(logs).filePath(name + ".txt");
        QString statusAtRestart;
        QStringList journalsAtRestart{"<no restart>"};
        link->manager.setRestartHandler([&] {
            statusAtRestart = Log(file).field("Status");
            journalsAtRestart = RunJournal().journals();
        });
        sim->unplug();
        QTRY_VERIFY_WITH_TIMEOUT(!statusAtRestart.isEmpty(), 15000);
        QCOMPARE(statusAtRestart, QString("Connection lost"));
        QCOMPARE(journalsAtRestart, QStringList());
        QVERIFY(boxShown("Connecton Lost", "Connection lost! Program cancelled! Saved to " + name + ".txt"));
        QVERIFY2(Log(file).lines.size() > 12, "the run's samples are in its log");

        // Plugged in again, the controller is polled again; the ended run
        // is neither recorded nor saved once more.
        QVERIFY(sim->plugInAgain());
        QVERIFY(waitForCommands("GET_TEMP\n", 3));
        QCOMPARE(logFiles(), QStringList{name + ".txt"});
        QVERIFY(!recording());
        QVERIFY(child<QWidget>(w, "buttonStop")->isHidden());
    }

    void brokenAnswersShowAndRecordNothingWrong_data()
    {
        QTest::addColumn<QByteArray>("keyword"); // of the command whose answer is broken
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QByteArray>("bytes"); // the answer sent instead
        QTest::addColumn<int>("delayMs");
        // 77.7 °C never occurs in the chamber during these runs.
        QTest::newRow("garbage bytes") << QByteArray("GET_TEMP") << "replace"
                                       << QByteArray("\xff\x13\x9b" "DAT_TEMP 77.7,0,0,0\n") + QByteArray("\0\x7f", 2)
                                       << 0;
        QTest::newRow("three numbers") << QByteArray("GET_TEMP") << "replace" << QByteArray("DAT_TEMP 77.7,0,0\n")
                                       << 0;
        QTest::newRow("carriage return and line feed")
            << QByteArray("GET_TEMP") << "replace" << QByteArray("DAT_TEMP 77.7,0,0,0\r\n") << 0;
        QTest::newRow("two answers at once") << QByteArray("GET_TEMP") << "replace"
                                             << QByteArray("DAT_TEMP 77.7,0,0,0\nDAT_TEMP 77.7,0,0,0\n") << 0;
        QTest::newRow("partial answer, then silence") << QByteArray("GET_TEMP") << "replace"
                                                      << QByteArray("DAT_TEMP 77.") << 0;
        QTest::newRow("answer split byte by byte") << QByteArray("GET_TEMP") << "trickle" << QByteArray() << 10;
        QTest::newRow("answer split by a pause longer than the gap") << QByteArray("GET_TEMP") << "split"
                                                                     << QByteArray() << 150;
        QTest::newRow("answer later than its wait") << QByteArray("GET_TEMP") << "delay" << QByteArray() << 1500;
        QTest::newRow("late answer arriving during the next exchange") << QByteArray("GET_TEMP") << "delay"
                                                                       << QByteArray() << 550;
        QTest::newRow("late run status during the next exchange") << QByteArray("GET_STAT") << "delay"
                                                                   << QByteArray() << 1050;
        QTest::newRow("run status cut by a zero byte") << QByteArray("GET_STAT") << "replace"
                                                       << QByteArray("DAT_STAT 1,6\x00" "0\n", 15) << 0;
        QTest::newRow("digital status with two words") << QByteArray("GET_DIGI") << "replace"
                                                       << QByteArray("DAT_DIGI FFFFFFFF,FFFFFFFF\n") << 0;
    }
    void brokenAnswersShowAndRecordNothingWrong()
    {
        QFETCH(QByteArray, keyword);
        QFETCH(QString, fault);
        QFETCH(QByteArray, bytes);
        QFETCH(int, delayMs);
        MainWindow &w = openConnected();
        QStringList shown;
        connect(&link->manager, &CM::getTempData, &w,
                [&] { shown << child<QLabel>(w, "labelTemperature")->text(); });
        const QString name = startRun();
        if (fault == "replace")
            sim->answerNextWith(bytes, keyword);
        else if (fault == "trickle")
            sim->trickleNextAnswer(delayMs, keyword);
        else if (fault == "split")
            sim->splitNextAnswer(delayMs, keyword);
        else
            sim->delayNextAnswer(delayMs, keyword);
        QVERIFY(waitForCommands(keyword + '\n', 1));
        QVERIFY(recording()); // the run goes on

        const QRegularExpression roomTemperature("^2[0-5] °C$");
        for (const QString &label : shown)
            QVERIFY2(roomTemperature.match(label).hasMatch(), qPrintable(label));
        const std::optional<RunJournal::Run> run = journalledRun();
        QVERIFY(run);
        for (const QString &value : run->record.dataPoints)
            QVERIFY2(value.toDouble() >= 20.0 && value.toDouble() < 26.0, qPrintable(value));
        QCOMPARE(answerer->titles(), QStringList{"START"}); // no box but the start question
        QCOMPARE(link->restarts, 0);

        window.reset(); // saves the run
        const QByteArray log = readFile(QDir(logs).filePath(name + ".txt"));
        QVERIFY(log.contains("Status: Program cancelled by user\n"));
        QVERIFY(!log.contains("77.7"));
    }

    void portThatCannotBeOpenedIsReportedAndNothingBreaks_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("held by another program") << "held";
        QTest::newRow("not a device") << "file";
        QTest::newRow("missing") << "missing";
    }
    void portThatCannotBeOpenedIsReportedAndNothingBreaks()
    {
        QFETCH(QString, kind);
        QVERIFY(link->plugIn("other", "RG200001"));
        QString port = link->port(kind == "held" ? "regulon" : kind);
        QSerialPort holder(port);
        if (kind == "held")
            QVERIFY(holder.open(QIODevice::ReadWrite));
        if (kind == "file")
            QVERIFY(QFile(port).open(QIODevice::WriteOnly));
        link->listPorts({kind == "held" ? "regulon" : kind, "other"});

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
        QCOMPARE(answerer->boxes.last().icon, QMessageBox::Critical);
        auto *refresh = child<QWidget>(*window, "buttonRefleshPrograms");
        QTRY_VERIFY_WITH_TIMEOUT(refresh->isEnabled() && refresh->isVisible(), 5000);
        QVERIFY(!child<QWidget>(*window, "buttonStart")->isEnabled());
        if (kind != "held")
            return;

        // Once the other program lets go, the refresh reads the programs.
        holder.close();
        QTest::mouseClick(refresh, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(child<QWidget>(*window, "buttonStart")->isEnabled(), 10000);
        QCOMPARE(child<QComboBox>(*window, "comboBoxPrograms")->count(), 6);
    }

    void logThatCannotBeWrittenIsSavedWhereTheUserChooses_data()
    {
        QTest::addColumn<bool>("diskFull"); // otherwise the log folder disappears
        QTest::addColumn<bool>("saveElsewhere");
        QTest::addColumn<QString>("reason");
        QTest::newRow("disk full, saved elsewhere") << true << true << "No space left on device";
        QTest::newRow("disk full, given up") << true << false << "No space left on device";
        QTest::newRow("log folder gone, saved elsewhere") << false << true << "does not exist";
    }
    void logThatCannotBeWrittenIsSavedWhereTheUserChooses()
    {
        QFETCH(bool, diskFull);
        QFETCH(bool, saveElsewhere);
        QFETCH(QString, reason);
        if (diskFull && !privateMounts)
            QSKIP("this process cannot mount a small file system to fill");
        if (diskFull)
            QVERIFY(::mount("tmpfs", QFile::encodeName(logs).constData(), "tmpfs", 0, "size=64k") == 0);
        QTemporaryDir elsewhere;
        answerer->handleDialogs([&](QWidget *dialog) {
            chooseFile(qobject_cast<QFileDialog *>(dialog), elsewhere.filePath("kept.txt"));
            return true;
        });
        MainWindow &w = openConnected();
        const QString name = startRun();
        QVERIFY(waitForCommands("GET_TEMP\n", 3));
        if (diskFull)
            QVERIFY(fill(logs));
        else
            QVERIFY(QDir(logs).removeRecursively());

        // The controller's report of the stop may come before or after the
        // failure: answered by title, each box gets its own answer.
        answerer->answerBoxesTitled("STOP", QMessageBox::Yes);
        answerer->answerBoxesTitled("Error", saveElsewhere ? QMessageBox::Save : QMessageBox::Discard);
        QTest::mouseClick(child<QWidget>(w, "buttonStop"), Qt::LeftButton);
        QTRY_VERIFY2_WITH_TIMEOUT(answerer->titles().contains(saveElsewhere ? "Cancelled" : "Error")
                                      && answerer->titles().count("Error") == (saveElsewhere ? 1 : 2),
                                  qPrintable(answerer->titles().join(", ") + " | " + answerer->boxes.last().text), 10000);
        const ModalAnswerer::Box failure = answerer->boxes.at(answerer->titles().indexOf("Error"));
        QVERIFY2(failure.text.contains(name + ".txt") && failure.text.contains(reason), qPrintable(failure.text));
        if (diskFull) {
            QCOMPARE(QDir(logs).entryList(QDir::Files | QDir::Hidden), QStringList{"filler"}); // no partial log
            QVERIFY(::umount2(QFile::encodeName(logs).constData(), MNT_DETACH) == 0);
        }

        if (saveElsewhere) {
            QVERIFY(boxShown("Cancelled", "Program cancelled! Saved to " + elsewhere.filePath("kept") + ".txt"));
            QCOMPARE(Log(elsewhere.filePath("kept.txt")).field("Status"), QString("Program cancelled by user"));
            QVERIFY(RunJournal().journals().isEmpty());
        } else {
            // Kept for the next start, which will offer to save it.
            const std::optional<RunJournal::Run> run = journalledRun();
            QVERIFY(run);
            QCOMPARE(run->record.status, QString("Program cancelled by user"));
            QVERIFY(!run->record.dataPoints.isEmpty());
            QVERIFY(answerer->boxes.last().text.contains("offers to save it again at its next start"));
        }
    }
};

int main(int argc, char *argv[])
{
    // A mount namespace of this process's own, so that a file system it
    // mounts is gone with it. Only a single-threaded process may enter one.
    privateMounts = ::unshare(CLONE_NEWNS) == 0 && ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    STATION_GUI_TEST_RUN(TestFaultScenarios);
}

#include "tst_faultscenarios.moc"
