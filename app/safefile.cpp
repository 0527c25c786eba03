#include "app/safefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

bool SafeFile::refuseLink(const QString &path, QString *error)
{
    if (!QFileInfo(path).isSymLink())
        return false;
    if (error)
        *error = QCoreApplication::translate("SafeFile",
                                             "%1 is a symbolic link: nothing is written through it. Remove the link "
                                             "or choose another name.")
                     .arg(QDir::toNativeSeparators(path));
    return true;
}
