#include "register/packverifier.h"

#include "register/cycleregister.h"
#include "register/cyclerow.h"
#include "register/operatoraccounts.h"
#include "register/packstore.h"
#include "register/packuses.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>

namespace PackVerifier {

bool verify(CycleRegister &cycleRegister, CycleVerifier::Report &report, ChainLedger::Records &records)
{
    QSqlQuery q(cycleRegister.database());
    q.setForwardOnly(true);
    const auto fail = [&] {
        report.error = q.lastError().text();
        return false;
    };
    const auto altered = [&](const QString &record) {
        report.problems.append({CycleVerifier::Problem::RecordAltered, 0, QString(),
                                QCoreApplication::translate("PackVerifier", "%1 does not match its hash").arg(record)});
    };
    // Each account and each change of its history against its hash; an
    // account is as its newest change made it.
    const auto account = [&] {
        OperatorAccount a;
        a.name = q.value(0).toString();
        a.initials = q.value(1).toString();
        a.role = OperatorAccount::parseRole(q.value(2).toString()).value_or(OperatorAccount::Role::Operator);
        a.active = q.value(3).toInt() != 0;
        a.changedAt = CycleRow::time(q.value(5).toLongLong(), q.value(6).toInt());
        a.hash = q.value(7).toString();
        if (OperatorAccounts::recordHash(a, q.value(4).toString()) != a.hash)
            altered(QCoreApplication::translate("PackVerifier", "operator account %1").arg(a.name));
        return a;
    };
    const QString accountColumns = QStringLiteral("name, initials, role, active, pin_hash, changed_utc, changed_offset,"
                                                  " record_hash, id");
    if (!q.exec(QStringLiteral("SELECT %1, operator_id FROM operator_changes ORDER BY id").arg(accountColumns)))
        return fail();
    QHash<qint64, QString> &changes = records[QStringLiteral("account")];
    QHash<qint64, QString> newest; // by account
    while (q.next()) {
        const OperatorAccount a = account();
        changes.insert(q.value(8).toLongLong(), a.hash);
        newest.insert(q.value(9).toLongLong(), a.hash);
    }
    if (!q.exec(QStringLiteral("SELECT %1 FROM operators ORDER BY id").arg(accountColumns)))
        return fail();
    while (q.next()) {
        const OperatorAccount a = account();
        if (newest.value(q.value(8).toLongLong()) != a.hash)
            report.problems.append({CycleVerifier::Problem::RecordAltered, 0, QString(),
                                    QCoreApplication::translate("PackVerifier", "operator account %1 is not as its newest change made it").arg(a.name)});
    }
    // A pack whose entry is gone is checked against an empty entry hash: it
    // reads as altered.
    if (!q.exec(QStringLiteral("SELECT packs.id, packs.code, packs.pack_number, packs.pack_type, packs.sterilised_utc,"
                               " packs.sterilised_offset, packs.expires_on, packs.operator_initials, packs.printed_utc,"
                               " packs.printed_offset, packs.record_hash, cycles.entry_hash"
                               " FROM packs LEFT JOIN cycles ON cycles.id = packs.cycle_id ORDER BY packs.id")))
        return fail();
    QHash<qint64, QString> &packs = records[QStringLiteral("pack")];
    while (q.next()) {
        Pack p;
        p.id = q.value(0).toLongLong();
        p.code = q.value(1).toString();
        p.number = q.value(2).toInt();
        p.type = q.value(3).toString();
        p.sterilisedAt = CycleRow::time(q.value(4).toLongLong(), q.value(5).toInt());
        p.expiresOn = QDate::fromString(q.value(6).toString(), QStringLiteral("yyyy-MM-dd"));
        p.operatorInitials = q.value(7).toString();
        p.printedAt = CycleRow::time(q.value(8).toLongLong(), q.value(9).toInt());
        p.hash = q.value(10).toString();
        packs.insert(p.id, p.hash);
        if (PackStore::recordHash(p, q.value(11).toString()) != p.hash)
            altered(QCoreApplication::translate("PackVerifier", "pack %1").arg(p.code));
    }
    const std::optional<QByteArray> key = PackUses::storedKey(cycleRegister.database(), &report.error);
    if (!key)
        return false;
    if (!q.exec(QStringLiteral("SELECT pack_uses.id, pack_uses.code, pack_uses.at_utc, pack_uses.at_offset,"
                               " pack_uses.operator_name, pack_uses.reference_hash, pack_uses.warning,"
                               " pack_uses.comment, pack_uses.record_hash, packs.record_hash, pack_uses.reference"
                               " FROM pack_uses LEFT JOIN packs ON packs.id = pack_uses.pack_id ORDER BY pack_uses.id")))
        return fail();
    QHash<qint64, QString> &uses = records[QStringLiteral("use")];
    while (q.next()) {
        PackUse u;
        u.code = q.value(1).toString();
        u.at = CycleRow::time(q.value(2).toLongLong(), q.value(3).toInt());
        u.operatorName = q.value(4).toString();
        u.referenceHash = q.value(5).toString();
        u.warning = q.value(6).toString();
        u.comment = q.value(7).toString();
        u.id = q.value(0).toLongLong();
        u.hash = q.value(8).toString();
        uses.insert(u.id, u.hash);
        // A reference that is not erased is the one its keyed hash holds.
        if (PackUses::recordHash(u, q.value(9).toString()) != u.hash
            || (!q.value(10).isNull() && PackUses::keyedHash(q.value(10).toString(), *key) != u.referenceHash))
            altered(QCoreApplication::translate("PackVerifier", "use %1 of pack %2").arg(u.id).arg(u.code));
    }
    return true;
}

} // namespace PackVerifier
