#pragma once

#include "register/cycleregister.h"

#include <QString>
#include <QVariantList>

struct SqlDialect;

// The search of the register's cycles in SQL: what a filter lets through,
// as the condition of a query on the cycles table, the same for SQLite and
// PostgreSQL. The user's words are always bound values, never SQL.
namespace CycleQuery {

// The WHERE clause of the filter; the values it binds, in their order, are
// appended to *values.
QString where(const CycleRegister::Filter &filter, const SqlDialect &dialect, QVariantList *values);

// The LIKE pattern (with ESCAPE '\') that finds the text anywhere: "%", "_"
// and "\" mean themselves, not wildcards.
QString containing(const QString &text);

} // namespace CycleQuery
