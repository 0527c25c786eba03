#include "register/registerrestore.h"

#include "register/backupcheck.h"
#include "register/backupgenerations.h"
#include "register/cycleregister.h"
#include "register/sha256.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <atomic>
#include <memory>

namespace {

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

std::unique_ptr<CycleRegister> openFile(const QString &path, QString *error)
{
    static std::atomic<int> connections{0};
    auto opened = std::make_unique<CycleRegister>(QStringLiteral("register-restore-%1").arg(++connections));
    if (opened->open(path))
        return opened;
    *error = RegisterRestore::tr("The register %1 cannot be opened: %2").arg(native(path), opened->errorString());
    return nullptr;
}

// The entries of the register at path that the backup does not hold, by
// their hashes, which cover everything an entry says.
bool lacking(const QString &backup, const QString &path, QVector<Cycle> *entries, QString *error)
{
    QSet<QString> held;
    {
        const std::unique_ptr<CycleRegister> copy = openFile(backup, error);
        if (!copy)
            return false;
        QSqlQuery query(copy->database());
        if (!query.exec(QStringLiteral("SELECT entry_hash FROM cycles"))) {
            *error = query.lastError().text();
            return false;
        }
        while (query.next())
            held.insert(query.value(0).toString());
    }
    const std::unique_ptr<CycleRegister> present = openFile(path, error);
    if (!present)
        return false;
    const std::optional<QVector<Cycle>> cycles = present->cycles({}, -1);
    if (!cycles) {
        *error = present->errorString();
        return false;
    }
    for (const Cycle &c : *cycles) {
        if (!held.contains(c.entryHash))
            entries->append(c);
    }
    return true;
}

struct Log {
    QString path;
    QString sha256;
};

} // namespace

QString RegisterRestore::backupFile(const QString &backup, QString *error)
{
    if (QFileInfo(backup).isFile())
        return backup;
    const QStringList generations = BackupGenerations::inFolder(backup);
    if (generations.isEmpty()) {
        *error = QFileInfo(backup).isDir() ? tr("The folder %1 holds no backup.").arg(native(backup))
                                           : tr("There is no backup %1.").arg(native(backup));
        return {};
    }
    return QDir(backup).filePath(generations.last());
}

RegisterRestore::Result RegisterRestore::restore(const QString &backup, const QString &registerPath,
                                                 const QString &logFolder, bool force)
{
    Result result;
    const QString file = backupFile(backup, &result.error);
    if (file.isEmpty())
        return result;
    if (!QDir().mkpath(QFileInfo(registerPath).absolutePath())) {
        result.error = tr("The folder of %1 cannot be made.").arg(native(registerPath));
        return result;
    }
    // Copied first and read only there: the backup's own folder may be
    // read-only, and stays as it is.
    const QString part = registerPath + QStringLiteral(".restoring");
    for (const char *suffix : {"", "-wal", "-shm"})
        QFile::remove(part + QLatin1String(suffix));
    // The register is the owner's alone, whatever mode the backup's copy has.
    if (!QFile::copy(file, part)
        || !QFile::setPermissions(part, QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        QFile::remove(part);
        result.error = tr("The backup %1 cannot be copied to %2.").arg(native(file), native(part));
        return result;
    }
    const auto refuse = [&](const QString &why) {
        QFile::remove(part);
        result.error = why;
        return result;
    };
    const bool replacing = QFileInfo::exists(registerPath);
    QString error;
    if (replacing && !lacking(part, registerPath, &result.lacking, &error))
        return refuse(error);
    if (!result.lacking.isEmpty() && !force)
        return refuse(tr("The register %1 holds %n entries that the backup lacks; nothing was replaced.", nullptr,
                         int(result.lacking.size()))
                          .arg(native(registerPath)));
    // The station's connection would still write into a replaced file, and
    // its journal would be applied to the restored one.
    if (QFileInfo::exists(registerPath + QStringLiteral("-wal")))
        return refuse(tr("The register %1 is in use; close the station first.").arg(native(registerPath)));
    if (replacing) {
        const QString aside = QStringLiteral("%1.replaced-%2").arg(
            registerPath, QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'")));
        if (!QFile::rename(registerPath, aside))
            return refuse(tr("The register %1 cannot be moved aside.").arg(native(registerPath)));
        result.replacedKeptAs = aside;
    }
    if (!QFile::rename(part, registerPath)) {
        result.error = tr("The restored register cannot be named %1.").arg(native(registerPath));
        return result;
    }
    result.restoredFile = registerPath;

    // The logs, from the backup's logs/, never over a file that is there.
    QVector<Log> logs;
    {
        const std::unique_ptr<CycleRegister> restored = openFile(registerPath, &result.error);
        if (!restored)
            return result;
        QSqlQuery query(restored->database());
        if (!query.exec(QStringLiteral("SELECT log_path, log_sha256 FROM cycles WHERE log_path <> ''"))) {
            result.error = query.lastError().text();
            return result;
        }
        while (query.next())
            logs.append({query.value(0).toString(), query.value(1).toString()});
    }
    const QString copies = QFileInfo(file).dir().filePath(QStringLiteral("logs"));
    for (const Log &log : logs) {
        const QString copy = BackupCheck::copyPath(copies, log.path);
        const QString to = logFolder.isEmpty() ? log.path : BackupCheck::copyPath(logFolder, log.path);
        if (copy.isEmpty() || to.isEmpty())
            continue; // the verification below reports it
        if (QFileInfo::exists(to)) {
            if (Sha256::ofFile(to) == log.sha256)
                ++result.logsPresent;
            else
                result.logsDiffering << native(to);
            continue;
        }
        if (QDir().mkpath(QFileInfo(to).absolutePath()) && QFile::copy(copy, to))
            ++result.logsRestored;
    }
    result.report = BackupCheck::run(registerPath, logFolder);

    // The audit trail tells when, from what and how the register came back.
    error.clear();
    if (const std::unique_ptr<CycleRegister> restored = openFile(registerPath, &error)) {
        AuditEvent event;
        event.kind = QLatin1String(restoredKind);
        event.details = QString::fromUtf8(QJsonDocument(QJsonObject{
                                                            {QStringLiteral("backup"), native(file)},
                                                            {QStringLiteral("replaced kept as"),
                                                             native(result.replacedKeptAs)},
                                                            {QStringLiteral("logs restored"), result.logsRestored},
                                                            {QStringLiteral("intact"), result.report.intact()},
                                                        })
                                              .toJson(QJsonDocument::Compact));
        if (!restored->appendEvent(event))
            error = restored->errorString();
    }
    if (!error.isEmpty())
        result.error = tr("The register is restored, but it cannot record the restore: %1").arg(error);
    return result;
}
