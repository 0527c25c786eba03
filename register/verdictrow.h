#pragma once

#include "reports/cycleverdict.h"

#include <QString>
#include <QVariantList>

#include <optional>

class QSqlDatabase;
class QSqlQuery;

// A cycle's verdict as the register stores it, written and read in one
// place: the result, its reason, the band it was judged by and the numbers
// a report shows. Temperatures are kept in 0.01 °C, the band in 0.01 K and
// times in ms since the recording began; what the verdict does not know is
// NULL.
namespace VerdictRow {

// "pass", "fail", "not evaluated".
QString resultKeyword(CycleVerdict::Result result);

// The band as the register keeps it, in 0.01 K: a verdict judged by the
// rounded band is judged alike when it is recomputed from the stored one.
CycleVerdict::Band rounded(const CycleVerdict::Band &band);

// The columns but cycle_id, each prefixed with "table.", in the order of
// values().
QString columns(const QString &table);
int columnCount();

// The values stored for the verdict; an invalid QVariant for NULL. Two
// verdicts that store the same values are the same verdict.
QVariantList values(const CycleVerdict &verdict);
// The stored values of a result row from column `first` on, as values()
// gives them.
QVariantList read(const QSqlQuery &query, int first);
// The verdict the stored values describe; nothing for a row without one
// (all NULL, as a LEFT JOIN gives it) or values that are no verdict's.
std::optional<CycleVerdict> verdict(const QVariantList &values);

// Stores the cycle's verdict; false with *error on failure.
bool insert(const QSqlDatabase &db, qint64 cycleId, const CycleVerdict &verdict, QString *error);

} // namespace VerdictRow
