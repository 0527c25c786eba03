#pragma once

#include "records/runlog.h"
#include "records/runrecordformat.h"
#include "register/cycle.h"
#include "register/cycleregister.h"
#include "register/cycleverifier.h"
#include "register/cyclerow.h"
#include "register/operatoraccounts.h"
#include "register/registerschema.h"
#include "register/releasesigning.h"
#include "register/sqldialect.h"

#include <QDateTime>
#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlError>
#include <QSqlQuery>
#include <QTimeZone>

#include <cmath>

// Cycles and run logs as the station makes them, for the register's tests
// and benchmarks.
namespace RegisterTestData {

// A run of a steam program: heating from 25 °C to 121 °C, holding, cooling;
// a sample about every 2 s (the polling's jitter included), temperatures in
// the controller's 0.1 °C steps with a little noise.
inline QVector<CycleSample> run(int minutes, quint32 seed, int intervalMs = 2000)
{
    QRandomGenerator random(seed);
    QVector<CycleSample> samples;
    const qint64 end = qint64(minutes) * 60000;
    for (qint64 t = 0; t < end; t += intervalMs + random.bounded(-40, 41)) {
        const double minute = t / 60000.0;
        const double curve = minute < 20 ? 25 + 96 * minute / 20 : minute < end / 60000.0 - 20 ? 121.0
                                                                  : 121 - 60 * (minute - (end / 60000.0 - 20)) / 20;
        const double noisy = curve + 0.1 * (random.bounded(3) - 1);
        samples.append({t, std::round(noisy * 10) / 10});
    }
    return samples;
}

inline Cycle cycle(const QString &serial, int number, const QDateTime &started, const QVector<CycleSample> &samples,
                   const QString &program = QStringLiteral("Program 1"))
{
    Cycle c;
    c.station = QStringLiteral("station-1");
    c.controllerSerial = serial;
    c.cycleNumber = number;
    c.programNumber = 1;
    c.programName = program;
    c.steps = {{1, 20, 121.0}, {2, 5, 60.0}};
    c.started = started;
    c.finished = started.addMSecs(samples.isEmpty() ? 0 : samples.last().elapsedMs + 1000);
    c.status = QStringLiteral("Successfully completed");
    c.firmwareVersion = QStringLiteral("2.1");
    c.softwareVersion = QStringLiteral("3.0.1");
    c.samples = samples;
    return c;
}

// A time with the UTC offset of this computer's time zone at that time.
inline QDateTime localTime(const QString &iso)
{
    const QDateTime local = QDateTime::fromString(iso, Qt::ISODate);
    return local.toOffsetFromUtc(local.offsetFromUtc());
}

// A cycle of a run this long, started at this local time; 70 minutes hold
// 121 °C for more than 20.
inline Cycle cycleAt(const QString &serial, int number, const QString &localIso, int minutes = 4,
                     const QString &program = QStringLiteral("Program 1"))
{
    return cycle(serial, number, localTime(localIso), run(minutes, quint32(number)), program);
}

// Enters the cycles (their IDs and hashes set); false if one was not entered.
inline bool enter(CycleRegister &store, QVector<Cycle> &cycles)
{
    bool entered = true;
    for (const CycleRegister::EnterResult &r : store.enter(cycles))
        entered = entered && r.outcome == CycleRegister::Outcome::Entered;
    return entered;
}

// Writes the file, its folder made first.
inline bool write(const QString &fileName, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(fileName).absolutePath());
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray read(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The log with the first digit of its last temperature changed.
inline QByteArray oneDigitChanged(QByteArray log)
{
    const int tab = log.lastIndexOf('\t', log.size() - 3); // before the last row's temperature
    char &digit = log.data()[tab + 1];
    digit = digit == '9' ? '8' : char(digit + 1);
    return log;
}

// A PDF's text as pdftotext gives it, its white space simplified.
inline QString pdfText(const QString &file)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {file, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput()).simplified();
}

// The barcodes of every page of a PDF as zbarimg reads them from the pages
// rendered by pdftoppm, page by page, each page's in the order found.
inline QStringList pdfBarcodes(const QString &file, const QString &folder)
{
    QProcess render;
    render.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("450"), QStringLiteral("-gray"),
                                               QStringLiteral("-png"), file, folder + QStringLiteral("/page")});
    render.waitForFinished(60000);
    QStringList codes;
    for (const QString &page : QDir(folder).entryList({QStringLiteral("page*.png")}, QDir::Files, QDir::Name)) {
        QProcess scan;
        scan.start(QStringLiteral("zbarimg"), {QStringLiteral("--raw"), QStringLiteral("-q"),
                                               QStringLiteral("-Sdisable"), QStringLiteral("-Scode128.enable"),
                                               QDir(folder).filePath(page)});
        scan.waitForFinished(60000);
        codes += QString::fromUtf8(scan.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QFile::remove(QDir(folder).filePath(page));
    }
    return codes;
}

// The run record the station would have written the cycle's log from.
inline CommunicationManager::Program logRecord(const Cycle &c)
{
    CommunicationManager::Program r;
    r.name = c.programName;
    r.firmwareVersion = c.firmwareVersion;
    r.softwareVersion = c.softwareVersion;
    r.serialNumber = c.controllerSerial;
    r.timeStarted = RunRecordFormat::timestampText(c.started.toLocalTime());
    r.timeFinished = RunRecordFormat::timestampText(c.finished.toLocalTime());
    r.cycleNumber = c.cycleNumber >= 0 ? QString::number(c.cycleNumber) : QString();
    r.status = c.status;
    for (const CycleSample &s : c.samples)
        r.dataPoints.insert(RunRecordFormat::elapsedKey(s.elapsedMs / 1000), RunRecordFormat::temperatureText(s.celsius));
    return r;
}

inline QByteArray log(const Cycle &c)
{
    return RunLog::content(logRecord(c));
}

// The migrations up to the version applied to a database without tables,
// as that version applied them; empty, or what failed.
inline QString migrateTo(const QSqlDatabase &db, int version)
{
    QSqlQuery query(db);
    QString error;
    if (!query.exec(QStringLiteral("CREATE TABLE schema_migrations (version INTEGER PRIMARY KEY,"
                                   " applied_utc BIGINT NOT NULL)")))
        return query.lastError().text();
    for (const RegisterSchema::Migration &m : RegisterSchema::migrations()) {
        if (m.version > version)
            continue;
        for (const QString &statement : m.statements) {
            if (!query.exec(SqlDialect::forDriver(db.driverName())->sql(statement)))
                return statement + QStringLiteral(": ") + query.lastError().text();
        }
        if (m.fill && !m.fill(db, {0.0, 3.0}, &error))
            return error;
        if (!query.exec(QStringLiteral("INSERT INTO schema_migrations VALUES (%1, 0)").arg(m.version)))
            return query.lastError().text();
    }
    return {};
}

// The supervisor "S. Chef" with the PIN of the hash and wrong PINs counted,
// as a version before account histories entered it; empty, or what failed.
inline QString earlierAccount(const QSqlDatabase &db, const QString &pinHash, int failedPins = 0)
{
    OperatorAccount chef;
    chef.name = QStringLiteral("S. Chef");
    chef.initials = QStringLiteral("SC");
    chef.role = OperatorAccount::Role::Supervisor;
    chef.changedAt = CycleRow::time(1700000000000, 3600);
    QSqlQuery query(db);
    query.prepare(QStringLiteral("INSERT INTO operators (name, initials, role, active, pin_hash, changed_utc,"
                                 " changed_offset, record_hash, failed_pins) VALUES (?, ?, 'supervisor', 1, ?,"
                                 " 1700000000000, 3600, ?, ?)"));
    for (const QVariant &value : QVariantList{chef.name, chef.initials, pinHash,
                                              OperatorAccounts::recordHash(chef, pinHash), failedPins})
        query.addBindValue(value);
    return query.exec() ? QString() : query.lastError().text();
}

// The register's first account, the supervisor "S. Chef" (PIN 470815), and
// the cycle's load released by it; empty, or what failed.
inline QString releasedBySupervisor(CycleRegister &store, qint64 cycleId)
{
    OperatorAccounts accounts(store);
    OperatorAccount chef;
    chef.name = QStringLiteral("S. Chef");
    chef.initials = QStringLiteral("SC");
    if (!accounts.add(chef, QStringLiteral("470815"), {}))
        return accounts.errorString();
    Release r;
    r.cycleId = cycleId;
    r.operatorName = chef.name;
    r.decision = Release::Decision::Released;
    r.comment = QStringLiteral("BI negative");
    QString error;
    return ReleaseSigning::enter(store, r, QStringLiteral("470815"), &error) ? QString()
                                                                            : QStringLiteral("refused: ") + error;
}

// A verification's problems as "Kind:entry ID", sorted.
inline QStringList problems(const CycleVerifier::Report &report)
{
    static const char *const kinds[] = {"EntryAltered",   "SamplesDamaged", "ChainBroken",
                                        "EntriesMissing", "LogMissing",     "LogAltered",
                                        "LogUnreadable",  "VerdictAltered", "ReleaseAltered",
                                        "ReleaseChainBroken", "ReleasesMissing", "EventAltered",
                                        "LinkBroken",     "RecordMissing",  "RecordAltered",
                                        "RecordUnlinked", "WitnessContradicted", "TimeStampInvalid"};
    QStringList result;
    for (const CycleVerifier::Problem &p : report.problems)
        result << QStringLiteral("%1:%2").arg(QLatin1String(kinds[p.kind])).arg(p.cycleId);
    result.sort();
    return result;
}

} // namespace RegisterTestData
