#include "register/registerschema.h"

#include "app/logging.h"
#include "register/sqldialect.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace RegisterSchema {

namespace {

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
};

QString tr(const char *text)
{
    return QCoreApplication::translate("RegisterSchema", text);
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
bool apply(QSqlDatabase &db, const SqlDialect &dialect, const Migration &migration, QString *error)
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
        *error = tr("The register has schema version %1, newer than this program knows (%2); "
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

bool migrate(QSqlDatabase &db, const SqlDialect &dialect, QString *error)
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
        if (!apply(db, dialect, migration, error))
            return false;
    }
    return true;
}

} // namespace RegisterSchema
