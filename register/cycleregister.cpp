#include "register/cycleregister.h"

#include "app/logging.h"
#include "records/nofollowfile.h"
#include "register/chainledger.h"
#include "register/cyclefields.h"
#include "register/cyclehash.h"
#include "register/cyclequery.h"
#include "app/stationsettings.h"
#include "register/cyclerow.h"
#include "register/eventrow.h"
#include "register/registerschema.h"
#include "register/releasepolicy.h"
#include "register/releaserow.h"
#include "register/samplecodec.h"
#include "register/sqldialect.h"
#include "register/verdictrow.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QSysInfo>

#include <algorithm>
#include <atomic>
#include <limits>
#include <pwd.h>
#include <unistd.h>

namespace {

// "column IN (?, ?, ...)" for the IDs, with their values to bind.
std::pair<QString, QVariantList> inList(const QString &column, const QVector<qint64> &ids)
{
    QVariantList values;
    for (qint64 id : ids)
        values << id;
    return {QStringLiteral("%1 IN (%2)").arg(column, QStringLiteral("?, ").repeated(ids.size()).chopped(2)), values};
}

// A null QString would be stored as NULL; the register's texts are never NULL.
QString text(const QString &value)
{
    return value.isNull() ? QStringLiteral("") : value;
}

// LIMIT without bound, as both SQLite and PostgreSQL take it.
qint64 rowLimit(int limit)
{
    return limit < 0 ? std::numeric_limits<qint64>::max() : limit;
}

QVariant nullable(bool present, const QVariant &value)
{
    return present ? value : QVariant(value.type());
}

QDateTime now()
{
    const QDateTime local = QDateTime::currentDateTime();
    return local.toOffsetFromUtc(local.offsetFromUtc());
}

} // namespace

QString CycleRegister::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QLatin1String("/register.sqlite");
}

QString CycleRegister::path(const QString &setting)
{
    return setting.isEmpty() ? defaultPath() : setting;
}

QString CycleRegister::osUser()
{
    // The process's own account: $USER says whatever its caller set.
    passwd entry{};
    passwd *found = nullptr;
    char buffer[4096];
    if (getpwuid_r(geteuid(), &entry, buffer, sizeof buffer, &found) == 0 && found && *found->pw_name)
        return QString::fromLocal8Bit(found->pw_name);
    return QString::number(geteuid());
}

QString CycleRegister::station()
{
    return QSysInfo::machineHostName();
}

CycleRegister::CycleRegister(const QString &connectionName) : connectionName(connectionName) {}

std::unique_ptr<CycleRegister> CycleRegister::opened(const QString &purpose, const RegisterLocation &location,
                                                     QString *error)
{
    static std::atomic<int> connections{0};
    auto store = std::make_unique<CycleRegister>(QStringLiteral("%1-%2").arg(purpose).arg(++connections));
    if (store->open(location))
        return store;
    *error = store->errorString();
    return nullptr;
}

CycleRegister::~CycleRegister()
{
    if (!addedConnection)
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(connectionName, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(connectionName);
}

bool CycleRegister::open(const RegisterLocation &location)
{
    if (!location.isValid())
        return fail(location.errorString());
    const QString path = location.path();
    if (location.kind() == RegisterLocation::Kind::File) {
        const auto ownerOnly = NoFollowFile::Access::OwnerOnly;
        if (!NoFollowFile::makeFolder(QFileInfo(path).absolutePath(), ownerOnly))
            return fail(tr("The folder of the register %1 cannot be made.").arg(QDir::toNativeSeparators(path)));
        QFile made; // a new register, empty and private: SQLite gives its other files the register's mode
        NoFollowFile::open(made, path, QIODevice::WriteOnly | QIODevice::NewOnly, ownerOnly);
    }
    if (QSqlDatabase::contains(connectionName))
        return fail(tr("The connection %1 is in use already.").arg(connectionName));
    const QSqlDatabase db = location.addDatabase(connectionName);
    addedConnection = true;
    // Qt's drivers are plugins, installed apart from the program.
    if (!db.isValid())
        return fail(tr("Qt's database driver %1 is not installed (on Debian: the package %2).")
                        .arg(db.driverName(), location.isServer() ? QStringLiteral("libqt5sql5-psql")
                                                                  : QStringLiteral("libqt5sql5-sqlite")));
    if (!openAdded())
        return false;
    openedLocation = location;
    return true;
}

bool CycleRegister::open(const QString &path)
{
    return open(RegisterLocation::file(path));
}

bool CycleRegister::openAdded()
{
    if (prepare())
        return true;
    database().close();
    sqlDialect = nullptr;
    return false;
}

bool CycleRegister::prepare()
{
    QSqlDatabase db = QSqlDatabase::database(connectionName, false);
    sqlDialect = SqlDialect::forDriver(db.driverName());
    if (!sqlDialect)
        return fail(tr("The database driver %1 is not supported.").arg(db.driverName()));
    if (!db.isOpen() && !db.open())
        return fail(db.lastError().text());
    if (db.driverName() == QLatin1String("QSQLITE")) {
        // WAL: readers (the Records tab) never wait for a writer.
        // synchronous=FULL: an entry reported as made survives a power cut;
        // the station enters a few cycles a day and an import a transaction
        // per batch, so the sync per commit costs nothing that shows.
        for (const char *pragma : {"PRAGMA journal_mode=WAL", "PRAGMA synchronous=FULL", "PRAGMA foreign_keys=ON"}) {
            if (!exec(QString::fromLatin1(pragma)))
                return false;
        }
    }
    QString error;
    if (!RegisterSchema::migrate(db, *sqlDialect, verdictBand(), &error))
        return fail(error);
    qCDebug(lcRegister) << "register open:" << db.databaseName() << "connection" << connectionName;
    return true;
}

bool CycleRegister::isOpen() const
{
    return sqlDialect && database().isOpen();
}

QString CycleRegister::errorString() const
{
    return lastError;
}

RegisterLocation CycleRegister::location() const
{
    return openedLocation;
}

QSqlDatabase CycleRegister::database() const
{
    return QSqlDatabase::database(connectionName, false);
}

const SqlDialect &CycleRegister::dialect() const
{
    Q_ASSERT(sqlDialect);
    return *sqlDialect;
}

void CycleRegister::setVerdictBand(const CycleVerdict::Band &verdictBand)
{
    band = verdictBand;
}

CycleVerdict::Band CycleRegister::verdictBand() const
{
    return band ? *band : StationSettings().verdictBand();
}

void CycleRegister::setFillingOutbox(bool on)
{
    fillingOutbox = on;
}

bool CycleRegister::ready()
{
    return isOpen() || fail(tr("The register is not open."));
}

bool CycleRegister::fail(const QString &error)
{
    // A sentence: libpq ends its messages, and some lines, with line breaks.
    lastError = error.simplified();
    qCDebug(lcRegister) << "register:" << error;
    return false;
}

template<typename Work>
bool CycleRegister::writeTransaction(Work &&work)
{
    if (!exec(dialect().beginWrite))
        return false;
    if (work() && exec(QStringLiteral("COMMIT")))
        return true;
    const QString error = lastError;
    exec(QStringLiteral("ROLLBACK"));
    return fail(error);
}

bool CycleRegister::exec(QSqlQuery &query)
{
    return query.exec() || fail(query.lastError().text());
}

bool CycleRegister::exec(const QString &statement)
{
    QSqlQuery query(database());
    return query.exec(statement) || fail(query.lastError().text());
}

CycleRegister::EnterResult CycleRegister::enter(Cycle &cycle)
{
    QVector<Cycle> one{cycle};
    const EnterResult result = enter(one).constFirst();
    cycle = one.constFirst();
    return result;
}

QVector<CycleRegister::EnterResult> CycleRegister::enter(QVector<Cycle> &cycles, const QVector<AuditEvent> &entryEvents)
{
    Q_ASSERT(entryEvents.isEmpty() || entryEvents.size() == cycles.size());
    QVector<EnterResult> results(cycles.size());
    const auto failAll = [&](const QString &error) {
        for (EnterResult &result : results)
            result = {Outcome::Failed, 0, error};
        return results;
    };
    if (!ready())
        return failAll(lastError);
    for (const Cycle &cycle : cycles) {
        if (!cycle.started.isValid())
            return failAll(tr("A cycle without a start time cannot be entered."));
        if (!SampleCodec::encodable(cycle.samples))
            return failAll(tr("A cycle with a temperature that is not a number cannot be entered."));
    }
    const CycleVerdict::Band settingsBand = verdictBand();
    // The cycles as entered; the caller's copies change only when all are in.
    QVector<Cycle> entered = cycles;
    const bool ok = writeTransaction([&] {
        if (!lockChains(entered))
            return false;
        for (int i = 0; i < entered.size(); ++i) {
            const std::optional<qint64> found = existing(entered[i]);
            if (!found)
                return false;
            if (*found != 0) {
                results[i] = {Outcome::AlreadyPresent, *found, {}};
            } else {
                if (!insert(entered[i], entryEvents.value(i), settingsBand))
                    return false;
                results[i] = {Outcome::Entered, entered[i].id, {}};
            }
        }
        return true;
    });
    if (!ok)
        return failAll(lastError);
    for (int i = 0; i < cycles.size(); ++i) {
        if (results[i].outcome == Outcome::Entered)
            cycles[i] = entered[i];
    }
    return results;
}

// Writers of one controller's chain wait for each other from before they
// look for the cycles until they commit, so that neither enters a cycle the
// other is entering nor reads a head the other is moving; writers of other
// controllers go on. The locks are taken in one order, so that two batches
// of several controllers never wait for each other in a circle.
bool CycleRegister::lockChains(const QVector<Cycle> &cycles)
{
    if (dialect().chainLock.isEmpty())
        return true;
    QStringList serials;
    for (const Cycle &cycle : cycles)
        serials << text(cycle.controllerSerial);
    serials.sort();
    serials.removeDuplicates();
    QSqlQuery query(database());
    query.prepare(dialect().chainLock);
    for (const QString &serial : serials) {
        query.addBindValue(serial);
        if (!exec(query))
            return false;
    }
    return true;
}

// The ID of the entry that is this cycle already; 0 when there is none.
std::optional<qint64> CycleRegister::existing(const Cycle &cycle)
{
    QSqlQuery query(database());
    if (!cycle.logSha256.isEmpty()) {
        query.prepare(QStringLiteral("SELECT id FROM cycles WHERE log_sha256 = ?"));
        query.addBindValue(cycle.logSha256);
        if (!exec(query))
            return std::nullopt;
        if (query.next())
            return query.value(0).toLongLong();
    }
    // A controller starts one cycle at a time: a cycle of unknown number is
    // known by its start, so that entering it again (a retry after a lost
    // answer) finds it.
    if (cycle.cycleNumber >= 0) {
        query.prepare(QStringLiteral(
            "SELECT id FROM cycles WHERE controller_serial = ? AND cycle_number = ? AND started_utc = ?"));
        query.addBindValue(text(cycle.controllerSerial));
        query.addBindValue(qint64(cycle.cycleNumber));
    } else {
        query.prepare(QStringLiteral(
            "SELECT id FROM cycles WHERE controller_serial = ? AND cycle_number IS NULL AND started_utc = ?"));
        query.addBindValue(text(cycle.controllerSerial));
    }
    query.addBindValue(CycleRow::utcMs(cycle.started));
    if (!exec(query))
        return std::nullopt;
    return query.next() ? query.value(0).toLongLong() : 0;
}

std::optional<CycleRegister::Head> CycleRegister::head(const QString &controllerSerial)
{
    QSqlQuery query(database());
    query.prepare(QStringLiteral("SELECT chain_seq, entry_hash FROM chain_heads WHERE controller_serial = ?"));
    query.addBindValue(text(controllerSerial));
    if (!exec(query))
        return std::nullopt;
    Head head;
    if (query.next())
        head = {query.value(0).toLongLong(), query.value(1).toString()};
    return head;
}

bool CycleRegister::insert(Cycle &c, AuditEvent event, const CycleVerdict::Band &settingsBand)
{
    const std::optional<Head> last = head(c.controllerSerial);
    if (!last)
        return false;
    if (c.station.isEmpty())
        c.station = station();
    for (CycleSample &sample : c.samples)
        sample = SampleCodec::rounded(sample);
    c.enteredAt = now();
    c.chainSequence = last->sequence + 1;
    c.previousHash = last->hash;
    c.sampleCount = c.samples.size();
    // As they read back, so that the hash is that of the stored values.
    c.started = CycleRow::time(CycleRow::utcMs(c.started), CycleRow::offsetSeconds(c.started));
    if (c.finished.isValid())
        c.finished = CycleRow::time(CycleRow::utcMs(c.finished), CycleRow::offsetSeconds(c.finished));
    c.steps = CycleFields::steps(CycleFields::stepsText(c.steps)).value_or(c.steps);
    c.logName = QFileInfo(c.logPath).fileName();
    c.hashScheme = CycleHash::entryScheme;
    // By the stored samples, as verification judges it again.
    c.verdict = CycleVerdict::evaluate(c, VerdictRow::rounded(c.verdict ? c.verdict->band : settingsBand));
    c.entryHash = CycleHash::entryHash(c);

    QSqlQuery query(database());
    query.prepare(QStringLiteral(
        "INSERT INTO cycles (station, controller_serial, cycle_number, program_number, program_name, steps,"
        " adopted, started_utc, started_offset, finished_utc, finished_offset, status, firmware_version,"
        " software_version, sample_count, log_path, log_name, log_sha256, origin, entered_utc, entered_offset,"
        " chain_seq, previous_hash, entry_hash, hash_scheme)"
        " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) RETURNING id"));
    query.addBindValue(text(c.station));
    query.addBindValue(text(c.controllerSerial));
    query.addBindValue(nullable(c.cycleNumber >= 0, qint64(c.cycleNumber)));
    query.addBindValue(nullable(c.programNumber > 0, c.programNumber));
    query.addBindValue(text(c.programName));
    query.addBindValue(text(CycleFields::stepsText(c.steps)));
    query.addBindValue(c.adopted ? 1 : 0);
    query.addBindValue(CycleRow::utcMs(c.started));
    query.addBindValue(CycleRow::offsetSeconds(c.started));
    query.addBindValue(nullable(c.finished.isValid(), CycleRow::utcMs(c.finished)));
    query.addBindValue(nullable(c.finished.isValid(), CycleRow::offsetSeconds(c.finished)));
    query.addBindValue(text(c.status));
    query.addBindValue(text(c.firmwareVersion));
    query.addBindValue(text(c.softwareVersion));
    query.addBindValue(c.sampleCount);
    query.addBindValue(text(c.logPath));
    query.addBindValue(text(c.logName));
    query.addBindValue(nullable(!c.logSha256.isEmpty(), c.logSha256));
    query.addBindValue(CycleFields::originText(c.origin));
    query.addBindValue(CycleRow::utcMs(c.enteredAt));
    query.addBindValue(CycleRow::offsetSeconds(c.enteredAt));
    query.addBindValue(c.chainSequence);
    query.addBindValue(text(c.previousHash));
    query.addBindValue(c.entryHash);
    query.addBindValue(c.hashScheme);
    if (!exec(query))
        return false;
    if (!query.next())
        return fail(tr("The new entry's ID was not returned."));
    c.id = query.value(0).toLongLong();
    query.finish();

    query.prepare(QStringLiteral("INSERT INTO cycle_samples (cycle_id, samples) VALUES (?, ?)"));
    query.addBindValue(c.id);
    query.addBindValue(SampleCodec::encode(c.samples));
    // The database moves the chain's head (see HeadKeeper).
    if (!exec(query) || (fillingOutbox && !addToOutbox("cycle_id", c.id)))
        return false;
    c.latestRelease.reset();
    QString error;
    if (!VerdictRow::insert(database(), c.id, *c.verdict, &error)
        || !ChainLedger::append(database(), ChainLedger::chainOf(c.controllerSerial), QStringLiteral("entry"), c.id,
                                c.entryHash, &error))
        return fail(error);

    event.at = c.enteredAt;
    event.controllerSerial = c.controllerSerial;
    event.cycleId = c.id;
    if (event.kind.isEmpty()) {
        event.kind = QStringLiteral("cycle entered");
        event.details = QString::fromUtf8(
            QJsonDocument(QJsonObject{{QStringLiteral("origin"), CycleFields::originText(c.origin)}})
                .toJson(QJsonDocument::Compact));
    }
    complete(event);
    return insertEvent(event);
}

void CycleRegister::complete(AuditEvent &event)
{
    if (!event.at.isValid())
        event.at = now();
    if (event.osUser.isEmpty())
        event.osUser = osUser();
    if (event.station.isEmpty())
        event.station = station();
    if (event.details.isEmpty())
        event.details = QStringLiteral("{}");
}

bool CycleRegister::appendEvent(AuditEvent &event)
{
    if (!ready())
        return false;
    complete(event);
    AuditEvent appended = event;
    if (!writeTransaction(
            [&] { return insertEvent(appended) && (!fillingOutbox || addToOutbox("event_id", appended.id)); }))
        return false;
    event = appended;
    return true;
}

bool CycleRegister::addToOutbox(const char *column, qint64 id)
{
    QSqlQuery query(database());
    query.prepare(QStringLiteral("INSERT INTO outbox (%1) VALUES (?)").arg(QLatin1String(column)));
    query.addBindValue(id);
    return exec(query);
}

std::optional<int> CycleRegister::appendEventsOnce(QVector<AuditEvent> &events)
{
    if (!ready())
        return std::nullopt;
    QVector<AuditEvent> appended = events;
    int count = 0;
    const bool ok = writeTransaction([&] {
        for (AuditEvent &event : appended) {
            const std::optional<qint64> found = sameEvent(event);
            if (!found)
                return false;
            if (*found != 0) {
                event.id = *found;
            } else {
                if (!insertEvent(event))
                    return false;
                ++count;
            }
        }
        return true;
    });
    if (!ok)
        return std::nullopt;
    events = appended;
    return count;
}

bool CycleRegister::enterRelease(Release &release)
{
    QVector<Release> one{release};
    if (!enterReleases(one))
        return false;
    release = one.constFirst();
    return true;
}

bool CycleRegister::enterReleases(QVector<Release> &releases)
{
    if (!ready())
        return false;
    const QDateTime at = now();
    // The releases as entered; the caller's copies change only when all are in.
    QVector<Release> entered = releases;
    for (Release &r : entered) {
        if (!r.at.isValid())
            r.at = at;
        if (r.osUser.isEmpty())
            r.osUser = osUser();
        if (r.station.isEmpty())
            r.station = station();
        // As it reads back, so that the hash is that of the stored value.
        r.at = CycleRow::time(CycleRow::utcMs(r.at), CycleRow::offsetSeconds(r.at));
    }
    const bool ok = writeTransaction([&] {
        if (!lockReleases(entered))
            return false;
        for (Release &r : entered) {
            if (!insertRelease(r) || (fillingOutbox && !addToOutbox("release_id", r.id)))
                return false;
        }
        return true;
    });
    if (ok)
        releases = entered;
    return ok;
}

// As lockChains() for the release histories of the cycles.
bool CycleRegister::lockReleases(const QVector<Release> &releases)
{
    if (dialect().releaseLock.isEmpty())
        return true;
    QVector<qint64> ids;
    for (const Release &r : releases)
        ids << r.cycleId;
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    QSqlQuery query(database());
    query.prepare(dialect().releaseLock);
    for (qint64 id : ids) {
        query.addBindValue(QString::number(id));
        if (!exec(query))
            return false;
    }
    return true;
}

bool CycleRegister::insertRelease(Release &r)
{
    QSqlQuery query(database());
    query.prepare(QStringLiteral("SELECT cycles.controller_serial, cycles.entry_hash, %1 FROM cycles"
                                 " LEFT JOIN verdicts ON verdicts.cycle_id = cycles.id WHERE cycles.id = ?")
                      .arg(VerdictRow::columns(QStringLiteral("verdicts"))));
    query.addBindValue(r.cycleId);
    if (!exec(query))
        return false;
    if (!query.next())
        return fail(tr("There is no entry %1.").arg(r.cycleId));
    const QString serial = query.value(0).toString();
    const QString entryHash = query.value(1).toString();
    const std::optional<CycleVerdict> verdict = VerdictRow::verdict(VerdictRow::read(query, 2));
    query.finish();
    const QString refused =
        ReleasePolicy::problem(r, verdict ? std::optional<CycleVerdict::Result>(verdict->result) : std::nullopt);
    if (!refused.isEmpty())
        return fail(refused);

    query.prepare(QStringLiteral("SELECT seq, release_hash FROM release_heads WHERE cycle_id = ?"));
    query.addBindValue(r.cycleId);
    if (!exec(query))
        return false;
    const bool first = !query.next();
    r.sequence = first ? 1 : query.value(0).toLongLong() + 1;
    r.previousHash = first ? QString() : query.value(1).toString();
    query.finish();
    r.hash = CycleHash::releaseHash(r, entryHash, verdict);
    QString error;
    // The database moves the release history's head (see HeadKeeper).
    if (!ReleaseRow::insert(database(), r, &error)
        || !ChainLedger::append(database(), ChainLedger::chainOf(serial), QStringLiteral("release"), r.id, r.hash,
                                &error))
        return fail(error);

    // Only what the release says, so that the event of a release moved into
    // another register is the same there and is carried once.
    AuditEvent event;
    event.at = r.at;
    event.osUser = r.osUser;
    event.station = r.station;
    event.kind = QStringLiteral("release");
    event.controllerSerial = serial;
    event.cycleId = r.cycleId;
    event.details = QString::fromUtf8(
        QJsonDocument(QJsonObject{{QStringLiteral("sequence"), r.sequence},
                                  {QStringLiteral("decision"), Release::keyword(r.decision)},
                                  {QStringLiteral("operator"), r.operatorName},
                                  {QStringLiteral("chemicalIndicator"), Release::keyword(r.chemicalIndicator)},
                                  {QStringLiteral("biologicalIndicator"), Release::keyword(r.biologicalIndicator)}})
            .toJson(QJsonDocument::Compact));
    return insertEvent(event);
}

std::optional<QVector<Release>> CycleRegister::releases(qint64 cycleId)
{
    return selectReleases(QStringLiteral("releases.cycle_id = ?"), {cycleId});
}

std::optional<QVector<Release>> CycleRegister::releasesById(const QVector<qint64> &ids)
{
    if (ids.isEmpty())
        return QVector<Release>();
    const auto [where, values] = inList(QStringLiteral("releases.id"), ids);
    return selectReleases(where, values);
}

// Each cycle's releases in the order of its history.
std::optional<QVector<Release>> CycleRegister::selectReleases(const QString &where, const QVariantList &values)
{
    if (!ready())
        return std::nullopt;
    QSqlQuery query(database());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT %1 FROM releases WHERE %2 ORDER BY releases.cycle_id, releases.seq")
                      .arg(ReleaseRow::columns(QStringLiteral("releases")), where));
    for (const QVariant &value : values)
        query.addBindValue(value);
    if (!exec(query))
        return std::nullopt;
    QVector<Release> result;
    while (query.next()) {
        Release r;
        ReleaseRow::read(query, 0, &r);
        result.append(r);
    }
    return result;
}

// The ID of an event with the same fields; 0 when there is none.
std::optional<qint64> CycleRegister::sameEvent(const AuditEvent &event)
{
    QSqlQuery query(database());
    // "= NULL" matches nothing; an event of no cycle is looked for as one.
    query.prepare(QStringLiteral("SELECT id FROM events WHERE %1 = ? AND %2")
                      .arg(EventRow::fields().join(QLatin1String(" = ? AND ")),
                           event.cycleId ? QStringLiteral("cycle_id = ?") : QStringLiteral("cycle_id IS NULL")));
    EventRow::bind(query, event);
    if (event.cycleId)
        query.addBindValue(event.cycleId);
    if (!exec(query))
        return std::nullopt;
    return query.next() ? query.value(0).toLongLong() : 0;
}

bool CycleRegister::insertEvent(AuditEvent &event)
{
    QString error;
    return EventRow::insert(database(), event, &error) || fail(error);
}

// Each cycle with its verdict and its newest release.
std::optional<QVector<Cycle>> CycleRegister::select(const QString &where, const QVariantList &values,
                                                   const QString &tail)
{
    if (!ready())
        return std::nullopt;
    QSqlQuery query(database());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT %1, %2, %3 FROM cycles"
                                 " LEFT JOIN verdicts ON verdicts.cycle_id = cycles.id"
                                 " LEFT JOIN releases newest ON newest.cycle_id = cycles.id"
                                 "  AND newest.seq = (SELECT MAX(seq) FROM releases WHERE releases.cycle_id = cycles.id)"
                                 " WHERE %4 %5")
                      .arg(CycleRow::columns(), VerdictRow::columns(QStringLiteral("verdicts")),
                           ReleaseRow::columns(QStringLiteral("newest")), where, tail));
    for (const QVariant &value : values)
        query.addBindValue(value);
    if (!exec(query))
        return std::nullopt;
    const int verdictColumn = CycleRow::columnCount();
    const int releaseColumn = verdictColumn + VerdictRow::columnCount();
    QVector<Cycle> result;
    while (query.next()) {
        Cycle cycle;
        CycleRow::read(query, &cycle);
        cycle.verdict = VerdictRow::verdict(VerdictRow::read(query, verdictColumn));
        if (ReleaseRow::present(query, releaseColumn)) {
            Release newest;
            ReleaseRow::read(query, releaseColumn, &newest);
            cycle.latestRelease = newest;
        }
        result.append(cycle);
    }
    return result;
}

std::optional<QVector<Cycle>> CycleRegister::cycles(const Filter &filter, int limit, const Cycle *after)
{
    if (!ready())
        return std::nullopt;
    QVariantList values;
    QString where = CycleQuery::where(filter, *sqlDialect, &values);
    if (after) {
        const qint64 started = CycleRow::utcMs(after->started);
        where += QLatin1String(" AND (cycles.started_utc < ? OR (cycles.started_utc = ? AND cycles.id < ?))");
        values << started << started << after->id;
    }
    values << rowLimit(limit);
    return select(where, values, QStringLiteral("ORDER BY cycles.started_utc DESC, cycles.id DESC LIMIT ?"));
}

std::optional<int> CycleRegister::count(const Filter &filter)
{
    if (!ready())
        return std::nullopt;
    QVariantList values;
    QSqlQuery query(database());
    query.prepare(QStringLiteral("SELECT COUNT(*) FROM cycles WHERE ") + CycleQuery::where(filter, *sqlDialect, &values));
    for (const QVariant &value : values)
        query.addBindValue(value);
    if (!exec(query) || !query.next())
        return std::nullopt;
    return query.value(0).toInt();
}

std::optional<Cycle> CycleRegister::cycle(qint64 id)
{
    const std::optional<QVector<Cycle>> found = select(QStringLiteral("cycles.id = ?"), {id}, {});
    if (!found)
        return std::nullopt;
    if (found->isEmpty()) {
        fail(tr("There is no entry %1.").arg(id));
        return std::nullopt;
    }
    Cycle result = found->constFirst();
    QSqlQuery query(database());
    query.prepare(QStringLiteral("SELECT samples FROM cycle_samples WHERE cycle_id = ?"));
    query.addBindValue(id);
    if (!exec(query))
        return std::nullopt;
    if (!query.next()) {
        fail(tr("The samples of entry %1 are missing.").arg(id));
        return std::nullopt;
    }
    QString error;
    const std::optional<QVector<CycleSample>> samples = SampleCodec::decode(query.value(0).toByteArray(), &error);
    if (!samples) {
        fail(tr("The samples of entry %1 are damaged: %2").arg(id).arg(error));
        return std::nullopt;
    }
    result.samples = *samples;
    return result;
}

std::optional<QVector<Cycle>> CycleRegister::findByLogSha256(const QString &sha256)
{
    return select(QStringLiteral("cycles.log_sha256 = ?"), {sha256.toLower()}, QStringLiteral("ORDER BY cycles.id"));
}

std::optional<QVector<Cycle>> CycleRegister::findByLogName(const QString &fileName)
{
    return select(QStringLiteral("cycles.log_name = ?"), {fileName}, QStringLiteral("ORDER BY cycles.id"));
}

std::optional<QVector<AuditEvent>> CycleRegister::events(qint64 cycleId, int limit, int offset)
{
    QStringList terms;
    QVariantList values;
    if (cycleId) {
        terms << QStringLiteral("cycle_id = ?");
        values << cycleId;
    }
    return selectEvents(terms, values, limit, offset);
}

std::optional<QVector<AuditEvent>> CycleRegister::eventsPage(qint64 cycleId, int limit, const AuditEvent *after,
                                                             const QDateTime &since)
{
    QStringList terms;
    QVariantList values;
    if (cycleId) {
        terms << QStringLiteral("cycle_id = ?");
        values << cycleId;
    }
    if (since.isValid()) {
        terms << QStringLiteral("at_utc >= ?");
        values << CycleRow::utcMs(since);
    }
    if (after) {
        const qint64 at = CycleRow::utcMs(after->at);
        terms << QStringLiteral("(at_utc < ? OR (at_utc = ? AND id < ?))");
        values << at << at << after->id;
    }
    return selectEvents(terms, values, limit, 0);
}

std::optional<QVector<AuditEvent>> CycleRegister::selectEvents(const QStringList &terms, const QVariantList &values,
                                                               int limit, int offset)
{
    if (!ready())
        return std::nullopt;
    QSqlQuery query(database());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT %1 FROM events %2 ORDER BY at_utc DESC, id DESC LIMIT ? OFFSET ?")
                      .arg(EventRow::columns(),
                           terms.isEmpty() ? QString() : QLatin1String("WHERE ") + terms.join(QLatin1String(" AND "))));
    for (const QVariant &value : values)
        query.addBindValue(value);
    query.addBindValue(rowLimit(limit));
    query.addBindValue(offset);
    if (!exec(query))
        return std::nullopt;
    QVector<AuditEvent> result;
    while (query.next())
        result.append(EventRow::read(query));
    return result;
}

std::optional<QVector<AuditEvent>> CycleRegister::eventsById(const QVector<qint64> &ids)
{
    if (ids.isEmpty())
        return QVector<AuditEvent>();
    const auto [where, values] = inList(QStringLiteral("id"), ids);
    std::optional<QVector<AuditEvent>> found = selectEvents({where}, values, -1, 0);
    if (!found)
        return std::nullopt;
    QHash<qint64, int> place;
    for (int i = 0; i < ids.size(); ++i)
        place.insert(ids[i], i);
    std::sort(found->begin(), found->end(),
              [&](const AuditEvent &a, const AuditEvent &b) { return place.value(a.id) < place.value(b.id); });
    return found;
}

std::optional<QStringList> CycleRegister::programNames()
{
    return distinct(QStringLiteral("program_name"));
}

std::optional<QStringList> CycleRegister::statuses()
{
    return distinct(QStringLiteral("status"));
}

std::optional<QStringList> CycleRegister::controllers()
{
    return distinct(QStringLiteral("controller_serial"));
}

std::optional<QStringList> CycleRegister::operators()
{
    return distinct(QStringLiteral("operator_name"), QStringLiteral("releases"));
}

// Each column has an index that begins with it, so this reads no entry.
std::optional<QStringList> CycleRegister::distinct(const QString &column, const QString &table)
{
    if (!ready())
        return std::nullopt;
    QSqlQuery query(database());
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT DISTINCT %1 FROM %2 ORDER BY %1").arg(column, table))) {
        fail(query.lastError().text());
        return std::nullopt;
    }
    QStringList result;
    while (query.next())
        result << query.value(0).toString();
    return result;
}

std::optional<QVector<CycleRegister::OutboxItem>> CycleRegister::outbox(int limit)
{
    if (!ready())
        return std::nullopt;
    QSqlQuery query(database());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT id, cycle_id, event_id, release_id, record_kind, record_id, record_key"
                                 " FROM outbox ORDER BY id LIMIT ?"));
    query.addBindValue(rowLimit(limit));
    if (!exec(query))
        return std::nullopt;
    QVector<OutboxItem> items;
    while (query.next()) {
        items.append({query.value(0).toLongLong(), query.value(1).toLongLong(), query.value(2).toLongLong(),
                      query.value(3).toLongLong(), query.value(4).toString(), query.value(5).toLongLong(),
                      query.value(6).toString()});
    }
    return items;
}

std::optional<int> CycleRegister::outboxSize()
{
    if (!ready())
        return std::nullopt;
    QSqlQuery query(database());
    if (!query.exec(QStringLiteral("SELECT COUNT(*) FROM outbox")) || !query.next()) {
        fail(query.lastError().text());
        return std::nullopt;
    }
    return query.value(0).toInt();
}

bool CycleRegister::removeFromOutbox(const QVector<OutboxItem> &items)
{
    if (!ready())
        return false;
    return writeTransaction([&] {
        QSqlQuery query(database());
        query.prepare(QStringLiteral("DELETE FROM outbox WHERE id = ?"));
        for (const OutboxItem &item : items) {
            query.addBindValue(item.id);
            if (!exec(query))
                return false;
        }
        return true;
    });
}
