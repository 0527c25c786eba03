#pragma once

#include <QByteArray>
#include <QMutex>
#include <QMutexLocker>
#include <QQueue>
#include <QString>
#include <QThread>
#include <QWaitCondition>

class QSerialPort;

// One exchange handed over to the worker: the command line to send, how long
// to wait for the first byte of the answer, and two values that come back
// unchanged with the outcome so that the receiver can route it.
struct SlaveRequest {
    QString command;
    int waitMs = 0;
    int requestId = 0;
    QString requestInfo;
};

// The only code that touches the controller's serial port. It owns the port
// (created inside run()), performs blocking exchanges on its own thread and
// reports every outcome as a signal; it never interprets an answer.
class SlaveThread : public QThread
{
    Q_OBJECT

public:
    // Every wait and pause of the loop. The defaults are the controller's
    // real timings; tests may shorten them. Each start of the thread takes
    // the values set last.
    struct Timing {
        int writeWaitMs = 1000;      // handed-over command: wait for bytes written
        int answerGapMs = 1000;      // silence that ends a handed-over answer
        int pollWriteWaitMs = 100;   // polled query: wait for bytes written
        int pollAnswerWaitMs = 2000; // polled query: wait for the first byte
        int pollGapMs = 100;         // silence that ends a polled answer
        int statusWaitMs = 1000;     // first-byte wait of the run-status query
        int pauseMs = 1000;          // pause after an answer or a missed answer
        int reopenRetryMs = 5000;    // between attempts to reopen a lost port
        // An answer still arriving this long after its wait has ended is
        // none: room for the program memory image, which takes about 5 s
        // at 9600 baud.
        int answerOverrunMs = 8000;
    };

    // An answer that grows beyond this is none either: over three times the
    // largest real answer, the 65-line program memory image.
    static constexpr int maxAnswerBytes = 16 * 1024;

    explicit SlaveThread(QObject *parent = nullptr);
    ~SlaveThread() override;

    void switchPort(const QString &portName);
    void sendCommand(const QString &command, int waitMs, int requestId, const QString &requestInfo);
    void setPolling(bool on);

    void setTiming(const Timing &timing);
    Timing timing() const;

    // The bytes of an answer as the parsers receive it: UTF-8 up to the
    // first zero byte.
    static QString answerText(const QByteArray &bytes);

signals:
    void request(const QString &s, int requestId, const QString &requestInfo);
    // The port could not be opened: once for every request dropped with
    // it, with that request's id and information, or once with id -1 when
    // none was waiting.
    void error(const QString &s, int requestId, const QString &requestInfo);
    void timeout(const QString &s, int requestId, const QString &requestInfo);

protected:
    void run() override;

private:
    enum class Next { Request, Poll, End };
    // NotSent: the port failed to take the command, so the controller
    // cannot have received it.
    enum class Outcome { Answered, Unanswered, NotSent };

    // Called with the mutex held: (re)starts the thread unless it runs and
    // has not yet decided to end.
    void ensureRunningLocked(QMutexLocker &locker);

    // Steps of the loop; each touches shared state only under the mutex.
    Next takeNext(SlaveRequest *request);
    bool portSwitched(const QString &current);
    bool reopenPort(QSerialPort &port, QString *current, bool answeredOnce, const Timing &t);
    Outcome exchange(QSerialPort &port, const QString &command, int writeWaitMs, int answerWaitMs,
                     int gapMs, int overrunMs, QString *answer);
    void dropRequests(const QString &message);
    void reportTimeout(int requestId, const QString &requestInfo);
    bool pause(int ms); // false when quit interrupted it

    mutable QMutex mutex;
    QWaitCondition wakeUp;          // interrupts pauses when quit is set
    QString portName;
    bool quit = false;
    bool polling = false;
    bool active = false;            // run() is going on and has not decided to end
    QQueue<SlaveRequest> requests;
    Timing timings;
};
