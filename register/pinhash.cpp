#include "register/pinhash.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QStringList>

#include <openssl/crypto.h>
#include <openssl/evp.h>
#include <openssl/rand.h>

namespace PinHash {

namespace {

// About 50 ms and 16 MiB on a station's processor: slow for a thief who
// guesses, unnoticed by an operator who signs.
constexpr quint64 costN = 1 << 14;
constexpr quint64 blockR = 8;
constexpr quint64 parallelP = 1;
constexpr int saltBytes = 16;
constexpr int hashBytes = 32;
// What a stored hash may ask for at most: a damaged or planted row must not
// make the station allocate gigabytes.
constexpr quint64 maxN = 1 << 20;
constexpr int minLength = 4;

QByteArray derive(const QString &pin, const QByteArray &salt, quint64 n, quint64 r, quint64 p, int size)
{
    const QByteArray secret = pin.toUtf8();
    QByteArray out(size, '\0');
    const bool ok = EVP_PBE_scrypt(secret.constData(), size_t(secret.size()),
                                   reinterpret_cast<const unsigned char *>(salt.constData()), size_t(salt.size()), n,
                                   r, p, 1024 * 1024 * 1024, reinterpret_cast<unsigned char *>(out.data()),
                                   size_t(out.size()))
        == 1;
    return ok ? out : QByteArray();
}

} // namespace

QString problem(const QString &pin)
{
    if (pin.size() < minLength)
        return QCoreApplication::translate("PinHash", "A PIN has at least %1 characters.").arg(minLength);
    return {};
}

QString make(const QString &pin)
{
    QByteArray salt(saltBytes, '\0');
    if (RAND_bytes(reinterpret_cast<unsigned char *>(salt.data()), salt.size()) != 1)
        return {};
    const QByteArray hash = derive(pin, salt, costN, blockR, parallelP, hashBytes);
    if (hash.isEmpty())
        return {};
    return QStringLiteral("scrypt$%1$%2$%3$%4$%5")
        .arg(costN)
        .arg(blockR)
        .arg(parallelP)
        .arg(QString::fromLatin1(salt.toBase64()), QString::fromLatin1(hash.toBase64()));
}

bool matches(const QString &pin, const QString &stored)
{
    const QStringList parts = stored.split(QLatin1Char('$'));
    if (parts.size() != 6 || parts[0] != QLatin1String("scrypt"))
        return false;
    bool okN = false;
    bool okR = false;
    bool okP = false;
    const quint64 n = parts[1].toULongLong(&okN);
    const quint64 r = parts[2].toULongLong(&okR);
    const quint64 p = parts[3].toULongLong(&okP);
    const QByteArray salt = QByteArray::fromBase64(parts[4].toLatin1());
    const QByteArray expected = QByteArray::fromBase64(parts[5].toLatin1());
    if (!okN || !okR || !okP || n < 2 || n > maxN || r < 1 || r > 32 || p < 1 || p > 4 || salt.isEmpty()
        || expected.size() < 16 || expected.size() > 64)
        return false;
    const QByteArray hash = derive(pin, salt, n, r, p, expected.size());
    return !hash.isEmpty() && CRYPTO_memcmp(hash.constData(), expected.constData(), size_t(hash.size())) == 0;
}

} // namespace PinHash
