#include "register/cycleverifier.h"

#include "app/logging.h"
#include "register/chainledger.h"
#include "register/cyclehash.h"
#include "register/cycleregister.h"
#include "register/cyclerow.h"
#include "register/eventrow.h"
#include "register/logfile.h"
#include "register/packverifier.h"
#include "register/parallel.h"
#include "register/releaserow.h"
#include "register/samplecodec.h"
#include "register/sha256.h"
#include "register/showntime.h"
#include "register/verdictrow.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QHash>
#include <QSet>

#include <algorithm>
#include <vector>

namespace CycleVerifier {

namespace {

// Rows read, then checked on all cores, at a time: bounds the memory that
// the samples of 30,000 entries would take at once.
constexpr int chunkSize = 2048;

struct Entry {
    Cycle cycle;
    bool fieldsReadable = true;
    bool hasSamples = false;
    bool checkLog = true;
    QByteArray blob;
    QVariantList verdict; // as stored
    QString recordHash; // what the ledger should link
    // Results of the checks that need no other entry.
    QVector<Problem> problems;
};

void check(Entry &e)
{
    Cycle &c = e.cycle;
    const QString entry = describe(c);
    const auto problem = [&](Problem::Kind kind, const QString &text) {
        e.problems.append({kind, c.id, c.controllerSerial, text});
    };
    QString error;
    std::optional<QVector<CycleSample>> samples;
    if (!e.hasSamples)
        problem(Problem::SamplesDamaged,
                QCoreApplication::translate("CycleVerifier", "The samples of %1 are missing.").arg(entry));
    else if (!(samples = SampleCodec::decode(e.blob, &error)))
        problem(Problem::SamplesDamaged,
                QCoreApplication::translate("CycleVerifier", "The samples of %1 are damaged: %2").arg(entry, error));
    else if (samples->size() != c.sampleCount)
        problem(Problem::SamplesDamaged,
                QCoreApplication::translate("CycleVerifier", "%1 should have %2 samples but has %3.")
                    .arg(entry, QString::number(c.sampleCount), QString::number(samples->size())));
    e.blob.clear();
    // Without readable samples the hash cannot match; the damage is reported
    // once. A verdict is judged again only from an intact entry: an altered
    // one is reported as such, not for its verdict too.
    c.verdict = VerdictRow::verdict(e.verdict);
    e.recordHash = CycleHash::entryRecordHash(c);
    if (samples) {
        c.samples = *samples;
        if (!e.fieldsReadable || CycleHash::entryHash(c) != c.entryHash) {
            problem(
                Problem::EntryAltered,
                c.hashScheme == 1
                    ? QCoreApplication::translate("CycleVerifier", "%1 has been altered.").arg(entry)
                    : QCoreApplication::translate("CycleVerifier", "%1 or its verdict has been altered.").arg(entry));
        } else if (!e.verdict.value(0).isValid()) {
            problem(Problem::VerdictAltered,
                    QCoreApplication::translate("CycleVerifier", "The verdict of %1 is missing.").arg(entry));
        } else {
            const std::optional<CycleVerdict> stored = VerdictRow::verdict(e.verdict);
            if (!stored || VerdictRow::values(CycleVerdict::evaluate(c, stored->band)) != e.verdict)
                problem(Problem::VerdictAltered,
                        QCoreApplication::translate(
                            "CycleVerifier", "The verdict of %1 is not what its samples give; it has been altered.")
                            .arg(entry));
        }
        c.samples.clear();
    }
    if (c.logPath.isEmpty() || !e.checkLog)
        return;
    if (!LogFile::exists(c.logPath)) {
        problem(Problem::LogMissing,
                QCoreApplication::translate("CycleVerifier", "The log %1 of %2 is missing.")
                    .arg(QDir::toNativeSeparators(c.logPath), entry));
        return;
    }
    const QString sha = Sha256::ofFile(c.logPath, &error);
    if (sha.isEmpty())
        problem(Problem::LogUnreadable,
                QCoreApplication::translate("CycleVerifier", "The log %1 of %2 cannot be read: %3")
                    .arg(QDir::toNativeSeparators(c.logPath), entry, error));
    else if (sha != c.logSha256)
        problem(Problem::LogAltered,
                QCoreApplication::translate("CycleVerifier", "The log %1 of %2 has been altered.")
                    .arg(QDir::toNativeSeparators(c.logPath), entry));
}

// Follows the chains through the entries in (serial, sequence) order.
class ChainWalk
{
    Q_DECLARE_TR_FUNCTIONS(CycleVerifier)

public:
    ChainWalk(Report &report, const QHash<QString, QPair<qint64, QString>> &heads) : report(report), heads(heads) {}

    void next(const Cycle &c)
    {
        if (!current || c.controllerSerial != current->controllerSerial) {
            finish();
            ++report.chains;
            seen.insert(c.controllerSerial);
        }
        const qint64 expected = current ? current->chainSequence + 1 : 1;
        const QString entry = describe(c);
        if (c.chainSequence > expected) {
            report.problems.append({Problem::EntriesMissing, c.id, c.controllerSerial,
                                    tr("Entries %1 to %2 of the chain of controller %3 before %4 are missing.")
                                        .arg(expected)
                                        .arg(c.chainSequence - 1)
                                        .arg(c.controllerSerial, entry)});
        } else if (c.chainSequence < expected || c.previousHash != (current ? current->entryHash : QString())) {
            report.problems.append({Problem::ChainBroken, c.id, c.controllerSerial,
                                    tr("%1 does not follow the entry before it in its chain: entries were "
                                       "removed, inserted or reordered.")
                                        .arg(entry)});
        }
        current = c;
    }

    void finish()
    {
        if (!current)
            return;
        const QString serial = current->controllerSerial;
        const auto head = heads.find(serial);
        if (head == heads.end()) {
            report.problems.append({Problem::ChainBroken, current->id, serial,
                                    tr("The chain of controller %1 has no head; its newest entry is %2.")
                                        .arg(serial, describe(*current))});
        } else if (head->first > current->chainSequence) {
            report.problems.append({Problem::EntriesMissing, current->id, serial,
                                    tr("The newest entries %1 to %2 of the chain of controller %3 are missing; "
                                       "the newest left is %4.")
                                        .arg(current->chainSequence + 1)
                                        .arg(head->first)
                                        .arg(serial, describe(*current))});
        } else if (head->first < current->chainSequence || head->second != current->entryHash) {
            report.problems.append({Problem::ChainBroken, current->id, serial,
                                    tr("The head of the chain of controller %1 does not name its newest entry %2.")
                                        .arg(serial, describe(*current))});
        }
        current.reset();
    }

    // Chains whose every entry is gone.
    void finishAll()
    {
        finish();
        for (auto it = heads.cbegin(); it != heads.cend(); ++it) {
            if (!seen.contains(it.key()))
                report.problems.append(
                    {Problem::EntriesMissing, 0, it.key(),
                     tr("All %n entries of the chain of controller %1 are missing.", nullptr, int(it.value().first))
                         .arg(it.key())});
        }
    }

private:
    Report &report;
    const QHash<QString, QPair<qint64, QString>> &heads;
    std::optional<Cycle> current;
    QSet<QString> seen;
};

// Follows each cycle's release history through its releases in (cycle,
// sequence) order, as ChainWalk follows the chains.
class ReleaseWalk
{
    Q_DECLARE_TR_FUNCTIONS(CycleVerifier)

public:
    ReleaseWalk(Report &report, const QHash<qint64, QPair<qint64, QString>> &heads) : report(report), heads(heads) {}

    // The release, the cycle's entry hash and the verdict as the register
    // holds them now; entry describes the cycle.
    void next(const Release &r, bool readable, const QString &entryHash, const std::optional<CycleVerdict> &verdict,
              const QString &entry)
    {
        if (!current || r.cycleId != current->cycleId) {
            finish();
            seen.insert(r.cycleId);
            cycleEntry = entry;
        }
        ++report.releases;
        const QString release = tr("release %1 of %2").arg(r.sequence).arg(entry);
        if (!readable || CycleHash::releaseHash(r, entryHash, verdict) != r.hash)
            problem(Problem::ReleaseAltered, r.cycleId,
                    tr("The %1 has been altered, or the entry or verdict it was made on.").arg(release));
        const qint64 expected = current ? current->sequence + 1 : 1;
        if (r.sequence > expected)
            problem(Problem::ReleasesMissing, r.cycleId,
                    tr("Releases %1 to %2 of %3 are missing.").arg(expected).arg(r.sequence - 1).arg(entry));
        else if (r.sequence < expected || r.previousHash != (current ? current->hash : QString()))
            problem(Problem::ReleaseChainBroken, r.cycleId,
                    tr("The %1 does not follow the release before it: releases were removed, inserted or "
                       "reordered.")
                        .arg(release));
        current = r;
    }

    void finish()
    {
        if (!current)
            return;
        const auto head = heads.find(current->cycleId);
        if (head == heads.end())
            problem(Problem::ReleaseChainBroken, current->cycleId,
                    tr("The release history of %1 has no head.").arg(cycleEntry));
        else if (head->first > current->sequence)
            problem(Problem::ReleasesMissing, current->cycleId,
                    tr("The newest releases %1 to %2 of %3 are missing.")
                        .arg(current->sequence + 1)
                        .arg(head->first)
                        .arg(cycleEntry));
        else if (head->first < current->sequence || head->second != current->hash)
            problem(Problem::ReleaseChainBroken, current->cycleId,
                    tr("The head of the release history of %1 does not name its newest release.").arg(cycleEntry));
        current.reset();
    }

    // Cycles whose every release is gone.
    void finishAll()
    {
        finish();
        for (auto it = heads.cbegin(); it != heads.cend(); ++it) {
            if (!seen.contains(it.key()))
                problem(Problem::ReleasesMissing, it.key(),
                        tr("All %n releases of entry %1 are missing.", nullptr, int(it.value().first)).arg(it.key()));
        }
    }

private:
    void problem(Problem::Kind kind, qint64 cycleId, const QString &text)
    {
        report.problems.append({kind, cycleId, QString(), text});
    }

    Report &report;
    const QHash<qint64, QPair<qint64, QString>> &heads;
    std::optional<Release> current;
    QString cycleEntry;
    QSet<qint64> seen;
};

bool verifyReleases(const QSqlDatabase &db, Report &report, ChainLedger::Records &records)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    QHash<qint64, QPair<qint64, QString>> heads;
    if (!query.exec(QStringLiteral("SELECT cycle_id, seq, release_hash FROM release_heads"))) {
        report.error = query.lastError().text();
        return false;
    }
    while (query.next())
        heads.insert(query.value(0).toLongLong(), {query.value(1).toLongLong(), query.value(2).toString()});
    // A release whose cycle is gone is checked against an empty entry hash:
    // it reads as altered, beside the missing entry.
    if (!query.exec(QStringLiteral("SELECT %1, cycles.entry_hash, cycles.controller_serial, cycles.cycle_number,"
                                   " cycles.started_utc, cycles.started_offset, %2 FROM releases"
                                   " LEFT JOIN cycles ON cycles.id = releases.cycle_id"
                                   " LEFT JOIN verdicts ON verdicts.cycle_id = releases.cycle_id"
                                   " ORDER BY releases.cycle_id, releases.seq, releases.id")
                        .arg(ReleaseRow::columns(QStringLiteral("releases")),
                             VerdictRow::columns(QStringLiteral("verdicts"))))) {
        report.error = query.lastError().text();
        return false;
    }
    const int columns = ReleaseRow::columnCount();
    ReleaseWalk walk(report, heads);
    QHash<qint64, QString> &hashes = records[QStringLiteral("release")];
    while (query.next()) {
        Release r;
        const bool readable = ReleaseRow::read(query, 0, &r);
        hashes.insert(r.id, r.hash);
        Cycle c;
        c.id = r.cycleId;
        c.controllerSerial = query.value(columns + 1).toString();
        c.cycleNumber = query.value(columns + 2).isNull() ? -1 : query.value(columns + 2).toInt();
        c.started = CycleRow::time(query.value(columns + 3).toLongLong(), query.value(columns + 4).toInt());
        walk.next(r, readable, query.value(columns).toString(),
                  VerdictRow::verdict(VerdictRow::read(query, columns + 5)), describe(c));
    }
    if (query.lastError().isValid()) {
        report.error = query.lastError().text();
        return false;
    }
    walk.finishAll();
    return true;
}

bool verifyEvents(const QSqlDatabase &db, Report &report, ChainLedger::Records &records)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT %1 FROM events ORDER BY id").arg(EventRow::columns()))) {
        report.error = query.lastError().text();
        return false;
    }
    QHash<qint64, QString> &hashes = records[QStringLiteral("event")];
    while (query.next()) {
        const AuditEvent e = EventRow::read(query);
        ++report.events;
        hashes.insert(e.id, e.hash);
        if (CycleHash::eventHash(e) != e.hash)
            report.problems.append(
                {Problem::EventAltered, 0, e.controllerSerial,
                 QCoreApplication::translate("CycleVerifier", "The audit event %1 (%2 at %3) has been altered.")
                     .arg(e.id)
                     .arg(e.kind, ShownTime::instant(e.at))});
    }
    if (query.lastError().isValid()) {
        report.error = query.lastError().text();
        return false;
    }
    return true;
}

constexpr char entryText[] = QT_TRANSLATE_NOOP("CycleVerifier", "entry %1 (controller %2, cycle %3, started %4)");
constexpr char unknownText[] = QT_TRANSLATE_NOOP("CycleVerifier", "unknown");

} // namespace

QString describe(const Cycle &c)
{
    const QString unknown = QCoreApplication::translate("CycleVerifier", unknownText);
    return QCoreApplication::translate("CycleVerifier", entryText)
        .arg(c.id)
        .arg(c.controllerSerial.isEmpty() ? unknown : c.controllerSerial,
             c.cycleNumber >= 0 ? QString::number(c.cycleNumber) : unknown, ShownTime::instant(c.started));
}

QString describeForScripts(const Cycle &c)
{
    const QString unknown = QString::fromLatin1(unknownText);
    return QString::fromLatin1(entryText)
        .arg(c.id)
        .arg(c.controllerSerial.isEmpty() ? unknown : c.controllerSerial,
             c.cycleNumber >= 0 ? QString::number(c.cycleNumber) : unknown,
             c.started.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss t")));
}

Report verifyRegister(CycleRegister &cycleRegister, Logs logs, const QVector<ChainPosition> &witnesses,
                      const Progress &progress)
{
    ChainLedger::Records records;
    QHash<qint64, QString> &entryRecords = records[QStringLiteral("entry")];
    const QString thisStation = CycleRegister::station();
    Report report;
    QSqlQuery query(cycleRegister.database());
    query.setForwardOnly(true);
    int total = 0;
    if (progress) {
        if (!query.exec(QStringLiteral("SELECT COUNT(*) FROM cycles")) || !query.next()) {
            report.error = query.lastError().text();
            return report;
        }
        total = query.value(0).toInt();
        progress(0, total);
    }
    QHash<QString, QPair<qint64, QString>> heads;
    if (!query.exec(QStringLiteral("SELECT controller_serial, chain_seq, entry_hash FROM chain_heads"))) {
        report.error = query.lastError().text();
        return report;
    }
    while (query.next())
        heads.insert(query.value(0).toString(), {query.value(1).toLongLong(), query.value(2).toString()});

    if (!query.exec(QStringLiteral("SELECT %1, cycle_samples.cycle_id, cycle_samples.samples, %2 FROM cycles"
                                   " LEFT JOIN cycle_samples ON cycle_samples.cycle_id = cycles.id"
                                   " LEFT JOIN verdicts ON verdicts.cycle_id = cycles.id"
                                   " ORDER BY cycles.controller_serial, cycles.chain_seq, cycles.id")
                        .arg(CycleRow::columns(), VerdictRow::columns(QStringLiteral("verdicts"))))) {
        report.error = query.lastError().text();
        return report;
    }
    ChainWalk chains(report, heads);
    const int columns = CycleRow::columnCount();
    bool more = true;
    while (more) {
        std::vector<Entry> entries;
        entries.reserve(chunkSize);
        while (entries.size() < size_t(chunkSize) && (more = query.next())) {
            Entry e;
            e.fieldsReadable = CycleRow::read(query, &e.cycle);
            e.hasSamples = !query.value(columns).isNull();
            e.blob = query.value(columns + 1).toByteArray();
            e.verdict = VerdictRow::read(query, columns + 2);
            e.checkLog = logs == Logs::All || (logs == Logs::OfThisStation && e.cycle.station == thisStation);
            entries.push_back(std::move(e));
        }
        Parallel::forEach(int(entries.size()), [&](int i) { check(entries[size_t(i)]); });
        for (const Entry &e : entries) {
            ++report.entries;
            if (!e.cycle.logPath.isEmpty())
                ++(e.checkLog ? report.logs : report.logsSkipped);
            report.problems += e.problems;
            ++report.entriesByScheme[e.cycle.hashScheme];
            entryRecords.insert(e.cycle.id, e.recordHash);
            chains.next(e.cycle);
        }
        if (progress)
            progress(std::min(report.entries, total), total);
    }
    if (query.lastError().isValid()) {
        report.error = query.lastError().text();
        return report;
    }
    chains.finishAll();
    if (!verifyReleases(cycleRegister.database(), report, records)
        || !verifyEvents(cycleRegister.database(), report, records)
        || !PackVerifier::verify(cycleRegister, report, records)
        || !ChainLedger::verify(cycleRegister.database(), records, witnesses, report))
        return report;
    qCDebug(lcRegister) << "verified" << report.entries << "entries," << report.releases << "releases,"
                        << report.events << "events," << report.links << "links," << report.logs << "logs:"
                        << report.problems.size() << "problems";
    return report;
}

QVector<FileCheck> verifyFiles(CycleRegister &cycleRegister, const QStringList &files, QString *error)
{
    QVector<FileCheck> checks;
    for (const QString &file : files) {
        FileCheck check;
        check.file = file;
        const QString sha = Sha256::ofFile(file, &check.error);
        if (sha.isEmpty()) {
            check.status = FileCheck::Unreadable;
            checks.append(check);
            continue;
        }
        std::optional<QVector<Cycle>> found = cycleRegister.findByLogSha256(sha);
        if (found && !found->isEmpty()) {
            check.status = FileCheck::Ok;
        } else if (found) {
            found = cycleRegister.findByLogName(QFileInfo(file).fileName());
            check.status = found && !found->isEmpty() ? FileCheck::Altered : FileCheck::Unknown;
        }
        if (!found) {
            *error = cycleRegister.errorString();
            return {};
        }
        check.entries = *found;
        checks.append(check);
    }
    return checks;
}

} // namespace CycleVerifier
