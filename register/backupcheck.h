#pragma once

#include "register/cycleverifier.h"

#include <QCoreApplication>
#include <QString>

// Verifies a copy of the register where it lies, with the copies of its
// logs: the file opens, passes SQLite's integrity check and the register's
// whole verification, and every log it names has the SHA-256 it was entered
// with. The logs are looked for in a folder by their file names (a backup's
// logs/), or where the register names them.
class BackupCheck
{
    Q_DECLARE_TR_FUNCTIONS(BackupCheck)

public:
    // logFolder empty: the logs where the register names them. The report's
    // error says when the copy cannot be opened or is not sound as a file.
    static CycleVerifier::Report run(const QString &registerFile, const QString &logFolder);

    // Where the copy of the log that the register names by logPath lies in
    // the folder: under the log's file name. Empty for a name that would
    // lead out of the folder: a register's texts are data, never paths.
    static QString copyPath(const QString &folder, const QString &logPath);
};
