#include "register/registerreader.h"

#include "app/logging.h"
#include "register/cyclecsv.h"
#include "reports/reportcontent.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPrinter>
#include <QSaveFile>

#include <atomic>
#include <memory>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("RegisterReader", text);
}

// What an answer carries: the value read, or why there is none.
template<typename T>
struct Read {
    T value{};
    QString error;
};

QString written(const QString &file, const QByteArray &bytes)
{
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit())
        return tr("%1 could not be written: %2").arg(QDir::toNativeSeparators(file), out.errorString());
    return {};
}

// Draws the report on the printer, or writes it as a PDF file; the error,
// empty on success.
template<typename Report, typename Data>
QString report(const RegisterReader::ReportOutput &output, const Data &data)
{
    if (output.printer)
        return Report::write(*output.printer, data) ? QString() : tr("The printer cannot be used.");
    QString error;
    return Report::writePdf(output.pdfFile, data, &error) ? QString() : error;
}

} // namespace

// The reader's side on its thread: the register and its connection, which
// belong to that thread and are made and closed there.
class RegisterReaderContext : public QObject
{
public:
    explicit RegisterReaderContext(const QString &path) : path(path) {}

    // Runs read(register) with the register open; failure words what
    // failed, with a %1 for the register's error.
    template<typename T, typename F>
    Read<T> read(F &&read, const char *failure = "The register could not be read: %1")
    {
        Read<T> result;
        if (!openRegister(&result.error))
            return result;
        std::optional<T> value = read(*store);
        if (value)
            result.value = std::move(*value);
        else
            result.error = tr(failure).arg(store->errorString());
        return result;
    }

    std::atomic<bool> stopping{false};

private:
    bool openRegister(QString *error)
    {
        if (store && store->isOpen())
            return true;
        // A connection name of its own for every attempt: a failed one
        // keeps its name taken until its object is gone.
        static std::atomic<int> attempts{0};
        store.reset();
        store = std::make_unique<CycleRegister>(QStringLiteral("register-reader-%1").arg(++attempts));
        if (store->open(path))
            return true;
        *error = tr("The register %1 cannot be opened: %2").arg(QDir::toNativeSeparators(path), store->errorString());
        store.reset();
        return false;
    }

    const QString path;
    std::unique_ptr<CycleRegister> store;
};

RegisterReader::RegisterReader(const QString &registerPath, QObject *parent)
    : ReleaseSink(parent)
    , context(new RegisterReaderContext(registerPath))
{
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
        const auto read = context->read<QPair<QStringList, QStringList>>(
            [](CycleRegister &r) -> std::optional<QPair<QStringList, QStringList>> {
                const auto programs = r.programNames();
                const auto statuses = programs ? r.statuses() : std::nullopt;
                if (!statuses)
                    return std::nullopt;
                return qMakePair(*programs, *statuses);
            });
        return [=] { emit choicesRead(ticket, read.value.first, read.value.second, read.error); };
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

quint64 RegisterReader::submitRelease(const Release &release)
{
    return post([=](quint64 ticket) {
        const auto read = context->read<Release>(
            [&](CycleRegister &r) -> std::optional<Release> {
                Release entered = release;
                return r.enterRelease(entered) ? std::optional<Release>(entered) : std::nullopt;
            },
            QT_TRANSLATE_NOOP("RegisterReader", "The release was not entered: %1"));
        qCDebug(lcRegister) << "release of entry" << release.cycleId << "entered as" << read.value.sequence << read.error;
        return [=] { emit releaseStored(ticket, read.value, read.error); };
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
            return ReportContent::cycle(*cycle, *releases, clinicName);
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
            return ReportContent::period(*cycles, from, to, clinicName);
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
