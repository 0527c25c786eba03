#pragma once

#include "reports/cycleverdict.h"

#include <QString>
#include <QVariantMap>

class StationSettings;

// What the Records view's "Settings..." sets: the clinic's name that every
// report prints and the tolerances of the verdicts judged from now on.
struct RecordsSettings {
    QString clinicName;
    CycleVerdict::Band band;

    static RecordsSettings read(const StationSettings &settings);
    void write(StationSettings &settings) const;
    // By the settings file's keys, as the audit trail records a change.
    QVariantMap values() const;
};
