#include "register/chainledger.h"

#include "app/logging.h"
#include "register/cyclehash.h"
#include "register/cyclerow.h"
#include "register/eventrow.h"
#include "register/sqldialect.h"
#include "register/verdictrow.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>
#include <tuple>
#include <vector>

namespace ChainLedger {

const QString stationChain = QStringLiteral("register");

namespace {

bool exec(QSqlQuery &query, QString *error)
{
    if (query.exec())
        return true;
    *error = query.lastError().text();
    return false;
}

bool exec(QSqlQuery &query, const QString &statement, QString *error)
{
    if (query.exec(statement))
        return true;
    *error = query.lastError().text();
    return false;
}

// Writes links whose chain heads the caller knows, and moves the heads.
class Appender
{
public:
    explicit Appender(const QSqlDatabase &db) : link(db), head(db)
    {
        link.prepare(QStringLiteral("INSERT INTO ledger (chain, seq, kind, record_id, record_hash, previous_hash,"
                                    " link_hash) VALUES (?, ?, ?, ?, ?, ?, ?)"));
        head.prepare(QStringLiteral("INSERT INTO ledger_heads (chain, seq, link_hash) VALUES (?, ?, ?)"
                                    " ON CONFLICT (chain) DO UPDATE SET seq = excluded.seq,"
                                    " link_hash = excluded.link_hash"));
    }

    // The link after position in its chain; position becomes the new head.
    bool add(ChainPosition &position, const QString &kind, qint64 recordId, const QString &recordHash,
             QString *error)
    {
        const qint64 sequence = position.sequence + 1;
        // Empty, not NULL, before a chain's first link.
        const QString previous = position.hash.isNull() ? QStringLiteral("") : position.hash;
        const QString hash = CycleHash::linkHash(position.chain, sequence, kind, recordId, recordHash, previous);
        for (const QVariant &value : {QVariant(position.chain), QVariant(sequence), QVariant(kind),
                                      QVariant(recordId), QVariant(recordHash), QVariant(previous),
                                      QVariant(hash)})
            link.addBindValue(value);
        if (!exec(link, error))
            return false;
        position.sequence = sequence;
        position.hash = hash;
        return true;
    }

    bool moveHead(const ChainPosition &position, QString *error)
    {
        head.addBindValue(position.chain);
        head.addBindValue(position.sequence);
        head.addBindValue(position.hash);
        return exec(head, error);
    }

private:
    QSqlQuery link;
    QSqlQuery head;
};

bool fillEventHashes(const QSqlDatabase &db, QString *error)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!exec(query, QStringLiteral("SELECT %1 FROM events ORDER BY id").arg(EventRow::columns()), error))
        return false;
    QVector<QPair<qint64, QString>> hashes;
    while (query.next()) {
        const AuditEvent e = EventRow::read(query);
        hashes.append({e.id, CycleHash::eventHash(e)});
    }
    query.finish();
    query.prepare(QStringLiteral("UPDATE events SET event_hash = ? WHERE id = ?"));
    for (const auto &[id, hash] : hashes) {
        query.addBindValue(hash);
        query.addBindValue(id);
        if (!exec(query, error))
            return false;
    }
    return true;
}

} // namespace

QString chainOf(const QString &controllerSerial)
{
    return controllerSerial.isEmpty() ? stationChain : controllerSerial;
}

bool append(const QSqlDatabase &db, const QString &chain, const QString &kind, qint64 recordId,
            const QString &recordHash, QString *error)
{
    QSqlQuery query(db);
    // Writers of several chains (a release's and an event's) take this one
    // lock after their own, so that no two wait for each other in a circle.
    const SqlDialect *dialect = SqlDialect::forDriver(db.driverName());
    if (dialect && !dialect->ledgerLock.isEmpty() && !exec(query, dialect->ledgerLock, error))
        return false;
    query.prepare(QStringLiteral("SELECT seq, link_hash FROM ledger_heads WHERE chain = ?"));
    query.addBindValue(chain);
    if (!exec(query, error))
        return false;
    ChainPosition position{chain, 0, {}};
    if (query.next())
        position = {chain, query.value(0).toLongLong(), query.value(1).toString()};
    query.finish();
    // The database moves the head (see HeadKeeper).
    return Appender(db).add(position, kind, recordId, recordHash, error);
}

std::optional<QVector<ChainPosition>> heads(const QSqlDatabase &db, QString *error)
{
    QSqlQuery query(db);
    if (!exec(query, QStringLiteral("SELECT chain, seq, link_hash FROM ledger_heads ORDER BY chain"), error))
        return std::nullopt;
    QVector<ChainPosition> result;
    while (query.next())
        result.append({query.value(0).toString(), query.value(1).toLongLong(), query.value(2).toString()});
    return result;
}

QVector<ChainPosition> headsOrNone(const QSqlDatabase &db)
{
    QString error;
    const std::optional<QVector<ChainPosition>> found = heads(db, &error);
    if (!found)
        qCDebug(lcRegister) << "ledger heads cannot be read:" << error;
    return found.value_or(QVector<ChainPosition>());
}

bool linkAll(const QSqlDatabase &db, QString *error)
{
    if (!fillEventHashes(db, error))
        return false;
    struct Record {
        QString chain;
        qint64 at; // when it was made, UTC ms
        int order; // an entry before its event, a release before its event
        qint64 id;
        QString kind;
        QString hash;
    };
    std::vector<Record> records;
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!exec(query,
              QStringLiteral("SELECT %1, %2 FROM cycles LEFT JOIN verdicts ON verdicts.cycle_id = cycles.id")
                  .arg(CycleRow::columns(), VerdictRow::columns(QStringLiteral("verdicts"))),
              error))
        return false;
    while (query.next()) {
        Cycle c;
        CycleRow::read(query, &c);
        c.verdict = VerdictRow::verdict(VerdictRow::read(query, CycleRow::columnCount()));
        records.push_back({chainOf(c.controllerSerial), CycleRow::utcMs(c.enteredAt), 0, c.id,
                           QStringLiteral("entry"), CycleHash::entryRecordHash(c)});
    }
    const std::pair<const char *, QString> others[] = {
        {"release", QStringLiteral("SELECT releases.id, cycles.controller_serial, releases.at_utc,"
                                   " releases.release_hash FROM releases"
                                   " LEFT JOIN cycles ON cycles.id = releases.cycle_id")},
        {"event", QStringLiteral("SELECT id, controller_serial, at_utc, event_hash FROM events")},
    };
    int order = 0;
    for (const auto &[kind, statement] : others) {
        ++order;
        if (!exec(query, statement, error))
            return false;
        while (query.next())
            records.push_back({chainOf(query.value(1).toString()), query.value(2).toLongLong(), order,
                               query.value(0).toLongLong(), QLatin1String(kind), query.value(3).toString()});
    }
    query.finish();
    std::sort(records.begin(), records.end(), [](const Record &a, const Record &b) {
        return std::tie(a.chain, a.at, a.order, a.id) < std::tie(b.chain, b.at, b.order, b.id);
    });
    Appender appender(db);
    ChainPosition position;
    for (size_t i = 0; i < records.size(); ++i) {
        const Record &r = records[i];
        if (i == 0 || r.chain != position.chain)
            position = {r.chain, 0, {}};
        if (!appender.add(position, r.kind, r.id, r.hash, error))
            return false;
        if ((i + 1 == records.size() || records[i + 1].chain != r.chain) && !appender.moveHead(position, error))
            return false;
    }
    qCDebug(lcRegister) << "ledger: linked" << records.size() << "records of an earlier register";
    return true;
}

namespace {

using Problem = CycleVerifier::Problem;

// The kinds of record the ledger links, as messages name one ("entry 17").
constexpr struct {
    const char *kind;
    const char *name;
} recordNames[] = {
    {"entry", QT_TRANSLATE_NOOP("ChainLedger", "entry %1")},
    {"release", QT_TRANSLATE_NOOP("ChainLedger", "release %1")},
    {"event", QT_TRANSLATE_NOOP("ChainLedger", "event %1")},
    {"pack", QT_TRANSLATE_NOOP("ChainLedger", "pack %1")},
    {"use", QT_TRANSLATE_NOOP("ChainLedger", "use %1")},
};

QString recordName(const QString &kind, qint64 id)
{
    for (const auto &r : recordNames)
        if (kind == QLatin1String(r.kind))
            return QCoreApplication::translate("ChainLedger", r.name).arg(id);
    return QStringLiteral("%1 %2").arg(kind).arg(id); // a kind of a newer version
}

// Follows the ledger's chains in (chain, sequence) order.
class LedgerWalk
{
    Q_DECLARE_TR_FUNCTIONS(ChainLedger)

public:
    LedgerWalk(const Records &records, const QHash<QString, ChainPosition> &heads,
               const QVector<ChainPosition> &witnesses, CycleVerifier::Report &report)
        : records(records), heads(heads), report(report)
    {
        for (const ChainPosition &w : witnesses)
            witnessed.insert({w.chain, w.sequence}, w);
    }

    void next(const QString &chain, qint64 sequence, const QString &kind, qint64 recordId,
              const QString &recordHash, const QString &previousHash, const QString &hash)
    {
        if (!current || chain != current->chain) {
            finish();
            seenChains.insert(chain);
            ++report.ledgerChains;
        }
        ++report.links;
        const QString place = QStringLiteral("%1 #%2").arg(chain).arg(sequence);
        const qint64 expected = current ? current->sequence + 1 : 1;
        if (sequence > expected)
            problem(Problem::LinkBroken, chain,
                    tr("Links %1 to %2 of the chain %3 are missing: records were removed from the ledger.")
                        .arg(expected)
                        .arg(sequence - 1)
                        .arg(chain));
        else if (previousHash != (current ? current->hash : QString()))
            problem(Problem::LinkBroken, chain,
                    tr("The link %1 does not follow the link before it: links were removed, inserted or "
                       "reordered.")
                        .arg(place));
        if (CycleHash::linkHash(chain, sequence, kind, recordId, recordHash, previousHash) != hash)
            problem(Problem::LinkBroken, chain, tr("The link %1 has been altered.").arg(place));
        const auto ofKind = records.constFind(kind);
        if (ofKind != records.cend()) {
            const auto record = ofKind->constFind(recordId);
            if (record == ofKind->cend())
                problem(Problem::RecordMissing, chain,
                        tr("The %1 that the link %2 names is missing.").arg(recordName(kind, recordId), place));
            else if (*record != recordHash)
                problem(Problem::RecordAltered, chain,
                        tr("The %1 is not what the link %2 holds: it has been altered.")
                            .arg(recordName(kind, recordId), place));
            linked.insert({kind, recordId});
        }
        for (auto it = witnessed.find({chain, sequence}); it != witnessed.end() && it.key() == qMakePair(chain, sequence);
             it = witnessed.erase(it)) {
            if (!it->matches(hash))
                problem(Problem::WitnessContradicted, chain,
                        tr("The witness %1 contradicts the register: its link there is %2, so the history up to "
                           "it was rewritten.")
                            .arg(it->text(), ChainPosition{chain, sequence, hash}.text()));
        }
        current = ChainPosition{chain, sequence, hash};
    }

    void finishAll()
    {
        finish();
        for (auto it = heads.cbegin(); it != heads.cend(); ++it) {
            if (!seenChains.contains(it.key()))
                problem(Problem::LinkBroken, it.key(),
                        tr("All %n links of the chain %1 are missing.", nullptr, int(it->sequence))
                            .arg(it.key()));
        }
        for (auto it = records.cbegin(); it != records.cend(); ++it) {
            QList<qint64> ids;
            for (auto record = it->cbegin(); record != it->cend(); ++record) {
                if (!linked.contains({it.key(), record.key()}))
                    ids << record.key();
            }
            std::sort(ids.begin(), ids.end());
            for (qint64 id : ids)
                problem(Problem::RecordUnlinked, QString(),
                        tr("The %1 is not in the ledger: it was added past the program, or its link was "
                           "removed.")
                            .arg(recordName(it.key(), id)));
        }
        for (const ChainPosition &w : qAsConst(witnessed))
            problem(Problem::WitnessContradicted, w.chain,
                    tr("The witness %1 names a link the register no longer holds: records were removed.")
                        .arg(w.text()));
    }

private:
    void finish()
    {
        if (!current)
            return;
        const auto head = heads.constFind(current->chain);
        if (head == heads.cend())
            problem(Problem::LinkBroken, current->chain, tr("The chain %1 has no head.").arg(current->chain));
        else if (head->sequence > current->sequence)
            problem(Problem::LinkBroken, current->chain,
                    tr("The newest links %1 to %2 of the chain %3 are missing.")
                        .arg(current->sequence + 1)
                        .arg(head->sequence)
                        .arg(current->chain));
        else if (head->sequence < current->sequence || head->hash != current->hash)
            problem(Problem::LinkBroken, current->chain,
                    tr("The head of the chain %1 does not name its newest link.").arg(current->chain));
        current.reset();
    }

    void problem(Problem::Kind kind, const QString &chain, const QString &text)
    {
        report.problems.append({kind, 0, chain, text});
    }

    const Records &records;
    const QHash<QString, ChainPosition> &heads;
    CycleVerifier::Report &report;
    QMultiHash<QPair<QString, qint64>, ChainPosition> witnessed;
    std::optional<ChainPosition> current;
    QSet<QString> seenChains;
    QSet<QPair<QString, qint64>> linked;
};

} // namespace

bool verify(const QSqlDatabase &db, const Records &records, const QVector<ChainPosition> &witnesses,
            CycleVerifier::Report &report)
{
    QElapsedTimer clock;
    clock.start();
    const std::optional<QVector<ChainPosition>> found = heads(db, &report.error);
    if (!found)
        return false;
    QHash<QString, ChainPosition> byChain;
    for (const ChainPosition &head : *found)
        byChain.insert(head.chain, head);
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!exec(query,
              QStringLiteral("SELECT chain, seq, kind, record_id, record_hash, previous_hash, link_hash FROM ledger"
                             " ORDER BY chain, seq"),
              &report.error))
        return false;
    LedgerWalk walk(records, byChain, witnesses, report);
    while (query.next())
        walk.next(query.value(0).toString(), query.value(1).toLongLong(), query.value(2).toString(),
                  query.value(3).toLongLong(), query.value(4).toString(), query.value(5).toString(),
                  query.value(6).toString());
    if (query.lastError().isValid()) {
        report.error = query.lastError().text();
        return false;
    }
    walk.finishAll();
    qCDebug(lcRegister) << "ledger:" << report.links << "links verified in" << clock.elapsed() << "ms";
    return true;
}

} // namespace ChainLedger
