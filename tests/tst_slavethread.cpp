#include "device/communicationmanager.h"
#include "tools/regulon-sim/chambermodel.h"
#include "tools/regulon-sim/factoryprograms.h"
#include "tools/regulon-sim/regulonsim.h"
#include "tools/regulon-sim/simconsole.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Outcome {
    QString kind; // "request", "error" or "timeout"
    int id;
    QString text;
    qint64 atMs;
};

// The serial line: the worker with short pauses and two simulated
// controllers; its outcomes as the protocol object receives them: queued,
// on this thread.
struct Fixture {
    QTemporaryDir dir;
    RegulonSim sim, other;
    SlaveThread worker;
    QObject receiver;
    QList<Outcome> outcomes;
    QElapsedTimer clock;

    Fixture()
    {
        QVERIFY(sim.plugIn(dir.filePath("port")) && other.plugIn(dir.filePath("other")));
        SlaveThread::Timing t;
        t.answerGapMs = 50;
        t.pollAnswerWaitMs = 500;
        t.pauseMs = 20;
        t.reopenRetryMs = 200;
        worker.setTiming(t);
        clock.start();
        for (const auto &[kind, signal] : {std::pair{"request", &SlaveThread::request},
                                           std::pair{"error", &SlaveThread::error},
                                           std::pair{"timeout", &SlaveThread::timeout}}) {
            QObject::connect(&worker, signal, &receiver, [this, kind = QString(kind)](const QString &s, int id) {
                outcomes.append({kind, id, s, clock.elapsed()});
            });
        }
    }

    QList<int> ids(const QString &kind) const
    {
        QList<int> result;
        for (const Outcome &o : outcomes) {
            if (o.kind == kind)
                result << o.id;
        }
        return result;
    }
    qint64 shortestGap(const QString &kind) const
    {
        qint64 gap = 1 << 30, last = -gap;
        for (const Outcome &o : outcomes) {
            if (o.kind == kind)
                gap = std::min(gap, o.atMs - std::exchange(last, o.atMs));
        }
        return gap;
    }
    // The worker's answers to the commands, one each (empty when none came).
    QStringList ask(const QStringList &commands)
    {
        outcomes.clear();
        worker.switchPort(sim.linkPath());
        for (const QString &command : commands)
            worker.sendCommand(command, 300, 0, QString());
        for (int waited = 0; outcomes.size() < commands.size() && waited < 5000; waited += 10)
            QTest::qWait(10);
        QStringList answers;
        for (const Outcome &o : outcomes)
            answers << (o.kind == "request" ? o.text : QString());
        return answers;
    }
    void poll()
    {
        worker.setPolling(true);
        worker.switchPort(sim.linkPath());
    }
};

} // namespace

class TestSlaveThread : public QObject
{
    Q_OBJECT

private slots:
    // Handed-over requests go before the next temperature query, in order;
    // the run status is asked after every other answered temperature.
    void requestsAndPollingCycle()
    {
        Fixture f;
        f.sim.delayNextAnswer(300, "GET_DIGI"); // keeps the cycle open while we hand over
        f.poll();
        QTRY_VERIFY(f.sim.receivedCommands().contains("GET_DIGI\n"));
        f.worker.sendCommand("GET_INFO\n", 1000, 2, QString());
        f.worker.sendCommand("GET_VERSION\n", 1000, -2, QString());
        f.worker.sendCommand("CMD_STOP\n", 2000, 5, QString());
        QTRY_VERIFY_WITH_TIMEOUT(f.outcomes.size() >= 11, 5000);
        QCOMPARE(f.sim.receivedCommands().mid(0, 11),
                 (QStringList{"GET_TEMP\n", "GET_DIGI\n", "GET_STAT\n", "GET_INFO\n", "GET_VERSION\n", "CMD_STOP\n",
                              "GET_TEMP\n", "GET_DIGI\n", "GET_TEMP\n", "GET_DIGI\n", "GET_STAT\n"}));
        QCOMPARE(f.ids("request").mid(0, 11), (QList<int>{-1, 9, 6, 2, -2, 5, -1, 9, -1, 9, 6}));
    }

    // Answers end at the first silent gap; what comes before a command is
    // written is not taken for its answer.
    void answerEndsAtTheFirstSilentGap_data()
    {
        QTest::addColumn<bool>("polled");
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("delayMs");
        QTest::addColumn<int>("waitMs");
        QTest::addColumn<QString>("first"); // empty: no answer
        const QString info = "CON_INFO RG100001,0\n";
        const QString temperature = "DAT_TEMP 20.0,0.0,0,0.0\n";
        QTest::newRow("handed over, two chunks 50 ms apart") << false << "split" << 50 << 1000 << info;
        QTest::newRow("handed over, later than its wait") << false << "delay" << 150 << 50 << QString();
        QTest::newRow("polled, two chunks 50 ms apart") << true << "split" << 50 << 0 << temperature;
        QTest::newRow("polled, byte by byte 20 ms apart") << true << "trickle" << 20 << 0 << temperature;
        QTest::newRow("polled, two chunks 150 ms apart") << true << "split" << 150 << 0 << temperature.left(12);
    }
    void answerEndsAtTheFirstSilentGap()
    {
        QFETCH(bool, polled);
        QFETCH(QString, fault);
        QFETCH(int, delayMs);
        QFETCH(int, waitMs);
        QFETCH(QString, first);
        Fixture f;
        SlaveThread::Timing t; // the real gap that ends a polled answer
        t.answerGapMs = 200;
        t.pauseMs = 300; // a late rest arrives before the next command
        f.worker.setTiming(t);
        const QByteArray keyword = polled ? "GET_TEMP" : "GET_INFO";
        if (fault == "split")
            f.sim.splitNextAnswer(delayMs, keyword);
        else if (fault == "trickle")
            f.sim.trickleNextAnswer(delayMs, keyword);
        else
            f.sim.delayNextAnswer(delayMs, keyword);
        if (polled) {
            f.poll();
        } else {
            f.worker.switchPort(f.sim.linkPath());
            f.worker.sendCommand("GET_INFO\n", waitMs, CommunicationManager::ReqInfo, QString());
            f.worker.sendCommand("GET_VERSION\n", 1000, CommunicationManager::ReqVersion, QString());
        }
        QTRY_VERIFY_WITH_TIMEOUT(f.outcomes.size() >= 2, 10000);
        QCOMPARE(f.outcomes[0].kind == "request" ? f.outcomes[0].text : QString(), first);
        QCOMPARE(f.outcomes[1].text, polled ? "DAT_DIGI 00000000,00000000,00000000\n" : "DAT_VERSION FW-Rev 2.4.1 HW-B\n");
        if (!polled) {
            QTRY_VERIFY(f.worker.isFinished());
            QCOMPARE(f.outcomes.size(), 2);
        }
    }

    void portThatCannotBeOpenedReportsTheFirstQueuedRequestAndDropsTheQueue()
    {
        Fixture f;
        f.sim.delayNextAnswer(300, "GET_INFO"); // the port is switched during this exchange
        f.worker.switchPort(f.sim.linkPath());
        f.worker.sendCommand("GET_INFO\n", 1000, 2, QString());
        QTRY_VERIFY(f.sim.receivedCommands().contains("GET_INFO\n"));
        const QString missing = f.dir.filePath("missing");
        f.worker.switchPort(missing);
        f.worker.sendCommand("CMD_STAR 1\n", 2000, 4, QString());
        f.worker.sendCommand("CMD_STOP\n", 2000, 5, QString());
        QTRY_VERIFY(f.worker.isFinished() && f.outcomes.size() == 2);
        QCoreApplication::processEvents();
        QCOMPARE(f.ids("request"), QList<int>{2});
        QCOMPARE(f.ids("error"), QList<int>{4}); // nothing of the dropped rest
        QCOMPARE(f.outcomes[1].text,
                 QString("Can't open %1, error code %2").arg(missing).arg(int(QSerialPort::DeviceNotFoundError)));
    }

    // Retries every few seconds; each takes the port switched to last.
    void unpluggedControllerIsRetriedUntilItIsBack_data()
    {
        QTest::addColumn<bool>("switchPort");
        QTest::newRow("plugged in again") << false;
        QTest::newRow("port switched meanwhile") << true;
    }
    void unpluggedControllerIsRetriedUntilItIsBack()
    {
        QFETCH(bool, switchPort);
        Fixture f;
        f.poll();
        QTRY_VERIFY(f.ids("request").contains(9));
        f.sim.unplug();
        QTRY_VERIFY_WITH_TIMEOUT(f.ids("error").size() >= 3, 5000);
        QCOMPARE(f.ids("timeout").size(), 1);
        QVERIFY(f.shortestGap("error") >= 150);
        const int answered = f.ids("request").size();
        if (switchPort)
            f.worker.switchPort(f.other.linkPath());
        else
            QVERIFY(f.sim.plugInAgain());
        QTRY_VERIFY_WITH_TIMEOUT(f.ids("request").mid(answered).contains(9), 3000);
    }

    // A port in error ends the library's waits at once.
    void portInErrorIsNotPolledInABusyLoop()
    {
        Fixture f;
        f.sim.setSilent(true);
        f.poll();
        QTRY_VERIFY(!f.ids("timeout").isEmpty());
        f.sim.unplug();
        QTRY_VERIFY_WITH_TIMEOUT(f.ids("timeout").size() >= 3, 5000);
        QVERIFY(f.shortestGap("timeout") >= 400);
    }

    // The port is checked after a polling cycle, not in the middle of it.
    void switchedPortTakesEffectAtTheNextPortCheck()
    {
        Fixture f;
        f.sim.delayNextAnswer(300, "GET_TEMP");
        f.poll();
        QTRY_VERIFY(f.sim.receivedCommands().contains("GET_TEMP\n"));
        f.worker.switchPort(f.other.linkPath());
        QTRY_VERIFY_WITH_TIMEOUT(f.other.receivedCommands().size() >= 2, 5000);
        QCOMPARE(f.sim.receivedCommands(), (QStringList{"GET_TEMP\n", "GET_DIGI\n"}));
        QCOMPARE(f.ids("request").size(), f.outcomes.size());
    }

    void requestHandedOverWhileTheThreadEndsIsNeverLost_data()
    {
        QTest::addColumn<bool>("portOpens");
        QTest::newRow("thread ends after the last answer") << true;
        QTest::newRow("thread ends after a port that cannot be opened") << false;
    }
    void requestHandedOverWhileTheThreadEndsIsNeverLost()
    {
        QFETCH(bool, portOpens);
        Fixture f;
        SlaveThread::Timing t;
        t.answerGapMs = 5;
        t.pauseMs = 0; // the thread decides to end right after each outcome
        f.worker.setTiming(t);
        f.worker.switchPort(portOpens ? f.sim.linkPath() : f.dir.filePath("missing"));
        QTRY_VERIFY(f.worker.isFinished() && f.outcomes.size() == (portOpens ? 0 : 1));
        f.outcomes.clear();
        std::atomic<int> reported{0};
        QObject::connect(&f.worker, portOpens ? &SlaveThread::request : &SlaveThread::error, &f.worker,
                         [&] { ++reported; }, Qt::DirectConnection);
        QList<int> expected;
        for (int i = 0; i < 150; ++i) {
            f.worker.sendCommand("GET_INFO\n", 1000, i, QString());
            expected << i;
            QElapsedTimer clock;
            clock.start();
            while (reported <= i && clock.elapsed() < 3000) {
            }
            QCOMPARE(reported.load(), i + 1);
            // Hand the next request over at slightly different moments around the end decision.
            clock.start();
            const qint64 spinNs = QRandomGenerator::global()->bounded(300) * 1000;
            while (clock.nsecsElapsed() < spinNs) {
            }
        }
        QTRY_COMPARE(f.ids(portOpens ? "request" : "error"), expected);
    }

    void simulatorAnswersInTheControllersFormats()
    {
        Fixture f;
        QVERIFY(f.sim.setPrograms({FactoryPrograms::program("Test", {{30.0, 1}})}));
        f.sim.setSpeed(600.0); // heating and holding take 0.2 s
        f.sim.setFirmwareVersion("9.8.7");
        QCOMPARE(f.ask({"GET_VERSION\n", "CMD_STAR 2\n", "CMD_STAR 1\n", "CMD_STAR 1\n"}),
                 (QStringList{"DAT_VERSION FW-Rev 9.8.7 HW-B\n", "ACK_STAR -4\n", "ACK_STAR 0\n", "ACK_STAR -1\n"}));
        QTRY_COMPARE(f.sim.runState(), 60);
        QCOMPARE(f.ask({"GET_STAT\n", "GET_DIGI\n", "GET_INFO\n", "CMD_STOP\n"}),
                 (QStringList{"DAT_STAT 1,60\n", "DAT_DIGI 00000000,00000000,00000040\n", "CON_INFO RG100001,1\n",
                              "ACK_STOP -1\n"}));
        // A new start clears the finished bit; a stop marks the stop by the user.
        QCOMPARE(f.ask({"CMD_STAR 1\n", "GET_DIGI\n", "CMD_STOP\n", "GET_DIGI\n", "GET_STAT\n"}),
                 (QStringList{"ACK_STAR 0\n", "DAT_DIGI 00000000,00000000,00000000\n", "ACK_STOP 2\n",
                              "DAT_DIGI 00000000,00000000,02000000\n", "DAT_STAT 1,50\n"}));
    }

    // Lines on the simulator's standard input; "!" marks one it must refuse.
    void simulatorConsoleChangesTheAnswers_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("commands");
        QTest::addColumn<QStringList>("answers");
        const QString info = "CON_INFO RG100001,0\n";
        QTest::newRow("status bits") << QStringList{"bit 2 16 on", "bit 1 31 on", "bit 1 31 off", "sensor-fault on"}
                                     << QStringList{"GET_DIGI\n", "GET_STAT\n"}
                                     << QStringList{"DAT_DIGI 00000000,00010000,00000000\n", "DAT_STAT 0,0\n"};
        QTest::newRow("start refused once") << QStringList{"refuse start -6", "refuse stop 0"}
                                            << QStringList{"CMD_STAR 1\n", "CMD_STAR 1\n", "CMD_STOP\n"}
                                            << QStringList{"ACK_STAR -6\n", "ACK_STAR 0\n", "ACK_STOP 0\n"};
        QTest::newRow("raw answer waits for its keyword")
            << QStringList{"answer GET_TEMP dat_temp 1,2\\x41\\r\\n", "serial SN-42", "cycle 17", "temp 121.5"}
            << QStringList{"GET_INFO\n", "GET_TEMP\n", "GET_TEMP\n"}
            << QStringList{"CON_INFO SN-42,17\n", "dat_temp 1,2A\r\n", "DAT_TEMP 121.5,0.0,0,0.0\n"};
        QTest::newRow("silent and back") << QStringList{"silent on"} << QStringList{"GET_INFO\n"} << QStringList{""};
        QTest::newRow("malformed lines")
            << QStringList{"!bit 4 1 on", "!bit 3 32 on", "!silent maybe", "!delay -5", "!answer GET_INFO \\q",
                           "!refuse pause 1", "!speed 0", "!refuse write 6", "!corrupt 65", "!corrupt 3 0", "!frobnicate"}
            << QStringList{"GET_INFO\n", "GET_DIGI\n"} << QStringList{info, "DAT_DIGI 00000000,00000000,00000000\n"};
    }
    void simulatorConsoleChangesTheAnswers()
    {
        QFETCH(QStringList, lines);
        QFETCH(QStringList, commands);
        Fixture f;
        SimConsole console(f.sim);
        for (const QString &line : lines)
            QCOMPARE(console.execute(line.mid(line.startsWith('!'))).left(6), line.startsWith('!') ? "error:" : "ok");
        QTEST(f.ask(commands), "answers");
    }

    void chamberFollowsTheProgram_data()
    {
        QTest::addColumn<double>("seconds");
        QTest::addColumn<int>("phase");
        QTest::addColumn<double>("temperature");
        // 120 °C for 10 minutes, then 100 °C for 5 minutes, from 20 °C.
        using P = ChamberModel::Phase;
        QTest::newRow("heats 10 degrees a minute") << 60.0 << int(P::Heating) << 30.0;
        QTest::newRow("holds for the step's minutes") << 1199.0 << int(P::Holding) << 120.0;
        QTest::newRow("ramps to the next step") << 1260.0 << int(P::Heating) << 110.0;
        QTest::newRow("cools toward the room afterwards") << 2220.0 << int(P::Finished) << 20.0 + 80.0 * std::exp(-1.0);
    }
    void chamberFollowsTheProgram()
    {
        QFETCH(double, seconds);
        QFETCH(double, temperature);
        // One large step must end where many small ones do.
        ChamberModel once, stepwise;
        for (ChamberModel *model : {&once, &stepwise})
            model->start(FactoryPrograms::program("Test", {{120.0, 10}, {100.0, 5}}));
        once.advance(seconds);
        for (double t = 0; t < seconds; t += 0.5)
            stepwise.advance(std::min(0.5, seconds - t));
        for (const ChamberModel *model : {&once, &stepwise}) {
            QTEST(int(model->phase()), "phase");
            QVERIFY(std::abs(model->temperature() - temperature) < 1e-6);
        }
    }
};

QTEST_GUILESS_MAIN(TestSlaveThread)
#include "tst_slavethread.moc"
