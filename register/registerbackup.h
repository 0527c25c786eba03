#pragma once

#include "register/backuppolicy.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <atomic>

// One backup of the register file into a backup folder, while the station
// may go on writing: the register is copied consistently (VACUUM INTO)
// under a temporary name, the logs it names that the folder does not hold
// yet are copied into the folder's logs/ (once, never rewritten), the copy
// is verified where it lies with those logs (BackupCheck) and only then
// renamed to its generation's name (BackupGenerations). Older generations
// are pruned after that, so one is removed only once a newer verified one
// exists. The outcome, verified or failed, is recorded in the register's
// audit trail (BackupStatus).
class RegisterBackup
{
    Q_DECLARE_TR_FUNCTIONS(RegisterBackup)

public:
    struct Result {
        bool verified = false;
        QString file; // the new generation's path
        int entries = 0;
        int logsCopied = 0;
        // Logs whose copy in the folder differs from them: reported, the
        // copy is kept.
        QStringList differingLogs;
        QStringList removed; // generations pruned
        QString error;       // why it failed
        bool stopped = false;
    };

    // Backs the register file up into policy.folder, which must exist: a
    // folder that is not there is a disk that is not plugged in, and is not
    // made on the station's own disk instead. When *stop turns true (the
    // station closes) it stops before the next log, leaves nothing and
    // records nothing (result.stopped): the first backup of years of logs
    // must not hold up the closing.
    static Result take(const QString &registerPath, const BackupPolicy &policy,
                       const std::atomic<bool> *stop = nullptr);
};
