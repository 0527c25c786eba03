#include "app/stationsettings.h"

#include "app/language.h"
#include "register/cycleregister.h"

#include <QCoreApplication>

#include <QStringList>

#include <cmath>
#include <optional>

namespace {
const QString stationOrganization = QStringLiteral("Vaporin");
const QString stationApplication = QStringLiteral("Vaporin Regulon");
const QString logFolderKey = QStringLiteral("log_folder");
const QString languageKey = QStringLiteral("Language");
const QString lowerToleranceKey = QStringLiteral("verdict/lower_tolerance");
const QString upperBandKey = QStringLiteral("verdict/upper_band");
const QString clinicNameKey = QStringLiteral("clinic_name");
const QString lastOperatorKey = QStringLiteral("release/last_operator");
const QString registerPathKey = QStringLiteral("register_path");
const QString registerDriverKey = QStringLiteral("register/driver");
const QString registerHostKey = QStringLiteral("register/host");
const QString registerPortKey = QStringLiteral("register/port");
const QString registerDatabaseKey = QStringLiteral("register/database");
const QString registerUserKey = QStringLiteral("register/user");
const QString tsaUrlKey = QStringLiteral("register/tsa_url");
const QString tsaCertificateKey = QStringLiteral("register/tsa_certificate");
const QString lastVerificationTimeKey = QStringLiteral("records/last_verification");
const QString lastVerificationResultKey = QStringLiteral("records/last_verification_result");

// The tolerance stored under the key; nothing when it is set but unusable.
std::optional<double> kelvin(const QSettings &settings, const QString &key, double fallback)
{
    if (!settings.contains(key))
        return fallback;
    bool ok = false;
    const double value = settings.value(key).toDouble(&ok);
    if (ok && std::isfinite(value) && value >= 0.0 && value <= CycleVerdict::Band::maxKelvin)
        return value;
    return std::nullopt;
}

const std::pair<const QString *, double CycleVerdict::Band::*> bandKeys[] = {
    {&lowerToleranceKey, &CycleVerdict::Band::lowerTolerance},
    {&upperBandKey, &CycleVerdict::Band::upperBand},
};
} // namespace

StationSettings::StationSettings()
    : QSettings(QSettings::NativeFormat, QSettings::UserScope, stationOrganization, stationApplication)
{
    // People type into the file in UTF-8. What was written without a codec
    // is escaped ASCII, which reads the same either way.
    setIniCodec("UTF-8");
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

void StationSettings::setLanguage(const QString &language)
{
    if (language.isEmpty())
        remove(languageKey);
    else
        setValue(languageKey, language);
}

CycleVerdict::Band StationSettings::verdictBand() const
{
    CycleVerdict::Band band;
    for (const auto &[key, field] : bandKeys)
        band.*field = kelvin(*this, *key, band.*field).value_or(band.*field);
    return band;
}

QString StationSettings::verdictBandNotice() const
{
    const CycleVerdict::Band defaults;
    QStringList notices;
    for (const auto &[key, field] : bandKeys) {
        if (!kelvin(*this, *key, defaults.*field))
            notices << QCoreApplication::translate("StationSettings",
                                                   "The setting %1 is \"%2\", which is no tolerance from 0 to %3 K; "
                                                   "the verdicts use %4 K.")
                           .arg(*key, value(*key).toString())
                           .arg(CycleVerdict::Band::maxKelvin)
                           .arg(Language::locale().toString(defaults.*field, 'f', 1));
    }
    return notices.join(QLatin1Char('\n'));
}

void StationSettings::setVerdictBand(const CycleVerdict::Band &band)
{
    setValue(lowerToleranceKey, band.lowerTolerance);
    setValue(upperBandKey, band.upperBand);
}

QString StationSettings::lastOperator() const
{
    return value(lastOperatorKey).toString();
}

void StationSettings::setLastOperator(const QString &name)
{
    setValue(lastOperatorKey, name);
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

QString StationSettings::ownRegisterPath() const
{
    return CycleRegister::path(registerPath());
}

RegisterLocation StationSettings::registerLocation() const
{
    const QString driver = value(registerDriverKey).toString().trimmed();
    if (driver.isEmpty() || driver.compare(QLatin1String("sqlite"), Qt::CaseInsensitive) == 0)
        return RegisterLocation::file(ownRegisterPath());
    if (driver.compare(QLatin1String("postgresql"), Qt::CaseInsensitive) != 0)
        return RegisterLocation::invalid(
            QCoreApplication::translate("StationSettings", "The setting %1 is \"%2\"; it must be sqlite or postgresql.")
                .arg(registerDriverKey, driver));
    const QString portText = value(registerPortKey).toString().trimmed();
    bool ok = portText.isEmpty();
    const int port = ok ? 0 : portText.toInt(&ok);
    if (!ok || port < 0 || port > 65535)
        return RegisterLocation::invalid(
            QCoreApplication::translate("StationSettings", "The setting %1 is \"%2\", which is no port number.")
                .arg(registerPortKey, portText));
    return RegisterLocation::server(value(registerHostKey).toString().trimmed(), port,
                                    value(registerDatabaseKey).toString().trimmed(),
                                    value(registerUserKey).toString().trimmed());
}

QString StationSettings::tsaCertificate() const
{
    return value(tsaCertificateKey).toString().trimmed();
}

std::optional<TimeStamper::Authority> StationSettings::timeStampAuthority() const
{
    const QUrl url(value(tsaUrlKey).toString().trimmed(), QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() || (scheme != QLatin1String("http") && scheme != QLatin1String("https"))
        || tsaCertificate().isEmpty())
        return std::nullopt;
    return TimeStamper::Authority{url, tsaCertificate()};
}

QDateTime StationSettings::lastVerificationTime() const
{
    return QDateTime::fromString(value(lastVerificationTimeKey).toString(), Qt::ISODate);
}

QString StationSettings::lastVerificationResult() const
{
    return value(lastVerificationResultKey).toString();
}

void StationSettings::setLastVerification(const QDateTime &time, const QString &result)
{
    setValue(lastVerificationTimeKey, time.toOffsetFromUtc(time.offsetFromUtc()).toString(Qt::ISODate));
    setValue(lastVerificationResultKey, result);
}
