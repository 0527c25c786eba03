#pragma once

#include "register/release.h"

#include <QDate>
#include <QDateTime>
#include <QString>

#include <optional>

// One pouch or tray of a cycle's load, with the label that ties it to the
// cycle: its code ("RG100001-0042-03": controller, cycle, pack), type,
// sterilisation and expiry. A pack is recalled when its cycle's newest
// release is "Recalled".
struct Pack {
    qint64 id = 0;
    QString code;
    qint64 cycleId = 0;
    int number = 0; // 1 for the cycle's first pack
    QString type;
    QDateTime sterilisedAt; // the cycle's end (its start when unknown)
    QDate expiresOn;        // the last day it may be used
    QString operatorInitials;
    QDateTime printedAt;
    QString hash; // of the record's own fields

    // Read with the pack, not part of it: its cycle as labels and lists
    // show it.
    QString controllerSerial;
    int cycleNumber = -1;
    QString programName;
    QString verdict; // "PASS", "FAIL", "NOT EVALUATED"
    std::optional<Release::Decision> decision; // the cycle's newest release
    int uses = 0;

    bool recalled() const { return decision == Release::Decision::Recalled; }
    bool expired(const QDate &today) const { return expiresOn < today; }
};
