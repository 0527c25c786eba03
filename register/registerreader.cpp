#include "register/registerreader.h"

#include "app/logging.h"
#include "records/nofollowfile.h"
#include "register/chainledger.h"
#include "register/cyclecsv.h"
#include "register/releasesigning.h"
#include "reports/reportcontent.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QMutex>
#include <QPrinter>
#include <QSqlQuery>

#include <atomic>
#include <functional>
#include <memory>

namespace {

// What an answer carries: the value read, or why there is none.
template<typename T>
struct Read {
    T value{};
    QString error;
};

QString written(const QString &file, const QByteArray &bytes)
{
    QString why;
    if (!NoFollowFile::write(file, bytes, NoFollowFile::Access::Shared, &why))
        return RegisterReader::tr("%1 could not be written: %2").arg(QDir::toNativeSeparators(file), why);
    return {};
}

// Draws the report on the printer, or writes it as a PDF file; the error,
// empty on success.
template<typename Report, typename Data>
QString report(const RegisterReader::ReportOutput &output, const Data &data)
{
    if (output.printer)
        return Report::write(*output.printer, data) ? QString() : RegisterReader::tr("The printer cannot be used.");
    QString error;
    return Report::writePdf(output.pdfFile, data, &error) ? QString() : error;
}

} // namespace

// Which register a reader and its companions read: the central one while
// it can be reached, otherwise the station's own, trying the central one
// again now and then. Shared between their threads.
struct RegisterReaderSource {
    QMutex mutex;
    bool central = true;
    QDateTime unreachableSince;
    QDeadlineTimer nextTry; // of the central register while it is away
};

// The reader's side on its thread: the registers and their connections,
// which belong to that thread and are made and closed there.
class RegisterReaderContext : public QObject
{
    Q_DECLARE_TR_FUNCTIONS(RegisterReader)

public:
    using Changed = std::function<void(bool central, const QDateTime &since, const QString &reason)>;

    RegisterReaderContext(const RegisterLocation &location, const QString &fallback,
                          std::shared_ptr<RegisterReaderSource> source, Changed changed)
        : location(location)
        , fallback(fallback)
        , source(std::move(source))
        , changed(std::move(changed))
    {
    }

    // Runs read(register) on the register to read now; failure words what
    // failed, with a %1 for the register's error.
    template<typename T, typename F>
    Read<T> read(F &&read,
                 const char *failure = QT_TRANSLATE_NOOP("RegisterReader", "The register could not be read: %1"))
    {
        Read<T> result;
        CycleRegister *store = storeFor(&result.error);
        if (!store)
            return result;
        std::optional<T> value = read(*store);
        if (!value && store == central.get() && !answers(*central)) {
            // The server dropped the connection (it went away, or was
            // restarted since): a new one, or the station's own register
            // when none can be made.
            central.reset();
            store = storeFor(&result.error);
            if (!store)
                return result;
            value = read(*store);
        }
        if (value)
            result.value = std::move(*value);
        else
            result.error = tr(failure).arg(store->errorString());
        return result;
    }

    std::atomic<bool> stopping{false};

private:
    CycleRegister *storeFor(QString *error)
    {
        if (fallback.isEmpty())
            return open(central, location, error);
        if (centralWanted()) {
            QString why;
            if (CycleRegister *store = open(central, location, &why)) {
                markReachable();
                return store;
            }
            markAway(why);
        }
        // What is written there while the server is away (releases) is
        // sent on as the station's own entries are.
        CycleRegister *store = open(local, RegisterLocation::file(fallback), error);
        if (store)
            store->setFillingOutbox(true);
        return store;
    }

    CycleRegister *open(std::unique_ptr<CycleRegister> &store, const RegisterLocation &where, QString *error)
    {
        if (store && store->isOpen())
            return store.get();
        store.reset();
        QString why;
        store = CycleRegister::opened(QStringLiteral("register-reader"), where, &why);
        if (!store) {
            *error = tr("The register %1 cannot be opened: %2")
                         .arg(where.isServer() ? where.toString() : QDir::toNativeSeparators(where.path()), why);
        }
        return store.get();
    }

    // Whether the connection still reaches its server.
    static bool answers(CycleRegister &store)
    {
        const QSqlDatabase db = store.database();
        QSqlQuery query(db);
        return db.isOpen() && query.exec(QStringLiteral("SELECT 1"));
    }

    bool centralWanted()
    {
        QMutexLocker locked(&source->mutex);
        return source->central || source->nextTry.hasExpired();
    }

    void markAway(const QString &reason)
    {
        QMutexLocker locked(&source->mutex);
        source->nextTry.setRemainingTime(retryMs);
        if (source->central) {
            source->central = false;
            source->unreachableSince = QDateTime::currentDateTime();
        }
        changed(false, source->unreachableSince, reason);
        qCDebug(lcRegister) << "central register unreachable, reading" << fallback << ":" << reason;
    }

    void markReachable()
    {
        QMutexLocker locked(&source->mutex);
        if (source->central)
            return;
        source->central = true;
        source->unreachableSince = QDateTime();
        changed(true, QDateTime(), QString());
    }

    // A server that was away is tried again after this long.
    static constexpr int retryMs = 15000;

    const RegisterLocation location;
    const QString fallback;
    const std::shared_ptr<RegisterReaderSource> source;
    const Changed changed;
    std::unique_ptr<CycleRegister> central; // or the only register, without a fallback
    std::unique_ptr<CycleRegister> local;
};

RegisterReader::RegisterReader(const QString &registerPath, QObject *parent)
    : RegisterReader(RegisterLocation::file(registerPath), QString(), parent)
{
}

RegisterReader::RegisterReader(const RegisterLocation &location, const QString &fallback, QObject *parent)
    : RegisterReader(location, fallback, std::make_shared<RegisterReaderSource>(), parent)
{
}

RegisterReader::RegisterReader(const RegisterLocation &location, const QString &fallback,
                               std::shared_ptr<RegisterReaderSource> source, QObject *parent)
    : QObject(parent)
    , location(location)
    , fallback(fallback)
    , source(source)
{
    context = new RegisterReaderContext(
        location, fallback, source, [this](bool central, const QDateTime &since, const QString &reason) {
            QMetaObject::invokeMethod(
                this, [=] { emit sourceChanged(central, since, reason); }, Qt::QueuedConnection);
        });
    thread.setObjectName(QStringLiteral("register reader"));
    context->moveToThread(&thread);
    // Deleted on its thread once the loop has ended, with its connection.
    connect(&thread, &QThread::finished, context, &QObject::deleteLater);
    thread.start();
}

RegisterReader::~RegisterReader()
{
    context->stopping = true;
    thread.quit();
    thread.wait();
}

std::unique_ptr<RegisterReader> RegisterReader::companion(QObject *parent) const
{
    return std::unique_ptr<RegisterReader>(new RegisterReader(location, fallback, source, parent));
}

void RegisterReader::retryCentral()
{
    QMutexLocker locked(&source->mutex);
    source->nextTry = QDeadlineTimer(0);
}

template<typename Work>
quint64 RegisterReader::post(Work work)
{
    const quint64 ticket = ++lastTicket;
    QMetaObject::invokeMethod(
        context,
        [this, ticket, work = std::move(work)] {
            if (context->stopping)
                return;
            // The answer is emitted on this object's thread.
            QMetaObject::invokeMethod(this, work(ticket), Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
    return ticket;
}

quint64 RegisterReader::readCycles(const CycleRegister::Filter &filter, int limit, const std::optional<Cycle> &after)
{
    return post([=](quint64 ticket) {
        const auto read = context->read<QVector<Cycle>>(
            [&](CycleRegister &r) { return r.cycles(filter, limit, after ? &*after : nullptr); });
        return [=] { emit cyclesRead(ticket, read.value, read.error); };
    });
}

quint64 RegisterReader::readCount(const CycleRegister::Filter &filter)
{
    return post([=](quint64 ticket) {
        const auto read = context->read<int>([&](CycleRegister &r) { return r.count(filter); });
        return [=] { emit counted(ticket, read.value, read.error); };
    });
}

quint64 RegisterReader::readChoices()
{
    return post([=](quint64 ticket) {
        const auto read = context->read<Choices>([](CycleRegister &r) -> std::optional<Choices> {
            const auto programs = r.programNames();
            const auto statuses = programs ? r.statuses() : std::nullopt;
            const auto controllers = statuses ? r.controllers() : std::nullopt;
            const auto operators = controllers ? r.operators() : std::nullopt;
            if (!operators)
                return std::nullopt;
            return Choices{*programs, *statuses, *controllers, *operators};
        });
        return [=] { emit choicesRead(ticket, read.value, read.error); };
    });
}

quint64 RegisterReader::readCycle(qint64 id)
{
    return post([=](quint64 ticket) {
        const auto read = context->read<Cycle>([&](CycleRegister &r) { return r.cycle(id); });
        return [=] { emit cycleRead(ticket, read.value, read.error); };
    });
}

quint64 RegisterReader::readEvents(qint64 cycleId, int limit, const std::optional<AuditEvent> &after,
                                   const QDateTime &since)
{
    return post([=](quint64 ticket) {
        const auto read = context->read<QVector<AuditEvent>>(
            [&](CycleRegister &r) { return r.eventsPage(cycleId, limit, after ? &*after : nullptr, since); });
        return [=] { emit eventsRead(ticket, read.value, read.error); };
    });
}

quint64 RegisterReader::exportCycles(const CycleRegister::Filter &filter, const QString &file)
{
    return post([=](quint64 ticket) {
        auto read = context->read<QVector<Cycle>>([&](CycleRegister &r) { return r.cycles(filter, -1); });
        if (read.error.isEmpty())
            read.error = written(file, CycleCsv::cycles(read.value));
        const int rows = read.value.size();
        const QString error = read.error;
        qCDebug(lcRegister) << "exported" << rows << "cycles to" << file << error;
        return [=] { emit exported(ticket, rows, error); };
    });
}

quint64 RegisterReader::exportSamples(qint64 id, const QString &file)
{
    return post([=](quint64 ticket) {
        auto read = context->read<Cycle>([&](CycleRegister &r) { return r.cycle(id); });
        if (read.error.isEmpty())
            read.error = written(file, CycleCsv::samples(read.value));
        const int rows = read.value.samples.size();
        const QString error = read.error;
        qCDebug(lcRegister) << "exported the samples of entry" << id << "to" << file << error;
        return [=] { emit exported(ticket, rows, error); };
    });
}

quint64 RegisterReader::readReleases(qint64 cycleId)
{
    return post([=](quint64 ticket) {
        const auto read = context->read<QVector<Release>>([&](CycleRegister &r) { return r.releases(cycleId); });
        return [=] { emit releasesRead(ticket, read.value, read.error); };
    });
}

quint64 RegisterReader::submitRelease(const Release &release, const QString &entryHash, const QString &pin)
{
    return post([=](quint64 ticket) {
        bool otherEntry = false;
        QString refused;
        auto read = context->read<Release>(
            [&](CycleRegister &r) -> std::optional<Release> {
                // The register read may have changed since the cycle was
                // shown (the server went away or came back), and an entry ID
                // means another cycle in the other one.
                const std::optional<Cycle> cycle = r.cycle(release.cycleId);
                otherEntry = cycle && cycle->entryHash != entryHash;
                Release entered = release;
                return cycle && !otherEntry && ReleaseSigning::enter(r, entered, pin, &refused)
                    ? std::optional<Release>(entered)
                    : std::nullopt;
            },
            QT_TRANSLATE_NOOP("RegisterReader", "The release was not saved: %1"));
        if (otherEntry)
            read.error = tr("The release was not saved: the register shown has changed; choose the cycle again.");
        else if (!read.error.isEmpty() && !refused.isEmpty())
            read.error = tr("The release was not saved: %1").arg(refused);
        qCDebug(lcRegister) << "release of entry" << release.cycleId << "entered as" << read.value.sequence << read.error;
        return [=] { emit releaseStored(ticket, read.value, read.error); };
    });
}

quint64 RegisterReader::submitEvent(const AuditEvent &event)
{
    return post([=](quint64 ticket) {
        const auto read = context->read<AuditEvent>(
            [&](CycleRegister &r) {
                AuditEvent entered = event;
                return r.appendEvent(entered) ? std::optional<AuditEvent>(entered) : std::nullopt;
            },
            QT_TRANSLATE_NOOP("RegisterReader", "The event was not saved: %1"));
        qCDebug(lcRegister) << "event" << event.kind << "entered as" << read.value.id << read.error;
        return [=] { emit eventStored(ticket, read.value, read.error); };
    });
}

quint64 RegisterReader::access(std::function<Done(CycleRegister &)> work,
                               std::function<void(const QString &error)> failed)
{
    return post([=](quint64) -> Done {
        const auto read = context->read<Done>([&](CycleRegister &r) { return std::optional<Done>(work(r)); });
        if (read.value)
            return read.value;
        return [failed, error = read.error] { failed(error); };
    });
}

quint64 RegisterReader::writeCycleReport(qint64 id, const QString &clinicName, const ReportOutput &output)
{
    return post([=](quint64 ticket) {
        QElapsedTimer timer;
        timer.start();
        auto read = context->read<CycleReportData>([&](CycleRegister &r) -> std::optional<CycleReportData> {
            const std::optional<Cycle> cycle = r.cycle(id);
            const std::optional<QVector<Release>> releases = cycle ? r.releases(id) : std::nullopt;
            if (!releases)
                return std::nullopt;
            return ReportContent::cycle(*cycle, *releases, clinicName, ChainLedger::headsOrNone(r.database()));
        });
        if (read.error.isEmpty())
            read.error = report<CycleReport>(output, read.value);
        const QString error = read.error;
        const qint64 ms = timer.elapsed();
        qCDebug(lcRegister) << "cycle report of entry" << id << "written in" << ms << "ms" << error;
        return [=] { emit reportWritten(ticket, ms, error); };
    });
}

quint64 RegisterReader::writePeriodReport(const CycleRegister::Filter &filter, const QDate &from, const QDate &to,
                                          const QString &clinicName, const ReportOutput &output)
{
    return post([=](quint64 ticket) {
        QElapsedTimer timer;
        timer.start();
        auto read = context->read<PeriodReportData>([&](CycleRegister &r) -> std::optional<PeriodReportData> {
            const std::optional<QVector<Cycle>> cycles = r.cycles(filter, -1);
            if (!cycles)
                return std::nullopt;
            return ReportContent::period(*cycles, from, to, clinicName, ChainLedger::headsOrNone(r.database()));
        });
        if (read.error.isEmpty())
            read.error = report<PeriodReport>(output, read.value);
        const QString error = read.error;
        const qint64 ms = timer.elapsed();
        qCDebug(lcRegister) << "period report of" << read.value.cycles.size() << "cycles written in" << ms << "ms"
                            << error;
        return [=] { emit reportWritten(ticket, ms, error); };
    });
}
