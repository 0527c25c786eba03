#include "device/communicationmanager.h"
#include "device/slavethread.h"
#include "tools/regulon-sim/regulonsim.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QRandomGenerator>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

struct Outcome {
    QString kind; // "request", "error" or "timeout"
    QString text;
    int requestId;
    QString requestInfo;
    qint64 atMs;
};

// Receives the worker's signals the way the protocol object does: queued,
// on this thread.
class OutcomeLog : public QObject
{
public:
    explicit OutcomeLog(SlaveThread &worker)
    {
        clock.start();
        for (const auto &[kind, signal] : {std::pair{"request", &SlaveThread::request},
                                           std::pair{"error", &SlaveThread::error},
                                           std::pair{"timeout", &SlaveThread::timeout}}) {
            connect(&worker, signal, this,
                    [this, kind = QString::fromLatin1(kind)](const QString &s, int id, const QString &info) {
                        all.append({kind, s, id, info, clock.elapsed()});
                        if (waiting)
                            waiting->quit();
                    });
        }
    }

    QList<Outcome> of(const QString &kind) const
    {
        QList<Outcome> result;
        for (const Outcome &o : all)
            if (o.kind == kind)
                result.append(o);
        return result;
    }

    QList<int> ids(const QString &kind) const
    {
        QList<int> result;
        for (const Outcome &o : of(kind))
            result.append(o.requestId);
        return result;
    }

    // Returns as soon as the next outcome has arrived (or after timeoutMs).
    void waitForNext(int timeoutMs)
    {
        QEventLoop loop;
        waiting = &loop;
        QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
        loop.exec();
        waiting = nullptr;
    }

    QList<Outcome> all;
    QElapsedTimer clock;
    QEventLoop *waiting = nullptr;
};

// Short pauses so that the tests run quickly; the waits that end answers
// keep their real values unless a test needs otherwise.
SlaveThread::Timing fastTiming()
{
    SlaveThread::Timing t;
    t.answerGapMs = 50;
    t.pollAnswerWaitMs = 500;
    t.pauseMs = 20;
    t.reopenRetryMs = 300;
    return t;
}

QStringList withoutPolledStatus(const QStringList &commands)
{
    QStringList result;
    for (const QString &c : commands)
        if (c != QLatin1String("GET_DIGI\n") && c != QLatin1String("GET_STAT\n"))
            result.append(c);
    return result;
}

} // namespace

class TestSlaveThread : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void handedOverRequestsGoBeforeTheNextTemperatureQueryInOrder();
    void pollingAsksRunStatusAfterEveryOtherAnsweredTemperature();
    void answerInChunksIsReportedUpToTheFirstSilentGap_data();
    void answerInChunksIsReportedUpToTheFirstSilentGap();
    void inputThatArrivedBeforeACommandIsNotTakenForItsAnswer_data();
    void inputThatArrivedBeforeACommandIsNotTakenForItsAnswer();
    void portThatCannotBeOpenedReportsTheFirstQueuedRequestAndDropsTheQueue();
    void unpluggedControllerIsRetriedUntilItIsPluggedInAgain();
    void switchedPortTakesEffectAtTheNextPortCheck_data();
    void switchedPortTakesEffectAtTheNextPortCheck();
    void requestHandedOverWhileTheThreadEndsIsNeverLost_data();
    void requestHandedOverWhileTheThreadEndsIsNeverLost();
    void destructionInterruptsThePause();
    void answerTextIsUtf8UpToTheFirstZeroByte_data();
    void answerTextIsUtf8UpToTheFirstZeroByte();

private:
    QString link(const char *name) const { return dir->filePath(QString::fromLatin1(name)); }
    void startPollingOn(RegulonSim &sim);

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<RegulonSim> sim;
    std::unique_ptr<SlaveThread> worker;
    std::unique_ptr<OutcomeLog> outcomes;
};

void TestSlaveThread::init()
{
    dir = std::make_unique<QTemporaryDir>();
    sim = std::make_unique<RegulonSim>();
    QVERIFY2(sim->plugIn(link("port")), qPrintable(sim->errorString()));
    worker = std::make_unique<SlaveThread>();
    worker->setTiming(fastTiming());
    outcomes = std::make_unique<OutcomeLog>(*worker);
}

void TestSlaveThread::cleanup()
{
    worker.reset();
    outcomes.reset();
    sim.reset();
    dir.reset();
}

void TestSlaveThread::startPollingOn(RegulonSim &on)
{
    worker->setPolling(true);
    worker->switchPort(on.linkPath());
}

void TestSlaveThread::handedOverRequestsGoBeforeTheNextTemperatureQueryInOrder()
{
    // A slow digital-status answer keeps the cycle open while we hand over.
    sim->delayNextAnswer(300, "GET_DIGI");
    startPollingOn(*sim);
    QTRY_VERIFY_WITH_TIMEOUT(sim->receivedCommands().contains(QStringLiteral("GET_TEMP\n")), 3000);

    const int base = sim->receivedCommands().lastIndexOf(QStringLiteral("GET_TEMP\n"));
    worker->sendCommand(QStringLiteral("GET_INFO\n"), 1000, 2, QStringLiteral("info"));
    worker->sendCommand(QStringLiteral("GET_VERSION\n"), 1000, -2, QStringLiteral("info"));
    worker->sendCommand(QStringLiteral("CMD_STOP\n"), 2000, 5, QString());

    QTRY_VERIFY_WITH_TIMEOUT(withoutPolledStatus(sim->receivedCommands().mid(base + 1)).size() >= 4, 5000);
    const QStringList expected{QStringLiteral("GET_INFO\n"), QStringLiteral("GET_VERSION\n"),
                               QStringLiteral("CMD_STOP\n"), QStringLiteral("GET_TEMP\n")};
    QCOMPARE(withoutPolledStatus(sim->receivedCommands().mid(base + 1)).mid(0, 4), expected);
    QTRY_COMPARE_WITH_TIMEOUT(outcomes->of(QStringLiteral("request")).size() >= 6, true, 3000);
    QList<int> handedOver;
    for (int id : outcomes->ids(QStringLiteral("request")))
        if (id == 2 || id == -2 || id == 5)
            handedOver.append(id);
    QCOMPARE(handedOver, (QList<int>{2, -2, 5}));
}

void TestSlaveThread::pollingAsksRunStatusAfterEveryOtherAnsweredTemperature()
{
    startPollingOn(*sim);
    const QString t = QStringLiteral("GET_TEMP\n");
    const QString d = QStringLiteral("GET_DIGI\n");
    const QString s = QStringLiteral("GET_STAT\n");
    const QStringList expected{t, d, s, t, d, t, d, s, t, d, t, d, s};
    QTRY_VERIFY_WITH_TIMEOUT(sim->receivedCommands().size() >= expected.size(), 10000);
    QCOMPARE(sim->receivedCommands().mid(0, expected.size()), expected);
    QTRY_VERIFY_WITH_TIMEOUT(outcomes->all.size() >= expected.size(), 3000);
    QCOMPARE(outcomes->ids(QStringLiteral("request")).mid(0, expected.size()),
             (QList<int>{-1, 9, 6, -1, 9, -1, 9, 6, -1, 9, -1, 9, 6}));
    QVERIFY(outcomes->of(QStringLiteral("timeout")).isEmpty());
}

void TestSlaveThread::answerInChunksIsReportedUpToTheFirstSilentGap_data()
{
    QTest::addColumn<bool>("polled");
    QTest::addColumn<bool>("byteByByte");
    QTest::addColumn<int>("delayMs");
    QTest::addColumn<QString>("expected");

    const QString info = QStringLiteral("CON_INFO RG100001,0\n");
    const QString temperature = QStringLiteral("DAT_TEMP 20.0,0.0,0,0.0\n");
    QTest::newRow("handed-over answer, two chunks 50 ms apart") << false << false << 50 << info;
    QTest::newRow("handed-over answer, two chunks 900 ms apart") << false << false << 900 << info;
    QTest::newRow("polled answer, two chunks 50 ms apart") << true << false << 50 << temperature;
    QTest::newRow("polled answer, byte by byte 20 ms apart") << true << true << 20 << temperature;
    QTest::newRow("polled answer, two chunks 150 ms apart") << true << false << 150 << temperature.left(12);
}

void TestSlaveThread::answerInChunksIsReportedUpToTheFirstSilentGap()
{
    QFETCH(bool, polled);
    QFETCH(bool, byteByByte);
    QFETCH(int, delayMs);
    QFETCH(QString, expected);

    SlaveThread::Timing t; // the real gaps that end an answer
    t.pauseMs = 20;
    worker->setTiming(t);
    const QByteArray keyword = polled ? "GET_TEMP" : "GET_INFO";
    if (byteByByte)
        sim->trickleNextAnswer(delayMs, keyword);
    else
        sim->splitNextAnswer(delayMs, keyword);

    const int id = polled ? -1 : 2;
    if (polled)
        startPollingOn(*sim);
    else {
        worker->switchPort(sim->linkPath());
        worker->sendCommand(QStringLiteral("GET_INFO\n"), 1000, id, QString());
    }
    QTRY_VERIFY_WITH_TIMEOUT(outcomes->ids(QStringLiteral("request")).contains(id), 5000);
    QCOMPARE(outcomes->of(QStringLiteral("request")).first().text, expected);
    if (!polled) {
        QTRY_VERIFY_WITH_TIMEOUT(worker->isFinished(), 3000);
        QCOMPARE(outcomes->all.size(), 1);
    }
}

void TestSlaveThread::inputThatArrivedBeforeACommandIsNotTakenForItsAnswer_data()
{
    QTest::addColumn<bool>("polled");
    QTest::newRow("answer to a handed-over request later than its wait") << false;
    QTest::newRow("rest of a polled answer after the gap that ended it") << true;
}

void TestSlaveThread::inputThatArrivedBeforeACommandIsNotTakenForItsAnswer()
{
    QFETCH(bool, polled);
    SlaveThread::Timing t = fastTiming();
    t.pauseMs = 300; // the stray bytes arrive during the pause before the next command
    worker->setTiming(t);
    int nextId = 0;
    QString expected;
    if (polled) {
        sim->splitNextAnswer(150, "GET_TEMP");
        startPollingOn(*sim);
        nextId = CommunicationManager::ReqDigital;
        expected = QStringLiteral("DAT_DIGI 00000000,00000000,00000000\n");
    } else {
        sim->delayNextAnswer(150, "GET_INFO");
        worker->switchPort(sim->linkPath());
        worker->sendCommand(QStringLiteral("GET_INFO\n"), 50, CommunicationManager::ReqInfo, QString());
        worker->sendCommand(QStringLiteral("GET_VERSION\n"), 1000, CommunicationManager::ReqVersion, QString());
        nextId = CommunicationManager::ReqVersion;
        expected = QStringLiteral("DAT_VERSION FW-Rev 2.4.1 HW-B\n");
    }
    QTRY_VERIFY_WITH_TIMEOUT(outcomes->ids(QStringLiteral("request")).contains(nextId), 5000);
    const QList<Outcome> answers = outcomes->of(QStringLiteral("request"));
    const auto next = std::find_if(answers.begin(), answers.end(), [&](const Outcome &o) { return o.requestId == nextId; });
    QCOMPARE(next->text, expected);
    if (polled)
        QCOMPARE(answers.first().text, QStringLiteral("DAT_TEMP 20.0,0.0,0,0.0\n").left(12));
    else
        QCOMPARE(outcomes->ids(QStringLiteral("timeout")), QList<int>{CommunicationManager::ReqInfo});
}

void TestSlaveThread::portThatCannotBeOpenedReportsTheFirstQueuedRequestAndDropsTheQueue()
{
    // While a slow exchange runs, the port is switched to one that does not
    // exist and two more requests are queued.
    sim->delayNextAnswer(300, "GET_INFO");
    worker->switchPort(sim->linkPath());
    worker->sendCommand(QStringLiteral("GET_INFO\n"), 1000, 2, QString());
    QTRY_VERIFY_WITH_TIMEOUT(sim->receivedCommands().contains(QStringLiteral("GET_INFO\n")), 3000);
    const QString missing = link("missing");
    worker->switchPort(missing);
    worker->sendCommand(QStringLiteral("CMD_STAR 1\n"), 2000, 4, QString());
    worker->sendCommand(QStringLiteral("CMD_STOP\n"), 2000, 5, QString());

    QTRY_VERIFY_WITH_TIMEOUT(worker->isFinished(), 5000);
    QCOMPARE(outcomes->ids(QStringLiteral("request")), QList<int>{2});
    QCOMPARE(outcomes->ids(QStringLiteral("error")), QList<int>{4});
    QCOMPARE(outcomes->of(QStringLiteral("error")).first().text,
             QStringLiteral("Can't open %1, error code %2").arg(missing).arg(int(QSerialPort::DeviceNotFoundError)));
    QVERIFY(outcomes->of(QStringLiteral("timeout")).isEmpty());

    // Nothing of the dropped queue comes back once the port works again.
    sim->clearReceivedCommands();
    worker->switchPort(sim->linkPath());
    worker->sendCommand(QStringLiteral("GET_VERSION\n"), 1000, -2, QString());
    QTRY_VERIFY_WITH_TIMEOUT(worker->isFinished() && outcomes->all.size() == 3, 3000);
    QCOMPARE(sim->receivedCommands(), QStringList{QStringLiteral("GET_VERSION\n")});
    QCOMPARE(outcomes->all.last().requestId, -2);
}

void TestSlaveThread::unpluggedControllerIsRetriedUntilItIsPluggedInAgain()
{
    startPollingOn(*sim);
    QTRY_VERIFY_WITH_TIMEOUT(outcomes->ids(QStringLiteral("request")).contains(9), 3000);

    sim->unplug();
    QTRY_VERIFY_WITH_TIMEOUT(outcomes->of(QStringLiteral("error")).size() >= 4, 5000);
    const QList<Outcome> timeouts = outcomes->of(QStringLiteral("timeout"));
    QCOMPARE(timeouts.size(), 1);
    QVERIFY(timeouts.first().requestId == -1 || timeouts.first().requestId == 9);
    const QList<Outcome> errors = outcomes->of(QStringLiteral("error"));
    for (int i = 1; i < errors.size(); ++i) {
        const qint64 gap = errors.at(i).atMs - errors.at(i - 1).atMs;
        QVERIFY2(gap >= 250 && gap < 1000, qPrintable(QString::number(gap)));
        QCOMPARE(errors.at(i).requestId, -1);
    }

    const int answered = outcomes->of(QStringLiteral("request")).size();
    QVERIFY(sim->plugInAgain());
    QTRY_VERIFY_WITH_TIMEOUT(outcomes->ids(QStringLiteral("request")).mid(answered).contains(9), 3000);
    QVERIFY(sim->receivedCommands().contains(QStringLiteral("GET_TEMP\n")));
}

void TestSlaveThread::switchedPortTakesEffectAtTheNextPortCheck_data()
{
    QTest::addColumn<QByteArray>("slowKeyword");
    QTest::addColumn<QString>("handedOver");
    QTest::addColumn<QString>("lastOnOldPort");

    QTest::newRow("during a handed-over exchange") << QByteArray("GET_INFO") << QStringLiteral("GET_INFO\n")
                                                   << QStringLiteral("GET_INFO\n");
    QTest::newRow("during the temperature query") << QByteArray("GET_TEMP") << QString()
                                                  << QStringLiteral("GET_DIGI\n");
    QTest::newRow("during the digital-status query") << QByteArray("GET_DIGI") << QString()
                                                     << QStringLiteral("GET_DIGI\n");
}

void TestSlaveThread::switchedPortTakesEffectAtTheNextPortCheck()
{
    QFETCH(QByteArray, slowKeyword);
    QFETCH(QString, handedOver);
    QFETCH(QString, lastOnOldPort);

    RegulonSim other;
    QVERIFY(other.plugIn(link("other")));
    sim->delayNextAnswer(300, slowKeyword);
    startPollingOn(*sim);
    if (!handedOver.isEmpty())
        worker->sendCommand(handedOver, 1000, 2, QString());
    const QString slow = QString::fromLatin1(slowKeyword + '\n');
    QTRY_VERIFY_WITH_TIMEOUT(sim->receivedCommands().contains(slow), 3000);

    worker->switchPort(other.linkPath());
    QTRY_VERIFY_WITH_TIMEOUT(other.receivedCommands().size() >= 2, 5000);
    QCOMPARE(sim->receivedCommands().last(), lastOnOldPort);
    QCOMPARE(sim->receivedCommands().count(slow), 1);
    QVERIFY(outcomes->of(QStringLiteral("timeout")).isEmpty());
    QVERIFY(outcomes->of(QStringLiteral("error")).isEmpty());
}

void TestSlaveThread::requestHandedOverWhileTheThreadEndsIsNeverLost_data()
{
    QTest::addColumn<bool>("portOpens");
    QTest::newRow("thread ends after the last answer") << true;
    QTest::newRow("thread ends after a port that cannot be opened") << false;
}

void TestSlaveThread::requestHandedOverWhileTheThreadEndsIsNeverLost()
{
    QFETCH(bool, portOpens);

    SlaveThread::Timing t;
    t.answerGapMs = 5;
    t.pauseMs = 0; // the thread decides to end right after each outcome
    worker->setTiming(t);
    worker->switchPort(portOpens ? sim->linkPath() : link("missing"));
    // Without a request the thread ends at once; a port that cannot be
    // opened says so first, with an empty queue.
    if (!portOpens)
        QTRY_COMPARE_WITH_TIMEOUT(outcomes->ids(QStringLiteral("error")), QList<int>{-1}, 3000);
    QTRY_VERIFY_WITH_TIMEOUT(worker->isFinished(), 3000);
    outcomes->all.clear();

    constexpr int rounds = 200;
    for (int i = 0; i < rounds; ++i) {
        worker->sendCommand(QStringLiteral("GET_INFO\n"), 1000, i, QString::number(i));
        QElapsedTimer waited;
        waited.start();
        while (outcomes->all.size() <= i && waited.elapsed() < 3000)
            outcomes->waitForNext(3000);
        QCOMPARE(outcomes->all.size(), i + 1);
        // Hand the next request over at slightly different moments around
        // the end decision.
        QElapsedTimer spin;
        spin.start();
        const qint64 spinNs = QRandomGenerator::global()->bounded(300) * 1000;
        while (spin.nsecsElapsed() < spinNs) {
        }
    }
    const QString kind = portOpens ? QStringLiteral("request") : QStringLiteral("error");
    QList<int> expected;
    for (int i = 0; i < rounds; ++i)
        expected.append(i);
    QCOMPARE(outcomes->ids(kind), expected);
}

void TestSlaveThread::destructionInterruptsThePause()
{
    worker->setTiming(SlaveThread::Timing());
    startPollingOn(*sim);
    QTRY_VERIFY_WITH_TIMEOUT(outcomes->ids(QStringLiteral("request")).contains(-1), 3000);
    // The worker now pauses for a second before the digital-status query.
    QElapsedTimer clock;
    clock.start();
    worker.reset();
    QVERIFY2(clock.elapsed() < 300, qPrintable(QString::number(clock.elapsed())));
}

void TestSlaveThread::answerTextIsUtf8UpToTheFirstZeroByte_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("plain answer") << QByteArray("DAT_TEMP 1,2,3,4\n") << QStringLiteral("DAT_TEMP 1,2,3,4\n");
    QTest::newRow("zero byte ends it") << QByteArray("CON_INFO 12\0" "34,5\n", 17) << QStringLiteral("CON_INFO 12");
    QTest::newRow("zero byte first") << QByteArray("\0DAT", 4) << QString();
    QTest::newRow("UTF-8 degree sign") << QByteArray("21\xc2\xb0") << QStringLiteral("21\u00b0");
    QTest::newRow("invalid UTF-8") << QByteArray("A\xff") << QStringLiteral("A\ufffd");
}

void TestSlaveThread::answerTextIsUtf8UpToTheFirstZeroByte()
{
    QFETCH(QByteArray, bytes);
    QTEST(SlaveThread::answerText(bytes), "text");
}

QTEST_GUILESS_MAIN(TestSlaveThread)
#include "tst_slavethread.moc"
