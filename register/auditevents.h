#pragma once

#include "device/communicationmanager.h"
#include "register/cycle.h"

#include <QString>

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

} // namespace AuditEvents
