#include "app/logfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

LogFolder LogFolder::resolve(const QString &storedValue, const QString &documentsFolder,
                             const QString &executableFolder)
{
    if (!storedValue.isEmpty() && QFileInfo::exists(storedValue))
        return {storedValue, false};

    // Without a documents folder the candidate would land at the root.
    if (documentsFolder.isEmpty())
        return {executableFolder, true};
    const QString candidate = documentsFolder + QStringLiteral("/Vaporin/Protokolle");
    QDir().mkpath(candidate);
    return {QFileInfo(candidate).isDir() ? candidate : executableFolder, true};
}

QString LogFolder::announcement(const QString &path)
{
    return QCoreApplication::translate("LogFolder", "Log Folder path is set to:\n%1").arg(path);
}
