#pragma once

#include "register/registerlocation.h"
#include "register/timestamper.h"
#include "reports/cycleverdict.h"

#include <QDateTime>
#include <QSettings>
#include <QString>

#include <optional>

// The station's settings store: the platform's native store in user scope
// (the registry on Windows). Every user opens it with the same names, so all
// instances see the same keys.
class StationSettings : public QSettings
{
public:
    StationSettings();

    // Names the application like its settings, so that its data folder (the
    // journals and the register) is the same for every program of the
    // station, whatever the executable is called.
    static void nameApplication();

    // Empty when the key is absent.
    QString logFolder() const;
    void setLogFolder(const QString &folder);

    // Empty when the key is absent.
    QString language() const;
    // Empty removes the key.
    void setLanguage(const QString &language);

    // The verdict's tolerances in kelvin; a value that is absent, not a
    // number or outside 0 to CycleVerdict::Band::maxKelvin counts as the
    // default.
    CycleVerdict::Band verdictBand() const;
    // For each tolerance set to such a value, a line saying that its default
    // applies; empty when none is.
    QString verdictBandNotice() const;
    void setVerdictBand(const CycleVerdict::Band &band);

    // The operator named by the last release made at this station, whom the
    // release form proposes; empty when the key is absent.
    QString lastOperator() const;
    void setLastOperator(const QString &name);

    // The clinic that the reports name; empty when the key is absent.
    QString clinicName() const;
    void setClinicName(const QString &name);

    // The cycle register's file; empty when the key is absent (the default
    // place, see CycleRegister::path).
    QString registerPath() const;
    void setRegisterPath(const QString &path);
    // The station's own register file: registerPath() or the default place.
    // With a register on a server it holds what has not reached the server.
    QString ownRegisterPath() const;

    // The register the station works on. register/driver "sqlite" (or
    // absent): the file of ownRegisterPath(). "postgresql": the database
    // register/database on the server register/host, register/port, as
    // register/user; absent keys leave the value to libpq. The password is
    // never a setting. Invalid, with the reason, for any other driver or a
    // port that is no port.
    RegisterLocation registerLocation() const;

    // The time-stamp authority's certificate file, register/tsa_certificate;
    // empty when the key is absent.
    QString tsaCertificate() const;
    // The authority of register/tsa_url (http or https) with that
    // certificate; nothing unless both are set.
    std::optional<TimeStamper::Authority> timeStampAuthority() const;

    // When this user last verified the register in full, and the result in
    // a word or two; an invalid time when never.
    QDateTime lastVerificationTime() const;
    QString lastVerificationResult() const;
    void setLastVerification(const QDateTime &time, const QString &result);
};
