#include "register/headkeeper.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

namespace HeadKeeper {

namespace {

// SQLite: the file's writer can do anything anyway; the triggers only move
// the heads, so that the program never writes them.
const QStringList sqlite = {
    QStringLiteral("CREATE TRIGGER cycles_head AFTER INSERT ON cycles BEGIN"
                   " INSERT INTO chain_heads (controller_serial, chain_seq, entry_hash)"
                   " VALUES (NEW.controller_serial, NEW.chain_seq, NEW.entry_hash)"
                   " ON CONFLICT (controller_serial) DO UPDATE SET chain_seq = excluded.chain_seq,"
                   " entry_hash = excluded.entry_hash; END"),
    QStringLiteral("CREATE TRIGGER releases_head AFTER INSERT ON releases BEGIN"
                   " INSERT INTO release_heads (cycle_id, seq, release_hash) VALUES (NEW.cycle_id, NEW.seq, NEW.release_hash)"
                   " ON CONFLICT (cycle_id) DO UPDATE SET seq = excluded.seq, release_hash = excluded.release_hash; END"),
    QStringLiteral("CREATE TRIGGER ledger_head AFTER INSERT ON ledger BEGIN"
                   " INSERT INTO ledger_heads (chain, seq, link_hash) VALUES (NEW.chain, NEW.seq, NEW.link_hash)"
                   " ON CONFLICT (chain) DO UPDATE SET seq = excluded.seq, link_hash = excluded.link_hash; END"),
};

// PostgreSQL: the functions run as their owner, the register's owner
// (SECURITY DEFINER), so that the stations' roles need no right on the heads.
// A field of a hash's canonical form is its length in bytes as a big-endian
// 64-bit number followed by its UTF-8 bytes (see CycleHash).
const QStringList postgres = {
    QStringLiteral("CREATE FUNCTION vaporin_field(value TEXT) RETURNS BYTEA LANGUAGE sql IMMUTABLE AS"
                   " $$ SELECT int8send(octet_length(convert_to(value, 'UTF8'))::BIGINT) || convert_to(value, 'UTF8') $$"),
    // The station a role may enter records as; none listed: any (the owner,
    // or a role shared by all stations).
    QStringLiteral("CREATE FUNCTION vaporin_check_station(claimed TEXT) RETURNS VOID LANGUAGE plpgsql"
                   " SECURITY DEFINER SET search_path = public AS $$"
                   " DECLARE allowed TEXT;"
                   " BEGIN"
                   "  SELECT station INTO allowed FROM station_roles WHERE role = session_user;"
                   "  IF FOUND AND allowed <> claimed THEN"
                   "   RAISE EXCEPTION 'the role % enters records of the station %, not of %', session_user, allowed,"
                   "    claimed USING ERRCODE = 'insufficient_privilege';"
                   "  END IF;"
                   " END $$"),
    QStringLiteral("CREATE FUNCTION vaporin_cycles_head() RETURNS TRIGGER LANGUAGE plpgsql"
                   " SECURITY DEFINER SET search_path = public AS $$"
                   " DECLARE head RECORD;"
                   " BEGIN"
                   "  PERFORM vaporin_check_station(NEW.station);"
                   "  SELECT chain_seq, entry_hash INTO head FROM chain_heads"
                   "   WHERE controller_serial = NEW.controller_serial FOR UPDATE;"
                   "  IF NEW.chain_seq <> COALESCE(head.chain_seq, 0) + 1"
                   "   OR NEW.previous_hash <> COALESCE(head.entry_hash, '') THEN"
                   "   RAISE EXCEPTION 'the entry does not follow the head of the chain of %', NEW.controller_serial;"
                   "  END IF;"
                   "  INSERT INTO chain_heads (controller_serial, chain_seq, entry_hash)"
                   "   VALUES (NEW.controller_serial, NEW.chain_seq, NEW.entry_hash)"
                   "   ON CONFLICT (controller_serial) DO UPDATE SET chain_seq = excluded.chain_seq,"
                   "   entry_hash = excluded.entry_hash;"
                   "  RETURN NEW;"
                   " END $$"),
    QStringLiteral("CREATE TRIGGER cycles_head BEFORE INSERT ON cycles FOR EACH ROW EXECUTE FUNCTION vaporin_cycles_head()"),
    QStringLiteral("CREATE FUNCTION vaporin_releases_head() RETURNS TRIGGER LANGUAGE plpgsql"
                   " SECURITY DEFINER SET search_path = public AS $$"
                   " DECLARE head RECORD;"
                   " BEGIN"
                   "  PERFORM vaporin_check_station(NEW.station);"
                   "  SELECT seq, release_hash INTO head FROM release_heads WHERE cycle_id = NEW.cycle_id FOR UPDATE;"
                   "  IF NEW.seq <> COALESCE(head.seq, 0) + 1 OR NEW.previous_hash <> COALESCE(head.release_hash, '') THEN"
                   "   RAISE EXCEPTION 'the release does not follow the head of the release history of entry %',"
                   "    NEW.cycle_id;"
                   "  END IF;"
                   "  INSERT INTO release_heads (cycle_id, seq, release_hash) VALUES (NEW.cycle_id, NEW.seq, NEW.release_hash)"
                   "   ON CONFLICT (cycle_id) DO UPDATE SET seq = excluded.seq, release_hash = excluded.release_hash;"
                   "  RETURN NEW;"
                   " END $$"),
    QStringLiteral("CREATE TRIGGER releases_head BEFORE INSERT ON releases FOR EACH ROW"
                   " EXECUTE FUNCTION vaporin_releases_head()"),
    QStringLiteral("CREATE FUNCTION vaporin_events_station() RETURNS TRIGGER LANGUAGE plpgsql"
                   " SECURITY DEFINER SET search_path = public AS $$"
                   " BEGIN PERFORM vaporin_check_station(NEW.station); RETURN NEW; END $$"),
    QStringLiteral("CREATE TRIGGER events_station BEFORE INSERT ON events FOR EACH ROW"
                   " EXECUTE FUNCTION vaporin_events_station()"),
    QStringLiteral("CREATE FUNCTION vaporin_ledger_head() RETURNS TRIGGER LANGUAGE plpgsql"
                   " SECURITY DEFINER SET search_path = public AS $$"
                   " DECLARE head RECORD;"
                   " BEGIN"
                   "  SELECT seq, link_hash INTO head FROM ledger_heads WHERE chain = NEW.chain FOR UPDATE;"
                   "  IF NEW.seq <> COALESCE(head.seq, 0) + 1 OR NEW.previous_hash <> COALESCE(head.link_hash, '')"
                   "   OR NEW.link_hash <> encode(sha256(vaporin_field('vaporin-ledger-link-1') || vaporin_field(NEW.chain)"
                   "    || vaporin_field(NEW.seq::TEXT) || vaporin_field(NEW.kind) || vaporin_field(NEW.record_id::TEXT)"
                   "    || vaporin_field(NEW.record_hash) || vaporin_field(NEW.previous_hash)), 'hex') THEN"
                   "   RAISE EXCEPTION 'the link does not follow the head of the chain %', NEW.chain;"
                   "  END IF;"
                   "  INSERT INTO ledger_heads (chain, seq, link_hash) VALUES (NEW.chain, NEW.seq, NEW.link_hash)"
                   "   ON CONFLICT (chain) DO UPDATE SET seq = excluded.seq, link_hash = excluded.link_hash;"
                   "  RETURN NEW;"
                   " END $$"),
    QStringLiteral("CREATE TRIGGER ledger_head BEFORE INSERT ON ledger FOR EACH ROW EXECUTE FUNCTION vaporin_ledger_head()"),
    // Who entered each record, as the server knows it.
    QStringLiteral("ALTER TABLE cycles ADD COLUMN entered_by TEXT NOT NULL DEFAULT session_user"),
    QStringLiteral("ALTER TABLE releases ADD COLUMN entered_by TEXT NOT NULL DEFAULT session_user"),
    QStringLiteral("ALTER TABLE events ADD COLUMN entered_by TEXT NOT NULL DEFAULT session_user"),
    // Rights given before, by default privileges or by hand, to write the
    // heads or the versions, or to change or remove anything, are taken back.
    QStringLiteral("DO $$ DECLARE grant_row RECORD; BEGIN"
                   " FOR grant_row IN SELECT DISTINCT grantee, table_name, privilege_type"
                   "  FROM information_schema.role_table_grants"
                   "  WHERE table_schema = 'public' AND grantee <> current_user"
                   "  AND (privilege_type IN ('UPDATE', 'DELETE', 'TRUNCATE') OR (privilege_type = 'INSERT'"
                   "   AND table_name IN ('chain_heads', 'release_heads', 'ledger_heads', 'schema_migrations',"
                   "    'station_roles'))) LOOP"
                   "  EXECUTE format('REVOKE %s ON %I FROM %I', grant_row.privilege_type, grant_row.table_name,"
                   "   grant_row.grantee);"
                   " END LOOP; END $$"),
};

} // namespace

bool install(const QSqlDatabase &db, QString *error)
{
    QSqlQuery query(db);
    for (const QString &statement : db.driverName() == QLatin1String("QPSQL") ? postgres : sqlite) {
        if (!query.exec(statement)) {
            *error = query.lastError().text();
            return false;
        }
    }
    return true;
}

} // namespace HeadKeeper
