#include "register/stationrights.h"

#include "register/chainledger.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>
#include <QVector>

namespace StationRights {

namespace {

// An account takes the state of its newest change.
const QString applyChange = QStringLiteral(
    " UPDATE operators SET name = NEW.name, initials = NEW.initials, role = NEW.role, active = NEW.active,"
    " pin_hash = NEW.pin_hash, changed_utc = NEW.changed_utc, changed_offset = NEW.changed_offset,"
    " record_hash = NEW.record_hash WHERE id = NEW.operator_id;");

const QStringList sqlite = {
    QStringLiteral("CREATE TRIGGER operator_changes_apply AFTER INSERT ON operator_changes BEGIN") + applyChange
        + QStringLiteral(" END"),
    QStringLiteral("CREATE TRIGGER pack_uses_erase_only BEFORE UPDATE OF reference ON pack_uses"
                   " WHEN NEW.reference IS NOT NULL BEGIN SELECT RAISE(ABORT, 'a use''s reference is only erased'); END"),
};

// The account's change runs as the register's owner (SECURITY DEFINER), so
// that the stations' roles need no right to change an account in place.
const QStringList postgres = {
    QStringLiteral("CREATE FUNCTION vaporin_operator_change() RETURNS TRIGGER LANGUAGE plpgsql"
                   " SECURITY DEFINER SET search_path = public AS $$ BEGIN")
        + applyChange
        + QStringLiteral(" IF NOT FOUND THEN RAISE EXCEPTION 'there is no operator %', NEW.operator_id; END IF;"
                         " RETURN NEW; END $$"),
    QStringLiteral("CREATE TRIGGER operator_changes_apply AFTER INSERT ON operator_changes FOR EACH ROW"
                   " EXECUTE FUNCTION vaporin_operator_change()"),
    QStringLiteral("CREATE FUNCTION vaporin_erase_only() RETURNS TRIGGER LANGUAGE plpgsql AS $$ BEGIN"
                   " IF NEW.reference IS NOT NULL THEN RAISE EXCEPTION 'a use''s reference is only erased'"
                   "  USING ERRCODE = 'insufficient_privilege'; END IF;"
                   " RETURN NEW; END $$"),
    QStringLiteral("CREATE TRIGGER pack_uses_erase_only BEFORE UPDATE OF reference ON pack_uses FOR EACH ROW"
                   " EXECUTE FUNCTION vaporin_erase_only()"),
    // A right to update these tables beyond their columns above, given
    // before by hand (as earlier versions of the guide said), is taken back;
    // the role keeps those columns. Taking back a table's right takes its
    // columns' too, so the columns are given again.
    QStringLiteral(
        "DO $$ DECLARE g RECORD; allowed CONSTANT JSONB := '{\"operators\": \"failed_pins, locked_until_utc\","
        " \"pack_types\": \"shelf_life_days\", \"pack_uses\": \"reference\"}'; BEGIN"
        " FOR g IN SELECT DISTINCT grantee, table_name FROM information_schema.role_table_grants"
        "  WHERE table_schema = 'public' AND grantee <> current_user AND privilege_type = 'UPDATE'"
        "  AND table_name IN ('operators', 'pack_types', 'pack_uses') LOOP"
        "  EXECUTE format('REVOKE UPDATE ON %I FROM %s', g.table_name,"
        "   CASE WHEN g.grantee = 'PUBLIC' THEN 'PUBLIC' ELSE quote_ident(g.grantee) END);"
        "  EXECUTE format('GRANT UPDATE (%s) ON %I TO %s', allowed ->> g.table_name::TEXT, g.table_name,"
        "   CASE WHEN g.grantee = 'PUBLIC' THEN 'PUBLIC' ELSE quote_ident(g.grantee) END);"
        " END LOOP;"
        " FOR g IN SELECT DISTINCT grantee, table_name, column_name FROM information_schema.column_privileges"
        "  WHERE table_schema = 'public' AND grantee <> current_user AND privilege_type = 'UPDATE'"
        "  AND table_name IN ('operators', 'pack_types', 'pack_uses')"
        "  AND column_name NOT IN ('failed_pins', 'locked_until_utc', 'shelf_life_days', 'reference') LOOP"
        "  EXECUTE format('REVOKE UPDATE (%I) ON %I FROM %s', g.column_name, g.table_name,"
        "   CASE WHEN g.grantee = 'PUBLIC' THEN 'PUBLIC' ELSE quote_ident(g.grantee) END);"
        " END LOOP; END $$"),
};

bool run(QSqlQuery &query, const QString &statement, QString *error)
{
    if (query.exec(statement))
        return true;
    *error = query.lastError().text();
    return false;
}

} // namespace

bool install(const QSqlDatabase &db, QString *error)
{
    QSqlQuery query(db);
    // Each account made before begins its history with its state now.
    if (!run(query,
             QStringLiteral("INSERT INTO operator_changes (operator_id, name, initials, role, active, pin_hash,"
                            " changed_utc, changed_offset, record_hash) SELECT id, name, initials, role, active,"
                            " pin_hash, changed_utc, changed_offset, record_hash FROM operators ORDER BY id"),
             error)
        || !run(query, QStringLiteral("SELECT id, record_hash FROM operator_changes ORDER BY id"), error))
        return false;
    QVector<std::pair<qint64, QString>> changes;
    while (query.next())
        changes.append({query.value(0).toLongLong(), query.value(1).toString()});
    query.finish();
    for (const auto &[id, hash] : changes) {
        if (!ChainLedger::append(db, ChainLedger::stationChain, QStringLiteral("account"), id, hash, error))
            return false;
    }
    for (const QString &statement : db.driverName() == QLatin1String("QPSQL") ? postgres : sqlite) {
        if (!run(query, statement, error))
            return false;
    }
    return true;
}

} // namespace StationRights
