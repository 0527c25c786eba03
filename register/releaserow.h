#pragma once

#include "register/release.h"

#include <QString>

class QSqlDatabase;
class QSqlQuery;

// A release's row as the register stores it, written and read in one place.
// The indicators and the decision are stored as their command-line keywords
// ("unused", "released").
namespace ReleaseRow {

// The columns, each prefixed with "table.", in the order read() expects
// them; the ID is the first.
QString columns(const QString &table);
int columnCount();

// Whether the row holds a release from column `first` on (a LEFT JOIN
// without one gives NULLs).
bool present(const QSqlQuery &query, int first);
// The release of the row from column `first` on; false when a stored
// keyword is no value of its field (the field keeps its default).
bool read(const QSqlQuery &query, int first, Release *release);

// Stores the release with every field filled, and fills in its ID; false
// with *error on failure.
bool insert(const QSqlDatabase &db, Release &release, QString *error);

} // namespace ReleaseRow
