#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

struct evp_md_ctx_st;

// SHA-256 through the system's crypto library, which uses the processor's
// SHA instructions: verifying a register hashes about a gigabyte of logs and
// samples, ten times faster than QCryptographicHash does.
class Sha256
{
public:
    Sha256();
    ~Sha256();
    Sha256(const Sha256 &) = delete;
    Sha256 &operator=(const Sha256 &) = delete;

    void add(const char *data, qint64 size);
    void add(const QByteArray &bytes) { add(bytes.constData(), bytes.size()); }
    // The digest as lowercase hex; the object starts anew afterwards.
    QString hex();

    static QString hex(const QByteArray &bytes);
    // Of a file's bytes, read in blocks; empty with *error set when it
    // cannot be read. The name is a log's (see LogFile).
    static QString ofFile(const QString &fileName, QString *error = nullptr);

private:
    struct Free {
        void operator()(evp_md_ctx_st *context) const;
    };
    std::unique_ptr<evp_md_ctx_st, Free> context;
};
