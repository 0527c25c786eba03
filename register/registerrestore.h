#pragma once

#include "register/cycle.h"
#include "register/cycleverifier.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QVector>

// Restores a backup (BackupGenerations) as the register file, with its logs,
// and verifies the result. A register already there is replaced only when
// it holds no entry that the backup lacks, or when forced; the replaced file
// is kept beside the restored one. The restore is an event of the restored
// register's audit trail.
class RegisterRestore
{
    Q_DECLARE_TR_FUNCTIONS(RegisterRestore)

public:
    // The audit trail's event of a restore, in the restored register.
    static constexpr char restoredKind[] = "register restored";

    struct Result {
        QString error;           // nothing was replaced
        QVector<Cycle> lacking;  // the entries of the register there that the backup lacks
        QString restoredFile;
        QString replacedKeptAs;  // where the replaced register was kept; empty: none replaced
        int logsRestored = 0;
        int logsPresent = 0;     // there already, as entered
        QStringList logsDiffering; // there already with other content: not overwritten
        CycleVerifier::Report report; // of the restored register with its logs
    };

    // The newest generation in the folder, or the backup file itself;
    // empty, with *error, when there is none.
    static QString backupFile(const QString &backup, QString *error);
    // logFolder: where the logs go; empty: where the register names them.
    static Result restore(const QString &backup, const QString &registerPath, const QString &logFolder, bool force);
};
