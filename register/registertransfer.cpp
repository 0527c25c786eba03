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

bool moveEntries(CycleRegister &from, CycleRegister &to, Result &result, QHash<qint64, qint64> &ids)
{
    std::optional<QVector<Cycle>> listed = from.cycles({}, -1);
    if (!listed) {
        result.error = from.errorString();
        return false;
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
    if (moveEntries(from, to, result, ids))
        carryEvents(from, to, result, ids);
    qCDebug(lcRegister) << "transfer from" << from.location().toString() << "to" << to.location().toString() << ":"
                        << result.moved << "moved," << result.alreadyPresent << "already present," << result.events
                        << "events carried," << result.eventsPresent << "present" << result.error;
    return result;
}

} // namespace RegisterTransfer
