#include "records/nofollowfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool isLink(const QByteArray &path)
{
    struct stat status {};
    return ::lstat(path.constData(), &status) == 0 && S_ISLNK(status.st_mode);
}

bool fail(QString *errorString, const QString &message)
{
    if (errorString)
        *errorString = message;
    return false;
}

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

int openFlags(QIODevice::OpenMode mode)
{
    int flags = O_CLOEXEC | O_NOFOLLOW;
    const bool writing = mode & QIODevice::WriteOnly;
    if ((mode & QIODevice::ReadWrite) == QIODevice::ReadWrite)
        flags |= O_RDWR;
    else
        flags |= writing ? O_WRONLY : O_RDONLY;
    if (writing && !(mode & QIODevice::ExistingOnly))
        flags |= O_CREAT;
    if (mode & QIODevice::NewOnly)
        flags |= O_EXCL;
    if (mode & QIODevice::Append)
        flags |= O_APPEND;
    // As QFile: writing alone replaces the content.
    else if (mode & QIODevice::Truncate || (writing && !(mode & QIODevice::ReadOnly)))
        flags |= O_TRUNC;
    return flags;
}

// Opens with the access for a file it creates; -1 with errno otherwise.
int openDescriptor(const QByteArray &path, int flags, NoFollowFile::Access access)
{
    const bool ownerOnly = access == NoFollowFile::Access::OwnerOnly;
    const int fd = ::open(path.constData(), flags, ownerOnly ? 0600 : 0666);
    // The umask only takes bits away: the owner's own may be gone too.
    if (fd >= 0 && ownerOnly && (flags & O_CREAT) && ::fchmod(fd, 0600) != 0) {
        const int error = errno;
        ::close(fd);
        errno = error;
        return -1;
    }
    return fd;
}

bool writeAll(int fd, const QByteArray &bytes)
{
    const char *data = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        left -= written;
    }
    return true;
}

} // namespace

QString NoFollowFile::linkRefusal(const QString &fileName)
{
    return QCoreApplication::translate("NoFollowFile",
                                       "%1 is a symbolic link. The station writes no record through a link; "
                                       "remove the link or choose another name.")
        .arg(QDir::toNativeSeparators(fileName));
}

bool NoFollowFile::write(const QString &fileName, const QByteArray &bytes, Access access, QString *errorString)
{
    const QByteArray path = QFile::encodeName(fileName);
    if (isLink(path))
        return fail(errorString, linkRefusal(fileName));
    // A name of its own beside the final one, so that the rename stays on
    // one file system; never one that exists, link or not.
    QByteArray temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temporary = path + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 16) + ".new";
        fd = openDescriptor(temporary, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, access);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0)
        return fail(errorString, systemError(errno));
    bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
    int error = written ? 0 : errno;
    if (::close(fd) != 0 && written) {
        written = false;
        error = errno;
    }
    // A link planted meanwhile is replaced by the rename, never followed.
    if (written && ::rename(temporary.constData(), path.constData()) != 0) {
        written = false;
        error = errno;
    }
    if (!written) {
        ::unlink(temporary.constData());
        return fail(errorString, systemError(error));
    }
    return true;
}

bool NoFollowFile::makeFolder(const QString &path, Access access)
{
    if (access == Access::Shared)
        return QDir().mkpath(path);
    const QString absolute = QDir::cleanPath(QDir::current().absoluteFilePath(path));
    if (QFileInfo(absolute).isDir())
        return true;
    const QString parent = QFileInfo(absolute).path();
    if (parent != absolute && !makeFolder(parent, access))
        return false;
    // mkdir's mode passes through the umask, which may only take bits away.
    return (::mkdir(QFile::encodeName(absolute).constData(), 0700) == 0 || errno == EEXIST)
        && QFileInfo(absolute).isDir();
}

bool NoFollowFile::open(QFile &file, const QString &fileName, QIODevice::OpenMode mode, Access access,
                        QString *errorString)
{
    const QByteArray path = QFile::encodeName(fileName);
    const int fd = openDescriptor(path, openFlags(mode), access);
    if (fd < 0) {
        const int error = errno;
        // O_NOFOLLOW says ELOOP, O_EXCL says EEXIST for a link.
        return fail(errorString, isLink(path) ? linkRefusal(fileName) : systemError(error));
    }
    file.setFileName(fileName);
    if (!file.open(fd, mode, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return fail(errorString, file.errorString());
    }
    return true;
}
