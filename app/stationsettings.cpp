#include "app/stationsettings.h"

namespace {
const QString logFolderKey = QStringLiteral("log_folder");
const QString languageKey = QStringLiteral("Language");
const QString registerPathKey = QStringLiteral("register_path");
}

StationSettings::StationSettings()
    : QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Vaporin"),
                QStringLiteral("Vaporin Regulon"))
{
}

QString StationSettings::logFolder() const
{
    return value(logFolderKey).toString();
}

void StationSettings::setLogFolder(const QString &folder)
{
    setValue(logFolderKey, folder);
}

QString StationSettings::language() const
{
    return value(languageKey).toString();
}

QString StationSettings::registerPath() const
{
    return value(registerPathKey).toString();
}

void StationSettings::setRegisterPath(const QString &path)
{
    setValue(registerPathKey, path);
}
