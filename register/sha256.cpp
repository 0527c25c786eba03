#include "register/sha256.h"

#include "register/logfile.h"

#include <QFile>

#include <openssl/evp.h>

void Sha256::Free::operator()(evp_md_ctx_st *context) const
{
    EVP_MD_CTX_free(context);
}

Sha256::Sha256() : context(EVP_MD_CTX_new())
{
    // Allocation and set-up fail only when memory runs out, as QByteArray would.
    Q_CHECK_PTR(context.get());
    EVP_DigestInit_ex(context.get(), EVP_sha256(), nullptr);
}

Sha256::~Sha256() = default;

void Sha256::add(const char *data, qint64 size)
{
    if (size > 0)
        EVP_DigestUpdate(context.get(), data, size_t(size));
}

QString Sha256::hex()
{
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    EVP_DigestFinal_ex(context.get(), digest, &length);
    EVP_DigestInit_ex(context.get(), EVP_sha256(), nullptr);
    return QString::fromLatin1(QByteArray(reinterpret_cast<const char *>(digest), int(length)).toHex());
}

QString Sha256::hex(const QByteArray &bytes)
{
    Sha256 hash;
    hash.add(bytes);
    return hash.hex();
}

QString Sha256::ofFile(const QString &fileName, QString *error)
{
    QFile file;
    if (!LogFile::open(file, LogFile::path(fileName))) {
        if (error)
            *error = file.errorString();
        return {};
    }
    Sha256 hash;
    QByteArray block(1 << 16, Qt::Uninitialized);
    for (;;) {
        const qint64 n = file.read(block.data(), block.size());
        if (n < 0) {
            if (error)
                *error = file.errorString();
            return {};
        }
        if (n == 0)
            break;
        hash.add(block.constData(), n);
    }
    return hash.hex();
}
