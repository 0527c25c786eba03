#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

// RFC 3161 time stamps through OpenSSL: the request for a SHA-256 imprint,
// the token out of an authority's reply, and the check of a token against
// the authority's certificate.
namespace TimeStampToken {

// A TimeStampReq (DER) for the SHA-256 digest, with the nonce, asking for
// the authority's certificate in the token.
QByteArray request(const QByteArray &sha256, quint64 nonce);

struct Reply {
    QByteArray token; // the TimeStampToken (DER) when granted
    QString error;    // otherwise why not
};
// The token of a TimeStampResp (DER).
Reply tokenOfReply(const QByteArray &reply);

struct Check {
    QDateTime time; // the authority's time (UTC) when the token verifies
    QString error;  // otherwise why it does not
    bool verified() const { return error.isEmpty(); }
};
// The token was signed by the authority of the certificate file (PEM; the
// certificate is trusted as it is, also when a CA issued it), for this
// digest and nonce.
Check verify(const QByteArray &token, const QString &certificateFile, const QByteArray &sha256, quint64 nonce);

} // namespace TimeStampToken
