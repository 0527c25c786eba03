#include "register/backupcheck.h"

#include "register/cycleregister.h"
#include "register/parallel.h"
#include "register/sha256.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <atomic>

namespace {

struct Log {
    qint64 cycleId;
    QString serial;
    QString path;
    QString sha256;
};

} // namespace

CycleVerifier::Report BackupCheck::run(const QString &registerFile, const QString &logFolder)
{
    CycleVerifier::Report report;
    if (!QFileInfo(registerFile).isFile()) {
        report.error = tr("There is no file %1.").arg(QDir::toNativeSeparators(registerFile));
        return report;
    }
    static std::atomic<int> connections{0};
    CycleRegister copy(QStringLiteral("backup-check-%1").arg(++connections));
    if (!copy.open(registerFile)) {
        report.error = tr("The copy %1 cannot be opened: %2").arg(QDir::toNativeSeparators(registerFile),
                                                                  copy.errorString());
        return report;
    }
    QSqlQuery query(copy.database());
    if (!query.exec(QStringLiteral("PRAGMA integrity_check")) || !query.next()
        || query.value(0).toString() != QLatin1String("ok")) {
        report.error = tr("The copy %1 fails SQLite's integrity check: %2")
                           .arg(QDir::toNativeSeparators(registerFile),
                                query.isActive() ? query.value(0).toString() : query.lastError().text());
        return report;
    }
    report = CycleVerifier::verifyRegister(copy, CycleVerifier::Logs::None);
    if (!report.error.isEmpty())
        return report;
    QVector<Log> logs;
    if (!query.exec(QStringLiteral("SELECT id, controller_serial, log_path, log_sha256 FROM cycles "
                                   "WHERE log_path <> '' ORDER BY id"))) {
        report.error = query.lastError().text();
        return report;
    }
    while (query.next()) {
        const QString named = query.value(2).toString();
        const QString path = logFolder.isEmpty() ? named : copyPath(logFolder, named);
        logs.append({query.value(0).toLongLong(), query.value(1).toString(), path.isEmpty() ? named : path,
                     path.isEmpty() ? QString() : query.value(3).toString()});
    }
    QVector<QString> found(logs.size());
    QVector<QString> errors(logs.size());
    Parallel::forEach(logs.size(), [&](int i) { found[i] = Sha256::ofFile(logs[i].path, &errors[i]); });
    report.logs = logs.size();
    report.logsSkipped = 0;
    for (int i = 0; i < logs.size(); ++i) {
        const Log &log = logs[i];
        const QString shown = QDir::toNativeSeparators(log.path);
        using Problem = CycleVerifier::Problem;
        if (log.sha256.isEmpty())
            report.problems.append({Problem::LogUnreadable, log.cycleId, log.serial,
                                    tr("The log %1 of entry %2 has a name no copy can have.").arg(shown).arg(log.cycleId)});
        else if (!QFileInfo::exists(log.path))
            report.problems.append({Problem::LogMissing, log.cycleId, log.serial,
                                    tr("The log %1 of entry %2 is missing.").arg(shown).arg(log.cycleId)});
        else if (found[i].isEmpty())
            report.problems.append({Problem::LogUnreadable, log.cycleId, log.serial,
                                    tr("The log %1 of entry %2 cannot be read: %3").arg(shown).arg(log.cycleId)
                                        .arg(errors[i])});
        else if (found[i] != log.sha256)
            report.problems.append({Problem::LogAltered, log.cycleId, log.serial,
                                    tr("The log %1 of entry %2 is not the one entered.").arg(shown).arg(log.cycleId)});
    }
    return report;
}

QString BackupCheck::copyPath(const QString &folder, const QString &logPath)
{
    const QString name = QFileInfo(logPath).fileName();
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..")
        || name.contains(QLatin1Char('\\')))
        return {};
    return QDir(folder).filePath(name);
}
