#include "device/communicationmanager.h"
#include "tools/regulon-sim/regulonsim.h"

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
    QString info;
};

// The serial line: the worker with short pauses and a simulated
// controller; the worker's outcomes as the protocol object receives them:
// queued, on this thread.
struct Fixture {
    QTemporaryDir dir;
    RegulonSim sim;
    SlaveThread worker;
    QObject receiver;
    QList<Outcome> outcomes;
    QElapsedTimer clock;

    Fixture(int answerGapMs = 50, int pauseMs = 20)
    {
        QVERIFY(sim.plugIn(dir.filePath("port")));
        SlaveThread::Timing t;
        t.answerGapMs = answerGapMs;
        t.pollAnswerWaitMs = 500;
        t.pauseMs = pauseMs;
        t.reopenRetryMs = 200;
        t.answerOverrunMs = 600;
        worker.setTiming(t);
        clock.start();
        for (const auto &[kind, signal] : {std::pair{"request", &SlaveThread::request},
                                           std::pair{"error", &SlaveThread::error},
                                           std::pair{"timeout", &SlaveThread::timeout}}) {
            QObject::connect(&worker, signal, &receiver,
                             [this, kind = QString(kind)](const QString &s, int id, const QString &info) {
                                 outcomes.append({kind, id, s, clock.elapsed(), info});
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
    void poll()
    {
        worker.setPolling(true);
        worker.switchPort(sim.linkPath());
    }
    // The answers to the commands handed over, one each (empty when none came).
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

    // A line that never falls silent ends the answer at its bounds (300 ms
    // wait and 600 ms beyond it, or the size) as a missed one.
    void answerThatNeverFallsSilentIsBounded_data()
    {
        QTest::addColumn<int>("intervalMs");
        QTest::addColumn<int>("lineBytes");
        QTest::addColumn<int>("minMs");
        QTest::addColumn<int>("maxMs");
        QTest::newRow("a line every 50 ms, bounded in time") << 50 << 60 << 900 << 1500;
        QTest::newRow("a flood, bounded in size") << 1 << 4000 << 0 << 700;
    }
    void answerThatNeverFallsSilentIsBounded()
    {
        QFETCH(int, intervalMs);
        QFETCH(int, lineBytes);
        QFETCH(int, minMs);
        QFETCH(int, maxMs);
        Fixture f(200, 20); // the lines come faster than the gap
        f.sim.setChatter(intervalMs, QByteArray(lineBytes - 1, 'x') + '\n');
        f.worker.switchPort(f.sim.linkPath());
        const qint64 sent = f.clock.elapsed();
        f.worker.sendCommand("GET_INFO\n", 300, 2, QString());
        QTRY_VERIFY_WITH_TIMEOUT(!f.outcomes.isEmpty(), 5000);
        const qint64 took = f.outcomes.first().atMs - sent;
        QCOMPARE(f.outcomes.first().kind, QString("timeout"));
        QVERIFY2(took >= minMs && took <= maxMs, qPrintable(QString::number(took)));
        f.sim.setChatter(0);
        QCOMPARE(f.ask({"GET_INFO\n"}), QStringList{"CON_INFO RG100001,0\n"});
    }

    void portThatCannotBeOpenedDropsEveryQueuedRequestWithAnOutcomeOfItsOwn()
    {
        Fixture f;
        f.sim.delayNextAnswer(300, "GET_INFO"); // the port is switched during this exchange
        f.worker.switchPort(f.sim.linkPath());
        f.worker.sendCommand("GET_INFO\n", 1000, 2, QString());
        QTRY_VERIFY(f.sim.receivedCommands().contains("GET_INFO\n"));
        const QString missing = f.dir.filePath("missing");
        f.worker.switchPort(missing);
        f.worker.sendCommand("CMD_STAR 1\n", 2000, 4, QString());
        f.worker.sendCommand("PUT_EEPROM\n", 1000, 7, "ACK_EEPROM 1;1");
        QTRY_VERIFY(f.worker.isFinished() && f.outcomes.size() == 3);
        QCoreApplication::processEvents();
        QCOMPARE(f.ids("request"), QList<int>{2});
        QCOMPARE(f.ids("error"), (QList<int>{4, 7}));
        QCOMPARE(f.outcomes[2].info, QString("ACK_EEPROM 1;1"));
        QCOMPARE(f.outcomes[1].text,
                 QString("Can't open %1, error code %2").arg(missing).arg(int(QSerialPort::DeviceNotFoundError)));
    }

    // The device vanishes while its port is open: a stop handed over then
    // fails to be written, so it is reported as a port failure (never sent)
    // rather than as unanswered, and it never goes out once the device is back.
    void commandThePortCannotTakeIsNotSent()
    {
        Fixture f;
        QCOMPARE(f.ask({"GET_INFO\n"}), QStringList{"CON_INFO RG100001,0\n"});
        f.outcomes.clear();
        f.sim.unplug();
        f.worker.sendCommand("CMD_STOP\n", 2000, 5, QString());
        QTRY_VERIFY_WITH_TIMEOUT(!f.outcomes.isEmpty() && f.worker.isFinished(), 5000); // it gave up reopening
        QCoreApplication::processEvents();
        QCOMPARE(f.outcomes.first().kind, QString("error"));
        QCOMPARE(f.outcomes.first().id, 5);
        QVERIFY(f.sim.plugInAgain());
        f.sim.clearReceivedCommands();
        QCOMPARE(f.ask({"GET_INFO\n"}), QStringList{"CON_INFO RG100001,0\n"});
        QCOMPARE(f.sim.receivedCommands(), QStringList{"GET_INFO\n"});
    }

    void requestHandedOverWhileTheThreadEndsIsNeverLost()
    {
        Fixture f(5, 0); // the thread decides to end right after each outcome
        f.worker.switchPort(f.sim.linkPath());
        QTRY_VERIFY(f.worker.isFinished());
        std::atomic<int> reported{0};
        QObject::connect(&f.worker, &SlaveThread::request, &f.worker, [&] { ++reported; }, Qt::DirectConnection);
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
        QTRY_COMPARE(f.ids("request"), expected);
    }
};

QTEST_GUILESS_MAIN(TestSlaveThread)
#include "tst_slavethread.moc"
