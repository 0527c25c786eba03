#include "register/registertransfer.h"

#include "app/logging.h"
#include "register/cycleregister.h"

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

bool moveEntries(CycleRegister &from, CycleRegister &to, Result &result, QHash<qint64, qint64> &ids,
                 QVector<qint64> &released)
{
    std::optional<QVector<Cycle>> listed = from.cycles({}, -1);
    if (!listed) {
        result.error = from.errorString();
        return false;
    }
    for (const Cycle &c : *listed) {
        if (c.latestRelease)
            released << c.id;
    }
    std::sort(listed->begin(), listed->end(), [](const Cycle &a, const Cycle &b) {
        return std::tie(a.controllerSerial, a.chainSequence) < std::tie(b.controllerSerial, b.chainSequence);
    });
    for (int first = 0; first < listed->size(); first += batchSize) {
        QVector<Cycle> batch;
        QVector<AuditEvent> entryEvents;
        for (int i = first; i < qMin(first + batchSize, listed->size()); ++i) {
            const std::optional<Cycle> cycle = from.cycle(listed->at(i).id);
            if (!cycle) {
                result.error = from.errorString();
                return false;
            }
            AuditEvent event;
            event.kind = QStringLiteral("cycle migrated");
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
            ids.insert(listed->at(first + i).id, entered[i].id);
        }
    }
    return true;
}

bool sameRelease(const Release &a, const Release &b)
{
    return std::tie(a.at, a.osUser, a.station, a.operatorName, a.load, a.lot, a.chemicalIndicator,
                    a.biologicalIndicator, a.decision, a.comment)
        == std::tie(b.at, b.osUser, b.station, b.operatorName, b.load, b.lot, b.chemicalIndicator,
                    b.biologicalIndicator, b.decision, b.comment)
        && a.at.offsetFromUtc() == b.at.offsetFromUtc();
}

// Before the events: the target makes each release's event as the source
// did, so that the source's is found there and not carried twice.
bool carryReleases(CycleRegister &from, CycleRegister &to, Result &result, const QHash<qint64, qint64> &ids,
                   const QVector<qint64> &released)
{
    QVector<Release> missing;
    for (qint64 source : released) {
        const std::optional<QVector<Release>> history = from.releases(source);
        const std::optional<QVector<Release>> there = history ? to.releases(ids.value(source)) : std::nullopt;
        if (!there) {
            result.error = history ? to.errorString() : from.errorString();
            return false;
        }
        for (Release r : *history) {
            if (std::any_of(there->begin(), there->end(), [&](const Release &t) { return sameRelease(r, t); })) {
                ++result.releasesPresent;
                continue;
            }
            r.cycleId = ids.value(source);
            missing << r;
        }
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

bool carryEvents(CycleRegister &from, CycleRegister &to, Result &result, const QHash<qint64, qint64> &ids)
{
    std::optional<QVector<AuditEvent>> trail = from.events();
    if (!trail) {
        result.error = from.errorString();
        return false;
    }
    std::reverse(trail->begin(), trail->end()); // oldest first, as they happened
    for (AuditEvent &event : *trail) {
        event.id = 0;
        // Every cycle an event names is in the source, so it has been moved.
        event.cycleId = ids.value(event.cycleId);
    }
    for (int first = 0; first < trail->size(); first += batchSize) {
        QVector<AuditEvent> batch = trail->mid(first, batchSize);
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

} // namespace

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
    QHash<qint64, qint64> ids; // the source's entry IDs to the target's
    QVector<qint64> released;  // the source's entries with releases
    if (moveEntries(from, to, result, ids, released) && carryReleases(from, to, result, ids, released))
        carryEvents(from, to, result, ids);
    qCDebug(lcRegister) << "transfer from" << from.location().toString() << "to" << to.location().toString() << ":"
                        << result.moved << "moved," << result.alreadyPresent << "already present," << result.releases
                        << "releases carried," << result.releasesPresent << "present," << result.events
                        << "events carried," << result.eventsPresent << "present" << result.error;
    return result;
}

} // namespace RegisterTransfer
