#include "register/timestamper.h"

#include "app/logging.h"
#include "register/cycleregister.h"
#include "register/timestampstore.h"
#include "register/timestamptoken.h"

#include <QCryptographicHash>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QRandomGenerator>
#include <QTimer>

namespace {

// A stamp is due once the newest is this old, or this far ahead of the
// computer's clock.
constexpr qint64 dayMs = 24 * 3600 * 1000;
constexpr qint64 clockBehindMs = 3600 * 1000;
// An authority that has not answered by then is taken as away.
constexpr int requestTimeoutMs = 60000;

} // namespace

class TimeStamper::Work : public QObject
{
public:
    Work(TimeStamper *stamper, const RegisterLocation &location, const Authority &authority)
        : stamper(stamper), location(location), authority(authority)
    {
    }

    void start()
    {
        network = new QNetworkAccessManager(this);
        retry = new QTimer(this);
        retry->setSingleShot(true);
        connect(retry, &QTimer::timeout, this, [this] { attempt(); });
        daily = new QTimer(this);
        connect(daily, &QTimer::timeout, this, [this] { stampIfDue(); });
        daily->start(dailyCheckMs);
        stampIfDue();
    }

    void stampIfDue()
    {
        QString error;
        if (!open(&error))
            return failed(error);
        const std::optional<QDateTime> newest = TimeStampStore::newest(cycleRegister->database(), &error);
        if (!newest)
            return failed(error);
        if (due(*newest, QDateTime::currentDateTimeUtc()))
            attempt();
    }

    void attempt()
    {
        if (reply) {
            again = true; // the heads may have moved on since it was asked
            return;
        }
        retry->stop();
        QString error;
        if (!open(&error))
            return failed(error);
        const std::optional<QVector<ChainPosition>> heads =
            TimeStampStore::currentHeads(cycleRegister->database(), &error);
        if (!heads)
            return failed(error);
        if (heads->isEmpty())
            return; // nothing entered yet
        text = TimeStampStore::stampedText(*heads);
        digest = QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Sha256);
        // Positive as a signed 64-bit number: the register stores it so.
        nonce = QRandomGenerator::system()->generate64() >> 1;
        QNetworkRequest request(authority.url);
        request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/timestamp-query"));
        request.setTransferTimeout(requestTimeoutMs);
        reply = network->post(request, TimeStampToken::request(digest, nonce));
        connect(reply, &QNetworkReply::finished, this, [this] { answered(); });
    }

    void answered()
    {
        QNetworkReply *done = reply;
        reply = nullptr;
        done->deleteLater();
        if (done->error() != QNetworkReply::NoError)
            return failed(done->errorString());
        const TimeStampToken::Reply answer = TimeStampToken::tokenOfReply(done->readAll());
        if (!answer.error.isEmpty())
            return failed(answer.error);
        const TimeStampToken::Check check =
            TimeStampToken::verify(answer.token, authority.certificateFile, digest, nonce);
        if (!check.verified())
            return failed(check.error);
        TimeStamp stamp{0, text, nonce, answer.token, check.time};
        QString error;
        if (!TimeStampStore::insert(cycleRegister->database(), stamp, &error))
            return failed(error);
        qCDebug(lcRegister) << "time stamp" << stamp.id << "of" << check.time;
        nextRetryMs = firstRetryMs;
        QMetaObject::invokeMethod(stamper, [s = stamper, id = stamp.id, time = check.time] { emit s->stamped(id, time); },
                                  Qt::QueuedConnection);
        if (again) {
            again = false;
            attempt();
        }
    }

    bool open(QString *error)
    {
        if (!cycleRegister)
            cycleRegister = CycleRegister::opened(QStringLiteral("time stamps"), location, error);
        return cycleRegister != nullptr;
    }

    void failed(const QString &reason)
    {
        // A register that failed may work when opened anew.
        cycleRegister.reset();
        again = false;
        const int wait = nextRetryMs;
        nextRetryMs = std::min(nextRetryMs * 2, longestRetryMs);
        retry->start(wait);
        qCDebug(lcRegister) << "time stamp failed, again in" << wait << "ms:" << reason;
        QMetaObject::invokeMethod(stamper, [s = stamper, reason, wait] { emit s->failed(reason, wait); },
                                  Qt::QueuedConnection);
    }

    TimeStamper *stamper;
    const RegisterLocation location;
    const Authority authority;
    int firstRetryMs = 60 * 1000;
    int longestRetryMs = 3600 * 1000;
    int nextRetryMs = firstRetryMs;
    int dailyCheckMs = 3600 * 1000;
    QNetworkAccessManager *network = nullptr;
    QTimer *retry = nullptr;
    QTimer *daily = nullptr;
    QNetworkReply *reply = nullptr; // the request under way
    bool again = false;             // asked while it was under way
    QString text;
    QByteArray digest;
    quint64 nonce = 0;
    std::unique_ptr<CycleRegister> cycleRegister;
};

TimeStamper::TimeStamper(const RegisterLocation &location, const Authority &authority, QObject *parent)
    : QObject(parent), work(new Work(this, location, authority))
{
    work->moveToThread(&thread);
    connect(&thread, &QThread::finished, work, &QObject::deleteLater);
    thread.setObjectName(QStringLiteral("time stamps"));
    thread.start();
    onThread([w = work] { w->start(); });
}

TimeStamper::~TimeStamper()
{
    thread.quit();
    thread.wait();
}

bool TimeStamper::due(const QDateTime &newest, const QDateTime &now)
{
    if (!newest.isValid())
        return true;
    const qint64 age = newest.msecsTo(now);
    return age >= dayMs || age < -clockBehindMs;
}

template<typename Call>
void TimeStamper::onThread(Call &&call)
{
    QMetaObject::invokeMethod(work, std::forward<Call>(call), Qt::QueuedConnection);
}

void TimeStamper::setRetryDelays(int firstMs, int longestMs)
{
    onThread([w = work, firstMs, longestMs] {
        w->firstRetryMs = w->nextRetryMs = firstMs;
        w->longestRetryMs = longestMs;
        if (w->retry->isActive())
            w->retry->start(firstMs);
    });
}

void TimeStamper::setDailyCheckInterval(int ms)
{
    onThread([w = work, ms] {
        w->dailyCheckMs = ms;
        w->daily->start(ms);
    });
}

void TimeStamper::stamp()
{
    onThread([w = work] { w->attempt(); });
}
