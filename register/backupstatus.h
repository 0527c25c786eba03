#pragma once

#include "register/cycle.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>

class CycleRegister;

// What the register's audit trail says about the backups of the register:
// each verified backup and each failed attempt is an event of its own, so
// that the Records tab and `vaporin-records backup --status` read the same,
// and the trail shows who backed up what, when and where.
class BackupStatus
{
    Q_DECLARE_TR_FUNCTIONS(BackupStatus)

public:
    static constexpr char verifiedKind[] = "backup verified";
    static constexpr char failedKind[] = "backup failed";

    QDateTime lastVerified; // invalid: none yet
    QString lastVerifiedFile;
    QDateTime lastAttempt;
    bool lastAttemptFailed = false;
    QString lastError; // why the last attempt failed
    // Logs that differ from their copy in the backup, as the last verified
    // backup found them.
    QStringList differingLogs;

    // The newest events of both kinds; nothing, with *error, when the
    // register cannot be read.
    static std::optional<BackupStatus> read(CycleRegister &cycleRegister, QString *error);

    // The events that record a backup and a failed attempt.
    static AuditEvent verifiedEvent(const QString &file, int entries, int logsCopied, const QStringList &differingLogs);
    static AuditEvent failedEvent(const QString &folder, const QString &reason);

    // "Last verified backup: today, 10:57" (or "yesterday", or the day),
    // or that there is none, then a line for each warning: none newer than
    // overdueDays, the last attempt failed, logs differ from their copies.
    QStringList lines(const QDateTime &now, int overdueDays) const;
    // No warning.
    bool healthy(const QDateTime &now, int overdueDays) const;
};
