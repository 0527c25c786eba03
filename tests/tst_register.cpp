#include "app/stationsettings.h"
#include "register/chainledger.h"
#include "register/cyclefields.h"
#include "register/cyclehash.h"
#include "register/cycleimport.h"
#include "register/cycleregister.h"
#include "register/cycleverifier.h"
#include "register/registerreader.h"
#include "register/registerschema.h"
#include "register/releaserow.h"
#include "register/sqldialect.h"
#include "register/verdictrow.h"
#include "register/registertransfer.h"
#include "register/releasepolicy.h"
#include "register/sha256.h"
#include "tests/isolateduser.h"
#include "tests/registeredits.h"
#include "tests/registertestdata.h"

#include <QSignalSpy>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCodec>

#include <filesystem>
#include <fstream>
#include <memory>
#include <thread>

#include <unistd.h>

Q_DECLARE_METATYPE(CycleRegister::Filter)

using Problem = CycleVerifier::Problem;
using Result = CycleVerdict::Result;
using RegisterTestData::cycleAt;
using RegisterTestData::problems;
using RegisterTestData::write;

namespace {

// Migration 1 as the first station that had a register created it, with one
// entry. Later migrations must carry such a register along intact.
const char *const firstSchema[] = {
    "CREATE TABLE schema_migrations (version INTEGER PRIMARY KEY, applied_utc BIGINT NOT NULL)",
    "CREATE TABLE cycles ( id INTEGER PRIMARY KEY, station TEXT NOT NULL, controller_serial TEXT NOT NULL,"
    " cycle_number BIGINT, program_number INTEGER, program_name TEXT NOT NULL, steps TEXT NOT NULL,"
    " adopted INTEGER NOT NULL, started_utc BIGINT NOT NULL, started_offset INTEGER NOT NULL, finished_utc BIGINT,"
    " finished_offset INTEGER, status TEXT NOT NULL, firmware_version TEXT NOT NULL,"
    " software_version TEXT NOT NULL, sample_count INTEGER NOT NULL, log_path TEXT NOT NULL,"
    " log_name TEXT NOT NULL, log_sha256 TEXT,"
    " origin TEXT NOT NULL CHECK (origin IN ('recorded', 'recovered', 'imported')), entered_utc BIGINT NOT NULL,"
    " entered_offset INTEGER NOT NULL, chain_seq BIGINT NOT NULL, previous_hash TEXT NOT NULL,"
    " entry_hash TEXT NOT NULL)",
    "CREATE UNIQUE INDEX cycles_key ON cycles (controller_serial, cycle_number, started_utc)",
    "CREATE UNIQUE INDEX cycles_log_sha256 ON cycles (log_sha256) WHERE log_sha256 IS NOT NULL",
    "CREATE UNIQUE INDEX cycles_chain ON cycles (controller_serial, chain_seq)",
    "CREATE INDEX cycles_started ON cycles (started_utc, id)",
    "CREATE INDEX cycles_program ON cycles (program_name, started_utc)",
    "CREATE INDEX cycles_status ON cycles (status, started_utc)",
    "CREATE INDEX cycles_log_name ON cycles (log_name)",
    "CREATE TABLE cycle_samples ( cycle_id BIGINT PRIMARY KEY REFERENCES cycles (id), samples BLOB NOT NULL)",
    "CREATE TABLE chain_heads ( controller_serial TEXT PRIMARY KEY, chain_seq BIGINT NOT NULL,"
    " entry_hash TEXT NOT NULL)",
    "CREATE TABLE events ( id INTEGER PRIMARY KEY, at_utc BIGINT NOT NULL, at_offset INTEGER NOT NULL,"
    " os_user TEXT NOT NULL, station TEXT NOT NULL, kind TEXT NOT NULL, controller_serial TEXT NOT NULL,"
    " cycle_id BIGINT REFERENCES cycles (id), details TEXT NOT NULL)",
    "CREATE INDEX events_at ON events (at_utc, id)",
    "CREATE INDEX events_cycle ON events (cycle_id)",
    "INSERT INTO schema_migrations VALUES (1, 1709647631000)",
    "INSERT INTO cycles VALUES (1, 'station-1', 'RG-00042', 17, 1, 'Program 1', '20@121.0;5@60.0', 0,"
    " 1709644029042, 3600, 1709644034042, 3600, 'Successfully completed', '2.1', '3.0.1', 3, '', '', NULL,"
    " 'recorded', 1709647631000, 3600, 1, '', '@FIRST@')",
    // 0 ms 25.00 °C, 2000 ms 25.10 °C, 4000 ms 121.35 °C
    "INSERT INTO cycle_samples VALUES (1, X'0100030B008827A01F14A01FB29601')",
    "INSERT INTO chain_heads VALUES ('RG-00042', 1, '@FIRST@')",
    "INSERT INTO events VALUES (1, 1709647631000, 3600, 'nurse', 'station-1', 'cycle entered', 'RG-00042', 1,"
    " '{\"origin\":\"recorded\"}')",
};

int connections = 0;
const char firstHash[] = "b668dc9e929819590d6994dfa83573e1f51521d59027609c1603bb715673994d";

Release release(qint64 cycleId, const QString &operatorName,
                Release::Decision decision = Release::Decision::Released, const QString &comment = {})
{
    Release r;
    r.cycleId = cycleId;
    r.operatorName = operatorName;
    r.decision = decision;
    r.comment = comment;
    return r;
}

} // namespace

class TestRegister : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<CycleRegister> store;

    std::unique_ptr<CycleRegister> open(const QString &path)
    {
        auto r = std::make_unique<CycleRegister>(QStringLiteral("test-%1").arg(++connections));
        r->open(path);
        return r;
    }

    bool exec(const QString &statement)
    {
        QSqlQuery query(store->database());
        if (!query.exec(statement))
            qWarning("%s: %s", qPrintable(statement), qPrintable(query.lastError().text()));
        return query.isActive();
    }

    // The cycle with its log written to logs/<name>.txt.
    Cycle withLog(Cycle c, const QString &name)
    {
        c.logPath = dir->filePath(QStringLiteral("logs/%1.txt").arg(name));
        const QByteArray log = RegisterTestData::log(c);
        write(c.logPath, log);
        c.logSha256 = Sha256::hex(log);
        return c;
    }

private slots:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        store = open(dir->filePath(QStringLiteral("data/register.sqlite")));
        QVERIFY(store->isOpen());
    }
    void cleanup()
    {
        store.reset();
        // Also the names that Qt cannot list.
        std::filesystem::remove_all(QFile::encodeName(dir->path()).toStdString());
    }

    // What the Records tab and the tool filter by, page after page: each
    // page continues after the last cycle of the page before.
    void filtersAndPages_data()
    {
        using F = CycleRegister::Filter;
        QTest::addColumn<CycleRegister::Filter>("filter");
        QTest::addColumn<QStringList>("expected"); // newest first
        const QDateTime february = RegisterTestData::localTime("2024-02-01T00:00:00");
        QTest::newRow("all") << F() << QStringList{"B-3", "B-2", "A-2", "A-1"};
        QTest::newRow("period") << F{february, february.addMonths(1), {}, {}, {}, {}} << QStringList{"B-2", "A-2"};
        QTest::newRow("program") << F{{}, {}, "Test 50%_x", {}, {}, {}} << QStringList{"B-3"};
        QTest::newRow("status") << F{{}, {}, {}, "Cancelled by the user", {}, {}} << QStringList{"A-2"};
        QTest::newRow("controller") << F{{}, {}, {}, {}, "B", {}} << QStringList{"B-3", "B-2"};
        QTest::newRow("text: % and _ mean themselves") << F{{}, {}, {}, {}, {}, "50%_"} << QStringList{"B-3"};
        QTest::newRow("text: % is no wildcard") << F{{}, {}, {}, {}, {}, "t%x"} << QStringList();
        QTest::newRow("text: _ is no wildcard") << F{{}, {}, {}, {}, {}, "t_5"} << QStringList();
        QTest::newRow("text: cycle number") << F{{}, {}, {}, {}, {}, "3"} << QStringList{"B-3"};
        QTest::newRow("waiting for release") << F{{}, {}, {}, {}, {}, {}, true} << QStringList{"B-3", "B-2"};
        // What releases noted, of any release, not only the current one (the
        // Records tab's search for a lot, an operator or a comment takes this path).
        QTest::newRow("text: a load") << F{{}, {}, {}, {}, {}, "tray b"} << QStringList{"A-2"};
        QTest::newRow("text: % in a release is no wildcard") << F{{}, {}, {}, {}, {}, "lot%4711"} << QStringList();
        // By the current release only.
        QTest::newRow("released by, an earlier release's operator")
            << F{{}, {}, {}, {}, {}, {}, false, "C. Meier"} << QStringList();
        QTest::newRow("decision of the current release")
            << F{{}, {}, {}, {}, {}, {}, false, {}, Release::Decision::Quarantined} << QStringList();
        QTest::newRow("operator and decision together")
            << F{{}, {}, {}, {}, {}, "lot", false, "B. Huber", Release::Decision::Released} << QStringList{"A-2"};
    }
    void filtersAndPages()
    {
        QFETCH(CycleRegister::Filter, filter);
        QFETCH(QStringList, expected);
        QVector<Cycle> cycles{cycleAt("A", 1, "2024-01-10T09:00:00"), cycleAt("A", 2, "2024-02-10T09:00:00"),
                              cycleAt("B", 2, "2024-02-15T09:00:00"), cycleAt("B", 3, "2024-03-01T09:00:00", 4, "Test 50%_x")};
        cycles[1].status = QStringLiteral("Cancelled by the user");
        QVERIFY(RegisterTestData::enter(*store, cycles));
        Release decided = release(cycles[0].id, "A. Meier", Release::Decision::Rejected);
        QVERIFY2(store->enterRelease(decided), qPrintable(store->errorString()));
        // Quarantined until the biological indicator's result, then released.
        Release first = release(cycles[1].id, "C. Meier", Release::Decision::Quarantined, "BI to follow");
        first.lot = QStringLiteral("LOT-4711");
        first.load = QStringLiteral("Tray B, forceps");
        Release second = release(cycles[1].id, "B. Huber", Release::Decision::Released, "BI negative");
        second.lot = first.lot;
        QVERIFY2(store->enterRelease(first) && store->enterRelease(second), qPrintable(store->errorString()));
        QCOMPARE(store->operators(), std::optional(QStringList{"A. Meier", "B. Huber", "C. Meier"}));
        QCOMPARE(store->count(filter), expected.size());
        QStringList listed;
        std::optional<Cycle> last;
        for (;;) {
            const auto page = store->cycles(filter, 1, last ? &*last : nullptr);
            QVERIFY2(page, qPrintable(store->errorString()));
            if (page->isEmpty())
                break;
            last = page->first();
            listed << QStringLiteral("%1-%2").arg(last->controllerSerial).arg(last->cycleNumber);
        }
        QCOMPARE(listed, expected);
    }

    void importTakesLogsOnceAndNamesTheRest()
    {
        const QString folder = dir->filePath(QStringLiteral("import"));
        QDir(folder).mkpath(QStringLiteral("2024/03"));
        const auto put = [&](const QString &name, const QByteArray &bytes) {
            QVERIFY(write(folder + QLatin1Char('/') + name, bytes));
        };
        const Cycle a = cycleAt("RG-1", 1, "2024-03-01T08:00:00");
        Cycle beyond = cycleAt("RG-1", 2, "2024-03-02T08:00:00");
        beyond.samples = {{0, 25}, {2000, 25}, {36000000, 121}, {36002000, 121}, {400000000, 60}};
        Cycle latin1 = cycleAt("RG-1", 3, "2024-03-03T08:00:00", 4, QStringLiteral("Prüfung"));
        Cycle noSamples = cycleAt("RG-2", 1, "2024-03-04T08:00:00");
        noSamples.samples.clear();
        Cycle recorded = withLog(cycleAt("RG-2", 2, "2024-03-05T08:00:00"), "recorded");
        QCOMPARE(store->enter(recorded).outcome, CycleRegister::Outcome::Entered);

        put("a.txt", RegisterTestData::log(a));
        put("a copy under another name.log", RegisterTestData::log(a));
        put("2024/03/beyond 99 hours.txt", RegisterTestData::log(beyond));
        QTextCodec::setCodecForLocale(QTextCodec::codecForName("ISO-8859-1"));
        put("latin1.txt", RegisterTestData::log(latin1));
        QTextCodec::setCodecForLocale(nullptr);
        put("no samples.txt", RegisterTestData::log(noSamples));
        put("recorded by the station.txt", RegisterTestData::log(recorded));
        put("empty.txt", {});
        put("junk.bin", QByteArray("\x7F" "ELF\x02\x01\x01\0\0\0", 10));
        put("truncated.txt", RegisterTestData::log(a).left(120));
        put("header cut at a line end.txt", RegisterTestData::log(a).left(RegisterTestData::log(a).indexOf("Status")));
        // A name in Latin-1 bytes, which a UTF-8 system cannot decode: read
        // all the same (the same content as a.txt).
        std::ofstream(QByteArray(QFile::encodeName(folder) + "/Pr\xFC" "fung.txt").constData())
            << RegisterTestData::log(a).constData();
        QVERIFY(QFile::link(folder + "/nowhere", folder + "/dangling.txt"));
        QStringList unreadable{"dangling.txt=regular", "empty.txt=empty",
                               "junk.bin=no run log", "header cut at a line end.txt=header ends early", "truncated.txt=cut short"};
        if (geteuid() != 0) { // root reads any file
            put("locked.txt", RegisterTestData::log(a));
            QFile::setPermissions(folder + "/locked.txt", {});
            unreadable << "locked.txt=cannot be read";
        }
        unreadable.sort();

        for (int run = 0; run < 2; ++run) {
            const CycleImport::Result result = CycleImport::importFolder(*store, folder);
            QVERIFY2(result.error.isEmpty(), qPrintable(result.error));
            QCOMPARE(result.imported, run == 0 ? 4 : 0);
            QCOMPARE(result.alreadyPresent, run == 0 ? 3 : 7);
            QStringList reasons;
            for (const CycleImport::Unreadable &u : result.unreadable)
                reasons << QFileInfo(u.file).fileName() + "=" + u.reason;
            reasons.sort();
            QCOMPARE(reasons.size(), unreadable.size());
            for (int i = 0; i < reasons.size(); ++i)
                QVERIFY2(reasons[i].startsWith(unreadable[i].section('=', 0, 0) + "=")
                             && reasons[i].contains(unreadable[i].section('=', 1), Qt::CaseInsensitive),
                         qPrintable(reasons[i]));
        }
        const auto imported = store->cycles({{}, {}, "Prüfung"}, 10);
        QVERIFY(imported && imported->size() == 1);
        QCOMPARE(imported->first().origin, Cycle::Origin::Imported);
        QVERIFY(imported->first().steps.isEmpty());
        // The first of a.txt's two names in byte order, as it is on disk.
        const auto byName = store->findByLogName("Pr\u00FC" "fung.txt");
        QVERIFY(byName && byName->size() == 1);
        QCOMPARE(byName->first().logPath, folder + "/Pr\u00FC" "fung.txt");
        const auto longest = store->findByLogName("beyond 99 hours.txt");
        QCOMPARE(store->cycle(longest->first().id)->samples.last().elapsedMs, 400000000);
        QCOMPARE(store->events(0, 1)->first().kind, QString("import"));
        QVERIFY(CycleVerifier::verifyRegister(*store).intact());
    }

    // Controller A has entries 1 to 4, controller B entries 5 and 6, each
    // with its log in logs/<id>.txt.
    void verificationFindsEveryChange_data()
    {
        QTest::addColumn<QStringList>("changes"); // SQL, or "edit"/"delete" a log file by entry
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("nothing changed") << QStringList() << QStringList();
        const QStringList hashed{"station = 'other'", "cycle_number = 99", "program_number = 2",
                                 "program_name = 'X'", "steps = '20@134.0'", "adopted = 1",
                                 "started_utc = started_utc + 1", "started_offset = 4500", "finished_utc = NULL",
                                 "finished_offset = 7200", "status = 'Successfully completed.'",
                                 "firmware_version = '2.2'", "software_version = '3.0.2'", "origin = 'imported'",
                                 "entered_utc = entered_utc - 1000", "entered_offset = 4500"};
        for (const QString &set : hashed)
            QTest::newRow(qPrintable("edited: " + set)) << QStringList{"UPDATE cycles SET " + set + " WHERE id = 2"}
                                                      << QStringList{"EntryAltered:2"};
        QTest::newRow("edited: log path") << QStringList{"UPDATE cycles SET log_path = log_path || 'x' WHERE id = 2"}
                                          << QStringList{"EntryAltered:2", "LogMissing:2"};
        QTest::newRow("edited: log SHA-256")
            << QStringList{"UPDATE cycles SET log_sha256 = '" + QString(64, 'c') + "' WHERE id = 2"}
            << QStringList{"EntryAltered:2", "LogAltered:2"};
        QTest::newRow("edited: previous hash") << QStringList{"UPDATE cycles SET previous_hash = '' WHERE id = 2"}
                                               << QStringList{"ChainBroken:2", "EntryAltered:2"};
        QTest::newRow("edited: own hash") << QStringList{"UPDATE cycles SET entry_hash = previous_hash WHERE id = 2"}
                                          << QStringList{"ChainBroken:3", "EntryAltered:2", "RecordAltered:0"};
        QTest::newRow("edited: sample count") << QStringList{"UPDATE cycles SET sample_count = 3 WHERE id = 2"}
                                              << QStringList{"SamplesDamaged:2"};
        QTest::newRow("edited: samples")
            << QStringList{"UPDATE cycle_samples SET samples = (SELECT samples FROM cycle_samples WHERE cycle_id = 6)"
                           " WHERE cycle_id = 2"}
            << QStringList{"EntryAltered:2", "SamplesDamaged:2"};
        QTest::newRow("damaged: samples") << QStringList{"UPDATE cycle_samples SET samples = X'0102' WHERE cycle_id = 2"}
                                          << QStringList{"SamplesDamaged:2"};
        QTest::newRow("deleted: samples") << QStringList{"DELETE FROM cycle_samples WHERE cycle_id = 2"}
                                          << QStringList{"SamplesDamaged:2"};
        const auto remove = [](int id) {
            return QStringList{QStringLiteral("DELETE FROM events WHERE cycle_id = %1").arg(id),
                               QStringLiteral("DELETE FROM cycle_samples WHERE cycle_id = %1").arg(id),
                               QStringLiteral("DELETE FROM verdicts WHERE cycle_id = %1").arg(id),
                               QStringLiteral("DELETE FROM cycles WHERE id = %1").arg(id)};
        };
        // The entry's and its event's links name them still.
        const QStringList twoLinks{"RecordMissing:0", "RecordMissing:0"};
        QTest::newRow("deleted: an entry in the middle") << remove(2) << QStringList{"EntriesMissing:3"} + twoLinks;
        QTest::newRow("deleted: the newest entry") << remove(4) << QStringList{"EntriesMissing:3"} + twoLinks;
        QTest::newRow("deleted: a whole chain") << remove(5) + remove(6)
                                                << QStringList{"EntriesMissing:0"} + twoLinks + twoLinks;
        QTest::newRow("swapped order")
            << QStringList{"UPDATE cycles SET chain_seq = -2 WHERE id = 2", "UPDATE cycles SET chain_seq = 2 WHERE id = 3",
                           "UPDATE cycles SET chain_seq = 3 WHERE id = 2"}
            << QStringList{"ChainBroken:2", "ChainBroken:3", "ChainBroken:4", "EntryAltered:2", "EntryAltered:3"};
        QTest::newRow("moved to another controller")
            << QStringList{"UPDATE cycles SET controller_serial = 'C' WHERE id = 4"}
            << QStringList{"ChainBroken:4", "EntriesMissing:3", "EntriesMissing:4", "EntryAltered:4"};
        QTest::newRow("edited: log file") << QStringList{"edit 2"} << QStringList{"LogAltered:2"};
        QTest::newRow("deleted: log files") << QStringList{"delete 2", "delete 5"}
                                            << QStringList{"LogMissing:2", "LogMissing:5"};
    }
    void verificationFindsEveryChange()
    {
        QFETCH(QStringList, changes);
        QFETCH(QStringList, expected);
        QVector<Cycle> cycles;
        for (int i = 1; i <= 6; ++i)
            cycles << withLog(cycleAt(i <= 4 ? "A" : "B", i, QStringLiteral("2024-03-0%1T08:00:00").arg(i)),
                              QString::number(i));
        for (const CycleRegister::EnterResult &r : store->enter(cycles))
            QCOMPARE(r.outcome, CycleRegister::Outcome::Entered);
        for (const QString &change : changes) {
            const QString log = dir->filePath("logs/" + change.section(' ', 1) + ".txt");
            if (change.startsWith("edit")) {
                QVERIFY(write(log, RegisterTestData::oneDigitChanged(RegisterTestData::read(log))));
            } else if (change.startsWith("delete")) {
                QVERIFY(QFile::remove(log));
            } else {
                QVERIFY(exec(change));
            }
        }
        const CycleVerifier::Report report = CycleVerifier::verifyRegister(*store);
        QVERIFY2(report.error.isEmpty(), qPrintable(report.error));
        QVERIFY2(problems(report) == expected, qPrintable(problems(report).join(' ')));
        QCOMPARE(report.entries, 6 - int(changes.filter("DELETE FROM cycles").size()));
        for (const Problem &p : report.problems)
            QVERIFY2(p.cycleId == 0 || p.text.contains(QStringLiteral("entry %1 ").arg(p.cycleId)), qPrintable(p.text));
    }

    // Recorded and recovered cycles wait until they have a release; each
    // later release is appended to the history, which lists read the newest of.
    void releasesAreAppendedAndWaitingCountsDown()
    {
        StationSettings().setVerdictBand({0.5, 3.0});
        Cycle pass = cycleAt("A", 1, "2024-03-01T08:00:00", 70);
        Cycle fail = cycleAt("A", 2, "2024-03-02T08:00:00", 70);
        fail.samples.resize(fail.samples.size() / 2);
        Cycle recovered = cycleAt("B", 1, "2024-03-02T09:00:00", 70);
        recovered.origin = Cycle::Origin::Recovered;
        Cycle imported = cycleAt("B", 2, "2024-03-03T09:00:00", 70);
        imported.origin = Cycle::Origin::Imported;
        Cycle discarded = cycleAt("B", 3, "2024-03-04T09:00:00", 70);
        discarded.status = QString::fromUtf8(ReleasePolicy::discardedStatus);
        QVector<Cycle> cycles{pass, fail, recovered, imported, discarded};
        store->enter(cycles);
        StationSettings().remove("verdict");
        const auto waiting = [&] {
            QStringList listed;
            const std::optional<QVector<Cycle>> cycles = store->cycles({{}, {}, {}, {}, {}, {}, true}, 10);
            if (!cycles)
                qWarning("%s", qPrintable(store->errorString()));
            for (const Cycle &c : cycles.value_or(QVector<Cycle>()))
                listed << QStringLiteral("%1-%2").arg(c.controllerSerial).arg(c.cycleNumber);
            return listed;
        };
        QCOMPARE(waiting(), (QStringList{"B-1", "A-2", "A-1"}));
        QCOMPARE(store->count({{}, {}, {}, {}, {}, {}, true}), 3);

        // A FAIL cycle is released only with a comment; a refused batch enters nothing.
        QVector<Release> batch{release(cycles[0].id, "A. Meier"), release(cycles[1].id, "A. Meier")};
        QVERIFY(!store->enterReleases(batch));
        QVERIFY2(store->errorString().contains("FAIL"), qPrintable(store->errorString()));
        QCOMPARE(store->releases(cycles[0].id)->size(), 0);
        batch[1].comment = QStringLiteral("cycle repeated; load kept back");
        batch[1].decision = Release::Decision::Quarantined;
        QVERIFY2(store->enterReleases(batch), qPrintable(store->errorString()));
        QCOMPARE(waiting(), QStringList{"B-1"});

        // The biological indicator's result a day later is a new entry.
        Release later = release(cycles[0].id, "B. Huber");
        later.biologicalIndicator = Release::BiologicalIndicator::Negative;
        later.at = batch[0].at.addDays(1);
        QVERIFY(store->enterRelease(later));
        QCOMPARE(later.sequence, 2);
        QCOMPARE(later.previousHash, batch[0].hash);
        const std::optional<QVector<Release>> history = store->releases(cycles[0].id);
        QCOMPARE(history->size(), 2);
        QCOMPARE(history->at(0).operatorName, QString("A. Meier"));
        QCOMPARE(history->at(0).osUser, CycleRegister::osUser());
        QCOMPARE(history->at(1).biologicalIndicator, Release::BiologicalIndicator::Negative);
        QCOMPARE(history->at(1).at, later.at);
        QCOMPARE(history->at(1).hash, later.hash);
        QCOMPARE(store->cycle(cycles[0].id)->latestRelease->operatorName, QString("B. Huber"));
        QCOMPARE(store->events(cycles[0].id, 1)->first().kind, QString("release"));

        // Imported and discarded cycles wait for nothing but may be released.
        Release old = release(cycles[3].id, "A. Meier", Release::Decision::Released, "on paper in 2019");
        QVERIFY(store->enterRelease(old));
        Release last = release(cycles[2].id, "A. Meier");
        QVERIFY(store->enterRelease(last));
        QCOMPARE(store->count({{}, {}, {}, {}, {}, {}, true}), 0);
        Release none = release(999, "A. Meier");
        QVERIFY(!store->enterRelease(none));
        QVERIFY(store->errorString().contains("999"));
        const CycleVerifier::Report report = CycleVerifier::verifyRegister(*store);
        QVERIFY2(report.intact(), qPrintable(problems(report).join(' ')));
        QCOMPARE(report.releases, 5);
    }

    // Entry 1 (PASS, by a band of 0.5 K) has releases 1 and 2, entry 2
    // (FAIL) release 3, entry 3 (FAIL) none.
    void verificationFindsAlteredReleasesAndVerdicts_data()
    {
        QTest::addColumn<QStringList>("changes");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("nothing changed") << QStringList() << QStringList();
        for (const char *set : {"decision = 'rejected'", "operator_name = 'X'", "comment = 'x'", "lot = 'L2'",
                                "biological_indicator = 'positive'", "at_utc = at_utc + 1", "os_user = 'x'"})
            QTest::newRow(qPrintable(QStringLiteral("release edited: %1").arg(set)))
                << QStringList{QStringLiteral("UPDATE releases SET %1 WHERE id = 3").arg(set)}
                << QStringList{"ReleaseAltered:2"};
        QTest::newRow("newest release deleted") << QStringList{"DELETE FROM releases WHERE id = 2"}
                                                << QStringList{"RecordMissing:0", "ReleasesMissing:1"};
        QTest::newRow("first release deleted") << QStringList{"DELETE FROM releases WHERE id = 1"}
                                               << QStringList{"RecordMissing:0", "ReleasesMissing:1"};
        QTest::newRow("every release of a cycle deleted")
            << QStringList{"DELETE FROM releases WHERE cycle_id = 1"}
            << QStringList{"RecordMissing:0", "RecordMissing:0", "ReleasesMissing:1"};
        QTest::newRow("releases reordered")
            << QStringList{"UPDATE releases SET seq = -1 WHERE id = 1", "UPDATE releases SET seq = 1 WHERE id = 2",
                           "UPDATE releases SET seq = 2 WHERE id = 1"}
            << QStringList{"ReleaseAltered:1", "ReleaseAltered:1", "ReleaseChainBroken:1", "ReleaseChainBroken:1",
                           "ReleaseChainBroken:1"};
        QTest::newRow("release moved to another cycle") << QStringList{"UPDATE releases SET cycle_id = 3 WHERE id = 3"}
                                                        << QStringList{"ReleaseAltered:3", "ReleaseChainBroken:3",
                                                                       "ReleasesMissing:2"};
        QTest::newRow("release head deleted") << QStringList{"DELETE FROM release_heads WHERE cycle_id = 2"}
                                              << QStringList{"ReleaseChainBroken:2"};
        // The entry's hash covers its verdict; a released cycle's is
        // covered by its releases' hashes too.
        QTest::newRow("verdict of a released cycle turned into PASS")
            << QStringList{"UPDATE verdicts SET result = 'pass' WHERE cycle_id = 2"}
            << QStringList{"EntryAltered:2", "ReleaseAltered:2"};
        QTest::newRow("verdict turned into PASS") << QStringList{"UPDATE verdicts SET result = 'pass' WHERE cycle_id = 3"}
                                                  << QStringList{"EntryAltered:3"};
        QTest::newRow("verdict's reason edited")
            << QStringList{"UPDATE verdicts SET reason = 'held 121 °C' WHERE cycle_id = 3"}
            << QStringList{"EntryAltered:3"};
        QTest::newRow("verdict's figure edited")
            << QStringList{"UPDATE verdicts SET lowest_centidegrees = 12100 WHERE cycle_id = 3"}
            << QStringList{"EntryAltered:3"};
        QTest::newRow("band widened") << QStringList{"UPDATE verdicts SET lower_tolerance_centikelvin = 50 WHERE cycle_id = 3"}
                                      << QStringList{"EntryAltered:3"};
        QTest::newRow("band of a released cycle narrowed")
            << QStringList{"UPDATE verdicts SET lower_tolerance_centikelvin = 40 WHERE cycle_id = 1"}
            << QStringList{"EntryAltered:1", "ReleaseAltered:1", "ReleaseAltered:1"};
        QTest::newRow("verdict deleted") << QStringList{"DELETE FROM verdicts WHERE cycle_id = 3"}
                                         << QStringList{"EntryAltered:3"};
    }
    void verificationFindsAlteredReleasesAndVerdicts()
    {
        QFETCH(QStringList, changes);
        QFETCH(QStringList, expected);
        store->setVerdictBand({0.5, 3.0});
        Cycle pass = cycleAt("A", 1, "2024-03-01T08:00:00", 70);
        QCOMPARE(store->enter(pass).outcome, CycleRegister::Outcome::Entered);
        store->setVerdictBand({0.0, 3.0});
        QVector<Cycle> failed{cycleAt("A", 2, "2024-03-02T08:00:00", 70), cycleAt("A", 3, "2024-03-03T08:00:00", 70)};
        store->enter(failed);
        QCOMPARE(failed[1].verdict->result, Result::Fail);
        QVector<Release> releases{release(1, "A. Meier"), release(1, "B. Huber"),
                                  release(2, "A. Meier", Release::Decision::Released, "repeated")};
        QVERIFY2(store->enterReleases(releases), qPrintable(store->errorString()));
        QCOMPARE(releases[2].id, 3);
        for (const QString &change : changes)
            QVERIFY(exec(change));
        const CycleVerifier::Report report = CycleVerifier::verifyRegister(*store);
        QVERIFY2(report.error.isEmpty(), qPrintable(report.error));
        QVERIFY2(problems(report) == expected, qPrintable(problems(report).join(' ')));
        for (const Problem &p : report.problems)
            QVERIFY2(p.cycleId == 0 || p.text.contains(QStringLiteral("entry %1").arg(p.cycleId)), qPrintable(p.text));
    }

    // Moving a register carries each release once, to the history of the
    // cycle's new entry, and the releases' events with them once.
    void transferCarriesReleasesOnce()
    {
        QVector<Cycle> cycles{cycleAt("A", 1, "2024-03-01T08:00:00", 70), cycleAt("A", 2, "2024-03-02T08:00:00", 70)};
        store->setVerdictBand({0.5, 3.0});
        store->enter(cycles);
        QVector<Release> releases{release(cycles[0].id, "A. Meier", Release::Decision::Quarantined),
                                  release(cycles[0].id, "B. Huber"), release(cycles[1].id, "A. Meier")};
        releases[2].load = QStringLiteral("Tray 3");
        QVERIFY(store->enterReleases(releases));

        std::unique_ptr<CycleRegister> target = open(dir->filePath("target.sqlite"));
        Cycle before = cycleAt("A", 0, "2024-02-28T08:00:00", 70);
        QCOMPARE(target->enter(before).outcome, CycleRegister::Outcome::Entered);
        for (int run = 0; run < 2; ++run) {
            const RegisterTransfer::Result result = RegisterTransfer::transfer(*store, *target);
            QVERIFY2(result.error.isEmpty() && result.refused.isEmpty(), qPrintable(result.error));
            QCOMPARE(result.releases, run == 0 ? 3 : 0);
            QCOMPARE(result.releasesPresent, run == 0 ? 0 : 3);
        }
        // The moved entries follow the target's own: IDs 2 and 3.
        const QVector<Release> history = *target->releases(cycles[0].id + 1);
        QCOMPARE(history.size(), 2);
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(history[i].at, releases[i].at);
            QCOMPARE(history[i].decision, releases[i].decision);
            QCOMPARE(history[i].sequence, i + 1);
        }
        QCOMPARE(target->releases(cycles[1].id + 1)->constFirst().load, QString("Tray 3"));
        QCOMPARE(target->cycle(cycles[0].id + 1)->verdict->band.lowerTolerance, 0.5);
        QSqlQuery query(target->database());
        QVERIFY(query.exec("SELECT COUNT(*) FROM events WHERE kind = 'release'") && query.next());
        QCOMPARE(query.value(0).toInt(), 3);
        const CycleVerifier::Report report = CycleVerifier::verifyRegister(*target);
        QVERIFY2(report.intact(), qPrintable(problems(report).join(' ')));
        QCOMPARE(report.releases, 3);
    }

    // The register of the first version at path, with the statements after.
    static bool createFirstSchema(const QString &path, const QStringList &after = {})
    {
        bool ok = true;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "first");
            db.setDatabaseName(path);
            ok = db.open();
            QSqlQuery query(db);
            QStringList statements;
            for (const char *statement : firstSchema)
                statements << QString::fromUtf8(statement).replace("@FIRST@", firstHash);
            for (const QString &statement : statements + after) {
                if (ok && !query.exec(statement)) {
                    qWarning() << statement << query.lastError().text();
                    ok = false;
                }
            }
        }
        QSqlDatabase::removeDatabase("first");
        return ok;
    }

    // The migrations up to version 4, the version before the ledger, as
    // that version applied them.
    static void migrateToVersion4(const QSqlDatabase &db)
    {
        QSqlQuery query(db);
        QString error;
        for (const RegisterSchema::Migration &m : RegisterSchema::migrations()) {
            if (m.version == 1 || m.version > 4)
                continue;
            for (const QString &statement : m.statements)
                QVERIFY2(query.exec(SqlDialect::forDriver("QSQLITE")->sql(statement)), qPrintable(statement));
            QVERIFY2(!m.fill || m.fill(db, {0.0, 3.0}, &error), qPrintable(error));
            QVERIFY(query.exec(QStringLiteral("INSERT INTO schema_migrations VALUES (%1, 0)").arg(m.version)));
        }
    }

    // Adopted runs judged before they had a reason of their own (steps
    // unknown, or known): the upgrade gives them theirs before the ledger
    // covers them, so that the register still verifies.
    void adoptedRunsGetTheirReasonByMigration_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("reasonBefore");
        QTest::newRow("steps unknown") << "" << "the program's steps are unknown";
        QTest::newRow("steps known") << "20@121.0;5@60.0" << "the recording began after the program had started";
    }
    void adoptedRunsGetTheirReasonByMigration()
    {
        QFETCH(QString, steps);
        QFETCH(QString, reasonBefore);
        // The first version's entry, adopted, with its hash of then.
        Cycle adopted = RegisterTestData::cycle(QStringLiteral("RG-00042"), 17,
                                                QDateTime::fromMSecsSinceEpoch(1709644029042, Qt::OffsetFromUTC, 3600),
                                                {{0, 25.0}, {2000, 25.1}, {4000, 121.35}});
        adopted.station = "station-1";
        adopted.programNumber = 1;
        adopted.programName = "Program 1";
        adopted.steps = *CycleFields::steps(steps);
        adopted.adopted = true;
        adopted.finished = QDateTime::fromMSecsSinceEpoch(1709644034042, Qt::OffsetFromUTC, 3600);
        adopted.status = "Successfully completed";
        adopted.firmwareVersion = "2.1";
        adopted.softwareVersion = "3.0.1";
        adopted.origin = Cycle::Origin::Recorded;
        adopted.logPath.clear();
        adopted.logSha256.clear();
        adopted.enteredAt = QDateTime::fromMSecsSinceEpoch(1709647631000, Qt::OffsetFromUTC, 3600);
        adopted.chainSequence = 1;
        adopted.previousHash.clear();
        adopted.hashScheme = 1;
        const QString hash = CycleHash::entryHash(adopted);
        const QString path = dir->filePath("adopted.sqlite");
        QVERIFY(createFirstSchema(path, {QStringLiteral("UPDATE cycles SET adopted = 1, steps = '%1', entry_hash = '%2'")
                                             .arg(steps, hash),
                                         QStringLiteral("UPDATE chain_heads SET entry_hash = '%1'").arg(hash)}));
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "adopted");
            db.setDatabaseName(path);
            QVERIFY(db.open());
            migrateToVersion4(db);
            QSqlQuery query(db);
            QVERIFY(query.exec("UPDATE verdicts SET reason = '" + QString(reasonBefore).replace("'", "''") + "'"));
        }
        QSqlDatabase::removeDatabase("adopted");
        std::unique_ptr<CycleRegister> migrated = open(path);
        QVERIFY2(migrated->isOpen(), qPrintable(migrated->errorString()));
        const CycleVerifier::Report report = CycleVerifier::verifyRegister(*migrated);
        QVERIFY2(report.intact(), qPrintable(problems(report).join(' ')));
        QCOMPARE(migrated->cycle(1)->verdict->reason, QString("recording began after the start"));
    }

    void firstSchemaIsCarriedAlong()
    {
        const QString path = dir->filePath("first.sqlite");
        QVERIFY(createFirstSchema(path));

        // The entries found get verdicts judged by the band of the settings then.
        StationSettings().setVerdictBand({0.5, 2.0});
        std::unique_ptr<CycleRegister> migrated = open(path);
        StationSettings().remove("verdict");
        QVERIFY2(migrated->isOpen(), qPrintable(migrated->errorString()));
        QSqlQuery versions(migrated->database());
        QVERIFY(versions.exec("SELECT MAX(version) FROM schema_migrations") && versions.next());
        QCOMPARE(versions.value(0).toInt(), RegisterSchema::currentVersion());
        const std::optional<Cycle> first = migrated->cycle(1);
        QVERIFY2(first, qPrintable(migrated->errorString()));
        QCOMPARE(first->samples, (QVector<CycleSample>{{0, 25.0}, {2000, 25.1}, {4000, 121.35}}));
        QCOMPARE(first->started, QDateTime::fromString("2024-03-05T14:07:09.042+01:00", Qt::ISODateWithMs));
        QCOMPARE(first->steps, (QList<CommunicationManager::ProgramStep>{{1, 20, 121.0}, {2, 5, 60.0}}));
        QCOMPARE(migrated->events(1)->first().osUser, QString("nurse"));
        QVERIFY(first->verdict);
        QCOMPARE(first->verdict->result, Result::Fail);
        QCOMPARE(first->verdict->band.lowerTolerance, 0.5);
        QCOMPARE(first->verdict->band.upperBand, 2.0);
        QCOMPARE(first->verdict->reason, CycleVerdict::evaluate(*first, {0.5, 2.0}).reason);
        QVERIFY(ReleasePolicy::waits(*first));
        Release r = release(1, "A. Meier", Release::Decision::Rejected);
        QVERIFY2(migrated->enterRelease(r), qPrintable(migrated->errorString()));
        // The releases' table, made before recalls, takes them now.
        Release recalled = release(1, "A. Meier", Release::Decision::Recalled);
        QVERIFY2(migrated->enterRelease(recalled), qPrintable(migrated->errorString()));
        QSqlQuery wrong(migrated->database());
        QVERIFY(!wrong.exec("UPDATE releases SET decision = 'withdrawn'"));
        const CycleVerifier::Report report = CycleVerifier::verifyRegister(*migrated);
        QVERIFY2(report.intact(), qPrintable(report.problems.value(0).text));

        Cycle next = cycleAt("RG-00042", 18, "2024-03-06T08:00:00");
        QCOMPARE(migrated->enter(next).outcome, CycleRegister::Outcome::Entered);
        QCOMPARE(next.previousHash, QString(firstHash));
        QVERIFY(CycleVerifier::verifyRegister(*migrated).intact());
    }

    // A register of the version before the ledger: the first version's
    // entry, brought to version 4 as that version did, with a release and
    // its event. After the upgrade it verifies intact, its entry under
    // scheme 1, and from then on its log name and verdict are covered too.
    void previousVersionIsCoveredFromTheUpgrade_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("expected");
        QTest::newRow("nothing") << "" << "";
        QTest::newRow("log name") << "UPDATE cycles SET log_name = 'x.txt'" << "RecordAltered:0";
        QTest::newRow("band widened") << "UPDATE verdicts SET lower_tolerance_centikelvin = 5000" << "RecordAltered:0";
        QTest::newRow("release's event") << "UPDATE events SET os_user = 'x' WHERE kind = 'release'"
                                         << "EventAltered:0";
    }
    void previousVersionIsCoveredFromTheUpgrade()
    {
        QFETCH(QString, change);
        QFETCH(QString, expected);
        const QString path = dir->filePath("previous.sqlite");
        QVERIFY(createFirstSchema(path));
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "previous");
            db.setDatabaseName(path);
            QVERIFY(db.open());
            migrateToVersion4(db);
            QSqlQuery query(db);
            QString error;
            QVERIFY(query.exec(QStringLiteral("SELECT %1 FROM verdicts WHERE cycle_id = 1")
                                   .arg(VerdictRow::columns("verdicts")))
                    && query.next());
            const std::optional<CycleVerdict> verdict = VerdictRow::verdict(VerdictRow::read(query, 0));
            query.finish();
            Release r = release(1, "A. Meier", Release::Decision::Rejected);
            r.sequence = 1;
            r.at = QDateTime::fromString("2024-03-05T15:00:00.000+01:00", Qt::ISODateWithMs);
            r.osUser = "nurse";
            r.station = "station-1";
            r.previousHash = "";
            r.hash = CycleHash::releaseHash(r, firstHash, verdict);
            QVERIFY2(ReleaseRow::insert(db, r, &error), qPrintable(error));
            QVERIFY(query.exec(QStringLiteral("INSERT INTO release_heads VALUES (1, 1, '%1')").arg(r.hash)));
            QVERIFY(query.exec("INSERT INTO events (at_utc, at_offset, os_user, station, kind, controller_serial,"
                               " cycle_id, details) VALUES (1709647200000, 3600, 'nurse', 'station-1', 'release',"
                               " 'RG-00042', 1, '{}')"));
        }
        QSqlDatabase::removeDatabase("previous");

        std::unique_ptr<CycleRegister> upgraded = open(path);
        QVERIFY2(upgraded->isOpen(), qPrintable(upgraded->errorString()));
        CycleVerifier::Report report = CycleVerifier::verifyRegister(*upgraded);
        QVERIFY2(report.intact(), qPrintable(problems(report).join(' ')));
        QCOMPARE(report.entriesByScheme, (QMap<int, int>{{1, 1}}));
        QCOMPARE(report.links, 4);
        QCOMPARE(report.releases, 1);

        QSqlQuery query(upgraded->database());
        QVERIFY(change.isEmpty() || query.exec(change));
        Cycle next = cycleAt("RG-00042", 18, "2024-03-06T08:00:00");
        QCOMPARE(upgraded->enter(next).outcome, CycleRegister::Outcome::Entered);
        QCOMPARE(next.previousHash, QString(firstHash));
        report = CycleVerifier::verifyRegister(*upgraded);
        QCOMPARE(report.entriesByScheme, (QMap<int, int>{{1, 1}, {2, 1}}));
        QVERIFY2(expected.isEmpty() ? report.intact() : problems(report).contains(expected),
                 qPrintable(problems(report).join(' ')));
    }

    // A station's register whose outbox waits for the server keeps what
    // waits, in its order, when the outbox is made to send releases too.
    void waitingOutboxIsCarriedAlong()
    {
        const QString path = dir->filePath("outbox.sqlite");
        QVERIFY(createFirstSchema(path, {"CREATE TABLE outbox (id INTEGER PRIMARY KEY,"
                                         " cycle_id BIGINT UNIQUE REFERENCES cycles (id),"
                                         " event_id BIGINT UNIQUE REFERENCES events (id),"
                                         " CHECK ((cycle_id IS NULL) <> (event_id IS NULL)))",
                                         "INSERT INTO outbox VALUES (4, NULL, 1)", "INSERT INTO outbox VALUES (7, 1, NULL)",
                                         "INSERT INTO schema_migrations VALUES (3, 1709647632000)"}));
        std::unique_ptr<CycleRegister> migrated = open(path);
        QVERIFY2(migrated->isOpen(), qPrintable(migrated->errorString()));
        migrated->setFillingOutbox(true);
        Release r = release(1, "A. Meier", Release::Decision::Rejected);
        QVERIFY2(migrated->enterRelease(r), qPrintable(migrated->errorString()));
        const std::optional<QVector<CycleRegister::OutboxItem>> waiting = migrated->outbox(10);
        QVERIFY(waiting);
        QCOMPARE(waiting->size(), 3);
        QCOMPARE(waiting->at(0).eventId, qint64(1));
        QCOMPARE(waiting->at(1).cycleId, qint64(1));
        QCOMPARE(waiting->at(2).releaseId, r.id);
    }

    // A release is entered into the cycle it was made for only: the
    // register read may have changed (the server came back) since the
    // cycle was shown, and the same ID names another cycle there.
    void releaseGoesOnlyToTheCycleShown()
    {
        const QString path = dir->filePath("shown.sqlite");
        Cycle shown = cycleAt("A", 1, "2024-03-01T08:00:00", 70);
        QCOMPARE(open(path)->enter(shown).outcome, CycleRegister::Outcome::Entered);
        RegisterReader reader(path);
        QSignalSpy stored(&reader, &RegisterReader::releaseStored);
        for (const QString &hash : {QString(64, 'a'), shown.entryHash}) {
            reader.submitRelease(release(shown.id, "A. Meier", Release::Decision::Quarantined), hash);
            QVERIFY(stored.wait(10000));
        }
        QVERIFY2(stored[0][2].toString().endsWith("choose the cycle again."), qPrintable(stored[0][2].toString()));
        QCOMPARE(stored[1][2].toString(), QString());
        QCOMPARE(open(path)->releases(shown.id)->size(), 1);
    }

    // A register of a newer version is left alone; the one not opened
    // answers every call with a failure.
    void refusesANewerRegister()
    {
        const QString path = dir->filePath("other.sqlite");
        QVERIFY(exec("ATTACH DATABASE '" + path + "' AS other")
                && exec("CREATE TABLE other.schema_migrations (version INTEGER, applied_utc BIGINT)")
                && exec("INSERT INTO other.schema_migrations VALUES (99, 0)") && exec("DETACH DATABASE other"));
        std::unique_ptr<CycleRegister> other = open(path);
        QVERIFY(!other->isOpen());
        QVERIFY2(other->errorString().contains("newer", Qt::CaseInsensitive), qPrintable(other->errorString()));
        Cycle c = cycleAt("A", 1, "2024-03-01T08:00:00");
        QCOMPARE(other->enter(c).outcome, CycleRegister::Outcome::Failed);
        QVERIFY(!other->cycles({}, 10) && !other->count({}) && !other->events());
    }

    // The edits of RegisterEdits, on a register file.
    void everyEditIsCaught_data() { RegisterEdits::addRows(); }
    void everyEditIsCaught() { RegisterEdits::check(*store); }

    // Two stations' threads, each with its own connection, extend one chain.
    void concurrentWritersKeepTheChain()
    {
        const QString path = dir->filePath("data/register.sqlite");
        const auto writer = [&](int first, bool *ok) {
            CycleRegister own(QStringLiteral("writer-%1").arg(first));
            *ok = own.open(path);
            for (int n = first; *ok && n < first + 15; ++n) {
                Cycle c = cycleAt("A", n, "2024-03-01T08:00:00");
                *ok = own.enter(c).outcome == CycleRegister::Outcome::Entered;
            }
        };
        bool ok1 = false;
        bool ok2 = false;
        std::thread one(writer, 100, &ok1);
        std::thread two(writer, 200, &ok2);
        one.join();
        two.join();
        QVERIFY(ok1 && ok2);
        QCOMPARE(store->count({}), 30);
        const CycleVerifier::Report report = CycleVerifier::verifyRegister(*store);
        QVERIFY2(report.intact(), qPrintable(problems(report).join(' ')));
        QCOMPARE(report.chains, 1);
    }
};

int main(int argc, char *argv[])
{
    IsolatedUser user; // the settings the register takes its verdicts' band from
    QCoreApplication app(argc, argv);
    TestRegister test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_register.moc"
