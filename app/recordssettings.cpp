#include "app/recordssettings.h"

#include "app/stationsettings.h"

RecordsSettings RecordsSettings::read(const StationSettings &settings)
{
    return {settings.clinicName(), settings.verdictBand()};
}

void RecordsSettings::write(StationSettings &settings) const
{
    settings.setClinicName(clinicName);
    settings.setVerdictBand(band);
}

QVariantMap RecordsSettings::values() const
{
    return {{QStringLiteral("clinic_name"), clinicName},
            {QStringLiteral("verdict/lower_tolerance"), band.lowerTolerance},
            {QStringLiteral("verdict/upper_band"), band.upperBand}};
}
