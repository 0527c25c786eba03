#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// The backups of the register in a backup folder: one file per backup,
// named after the moment it was made (UTC), "register-20261207T105733250Z.sqlite".
// A file of that name is a verified backup: it is written and verified under
// another name and renamed only then.
class BackupGenerations
{
public:
    static QString fileName(const QDateTime &made);
    // When the generation of that file name was made; invalid for a name
    // that is no generation's.
    static QDateTime madeAt(const QString &fileName);
    // The generations' file names in the folder, oldest first.
    static QStringList inFolder(const QString &folder);
    // Of these generations' names, those that the newest of each of the
    // last `daily` days and the newest of each of the last `monthly` months
    // that have one (local time) leave over. The newest is always kept.
    static QStringList toRemove(const QStringList &names, int daily, int monthly);
};
