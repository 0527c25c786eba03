#include "register/registersender.h"

#include "app/logging.h"
#include "register/cycleregister.h"
#include "register/recordtransfer.h"
#include "register/registertransfer.h"
#include "register/transferlock.h"

#include <QAtomicInt>
#include <QTimer>

namespace {

// Items per transaction on the server.
constexpr int batchSize = 100;

} // namespace

// The sender's state on its thread.
struct RegisterSender::Work {
    RegisterSender *sender;
    QString localPath;
    RegisterLocation central;
    QObject context; // lives on the sender's thread
    QTimer *retry = nullptr;
    int retryMs = 15000;
    std::unique_ptr<CycleRegister> local;
    std::unique_ptr<CycleRegister> server;
    int waiting = -1;
    QDateTime failingSince;

    void start();
    // Sends batches until nothing waits or something fails.
    void attempt();
    bool sendBatch(const QVector<CycleRegister::OutboxItem> &items, int *entries, QString *error);
    // Opens the register of that side on a connection of its own, if it is not open.
    bool open(std::unique_ptr<CycleRegister> &side, const RegisterLocation &location, const char *name,
              QString *error);
    void finish();

    // Emits a signal of the sender on the sender's own thread.
    template<typename Emit>
    void report(Emit &&emitSignal)
    {
        QMetaObject::invokeMethod(sender, std::forward<Emit>(emitSignal), Qt::QueuedConnection);
    }
};

void RegisterSender::Work::start()
{
    retry = new QTimer(&context);
    retry->setSingleShot(true);
    QObject::connect(retry, &QTimer::timeout, &context, [this] { attempt(); });
    attempt();
}

void RegisterSender::Work::attempt()
{
    QString error;
    int entries = 0;
    bool ok = true;
    while (ok) {
        std::optional<QVector<CycleRegister::OutboxItem>> items;
        ok = open(local, RegisterLocation::file(localPath), "local", &error);
        if (ok && !(items = local->outbox(batchSize))) {
            error = local->errorString();
            ok = false;
        }
        if (ok && items->isEmpty())
            break;
        ok = ok && open(server, central, "central", &error) && sendBatch(*items, &entries, &error);
    }
    if (entries > 0)
        report([s = sender, entries] { emit s->sent(entries); });
    if (ok) {
        retry->stop();
        failingSince = QDateTime();
        waiting = 0;
        report([s = sender] { emit s->stateChanged(0, QDateTime(), QString()); });
        return;
    }
    // Opened afresh next time: a connection the server dropped is gone for good.
    server.reset();
    if (local) {
        waiting = local->outboxSize().value_or(waiting);
        local.reset();
    }
    if (!failingSince.isValid())
        failingSince = QDateTime::currentDateTime();
    retry->start(retryMs);
    qCDebug(lcRegister) << "sending to the central register failed;" << waiting << "items wait:" << error;
    report([s = sender, count = waiting, since = failingSince, error] { emit s->stateChanged(count, since, error); });
}

bool RegisterSender::Work::sendBatch(const QVector<CycleRegister::OutboxItem> &items, int *entries, QString *error)
{
    QVector<qint64> cycleIds;
    QVector<qint64> eventIds;
    QVector<qint64> releaseIds;
    QVector<CycleRegister::OutboxItem> records;
    for (const CycleRegister::OutboxItem &item : items) {
        if (item.cycleId)
            cycleIds.append(item.cycleId);
        else if (item.eventId)
            eventIds.append(item.eventId);
        else if (item.releaseId)
            releaseIds.append(item.releaseId);
        else
            records.append(item);
    }
    const int batchEntries = cycleIds.size();
    RecordTransfer carrier(*local, *server);
    carrier.replacePackTypes = true; // a change the station made
    const std::optional<QVector<AuditEvent>> events = local->eventsById(eventIds);
    std::optional<QVector<Release>> releases = events ? local->releasesById(releaseIds) : std::nullopt;
    const std::optional<QVector<qint64>> packCycles = releases ? carrier.cyclesOf(records) : std::nullopt;
    if (!packCycles) {
        *error = releases ? carrier.errorString() : local->errorString();
        return false;
    }
    // A cycle an event, a release or a pack names that was sent before is
    // found on the server; one that never was (entered before the station
    // had a server) goes now. A pack's cycle goes with its releases, before
    // those of the batch, which they may hold already.
    const auto addCycle = [&](qint64 id) {
        if (id && !cycleIds.contains(id))
            cycleIds.append(id);
    };
    QVector<Release> histories;
    for (const qint64 id : *packCycles) {
        const std::optional<QVector<Release>> history = local->releases(id);
        if (!history) {
            *error = local->errorString();
            return false;
        }
        addCycle(id);
        histories += *history;
    }
    *releases = histories + *releases;
    for (const AuditEvent &event : *events)
        addCycle(event.cycleId);
    for (const Release &release : *releases)
        addCycle(release.cycleId);
    RegisterTransfer::Result result;
    QHash<qint64, qint64> serverIds;
    bool carried = false;
    {
        const TransferLock lock(*server);
        if (!lock.isLocked()) {
            *error = lock.errorString();
            return false;
        }
        carried =
            RegisterTransfer::moveEntries(*local, *server, cycleIds, QStringLiteral("cycle sent"), result, serverIds)
            && RegisterTransfer::carryReleases(*server, *releases, serverIds, result)
            && carrier.carry(records, serverIds, result)
            && RegisterTransfer::carryEvents(*server, *events, serverIds, result);
    }
    if (!carried) {
        *error = result.refused.isEmpty() ? result.error : result.refused.first().text;
        // The entries before an altered one are on the server now.
        QVector<CycleRegister::OutboxItem> arrived;
        for (const CycleRegister::OutboxItem &item : items) {
            if (item.cycleId && serverIds.contains(item.cycleId))
                arrived.append(item);
        }
        if (!arrived.isEmpty() && local->removeFromOutbox(arrived))
            *entries += arrived.size();
        return false;
    }
    // A crash before this sends the batch again, which then adds nothing.
    if (!local->removeFromOutbox(items)) {
        *error = local->errorString();
        return false;
    }
    *entries += batchEntries;
    qCDebug(lcRegister) << "sent to the central register:" << result.moved << "entries," << result.alreadyPresent
                        << "found there," << result.releases << "releases," << result.releasesPresent << "found there,"
                        << result.events << "events," << result.eventsPresent << "found there," << result.packs
                        << "packs," << result.packsPresent << "found there," << result.uses << "uses,"
                        << result.usesPresent << "found there," << result.accounts << "accounts";
    return true;
}

bool RegisterSender::Work::open(std::unique_ptr<CycleRegister> &side, const RegisterLocation &location,
                                const char *name, QString *error)
{
    if (!side)
        side = CycleRegister::opened(QStringLiteral("register-sender-") + QLatin1String(name), location, error);
    return side != nullptr;
}

void RegisterSender::Work::finish()
{
    delete retry;
    retry = nullptr;
    server.reset();
    local.reset();
    QThread::currentThread()->quit();
}

RegisterSender::RegisterSender(const QString &localPath, const RegisterLocation &central, QObject *parent)
    : QObject(parent)
    , work(std::make_unique<Work>())
{
    work->sender = this;
    work->localPath = localPath;
    work->central = central;
    work->context.moveToThread(&thread);
    thread.setObjectName(QStringLiteral("register sender"));
    thread.start();
    QMetaObject::invokeMethod(&work->context, [w = work.get()] { w->start(); }, Qt::QueuedConnection);
}

RegisterSender::~RegisterSender()
{
    QMetaObject::invokeMethod(&work->context, [w = work.get()] { w->finish(); }, Qt::QueuedConnection);
    thread.wait();
}

void RegisterSender::setRetryInterval(int ms)
{
    QMetaObject::invokeMethod(&work->context, [w = work.get(), ms] { w->retryMs = ms; }, Qt::QueuedConnection);
}

void RegisterSender::send()
{
    QMetaObject::invokeMethod(&work->context, [w = work.get()] { w->attempt(); }, Qt::QueuedConnection);
}
