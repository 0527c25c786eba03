#pragma once

#include <QString>

// Where the station's register is backed up and how long backups are kept,
// as the settings say: backup/folder, backup/daily (14), backup/monthly
// (12) and backup/overdue_days (7).
struct BackupPolicy {
    QString folder; // empty: no automatic backups
    int daily = 14;   // the newest backup of each of that many days is kept
    int monthly = 12; // and the newest of each of that many months
    int overdueDays = 7; // a warning when no verified backup is newer

    static BackupPolicy fromSettings();
    static void setFolder(const QString &folder);
};
