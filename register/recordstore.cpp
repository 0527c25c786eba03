#include "register/recordstore.h"

#include "app/logging.h"
#include "register/chainledger.h"
#include "register/cycleregister.h"
#include "register/cyclerow.h"
#include "register/eventrow.h"
#include "register/sqldialect.h"

#include <QSqlError>

RecordStore::RecordStore(CycleRegister &cycleRegister, std::function<QDateTime()> clock)
    : db(cycleRegister.database())
    , owner(cycleRegister)
    , beginWrite(cycleRegister.dialect().beginWrite)
    , clock(std::move(clock))
{
}

QDateTime RecordStore::now() const
{
    const QDateTime local = clock ? clock() : QDateTime::currentDateTime();
    return CycleRow::time(CycleRow::utcMs(local), local.offsetFromUtc());
}

std::optional<QSqlQuery> RecordStore::run(const QString &statement, const QVariantList &values)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    // PostgreSQL prepares no transaction control: a statement without
    // values runs as it is.
    if (values.isEmpty() ? !query.exec(statement) : !query.prepare(statement)) {
        fail(query.lastError().text());
        return std::nullopt;
    }
    if (values.isEmpty())
        return query;
    // A null QString would be stored as NULL; the register's texts are
    // never NULL where they are not meant to be.
    for (const QVariant &v : values)
        query.addBindValue(v.type() == QVariant::String && v.toString().isNull() ? QVariant(QStringLiteral("")) : v);
    if (!query.exec()) {
        fail(query.lastError().text());
        return std::nullopt;
    }
    return query;
}

std::optional<QVariant> RecordStore::value(const QString &statement, const QVariantList &values)
{
    std::optional<QSqlQuery> query = run(statement, values);
    if (!query)
        return std::nullopt;
    return query->next() ? query->value(0) : QVariant();
}

bool RecordStore::appendEvent(AuditEvent event)
{
    event.osUser = CycleRegister::osUser();
    event.station = CycleRegister::station();
    QString error;
    if (!EventRow::insert(db, event, &error))
        return fail(error);
    return !owner.fillsOutbox() || run(QStringLiteral("INSERT INTO outbox (event_id) VALUES (?)"), {event.id});
}

bool RecordStore::toOutbox(const QString &kind, qint64 id, const QString &key)
{
    return !owner.fillsOutbox()
        || run(QStringLiteral("INSERT INTO outbox (record_kind, record_id, record_key) VALUES (?, ?, ?)"),
               {kind, id, key});
}

bool RecordStore::link(const QString &controllerSerial, const QString &kind, qint64 id, const QString &hash)
{
    QString error;
    return ChainLedger::append(db, ChainLedger::chainOf(controllerSerial), kind, id, hash, &error) || fail(error);
}

bool RecordStore::fail(const QString &error)
{
    lastError = error.simplified();
    qCDebug(lcRegister) << "register:" << lastError;
    return false;
}
