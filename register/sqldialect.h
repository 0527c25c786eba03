#pragma once

#include <QString>

// Where the register's databases differ. One schema and one set of
// migrations serve them all; their SQL names these differences as
// placeholders ({id}, {blob}) that the dialect fills in.
struct SqlDialect {
    QString driver;          // the Qt SQL driver
    QString idColumn;        // an auto-numbered 64-bit primary key
    QString blobType;        // bytes
    QString caseInsensitiveLike;
    QString beginWrite;      // starts a transaction that will write
    // Run first in the transaction that migrates: only one process migrates
    // at a time, the others find the work done. Empty where beginWrite
    // already makes writers wait for each other.
    QString migrationLock;
    // Run first in a transaction that extends a controller's chain, with the
    // serial number bound: writers of one chain wait for each other.
    QString chainLock;
    // The same for a cycle's release history, with its ID bound as text.
    QString releaseLock;
    // Run before a record is linked into the ledger; empty where beginWrite
    // already makes writers wait for each other.
    QString ledgerLock;
    // Taken and given back around moving records into the register from
    // another (see TransferLock); empty where none is needed.
    QString transferLock;
    QString transferUnlock;

    // The migrations' SQL with the placeholders filled in.
    QString sql(QString statement) const;

    // Nothing for a driver the register does not support.
    static const SqlDialect *forDriver(const QString &driver);
};
