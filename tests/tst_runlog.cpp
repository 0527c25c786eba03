#include "records/logname.h"
#include "records/runjournal.h"
#include "records/runlog.h"
#include "records/runrecordformat.h"
#include "register/cycleregister.h"
#include "register/sha256.h"
#include "tests/longestcall.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCodec>
#include <QThread>

#include <sys/stat.h>

#include <map>
#include <mutex>

using Program = CommunicationManager::Program;

namespace {

const QString started = QStringLiteral("2024-03-05T14:07:09.042Z");

Program record(const QMap<QString, QString> &points = {}, const QString &name = QStringLiteral("Program 1"))
{
    Program r;
    r.name = name;
    r.firmwareVersion = "2.1";
    r.softwareVersion = "3.0.1";
    r.serialNumber = "RG-00042";
    r.timeStarted = started;
    r.timeFinished = "2024-03-05T15:07:10.001Z";
    r.cycleNumber = "17";
    r.status = "Successfully completed";
    r.dataPoints = points;
    return r;
}

QByteArray header(const QByteArray &nameBytes = "Program 1")
{
    return "Model: Vaporin Regulon 2\nFirmware Version: 2.1\nSoftware Version: 3.0.1\n"
           "Serial Number: RG-00042\nProgram Name: " + nameBytes + "\n"
           "Time Started: 2024-03-05T14:07:09.042Z\nTime Finished: 2024-03-05T15:07:10.001Z\n"
           "Cycle Number: 17\nStatus: Successfully completed\nData Points\n"
           "TimeStamp [hh:mm:ss]\tChamber temp. [\xC2\xB0" "C]\n";
}

// A journal line as the station writes it, made here on the test's side.
QByteArray line(const QStringList &fields)
{
    const QByteArray content = fields.join('\t').toUtf8();
    return QByteArray::number(RunJournal::crc32(content), 16).rightJustified(8, '0') + ' ' + content + '\n';
}

QByteArray point(const QString &key, const QString &value)
{
    return line({"point", key, value});
}

// A disk whose syncs take 200 ms. It remembers how much of each file (by
// inode) the syncs that have finished cover, and how many folder syncs
// have finished.
class SlowDisk
{
public:
    JournalSyncer::SyncFunction sync()
    {
        return [this](int handle) {
            struct stat before {};
            ::fstat(handle, &before);
            QThread::msleep(200);
            const std::lock_guard<std::mutex> hold(mutex);
            if (S_ISDIR(before.st_mode))
                ++folders;
            else
                covered[before.st_ino] = qMax(covered[before.st_ino], qint64(before.st_size));
        };
    }
    qint64 synced(ino_t file)
    {
        const std::lock_guard<std::mutex> hold(mutex);
        return covered[file];
    }
    int foldersSynced()
    {
        const std::lock_guard<std::mutex> hold(mutex);
        return folders;
    }

private:
    std::mutex mutex;
    std::map<ino_t, qint64> covered;
    int folders = 0;
};

ino_t inode(const QString &fileName)
{
    struct stat status {};
    return ::stat(QFile::encodeName(fileName).constData(), &status) == 0 ? status.st_ino : 0;
}

} // namespace

class TestRunLog : public QObject
{
    Q_OBJECT

private slots:
    void producesExactBytes_data()
    {
        QTest::addColumn<QByteArray>("systemCodec");
        QTest::addColumn<Program>("run");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("samples at 0..4 s: every second one") << QByteArray("UTF-8")
            << record({{"00:00:00", "25"}, {"00:00:01", "25.5"}, {"00:00:02", "26"}, {"00:00:03", "26.5"}, {"00:00:04", "121.5"}})
            << header() + "00:00:00\t25\t\n00:00:02\t26\t\n00:00:04\t121.5\t\n";
        QTest::newRow("no samples: eleven lines") << QByteArray("UTF-8") << record() << header();
        QTest::newRow("beyond 99 hours in time order") << QByteArray("UTF-8")
            << record({{"09:00:00", "a"}, {"11:00:00", "b"}, {"99:59:59", "c"}, {"100:00:00", "d"}, {"101:00:00", "e"}})
            << header() + "09:00:00\ta\t\n99:59:59\tc\t\n101:00:00\te\t\n";
        // Fields follow the system encoding; the column titles' degree sign never does.
        QTest::newRow("Latin-1 system") << QByteArray("ISO-8859-1") << record({}, QStringLiteral("Prüfung 121°"))
                                        << header("Pr\xFC" "fung 121\xB0");
    }
    void producesExactBytes()
    {
        QFETCH(QByteArray, systemCodec);
        QFETCH(Program, run);
        QTextCodec::setCodecForLocale(QTextCodec::codecForName(systemCodec));
        const QByteArray bytes = RunLog::content(run);
        QTextCodec::setCodecForLocale(nullptr);
        QTEST(bytes, "expected");
    }

    void savingUnderATakenNameKeepsTheEarlierLog()
    {
        QTemporaryDir dir;
        const QString base = dir.filePath("run");
        const auto bytes = [](const QString &name, const QByteArray &write = {}) {
            QFile file(name);
            if (!write.isEmpty())
                return file.open(QIODevice::WriteOnly) && file.write(write) == write.size() ? write : QByteArray();
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        QVERIFY(!bytes(base + ".txt", "first").isEmpty() && !bytes(base + "_2.txt", "second").isEmpty());
        const RunLog::WriteResult result = RunLog::saveRunLog(record(), base);
        QVERIFY2(result.written, qPrintable(result.errorString));
        QCOMPARE(result.fileName, base + "_3.txt");
        QCOMPARE(bytes(base + ".txt"), QByteArray("first"));
        QCOMPARE(bytes(base + "_2.txt"), QByteArray("second"));
        QCOMPARE(bytes(base + "_3.txt"), header());
        QCOMPARE(result.sha256, Sha256::hex(header()));
    }

    // A program's name from the controller chooses the log's name, never
    // its folder; names that were safe keep their bytes.
    void logNameStaysInsideTheLogFolder_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("name"); // without the time
        QTest::newRow("ordinary") << "Program 1" << "Program_1";
        QTest::newRow("blanks and umlauts") << "Prüfung  Instrumente 134" << "Prüfung__Instrumente_134";
        QTest::newRow("dots inside") << "Instr. 1..2" << "Instr._1..2";
        QTest::newRow("upwards") << "../../../escaped" << "_________escaped";
        QTest::newRow("absolute") << "/abs" << "_abs";
        QTest::newRow("hidden") << ".hidden" << "_hidden";
        QTest::newRow("slash") << "a/b" << "a_b";
        QTest::newRow("backslash") << "a\\b" << "a_b";
        QTest::newRow("a part of dots") << "a/./..b" << "a_____b";
        QTest::newRow("control characters") << "a\tb\x1b\x7f" << "a_b__";
        QTest::newRow("NUL") << QString::fromLatin1("a\0b", 3) << "a_b";
    }
    void logNameStaysInsideTheLogFolder()
    {
        QFETCH(QString, program);
        QFETCH(QString, name);
        const QString suggested = LogName::suggested(program, QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9)));
        QCOMPARE(suggested, name + "_2024_03_05__14_07_09");
        QCOMPARE(LogName::safe(suggested), suggested);
        QTemporaryDir dir;
        const QString folder = dir.filePath("a/b/logs");
        QVERIFY(QDir().mkpath(folder));
        const RunLog::WriteResult result = RunLog::saveRunLog(record(), folder + '/' + suggested);
        QVERIFY2(result.written, qPrintable(result.errorString));
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{suggested + ".txt"});
        QCOMPARE(QFileInfo(result.fileName).absolutePath(), folder);
    }

    // A symbolic link planted at a record's name, pointing nowhere or at a
    // file elsewhere, is refused with a message that says so; nothing is
    // written through it and the link stays as it was.
    void linkAtARecordsNameIsRefused_data()
    {
        QTest::addColumn<QString>("record");
        QTest::addColumn<bool>("targetExists");
        QTest::newRow("next log's name, link to nowhere") << "log" << false;
        QTest::newRow("log replaced, link to a file") << "replaced log" << true;
        QTest::newRow("journal taken over, link to a file") << "journal" << true;
    }
    void linkAtARecordsNameIsRefused()
    {
        QFETCH(QString, record);
        QFETCH(bool, targetExists);
        QTemporaryDir dir;
        const QString target = dir.filePath("elsewhere/target");
        QVERIFY(QDir().mkpath(dir.filePath("elsewhere")) && QDir().mkpath(dir.filePath("logs")));
        if (targetExists) {
            QFile file(target);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("theirs") == 6);
        }
        QString name = dir.filePath("logs/run");
        bool written = false;
        QString error;
        if (record == "journal") {
            RunJournal journal(dir.filePath("logs"));
            QVERIFY(journal.begin(::record(), name, {}));
            name = journal.fileName();
            journal.close();
            QVERIFY(QFile::remove(name) && QFile::link(target, name));
            QByteArray content;
            written = RunJournal(dir.filePath("logs")).adopt(name, &content);
            if (written) {
                RunJournal adopted(dir.filePath("logs"));
                adopted.adopt(name, &content);
                adopted.recordDiscarded();
            }
        } else {
            QVERIFY(QFile::link(target, name + ".txt"));
            const RunLog::WriteResult result = record == "log" ? RunLog::saveRunLog(::record(), name)
                                                               : RunLog::writeRunLog(::record(), name + ".txt");
            written = result.written;
            error = result.errorString;
            QCOMPARE(result.fileName, name + ".txt");
            QVERIFY2(error.contains("is a symbolic link"), qPrintable(error));
        }
        QVERIFY(!written);
        QFile file(target);
        QCOMPARE(file.exists(), targetExists);
        QVERIFY(!targetExists || (file.open(QIODevice::ReadOnly) && file.readAll() == "theirs"));
        QCOMPARE(QFileInfo(record == "journal" ? name : name + ".txt").symLinkTarget(), target);
        QCOMPARE(QDir(dir.filePath("logs")).entryList({"*.new"}, QDir::Files | QDir::Hidden), QStringList());
    }

    // Whatever the umask, the register and the journals are their owner's
    // alone, folders made for them included; run logs are made as any file
    // of the clinic's shared log folder.
    void recordsArePrivateToTheirOwner_data()
    {
        QTest::addColumn<QString>("made");
        QTest::addColumn<QString>("checked");
        QTest::addColumn<int>("mode");
        QTest::newRow("register folder") << "register" << "data" << 0700;
        QTest::newRow("register") << "register" << "data/station/register.sqlite" << 0600;
        QTest::newRow("register's write-ahead log") << "register" << "data/station/register.sqlite-wal" << 0600;
        QTest::newRow("journal folder") << "journal" << "data/journals" << 0700;
        QTest::newRow("journal") << "journal" << "data/journals/*.journal" << 0600;
        QTest::newRow("run log") << "log" << "run.txt" << 0666;
    }
    void recordsArePrivateToTheirOwner()
    {
        QFETCH(QString, made);
        QFETCH(QString, checked);
        QFETCH(int, mode);
        QTemporaryDir dir;
        const mode_t before = ::umask(0);
        CycleRegister cycleRegister("private");
        RunJournal journal(dir.filePath("data/journals"));
        bool ok = false;
        if (made == "register")
            ok = cycleRegister.open(dir.filePath("data/station/register.sqlite"));
        else if (made == "journal")
            ok = journal.begin(record(), dir.filePath("run"), {});
        else
            ok = RunLog::saveRunLog(record(), dir.filePath("run")).written;
        ::umask(before);
        QVERIFY(ok);
        QString path = dir.filePath(checked);
        if (path.contains('*')) {
            const QFileInfo pattern(path);
            path = QDir(pattern.path()).entryInfoList({pattern.fileName()}).value(0).filePath();
        }
        struct stat status {};
        QVERIFY2(::stat(QFile::encodeName(path).constData(), &status) == 0, qPrintable(path));
        QCOMPARE(int(status.st_mode & 0777), mode);
    }

    void crcIsTheStandardCrc32() { QCOMPARE(RunJournal::crc32("123456789"), 0xCBF43926u); }

    // A sync takes 200 ms on this disk, a sample comes every one to three
    // seconds: none of the journal's calls waits for a sync, yet each sample
    // is on disk before the next one comes. A journal kept for the next
    // start is complete on disk once its station has ended; a removed one
    // stays removed.
    void journalNeverWaitsForTheDisk_data()
    {
        QTest::addColumn<QString>("end");
        QTest::newRow("run saved: journal removed") << "remove";
        QTest::newRow("log not saved: journal kept") << "close";
        QTest::newRow("station ends during the run") << "destroy";
    }
    void journalNeverWaitsForTheDisk()
    {
        QFETCH(QString, end);
        QTemporaryDir dir;
        SlowDisk disk;
        auto journal = std::make_unique<RunJournal>(dir.path(), disk.sync());
        LongestCall timed;
        bool begun = false;
        Program run = record();
        run.status.clear();
        timed([&] { begun = journal->begin(run, "/logs/run", {}); });
        QVERIFY(begun);
        const QString name = journal->journals().value(0);
        const ino_t file = inode(name);
        QStringList keys;
        for (int n = 0; n < 10; ++n) {
            keys << RunRecordFormat::elapsedKey(n * 2);
            timed([&] { journal->recordSample(keys.last(), "121.5", n * 2000); });
            // The first samples come at the pace of a run; the others come
            // faster than the disk syncs, and the last sync covers them.
            if (n < 5)
                QTRY_VERIFY_WITH_TIMEOUT(disk.synced(file) == QFileInfo(name).size(), 1000);
        }
        run.status = "Successfully completed";
        timed([&] { journal->recordFields(run); });
        const qint64 size = QFileInfo(name).size();
        const int foldersBefore = disk.foldersSynced();
        if (end == "remove")
            timed([&] { journal->remove(); });
        else if (end == "close")
            timed([&] { journal->close(); });
        journal.reset();
        qInfo("longest call on a disk syncing in 200 ms: %.3f ms", timed.milliseconds());
        QVERIFY2(timed.milliseconds() < 50, qPrintable(QString::number(timed.milliseconds())));

        if (end == "remove") {
            QVERIFY(!QFile::exists(name));
            QCOMPARE(disk.foldersSynced(), foldersBefore + 1); // the removal survives a power cut
            return;
        }
        QCOMPARE(disk.synced(file), size);
        QFile kept(name);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QStringList written; // in the order the samples came
        for (const QByteArray &line : kept.readAll().split('\n'))
            if (line.mid(9).startsWith("point\t"))
                written << QString(line.split('\t').value(1));
        QCOMPARE(written, keys);
    }

    // Journals of the first layout, which kept whole seconds (the second
    // layout's, as the station writes them, are read back below).
    void journalIsReadBackIntoItsRun_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("finished");
        QTest::addColumn<QStringList>("points");  // key=value, for the log
        QTest::addColumn<QStringList>("samples"); // ms=°C, for the register

        const QByteArray head = line({"vaporin-run-journal", "1"}) + line({"base", "/logs/run"})
            + line({"name", "Program 1"}) + line({"started", started});
        const QByteArray samples = point("00:00:00", "20") + point("00:00:01", "20.5") + point("00:00:03", "21");
        const QStringList three{"00:00:00=20", "00:00:01=20.5", "00:00:03=21"};
        const QStringList threeSamples{"0=20", "1000=20.5", "3000=21"};
        const QString stopped = RunJournal::stoppedStatus;
        const QByteArray ended = line({"finished", "2024-03-05T14:09:00.000Z"}) + line({"status", "Successfully completed"});
        QTest::newRow("run that ended") << head + samples + ended << "Successfully completed"
                                        << "2024-03-05T14:09:00.000Z" << three << threeSamples;
        QTest::newRow("run interrupted: finished at its last sample")
            << head + samples << stopped << "2024-03-05T14:07:12.042Z" << three << threeSamples;
        QTest::newRow("torn last line is left out")
            << head + point("00:00:01", "20") + point("00:00:02", "21").chopped(1) << stopped
            << "2024-03-05T14:07:10.042Z" << QStringList{"00:00:01=20"} << QStringList{"1000=20"};
        QByteArray damaged = point("00:00:02", "21");
        damaged[12] = '9';
        QTest::newRow("damaged line is left out, the lines after it count")
            << head + point("00:00:01", "20") + damaged + point("00:00:03", "22") << stopped
            << "2024-03-05T14:07:12.042Z" << QStringList{"00:00:01=20", "00:00:03=22"}
            << QStringList{"1000=20", "3000=22"};
    }
    void journalIsReadBackIntoItsRun()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, status);
        QFETCH(QStringList, points);
        const std::optional<RunJournal::Run> run = RunJournal::parse(content);
        QVERIFY(run);
        QCOMPARE(run->basePath, QString("/logs/run"));
        QCOMPARE(run->record.timeStarted, started);
        QCOMPARE(run->record.status, status);
        QTEST(run->record.timeFinished, "finished");
        QStringList read;
        for (auto it = run->record.dataPoints.cbegin(); it != run->record.dataPoints.cend(); ++it)
            read << it.key() + "=" + it.value();
        QCOMPARE(read, points);
        read.clear();
        for (const CycleSample &sample : run->samples)
            read << QString::number(sample.elapsedMs) + "=" + QString::number(sample.celsius);
        QTEST(read, "samples");
        QVERIFY(!run->settled());
        // The instants of the first layout: the local time of the texts.
        const auto localMs = [](const QString &text) {
            return QDateTime::fromString(text, "yyyy-MM-dd'T'HH:mm:ss.zzz'Z'").toMSecsSinceEpoch();
        };
        QCOMPARE(run->started.toMSecsSinceEpoch(), localMs(started));
        QCOMPARE(run->finished.toMSecsSinceEpoch(), localMs(run->record.timeFinished));
    }

    // What the station journals, as the register reads it back: the start,
    // each sample's milliseconds, and how the run was settled; also by the
    // next start after a crash tore the journal's last line.
    void settledJournalIsReadBack_data()
    {
        QTest::addColumn<QString>("end");
        QTest::addColumn<bool>("adopted");
        QTest::newRow("logged") << "logged" << false;
        QTest::newRow("adopted run, discarded") << "discarded" << true;
        QTest::newRow("torn by a crash, logged by the next start") << "torn" << false;
    }
    void settledJournalIsReadBack()
    {
        QFETCH(QString, end);
        QFETCH(bool, adopted);
        QTemporaryDir dir;
        Program run = record();
        run.status.clear();
        run.steps = {{1, 20, 121.0}, {2, 5, 60.0}};
        const QDateTime at = QDateTime::fromMSecsSinceEpoch(1709644029042, Qt::OffsetFromUTC, 3600);
        QString name;
        {
            RunJournal journal(dir.path());
            QVERIFY(journal.begin(run, "/logs/run", {adopted ? 0 : 2, adopted, at}));
            journal.recordSample("00:00:00", "20.5", 7);
            journal.recordSample("00:00:01", "121.35", 1999);
            name = journal.fileName();
            if (end != "torn") {
                run.status = end == "discarded" ? RunJournal::discardedStatus : QString("Successfully completed");
                journal.recordFields(run);
                journal.recordEnd(at.addSecs(60));
                end == "discarded" ? journal.recordDiscarded()
                                   : journal.recordLogged({"run.txt", "ab12", Cycle::Origin::Recorded});
            }
        }
        if (end == "torn") {
            QFile file(name);
            QVERIFY(file.open(QIODevice::Append) && file.write("0badf00d point\t00:00:0") > 0);
            file.close();
            RunJournal next(dir.path());
            QByteArray content;
            QVERIFY(next.adopt(name, &content));
            next.recordLogged({"run.txt", "ab12", Cycle::Origin::Recovered});
        }
        QFile file(name);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const std::optional<RunJournal::Run> read = RunJournal::parse(file.readAll());
        QVERIFY(read);
        QCOMPARE(read->programNumber, adopted ? 0 : 2);
        QCOMPARE(read->adopted, adopted);
        QCOMPARE(read->record.steps, run.steps);
        QCOMPARE(read->started, at);
        QCOMPARE(read->started.offsetFromUtc(), 3600);
        QCOMPARE(read->samples, (QVector<CycleSample>{{7, 20.5}, {1999, 121.35}}));
        QCOMPARE(read->finished, end == "torn" ? at.addMSecs(1999) : at.addSecs(60));
        QCOMPARE(read->discarded, end == "discarded");
        QCOMPARE(bool(read->log), end != "discarded");
        if (read->log) {
            QCOMPARE(read->log->path, QDir::current().absoluteFilePath("run.txt"));
            QCOMPARE(read->log->origin, end == "torn" ? Cycle::Origin::Recovered : Cycle::Origin::Recorded);
        }
    }
};

QTEST_GUILESS_MAIN(TestRunLog)
#include "tst_runlog.moc"
