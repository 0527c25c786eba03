#pragma once

#include <QSettings>
#include <QString>

// The station's settings store: the platform's native store in user scope
// (the registry on Windows). Every user opens it with the same names, so all
// instances see the same keys.
class StationSettings : public QSettings
{
public:
    StationSettings();

    // Empty when the key is absent.
    QString logFolder() const;
    void setLogFolder(const QString &folder);

    // Empty when the key is absent.
    QString language() const;

    // The cycle register's file; empty when the key is absent (the default
    // place, see CycleRegister::path).
    QString registerPath() const;
    void setRegisterPath(const QString &path);
};
