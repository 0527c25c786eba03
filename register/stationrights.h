#pragma once

#include <QString>

class QSqlDatabase;

// The least a station changes in place: an operator's wrong PINs and
// lock-out, a pack type's shelf life, and a use's reference, which it only
// erases. Everything else stays add-only: an account changes by a new row
// of operator_changes (hashed, linked into the ledger), which the database
// itself copies onto the account, as it moves the chains' heads (see
// HeadKeeper); on a server as the register's owner, so that stations'
// roles need no right to change an account's name, role or PIN in place.
namespace StationRights {

// Installs the triggers, gives each account its first change (its state
// now, linked into the station's chain) and, on a server, takes back any
// wider right to update those tables from every role but the owner,
// leaving it the columns above; false with *error on failure. Run once, by
// the migration that brings them.
bool install(const QSqlDatabase &db, QString *error);

} // namespace StationRights
