#pragma once

#include "register/cycle.h"

#include <QString>
#include <QStringList>

class QSqlDatabase;
class QSqlQuery;

// An audit event's row as the register stores it, written in one place:
// by the register and by the records that keep their own tables (operators,
// packs, uses) within their own transactions.
namespace EventRow {

// The columns but the ID and the cycle, in the order bind() binds them.
const QStringList &columns();
void bind(QSqlQuery &query, const AuditEvent &event);

// Stores the event as it is and fills in its ID; false with *error.
bool insert(const QSqlDatabase &db, AuditEvent &event, QString *error);

} // namespace EventRow
