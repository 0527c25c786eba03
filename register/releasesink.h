#pragma once

#include "register/release.h"

#include <QObject>
#include <QString>

// Where the releases that users make in the station's windows go. A
// release must not be lost once its form is saved: the sink answers only
// when it is safe (entered into the register, or kept where it will be
// entered from) or has failed, and the form stays open until then.
class ReleaseSink : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Takes the release of the cycle release.cycleId, whose entry has this
    // hash; the answer carries the ticket returned.
    virtual quint64 submitRelease(const Release &release, const QString &entryHash) = 0;

signals:
    // error is empty when the release is safe; then release is as entered
    // (its sequence and hash filled) or as kept.
    void releaseStored(quint64 ticket, const Release &release, const QString &error);
};
