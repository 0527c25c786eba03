#include "app/texts.h"
#include "device/communicationmanager.h"
#include "device/programmemory.h"
#include "device/restartcommand.h"
#include "tools/regulon-sim/regulonsim.h"

#include <QSerialPortInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <vector>

using CM = CommunicationManager;
Q_DECLARE_METATYPE(std::vector<int>)

namespace {

const QString cantConnect = QStringLiteral("Can't connect to the regulon");

// A fresh manager whose restarts are only counted; for each restart it notes
// how many status reports had been made by then.
struct Fixture {
    CM manager;
    QSignalSpy statuses{&manager, &CM::gotProgramStatus};
    QSignalSpy errors{&manager, &CM::programError};
    QSignalSpy digi{&manager, &CM::digiUpdate};
    QSignalSpy regulons{&manager, &CM::getRegulons};
    QSignalSpy progress{&manager, &CM::updateProgressBar};
    QSignalSpy updates{&manager, &CM::programUpdated};
    std::vector<int> restartsAfterReports;

    Fixture()
    {
        manager.setRestartHandler([this] { restartsAfterReports.push_back(statuses.count()); });
    }

    // The worker's three outcomes, delivered as the worker would.
    void deliver(const char *slot, const QString &s, int requestId, const QString &requestInfo = QString())
    {
        QVERIFY(QMetaObject::invokeMethod(&manager, slot, Qt::DirectConnection, Q_ARG(QString, s),
                                          Q_ARG(int, requestId), Q_ARG(QString, requestInfo)));
    }
    void answer(int requestId, const QString &s) { deliver("showRequest", s, requestId); }

    // Events written as "t<id>" (no answer), "e<id>" (port failure) or
    // "a<id>" (an answer that matches nothing).
    void play(const QStringList &events)
    {
        for (const QString &event : events) {
            const int id = event.mid(1).toInt();
            switch (event.at(0).toLatin1()) {
            case 't': deliver("processTimeout", "Wait read request timeout", id); break;
            case 'e': deliver("processError", "Can't open port, error code 1", id); break;
            default: answer(id, "garbage\n"); break;
            }
        }
    }

    QStringList messages() const
    {
        QStringList texts;
        for (const QList<QVariant> &args : errors)
            texts << args.at(1).toString();
        return texts;
    }

    QList<int> digiReports() const
    {
        QList<int> reports;
        for (const QList<QVariant> &args : digi)
            reports << int(args.at(0).value<CM::DigiStatus>());
        return reports;
    }
};

QStringList repeat(const QString &event, int times)
{
    QStringList events;
    for (int i = 0; i < times; ++i)
        events << event;
    return events;
}

QString digital(const char *words)
{
    return QStringLiteral("DAT_DIGI %1\n").arg(QLatin1String(words));
}

// Sets REGULON_SERIAL_PORTS for one test and restores it afterwards.
class PortsVariable
{
public:
    explicit PortsVariable(const QByteArray &value) : saved(qgetenv(name)), wasSet(qEnvironmentVariableIsSet(name))
    {
        qputenv(name, value);
    }
    ~PortsVariable() { wasSet ? qputenv(name, saved) : qunsetenv(name); }

private:
    static constexpr const char *name = "REGULON_SERIAL_PORTS";
    QByteArray saved;
    bool wasSet;
};

} // namespace

class TestCommunicationManager : public QObject
{
    Q_OBJECT

private slots:
    void failureReports_data()
    {
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<std::vector<int>>("reports");
        const std::vector<int> lost{CM::ConnectionLost};
        QTest::newRow("seven missed temperatures") << repeat("t-1", 7) << lost;
        QTest::newRow("six missed temperatures") << repeat("t-1", 6) << std::vector<int>{};
        QTest::newRow("an answer restarts the count")
            << repeat("t-1", 6) + QStringList{"a-1"} + repeat("t-1", 6) << std::vector<int>{};
        QTest::newRow("an answer to any query restarts the count")
            << repeat("t-1", 6) + QStringList{"a9"} + repeat("t-1", 6) << std::vector<int>{};
        QTest::newRow("fourteen missed temperatures report once") << repeat("t-1", 14) << lost;
        QTest::newRow("port failures while idle") << repeat("e-1", 7) << lost;
        QTest::newRow("port failures during the run-status query") << repeat("e6", 7) << lost;
        QTest::newRow("failures of both kinds count together") << repeat("t-1", 3) + repeat("e6", 4) << lost;
        QTest::newRow("port failure and timeout losses are separate")
            << repeat("e-1", 14) + repeat("t-1", 14) << std::vector<int>{CM::ConnectionLost, CM::ConnectionLost};
        QTest::newRow("other missed answers do not count")
            << repeat("t6", 7) + repeat("t9", 7) + repeat("t-2", 7) + repeat("e9", 7) + repeat("e-2", 7)
            << std::vector<int>{};
        QTest::newRow("start without answer") << QStringList{"t4"} << std::vector<int>{CM::StartFailed};
        QTest::newRow("stop without answer") << QStringList{"t5"} << std::vector<int>{CM::StopFailed};
        QTest::newRow("only the first unanswered request restarts")
            << QStringList{"t4", "t5", "t4"} << std::vector<int>{CM::StartFailed};
        QTest::newRow("no start report after a timeout loss") << repeat("t-1", 7) + QStringList{"t4"} << lost;
        QTest::newRow("port failures of start and stop") << QStringList{"e4", "e5"} << std::vector<int>{};
    }
    void failureReports()
    {
        QFETCH(QStringList, events);
        QFETCH(std::vector<int>, reports);
        Fixture f;
        f.play(events);

        std::vector<int> statuses;
        std::vector<int> expectedRestarts;
        for (const QList<QVariant> &args : f.statuses) {
            statuses.push_back(args.at(0).value<CM::ProgramStatus>());
            QCOMPARE(args.at(1).toString(), cantConnect);
            expectedRestarts.push_back(int(statuses.size()));
        }
        QCOMPARE(statuses, reports);
        // One restart per report, each after its report reached the windows.
        QCOMPARE(f.restartsAfterReports, expectedRestarts);
    }

    void answersAreRoutedByRequest_data()
    {
        QTest::addColumn<int>("requestId");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QStringList>("emitted");
        QTest::newRow("version") << int(CM::ReqVersion) << "0123456789012345678V1.2.3\n" << QStringList{"gotVersion"};
        QTest::newRow("temperature") << int(CM::ReqTemperature) << "DAT_TEMP 121.5,0,0,1.25\n"
                                     << QStringList{"getTempData"};
        QTest::newRow("malformed temperature") << int(CM::ReqTemperature) << "DAT_TEMP 121.5\n" << QStringList{};
        QTest::newRow("identity") << int(CM::ReqInfo) << "CON_INFO 12345678,42\n"
                                  << QStringList{"getRegulons", "gotInfo"};
        QTest::newRow("start") << int(CM::ReqStart) << "ACK_STAR 0\n" << QStringList{"gotProgramStatus"};
        QTest::newRow("stop") << int(CM::ReqStop) << "ACK_STOP 1\n" << QStringList{"gotProgramStatus"};
        QTest::newRow("stop answer to a start") << int(CM::ReqStart) << "ACK_STOP 1\n" << QStringList{};
        QTest::newRow("run status") << int(CM::ReqStatus) << "DAT_STAT 1,60\n" << QStringList{"gotProgramStatus"};
        QTest::newRow("digital status") << int(CM::ReqDigital) << digital("00000000,00000000,00000040")
                                        << QStringList{"digiUpdate"};
        QTest::newRow("program memory") << int(CM::ReqProgramRead) << QString::fromLatin1(RegulonSim().programImage())
                                        << QStringList{"gotPrograms"};
        QTest::newRow("first corrupted program memory") << int(CM::ReqProgramRead) << "garbage\n" << QStringList{};
        QTest::newRow("write acknowledgement without a write") << int(CM::ReqProgramWrite) << "ACK_EEPROM 1\n"
                                                               << QStringList{};
        QTest::newRow("unknown request") << 8 << "ACK_STAR 0\n" << QStringList{};
    }
    void answersAreRoutedByRequest()
    {
        QFETCH(int, requestId);
        QFETCH(QString, answer);
        Fixture f;
        std::vector<std::unique_ptr<QSignalSpy>> spies;
        const QMetaObject *meta = f.manager.metaObject();
        for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
            if (meta->method(i).methodType() == QMetaMethod::Signal)
                spies.push_back(std::make_unique<QSignalSpy>(&f.manager, meta->method(i)));
        }
        f.answer(requestId, answer);

        QStringList emitted;
        for (const auto &spy : spies) {
            for (int i = 0; i < spy->count(); ++i)
                emitted << QString::fromLatin1(spy->signal()).section('(', 0, 0);
        }
        emitted.sort();
        QTEST(emitted, "emitted");
    }

    void digitalStatusIsRemembered_data()
    {
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QList<int>>("reports");
        const QString sensor = "The temperature sensor 1 is out of the allowed range.";
        const QString error = "An error was occured.";
        QTest::newRow("finished controller at start-up")
            << QStringList{digital("00000000,00000000,00000040")} << QStringList{} << QList<int>{CM::DigiOk};
        QTest::newRow("same answer twice")
            << QStringList{digital("00000000,00010000,00000000"), digital("00000000,00010000,00000000")}
            << QStringList{sensor} << QList<int>{CM::DigiAlarm, CM::DigiAlarm};
        QTest::newRow("malformed answer changes nothing")
            << QStringList{digital("00000000,00010000,00000000"), digital("00000000,00000000"),
                           digital("00000000,00010000,00000000")}
            << QStringList{sensor} << QList<int>{CM::DigiAlarm, CM::DigiAlarm};
        QTest::newRow("bit raised again after falling")
            << QStringList{digital("00000000,00000000,00000002"), digital("00000000,00000000,00000000"),
                           digital("00000000,00000000,00000002")}
            << QStringList{error, error} << QList<int>{CM::DigiAlarm, CM::DigiOk, CM::DigiAlarm};
    }
    void digitalStatusIsRemembered()
    {
        QFETCH(QStringList, answers);
        Fixture f;
        for (const QString &answer : answers)
            f.answer(CM::ReqDigital, answer);
        QTEST(f.messages(), "messages");
        QTEST(f.digiReports(), "reports");
    }

    // A message box opened for an alarm runs a nested event loop in which the
    // next answer may arrive; it must not be reported inside the first one.
    void answerArrivingDuringAlarmIsNotDecoded()
    {
        Fixture f;
        const QString first = digital("00000000,00000000,00000022");  // bits 5 and 1
        const QString second = digital("00000000,00000000,00000010"); // bit 4
        bool fed = false;
        connect(&f.manager, &CM::programError, this, [&] {
            if (!std::exchange(fed, true))
                f.answer(CM::ReqDigital, second);
        });

        f.answer(CM::ReqDigital, first);
        QCOMPARE(f.messages(), (QStringList{
            "A program is already running.\nAlert: The pdf file that will be created afterwards won't contain the "
            "previous temperatures.",
            "An error was occured."}));
        QCOMPARE(f.digiReports(), QList<int>{CM::DigiAlarm});

        // The nested answer stored nothing: delivered again, it is reported.
        f.answer(CM::ReqDigital, second);
        QCOMPARE(f.messages().size(), 3);
        QCOMPARE(f.messages().last(), QStringLiteral("The temperature is lower than the minimum allowed."));
    }

    void portsFromEnvironment_data()
    {
        QTest::addColumn<QByteArray>("variable");
        QTest::addColumn<QStringList>("ports");
        QStringList library;
        for (const QSerialPortInfo &port : QSerialPortInfo::availablePorts())
            library << port.portName();
        QTest::newRow("listed paths in order") << QByteArray("/tmp/c:/tmp/a:/tmp/b")
                                               << QStringList{"/tmp/c", "/tmp/a", "/tmp/b"};
        QTest::newRow("empty entries skipped") << QByteArray(":/tmp/a::/tmp/b:") << QStringList{"/tmp/a", "/tmp/b"};
        QTest::newRow("empty variable") << QByteArray() << library;
    }
    void portsFromEnvironment()
    {
        QFETCH(QByteArray, variable);
        PortsVariable ports(variable);
        QTEST(CM::availablePorts(), "ports");
    }

    void scanWithoutPortsReportsAtOnce_data()
    {
        QTest::addColumn<QByteArray>("variable");
        QTest::newRow("separator only") << QByteArray(":");
        QTest::newRow("empty entries only") << QByteArray(":::");
    }
    void scanWithoutPortsReportsAtOnce()
    {
        QFETCH(QByteArray, variable);
        PortsVariable ports(variable);
        Fixture f;
        f.manager.scanPorts();
        QCOMPARE(f.regulons.count(), 1);
        using Map = QMap<QString, QString>;
        QVERIFY(f.regulons.first().first().value<Map>().isEmpty());
    }

    // One outcome per port; a port that stays silent or cannot be opened gets
    // no entry. Later identity outcomes report the map again for the last port.
    void scanCollectsSerialNumbers_data()
    {
        QTest::addColumn<QByteArray>("variable");
        QTest::addColumn<QStringList>("events"); // "t"/"e" or an identity answer
        QTest::addColumn<QStringList>("reports");
        const QByteArray three = "/nonexistent/a:/nonexistent/b:/nonexistent/c";
        QTest::newRow("second port silent")
            << three << QStringList{"CON_INFO 111,1\n", "t", "CON_INFO 333,3\n"}
            << QStringList{"/nonexistent/a=111 /nonexistent/c=333"};
        QTest::newRow("second port cannot be opened")
            << three << QStringList{"CON_INFO 111,1\n", "e", "CON_INFO 333,3\n"}
            << QStringList{"/nonexistent/a=111 /nonexistent/c=333"};
        QTest::newRow("unmatched answer gives an empty serial")
            << three << QStringList{"garbage\n", "t", "t"} << QStringList{"/nonexistent/a="};
        QTest::newRow("single port that cannot be opened")
            << QByteArray("/nonexistent/a") << QStringList{"e"} << QStringList{""};
        QTest::newRow("identity after the scan")
            << QByteArray("/nonexistent/a") << QStringList{"CON_INFO 111,1\n", "CON_INFO 999,9\n"}
            << QStringList{"/nonexistent/a=111", "/nonexistent/a=999"};
    }
    void scanCollectsSerialNumbers()
    {
        QFETCH(QByteArray, variable);
        QFETCH(QStringList, events);
        PortsVariable ports(variable);
        Fixture f;
        f.manager.scanPorts();
        for (const QString &event : events) {
            if (event == "t" || event == "e")
                f.play({event + QString::number(CM::ReqInfo)});
            else
                f.answer(CM::ReqInfo, event);
        }

        QStringList reports;
        for (const QList<QVariant> &args : f.regulons) {
            const auto map = args.at(0).value<QMap<QString, QString>>();
            QStringList entries;
            for (auto it = map.cbegin(); it != map.cend(); ++it)
                entries << it.key() + '=' + it.value();
            reports << entries.join(' ');
        }
        QTEST(reports, "reports");
    }

    // Events: "write" starts writing a valid program, "refused" one the image
    // cannot hold; "ack INFO|ANSWER", "timeout INFO" and "error ID" are the
    // worker's outcomes.
    void writeChainFollowsOnlyItsAwaitedStep_data()
    {
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<QList<int>>("progress");
        QTest::addColumn<QStringList>("updates");
        const QString put = "ack ACK_EEPROM 1;1|ACK_EEPROM 1\n";
        const QString name = "ack ACK_EEPROM 20;2|ACK_EEPROM 20\n";
        const QString wentWrong = textSomethingWrong;
        QTest::newRow("acknowledged by substring to the end")
            << QStringList{"write", "ack ACK_EEPROM 1;1|x ACK_EEPROM 123\r\n", name,
                           "ack ACK_EEPROM 20;3|ACK_EEPROM 20\n", "ack ACK_EEPROM 20;4|ACK_EEPROM 20\n",
                           "ack ACK_EEPROM 20;5|ACK_EEPROM 20\n", "ack ACK_EEPROM 0;-1|ACK_EEPROM 0\n"}
            << QList<int>{0, 1, 2, 3, 4, 5} << QStringList{"true "};
        QTest::newRow("wrong acknowledgement ends the write")
            << QStringList{"write", "ack ACK_EEPROM 1;1|ACK_EEPROM 20\n", name, "error 7"} << QList<int>{0}
            << QStringList{"false " + wentWrong};
        QTest::newRow("acknowledgement after a time-out of its step")
            << QStringList{"write", "timeout ACK_EEPROM 1;1", put, "timeout ACK_EEPROM 1;1"} << QList<int>{0}
            << QStringList{"false " + QString(textTimeout)};
        QTest::newRow("acknowledgement of another step") << QStringList{"write", name} << QList<int>{0}
                                                         << QStringList{};
        QTest::newRow("outcomes without a write")
            << QStringList{put, "timeout ACK_EEPROM 1;1", "error 7"} << QList<int>{} << QStringList{};
        QTest::newRow("port failure of the write step") << QStringList{"write", "error 7", put} << QList<int>{0}
                                                        << QStringList{"false " + wentWrong};
        // The worker drops the write's step with the rest of its queue.
        QTest::newRow("port failure of another request")
            << QStringList{"write", "error 3", put} << QList<int>{0} << QStringList{"false " + wentWrong};
        QTest::newRow("new write abandons the one in progress")
            << QStringList{"write", put, "write", name, put} << QList<int>{0, 1, 0, 1} << QStringList{};
        QTest::newRow("refused write leaves the one in progress alone")
            << QStringList{"write", put, "refused", name} << QList<int>{0, 1, 2} << QStringList{"false refused"};
    }
    void writeChainFollowsOnlyItsAwaitedStep()
    {
        QFETCH(QStringList, events);
        Fixture f;
        CM::Program program;
        program.name = "Instruments 134";
        program.steps = {{0, 4, 134.0}};
        program.recordHeaders = {"20000000", "2000E000", "20010000", "20012000"};
        CM::Program tooLong = program;
        while (tooLong.steps.size() < 16)
            tooLong.steps << tooLong.steps.first();
        for (const QString &event : events) {
            const QString argument = event.section(' ', 1);
            if (event == "write")
                f.manager.writeProgram(program, 0);
            else if (event == "refused")
                f.manager.writeProgram(tooLong, 0);
            else if (event.startsWith("ack"))
                f.deliver("showRequest", argument.section('|', 1), CM::ReqProgramWrite, argument.section('|', 0, 0));
            else if (event.startsWith("timeout"))
                f.deliver("processTimeout", "Wait read request timeout", CM::ReqProgramWrite, argument);
            else
                f.deliver("processError", "Can't open port, error code 1", argument.toInt());
        }

        QList<int> progress;
        for (const QList<QVariant> &args : f.progress)
            progress << args.at(0).toInt();
        QStringList updates;
        for (const QList<QVariant> &args : f.updates)
            updates << (args.at(0).toBool() ? "true " : "false ") + args.at(1).toString();
        updates.replaceInStrings(ProgramMemory::encodeRefusal(tooLong), "refused");
        QTEST(progress, "progress");
        QTEST(updates, "updates");
    }

    // With the worker's real timings.
    void scanOverSimulatedPortsSkipsTheSilentOne()
    {
        QTemporaryDir dir;
        RegulonSim controllers[3];
        QStringList paths;
        for (int i = 0; i < 3; ++i) {
            paths << dir.filePath(QString("ttyRegulon%1").arg(i));
            QVERIFY2(controllers[i].plugIn(paths.last()), qPrintable(controllers[i].errorString()));
            controllers[i].setSerialNumber(QString("RG-%1").arg(i + 1));
        }
        controllers[1].setSilent(true);
        PortsVariable ports(paths.join(':').toLocal8Bit());
        Fixture f;
        f.manager.scanPorts();
        QTRY_COMPARE_WITH_TIMEOUT(f.regulons.count(), 1, 15000);
        using Map = QMap<QString, QString>;
        QCOMPARE(f.regulons.first().first().value<Map>(), (Map{{paths.at(0), "RG-1"}, {paths.at(2), "RG-3"}}));
        for (const RegulonSim &controller : controllers)
            QCOMPARE(controller.receivedCommands(), QStringList{"GET_INFO\n"});
    }

    // Missed answers of the temperature query, in order: "m" a missed one,
    // "a" an answered one; an answer follows at the end.
    void missedTemperaturesOverTheLine_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<std::vector<int>>("reports");
        const std::vector<int> lost{CM::ConnectionLost};
        QTest::newRow("seven missed") << QString(7, 'm') << lost;
        QTest::newRow("fourteen missed report once") << QString(14, 'm') << lost;
        QTest::newRow("six missed") << QString(6, 'm') << std::vector<int>{};
        QTest::newRow("six missed, an answer, six missed") << QString(6, 'm') + 'a' + QString(6, 'm')
                                                           << std::vector<int>{};
    }
    void missedTemperaturesOverTheLine()
    {
        QFETCH(QString, pattern);
        QFETCH(std::vector<int>, reports);
        QTemporaryDir dir;
        RegulonSim controller;
        QVERIFY(controller.plugIn(dir.filePath("ttyRegulon")));
        for (const QChar c : pattern) {
            if (c == 'm')
                controller.answerNextWith(QByteArray(), "GET_TEMP"); // nothing at all
            else
                controller.delayNextAnswer(0, "GET_TEMP");
        }
        Fixture f;
        SlaveThread::Timing t;
        t.pollAnswerWaitMs = 150;
        t.pollGapMs = 30;
        t.answerGapMs = 50;
        t.pauseMs = 20;
        f.manager.worker().setTiming(t);
        QSignalSpy temperatures(&f.manager, &CM::getTempData);
        f.manager.changePort(controller.linkPath());
        f.manager.startPolling();
        QTRY_COMPARE_WITH_TIMEOUT(temperatures.count(), pattern.count('a') + 1, 15000);
        QVERIFY(controller.receivedCommands().count("GET_TEMP\n") > pattern.size());

        std::vector<int> statuses;
        for (const QList<QVariant> &args : f.statuses)
            statuses.push_back(args.at(0).value<CM::ProgramStatus>());
        QCOMPARE(statuses, reports);
        QCOMPARE(f.restartsAfterReports.size(), reports.size());
    }

    // With the worker's real timings.
    void unansweredStartOrStopOverTheLine_data()
    {
        QTest::addColumn<bool>("start");
        QTest::addColumn<int>("status");
        QTest::newRow("start") << true << int(CM::StartFailed);
        QTest::newRow("stop") << false << int(CM::StopFailed);
    }
    void unansweredStartOrStopOverTheLine()
    {
        QFETCH(bool, start);
        QTemporaryDir dir;
        RegulonSim controller;
        QVERIFY(controller.plugIn(dir.filePath("ttyRegulon")));
        controller.setSilent(true);
        Fixture f;
        f.manager.changePort(controller.linkPath());
        start ? f.manager.startProgram(1) : f.manager.stopProgram();
        QTRY_VERIFY_WITH_TIMEOUT(f.manager.worker().isFinished(), 5000);
        QTRY_COMPARE(f.statuses.count(), 1);
        QTEST(int(f.statuses.first().at(0).value<CM::ProgramStatus>()), "status");
        QCOMPARE(f.statuses.first().at(1).toString(), cantConnect);
        QCOMPARE(f.restartsAfterReports, std::vector<int>{1});
        QCOMPARE(controller.receivedCommands(), QStringList{start ? "CMD_STAR 1\n" : "CMD_STOP\n"});
    }

    void restartPassesArgumentsOnce_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("passed");
        QTest::newRow("program only") << QStringList{"/opt/station/vaporin-regulon"} << QStringList{};
        QTest::newRow("toolkit options") << QStringList{"vaporin-regulon", "-platform", "offscreen"}
                                         << QStringList{"-platform", "offscreen"};
        QTest::newRow("no arguments at all") << QStringList{} << QStringList{};
    }
    void restartPassesArgumentsOnce()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, passed);
        const QString program = "/opt/station/vaporin-regulon";
        const RestartCommand command = restartCommand(program, arguments);
        QCOMPARE(command.program, program);
        QCOMPARE(command.arguments, passed);
        // The restarted instance sees its program path first again; restarting
        // it must not make the list grow.
        const RestartCommand again = restartCommand(program, QStringList{program} + command.arguments);
        QCOMPARE(again.arguments, passed);
    }
};

QTEST_GUILESS_MAIN(TestCommunicationManager)
#include "tst_communicationmanager.moc"
