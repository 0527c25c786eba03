#pragma once

#include "register/chainposition.h"
#include "register/cycleverifier.h"

#include <QHash>
#include <QSqlDatabase>
#include <QString>
#include <QVector>

#include <optional>

// The register's ledger: every record (entry, release, audit event, and
// kinds added later) is a link of its controller's chain, appended in the
// transaction that makes the record. A link holds the record's kind, ID and
// hash and the hash of the link before it, so that a record edited, removed
// or added past the program shows, and a chain's head is one hash that
// stands for everything before it: what printouts and time stamps witness.
namespace ChainLedger {

// The chain of the records of no controller.
extern const QString stationChain;

// The chain of a controller's records: its serial number, or stationChain
// for none.
QString chainOf(const QString &controllerSerial);

// Appends the record as the next link of the chain, inside the caller's
// write transaction; false with *error on failure.
bool append(const QSqlDatabase &db, const QString &chain, const QString &kind, qint64 recordId,
            const QString &recordHash, QString *error);

// The current head of every chain, sorted by chain; nothing, with *error,
// when the ledger cannot be read.
std::optional<QVector<ChainPosition>> heads(const QSqlDatabase &db, QString *error);

// The same for a printout: none when the ledger cannot be read, which the
// printout then says.
QVector<ChainPosition> headsOrNone(const QSqlDatabase &db);

// Links every record of a register made before the ledger, each chain's in
// the order the records were made; the audit events get their hashes first.
bool linkAll(const QSqlDatabase &db, QString *error);

// Each kind's records by ID with the hash the ledger should hold for them.
using Records = QHash<QString, QHash<qint64, QString>>;

// Walks every chain: each link's hash and place, the record it names (of the
// kinds in records; others are left to the code that knows them), the heads,
// the records without link, and the witnesses. Problems go into report;
// false with report.error when the ledger cannot be read.
bool verify(const QSqlDatabase &db, const Records &records, const QVector<ChainPosition> &witnesses,
            CycleVerifier::Report &report);

} // namespace ChainLedger
