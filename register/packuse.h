#pragma once

#include <QDateTime>
#include <QMetaType>
#include <QString>

// A pack opened at the chair for a patient or case. The reference is
// personal data: the record's own hash covers only its keyed hash, so that
// the reference can be erased on request and the record still proves itself.
struct PackUse {
    qint64 id = 0;
    QString code;     // as scanned
    qint64 packId = 0; // 0: a code the register does not know
    QDateTime at;
    QString operatorName;
    QString reference;     // empty once erased
    bool erased = false;
    QString referenceHash; // HMAC-SHA256 under the register's key, hex
    QString warning;       // what the station warned of; empty when nothing
    QString comment;       // why it was used all the same
    QString hash;
};

// For signals and tests.
Q_DECLARE_METATYPE(PackUse)
