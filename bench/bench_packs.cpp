// Packs and uses after ten years of a clinic that packs ten items a cycle:
// 30,000 cycles, 300,000 packs, most of them used. How long a scanned code's
// look-up, a cycle's recall list and the expiry list take, and drawing one
// A4 sheet of 65 labels.

#include "bench/benchrow.h"
#include "register/cycleregister.h"
#include "register/packstore.h"
#include "register/packuses.h"
#include "reports/labelsheet.h"
#include "tests/registertestdata.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <algorithm>
#include <functional>

namespace {

constexpr int cycles = 30000;
constexpr int packsPerCycle = 10;

QString packCode(int cycle, int pack)
{
    return PackStore::code(QStringLiteral("RG24%1").arg(cycle % 3, 4, 10, QLatin1Char('0')), 1000 + cycle / 3, 0,
                           pack);
}

// Cycles of a few samples (their samples do not matter here), each released,
// packed and mostly used; made once and kept.
bool generate(const QString &folder, QString *error)
{
    const QString done = folder + QStringLiteral("/complete");
    if (QFile::exists(done))
        return true;
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    CycleRegister store(QStringLiteral("generator"));
    if (!store.open(folder + QStringLiteral("/register.sqlite"))) {
        *error = store.errorString();
        return false;
    }
    const QDateTime first = RegisterTestData::localTime(QStringLiteral("2016-01-04T07:00:00"));
    const QVector<CycleSample> samples{{0, 25.0}, {600000, 134.0}, {1200000, 60.0}};
    for (int from = 0; from < cycles; from += 1000) {
        QVector<Cycle> batch;
        for (int n = from; n < from + 1000; ++n)
            batch << RegisterTestData::cycle(QStringLiteral("RG24%1").arg(n % 3, 4, 10, QLatin1Char('0')),
                                             1000 + n / 3, first.addSecs(qint64(n) * 10800), samples);
        if (!RegisterTestData::enter(store, batch)) {
            *error = store.errorString();
            return false;
        }
        QVector<Release> releases;
        for (const Cycle &c : batch) {
            Release r;
            r.cycleId = c.id;
            r.operatorName = QStringLiteral("A. Meier");
            r.decision = Release::Decision::Released;
            r.comment = QStringLiteral("generated");
            releases << r;
        }
        if (!store.enterReleases(releases)) {
            *error = store.errorString();
            return false;
        }
    }
    // The packs and uses as the register stores them, in one transaction:
    // what is measured is reading them.
    QSqlQuery q(store.database());
    q.exec(QStringLiteral("BEGIN"));
    QSqlQuery pack(store.database());
    pack.prepare(QStringLiteral("INSERT INTO packs (code, cycle_id, pack_number, pack_type, sterilised_utc,"
                                " sterilised_offset, expires_on, operator_initials, printed_utc, printed_offset,"
                                " record_hash) VALUES (?, ?, ?, 'Pouch', ?, 3600, ?, 'AM', ?, 3600, ?)"));
    QSqlQuery use(store.database());
    use.prepare(QStringLiteral("INSERT INTO pack_uses (code, pack_id, at_utc, at_offset, operator_name, reference,"
                               " reference_hash, warning, comment, record_hash) VALUES (?, ?, ?, 3600, 'A. Meier',"
                               " ?, ?, '', '', ?)"));
    QRandomGenerator random(7);
    for (int n = 0; n < cycles; ++n) {
        const QDateTime sterilised = first.addSecs(qint64(n) * 10800 + 3600);
        for (int p = 1; p <= packsPerCycle; ++p) {
            const QString hash = QString::number(random.generate64(), 16).repeated(4);
            for (const QVariant &v : {QVariant(packCode(n, p)), QVariant(n + 1), QVariant(p),
                                      QVariant(sterilised.toMSecsSinceEpoch()),
                                      QVariant(sterilised.date().addDays(180).toString(Qt::ISODate)),
                                      QVariant(sterilised.toMSecsSinceEpoch()), QVariant(hash)})
                pack.addBindValue(v);
            if (!pack.exec()) {
                *error = pack.lastError().text();
                return false;
            }
            if (random.bounded(20) == 0)
                continue; // one in twenty expires on the shelf
            const qint64 packId = pack.lastInsertId().toLongLong();
            for (const QVariant &v : {QVariant(packCode(n, p)), QVariant(packId),
                                      QVariant(sterilised.toMSecsSinceEpoch() + qint64(random.bounded(86400.0 * 1000 * 150))),
                                      QVariant(QStringLiteral("K-%1").arg(random.bounded(20000))), QVariant(hash),
                                      QVariant(hash)})
                use.addBindValue(v);
            if (!use.exec()) {
                *error = use.lastError().text();
                return false;
            }
        }
    }
    q.exec(QStringLiteral("COMMIT"));
    QFile marker(done);
    marker.open(QIODevice::WriteOnly);
    return true;
}

// The median and the longest of `runs` timings of `work(i)`, in ms.
std::pair<double, double> timed(int runs, const std::function<bool(int)> &work, bool *ok)
{
    QVector<double> ms;
    QElapsedTimer clock;
    for (int i = 0; i < runs; ++i) {
        clock.start();
        *ok = work(i) && *ok;
        ms << clock.nsecsElapsed() / 1e6;
    }
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.last()};
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/../bench-data/packs-300000");
    QString error;
    QElapsedTimer generation;
    generation.start();
    if (!generate(folder, &error)) {
        benchFailed(QStringLiteral("packs: generating 300,000 packs"), error);
        return 1;
    }
    qInfo("register ready in %.0f s", generation.elapsed() / 1000.0);
    CycleRegister store(QStringLiteral("bench"));
    if (!store.open(folder + QStringLiteral("/register.sqlite"))) {
        benchFailed(QStringLiteral("packs"), store.errorString());
        return 1;
    }
    PackUses uses(store);
    PackStore packs(store);
    QRandomGenerator random(11);
    bool ok = true;
    const auto [lookup, lookupMax] = timed(
        200, [&](int) { return uses.lookUp(packCode(int(random.bounded(cycles)), 1 + int(random.bounded(10)))).has_value(); },
        &ok);
    benchRow(QStringLiteral("packs: look-up of a scanned code, 300,000 packs (median of 200)"), lookup,
             QStringLiteral("ms"), 10);
    benchRow(QStringLiteral("packs: look-up of a scanned code (longest of 200)"), lookupMax, QStringLiteral("ms"));
    const auto [recall, recallMax] = timed(
        50, [&](int) { return uses.recallList(1 + qint64(random.bounded(cycles))).has_value(); }, &ok);
    benchRow(QStringLiteral("packs: recall list of a cycle (median of 50)"), recall, QStringLiteral("ms"), 100);
    benchRow(QStringLiteral("packs: recall list of a cycle (longest of 50)"), recallMax, QStringLiteral("ms"));
    const QDate lastDay = QDate(2026, 1, 1);
    const auto [expiry, expiryMax] = timed(5, [&](int) { return packs.expiring(lastDay).has_value(); }, &ok);
    benchRow(QStringLiteral("packs: expiry list, first 1,000 rows (median of 5)"), expiry, QStringLiteral("ms"), 100);
    const std::optional<QVector<Pack>> sheet = packs.expiring(lastDay, 65);
    QTemporaryDir out;
    const LabelSheet::Format *a4 = LabelSheet::format(QStringLiteral("a4-65"));
    const auto [labels, labelsMax] = timed(
        5,
        [&](int i) {
            return sheet && LabelSheet::writePdf(out.filePath(QStringLiteral("sheet-%1.pdf").arg(i)), *a4, *sheet, 1,
                                                 &error);
        },
        &ok);
    benchRow(QStringLiteral("packs: one A4 sheet of 65 labels to PDF (median of 5)"), labels, QStringLiteral("ms"),
             1000);
    if (!ok)
        benchFailed(QStringLiteral("packs"), uses.errorString() + packs.errorString() + error);
    return ok ? 0 : 1;
}
