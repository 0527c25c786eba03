#include "register/registerwriter.h"

#include "app/logging.h"
#include "records/nofollowfile.h"
#include "register/cycleregister.h"

#include <QAtomicInt>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QSqlError>
#include <QSqlQuery>
#include <QTimer>
#include <QVector>

#include <limits>

namespace {

const QString eventSuffix = QStringLiteral(".event");

QDateTime nowWithOffset()
{
    const QDateTime local = QDateTime::currentDateTime();
    return local.toOffsetFromUtc(local.offsetFromUtc());
}

// Named by the time (oldest first) and a random part, like the journals.
QString newEventFile(const QString &folder)
{
    return QDir(folder).filePath(
        QStringLiteral("event-%1-%2%3")
            .arg(QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz")))
            .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'))
            .arg(eventSuffix));
}

} // namespace

// Something that waits to be entered: a journal or an event's file, or an
// event whose file could not be written.
struct RegisterWriter::Waiting {
    QString file;
    std::optional<AuditEvent> event;
};

// The writer's state on its thread.
struct RegisterWriter::Work {
    RegisterWriter *writer;
    RegisterLocation location; // of the file entered into
    bool fillOutbox = false;
    RegisterSender *sender = nullptr;
    QString folder;
    QObject context; // lives on the writer's thread
    QTimer *retry = nullptr;
    int retryMs = 15000;
    std::unique_ptr<CycleRegister> cycleRegister;
    QVector<Waiting> waiting;

    void start();
    // Enters what waits, in the order it came, up to the first failure.
    void enterWaiting();
    // Enters the first that waits; false when the register failed.
    bool enterFirst(QString *error);
    bool enterJournal(const QString &file, QString *error);
    bool enterEvent(const AuditEvent &event, QString *error);
    bool open(QString *error);
    void finish();

    // Emits a signal of the writer on the writer's own thread.
    template<typename Emit>
    void report(Emit &&emitSignal)
    {
        QMetaObject::invokeMethod(writer, std::forward<Emit>(emitSignal), Qt::QueuedConnection);
    }
};

void RegisterWriter::Work::start()
{
    retry = new QTimer(&context);
    retry->setSingleShot(true);
    QObject::connect(retry, &QTimer::timeout, &context, [this] { enterWaiting(); });
    if (!waiting.isEmpty())
        enterWaiting();
}

void RegisterWriter::Work::enterWaiting()
{
    QString error;
    while (!waiting.isEmpty()) {
        if (!open(&error) || !enterFirst(&error)) {
            // Opened afresh next time: a register that was replaced,
            // repaired or made writable meanwhile is then found as it is.
            cycleRegister.reset();
            retry->start(retryMs);
            qCDebug(lcRegister) << "register entries wait:" << waiting.size() << error;
            const int count = waiting.size();
            report([w = writer, error, count] {
                emit w->failed(error);
                emit w->waitingChanged(count);
            });
            return;
        }
        waiting.removeFirst();
    }
    retry->stop();
    if (sender)
        sender->send();
    report([w = writer] { emit w->waitingChanged(0); });
}

bool RegisterWriter::Work::open(QString *error)
{
    if (!cycleRegister && (cycleRegister = CycleRegister::opened(QStringLiteral("register-writer"), location, error)))
        cycleRegister->setFillingOutbox(fillOutbox);
    return cycleRegister != nullptr;
}

bool RegisterWriter::Work::enterFirst(QString *error)
{
    const Waiting &first = waiting.first();
    if (first.event)
        return enterEvent(*first.event, error);
    if (!first.file.endsWith(eventSuffix))
        return enterJournal(first.file, error);
    QFile file(first.file);
    const std::optional<AuditEvent> event = file.open(QIODevice::ReadOnly) ? eventOf(file.readAll()) : std::nullopt;
    if (!event) {
        // Kept for a look by people; nothing the writer can enter.
        qCDebug(lcRegister) << first.file << "holds no event; left alone";
        return true;
    }
    if (!enterEvent(*event, error))
        return false;
    QFile::remove(first.file);
    return true;
}

bool RegisterWriter::Work::enterJournal(const QString &file, QString *error)
{
    RunJournal journal(folder);
    QByteArray content;
    // Gone, entered meanwhile by another start of the station; or held by
    // another station, whose writer enters it.
    if (!journal.adopt(file, &content))
        return true;
    const std::optional<RunJournal::Run> run = RunJournal::parse(content);
    QString reason;
    const std::optional<Cycle> cycle = run && run->settled() ? cycleOf(*run, &reason) : std::nullopt;
    if (!cycle) {
        // Kept: a run not settled is recovered at the next start.
        qCDebug(lcRegister) << file << "makes no register entry; left alone." << reason;
        journal.close();
        return true;
    }
    Cycle entry = *cycle;
    const CycleRegister::EnterResult result = cycleRegister->enter(entry);
    if (result.outcome == CycleRegister::Outcome::Failed) {
        *error = result.error;
        journal.close();
        return false;
    }
    journal.remove();
    if (result.outcome == CycleRegister::Outcome::Entered)
        report([w = writer, id = result.id] { emit w->cycleEntered(id); });
    qCDebug(lcRegister) << file << (result.outcome == CycleRegister::Outcome::Entered ? "entered as" : "was entered as")
                        << result.id;
    return true;
}

bool RegisterWriter::Work::enterEvent(const AuditEvent &event, QString *error)
{
    // Entered already, when a crash came before its file was deleted.
    QSqlQuery query(cycleRegister->database());
    query.prepare(QStringLiteral("SELECT id FROM events WHERE at_utc = ? AND kind = ? AND details = ?"));
    query.addBindValue(event.at.toMSecsSinceEpoch());
    query.addBindValue(event.kind);
    query.addBindValue(event.details);
    if (!query.exec()) {
        *error = query.lastError().text();
        return false;
    }
    if (query.next())
        return true;
    AuditEvent entered = event;
    if (!cycleRegister->appendEvent(entered)) {
        *error = cycleRegister->errorString();
        return false;
    }
    report([w = writer, id = entered.id] { emit w->eventEntered(id); });
    return true;
}

void RegisterWriter::Work::finish()
{
    delete retry;
    retry = nullptr;
    cycleRegister.reset();
    QThread::currentThread()->quit();
}

RegisterWriter::RegisterWriter(const RegisterLocation &location, const QString &localPath, const QString &folder,
                               QObject *parent)
    : QObject(parent)
    , work(std::make_unique<Work>())
{
    work->writer = this;
    work->location = location;
    if (location.kind() != RegisterLocation::Kind::File) {
        outboxSender = std::make_unique<RegisterSender>(localPath, location);
        work->location = RegisterLocation::file(localPath);
        work->fillOutbox = true;
        work->sender = outboxSender.get();
    }
    work->folder = folder;
    // Events an earlier start could not enter; listed before any new one
    // can be written.
    const QDir dir(folder);
    for (const QString &name : dir.entryList({QLatin1Char('*') + eventSuffix}, QDir::Files, QDir::Name))
        work->waiting.append({dir.filePath(name), std::nullopt});
    work->context.moveToThread(&thread);
    thread.setObjectName(QStringLiteral("register writer"));
    thread.start();
    onThread([w = work.get()] { w->start(); });
}

RegisterWriter::RegisterWriter(const QString &registerPath, const QString &folder, QObject *parent)
    : RegisterWriter(RegisterLocation::file(registerPath), registerPath, folder, parent)
{
}

RegisterWriter::~RegisterWriter()
{
    onThread([w = work.get()] { w->finish(); });
    thread.wait();
}

template<typename Call>
void RegisterWriter::onThread(Call &&call)
{
    QMetaObject::invokeMethod(&work->context, std::forward<Call>(call), Qt::QueuedConnection);
}

std::optional<Cycle> RegisterWriter::cycleOf(const RunJournal::Run &run, QString *reason)
{
    if (!run.started.isValid()) {
        *reason = tr("The run has no start time.");
        return std::nullopt;
    }
    Cycle cycle;
    const CommunicationManager::Program &record = run.record;
    cycle.controllerSerial = record.serialNumber;
    bool isNumber = false;
    const int number = record.cycleNumber.toInt(&isNumber);
    cycle.cycleNumber = isNumber && number >= 0 ? number : -1;
    cycle.programNumber = run.programNumber;
    cycle.programName = record.name;
    cycle.steps = record.steps;
    cycle.adopted = run.adopted;
    cycle.started = run.started;
    cycle.finished = run.finished;
    cycle.status = record.status;
    cycle.firmwareVersion = record.firmwareVersion;
    cycle.softwareVersion = record.softwareVersion;
    cycle.samples = run.samples;
    if (run.log) {
        cycle.logPath = run.log->path;
        cycle.logSha256 = run.log->sha256;
        cycle.origin = run.log->origin;
    }
    return cycle;
}

QByteArray RegisterWriter::eventFileContent(const AuditEvent &event)
{
    const QJsonObject object{
        {QStringLiteral("at"), QString::number(event.at.toMSecsSinceEpoch())},
        {QStringLiteral("offset"), event.at.offsetFromUtc()},
        {QStringLiteral("user"), event.osUser},
        {QStringLiteral("station"), event.station},
        {QStringLiteral("kind"), event.kind},
        {QStringLiteral("controller"), event.controllerSerial},
        {QStringLiteral("details"), event.details},
    };
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

std::optional<AuditEvent> RegisterWriter::eventOf(const QByteArray &content)
{
    const QJsonObject object = QJsonDocument::fromJson(content).object();
    const auto text = [&object](const char *key) { return object.value(QLatin1String(key)); };
    bool isNumber = false;
    const qint64 ms = text("at").toString().toLongLong(&isNumber);
    const int offset = text("offset").toInt(std::numeric_limits<int>::min());
    for (const char *key : {"user", "station", "kind", "controller", "details"}) {
        if (!text(key).isString())
            return std::nullopt;
    }
    if (!isNumber || qAbs(offset) >= 86400 || text("kind").toString().isEmpty())
        return std::nullopt;
    AuditEvent event;
    event.at = QDateTime::fromMSecsSinceEpoch(ms, Qt::OffsetFromUTC, offset);
    event.osUser = text("user").toString();
    event.station = text("station").toString();
    event.kind = text("kind").toString();
    event.controllerSerial = text("controller").toString();
    event.details = text("details").toString();
    return event;
}

void RegisterWriter::setRetryInterval(int ms)
{
    onThread([w = work.get(), ms] { w->retryMs = ms; });
}

void RegisterWriter::enterJournal(const QString &fileName)
{
    onThread([w = work.get(), fileName] {
        w->waiting.append({fileName, std::nullopt});
        w->enterWaiting();
    });
}

void RegisterWriter::enterEvent(AuditEvent event)
{
    if (!event.at.isValid())
        event.at = nowWithOffset();
    if (event.osUser.isEmpty())
        event.osUser = CycleRegister::osUser();
    if (event.station.isEmpty())
        event.station = CycleRegister::station();
    if (event.details.isEmpty())
        event.details = QStringLiteral("{}");
    // Small and rare (a program write): written at once, so that a crash
    // right after cannot lose it.
    const QString fileName = newEventFile(work->folder);
    const auto ownerOnly = NoFollowFile::Access::OwnerOnly;
    QString error;
    const bool durable = NoFollowFile::makeFolder(work->folder, ownerOnly)
        && NoFollowFile::write(fileName, eventFileContent(event), ownerOnly, &error);
    if (!durable)
        qCDebug(lcRegister) << "event file" << fileName << "not written:" << error;
    Waiting item{fileName, std::nullopt};
    if (!durable)
        item = {QString(), event}; // entered from memory, if the station lives that long
    onThread([w = work.get(), item] {
        w->waiting.append(item);
        w->enterWaiting();
    });
}
