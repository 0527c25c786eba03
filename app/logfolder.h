#pragma once

#include <QString>

// Where the run logs go. The stored folder is used while it exists; otherwise
// a folder below the user's documents is created, or, failing that, the
// executable's folder is used, and the user is told which folder it is.
struct LogFolder {
    QString path;
    bool announce = false; // the user must be told about a newly chosen folder

    // storedValue: "log_folder" of the settings (empty when absent); a
    // relative path counts from the working directory.
    static LogFolder resolve(const QString &storedValue, const QString &documentsFolder,
                             const QString &executableFolder);

    // The text of the box that announces a newly chosen folder.
    static QString announcement(const QString &path);
};
