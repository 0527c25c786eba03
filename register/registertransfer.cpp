#include "register/registertransfer.h"

#include "app/logging.h"
#include "register/cyclehash.h"
#include "register/cycleregister.h"
#include "register/recordtransfer.h"
#include "register/transferlock.h"

#include <QCoreApplication>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <tuple>

namespace RegisterTransfer {

namespace {

// Entries and events per transaction.
constexpr int batchSize = 250;

QString details(const CycleRegister &from, const Cycle &c)
{
    const QJsonObject object{{QStringLiteral("from"), from.location().toString()},
                             {QStringLiteral("sourceId"), c.id},
                             {QStringLiteral("sourceEntryHash"), c.entryHash},
                             {QStringLiteral("sourceEnteredAt"), c.enteredAt.toString(Qt::ISODateWithMs)}};
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

bool sameRelease(const Release &a, const Release &b)
{
    return std::tie(a.at, a.osUser, a.station, a.operatorName, a.load, a.lot, a.chemicalIndicator,
                    a.biologicalIndicator, a.decision, a.comment)
        == std::tie(b.at, b.osUser, b.station, b.operatorName, b.load, b.lot, b.chemicalIndicator,
                    b.biologicalIndicator, b.decision, b.comment)
        && a.at.offsetFromUtc() == b.at.offsetFromUtc();
}

} // namespace

bool moveEntries(CycleRegister &from, CycleRegister &to, const QVector<qint64> &ids, const QString &kind,
                 Result &result, QHash<qint64, qint64> &targetIds)
{
    for (int first = 0; first < ids.size(); first += batchSize) {
        QVector<Cycle> batch;
        QVector<AuditEvent> entryEvents;
        for (int i = first; i < qMin(first + batchSize, ids.size()) && result.refused.isEmpty(); ++i) {
            const std::optional<Cycle> cycle = from.cycle(ids[i]);
            if (!cycle) {
                result.error = from.errorString();
                return false;
            }
            // A new hash that holds over an altered entry would hide the change.
            if (CycleHash::entryHash(*cycle) != cycle->entryHash) {
                result.refused.append({CycleVerifier::Problem::EntryAltered, cycle->id, cycle->controllerSerial,
                                       QCoreApplication::translate("RegisterTransfer", "%1 has been altered.")
                                           .arg(CycleVerifier::describe(*cycle))});
                break;
            }
            AuditEvent event;
            event.kind = kind;
            event.details = details(from, *cycle);
            batch.append(*cycle);
            entryEvents.append(event);
        }
        const QVector<CycleRegister::EnterResult> entered = to.enter(batch, entryEvents);
        for (int i = 0; i < entered.size(); ++i) {
            if (entered[i].outcome == CycleRegister::Outcome::Failed) {
                result.error = entered[i].error;
                return false;
            }
            ++(entered[i].outcome == CycleRegister::Outcome::Entered ? result.moved : result.alreadyPresent);
            targetIds.insert(ids[first + i], entered[i].id);
        }
        if (!result.refused.isEmpty())
            return false;
    }
    return true;
}

bool carryReleases(CycleRegister &to, const QVector<Release> &releases, const QHash<qint64, qint64> &targetIds,
                   Result &result)
{
    QHash<qint64, QVector<Release>> held; // by the target's entry ID
    QVector<Release> missing;
    for (Release r : releases) {
        r.cycleId = targetIds.value(r.cycleId);
        auto there = held.find(r.cycleId);
        if (there == held.end()) {
            const std::optional<QVector<Release>> history = to.releases(r.cycleId);
            if (!history) {
                result.error = to.errorString();
                return false;
            }
            there = held.insert(r.cycleId, *history);
        }
        if (std::any_of(there->begin(), there->end(), [&](const Release &t) { return sameRelease(r, t); })) {
            ++result.releasesPresent;
            continue;
        }
        there->append(r);
        missing << r;
    }
    for (int first = 0; first < missing.size(); first += batchSize) {
        QVector<Release> batch = missing.mid(first, batchSize);
        if (!to.enterReleases(batch)) {
            result.error = to.errorString();
            return false;
        }
        result.releases += batch.size();
    }
    return true;
}

bool carryEvents(CycleRegister &to, QVector<AuditEvent> events, const QHash<qint64, qint64> &targetIds,
                 Result &result)
{
    for (AuditEvent &event : events) {
        event.id = 0;
        event.cycleId = targetIds.value(event.cycleId);
    }
    for (int first = 0; first < events.size(); first += batchSize) {
        QVector<AuditEvent> batch = events.mid(first, batchSize);
        const std::optional<int> appended = to.appendEventsOnce(batch);
        if (!appended) {
            result.error = to.errorString();
            return false;
        }
        result.events += *appended;
        result.eventsPresent += batch.size() - *appended;
    }
    return true;
}

Result transfer(CycleRegister &from, CycleRegister &to)
{
    Result result;
    const CycleVerifier::Report report = CycleVerifier::verifyRegister(from, CycleVerifier::Logs::None);
    if (!report.error.isEmpty()) {
        result.error = report.error;
        return result;
    }
    if (!report.problems.isEmpty()) {
        result.refused = report.problems;
        return result;
    }
    std::optional<QVector<Cycle>> listed = from.cycles({}, -1);
    std::optional<QVector<AuditEvent>> trail = listed ? from.events() : std::nullopt;
    if (!trail) {
        result.error = from.errorString();
        return result;
    }
    std::sort(listed->begin(), listed->end(), [](const Cycle &a, const Cycle &b) {
        return std::tie(a.controllerSerial, a.chainSequence) < std::tie(b.controllerSerial, b.chainSequence);
    });
    QVector<qint64> entries;
    for (const Cycle &cycle : *listed)
        entries.append(cycle.id);
    std::reverse(trail->begin(), trail->end()); // oldest first, as they happened
    QHash<qint64, qint64> ids; // the source's entry IDs to the target's
    // Every cycle an event or a release names is in the source, so it has
    // been moved. The releases go before the events: the target makes each
    // release's event as the source did, so that the source's is found
    // there and not carried twice.
    QVector<Release> releases;
    for (const Cycle &cycle : *listed) {
        if (!cycle.latestRelease)
            continue;
        const std::optional<QVector<Release>> history = from.releases(cycle.id);
        if (!history) {
            result.error = from.errorString();
            return result;
        }
        releases += *history;
    }
    const TransferLock lock(to);
    if (!lock.isLocked()) {
        result.error = lock.errorString();
        return result;
    }
    RecordTransfer records(from, to);
    std::optional<QVector<CycleRegister::OutboxItem>> beside = records.all();
    if (!beside) {
        result.error = records.errorString();
        return result;
    }
    if (moveEntries(from, to, entries, QStringLiteral("cycle migrated"), result, ids)
        && carryReleases(to, releases, ids, result) && records.carry(*beside, ids, result))
        carryEvents(to, *trail, ids, result);
    qCDebug(lcRegister) << "transfer from" << from.location().toString() << "to" << to.location().toString() << ":"
                        << result.moved << "moved," << result.alreadyPresent << "already present," << result.releases
                        << "releases carried," << result.releasesPresent << "present," << result.events
                        << "events carried," << result.eventsPresent << "present," << result.packs << "packs,"
                        << result.uses << "uses," << result.accounts << "accounts carried" << result.error;
    return result;
}

} // namespace RegisterTransfer
