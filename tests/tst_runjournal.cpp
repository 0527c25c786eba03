#include "app/station.h"
#include "app/stationsettings.h"
#include "records/runjournal.h"
#include "records/runlog.h"
#include "records/runrecordformat.h"
#include "tests/isolateduser.h"
#include "tests/runfixture.h"
#include "ui/runrecovery.h"

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QPointer>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QtTest>

#include <cstdio>

using Program = CommunicationManager::Program;

namespace {

const QString started = QStringLiteral("2024-03-05T14:07:09.042Z");

// A journal line as the station writes it, made here on the test's side.
QByteArray line(const QStringList &fields)
{
    const QByteArray content = fields.join('\t').toUtf8();
    return QByteArray::number(RunJournal::crc32(content), 16).rightJustified(8, '0') + ' ' + content + '\n';
}

QByteArray header(const QString &base = QStringLiteral("/logs/run"))
{
    return line({"vaporin-run-journal", "1"}) + line({"base", base}) + line({"name", "Program 1"})
        + line({"started", started});
}

QByteArray point(const QString &key, const QString &value)
{
    return line({"point", key, value});
}

QByteArray readFile(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The samples of a journal's complete lines, read as plainly as possible.
QMap<QString, QString> samplesIn(const QByteArray &journal)
{
    QMap<QString, QString> samples;
    QList<QByteArray> lines = journal.split('\n');
    lines.removeLast();
    for (const QByteArray &l : lines) {
        const QList<QByteArray> fields = l.mid(9).split('\t');
        if (fields.size() == 3 && fields.first() == "point")
            samples.insert(QString::fromUtf8(fields.at(1)), QString::fromUtf8(fields.at(2)));
    }
    return samples;
}

// A run's record as a station journals it up to a crash: its start, the
// controller's identity and `samples` samples, one a second.
QString leaveJournal(const QString &folder, const QString &basePath, int samples)
{
    RunJournal journal(folder);
    Program record;
    record.name = "Program 1";
    record.timeStarted = started;
    record.firmwareVersion = "2.4.1";
    record.softwareVersion = "3.0.1";
    if (!journal.begin(record, basePath))
        qFatal("cannot journal in %s", qPrintable(folder));
    record.serialNumber = "RG100042";
    record.cycleNumber = "42";
    journal.recordFields(record);
    for (int s = 0; s < samples; ++s)
        journal.recordSample(RunRecordFormat::elapsedKey(s), QString::number(20 + s));
    journal.close();
    return journal.journals().last();
}

// Whether the bytes are a complete run log, to the last row.
bool isCompleteLog(const QByteArray &bytes)
{
    static const QRegularExpression layout(
        "^Model: Vaporin Regulon 2\nFirmware Version: .*\nSoftware Version: .*\nSerial Number: .*\n"
        "Program Name: .*\nTime Started: .*\nTime Finished: .*\nCycle Number: .*\nStatus: .+\nData Points\n"
        "TimeStamp \\[hh:mm:ss\\]\tChamber temp\\. \\[\u00c2\u00b0C\\]\n(\\d+:\\d\\d:\\d\\d\t[^\t\n]+\t\n)*$");
    return layout.match(QString::fromLatin1(bytes)).hasMatch();
}

void say(const char *text)
{
    std::printf("%s\n", text);
    std::fflush(stdout);
}

// The station that the crash test kills: the real main window on a
// simulated controller, running a quick program. It says on its output
// when the run has started ("running") and each message box it shows
// ("box <title>"), which it leaves open.
int stationToBeKilled()
{
    SimulatedLink link;
    RegulonSim *sim = link.plugIn("regulon", "RG100042");
    if (!sim || !useQuickProgram(*sim))
        return 2;
    sim->setSpeed(30); // the run takes 3 s
    link.manager.changePort(link.port("regulon"));
    MainWindow window(&link.manager);
    window.show();
    auto *start = child<QAbstractButton>(window, "buttonStart");
    bool startClicked = false;
    bool running = false;
    QPointer<QMessageBox> reported;
    QTimer user;
    QObject::connect(&user, &QTimer::timeout, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            if (box->windowTitle() == "START") {
                box->button(QMessageBox::Yes)->click();
            } else if (box != reported) {
                reported = box;
                say(qPrintable("box " + box->windowTitle()));
            }
        } else if (!startClicked && start->isEnabled()) {
            startClicked = true;
            QTimer::singleShot(0, start, &QAbstractButton::click);
        } else if (!running && !child<QWidget>(window, "buttonStop")->isHidden()) {
            running = true;
            say("running");
        }
    });
    user.start(5);
    QTimer::singleShot(60000, qApp, &QCoreApplication::quit); // should its killer be gone
    return QApplication::exec();
}

// Reads the process's output up to the line `wanted`.
bool waitForLine(QProcess &process, const QByteArray &wanted, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < timeoutMs) {
        while (process.canReadLine())
            if (process.readLine().trimmed() == wanted)
                return true;
        process.waitForReadyRead(50);
    }
    return false;
}

} // namespace

class TestRunJournal : public QObject
{
    Q_OBJECT

private slots:
    void init() { QDir(RunJournal::defaultFolder()).removeRecursively(); }

    void crcIsTheStandardCrc32()
    {
        QCOMPARE(RunJournal::crc32("123456789"), 0xCBF43926u);
        QCOMPARE(RunJournal::crc32(""), 0u);
    }

    void journalIsReadBackIntoItsRun_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("finished");
        QTest::addColumn<QStringList>("points"); // key=value

        const QByteArray samples = point("00:00:00", "20") + point("00:00:01", "20.5") + point("00:00:03", "21");
        const QStringList three{"00:00:00=20", "00:00:01=20.5", "00:00:03=21"};
        QTest::newRow("run that ended")
            << header() + samples + line({"finished", "2024-03-05T14:09:00.000Z"})
                   + line({"status", "Successfully completed"})
            << "Successfully completed" << "2024-03-05T14:09:00.000Z" << three;
        QTest::newRow("run interrupted: finished at its last sample")
            << header() + samples << RunJournal::stoppedStatus << "2024-03-05T14:07:12.042Z" << three;
        QTest::newRow("run interrupted after 100 hours")
            << header() + point("99:59:59", "121") + point("100:00:01", "122") << RunJournal::stoppedStatus
            << "2024-03-09T18:07:10.042Z" << QStringList{"100:00:01=122", "99:59:59=121"};
        QTest::newRow("run interrupted before its first sample")
            << header() << RunJournal::stoppedStatus << started << QStringList();
        QTest::newRow("later sample of the same second replaces the earlier")
            << header() + point("00:00:01", "20") + point("00:00:01", "20.25") << RunJournal::stoppedStatus
            << "2024-03-05T14:07:10.042Z" << QStringList{"00:00:01=20.25"};
        QTest::newRow("torn last line is left out")
            << header() + point("00:00:01", "20") + point("00:00:02", "21").chopped(1) << RunJournal::stoppedStatus
            << "2024-03-05T14:07:10.042Z" << QStringList{"00:00:01=20"};
        QByteArray damaged = point("00:00:02", "21");
        damaged[12] = '9';
        QTest::newRow("damaged line is left out, the lines after it count")
            << header() + point("00:00:01", "20") + damaged + point("00:00:03", "22") << RunJournal::stoppedStatus
            << "2024-03-05T14:07:12.042Z" << QStringList{"00:00:01=20", "00:00:03=22"};
    }
    void journalIsReadBackIntoItsRun()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, points);
        const std::optional<RunJournal::Run> run = RunJournal::parse(content);
        QVERIFY(run);
        QCOMPARE(run->basePath, QString("/logs/run"));
        QCOMPARE(run->record.name, QString("Program 1"));
        QCOMPARE(run->record.timeStarted, started);
        QTEST(run->record.status, "status");
        QTEST(run->record.timeFinished, "finished");
        QStringList read;
        for (auto it = run->record.dataPoints.cbegin(); it != run->record.dataPoints.cend(); ++it)
            read << it.key() + "=" + it.value();
        QCOMPARE(read, points);
    }

    void otherContentIsNoJournal_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("a run log") << QByteArray("Model: Vaporin Regulon 2\nFirmware Version: 1\n");
        QTest::newRow("first line damaged") << "0" + header().mid(1);
        QTest::newRow("no base path") << line({"vaporin-run-journal", "1"}) + point("00:00:01", "20");
        QTest::newRow("another version") << line({"vaporin-run-journal", "2"}) + line({"base", "/logs/run"});
    }
    void otherContentIsNoJournal()
    {
        QFETCH(QByteArray, content);
        QVERIFY(!RunJournal::parse(content));
    }

    // What the station journals is read back exactly, however the journal
    // was cut off: every line written in full, no line cut short.
    void journalCutAnywhereGivesEveryLineWrittenInFull()
    {
        QTemporaryDir dir;
        RunJournal journal(dir.path());
        Program record;
        record.name = "Tab\there, line\nfeed and back\\slash";
        record.timeStarted = started;
        QVERIFY(journal.begin(record, dir.filePath("logs/run")));
        const QString fileName = journal.journals().first();
        const int headerSize = int(readFile(fileName).size());
        QList<int> ends; // file size after each sample
        for (int s = 0; s < 12; ++s) {
            const QString key = RunRecordFormat::elapsedKey(s / 2);
            const QString value = RunRecordFormat::temperatureText(20 + s * 0.25);
            journal.recordSample(key, value);
            ends << int(readFile(fileName).size()); // on disk at once
        }
        record.serialNumber = "RG100042";
        journal.recordFields(record);
        const QByteArray content = readFile(fileName);
        QCOMPARE(RunJournal::parse(content)->record.serialNumber, QString("RG100042"));

        // The header appears at once, complete.
        for (int cut = headerSize; cut <= ends.last(); ++cut) {
            const std::optional<RunJournal::Run> run = RunJournal::parse(content.left(cut));
            QVERIFY(run);
            QCOMPARE(run->record.name, record.name);
            QMap<QString, QString> expected;
            for (int s = 0; s < ends.size() && ends.at(s) <= cut; ++s)
                expected.insert(RunRecordFormat::elapsedKey(s / 2), RunRecordFormat::temperatureText(20 + s * 0.25));
            QCOMPARE(run->record.dataPoints, expected);
        }
    }

    void journalIsRemovedOrKeptAndHeldWhileItsStationRuns()
    {
        QTemporaryDir dir;
        RunJournal running(dir.path());
        QVERIFY(running.begin(Program(), dir.filePath("run")));
        const QString fileName = running.journals().first();
        RunJournal other(dir.path());
        QByteArray content;
        QVERIFY(!other.adopt(fileName, &content));

        running.close(); // kept, as after a crash
        QVERIFY(QFile::exists(fileName));
        QVERIFY(other.adopt(fileName, &content));
        QCOMPARE(RunJournal::parse(content)->basePath, dir.filePath("run"));
        QVERIFY(!running.adopt(fileName, &content));
        other.remove();
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    void recoveredLogGoesWhereItCanBeWritten_data()
    {
        QTest::addColumn<bool>("recordedFolder"); // the folder the run was to be logged in still exists
        QTest::addColumn<bool>("logFolder");      // the station's current log folder exists
        QTest::addColumn<bool>("choose");         // the user chooses a file when neither can be written
        QTest::addColumn<QString>("savedIn");     // empty: not saved
        QTest::newRow("folder the run was to be logged in") << true << true << false << "recorded";
        QTest::newRow("that folder gone: the current log folder") << false << true << false << "current";
        QTest::newRow("both gone: where the user chooses") << false << false << true << "chosen";
        QTest::newRow("both gone, the user gives up: journal kept") << false << false << false << "";
    }
    void recoveredLogGoesWhereItCanBeWritten()
    {
        QFETCH(bool, recordedFolder);
        QFETCH(bool, logFolder);
        QFETCH(bool, choose);
        QFETCH(QString, savedIn);
        QTemporaryDir dir;
        const QString journals = dir.filePath("journals");
        for (const auto &[name, exists] : {std::pair{"recorded", recordedFolder}, {"current", logFolder}, {"chosen", true}})
            QVERIFY(!exists || QDir(dir.path()).mkpath(name));
        const QString journal = leaveJournal(journals, dir.filePath("recorded/Program_1_2024"), 5);
        const std::optional<RunJournal::Run> run = RunJournal::parse(readFile(journal));
        QVERIFY(run);

        ModalAnswerer answerer;
        answerer.answerBoxes({choose ? QMessageBox::Save : QMessageBox::Discard});
        answerer.handleDialogs([&](QWidget *dialog) {
            chooseFile(qobject_cast<QFileDialog *>(dialog), dir.filePath("chosen/kept.txt"));
            return true;
        });
        RunRecovery::recoverAll(nullptr, journals, dir.filePath("current"));

        if (savedIn.isEmpty()) {
            QCOMPARE(answerer.boxes.last().text, QString("The run log of the interrupted run was NOT saved.\n"
                                                         "The station keeps its record and offers it again at "
                                                         "its next start."));
            QCOMPARE(RunJournal(journals).journals(), QStringList{journal});
            return;
        }
        const QString fileName = dir.filePath(savedIn + (choose ? "/kept.txt" : "/Program_1_2024.txt"));
        QCOMPARE(answerer.boxes.last().title, QString("Run Log Recovered"));
        QCOMPARE(answerer.boxes.last().text, "The station stopped before the log of a run was saved.\n"
                                             "The run log has now been saved to\n" + fileName);
        QCOMPARE(readFile(fileName), RunLog::content(run->record));
        QCOMPARE(Log(fileName).field("Status"), QString("Station stopped during the run"));
        QCOMPARE(Log(fileName).field("Serial Number"), QString("RG100042"));
        QVERIFY(RunJournal(journals).journals().isEmpty());
    }

    void recoveryTakesEveryJournalThatNoRunningStationHolds()
    {
        QTemporaryDir dir;
        const QString journals = dir.filePath("journals");
        leaveJournal(journals, dir.filePath("first"), 2);
        leaveJournal(journals, dir.filePath("second"), 3);
        RunJournal running(journals);
        QVERIFY(running.begin(Program(), dir.filePath("running")));

        ModalAnswerer answerer;
        RunRecovery::recoverAll(nullptr, journals, dir.path());
        QCOMPARE(answerer.titles(), (QStringList{"Run Log Recovered", "Run Log Recovered"}));
        QCOMPARE(QDir(dir.path()).entryList({"*.txt"}), (QStringList{"first.txt", "second.txt"}));
        QCOMPARE(RunJournal(journals).journals().size(), 1);
        running.recordSample("00:00:00", "20"); // still its station's
        QVERIFY(running.isOpen());
    }

    // A station killed at any moment of a run, also while it saves the
    // run's log, leaves no half-written file, and its next start turns the
    // journal into a log holding every sample that was journalled.
    void killedStationLeavesEveryJournalledSampleToItsNextStart_data()
    {
        QTest::addColumn<int>("killAfterMs"); // after the run started; -1: during the final save
        for (int round = 0; round < 4; ++round) {
            const int ms = QRandomGenerator::global()->bounded(3300);
            QTest::addRow("killed %d ms into the run", ms) << ms;
        }
        QTest::newRow("killed while the final save asks for another place") << -1;
    }
    void killedStationLeavesEveryJournalledSampleToItsNextStart()
    {
        QFETCH(int, killAfterMs);
        QTemporaryDir dir;
        const QString logs = dir.filePath("logs");
        QVERIFY(QDir().mkpath(logs));
        {
            StationSettings settings;
            settings.clear();
            settings.setLogFolder(logs);
        }

        QProcess station;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("RUN_JOURNAL_STATION", "1");
        environment.insert("TMPDIR", dir.path()); // what the killed station leaves goes with it
        station.setProcessEnvironment(environment);
        station.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        station.start(QCoreApplication::applicationFilePath(), QStringList());
        QVERIFY(waitForLine(station, "running", 20000));
        if (killAfterMs >= 0) {
            QTest::qWait(killAfterMs);
        } else {
            QVERIFY(QDir(logs).removeRecursively());
            QVERIFY(waitForLine(station, "box Error", 10000));
        }
        station.kill();
        QVERIFY(station.waitForFinished(5000)); // reaped: its locks are stale now

        const QStringList left = RunJournal().journals();
        QVERIFY(left.size() <= 1);
        const QByteArray journal = left.isEmpty() ? QByteArray() : readFile(left.first());
        const std::optional<RunJournal::Run> run = RunJournal::parse(journal);
        QCOMPARE(bool(run), !left.isEmpty());
        for (const QString &name : QDir(logs).entryList({"*.txt"}))
            QVERIFY2(isCompleteLog(readFile(QDir(logs).filePath(name))), qPrintable(name));

        // The next start.
        SimulatedLink link;
        ModalAnswerer answerer;
        answerer.handleDialogs([](QWidget *dialog) {
            dialog->findChild<QAbstractButton *>("buttonExit")->click();
            return true;
        });
        QCOMPARE(Station::run(&link.manager), 0);
        QVERIFY(RunJournal().journals().isEmpty());

        const int recoveredBox = answerer.titles().indexOf("Run Log Recovered");
        if (!run) { // the run had ended and its log was saved
            QCOMPARE(recoveredBox, -1);
            const QStringList saved = QDir(logs).entryList({"*.txt"});
            QCOMPARE(saved.size(), 1);
            QCOMPARE(Log(QDir(logs).filePath(saved.first())).field("Status"), QString("Successfully completed"));
            return;
        }
        QVERIFY(recoveredBox >= 0);
        const QString fileName = answerer.boxes.at(recoveredBox).text.section('\n', -1);
        const QByteArray recovered = readFile(fileName);
        QVERIFY2(isCompleteLog(recovered), recovered.constData());
        if (killAfterMs < 0)
            QCOMPARE(run->record.status, QString("Successfully completed"));
        else
            QVERIFY(run->record.status == RunJournal::stoppedStatus || run->record.status == "Successfully completed");
        const Log log(fileName);
        QCOMPARE(log.field("Status"), run->record.status);
        QCOMPARE(log.field("Program Name"), QString("Quick 25"));
        QCOMPARE(log.field("Time Started"), run->record.timeStarted);
        // Every second sample makes a row, as in every log.
        const QMap<QString, QString> samples = samplesIn(journal);
        QStringList rows;
        for (auto it = samples.cbegin(); it != samples.cend(); ++it)
            if (std::distance(samples.cbegin(), it) % 2 == 0)
                rows << it.key() + "\t" + it.value() + "\t";
        QCOMPARE(log.lines.mid(11), rows + QStringList{""});
    }
};

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsSet("RUN_JOURNAL_STATION")) {
        QApplication app(argc, argv);
        return stationToBeKilled();
    }
    STATION_GUI_TEST_RUN(TestRunJournal);
}

#include "tst_runjournal.moc"
