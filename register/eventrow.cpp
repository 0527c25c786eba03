#include "register/eventrow.h"

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

const QStringList &columns()
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
    query.prepare(QStringLiteral("INSERT INTO events (%1, cycle_id) VALUES (%2?) RETURNING id")
                      .arg(columns().join(QLatin1String(", ")), QStringLiteral("?, ").repeated(columns().size())));
    bind(query, event);
    query.addBindValue(event.cycleId != 0 ? QVariant(event.cycleId) : QVariant(QVariant::LongLong));
    if (!query.exec()) {
        *error = query.lastError().text();
        return false;
    }
    if (!query.next()) {
        *error = QCoreApplication::translate("EventRow", "The new event's ID was not returned.");
        return false;
    }
    event.id = query.value(0).toLongLong();
    return true;
}

} // namespace EventRow
