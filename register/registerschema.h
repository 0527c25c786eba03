#pragma once

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
};

const QVector<Migration> &migrations();
int currentVersion();

// Applies the migrations the database lacks. A migration that another
// process applied meanwhile is skipped. Fails for a database of a newer
// version than this code knows, leaving it untouched.
bool migrate(QSqlDatabase &db, const SqlDialect &dialect, QString *error);

} // namespace RegisterSchema
