#include "app/stationsettings.h"

namespace {
const QString logFolderKey = QStringLiteral("log_folder");
const QString languageKey = QStringLiteral("Language");
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
