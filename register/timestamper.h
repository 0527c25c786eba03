#pragma once

#include "register/registerlocation.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QThread>
#include <QUrl>

#include <memory>

// Has the heads of all of the register's chains time-stamped by an outside
// authority (RFC 3161) once a day and whenever asked (after each release),
// and stores each token that verifies against the authority's certificate
// in the register. Works on a thread of its own with its own connection:
// an authority or network that is slow or away holds up nothing else. A
// failed attempt is tried again after a wait that doubles each time (from
// one minute up to an hour), and at once when asked again.
class TimeStamper : public QObject
{
    Q_OBJECT

public:
    struct Authority {
        QUrl url;                // where requests are POSTed
        QString certificateFile; // the authority's certificate, PEM
    };

    // Looks at once whether the newest stamp is a day old.
    TimeStamper(const RegisterLocation &location, const Authority &authority, QObject *parent = nullptr);
    // Ends its thread; a request under way is abandoned.
    ~TimeStamper() override;

    // Whether the heads are due to be stamped when the newest stamp has the
    // authority's time newest (invalid: there is none) and this computer's
    // clock says now: a day on, or when the clock is far behind the
    // authority's (it was set back, or the stamp would never be due).
    static bool due(const QDateTime &newest, const QDateTime &now);

    // The first wait after a failure and the longest; 1 min and 1 h unless set.
    void setRetryDelays(int firstMs, int longestMs);
    // How often it looks whether the newest stamp is a day old; hourly unless set.
    void setDailyCheckInterval(int ms);

public slots:
    // Stamps the heads as they are now, as soon as an attempt under way ends.
    void stamp();

signals:
    void stamped(qint64 id, const QDateTime &authorityTime);
    // An attempt failed; the next comes in retryMs.
    void failed(const QString &reason, int retryMs);

private:
    class Work;
    template<typename Call>
    void onThread(Call &&call);

    QThread thread;
    Work *work; // lives on the thread and is deleted there
};
