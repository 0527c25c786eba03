#include "register/timestamptoken.h"

#include <QCoreApplication>
#include <QFile>

#include <openssl/err.h>
#include <openssl/pem.h>
#include <openssl/ts.h>
#include <openssl/x509.h>

#include <ctime>
#include <memory>

namespace TimeStampToken {

namespace {

template<typename T, void (*free)(T *)>
struct Freer {
    void operator()(T *p) const { free(p); }
};
template<typename T, void (*free)(T *)>
using Owned = std::unique_ptr<T, Freer<T, free>>;

void freeCertificates(STACK_OF(X509) * certificates)
{
    sk_X509_pop_free(certificates, X509_free);
}

using Request = Owned<TS_REQ, TS_REQ_free>;
using Certificates = Owned<STACK_OF(X509), freeCertificates>;

// OpenSSL's reasons for the last failure, oldest first.
QString openSslErrors()
{
    QStringList reasons;
    while (const unsigned long code = ERR_get_error()) {
        char text[256];
        ERR_error_string_n(code, text, sizeof text);
        reasons << QString::fromLatin1(text);
    }
    return reasons.join(QLatin1String("; "));
}

QString failure(const QString &what)
{
    const QString reasons = openSslErrors();
    return reasons.isEmpty() ? what : QStringLiteral("%1 (%2)").arg(what, reasons);
}

Request makeRequest(const QByteArray &sha256, quint64 nonce)
{
    Request request(TS_REQ_new());
    Owned<TS_MSG_IMPRINT, TS_MSG_IMPRINT_free> imprint(TS_MSG_IMPRINT_new());
    Owned<X509_ALGOR, X509_ALGOR_free> algorithm(X509_ALGOR_new());
    Owned<ASN1_INTEGER, ASN1_INTEGER_free> number(ASN1_INTEGER_new());
    if (!request || !imprint || !algorithm || !number)
        return nullptr;
    X509_ALGOR_set_md(algorithm.get(), EVP_sha256());
    if (!TS_MSG_IMPRINT_set_algo(imprint.get(), algorithm.get())
        || !TS_MSG_IMPRINT_set_msg(imprint.get(),
                                   reinterpret_cast<unsigned char *>(const_cast<char *>(sha256.constData())),
                                   sha256.size())
        || !ASN1_INTEGER_set_uint64(number.get(), nonce) || !TS_REQ_set_version(request.get(), 1)
        || !TS_REQ_set_msg_imprint(request.get(), imprint.get()) || !TS_REQ_set_nonce(request.get(), number.get())
        || !TS_REQ_set_cert_req(request.get(), 1))
        return nullptr;
    return request;
}

// Every certificate of the PEM file.
Certificates readCertificates(const QString &file, QString *error)
{
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) {
        *error = QCoreApplication::translate("TimeStampToken", "The authority's certificate %1 cannot be read: %2")
                     .arg(file, in.errorString());
        return nullptr;
    }
    const QByteArray pem = in.readAll();
    Owned<BIO, BIO_free_all> bio(BIO_new_mem_buf(pem.constData(), pem.size()));
    Certificates certificates(sk_X509_new_null());
    while (X509 *certificate = PEM_read_bio_X509(bio.get(), nullptr, nullptr, nullptr))
        sk_X509_push(certificates.get(), certificate);
    ERR_clear_error(); // the end of the file reads as an error
    if (sk_X509_num(certificates.get()) == 0) {
        *error = QCoreApplication::translate("TimeStampToken", "The file %1 holds no certificate (PEM).").arg(file);
        return nullptr;
    }
    return certificates;
}

QDateTime utc(const ASN1_GENERALIZEDTIME *time)
{
    std::tm tm{};
    if (!time || !ASN1_TIME_to_tm(time, &tm))
        return {};
    return QDateTime(QDate(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday), QTime(tm.tm_hour, tm.tm_min, tm.tm_sec),
                     Qt::UTC);
}

} // namespace

QByteArray request(const QByteArray &sha256, quint64 nonce)
{
    const Request request = makeRequest(sha256, nonce);
    unsigned char *der = nullptr;
    const int size = request ? i2d_TS_REQ(request.get(), &der) : -1;
    if (size <= 0)
        return {};
    const QByteArray bytes(reinterpret_cast<const char *>(der), size);
    OPENSSL_free(der);
    return bytes;
}

Reply tokenOfReply(const QByteArray &reply)
{
    Reply result;
    const auto *p = reinterpret_cast<const unsigned char *>(reply.constData());
    const Owned<TS_RESP, TS_RESP_free> response(d2i_TS_RESP(nullptr, &p, reply.size()));
    if (!response) {
        result.error = failure(QCoreApplication::translate("TimeStampToken", "The answer is no time-stamp reply."));
        return result;
    }
    // 0 granted, 1 granted with modifications; the rest are refusals.
    const long status = ASN1_INTEGER_get(TS_STATUS_INFO_get0_status(TS_RESP_get_status_info(response.get())));
    PKCS7 *token = TS_RESP_get_token(response.get());
    if ((status != 0 && status != 1) || !token) {
        result.error = QCoreApplication::translate("TimeStampToken", "The authority refused the request (status %1).")
                           .arg(status);
        return result;
    }
    unsigned char *der = nullptr;
    const int size = i2d_PKCS7(token, &der);
    if (size <= 0) {
        result.error = failure(QCoreApplication::translate("TimeStampToken", "The token cannot be encoded."));
        return result;
    }
    result.token = QByteArray(reinterpret_cast<const char *>(der), size);
    OPENSSL_free(der);
    return result;
}

Check verify(const QByteArray &token, const QString &certificateFile, const QByteArray &sha256, quint64 nonce)
{
    Check check;
    ERR_clear_error();
    Certificates certificates = readCertificates(certificateFile, &check.error);
    if (!certificates)
        return check;
    const auto *p = reinterpret_cast<const unsigned char *>(token.constData());
    const Owned<PKCS7, PKCS7_free> signedToken(d2i_PKCS7(nullptr, &p, token.size()));
    if (!signedToken) {
        check.error = failure(QCoreApplication::translate("TimeStampToken", "The token cannot be read."));
        return check;
    }
    // The very request that was sent gives the imprint and the nonce to
    // compare with.
    Request request = makeRequest(sha256, nonce);
    Owned<TS_VERIFY_CTX, TS_VERIFY_CTX_free> context(
        request ? TS_REQ_to_TS_VERIFY_CTX(request.get(), nullptr) : nullptr);
    Owned<X509_STORE, X509_STORE_free> store(X509_STORE_new());
    if (!context || !store) {
        check.error = failure(QCoreApplication::translate("TimeStampToken", "The token cannot be checked."));
        return check;
    }
    for (int i = 0; i < sk_X509_num(certificates.get()); ++i)
        X509_STORE_add_cert(store.get(), sk_X509_value(certificates.get(), i));
    // The certificate given is the anchor, whoever issued it.
    X509_STORE_set_flags(store.get(), X509_V_FLAG_PARTIAL_CHAIN);
    TS_VERIFY_CTX_add_flags(context.get(), TS_VFY_SIGNATURE);
    TS_VERIFY_CTX_set_store(context.get(), store.release());
    TS_VERIFY_CTX_set_certs(context.get(), certificates.release());
    if (TS_RESP_verify_token(context.get(), signedToken.get()) != 1) {
        check.error = failure(QCoreApplication::translate("TimeStampToken", "The token does not verify."));
        return check;
    }
    const Owned<TS_TST_INFO, TS_TST_INFO_free> info(PKCS7_to_TS_TST_INFO(signedToken.get()));
    check.time = utc(info ? TS_TST_INFO_get_time(info.get()) : nullptr);
    if (!check.time.isValid())
        check.error = QCoreApplication::translate("TimeStampToken", "The token's time cannot be read.");
    return check;
}

} // namespace TimeStampToken
