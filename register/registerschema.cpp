#include "register/registerschema.h"

#include "app/logging.h"
#include "register/chainledger.h"
#include "register/headkeeper.h"
#include "register/stationrights.h"
#include "register/cycle.h"
#include "register/cyclerow.h"
#include "register/parallel.h"
#include "register/samplecodec.h"
#include "register/sqldialect.h"
#include "register/verdictrow.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <vector>

namespace RegisterSchema {

namespace {

bool fillVerdicts(const QSqlDatabase &db, const CycleVerdict::Band &band, QString *error);
bool allowRecalled(const QSqlDatabase &db, const CycleVerdict::Band &band, QString *error);

// What an operator account says, as its own hash covers it.
const QString accountColumns = QStringLiteral(" name TEXT NOT NULL,"
                                              " initials TEXT NOT NULL,"
                                              " role TEXT NOT NULL CHECK (role IN ('operator', 'supervisor')),"
                                              " active INTEGER NOT NULL,"
                                              " pin_hash TEXT NOT NULL,"
                                              " changed_utc BIGINT NOT NULL,"
                                              " changed_offset INTEGER NOT NULL,"
                                              " record_hash TEXT NOT NULL");

// Times are UTC milliseconds beside their UTC offset in seconds; hashes are
// lowercase hex. Texts that may be unknown are empty rather than NULL, except
// where NULL keeps a unique key from matching (an unknown cycle number) or
// marks the absence of what an index looks up (no log).
const QVector<Migration> all = {
    {1,
     {QStringLiteral("CREATE TABLE cycles ("
                     " id {id},"
                     " station TEXT NOT NULL,"
                     " controller_serial TEXT NOT NULL,"
                     " cycle_number BIGINT,"
                     " program_number INTEGER,"
                     " program_name TEXT NOT NULL,"
                     " steps TEXT NOT NULL,"
                     " adopted INTEGER NOT NULL,"
                     " started_utc BIGINT NOT NULL,"
                     " started_offset INTEGER NOT NULL,"
                     " finished_utc BIGINT,"
                     " finished_offset INTEGER,"
                     " status TEXT NOT NULL,"
                     " firmware_version TEXT NOT NULL,"
                     " software_version TEXT NOT NULL,"
                     " sample_count INTEGER NOT NULL,"
                     " log_path TEXT NOT NULL,"
                     " log_name TEXT NOT NULL,"
                     " log_sha256 TEXT,"
                     " origin TEXT NOT NULL CHECK (origin IN ('recorded', 'recovered', 'imported')),"
                     " entered_utc BIGINT NOT NULL,"
                     " entered_offset INTEGER NOT NULL,"
                     " chain_seq BIGINT NOT NULL,"
                     " previous_hash TEXT NOT NULL,"
                     " entry_hash TEXT NOT NULL)"),
      QStringLiteral("CREATE UNIQUE INDEX cycles_key ON cycles (controller_serial, cycle_number, started_utc)"),
      QStringLiteral("CREATE UNIQUE INDEX cycles_log_sha256 ON cycles (log_sha256) WHERE log_sha256 IS NOT NULL"),
      // Also the index by controller.
      QStringLiteral("CREATE UNIQUE INDEX cycles_chain ON cycles (controller_serial, chain_seq)"),
      QStringLiteral("CREATE INDEX cycles_started ON cycles (started_utc, id)"),
      QStringLiteral("CREATE INDEX cycles_program ON cycles (program_name, started_utc)"),
      QStringLiteral("CREATE INDEX cycles_status ON cycles (status, started_utc)"),
      QStringLiteral("CREATE INDEX cycles_log_name ON cycles (log_name)"),
      // Apart from the cycles, so that listing them never reads a blob.
      QStringLiteral("CREATE TABLE cycle_samples ("
                     " cycle_id BIGINT PRIMARY KEY REFERENCES cycles (id),"
                     " samples {blob} NOT NULL)"),
      // The newest entry of each chain: deleting it leaves the head pointing
      // past the chain's end.
      QStringLiteral("CREATE TABLE chain_heads ("
                     " controller_serial TEXT PRIMARY KEY,"
                     " chain_seq BIGINT NOT NULL,"
                     " entry_hash TEXT NOT NULL)"),
      QStringLiteral("CREATE TABLE events ("
                     " id {id},"
                     " at_utc BIGINT NOT NULL,"
                     " at_offset INTEGER NOT NULL,"
                     " os_user TEXT NOT NULL,"
                     " station TEXT NOT NULL,"
                     " kind TEXT NOT NULL,"
                     " controller_serial TEXT NOT NULL,"
                     " cycle_id BIGINT REFERENCES cycles (id),"
                     " details TEXT NOT NULL)"),
      QStringLiteral("CREATE INDEX events_at ON events (at_utc, id)"),
      QStringLiteral("CREATE INDEX events_cycle ON events (cycle_id)")}},
    // What a station's own register still has to send to the central one,
    // in the order it was made: an entry or an audit event per row. Rows are
    // added in the transaction that makes what they name and removed once
    // the central register holds it. Stays empty in a register that sends
    // nothing (a server's, or a station's without a server).
    {3,
     {QStringLiteral("CREATE TABLE outbox ("
                     " id {id},"
                     " cycle_id BIGINT UNIQUE REFERENCES cycles (id),"
                     " event_id BIGINT UNIQUE REFERENCES events (id),"
                     " CHECK ((cycle_id IS NULL) <> (event_id IS NULL)))")}},
    {4,
     // Derived from the entry and the band: verification judges the cycle
     // again by the band stored here and compares.
     {QStringLiteral("CREATE TABLE verdicts ("
                     " cycle_id BIGINT PRIMARY KEY REFERENCES cycles (id),"
                     " result TEXT NOT NULL CHECK (result IN ('pass', 'fail', 'not evaluated')),"
                     " reason TEXT NOT NULL,"
                     " hold_centidegrees BIGINT,"
                     " hold_minutes INTEGER,"
                     " lower_tolerance_centikelvin BIGINT NOT NULL,"
                     " upper_band_centikelvin BIGINT NOT NULL,"
                     " stretch_start_ms BIGINT,"
                     " stretch_end_ms BIGINT,"
                     " hold_start_ms BIGINT,"
                     " hold_end_ms BIGINT,"
                     " lowest_ms BIGINT,"
                     " lowest_centidegrees BIGINT,"
                     " highest_ms BIGINT,"
                     " highest_centidegrees BIGINT,"
                     " gap_start_ms BIGINT,"
                     " gap_end_ms BIGINT)"),
      // Appended only; each chained to the cycle's release before it.
      QStringLiteral("CREATE TABLE releases ("
                     " id {id},"
                     " cycle_id BIGINT NOT NULL REFERENCES cycles (id),"
                     " seq BIGINT NOT NULL,"
                     " at_utc BIGINT NOT NULL,"
                     " at_offset INTEGER NOT NULL,"
                     " os_user TEXT NOT NULL,"
                     " station TEXT NOT NULL,"
                     " operator_name TEXT NOT NULL,"
                     " load_description TEXT NOT NULL,"
                     " lot TEXT NOT NULL,"
                     " chemical_indicator TEXT NOT NULL CHECK (chemical_indicator IN ('passed', 'failed', 'unused')),"
                     " biological_indicator TEXT NOT NULL"
                     "  CHECK (biological_indicator IN ('pending', 'negative', 'positive', 'unused')),"
                     " decision TEXT NOT NULL CHECK (decision IN ('released', 'rejected', 'quarantined')),"
                     " comment TEXT NOT NULL,"
                     " previous_hash TEXT NOT NULL,"
                     " release_hash TEXT NOT NULL)"),
      QStringLiteral("CREATE UNIQUE INDEX releases_cycle ON releases (cycle_id, seq)"),
      // The newest release of each cycle, as chain_heads for the entries.
      QStringLiteral("CREATE TABLE release_heads ("
                     " cycle_id BIGINT PRIMARY KEY REFERENCES cycles (id),"
                     " seq BIGINT NOT NULL,"
                     " release_hash TEXT NOT NULL)"),
      // The outbox sends releases too: rebuilt, as SQLite cannot change a
      // table's checks, with the waiting rows kept in their order.
      QStringLiteral("CREATE TABLE outbox_next ("
                     " id {id},"
                     " cycle_id BIGINT UNIQUE REFERENCES cycles (id),"
                     " event_id BIGINT UNIQUE REFERENCES events (id),"
                     " release_id BIGINT UNIQUE REFERENCES releases (id),"
                     " CHECK (CAST(cycle_id IS NOT NULL AS INTEGER) + CAST(event_id IS NOT NULL AS INTEGER)"
                     "  + CAST(release_id IS NOT NULL AS INTEGER) = 1))"),
      QStringLiteral("INSERT INTO outbox_next (cycle_id, event_id) SELECT cycle_id, event_id FROM outbox ORDER BY id"),
      QStringLiteral("DROP TABLE outbox"),
      QStringLiteral("ALTER TABLE outbox_next RENAME TO outbox")},
     fillVerdicts},
    // The ledger: every record linked into its controller's chain (see
    // ChainLedger); the records there already are linked in the order they
    // were made. Entries keep the hash scheme they were made with.
    // Adopted runs have a reason of their own, their steps known or not: the
    // verdicts judged before say so too, as verification judges them again,
    // before the ledger covers them.
    {5,
     {QStringLiteral("UPDATE verdicts SET reason = 'recording began after the start'"
                     " WHERE result = 'not evaluated' AND cycle_id IN (SELECT id FROM cycles WHERE adopted = 1)"
                     " AND reason IN ('the program''s steps are unknown',"
                     " 'the recording began after the program had started')"),
      QStringLiteral("ALTER TABLE cycles ADD COLUMN hash_scheme INTEGER NOT NULL DEFAULT 1"),
      QStringLiteral("ALTER TABLE events ADD COLUMN event_hash TEXT NOT NULL DEFAULT ''"),
      QStringLiteral("CREATE TABLE ledger ("
                     " chain TEXT NOT NULL,"
                     " seq BIGINT NOT NULL,"
                     " kind TEXT NOT NULL,"
                     " record_id BIGINT NOT NULL,"
                     " record_hash TEXT NOT NULL,"
                     " previous_hash TEXT NOT NULL,"
                     " link_hash TEXT NOT NULL,"
                     " PRIMARY KEY (chain, seq),"
                     " UNIQUE (kind, record_id))"),
      QStringLiteral("CREATE TABLE ledger_heads ("
                     " chain TEXT PRIMARY KEY,"
                     " seq BIGINT NOT NULL,"
                     " link_hash TEXT NOT NULL)")},
     [](const QSqlDatabase &db, const CycleVerdict::Band &, QString *error) { return ChainLedger::linkAll(db, error); }},
    // The heads are the database's to move (see HeadKeeper); on a server a
    // role may be tied to the station it enters records as.
    {6,
     {QStringLiteral("CREATE TABLE station_roles (role TEXT PRIMARY KEY, station TEXT NOT NULL)")},
     [](const QSqlDatabase &db, const CycleVerdict::Band &, QString *error) { return HeadKeeper::install(db, error); }},
    // Time stamps of the chains' heads by an outside authority: each token
    // (DER) with the text it stamps (whose SHA-256 it signs), the request's
    // nonce and the authority's time, UTC milliseconds.
    {7,
     {QStringLiteral("CREATE TABLE time_stamps ("
                     " id {id},"
                     " stamped_text TEXT NOT NULL,"
                     " nonce BIGINT NOT NULL,"
                     " token {blob} NOT NULL,"
                     " stamped_utc BIGINT NOT NULL)")}},
    // The Records tab's choice of operators, read after every entry.
    {11, {QStringLiteral("CREATE INDEX releases_operator ON releases (operator_name)")}},
    // Operators who sign: the PIN only as its slow salted hash; accounts are
    // deactivated, never deleted, as releases name them. A row's own hash
    // covers what it says (record_hash); the failed PINs and the lock-out
    // are the sign-in's state, not the record's.
    {12,
     {QStringLiteral("CREATE TABLE operators ("
                     " id {id},")
          + accountColumns
          + QStringLiteral(", failed_pins INTEGER NOT NULL, locked_until_utc BIGINT)"),
      QStringLiteral("CREATE UNIQUE INDEX operators_name ON operators (LOWER(name))")},
     allowRecalled},
    // From cycle to pack to patient. A pack's code is unique; its recall is
    // its cycle's newest release. A use keeps the patient reference as a
    // keyed hash, which its own hash covers, beside the reference, which
    // a supervisor can erase without breaking what the hash proves.
    {13,
     {QStringLiteral("CREATE TABLE pack_types ("
                     " name TEXT PRIMARY KEY,"
                     " shelf_life_days INTEGER NOT NULL CHECK (shelf_life_days > 0))"),
      QStringLiteral("CREATE TABLE packs ("
                     " id {id},"
                     " code TEXT NOT NULL UNIQUE,"
                     " cycle_id BIGINT NOT NULL REFERENCES cycles (id),"
                     " pack_number INTEGER NOT NULL,"
                     " pack_type TEXT NOT NULL,"
                     " sterilised_utc BIGINT NOT NULL,"
                     " sterilised_offset INTEGER NOT NULL,"
                     " expires_on TEXT NOT NULL,"
                     " operator_initials TEXT NOT NULL,"
                     " printed_utc BIGINT NOT NULL,"
                     " printed_offset INTEGER NOT NULL,"
                     " record_hash TEXT NOT NULL)"),
      QStringLiteral("CREATE UNIQUE INDEX packs_cycle ON packs (cycle_id, pack_number)"),
      QStringLiteral("CREATE INDEX packs_expiry ON packs (expires_on)"),
      // A use of a code the register does not know is kept as typed.
      QStringLiteral("CREATE TABLE pack_uses ("
                     " id {id},"
                     " code TEXT NOT NULL,"
                     " pack_id BIGINT REFERENCES packs (id),"
                     " at_utc BIGINT NOT NULL,"
                     " at_offset INTEGER NOT NULL,"
                     " operator_name TEXT NOT NULL,"
                     " reference_hash TEXT NOT NULL,"
                     " reference TEXT,"
                     " warning TEXT NOT NULL,"
                     " comment TEXT NOT NULL,"
                     " record_hash TEXT NOT NULL)"),
      QStringLiteral("CREATE INDEX pack_uses_pack ON pack_uses (pack_id)"),
      // The key of the references' keyed hashes, made once per register.
      QStringLiteral("CREATE TABLE register_keys ("
                     " purpose TEXT PRIMARY KEY,"
                     " key_hex TEXT NOT NULL)")}},
    // The outbox sends operator accounts, pack types, packs and uses too: a
    // kind and the record's ID (an account's name before its change, a pack
    // type's name). Rebuilt as in version 4, the waiting rows kept in order.
    // An account changes by a new row of its history, each linked into the
    // ledger, which the database copies onto the account (see StationRights).
    {14,
     {QStringLiteral("CREATE TABLE outbox_next ("
                     " id {id},"
                     " cycle_id BIGINT UNIQUE REFERENCES cycles (id),"
                     " event_id BIGINT UNIQUE REFERENCES events (id),"
                     " release_id BIGINT UNIQUE REFERENCES releases (id),"
                     " record_kind TEXT CHECK (record_kind IN ('operator', 'pack type', 'pack', 'use')),"
                     " record_id BIGINT,"
                     " record_key TEXT,"
                     " CHECK (CAST(cycle_id IS NOT NULL AS INTEGER) + CAST(event_id IS NOT NULL AS INTEGER)"
                     "  + CAST(release_id IS NOT NULL AS INTEGER) + CAST(record_kind IS NOT NULL AS INTEGER) = 1))"),
      QStringLiteral("INSERT INTO outbox_next (cycle_id, event_id, release_id)"
                     " SELECT cycle_id, event_id, release_id FROM outbox ORDER BY id"),
      QStringLiteral("DROP TABLE outbox"),
      QStringLiteral("ALTER TABLE outbox_next RENAME TO outbox"),
      QStringLiteral("CREATE TABLE operator_changes ("
                     " id {id},"
                     " operator_id BIGINT NOT NULL REFERENCES operators (id),")
          + accountColumns + QStringLiteral(")"),
      QStringLiteral("CREATE INDEX operator_changes_operator ON operator_changes (operator_id, id)")},
     [](const QSqlDatabase &db, const CycleVerdict::Band &, QString *error) { return StationRights::install(db, error); }},
};

// Entries made before the register kept verdicts get theirs, a page at a
// time (the samples of 30,000 entries would not fit at once), judged on all
// cores. An entry whose samples cannot be read is NOT EVALUATED; the
// verification names its damage.
bool fillVerdicts(const QSqlDatabase &db, const CycleVerdict::Band &band, QString *error)
{
    constexpr int pageSize = 1024;
    struct Judged {
        Cycle cycle;
        QByteArray blob;
        CycleVerdict verdict;
    };
    const CycleVerdict::Band rounded = VerdictRow::rounded(band);
    qint64 after = 0;
    int filled = 0;
    for (;;) {
        QSqlQuery query(db);
        query.setForwardOnly(true);
        query.prepare(QStringLiteral("SELECT %1, cycle_samples.samples FROM cycles"
                                     " LEFT JOIN cycle_samples ON cycle_samples.cycle_id = cycles.id"
                                     " WHERE cycles.id > ? ORDER BY cycles.id LIMIT ?")
                          .arg(CycleRow::columns(false)));
        query.addBindValue(after);
        query.addBindValue(pageSize);
        if (!query.exec()) {
            *error = query.lastError().text();
            return false;
        }
        std::vector<Judged> page;
        while (query.next()) {
            Judged judged;
            CycleRow::read(query, &judged.cycle);
            judged.blob = query.value(CycleRow::columnCount()).toByteArray();
            page.push_back(std::move(judged));
        }
        query.finish();
        if (page.empty())
            break;
        Parallel::forEach(int(page.size()), [&](int i) {
            Judged &judged = page[size_t(i)];
            QString damage;
            const std::optional<QVector<CycleSample>> samples = SampleCodec::decode(judged.blob, &damage);
            if (samples) {
                judged.cycle.samples = *samples;
                judged.verdict = CycleVerdict::evaluate(judged.cycle, rounded);
            } else {
                judged.verdict.band = rounded;
                judged.verdict.reason = QStringLiteral("the samples cannot be read: ") + damage;
            }
            judged.cycle.samples.clear();
            judged.blob.clear();
        });
        for (const Judged &judged : page) {
            if (!VerdictRow::insert(db, judged.cycle.id, judged.verdict, error))
                return false;
        }
        filled += int(page.size());
        after = page.back().cycle.id;
    }
    qCDebug(lcRegister) << "verdicts judged for" << filled << "earlier entries, band" << rounded.lowerTolerance
                        << rounded.upperBand;
    return true;
}

// Releases may be "recalled": a cycle found faulty after its release. The
// stored rows all stay valid under the wider check, so neither database
// needs the table rebuilt (which SQLite could not do in a transaction
// without dropping what refers to the releases): PostgreSQL replaces the
// constraint, SQLite's table definition is rewritten in place, as its
// documentation describes for a loosened constraint.
bool allowRecalled(const QSqlDatabase &db, const CycleVerdict::Band &, QString *error)
{
    const QString before = QStringLiteral("decision IN ('released', 'rejected', 'quarantined')");
    const QString after = QStringLiteral("decision IN ('released', 'rejected', 'quarantined', 'recalled')");
    QSqlQuery query(db);
    // PostgreSQL prepares no DDL: statements without values run as they are.
    const auto exec = [&](const QString &statement, const QVariantList &values = {}) {
        if (values.isEmpty() ? query.exec(statement) : query.prepare(statement)) {
            for (const QVariant &value : values)
                query.addBindValue(value);
            if (values.isEmpty() || query.exec())
                return true;
        }
        *error = query.lastError().text();
        return false;
    };
    if (db.driverName() == QLatin1String("QPSQL"))
        return exec(QStringLiteral("ALTER TABLE releases DROP CONSTRAINT releases_decision_check"))
            && exec(QStringLiteral("ALTER TABLE releases ADD CONSTRAINT releases_decision_check CHECK (%1)").arg(after));
    if (!exec(QStringLiteral("PRAGMA schema_version")) || !query.next())
        return false;
    const qint64 version = query.value(0).toLongLong();
    query.finish();
    return exec(QStringLiteral("PRAGMA writable_schema=ON"))
        && exec(QStringLiteral("UPDATE sqlite_master SET sql = replace(sql, ?, ?) WHERE type = 'table' AND name = 'releases'"),
                {before, after})
        && exec(QStringLiteral("PRAGMA schema_version=%1").arg(version + 1))
        && exec(QStringLiteral("PRAGMA writable_schema=OFF"));
}

bool run(QSqlQuery &query, const QString &statement, QString *error)
{
    if (query.exec(statement))
        return true;
    *error = query.lastError().text();
    qCDebug(lcRegister) << "migration statement failed:" << statement << *error;
    return false;
}

// The migration in one transaction; *applied false when it was there already.
bool apply(QSqlDatabase &db, const SqlDialect &dialect, const Migration &migration, const CycleVerdict::Band &band,
           QString *error)
{
    QSqlQuery query(db);
    if (!run(query, dialect.beginWrite, error))
        return false;
    const auto rollback = [&] {
        query.exec(QStringLiteral("ROLLBACK"));
        return false;
    };
    if (!dialect.migrationLock.isEmpty() && !run(query, dialect.migrationLock, error))
        return rollback();
    if (!run(query,
             QStringLiteral("CREATE TABLE IF NOT EXISTS schema_migrations ("
                            " version INTEGER PRIMARY KEY, applied_utc BIGINT NOT NULL)"),
             error)
        || !run(query, QStringLiteral("SELECT MAX(version) FROM schema_migrations"), error))
        return rollback();
    const int found = query.next() ? query.value(0).toInt() : 0;
    query.finish();
    if (found > currentVersion()) {
        *error = QCoreApplication::translate("RegisterSchema",
                                             "The register has schema version %1, newer than this program knows (%2); "
                                             "use a newer version of the program.")
                     .arg(found)
                     .arg(currentVersion());
        return rollback();
    }
    if (found < migration.version) {
        for (const QString &statement : migration.statements) {
            if (!run(query, dialect.sql(statement), error))
                return rollback();
        }
        if (migration.fill && !migration.fill(db, band, error))
            return rollback();
        query.prepare(QStringLiteral("INSERT INTO schema_migrations (version, applied_utc) VALUES (?, ?)"));
        query.addBindValue(migration.version);
        query.addBindValue(QDateTime::currentMSecsSinceEpoch());
        if (!query.exec()) {
            *error = query.lastError().text();
            return rollback();
        }
        qCDebug(lcRegister) << "register migrated to version" << migration.version;
    }
    return run(query, QStringLiteral("COMMIT"), error) || rollback();
}

} // namespace

const QVector<Migration> &migrations()
{
    return all;
}

int currentVersion()
{
    return all.last().version;
}

bool migrate(QSqlDatabase &db, const SqlDialect &dialect, const CycleVerdict::Band &band, QString *error)
{
    // A register that is up to date is only read: a station's role on a
    // server may read and enter but not create tables, and on SQLite no
    // lock is taken. Anything else, a register without tables too, goes
    // the careful way below, which also reports the errors.
    QSqlQuery query(db);
    if (query.exec(QStringLiteral("SELECT MAX(version) FROM schema_migrations")) && query.next()
        && query.value(0).toInt() == currentVersion())
        return true;
    query.finish();
    for (const Migration &migration : all) {
        if (!apply(db, dialect, migration, band, error))
            return false;
    }
    return true;
}

} // namespace RegisterSchema
