#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

// A time stamp the register holds: an authority's token over the SHA-256 of
// the stamped text, which lists the chains' heads at the time.
struct TimeStamp {
    qint64 id = 0;
    QString stampedText;
    quint64 nonce = 0;   // of the request, which the token repeats
    QByteArray token;    // the TimeStampToken, DER
    QDateTime stampedAt; // the authority's time, UTC
};
