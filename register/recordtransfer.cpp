#include "register/recordtransfer.h"

#include "register/chainledger.h"
#include "register/cyclerow.h"
#include "register/operatoraccounts.h"
#include "register/packstore.h"
#include "register/packuses.h"

#include <QSqlError>

namespace {

const QString accountKind = QStringLiteral("operator");
const QString packTypeKind = QStringLiteral("pack type");
const QString packKind = QStringLiteral("pack");
const QString useKind = QStringLiteral("use");

} // namespace

RecordTransfer::RecordTransfer(CycleRegister &from, CycleRegister &to)
    : RecordStore(to)
    , from(from)
{
}

std::optional<QSqlQuery> RecordTransfer::source(const QString &statement, const QVariantList &values)
{
    QSqlQuery query(from.database());
    query.setForwardOnly(true);
    query.prepare(statement);
    for (const QVariant &v : values)
        query.addBindValue(v);
    if (!query.exec()) {
        fail(query.lastError().text());
        return std::nullopt;
    }
    return query;
}

std::optional<QVector<CycleRegister::OutboxItem>> RecordTransfer::all()
{
    QVector<CycleRegister::OutboxItem> items;
    const QVector<std::pair<QString, QString>> lists = {
        {accountKind, QStringLiteral("SELECT id, name FROM operators ORDER BY id")},
        {packTypeKind, QStringLiteral("SELECT 0, name FROM pack_types ORDER BY name")},
        {packKind, QStringLiteral("SELECT id, '' FROM packs ORDER BY id")},
        {useKind, QStringLiteral("SELECT id, '' FROM pack_uses ORDER BY id")}};
    for (const auto &[kind, statement] : lists) {
        std::optional<QSqlQuery> query = source(statement, {});
        if (!query)
            return std::nullopt;
        while (query->next()) {
            CycleRegister::OutboxItem item;
            item.recordKind = kind;
            item.recordId = query->value(0).toLongLong();
            item.recordKey = query->value(1).toString();
            items << item;
        }
    }
    return items;
}

std::optional<QVector<qint64>> RecordTransfer::cyclesOf(const QVector<CycleRegister::OutboxItem> &items)
{
    QVector<qint64> cycles;
    for (const CycleRegister::OutboxItem &item : items) {
        if (item.recordKind != packKind && item.recordKind != useKind)
            continue;
        std::optional<QSqlQuery> query =
            item.recordKind == packKind
                ? source(QStringLiteral("SELECT cycle_id FROM packs WHERE id = ?"), {item.recordId})
                : source(QStringLiteral("SELECT packs.cycle_id FROM pack_uses JOIN packs ON packs.id = pack_uses.pack_id"
                                        " WHERE pack_uses.id = ?"),
                         {item.recordId});
        if (!query)
            return std::nullopt;
        if (query->next() && !cycles.contains(query->value(0).toLongLong()))
            cycles << query->value(0).toLongLong();
    }
    return cycles;
}

bool RecordTransfer::carry(const QVector<CycleRegister::OutboxItem> &items, const QHash<qint64, qint64> &targetIds,
                           RegisterTransfer::Result &result)
{
    for (const CycleRegister::OutboxItem &item : items) {
        bool ok = true;
        if (item.recordKind == accountKind)
            ok = carryAccount(item, result);
        else if (item.recordKind == packTypeKind)
            ok = carryPackType(item.recordKey, result);
        else if (item.recordKind == packKind)
            ok = carryPack(item.recordId, targetIds, result).has_value();
        else if (item.recordKind == useKind)
            ok = carryUse(item.recordId, targetIds, result);
        if (!ok) {
            if (result.refused.isEmpty())
                result.error = errorString();
            return false;
        }
    }
    return true;
}

bool RecordTransfer::refuse(RegisterTransfer::Result &result, const QString &record)
{
    result.refused.append({CycleVerifier::Problem::RecordAltered, 0, QString(),
                           tr("%1 does not match its hash: it is not carried.").arg(record)});
    return false;
}

bool RecordTransfer::carryAccount(const CycleRegister::OutboxItem &item, RegisterTransfer::Result &result)
{
    std::optional<QSqlQuery> row = source(QStringLiteral("SELECT name, initials, role, active, pin_hash, changed_utc,"
                                                         " changed_offset, record_hash FROM operators WHERE id = ?"),
                                          {item.recordId});
    if (!row)
        return false;
    if (!row->next())
        return fail(tr("The operator account %1 is gone from the register.").arg(item.recordId));
    OperatorAccount a;
    a.name = row->value(0).toString();
    a.initials = row->value(1).toString();
    a.role = OperatorAccount::parseRole(row->value(2).toString()).value_or(OperatorAccount::Role::Operator);
    a.active = row->value(3).toInt() != 0;
    const QString pinHash = row->value(4).toString();
    a.changedAt = CycleRow::time(row->value(5).toLongLong(), row->value(6).toInt());
    a.hash = row->value(7).toString();
    if (OperatorAccounts::recordHash(a, pinHash) != a.hash)
        return refuse(result, tr("The operator account %1").arg(a.name));
    return transaction([&] {
        std::optional<QSqlQuery> there = run(
            QStringLiteral("SELECT id, record_hash, changed_utc FROM operators WHERE LOWER(name) IN (LOWER(?), LOWER(?))"
                           " ORDER BY LOWER(name) = LOWER(?) DESC LIMIT 1"),
            {a.name, item.recordKey.isEmpty() ? a.name : item.recordKey, a.name});
        if (!there)
            return false;
        // The same state, or a later change made there.
        if (there->next()
            && (there->value(1).toString() == a.hash || there->value(2).toLongLong() >= CycleRow::utcMs(a.changedAt))) {
            ++result.accountsPresent;
            return true;
        }
        a.id = there->isValid() ? there->value(0).toLongLong() : 0;
        there.reset();
        ++result.accounts;
        OperatorAccounts accounts(cycleRegister());
        return accounts.enter(a, pinHash) || fail(accounts.errorString());
    });
}

bool RecordTransfer::carryPackType(const QString &name, RegisterTransfer::Result &result)
{
    std::optional<QSqlQuery> row =
        source(QStringLiteral("SELECT shelf_life_days FROM pack_types WHERE name = ?"), {name});
    if (!row)
        return false;
    if (!row->next())
        return true; // there is nothing to carry
    const int days = row->value(0).toInt();
    const std::optional<QVariant> there =
        value(QStringLiteral("SELECT shelf_life_days FROM pack_types WHERE name = ?"), {name});
    if (!there)
        return false;
    if (!there->isNull() && (there->toInt() == days || !replacePackTypes))
        return true;
    ++result.packTypes;
    return run(there->isNull() ? QStringLiteral("INSERT INTO pack_types (shelf_life_days, name) VALUES (?, ?)")
                               : QStringLiteral("UPDATE pack_types SET shelf_life_days = ? WHERE name = ?"),
               {days, name})
        .has_value();
}

std::optional<RecordTransfer::Carried> RecordTransfer::carryPack(qint64 id, const QHash<qint64, qint64> &targetIds,
                                                                 RegisterTransfer::Result &result)
{
    if (packs.contains(id))
        return packs.value(id);
    std::optional<QSqlQuery> row = source(
        QStringLiteral("SELECT packs.code, packs.cycle_id, packs.pack_number, packs.pack_type, packs.sterilised_utc,"
                       " packs.sterilised_offset, packs.expires_on, packs.operator_initials, packs.printed_utc,"
                       " packs.printed_offset, packs.record_hash, cycles.entry_hash, cycles.controller_serial"
                       " FROM packs JOIN cycles ON cycles.id = packs.cycle_id WHERE packs.id = ?"),
        {id});
    if (!row)
        return std::nullopt;
    if (!row->next()) {
        fail(tr("The pack %1 is gone from the register.").arg(id));
        return std::nullopt;
    }
    Pack p;
    p.code = row->value(0).toString();
    p.cycleId = row->value(1).toLongLong();
    p.number = row->value(2).toInt();
    p.type = row->value(3).toString();
    p.sterilisedAt = CycleRow::time(row->value(4).toLongLong(), row->value(5).toInt());
    p.expiresOn = QDate::fromString(row->value(6).toString(), Qt::ISODate);
    p.operatorInitials = row->value(7).toString();
    p.printedAt = CycleRow::time(row->value(8).toLongLong(), row->value(9).toInt());
    p.hash = row->value(10).toString();
    Carried carried;
    carried.controllerSerial = row->value(12).toString();
    if (PackStore::recordHash(p, row->value(11).toString()) != p.hash) {
        refuse(result, tr("The pack %1").arg(p.code));
        return std::nullopt;
    }
    const bool ok = transaction([&] {
        std::optional<QSqlQuery> there = run(QStringLiteral("SELECT id, record_hash FROM packs WHERE code = ?"), {p.code});
        if (!there)
            return false;
        if (there->next()) {
            carried.id = there->value(0).toLongLong();
            carried.hash = there->value(1).toString();
            ++result.packsPresent;
            return true;
        }
        const qint64 cycleId = targetIds.value(p.cycleId);
        const std::optional<QVariant> entryHash =
            value(QStringLiteral("SELECT entry_hash FROM cycles WHERE id = ?"), {cycleId});
        if (!entryHash)
            return false;
        if (entryHash->isNull())
            return fail(tr("The entry of the pack %1 is not in the register it goes to.").arg(p.code));
        carried.hash = PackStore::recordHash(p, entryHash->toString());
        const std::optional<QVariant> made = value(
            QStringLiteral("INSERT INTO packs (code, cycle_id, pack_number, pack_type, sterilised_utc,"
                           " sterilised_offset, expires_on, operator_initials, printed_utc, printed_offset,"
                           " record_hash) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) RETURNING id"),
            {p.code, cycleId, p.number, p.type, CycleRow::utcMs(p.sterilisedAt), CycleRow::offsetSeconds(p.sterilisedAt),
             p.expiresOn.toString(Qt::ISODate), p.operatorInitials, CycleRow::utcMs(p.printedAt),
             CycleRow::offsetSeconds(p.printedAt), carried.hash});
        if (!made)
            return false;
        carried.id = made->toLongLong();
        ++result.packs;
        return link(carried.controllerSerial, packKind, carried.id, carried.hash);
    });
    if (!ok)
        return std::nullopt;
    packs.insert(id, carried);
    return carried;
}

bool RecordTransfer::carryUse(qint64 id, const QHash<qint64, qint64> &targetIds, RegisterTransfer::Result &result)
{
    std::optional<QSqlQuery> row = source(
        QStringLiteral("SELECT pack_uses.code, pack_uses.pack_id, pack_uses.at_utc, pack_uses.at_offset,"
                       " pack_uses.operator_name, pack_uses.reference, pack_uses.reference_hash, pack_uses.warning,"
                       " pack_uses.comment, pack_uses.record_hash, packs.record_hash"
                       " FROM pack_uses LEFT JOIN packs ON packs.id = pack_uses.pack_id WHERE pack_uses.id = ?"),
        {id});
    if (!row)
        return false;
    if (!row->next())
        return fail(tr("The use %1 is gone from the register.").arg(id));
    PackUse u;
    u.code = row->value(0).toString();
    u.packId = row->value(1).toLongLong();
    u.at = CycleRow::time(row->value(2).toLongLong(), row->value(3).toInt());
    u.operatorName = row->value(4).toString();
    u.erased = row->value(5).isNull();
    u.reference = row->value(5).toString();
    u.referenceHash = row->value(6).toString();
    u.warning = row->value(7).toString();
    u.comment = row->value(8).toString();
    u.hash = row->value(9).toString();
    if (PackUses::recordHash(u, row->value(10).toString()) != u.hash)
        return refuse(result, tr("The use %1 of the pack %2").arg(id).arg(u.code));
    row.reset();
    Carried pack; // none for a code the register did not know
    if (u.packId) {
        const std::optional<Carried> carried = carryPack(u.packId, targetIds, result);
        if (!carried)
            return false;
        pack = *carried;
    }
    return transaction([&] {
        std::optional<QSqlQuery> there = run(QStringLiteral("SELECT id, reference FROM pack_uses WHERE code = ? AND"
                                                            " at_utc = ? AND at_offset = ? AND operator_name = ?"),
                                             {u.code, CycleRow::utcMs(u.at), CycleRow::offsetSeconds(u.at),
                                              u.operatorName});
        if (!there)
            return false;
        if (there->next()) {
            ++result.usesPresent;
            const bool erase = u.erased && !there->value(1).isNull();
            return !erase
                || run(QStringLiteral("UPDATE pack_uses SET reference = NULL WHERE id = ?"), {there->value(0)})
                       .has_value();
        }
        if (!u.erased) {
            PackUses uses(cycleRegister());
            const std::optional<QString> hash = uses.referenceHash(u.reference);
            if (!hash)
                return fail(uses.errorString());
            u.referenceHash = *hash;
        }
        u.hash = PackUses::recordHash(u, pack.hash);
        const std::optional<QVariant> made = value(
            QStringLiteral("INSERT INTO pack_uses (code, pack_id, at_utc, at_offset, operator_name, reference,"
                           " reference_hash, warning, comment, record_hash) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"
                           " RETURNING id"),
            {u.code, pack.id ? QVariant(pack.id) : QVariant(QVariant::LongLong), CycleRow::utcMs(u.at),
             CycleRow::offsetSeconds(u.at), u.operatorName, u.erased ? QVariant() : QVariant(u.reference),
             u.referenceHash, u.warning, u.comment, u.hash});
        if (!made)
            return false;
        ++result.uses;
        return link(pack.controllerSerial, useKind, made->toLongLong(), u.hash);
    });
}
