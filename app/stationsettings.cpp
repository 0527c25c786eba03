#include "app/stationsettings.h"

#include <QCoreApplication>

#include <cmath>

namespace {
const QString stationOrganization = QStringLiteral("Vaporin");
const QString stationApplication = QStringLiteral("Vaporin Regulon");
const QString logFolderKey = QStringLiteral("log_folder");
const QString languageKey = QStringLiteral("Language");
const QString lowerToleranceKey = QStringLiteral("verdict/lower_tolerance");
const QString upperBandKey = QStringLiteral("verdict/upper_band");
const QString clinicNameKey = QStringLiteral("clinic_name");
const QString registerPathKey = QStringLiteral("register_path");

double kelvin(const QSettings &settings, const QString &key, double fallback)
{
    bool ok = false;
    const double value = settings.value(key).toDouble(&ok);
    return ok && std::isfinite(value) && value >= 0.0 ? value : fallback;
}
} // namespace

StationSettings::StationSettings()
    : QSettings(QSettings::NativeFormat, QSettings::UserScope, stationOrganization, stationApplication)
{
}

void StationSettings::nameApplication()
{
    QCoreApplication::setOrganizationName(stationOrganization);
    QCoreApplication::setApplicationName(stationApplication);
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

CycleVerdict::Band StationSettings::verdictBand() const
{
    const CycleVerdict::Band defaults;
    return {kelvin(*this, lowerToleranceKey, defaults.lowerTolerance),
            kelvin(*this, upperBandKey, defaults.upperBand)};
}

void StationSettings::setVerdictBand(const CycleVerdict::Band &band)
{
    setValue(lowerToleranceKey, band.lowerTolerance);
    setValue(upperBandKey, band.upperBand);
}

QString StationSettings::clinicName() const
{
    return value(clinicNameKey).toString();
}

void StationSettings::setClinicName(const QString &name)
{
    setValue(clinicNameKey, name);
}

QString StationSettings::registerPath() const
{
    return value(registerPathKey).toString();
}

void StationSettings::setRegisterPath(const QString &path)
{
    setValue(registerPathKey, path);
}
