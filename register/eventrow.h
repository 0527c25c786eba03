#pragma once

#include "register/cycle.h"

#include <QString>
#include <QStringList>

class QSqlDatabase;
class QSqlQuery;

// An audit event's row as the register stores it, read and written in one
// place: by the register and by the records that keep their own tables
// (operators, packs, uses) within their own transactions.
namespace EventRow {

// The columns read into an AuditEvent, in the order read() expects them,
// from the ID to the hash.
QString columns();

// The event of the current row.
AuditEvent read(const QSqlQuery &query);

// The columns but the ID, the cycle and the hash, in the order bind() binds
// them.
const QStringList &fields();
void bind(QSqlQuery &query, const AuditEvent &event);

// Stores the event with its hash, fills in its ID and hash and links it into
// its controller's chain of the ledger; within the caller's write
// transaction. False with *error.
bool insert(const QSqlDatabase &db, AuditEvent &event, QString *error);

} // namespace EventRow
