#include "register/packstore.h"

#include "register/cyclerow.h"
#include "register/hashform.h"
#include "register/operatoraccount.h"
#include "register/sha256.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

namespace {

constexpr int maxPacks = 999;
constexpr int maxShelfLifeDays = 3650;
const QString day = QStringLiteral("yyyy-MM-dd");

const QString packColumns = QStringLiteral(
    "packs.id, packs.code, packs.cycle_id, packs.pack_number, packs.pack_type, packs.sterilised_utc,"
    " packs.sterilised_offset, packs.expires_on, packs.operator_initials, packs.printed_utc, packs.printed_offset,"
    " packs.record_hash, cycles.controller_serial, cycles.cycle_number, cycles.program_name, verdicts.result,"
    " (SELECT decision FROM releases WHERE releases.cycle_id = packs.cycle_id ORDER BY seq DESC LIMIT 1),"
    " (SELECT COUNT(*) FROM pack_uses WHERE pack_uses.pack_id = packs.id)");

Pack read(const QSqlQuery &q)
{
    Pack p;
    p.id = q.value(0).toLongLong();
    p.code = q.value(1).toString();
    p.cycleId = q.value(2).toLongLong();
    p.number = q.value(3).toInt();
    p.type = q.value(4).toString();
    p.sterilisedAt = CycleRow::time(q.value(5).toLongLong(), q.value(6).toInt());
    p.expiresOn = QDate::fromString(q.value(7).toString(), day);
    p.operatorInitials = q.value(8).toString();
    p.printedAt = CycleRow::time(q.value(9).toLongLong(), q.value(10).toInt());
    p.hash = q.value(11).toString();
    p.controllerSerial = q.value(12).toString();
    p.cycleNumber = q.value(13).isNull() ? -1 : q.value(13).toInt();
    p.programName = q.value(14).toString();
    p.verdict = q.value(15).toString().toUpper();
    if (!q.value(16).isNull())
        p.decision = Release::parse<Release::Decision>(q.value(16).toString());
    p.uses = q.value(17).toInt();
    return p;
}

} // namespace

PackStore::PackStore(CycleRegister &cycleRegister, std::function<QDateTime()> clock)
    : RecordStore(cycleRegister, std::move(clock))
{
}

std::optional<QVector<PackStore::PackType>> PackStore::packTypes()
{
    std::optional<QSqlQuery> query = run(QStringLiteral("SELECT name, shelf_life_days FROM pack_types ORDER BY name"));
    if (!query)
        return std::nullopt;
    QVector<PackType> types;
    while (query->next())
        types.append({query->value(0).toString(), query->value(1).toInt()});
    return types;
}

bool PackStore::setPackType(const PackType &type, const QString &by)
{
    const QString name = type.name.trimmed();
    if (name.isEmpty() || name.size() > 60)
        return fail(tr("A pack type's name has 1 to 60 characters."));
    if (type.shelfLifeDays < 1 || type.shelfLifeDays > maxShelfLifeDays)
        return fail(tr("A shelf life is 1 to %1 days.").arg(maxShelfLifeDays));
    // The expiry printed on every later label follows from it: each change
    // is kept with the days before.
    return transaction([&] {
        const std::optional<QVariant> before =
            value(QStringLiteral("SELECT shelf_life_days FROM pack_types WHERE name = ?"), {name});
        if (!before)
            return false;
        if (!before->isNull() && before->toInt() == type.shelfLifeDays)
            return true;
        if (!run(QStringLiteral("INSERT INTO pack_types (name, shelf_life_days) VALUES (?, ?) ON CONFLICT (name)"
                                " DO UPDATE SET shelf_life_days = excluded.shelf_life_days"),
                 {name, type.shelfLifeDays})
            || !toOutbox(QStringLiteral("pack type"), 0, name))
            return false;
        QJsonObject details{{QStringLiteral("type"), name}, {QStringLiteral("days"), type.shelfLifeDays}};
        if (!before->isNull())
            details.insert(QStringLiteral("before"), before->toInt());
        if (!by.isEmpty())
            details.insert(QStringLiteral("by"), by);
        AuditEvent event;
        event.at = now();
        event.kind = before->isNull() ? QStringLiteral("pack type added") : QStringLiteral("pack type changed");
        event.details = QString::fromUtf8(QJsonDocument(details).toJson(QJsonDocument::Compact));
        return appendEvent(event);
    });
}

QString PackStore::code(const QString &controllerSerial, int cycleNumber, qint64 cycleId, int number)
{
    static const QRegularExpression other(QStringLiteral("[^A-Z0-9]"));
    QString serial = controllerSerial.toUpper().remove(other);
    if (serial.isEmpty())
        serial = QStringLiteral("X");
    const QString cycle = cycleNumber >= 0 ? QStringLiteral("%1").arg(cycleNumber, 4, 10, QLatin1Char('0'))
                                           : QStringLiteral("E%1").arg(cycleId);
    return QStringLiteral("%1-%2-%3").arg(serial, cycle).arg(number, 2, 10, QLatin1Char('0'));
}

std::optional<QVector<Pack>> PackStore::makePacks(qint64 cycleId, int count, const QString &type)
{
    const QString typeName = type.trimmed();
    if (count < 1 || count > maxPacks) {
        fail(tr("A load has 1 to %1 packs.").arg(maxPacks));
        return std::nullopt;
    }
    if (typeName.isEmpty() || typeName.size() > 60) {
        fail(tr("A pack type's name has 1 to 60 characters."));
        return std::nullopt;
    }
    QVector<Pack> made;
    const bool ok = transaction([&] {
        std::optional<QSqlQuery> cycle = run(
            QStringLiteral("SELECT cycles.controller_serial, cycles.cycle_number, cycles.program_name,"
                           " cycles.started_utc, cycles.started_offset, cycles.finished_utc, cycles.finished_offset,"
                           " cycles.entry_hash, verdicts.result,"
                           " (SELECT decision FROM releases WHERE releases.cycle_id = cycles.id ORDER BY seq DESC"
                           "  LIMIT 1),"
                           " (SELECT MAX(pack_number) FROM packs WHERE packs.cycle_id = cycles.id),"
                           " (SELECT shelf_life_days FROM pack_types WHERE name = ?),"
                           " (SELECT operator_name FROM releases WHERE releases.cycle_id = cycles.id ORDER BY seq"
                           "  DESC LIMIT 1)"
                           " FROM cycles LEFT JOIN verdicts ON verdicts.cycle_id = cycles.id WHERE cycles.id = ?"),
            {typeName, cycleId});
        if (!cycle)
            return false;
        if (!cycle->next())
            return fail(tr("There is no entry %1.").arg(cycleId));
        if (cycle->value(9).toString() != Release::keyword(Release::Decision::Released))
            return fail(tr("Labels are printed only for a cycle whose load is released."));
        Pack p;
        p.cycleId = cycleId;
        p.type = typeName;
        p.controllerSerial = cycle->value(0).toString();
        p.cycleNumber = cycle->value(1).isNull() ? -1 : cycle->value(1).toInt();
        p.programName = cycle->value(2).toString();
        p.sterilisedAt = cycle->value(5).isNull() ? CycleRow::time(cycle->value(3).toLongLong(), cycle->value(4).toInt())
                                                  : CycleRow::time(cycle->value(5).toLongLong(), cycle->value(6).toInt());
        const QString entryHash = cycle->value(7).toString();
        p.verdict = cycle->value(8).toString().toUpper();
        p.decision = Release::Decision::Released;
        const int first = cycle->value(10).toInt() + 1;
        const int shelfLife = cycle->value(11).isNull() ? defaultShelfLifeDays : cycle->value(11).toInt();
        p.expiresOn = p.sterilisedAt.date().addDays(shelfLife);
        p.printedAt = now();
        const QString signer = cycle->value(12).toString();
        cycle->finish();
        const std::optional<QVariant> initials =
            value(QStringLiteral("SELECT initials FROM operators WHERE name = ?"), {signer});
        if (!initials)
            return false;
        p.operatorInitials = initials->isNull() ? OperatorAccount::initialsOf(signer) : initials->toString();
        for (int n = first; n < first + count; ++n) {
            p.number = n;
            p.code = code(p.controllerSerial, p.cycleNumber, cycleId, n);
            p.hash = recordHash(p, entryHash);
            const std::optional<QVariant> id = value(
                QStringLiteral("INSERT INTO packs (code, cycle_id, pack_number, pack_type, sterilised_utc,"
                               " sterilised_offset, expires_on, operator_initials, printed_utc, printed_offset,"
                               " record_hash) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) RETURNING id"),
                {p.code, cycleId, n, p.type, CycleRow::utcMs(p.sterilisedAt), CycleRow::offsetSeconds(p.sterilisedAt),
                 p.expiresOn.toString(day), p.operatorInitials, CycleRow::utcMs(p.printedAt),
                 CycleRow::offsetSeconds(p.printedAt), p.hash});
            if (!id)
                return false;
            p.id = id->toLongLong();
            if (!link(p.controllerSerial, QStringLiteral("pack"), p.id, p.hash) || !toOutbox(QStringLiteral("pack"), p.id))
                return false;
            made << p;
        }
        AuditEvent event;
        event.at = p.printedAt;
        event.kind = QStringLiteral("packs labelled");
        event.controllerSerial = p.controllerSerial;
        event.cycleId = cycleId;
        event.details = QString::fromUtf8(
            QJsonDocument(QJsonObject{{QStringLiteral("first"), made.first().code},
                                      {QStringLiteral("last"), made.last().code},
                                      {QStringLiteral("count"), count},
                                      {QStringLiteral("type"), p.type},
                                      {QStringLiteral("expires"), p.expiresOn.toString(day)},
                                      {QStringLiteral("initials"), p.operatorInitials}})
                .toJson(QJsonDocument::Compact));
        return appendEvent(event);
    });
    if (!ok)
        return std::nullopt;
    return made;
}

std::optional<QVector<Pack>> PackStore::select(const QString &where, const QVariantList &values, const QString &tail)
{
    std::optional<QSqlQuery> query =
        run(QStringLiteral("SELECT %1 FROM packs JOIN cycles ON cycles.id = packs.cycle_id"
                           " LEFT JOIN verdicts ON verdicts.cycle_id = packs.cycle_id WHERE %2 %3")
                .arg(packColumns, where, tail),
            values);
    if (!query)
        return std::nullopt;
    QVector<Pack> packs;
    while (query->next())
        packs << read(*query);
    return packs;
}

std::optional<Pack> PackStore::find(const QString &code)
{
    const std::optional<QVector<Pack>> found =
        select(QStringLiteral("packs.code = ?"), {code.trimmed().toUpper()}, QString());
    if (!found)
        return std::nullopt;
    return found->value(0);
}

std::optional<QVector<Pack>> PackStore::packsOfCycle(qint64 cycleId)
{
    return select(QStringLiteral("packs.cycle_id = ?"), {cycleId}, QStringLiteral("ORDER BY packs.pack_number"));
}

std::optional<QVector<Pack>> PackStore::expiring(const QDate &lastDay, int limit)
{
    return select(QStringLiteral("packs.expires_on <= ?"
                                 " AND NOT EXISTS (SELECT 1 FROM pack_uses WHERE pack_uses.pack_id = packs.id)"),
                  {lastDay.toString(day), limit}, QStringLiteral("ORDER BY packs.expires_on, packs.id LIMIT ?"));
}

// The canonical form "vaporin-pack-1", made as the entries' (see HashForm):
//   1  "vaporin-pack-1"
//   2  the cycle's entry hash
//   3  code
//   4  pack number
//   5  pack type
//   6  sterilised at (two fields, 6 and 7)
//   8  expires on, yyyy-MM-dd
//   9  operator's initials
//  10  printed at (two fields, 10 and 11)
QString PackStore::recordHash(const Pack &p, const QString &cycleEntryHash)
{
    HashForm form;
    form.field(QByteArray("vaporin-pack-1"));
    form.field(cycleEntryHash);
    form.field(p.code);
    form.field(qint64(p.number));
    form.field(p.type);
    form.instant(p.sterilisedAt);
    form.field(p.expiresOn.toString(day));
    form.field(p.operatorInitials);
    form.instant(p.printedAt);
    return Sha256::hex(form.out);
}
