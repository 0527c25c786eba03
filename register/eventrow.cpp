#include "register/eventrow.h"

#include "register/chainledger.h"
#include "register/cyclehash.h"
#include "register/cyclerow.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace EventRow {

namespace {

// A null QString would be stored as NULL; the register's texts are never NULL.
QString text(const QString &value)
{
    return value.isNull() ? QStringLiteral("") : value;
}

} // namespace

QString columns()
{
    return QStringLiteral("id, at_utc, at_offset, os_user, station, kind, controller_serial, cycle_id, details,"
                          " event_hash");
}

AuditEvent read(const QSqlQuery &query)
{
    AuditEvent e;
    e.id = query.value(0).toLongLong();
    e.at = CycleRow::time(query.value(1).toLongLong(), query.value(2).toInt());
    e.osUser = query.value(3).toString();
    e.station = query.value(4).toString();
    e.kind = query.value(5).toString();
    e.controllerSerial = query.value(6).toString();
    e.cycleId = query.value(7).toLongLong();
    e.details = query.value(8).toString();
    e.hash = query.value(9).toString();
    return e;
}

const QStringList &fields()
{
    static const QStringList names{QStringLiteral("at_utc"),  QStringLiteral("at_offset"),
                                   QStringLiteral("os_user"), QStringLiteral("station"),
                                   QStringLiteral("kind"),    QStringLiteral("controller_serial"),
                                   QStringLiteral("details")};
    return names;
}

void bind(QSqlQuery &query, const AuditEvent &event)
{
    for (const QVariant &value : {QVariant(CycleRow::utcMs(event.at)), QVariant(CycleRow::offsetSeconds(event.at)),
                                  QVariant(text(event.osUser)), QVariant(text(event.station)),
                                  QVariant(text(event.kind)), QVariant(text(event.controllerSerial)),
                                  QVariant(text(event.details))})
        query.addBindValue(value);
}

bool insert(const QSqlDatabase &db, AuditEvent &event, QString *error)
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral("INSERT INTO events (%1, cycle_id, event_hash) VALUES (%2?, ?) RETURNING id")
                      .arg(fields().join(QLatin1String(", ")), QStringLiteral("?, ").repeated(fields().size())));
    bind(query, event);
    query.addBindValue(event.cycleId != 0 ? QVariant(event.cycleId) : QVariant(QVariant::LongLong));
    event.hash = CycleHash::eventHash(event);
    query.addBindValue(event.hash);
    if (!query.exec()) {
        *error = query.lastError().text();
        return false;
    }
    if (!query.next()) {
        *error = QCoreApplication::translate("EventRow", "The new event's ID was not returned.");
        return false;
    }
    event.id = query.value(0).toLongLong();
    return ChainLedger::append(db, ChainLedger::chainOf(event.controllerSerial), QStringLiteral("event"), event.id,
                               event.hash, error);
}

} // namespace EventRow
