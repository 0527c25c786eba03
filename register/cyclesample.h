#pragma once

#include <QMetaType>
#include <QtGlobal>

// One temperature sample of a cycle: the time since the recording began and
// the chamber temperature. The register keeps temperatures to 0.01 °C.
struct CycleSample {
    qint64 elapsedMs = 0;
    double celsius = 0.0;

    bool operator==(const CycleSample &o) const { return elapsedMs == o.elapsedMs && celsius == o.celsius; }
};

// For queued signals between the register's threads and for tests' data.
Q_DECLARE_METATYPE(CycleSample)
