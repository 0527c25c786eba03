#include "register/eventrow.h"

#include "register/cyclerow.h"

#include <QSqlQuery>
#include <QVariant>

namespace EventRow {

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

} // namespace EventRow
