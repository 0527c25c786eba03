#include "register/logfile.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool present(const QByteArray &path)
{
    struct stat status;
    return ::stat(path.constData(), &status) == 0;
}

} // namespace

QString LogFile::name(const QByteArray &path)
{
    const QString decoded = QFile::decodeName(path);
    return QFile::encodeName(decoded) == path ? decoded : QString::fromLatin1(path);
}

QByteArray LogFile::path(const QString &name)
{
    const QByteArray system = QFile::encodeName(name);
    const QByteArray latin1 = name.toLatin1();
    if (latin1 == system || QString::fromLatin1(latin1) != name || present(system))
        return system;
    return present(latin1) ? latin1 : system;
}

bool LogFile::exists(const QString &name)
{
    return present(path(name));
}

bool LogFile::open(QFile &file, const QByteArray &path)
{
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        // Qt's own attempt, for its message of why.
        file.setFileName(QFile::decodeName(path));
        return file.open(QIODevice::ReadOnly);
    }
    return file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
}
