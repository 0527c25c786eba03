#pragma once

#include "device/communicationmanager.h"
#include "register/cycle.h"

#include <QString>
#include <QVariantMap>

#include <optional>

// The audit trail's events that the station makes itself.
namespace AuditEvents {

// The kind of a program write's event.
constexpr char programWriteKind[] = "program write";

// A write of a program into the controller, successful or not: which
// program, its name and steps before and after, and the outcome with the
// failure's message. The time, user and station are left to be filled in.
AuditEvent programWrite(const QString &controllerSerial, int programNumber,
                        const CommunicationManager::Program &before, const CommunicationManager::Program &after,
                        bool written, const QString &message);

// The kind of a change of the station's settings.
constexpr char settingsChangeKind[] = "settings change";

// A change of settings made at the station, from the values before to those
// after (by their keys in the settings file): each key whose value changed,
// with both values. Nothing when none changed.
std::optional<AuditEvent> settingsChange(const QVariantMap &before, const QVariantMap &after);

} // namespace AuditEvents
