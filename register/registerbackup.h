#pragma once

#include "register/backuppolicy.h"

#include <QString>
#include <QStringList>

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
    };

    // Backs the register file up into policy.folder, which must exist: a
    // folder that is not there is a disk that is not plugged in, and is not
    // made on the station's own disk instead.
    static Result take(const QString &registerPath, const BackupPolicy &policy);
};
