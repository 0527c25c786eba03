#pragma once

#include "register/cycle.h"

#include <QString>

class QSqlQuery;

// A cycle's row as the register stores it, written and read in one place.
namespace CycleRow {

// The columns read into a Cycle, in the order read() expects them first in
// a result row, each prefixed with "cycles."; the ID is column 0. Without
// schemeStored, for a register from before the entries' scheme was stored,
// the scheme column reads 1, the scheme of all its entries.
QString columns(bool schemeStored = true);
int columnCount();

// The cycle of the current row, without samples (sampleCount is set); false
// when a stored value is no value of its field (an unknown origin or steps).
bool read(const QSqlQuery &query, Cycle *cycle);

// The UTC milliseconds and offset a time is stored as.
qint64 utcMs(const QDateTime &time);
int offsetSeconds(const QDateTime &time);
QDateTime time(qint64 utcMs, int offsetSeconds);

} // namespace CycleRow
