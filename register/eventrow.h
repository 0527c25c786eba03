#pragma once

#include "register/cycle.h"

#include <QString>

class QSqlQuery;

// An audit event's row as the register stores it, read in one place.
namespace EventRow {

// The columns read into an AuditEvent, in the order read() expects them,
// from the ID to the hash.
QString columns();

// The event of the current row.
AuditEvent read(const QSqlQuery &query);

} // namespace EventRow
