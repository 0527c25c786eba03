#include "device/digitalstatus.h"
#include "device/replyparser.h"

#include <QtTest>

using CM = CommunicationManager;

namespace {

// The alarm of each status bit, keyed "word.bit", with whether it blocks a start.
struct ExpectedAlarm {
    DigitalStatus::Alarm alarm;
    bool inSummary;
};

const QMap<QString, ExpectedAlarm> &bitAlarms()
{
    const QString error = QStringLiteral("Vaporin - Error");
    const QString notice = QStringLiteral("Vaporin - Error ");
    static const QMap<QString, ExpectedAlarm> alarms{
        {"1.1", {{error, "Error flag! STS_ERROR"}, false}},
        {"1.2", {{error, "Communication timeout."}, true}},
        {"2.16", {{error, "The temperature sensor 1 is out of the allowed range."}, true}},
        {"3.25", {{notice, "The program has been stopped manually by user."}, false}},
        {"3.24", {{error, QString::fromUtf8("Delta-T Error\nThe allowed temperature range of T-1/+2\u00b0C has been "
                                            "exceeded during holding time. Check if the temperature cable Check if "
                                            "the autoclave chamber is not out of water.")},
                  false}},
        {"3.19", {{error, QString::fromUtf8("Heater Error\nMaximum allowed temperature exceeded (143\u00b0C) OR "
                                            "targettemperature not be reached. Please check if temperaturesensor is "
                                            "working properly or autoclave chamber is not out ofwater.")},
                  false}},
        {"3.6", {{"Vaporin - Information", "The program finished successfully."}, false}},
        {"3.5", {{notice, "A program is already running.\nAlert: The pdf file that will be created afterwards "
                          "won't contain the previous temperatures."},
                 true}},
        {"3.17", {{error, "The temperature is too high."}, true}},
        {"3.4", {{error, "The temperature is lower than the minimum allowed."}, true}},
        {"3.1", {{error, "An error was occured."}, true}},
        {"3.26", {{error, "The program was stopped because a critical error detected."}, false}},
        {"3.27", {{error, "Error in temperature sensor. Most often this means the sensoris not plugged in into "
                          "controller. Other possible reason: cablebreak."},
                  false}},
    };
    return alarms;
}

DigitalStatus::Words words(const QString &hex)
{
    const QStringList parts = hex.split(',');
    return {parts.at(0).toUInt(nullptr, 16), parts.at(1).toUInt(nullptr, 16), parts.at(2).toUInt(nullptr, 16)};
}

// "-" stands for a word that has no value yet.
DigitalStatus::Remembered remembered(const QString &hex)
{
    const QStringList parts = hex.split(',');
    auto word = [](const QString &part) -> std::optional<quint32> {
        return part == "-" ? std::nullopt : std::optional<quint32>(part.toUInt(nullptr, 16));
    };
    return {word(parts.at(0)), word(parts.at(1)), parts.at(2).toUInt(nullptr, 16)};
}

} // namespace

class TestReplyParser : public QObject
{
    Q_OBJECT

private slots:
    void temperatureAnswer_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<float>("temperature");
        QTest::addColumn<float>("fourthValue");
        QTest::newRow("four numbers") << "DAT_TEMP 121.5,0,0,1.25\n" << true << 121.5f << 1.25f;
        QTest::newRow("signs and bare fractions") << "DAT_TEMP -5,+1,.5,-0.75\n" << true << -5.0f << -0.75f;
        QTest::newRow("lower-case keyword") << "dat_temp 20,1,2,3\n" << true << 20.0f << 3.0f;
        QTest::newRow("overflowing number reads as 0")
            << "DAT_TEMP 9" + QString(60, '9') + ",0,0,2\n" << true << 0.0f << 2.0f;
        QTest::newRow("three numbers") << "DAT_TEMP 121.5,0,0\n" << false << 0.0f << 0.0f;
        QTest::newRow("CR LF ending") << "DAT_TEMP 121.5,0,0,1.25\r\n" << false << 0.0f << 0.0f;
        QTest::newRow("no line feed") << "DAT_TEMP 121.5,0,0,1.25" << false << 0.0f << 0.0f;
        QTest::newRow("exponent") << "DAT_TEMP 1e3,0,0,0\n" << false << 0.0f << 0.0f;
        QTest::newRow("two lines") << "DAT_TEMP 1,0,0,0\nDAT_TEMP 2,0,0,0\n" << false << 0.0f << 0.0f;
    }
    void temperatureAnswer()
    {
        QFETCH(QString, answer);
        QFETCH(bool, accepted);
        const auto data = ReplyParser::parseTemperature(answer);
        QCOMPARE(data.has_value(), accepted);
        if (data) {
            QTEST(data->temperature, "temperature");
            QTEST(data->fourthValue, "fourthValue");
        }
    }

    void identityAnswer_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("serialNumber");
        QTest::addColumn<int>("cycleNumber");
        QTest::newRow("serial and cycle") << "CON_INFO 12345678,42\n" << true << "12345678" << 42;
        QTest::newRow("lower-case keyword") << "con_info AB-7,3\n" << true << "AB-7" << 3;
        QTest::newRow("extra field") << "CON_INFO A,B,7\n" << true << "A" << 0;
        QTest::newRow("blank in serial") << "CON_INFO 1234 5678,42\n" << false << "" << 0;
        QTest::newRow("no cycle") << "CON_INFO 12345678\n" << false << "" << 0;
        QTest::newRow("cycle not a number") << "CON_INFO 12345678,x\n" << false << "" << 0;
        QTest::newRow("CR LF ending") << "CON_INFO 12345678,42\r\n" << false << "" << 0;
    }
    void identityAnswer()
    {
        QFETCH(QString, answer);
        QFETCH(bool, accepted);
        const auto info = ReplyParser::parseIdentity(answer);
        QCOMPARE(info.has_value(), accepted);
        if (info) {
            QTEST(info->serialNumber, "serialNumber");
            QTEST(info->cycleNumber, "cycleNumber");
        }
    }

    void acknowledgement_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        auto row = [](const char *name, const char *answer, int status, const char *message) {
            QTest::newRow(name) << answer << true << status << message;
        };
        row("start code 0", "ACK_STAR 0\n", CM::Running, "");
        row("start code +0", "ACK_STAR +0\n", CM::Running, "");
        row("start refused: running", "ACK_STAR -1\n", CM::StartFailed, "Can't start the program. A program is running.");
        row("start refused, lower-case keyword", "ack_star -1\n", CM::StartFailed, "Can't start the program. A program is running.");
        row("stop refused, lower-case keyword", "ack_stop -1\n", CM::StopFailed, "Can't stop the running program.");
        row("start refused: -2", "ACK_STAR -2\n", CM::StartFailed, "Can't start the program.");
        row("start refused: -4", "ACK_STAR -4\n", CM::StartFailed, "Can't find the selected program.");
        row("start refused: -6", "ACK_STAR -6\n", CM::StartFailed, "Can't find the selected program.");
        row("start refused: unknown code", "ACK_STAR -3\n", CM::StartFailed,
            "Can't start the program. Controller code: -3");
        row("start refused: positive code", "ACK_STAR 7\n", CM::StartFailed,
            "Can't start the program. Controller code: 7");
        row("start code beyond int is no start", "ACK_STAR 4294967296\n", CM::StartFailed,
            "Can't start the program. Controller code: 4294967296");
        row("stop code 1", "ACK_STOP 1\n", CM::Stopped, "");
        row("stop code 2", "ACK_STOP 2\n", CM::Stopped, "");
        row("stop refused: -1", "ACK_STOP -1\n", CM::StopFailed, "Can't stop the running program.");
        row("stop refused: code 0", "ACK_STOP 0\n", CM::StopFailed, "Can't stop the running program. Controller code: 0");
        row("stop refused: unknown code", "ACK_STOP -5\n", CM::StopFailed,
            "Can't stop the running program. Controller code: -5");
        row("stop code beyond int keeps its digits", "ACK_STOP 4294967298\n", CM::StopFailed,
            "Can't stop the running program. Controller code: 4294967298");
        QTest::newRow("start without code") << "ACK_STAR \n" << false << 0 << "";
        QTest::newRow("start CR LF") << "ACK_STAR 0\r\n" << false << 0 << "";
        QTest::newRow("stop fraction") << "ACK_STOP 1.0\n" << false << 0 << "";
        QTest::newRow("stop CR LF") << "ACK_STOP 1\r\n" << false << 0 << "";
    }
    void acknowledgement()
    {
        QFETCH(QString, answer);
        QFETCH(bool, accepted);
        const auto report = answer.startsWith("ACK_STAR", Qt::CaseInsensitive) ? ReplyParser::parseStartAcknowledgement(answer)
                                                          : ReplyParser::parseStopAcknowledgement(answer);
        QCOMPARE(report.has_value(), accepted);
        if (report) {
            QTEST(int(report->status), "status");
            QTEST(report->message, "message");
        }
    }

    void startAndStopAnswersAreNotInterchangeable()
    {
        QVERIFY(!ReplyParser::parseStartAcknowledgement("ACK_STOP 1\n"));
        QVERIFY(!ReplyParser::parseStopAcknowledgement("ACK_STAR 0\n"));
    }

    void runStatus_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("status"); // -1: nothing reported
        QTest::newRow("finished") << "DAT_STAT 1,60\n" << int(CM::Finished);
        QTest::newRow("sensor fault") << "DAT_STAT 1,0\n" << int(CM::SensorError);
        QTest::newRow("60.0 is not an integer") << "DAT_STAT 1,60.0\n" << int(CM::SensorError);
        QTest::newRow("lower-case keyword") << "dat_stat 1,60\n" << int(CM::Finished);
        QTest::newRow("other state") << "DAT_STAT 1,12\n" << -1;
        QTest::newRow("no comma") << "DAT_STAT 60\n" << -1;
        QTest::newRow("CR LF ending") << "DAT_STAT 1,60\r\n" << -1;
    }
    void runStatus()
    {
        QFETCH(QString, answer);
        const auto status = ReplyParser::parseRunStatus(answer);
        QTEST(status ? int(*status) : -1, "status");
    }

    void version_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("version");
        QTest::newRow("30 characters") << "REGULON FIRMWARE V 3.1.4 2021\n" << "3.1.4";
        QTest::newRow("20 characters") << "0123456789012345678X" << "X";
        QTest::newRow("shorter than the position") << "VERSION\n" << "";
    }
    void version()
    {
        QFETCH(QString, answer);
        QTEST(ReplyParser::parseVersion(answer), "version");
    }

    void digitalWords_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("words");
        QTest::newRow("three words") << "DAT_DIGI 00000001,00010000,00000040\n" << true << "1,10000,40";
        QTest::newRow("either case") << "DAT_DIGI 0000abcd,FFFFFFFF,0000aB00\n" << true << "abcd,ffffffff,ab00";
        QTest::newRow("prefix not examined") << "XXXXXXXXX00000000,00000000,00000002\n" << true << "0,0,2";
        QTest::newRow("non-hex words read as 0") << "DAT_DIGI 0000000G,+0000001,0x000040\n" << true << "0,0,0";
        QTest::newRow("two words") << "DAT_DIGI 00000000,00000040\n" << false << "";
        QTest::newRow("four words") << "DAT_DIGI 00000000,00000000,00000040,00000000\n" << false << "";
        QTest::newRow("seven digits") << "DAT_DIGI 00000000,0000000,00000040\n" << false << "";
        QTest::newRow("nine digits") << "DAT_DIGI 00000000,000000000,00000040\n" << false << "";
        QTest::newRow("CR LF ending") << "DAT_DIGI 00000000,00000000,00000040\r\n" << false << "";
        QTest::newRow("empty") << "" << false << "";
    }
    void digitalWords()
    {
        QFETCH(QString, answer);
        QFETCH(bool, accepted);
        QFETCH(QString, words);
        const auto parsed = DigitalStatus::parseWords(answer);
        QCOMPARE(parsed.has_value(), accepted);
        if (parsed) {
            const DigitalStatus::Words expected = ::words(words);
            QCOMPARE(parsed->word1, expected.word1);
            QCOMPARE(parsed->word2, expected.word2);
            QCOMPARE(parsed->word3, expected.word3);
        }
    }

    void eachBitRaisesItsAlarm_data()
    {
        QTest::addColumn<QString>("key");
        for (const QString &key : bitAlarms().keys())
            QTest::newRow(qPrintable(key)) << key;
    }
    void eachBitRaisesItsAlarm()
    {
        QFETCH(QString, key);
        const int word = key.section('.', 0, 0).toInt();
        const quint32 bit = 1u << key.section('.', 1).toInt();
        const DigitalStatus::Words now{word == 1 ? bit : 0, word == 2 ? bit : 0, word == 3 ? bit : 0};
        const ExpectedAlarm expected = bitAlarms().value(key);

        const auto alarms = DigitalStatus::risingAlarms(now, remembered("0,0,0"));
        QCOMPARE(alarms.size(), 1);
        QCOMPARE(alarms.first().title, expected.alarm.title);
        QCOMPARE(alarms.first().message, expected.alarm.message);
        QCOMPARE(DigitalStatus::summaryAlarm(now), expected.inSummary);
    }

    void risingAlarms_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("now");
        QTest::addColumn<QStringList>("alarms");
        QTest::newRow("finished controller at start-up") << "-,-,40" << "0,0,40" << QStringList();
        QTest::newRow("word without value counts as clear") << "-,-,40" << "2,10000,40" << QStringList{"1.1", "2.16"};
        QTest::newRow("held bits are not repeated") << "6,10000,22" << "6,10000,22" << QStringList();
        QTest::newRow("falling bits raise nothing") << "6,10000,030A0072" << "0,0,0" << QStringList();
        QTest::newRow("all bits rise in reporting order")
            << "0,0,0" << "6,10000,0F0A0072"
            << QStringList{"1.1", "1.2", "2.16", "3.25", "3.24", "3.19", "3.6", "3.5", "3.17", "3.4", "3.1", "3.26", "3.27"};
        QTest::newRow("critical stop with sensor error") << "0,0,0" << "0,0,0C000000" << QStringList{"3.26", "3.27"};
        QTest::newRow("sensor error repeats without critical stop")
            << "0,0,08000000" << "0,0,08000002" << QStringList{"3.1", "3.27"};
        QTest::newRow("sensor error silent under known critical stop")
            << "0,0,04000000" << "0,0,0C000000" << QStringList();
        QTest::newRow("sensor error silent when critical stop falls")
            << "0,0,0C000000" << "0,0,08000000" << QStringList();
        QTest::newRow("sensor error silent while word 3 unchanged")
            << "0,0,08000000" << "2,0,08000000" << QStringList{"1.1"};
    }
    void risingAlarms()
    {
        QFETCH(QString, before);
        QFETCH(QString, now);
        QFETCH(QStringList, alarms);
        QVector<DigitalStatus::Alarm> expected;
        for (const QString &key : alarms)
            expected.append(bitAlarms().value(key).alarm);
        QCOMPARE(DigitalStatus::risingAlarms(words(now), remembered(before)), expected);
    }
};

QTEST_GUILESS_MAIN(TestReplyParser)
#include "tst_replyparser.moc"
