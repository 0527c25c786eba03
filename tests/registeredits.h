#pragma once

#include "register/chainledger.h"
#include "register/cyclehash.h"
#include "register/cycleregister.h"
#include "register/cycleverifier.h"
#include "register/packstore.h"
#include "register/packuses.h"
#include "tests/registertestdata.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

#include <tuple>

// The edits that someone who can write the register makes, each one
// reported by verify: one table for a register file and for a server's
// register (made there as the owner).
namespace RegisterEdits {

inline bool exec(CycleRegister &store, const QString &statement)
{
    QSqlQuery query(store.database());
    if (!query.exec(statement))
        qWarning("%s: %s", qPrintable(statement), qPrintable(query.lastError().text()));
    return query.isActive();
}

inline Release release(qint64 cycleId, const QString &operatorName, Release::Decision decision)
{
    Release r;
    r.cycleId = cycleId;
    r.operatorName = operatorName;
    r.decision = decision;
    return r;
}

// Rewrites the controller's chain of entries from its first on with
// the hashes of what the entries hold now, and the whole ledger.
inline bool recomputeHistory(CycleRegister &store, const QString &serial)
{
    QSqlQuery ids(store.database());
    if (!ids.exec(QStringLiteral("SELECT id FROM cycles WHERE controller_serial = '%1' ORDER BY chain_seq").arg(serial)))
        return false;
    QVector<qint64> chain;
    while (ids.next())
        chain << ids.value(0).toLongLong();
    QString previous = QStringLiteral("");
    for (qint64 id : chain) {
        std::optional<Cycle> c = store.cycle(id);
        if (!c)
            return false;
        c->previousHash = previous;
        previous = CycleHash::entryHash(*c);
        if (!exec(store, QStringLiteral("UPDATE cycles SET previous_hash = '%1', entry_hash = '%2' WHERE id = %3")
                      .arg(c->previousHash, previous)
                      .arg(id)))
            return false;
    }
    // The chain's links again, in their order, with the new hashes.
    QSqlQuery links(store.database());
    if (!links.exec(QStringLiteral("SELECT kind, record_id, COALESCE(entry_hash, record_hash) FROM ledger"
                                   " LEFT JOIN cycles ON kind = 'entry' AND cycles.id = record_id"
                                   " WHERE chain = '%1' ORDER BY seq")
                        .arg(serial)))
        return false;
    QVector<std::tuple<QString, qint64, QString>> relinked;
    while (links.next())
        relinked.append({links.value(0).toString(), links.value(1).toLongLong(), links.value(2).toString()});
    links.finish();
    if (!exec(store, QStringLiteral("UPDATE chain_heads SET entry_hash = '%1' WHERE controller_serial = '%2'")
                  .arg(previous, serial))
        || !exec(store, QStringLiteral("DELETE FROM ledger WHERE chain = '%1'").arg(serial))
        || !exec(store, QStringLiteral("DELETE FROM ledger_heads WHERE chain = '%1'").arg(serial)))
        return false;
    QString error;
    for (const auto &[kind, id, hash] : relinked) {
        if (!ChainLedger::append(store.database(), serial, kind, id, hash, &error))
            return false;
    }
    return true;
}

// Controller A: entries 1 (PASS, released, then rejected with the BI
// positive) and 2 (FAIL), a program write, then entry 3; controller B:
// entries 4 and 5; a setting changed on no controller; controller C: entry
// 6, released, its packs 1 and 2, and a use of pack 1. The witnesses are
// the heads after that, as a printout shows them. Each edit is made with
// plain SQL, as someone who can write the file would; "recompute"
// rewrites controller A's history after an edit, hashes, heads and
// ledger included, as someone who has the program's code would.
inline void addRows()
{
    QTest::addColumn<QStringList>("changes");
    QTest::addColumn<QStringList>("expected"); // verified against the witnesses
    QTest::addColumn<bool>("caughtWithoutWitness");
    const auto removeEntry = [](int id) {
        return QStringList{QStringLiteral("DELETE FROM events WHERE cycle_id = %1").arg(id),
                           QStringLiteral("DELETE FROM cycle_samples WHERE cycle_id = %1").arg(id),
                           QStringLiteral("DELETE FROM verdicts WHERE cycle_id = %1").arg(id),
                           QStringLiteral("DELETE FROM cycles WHERE id = %1").arg(id)};
    };
    const QStringList headOfABack{"UPDATE chain_heads SET chain_seq = 2,"
                                  " entry_hash = (SELECT entry_hash FROM cycles WHERE id = 2)"
                                  " WHERE controller_serial = 'A'"};
    QTest::newRow("newest entry and its head deleted")
        << removeEntry(3) + headOfABack << QStringList{"RecordMissing:0", "RecordMissing:0"} << true;
    QTest::newRow("newest entry, its head and its links deleted")
        << removeEntry(3) + headOfABack
               + QStringList{"DELETE FROM ledger WHERE chain = 'A'"
                             " AND seq >= (SELECT seq FROM ledger WHERE kind = 'entry' AND record_id = 3)",
                             "UPDATE ledger_heads SET seq = (SELECT MAX(seq) FROM ledger WHERE chain = 'A'),"
                             " link_hash = (SELECT link_hash FROM ledger WHERE chain = 'A' ORDER BY seq DESC"
                             " LIMIT 1) WHERE chain = 'A'"}
        << QStringList{"WitnessContradicted:0"} << false;
    QTest::newRow("all entries of a controller and its head deleted")
        << removeEntry(4) + removeEntry(5) + QStringList{"DELETE FROM chain_heads WHERE controller_serial = 'B'"}
        << QStringList{"RecordMissing:0", "RecordMissing:0", "RecordMissing:0", "RecordMissing:0"} << true;
    QTest::newRow("newest release and its head deleted")
        << QStringList{"DELETE FROM releases WHERE id = 2",
                       "UPDATE release_heads SET seq = 1,"
                       " release_hash = (SELECT release_hash FROM releases WHERE id = 1) WHERE cycle_id = 1"}
        << QStringList{"RecordMissing:0"} << true;
    QTest::newRow("all releases and their head deleted")
        << QStringList{"DELETE FROM releases", "DELETE FROM release_heads"}
        << QStringList{"RecordMissing:0", "RecordMissing:0", "RecordMissing:0"} << true;
    QTest::newRow("FAIL turned into PASS by a wider band")
        << QStringList{"UPDATE verdicts SET result = 'pass', reason = 'held',"
                       " lower_tolerance_centikelvin = 1000, upper_band_centikelvin = 1000 WHERE cycle_id = 2"}
        << QStringList{"EntryAltered:2"} << true;
    for (const char *set : {"os_user = 'someone'", "station = 'elsewhere'", "details = '{}'", "at_utc = at_utc + 1"})
        QTest::newRow(qPrintable(QStringLiteral("program write edited: %1").arg(set)))
            << QStringList{QStringLiteral("UPDATE events SET %1 WHERE kind = 'program write'").arg(set)}
            << QStringList{"EventAltered:0"} << true;
    QTest::newRow("event of a release edited")
        << QStringList{"UPDATE events SET os_user = 'someone' WHERE kind = 'release' AND cycle_id = 1"}
        << QStringList{"EventAltered:0", "EventAltered:0"} << true;
    QTest::newRow("program write deleted") << QStringList{"DELETE FROM events WHERE kind = 'program write'"}
                                           << QStringList{"RecordMissing:0"} << true;
    QTest::newRow("setting event deleted") << QStringList{"DELETE FROM events WHERE controller_serial = ''"}
                                           << QStringList{"RecordMissing:0"} << true;
    QTest::newRow("event added past the program")
        << QStringList{"INSERT INTO events (at_utc, at_offset, os_user, station, kind, controller_serial, details,"
                       " event_hash) SELECT at_utc, at_offset, os_user, station, kind, controller_serial, details,"
                       " event_hash FROM events WHERE kind = 'program write'"}
        << QStringList{"RecordUnlinked:0"} << true;
    QTest::newRow("log name changed") << QStringList{"UPDATE cycles SET log_name = 'other.txt' WHERE id = 1"}
                                      << QStringList{"EntryAltered:1"} << true;
    QTest::newRow("link's record hash replaced")
        << QStringList{"UPDATE ledger SET record_hash = (SELECT entry_hash FROM cycles WHERE id = 2)"
                       " WHERE kind = 'entry' AND record_id = 1"}
        << QStringList{"LinkBroken:0", "RecordAltered:0"} << true;
    QTest::newRow("pack deleted") << QStringList{"DELETE FROM packs WHERE pack_number = 2"}
                                  << QStringList{"RecordMissing:0"} << true;
    QTest::newRow("use deleted") << QStringList{"DELETE FROM pack_uses"} << QStringList{"RecordMissing:0"} << true;
    QTest::newRow("pack added past the program")
        << QStringList{"INSERT INTO packs (code, cycle_id, pack_number, pack_type, sterilised_utc, sterilised_offset,"
                       " expires_on, operator_initials, printed_utc, printed_offset, record_hash)"
                       " SELECT code || '-3', cycle_id, 3, pack_type, sterilised_utc, sterilised_offset, expires_on,"
                       " operator_initials, printed_utc, printed_offset, record_hash FROM packs WHERE pack_number = 2"}
        << QStringList{"RecordAltered:0", "RecordUnlinked:0"} << true;
    QTest::newRow("pack type changed") << QStringList{"UPDATE packs SET pack_type = 'Bowl' WHERE pack_number = 1"}
                                       << QStringList{"RecordAltered:0"} << true;
    QTest::newRow("use's hash replaced")
        << QStringList{"UPDATE pack_uses SET record_hash = (SELECT record_hash FROM packs WHERE pack_number = 1)"}
        << QStringList{"RecordAltered:0", "RecordAltered:0"} << true;
    QTest::newRow("history recomputed after an edit")
        << QStringList{"UPDATE cycles SET program_name = 'Program 6' WHERE id = 2", "recompute"}
        << QStringList{"WitnessContradicted:0"} << false;
}

// Makes the register the rows edit, applies the row's edit and checks what
// verify finds, with and without the witnesses.
inline void check(CycleRegister &store)
{
    QFETCH(QStringList, changes);
    QFETCH(QStringList, expected);
    QFETCH(bool, caughtWithoutWitness);
    store.setVerdictBand({0.5, 3.0});
    Cycle pass = RegisterTestData::cycleAt("A", 1, "2024-03-01T08:00:00", 70);
    QCOMPARE(store.enter(pass).outcome, CycleRegister::Outcome::Entered);
    store.setVerdictBand({0.0, 3.0});
    Cycle fail = RegisterTestData::cycleAt("A", 2, "2024-03-02T08:00:00", 70);
    QCOMPARE(store.enter(fail).outcome, CycleRegister::Outcome::Entered);
    QCOMPARE(fail.verdict->result, CycleVerdict::Result::Fail);
    QVector<Release> releases{release(1, "A. Meier", Release::Decision::Released)};
    QVERIFY(store.enterReleases(releases));
    Release rejected = release(1, "B. Huber", Release::Decision::Rejected);
    rejected.biologicalIndicator = Release::BiologicalIndicator::Positive;
    QVERIFY2(store.enterRelease(rejected), qPrintable(store.errorString()));
    AuditEvent write{0, {}, {}, {}, "program write", "A", 0, "{\"program\":1}", {}};
    AuditEvent setting{0, {}, {}, {}, "setting", "", 0, "{}", {}};
    QVERIFY(store.appendEvent(write) && store.appendEvent(setting));
    QVector<Cycle> later{RegisterTestData::cycleAt("A", 3, "2024-03-03T08:00:00"),
                         RegisterTestData::cycleAt("B", 4, "2024-03-04T08:00:00"),
                         RegisterTestData::cycleAt("B", 5, "2024-03-05T08:00:00")};
    QVERIFY(RegisterTestData::enter(store, later));
    Cycle packed = RegisterTestData::cycleAt("C", 6, "2024-03-06T08:00:00", 70);
    QCOMPARE(store.enter(packed).outcome, CycleRegister::Outcome::Entered);
    Release released = release(packed.id, "A. Meier", Release::Decision::Released);
    released.comment = QStringLiteral("BI negative"); // FAIL by the band of then
    QVERIFY2(store.enterRelease(released), qPrintable(store.errorString()));
    PackStore packStore(store);
    const std::optional<QVector<Pack>> packs = packStore.makePacks(packed.id, 2, QStringLiteral("Tray"));
    QVERIFY2(packs, qPrintable(packStore.errorString()));
    PackUses uses(store);
    PackUse use{0, packs->at(0).code, 0, {}, QStringLiteral("A. Meier"), QStringLiteral("K-7")};
    use.comment = QStringLiteral("kept sealed"); // expired long ago
    QVERIFY2(uses.enter(use), qPrintable(uses.errorString()));
    QString error;
    const std::optional<QVector<ChainPosition>> witnesses = ChainLedger::heads(store.database(), &error);
    QVERIFY2(witnesses && witnesses->size() == 4, qPrintable(error));
    // As typed back from paper.
    QVector<ChainPosition> typed;
    for (const ChainPosition &w : *witnesses)
        typed << *ChainPosition::parse(w.text());
    const CycleVerifier::Report before = CycleVerifier::verifyRegister(store, CycleVerifier::Logs::All, typed);
    QVERIFY2(before.intact(), qPrintable(RegisterTestData::problems(before).join(' ')));
    QCOMPARE(before.entriesByScheme, (QMap<int, int>{{2, 6}}));
    // Entries, their events, releases, theirs, the two events, then C's:
    // entry, event, release, event, packs, their event, use, its event.
    QCOMPARE(before.links, 5 + 5 + 2 + 2 + 2 + 1 + 1 + 1 + 1 + 2 + 1 + 1 + 1);

    for (const QString &change : changes) {
        if (change == "recompute")
            QVERIFY(recomputeHistory(store, "A"));
        else
            QVERIFY(exec(store, change));
    }
    const CycleVerifier::Report report = CycleVerifier::verifyRegister(store, CycleVerifier::Logs::All, typed);
    QVERIFY2(report.error.isEmpty(), qPrintable(report.error));
    QVERIFY2(RegisterTestData::problems(report) == expected, qPrintable(RegisterTestData::problems(report).join(' ')));
    for (const CycleVerifier::Problem &p : report.problems) {
        if (p.kind == CycleVerifier::Problem::WitnessContradicted)
            QVERIFY2(p.text.contains(witnesses->first().text()), qPrintable(p.text));
    }
    // Without a witness newer than the edit, a careful rewrite holds.
    QCOMPARE(!CycleVerifier::verifyRegister(store).intact(), caughtWithoutWitness);
}

} // namespace RegisterEdits
