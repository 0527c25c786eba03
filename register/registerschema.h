#pragma once

#include "reports/cycleverdict.h"

#include <QString>
#include <QStringList>
#include <QVector>

class QSqlDatabase;
struct SqlDialect;

// The register's schema as numbered migrations. A database is at version N
// when schema_migrations lists 1 to N; opening a register brings it to the
// newest version, one migration per transaction.
namespace RegisterSchema {

struct Migration {
    int version;
    QStringList statements; // with the dialect's placeholders
    // Run after the statements, in their transaction: fills in what SQL
    // alone cannot make for the entries already there. Verdicts of earlier
    // entries are judged by the band given to migrate().
    bool (*fill)(const QSqlDatabase &db, const CycleVerdict::Band &band, QString *error) = nullptr;
};

const QVector<Migration> &migrations();
int currentVersion();

// Applies the migrations the database lacks. A migration that another
// process applied meanwhile is skipped. Fails for a database of a newer
// version than this code knows, leaving it untouched. The entries that a
// migration finds get their verdicts judged by the band.
bool migrate(QSqlDatabase &db, const SqlDialect &dialect, const CycleVerdict::Band &band, QString *error);

} // namespace RegisterSchema
