#include "register/packuses.h"

#include "register/cyclerow.h"
#include "register/hashform.h"
#include "register/operatoraccounts.h"
#include "register/packstore.h"
#include "register/sha256.h"
#include "register/showntime.h"

#include <QCoreApplication>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMessageAuthenticationCode>
#include <QRandomGenerator>
#include <QSqlError>

namespace {

constexpr char referenceKey[] = "pack use reference";

const QString useColumns = QStringLiteral("id, code, pack_id, at_utc, at_offset, operator_name, reference,"
                                          " reference_hash, warning, comment, record_hash");

PackUse read(const QSqlQuery &q)
{
    PackUse u;
    u.id = q.value(0).toLongLong();
    u.code = q.value(1).toString();
    u.packId = q.value(2).toLongLong();
    u.at = CycleRow::time(q.value(3).toLongLong(), q.value(4).toInt());
    u.operatorName = q.value(5).toString();
    u.erased = q.value(6).isNull();
    u.reference = q.value(6).toString();
    u.referenceHash = q.value(7).toString();
    u.warning = q.value(8).toString();
    u.comment = q.value(9).toString();
    u.hash = q.value(10).toString();
    return u;
}

} // namespace

PackUses::PackUses(CycleRegister &cycleRegister, std::function<QDateTime()> clock)
    : RecordStore(cycleRegister, std::move(clock))
{
}

PackUses::Check PackUses::check(const Pack &pack, const QDate &today)
{
    Check c;
    c.pack = pack;
    if (pack.id == 0) {
        c.warning = tr("The register knows no pack of this code.");
        return c;
    }
    if (pack.recalled()) {
        c.refused = true;
        c.warning = tr("The pack %1 is recalled: its cycle was found faulty after its release. Take it out of use.")
                        .arg(pack.code);
        return c;
    }
    QStringList warnings;
    if (pack.decision != Release::Decision::Released)
        warnings << tr("The load of the pack %1 is not released (%2).")
                        .arg(pack.code, pack.decision ? Release::shown(*pack.decision) : tr("no release"));
    if (pack.expired(today))
        warnings << tr("The pack %1 expired on %2.").arg(pack.code, ShownTime::day(pack.expiresOn));
    if (pack.uses > 0)
        warnings << tr("The pack %1 was used already.").arg(pack.code);
    c.warning = warnings.join(QLatin1Char(' '));
    return c;
}

std::optional<PackUses::Check> PackUses::lookUp(const QString &code)
{
    PackStore packs(cycleRegister());
    const std::optional<Pack> pack = packs.find(code);
    if (!pack) {
        fail(packs.errorString());
        return std::nullopt;
    }
    return check(*pack, now().date());
}

bool PackUses::enter(PackUse &use)
{
    PackUse made = use;
    made.code = made.code.trimmed().toUpper();
    made.reference = made.reference.trimmed();
    made.operatorName = made.operatorName.trimmed();
    made.comment = made.comment.trimmed();
    if (made.code.isEmpty())
        return fail(tr("Scan or type the pack's code."));
    if (made.reference.isEmpty())
        return fail(tr("Give the patient's or case's reference."));
    if (made.operatorName.isEmpty())
        return fail(tr("Name the operator."));
    OperatorAccounts accounts(cycleRegister());
    const std::optional<OperatorAccount> signer = accounts.named(made.operatorName);
    if (!signer)
        return fail(accounts.errorString());
    made.operatorName = signer->name;
    const bool ok = transaction([&] {
        const std::optional<Check> checked = lookUp(made.code);
        if (!checked)
            return false;
        if (checked->refused)
            return fail(checked->warning);
        if (!checked->warning.isEmpty() && made.comment.isEmpty())
            return fail(checked->warning + QLatin1Char(' ')
                        + tr("Say in the comment why it is used all the same."));
        const std::optional<QString> referenceHash = this->referenceHash(made.reference);
        if (!referenceHash)
            return false;
        made.packId = checked->pack.id;
        made.at = now();
        made.referenceHash = *referenceHash;
        made.warning = checked->warning;
        made.hash = recordHash(made, checked->pack.hash);
        const std::optional<QVariant> id = value(
            QStringLiteral("INSERT INTO pack_uses (code, pack_id, at_utc, at_offset, operator_name, reference,"
                           " reference_hash, warning, comment, record_hash) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"
                           " RETURNING id"),
            {made.code, made.packId ? QVariant(made.packId) : QVariant(QVariant::LongLong), CycleRow::utcMs(made.at),
             CycleRow::offsetSeconds(made.at), made.operatorName, made.reference, made.referenceHash, made.warning,
             made.comment, made.hash});
        if (!id)
            return false;
        made.id = id->toLongLong();
        if (!link(checked->pack.controllerSerial, QStringLiteral("use"), made.id, made.hash)
            || !toOutbox(QStringLiteral("use"), made.id))
            return false;
        AuditEvent event;
        event.at = made.at;
        event.kind = QStringLiteral("pack used");
        event.controllerSerial = checked->pack.controllerSerial;
        event.cycleId = checked->pack.cycleId;
        event.details = QString::fromUtf8(QJsonDocument(QJsonObject{{QStringLiteral("use"), made.id},
                                                                    {QStringLiteral("code"), made.code},
                                                                    {QStringLiteral("operator"), made.operatorName},
                                                                    {QStringLiteral("warning"), made.warning},
                                                                    {QStringLiteral("hash"), made.hash}})
                                              .toJson(QJsonDocument::Compact));
        return appendEvent(event);
    });
    if (ok)
        use = made;
    return ok;
}

std::optional<QVector<PackUses::RecallRow>> PackUses::recallList(qint64 cycleId)
{
    const std::optional<QVector<Pack>> packs = PackStore(cycleRegister()).packsOfCycle(cycleId);
    const std::optional<QVector<PackUse>> uses =
        packs ? selectUses(QStringLiteral("pack_id IN (SELECT id FROM packs WHERE cycle_id = ?)"), {cycleId})
              : std::nullopt;
    if (!uses) {
        if (!packs)
            fail(tr("The packs cannot be read."));
        return std::nullopt;
    }
    QVector<RecallRow> rows;
    QHash<qint64, int> rowOfPack;
    for (const Pack &p : *packs) {
        rowOfPack.insert(p.id, rows.size());
        rows.append({p, {}});
    }
    for (const PackUse &u : *uses)
        rows[rowOfPack.value(u.packId)].uses.append(u);
    return rows;
}

std::optional<QVector<PackUse>> PackUses::usesOf(const QString &reference)
{
    const std::optional<QString> hash = referenceHash(reference.trimmed());
    if (!hash)
        return std::nullopt;
    return selectUses(QStringLiteral("reference_hash = ?"), {*hash});
}

std::optional<QVector<PackUse>> PackUses::selectUses(const QString &where, const QVariantList &values)
{
    std::optional<QSqlQuery> query =
        run(QStringLiteral("SELECT %1 FROM pack_uses WHERE %2 ORDER BY at_utc DESC, id DESC").arg(useColumns, where),
            values);
    if (!query)
        return std::nullopt;
    QVector<PackUse> uses;
    while (query->next())
        uses << read(*query);
    return uses;
}

bool PackUses::eraseReference(qint64 useId, const QString &by)
{
    // Erased means gone from the file: SQLite keeps deleted bytes in its
    // pages, and older pages in its journal, unless told otherwise.
    const bool sqlite = db.driverName() == QLatin1String("QSQLITE");
    if (sqlite && !run(QStringLiteral("PRAGMA secure_delete=ON")))
        return false;
    const bool erased = transaction([&] {
        const std::optional<QVariant> code = value(QStringLiteral("SELECT code FROM pack_uses WHERE id = ?"), {useId});
        if (!code)
            return false;
        if (code->isNull())
            return fail(tr("There is no use %1.").arg(useId));
        AuditEvent event;
        event.at = now();
        event.kind = QStringLiteral("reference erased");
        event.details = QString::fromUtf8(QJsonDocument(QJsonObject{{QStringLiteral("use"), useId},
                                                                    {QStringLiteral("code"), code->toString()},
                                                                    {QStringLiteral("by"), by}})
                                              .toJson(QJsonDocument::Compact));
        // The erasure is sent as the use again, which then carries no reference.
        return run(QStringLiteral("UPDATE pack_uses SET reference = NULL WHERE id = ?"), {useId})
            && toOutbox(QStringLiteral("use"), useId) && appendEvent(event);
    });
    // Another reader may hold the journal a while; the next erasure or
    // checkpoint empties it then.
    if (erased && sqlite)
        run(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    return erased;
}

std::optional<QByteArray> PackUses::key()
{
    QByteArray fresh(32, '\0');
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32 *>(fresh.data()), fresh.size() / 4);
    // Made once: a second station making it at once keeps the first.
    if (!run(QStringLiteral("INSERT INTO register_keys (purpose, key_hex) VALUES (?, ?) ON CONFLICT (purpose) DO NOTHING"),
             {QString::fromLatin1(referenceKey), QString::fromLatin1(fresh.toHex())}))
        return std::nullopt;
    const std::optional<QVariant> stored =
        value(QStringLiteral("SELECT key_hex FROM register_keys WHERE purpose = ?"), {QString::fromLatin1(referenceKey)});
    if (!stored)
        return std::nullopt;
    return QByteArray::fromHex(stored->toString().toLatin1());
}

std::optional<QString> PackUses::referenceHash(const QString &reference)
{
    const std::optional<QByteArray> k = key();
    if (!k)
        return std::nullopt;
    return keyedHash(reference, *k);
}

QString PackUses::keyedHash(const QString &reference, const QByteArray &key)
{
    return QString::fromLatin1(QMessageAuthenticationCode::hash(reference.toUtf8(), key, QCryptographicHash::Sha256).toHex());
}

std::optional<QByteArray> PackUses::storedKey(const QSqlDatabase &db, QString *error)
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral("SELECT key_hex FROM register_keys WHERE purpose = ?"));
    query.addBindValue(QString::fromLatin1(referenceKey));
    if (!query.exec()) {
        *error = query.lastError().text();
        return std::nullopt;
    }
    return query.next() ? QByteArray::fromHex(query.value(0).toString().toLatin1()) : QByteArray();
}

// The canonical form "vaporin-pack-use-1", made as the entries' (see
// HashForm); the reference itself is not in it, only its keyed hash:
//   1  "vaporin-pack-use-1"
//   2  the pack's own hash; empty for an unknown code
//   3  code as scanned
//   4  time (two fields, 4 and 5)
//   6  operator
//   7  the reference's keyed hash
//   8  warning
//   9  comment
QString PackUses::recordHash(const PackUse &u, const QString &packHash)
{
    HashForm form;
    form.field(QByteArray("vaporin-pack-use-1"));
    form.field(packHash);
    form.field(u.code);
    form.instant(u.at);
    form.field(u.operatorName);
    form.field(u.referenceHash);
    form.field(u.warning);
    form.field(u.comment);
    return Sha256::hex(form.out);
}
