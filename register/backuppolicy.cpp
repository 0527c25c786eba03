#include "register/backuppolicy.h"

#include "app/stationsettings.h"

namespace {

// A value that is absent or no positive number counts as the default.
int positive(const StationSettings &settings, const char *key, int fallback)
{
    bool ok = false;
    const int value = settings.value(QLatin1String(key)).toInt(&ok);
    return ok && value > 0 ? value : fallback;
}

} // namespace

BackupPolicy BackupPolicy::fromSettings()
{
    const StationSettings settings;
    BackupPolicy policy;
    policy.folder = settings.value(QStringLiteral("backup/folder")).toString();
    policy.daily = positive(settings, "backup/daily", policy.daily);
    policy.monthly = positive(settings, "backup/monthly", policy.monthly);
    policy.overdueDays = positive(settings, "backup/overdue_days", policy.overdueDays);
    return policy;
}

void BackupPolicy::setFolder(const QString &folder)
{
    StationSettings().setValue(QStringLiteral("backup/folder"), folder);
}
