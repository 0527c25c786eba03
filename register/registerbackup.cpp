#include "register/registerbackup.h"

#include "app/logging.h"
#include "records/nofollowfile.h"
#include "register/backupcheck.h"
#include "register/backupgenerations.h"
#include "register/backupstatus.h"
#include "register/cycleregister.h"
#include "register/sha256.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

const QString partSuffix = QStringLiteral(".part");

// Written data reaches the disk before the file is given its final name:
// a renamed backup must not turn out empty after a power cut.
bool sync(const QString &path)
{
#ifdef Q_OS_WIN
    QFile file(path);
    return file.open(QIODevice::ReadWrite) && _commit(file.handle()) == 0;
#else
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
#endif
}

// Copies a log under a temporary name and renames it when complete, with
// the original's modification time, which the next backup compares.
bool copyLog(const QString &from, const QString &to, QString *error)
{
    const QString part = to + partSuffix;
    QFile::remove(part);
    QFile source(from);
    if (!source.copy(part)) {
        *error = RegisterBackup::tr("The log %1 cannot be copied to %2: %3")
                     .arg(native(from), native(to), source.errorString());
        QFile::remove(part);
        return false;
    }
    QFile copy(part);
    if (!copy.open(QIODevice::ReadWrite) || !copy.setFileTime(QFileInfo(from).lastModified(),
                                                              QFileDevice::FileModificationTime)) {
        *error = RegisterBackup::tr("The copy %1 cannot be written: %2").arg(native(part), copy.errorString());
        return false;
    }
    copy.close();
    if (!sync(part) || !QFile::rename(part, to)) {
        *error = RegisterBackup::tr("The copy %1 cannot be completed.").arg(native(to));
        QFile::remove(part);
        return false;
    }
    return true;
}

// Whether a log differs from its copy. Only the size and time are compared
// unless they differ, so that a daily backup does not read every log the
// register names; a file system that keeps the time coarser (FAT's 2 s)
// costs the reading, never a wrong answer.
bool differs(const QFileInfo &log, const QFileInfo &copy)
{
    if (!log.exists())
        return false;
    if (log.size() == copy.size() && log.lastModified() == copy.lastModified())
        return false;
    return Sha256::ofFile(log.filePath()) != Sha256::ofFile(copy.filePath());
}

struct Attempt {
    const BackupPolicy &policy;
    const std::atomic<bool> *stop;
    RegisterBackup::Result result;

    bool fail(const QString &why)
    {
        result.error = why;
        return false;
    }

    bool run(CycleRegister &live);
    bool copyRegister(CycleRegister &live, const QString &part);
    bool copyLogs(CycleRegister &live);
    void prune();
};

bool Attempt::run(CycleRegister &live)
{
    const QString folder = policy.folder;
    if (folder.isEmpty())
        return fail(RegisterBackup::tr("No backup folder is chosen."));
    if (!QFileInfo(folder).isDir())
        return fail(
            RegisterBackup::tr("The backup folder %1 is not there (is its disk plugged in?).").arg(native(folder)));
    QDir dir(folder);
    // What an attempt that was cut off left: never a backup.
    // SQLite's journals beside the copy too: a copy killed while it was
    // written leaves its rollback journal.
    for (const QString &name : dir.entryList({QLatin1String("*") + partSuffix, QStringLiteral("*.part-wal"),
                                              QStringLiteral("*.part-shm"), QStringLiteral("*.part-journal")},
                                             QDir::Files))
        dir.remove(name);
    const QString made = BackupGenerations::fileName(QDateTime::currentDateTimeUtc());
    const QString file = dir.filePath(made);
    const QString part = file + partSuffix;
    if (!copyRegister(live, part))
        return false;
    if (!copyLogs(live)) {
        QFile::remove(part); // not left to fill a disk that is full already
        return false;
    }
    const CycleVerifier::Report report = BackupCheck::run(part, dir.filePath(QStringLiteral("logs")));
    QFile::remove(part + QStringLiteral("-wal"));
    QFile::remove(part + QStringLiteral("-shm"));
    if (!report.intact()) {
        QFile::remove(part);
        QString why = report.error;
        if (why.isEmpty())
            why = report.problems.size() == 1
                ? report.problems.first().text
                : RegisterBackup::tr("%1 (and %n more problems)", nullptr, int(report.problems.size() - 1))
                      .arg(report.problems.first().text);
        return fail(RegisterBackup::tr("The backup does not verify: %1").arg(why));
    }
    if (!sync(part) || QFile::exists(file) || !QFile::rename(part, file)) {
        QFile::remove(part);
        return fail(RegisterBackup::tr("The backup cannot be named %1.").arg(native(file)));
    }
    sync(folder);
    result.entries = report.entries;
    result.file = file;
    result.verified = true;
    prune();
    return true;
}

bool Attempt::copyRegister(CycleRegister &live, const QString &part)
{
    // A consistent snapshot of the live register, also while the writer
    // enters a cycle; never a plain copy of a file that is being written.
    // Made empty first, the owner's alone as the register is: SQLite keeps
    // the mode of the file it copies into.
    QFile made;
    QString error;
    if (!NoFollowFile::open(made, part, QIODevice::WriteOnly | QIODevice::NewOnly, NoFollowFile::Access::OwnerOnly,
                            &error))
        return fail(RegisterBackup::tr("The register cannot be copied to %1: %2").arg(native(part), error));
    made.close();
    QSqlQuery query(live.database());
    query.prepare(QStringLiteral("VACUUM INTO ?"));
    query.addBindValue(part);
    if (!query.exec()) {
        QFile::remove(part);
        return fail(
            RegisterBackup::tr("The register cannot be copied to %1: %2").arg(native(part), query.lastError().text()));
    }
    return true;
}

bool Attempt::copyLogs(CycleRegister &live)
{
    const QDir logs(QDir(policy.folder).filePath(QStringLiteral("logs")));
    if (!QDir().mkpath(logs.path()))
        return fail(RegisterBackup::tr("The folder %1 cannot be made.").arg(native(logs.path())));
    QSqlQuery query(live.database());
    if (!query.exec(QStringLiteral("SELECT log_path FROM cycles WHERE log_path <> '' ORDER BY id")))
        return fail(query.lastError().text());
    while (query.next()) {
        if (stop && *stop) {
            result.stopped = true;
            return fail(RegisterBackup::tr("The backup was stopped."));
        }
        const QString from = query.value(0).toString();
        const QString to = BackupCheck::copyPath(logs.path(), from);
        if (to.isEmpty())
            continue; // the verification below reports it
        const QFileInfo source(from);
        const QFileInfo copy(to);
        if (!copy.exists()) {
            // A log missing on the station fails the verification below.
            if (!source.exists())
                continue;
            QString error;
            if (!copyLog(from, to, &error))
                return fail(error);
            ++result.logsCopied;
        } else if (differs(source, copy)) {
            // Changed since its copy was made: the copy is what was entered
            // (the verification checks it), the change is for people to see.
            result.differingLogs << native(from);
        }
    }
    return true;
}

void Attempt::prune()
{
    QDir dir(policy.folder);
    for (const QString &name :
         BackupGenerations::toRemove(BackupGenerations::inFolder(dir.path()), policy.daily, policy.monthly)) {
        if (dir.remove(name))
            result.removed << dir.filePath(name);
    }
}

} // namespace

RegisterBackup::Result RegisterBackup::take(const QString &registerPath, const BackupPolicy &policy,
                                            const std::atomic<bool> *stop)
{
    Attempt attempt{policy, stop, {}};
    QString error;
    const std::unique_ptr<CycleRegister> live =
        CycleRegister::opened(QStringLiteral("register-backup"), RegisterLocation::file(registerPath), &error);
    if (!live) {
        attempt.result.error = tr("The register %1 cannot be opened: %2").arg(native(registerPath), error);
        return attempt.result;
    }
    attempt.run(*live);
    Result &result = attempt.result;
    if (result.stopped)
        return result;
    AuditEvent event = result.verified ? BackupStatus::verifiedEvent(result.file, result.entries, result.logsCopied,
                                                                     result.differingLogs)
                                       : BackupStatus::failedEvent(policy.folder, result.error);
    if (!live->appendEvent(event) && result.verified)
        result.error = tr("The backup %1 is verified, but the register cannot record it: %2")
                           .arg(native(result.file), live->errorString());
    qCDebug(lcRegister) << "backup" << (result.verified ? "verified:" : "failed:") << result.file << result.error;
    return result;
}
