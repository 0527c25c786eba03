#include "device/slavethread.h"

#include "app/logging.h"
#include "device/communicationmanager.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QSerialPort>
#include <QTime>

SlaveThread::SlaveThread(QObject *parent)
    : QThread(parent)
{
}

SlaveThread::~SlaveThread()
{
    {
        QMutexLocker locker(&mutex);
        quit = true;
        wakeUp.wakeAll();
    }
    wait();
}

void SlaveThread::switchPort(const QString &portName)
{
    QMutexLocker locker(&mutex);
    qCDebug(lcSerial) << "switch port to" << portName;
    this->portName = portName;
    quit = false;
    ensureRunningLocked(locker);
}

void SlaveThread::sendCommand(const QString &command, int waitMs, int requestId, const QString &requestInfo)
{
    QMutexLocker locker(&mutex);
    requests.enqueue(SlaveRequest{command, waitMs, requestId, requestInfo});
    ensureRunningLocked(locker);
}

void SlaveThread::setPolling(bool on)
{
    QMutexLocker locker(&mutex);
    polling = on;
}

void SlaveThread::setTiming(const Timing &timing)
{
    QMutexLocker locker(&mutex);
    timings = timing;
}

SlaveThread::Timing SlaveThread::timing() const
{
    QMutexLocker locker(&mutex);
    return timings;
}

QString SlaveThread::answerText(const QByteArray &bytes)
{
    return QString::fromUtf8(bytes.constData(), int(qstrnlen(bytes.constData(), uint(bytes.size()))));
}

void SlaveThread::ensureRunningLocked(QMutexLocker &locker)
{
    if (active)
        return;
    // Marked before unlocking so that concurrent callers do not start twice.
    active = true;
    locker.unlock();
    // A run() that has decided to end neither emits nor touches shared state
    // any more, so waiting for it without the mutex cannot deadlock.
    wait();
    qCDebug(lcSerial) << "worker thread started";
    start(QThread::InheritPriority);
    locker.relock();
}

void SlaveThread::run()
{
    qCDebug(lcSerial) << "worker loop starts";
    Timing t;
    {
        QMutexLocker locker(&mutex);
        t = timings;
    }
    QSerialPort port;
    QString current;
    bool reopen = portSwitched(current);
    bool answeredOnce = false;
    int answeredTemperatures = 0;

    for (;;) {
        if (reopen && !reopenPort(port, &current, answeredOnce, t))
            return;
        reopen = false;

        SlaveRequest handed;
        const Next next = takeNext(&handed);
        if (next == Next::End)
            return;

        QString answer;
        if (next == Next::Request) {
            qCDebug(lcSerial) << "request" << handed.requestId << handed.command;
            const Outcome outcome = exchange(port, handed.command, t.writeWaitMs, handed.waitMs, t.answerGapMs,
                                             t.answerOverrunMs, &answer);
            if (outcome == Outcome::Answered)
                emit request(answer, handed.requestId, handed.requestInfo);
            else if (outcome == Outcome::NotSent)
                emit error(tr("Can't write to %1").arg(current), handed.requestId, handed.requestInfo);
            else
                reportTimeout(handed.requestId, handed.requestInfo);
            pause(t.pauseMs);
            // A port that cannot take a command is gone: open it again.
            reopen = outcome == Outcome::NotSent || portSwitched(current);
            continue;
        }

        if (exchange(port, QStringLiteral("GET_TEMP\n"), t.pollWriteWaitMs, t.pollAnswerWaitMs, t.pollGapMs,
                     t.answerOverrunMs, &answer)
            != Outcome::Answered) {
            reportTimeout(CommunicationManager::ReqTemperature, QString());
            // Until the controller has answered once, a silent line is not a
            // reason to reopen the port.
            reopen = answeredOnce;
            continue;
        }
        answeredOnce = true;
        emit request(answer, CommunicationManager::ReqTemperature, QString());
        if (!pause(t.pauseMs))
            continue;
        if (answeredTemperatures++ % 2 == 0)
            sendCommand(QStringLiteral("GET_STAT\n"), t.statusWaitMs, CommunicationManager::ReqStatus, QString());

        if (exchange(port, QStringLiteral("GET_DIGI\n"), t.pollWriteWaitMs, t.pollAnswerWaitMs, t.pollGapMs,
                     t.answerOverrunMs, &answer)
            != Outcome::Answered) {
            reportTimeout(CommunicationManager::ReqDigital, QString());
            reopen = true;
            continue;
        }
        emit request(answer, CommunicationManager::ReqDigital, QString());
        reopen = portSwitched(current);
    }
}

SlaveThread::Next SlaveThread::takeNext(SlaveRequest *request)
{
    QMutexLocker locker(&mutex);
    if (!quit && !requests.isEmpty()) {
        *request = requests.dequeue();
        return Next::Request;
    }
    if (!quit && polling)
        return Next::Poll;
    // The end is decided under the mutex: a request handed over from now on
    // finds the thread inactive and starts it again.
    active = false;
    return Next::End;
}

bool SlaveThread::portSwitched(const QString &current)
{
    QMutexLocker locker(&mutex);
    return portName != current;
}

bool SlaveThread::reopenPort(QSerialPort &port, QString *current, bool answeredOnce, const Timing &t)
{
    for (;;) {
        {
            QMutexLocker locker(&mutex);
            if (quit) {
                active = false;
                return false;
            }
            // Retries pick up a port switched meanwhile instead of insisting
            // on a port that may be gone for good.
            *current = portName;
        }
        if (port.isOpen())
            port.close();
        port.setPortName(*current);
        if (port.open(QIODevice::ReadWrite)) {
            qCDebug(lcSerial) << "opened" << *current;
            return true;
        }
        const int code = port.error();
        qCDebug(lcSerial) << "cannot open" << *current << "error" << code;
        dropRequests(tr("Can't open %1, error code %2").arg(*current, QString::number(code)));
        if (answeredOnce) {
            pause(t.reopenRetryMs);
            continue;
        }
        QMutexLocker locker(&mutex);
        // A request handed over since the queue was dropped gets an attempt
        // (and an outcome) of its own instead of being left behind.
        if (requests.isEmpty()) {
            active = false;
            return false;
        }
    }
}

// Each dropped request gets its outcome: a start or stop the controller
// never received must not leave its sender waiting for ever.
void SlaveThread::dropRequests(const QString &message)
{
    QQueue<SlaveRequest> dropped;
    {
        QMutexLocker locker(&mutex);
        dropped.swap(requests);
    }
    if (dropped.isEmpty())
        emit error(message, -1, QString());
    for (const SlaveRequest &request : qAsConst(dropped))
        emit error(message, request.requestId, request.requestInfo);
}

SlaveThread::Outcome SlaveThread::exchange(QSerialPort &port, const QString &command, int writeWaitMs,
                                           int answerWaitMs, int gapMs, int overrunMs, QString *answer)
{
    bool sent = port.isOpen();
    if (sent) {
        // What arrived before the command is written cannot answer it: the
        // rest of an answer that outlasted its wait, or noise on the line.
        port.clear(QSerialPort::Input);
        port.write(command.toUtf8());
        // A port whose device is gone fails the write at once; a slow one
        // only times out, and what it took may still reach the controller.
        sent = port.waitForBytesWritten(writeWaitMs) || port.bytesToWrite() == 0
            || port.error() == QSerialPort::NoError || port.error() == QSerialPort::TimeoutError;
        // Reported as not sent, it must never go out later (a stop long after).
        if (!sent)
            port.clear(QSerialPort::Output);
    }
    QElapsedTimer clock;
    clock.start();
    if (sent && port.waitForReadyRead(answerWaitMs)) {
        QByteArray data = port.readAll();
        // A line that never falls silent (a console, a receiver that
        // streams) would keep this read going for ever and growing.
        while (port.waitForReadyRead(gapMs)) {
            data += port.readAll();
            if (data.size() > maxAnswerBytes || clock.elapsed() > answerWaitMs + overrunMs) {
                qCDebug(lcSerial) << "answer to" << command << "still running after" << clock.elapsed() << "ms and"
                                  << data.size() << "bytes, taken as none:" << data.left(80);
                return Outcome::Unanswered;
            }
        }
        *answer = answerText(data);
        return Outcome::Answered;
    }
    // A port in error ends the library's wait at once; waiting out the rest
    // keeps a broken line from turning the loop into a busy spin.
    pause(answerWaitMs - int(clock.elapsed()));
    if (!sent)
        qCDebug(lcSerial) << command << "not sent:" << port.errorString();
    return sent ? Outcome::Unanswered : Outcome::NotSent;
}

void SlaveThread::reportTimeout(int requestId, const QString &requestInfo)
{
    qCDebug(lcSerial) << "no answer to request" << requestId;
    emit timeout(tr("Wait read request timeout %1").arg(QTime::currentTime().toString()), requestId, requestInfo);
}

bool SlaveThread::pause(int ms)
{
    const QDeadlineTimer deadline(qMax(0, ms));
    QMutexLocker locker(&mutex);
    while (!quit && !deadline.hasExpired())
        wakeUp.wait(&mutex, deadline);
    return !quit;
}
