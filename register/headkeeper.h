#pragma once

#include <QString>

class QSqlDatabase;

// The heads of the register's chains (chain_heads, release_heads,
// ledger_heads) are moved by the database itself, by triggers on the tables
// of the records, never by the program. On a server the triggers run as the
// register's owner and also refuse a record that does not follow its
// chain's head (and a link whose hash is not its own), or that names a
// station other than the one its role is mapped to in station_roles;
// stations' roles keep only the right to add records, none on the heads or
// the schema's versions.
namespace HeadKeeper {

// Installs the triggers and, on a server, takes every right to write the
// heads and schema_migrations from every role but the owner; false with
// *error on failure. Run once, by the migration that brings them.
bool install(const QSqlDatabase &db, QString *error);

} // namespace HeadKeeper
