#include "records/runlog.h"
#include "records/runrecordformat.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCodec>

using Program = CommunicationManager::Program;

namespace {

Program record(const QMap<QString, QString> &points = {}, const QString &name = QStringLiteral("Program 1"))
{
    Program r;
    r.name = name;
    r.firmwareVersion = "2.1";
    r.softwareVersion = "3.0.1";
    r.serialNumber = "RG-00042";
    r.timeStarted = "2024-03-05T14:07:09.042Z";
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

QByteArray fileBytes(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool writeFile(const QString &fileName, const QByteArray &bytes)
{
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
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
        QTest::newRow("one sample") << QByteArray("UTF-8") << record({{"00:00:07", "121.35"}})
                                    << header() + "00:00:07\t121.35\t\n";
        QTest::newRow("no samples: eleven lines") << QByteArray("UTF-8") << record() << header();
        QTest::newRow("beyond 99 hours in time order") << QByteArray("UTF-8")
            << record({{"09:00:00", "a"}, {"11:00:00", "b"}, {"99:59:59", "c"}, {"100:00:00", "d"}, {"101:00:00", "e"}})
            << header() + "09:00:00\ta\t\n99:59:59\tc\t\n101:00:00\te\t\n";
        QTest::newRow("untimed keys last in text order") << QByteArray("UTF-8")
            << record({{"00:00:03", "c"}, {"bad", "y"}, {"00:00:01", "a"}, {"00:60:00", "x"}, {"00:00:02", "b"}})
            << header() + "00:00:01\ta\t\n00:00:03\tc\t\nbad\ty\t\n";
        QTest::newRow("line break in a field stays on its line") << QByteArray("UTF-8")
            << record({}, "Line\nbreak\r") << header("Line break ");
        // Fields follow the system encoding; the column titles' degree sign never does.
        QTest::newRow("UTF-8 system") << QByteArray("UTF-8") << record({}, QStringLiteral("Prüfung 121°"))
                                      << header("Pr\xC3\xBC" "fung 121\xC2\xB0");
        QTest::newRow("Latin-1 system") << QByteArray("ISO-8859-1") << record({}, QStringLiteral("Prüfung 121°"))
                                        << header("Pr\xFC" "fung 121\xB0");
    }
    void producesExactBytes()
    {
        QFETCH(QByteArray, systemCodec);
        QFETCH(Program, run);
        QFETCH(QByteArray, expected);
        QTextCodec::setCodecForLocale(QTextCodec::codecForName(systemCodec));
        const QByteArray bytes = RunLog::content(run);
        QTextCodec::setCodecForLocale(nullptr);
        QCOMPARE(bytes, expected);
    }

    void replacesLongerFileWhole()
    {
        QTemporaryDir dir;
        const QString base = dir.filePath("run");
        QVERIFY(writeFile(base + ".txt", QByteArray(65536, 'x')));
        const RunLog::WriteResult result = RunLog::writeRunLog(record({{"00:00:00", "25"}}), base + ".txt");
        QVERIFY2(result.written, qPrintable(result.errorString));
        QCOMPARE(result.fileName, base + ".txt");
        QCOMPARE(fileBytes(base + ".txt"), header() + "00:00:00\t25\t\n");
    }

    void savingUnderATakenNameKeepsTheEarlierLog()
    {
        QTemporaryDir dir;
        const QString base = dir.filePath("run");
        QVERIFY(writeFile(base + ".txt", "first") && writeFile(base + "_2.txt", "second"));
        const RunLog::WriteResult result = RunLog::saveRunLog(record(), base);
        QVERIFY2(result.written, qPrintable(result.errorString));
        QCOMPARE(result.fileName, base + "_3.txt");
        QCOMPARE(fileBytes(base + ".txt"), QByteArray("first"));
        QCOMPARE(fileBytes(base + "_2.txt"), QByteArray("second"));
        QCOMPARE(fileBytes(base + "_3.txt"), header());
    }

    void reportsFailedWriteAndKeepsOldFile_data()
    {
        QTest::addColumn<QString>("base");
        QTest::addColumn<QString>("folder");  // created first
        QTest::addColumn<QString>("oldFile"); // holds "old" before and after
        QTest::newRow("missing folder") << "missing/log" << "" << "";
        QTest::newRow("folder is a file") << "plain/log" << "" << "plain";
        QTest::newRow("name is a directory") << "log" << "log.txt" << "";
        QTest::newRow("read-only folder") << "ro/log" << "ro" << "ro/log.txt";
    }
    void reportsFailedWriteAndKeepsOldFile()
    {
        QFETCH(QString, base);
        QFETCH(QString, folder);
        QFETCH(QString, oldFile);
        QTemporaryDir dir;
        const QString readOnly = base.startsWith("ro/") ? dir.filePath("ro") : QString();
        QVERIFY(folder.isEmpty() || QDir(dir.path()).mkdir(folder));
        QVERIFY(oldFile.isEmpty() || writeFile(dir.filePath(oldFile), "old"));
        if (!readOnly.isEmpty()) {
            QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ExeOwner);
            if (QFileInfo(readOnly).isWritable())
                QSKIP("the superuser writes into read-only folders");
        }
        const RunLog::WriteResult result = RunLog::writeRunLog(record(), dir.filePath(base + ".txt"));
        if (!readOnly.isEmpty())
            QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        QVERIFY(!result.written);
        QCOMPARE(result.fileName, dir.filePath(base + ".txt"));
        QVERIFY(!result.errorString.isEmpty());
        QVERIFY2(!base.startsWith("missing/") || result.errorString.contains("missing"), qPrintable(result.errorString));
        QVERIFY(folder.isEmpty() || QFileInfo(dir.filePath(folder)).isDir());
        QVERIFY(oldFile.isEmpty() || fileBytes(dir.filePath(oldFile)) == "old");
    }

    void formatsRecordTexts_data()
    {
        using namespace RunRecordFormat;
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("key 3 h 2 min 5 s") << elapsedKey(3 * 3600 + 2 * 60 + 5) << "03:02:05";
        QTest::newRow("key 100 h") << elapsedKey(360000) << "100:00:00";
        QTest::newRow("121.50") << temperatureText(121.50) << "121.5";
        QTest::newRow("25.0") << temperatureText(25.0) << "25";
        QTest::newRow("100.0625") << temperatureText(100.0625) << "100.063";
        QTest::newRow("float sample 121.35") << temperatureText(121.35f) << "121.35";
        QTest::newRow("timestamp") << timestampText(QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9, 42)))
                                   << "2024-03-05T14:07:09.042Z";
    }
    void formatsRecordTexts()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(text, expected);
    }
};

QTEST_GUILESS_MAIN(TestRunLog)
#include "tst_runlog.moc"
