// The cycle register of a clinic after ten years (30,000 two-hour cycles):
// its size per cycle, a full verification, importing logs, and what the
// Records tab asks of it.

#include "bench/benchrow.h"
#include "bench/generatedregister.h"
#include "register/cycleimport.h"
#include "register/cycleregister.h"
#include "register/cycleverifier.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <algorithm>

namespace {

// The median of a few runs: one slow run of a machine shared with others
// says little.
template<typename F>
double medianMs(int runs, F &&f)
{
    QVector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer clock;
        clock.start();
        f();
        times << clock.nsecsElapsed() / 1e6;
    }
    std::sort(times.begin(), times.end());
    return times[runs / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 30000;
    const QString folder = GeneratedRegister::ready(count);
    if (folder.isEmpty())
        return 1;

    CycleRegister store(QStringLiteral("bench"));
    if (!store.open(GeneratedRegister::registerPath(folder))) {
        benchFailed(QStringLiteral("register"), store.errorString());
        return 1;
    }
    QSqlQuery pages(store.database());
    pages.exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    pages.exec(QStringLiteral("PRAGMA page_count"));
    pages.next();
    const double pageCount = pages.value(0).toDouble();
    pages.exec(QStringLiteral("PRAGMA page_size"));
    pages.next();
    const double bytes = pageCount * pages.value(0).toDouble();
    pages.finish();
    benchRow(QStringLiteral("register size per 2-hour cycle (3,600 samples; entry, samples, indexes, event)"),
             bytes / count / 1024.0, QStringLiteral("KB"), 12.0);

    // The Records tab: a connection of its own, then the first page.
    const double firstPage = medianMs(5, [&] {
        CycleRegister tab(QStringLiteral("tab"));
        tab.open(GeneratedRegister::registerPath(folder));
        if (!tab.cycles({}, 100) || tab.cycles({}, 100)->size() != 100)
            qWarning("the first page is not 100 rows");
    });
    benchRow(QStringLiteral("Records tab: open the register and list the newest 100 cycles"), firstPage,
             QStringLiteral("ms"), 100.0);
    const QDateTime lastYear = store.cycles({}, 1)->first().started.addYears(-1);
    const QVector<QPair<QString, CycleRegister::Filter>> filters = {
        {QStringLiteral("program"), {{}, {}, QStringLiteral("Textiles 121"), {}, {}, {}}},
        {QStringLiteral("period of a month"), {lastYear, lastYear.addMonths(1), {}, {}, {}, {}}},
        {QStringLiteral("status"), {{}, {}, {}, QStringLiteral("Cancelled by user"), {}, {}}},
        {QStringLiteral("free text"), {{}, {}, {}, {}, {}, QStringLiteral("prion")}},
        {QStringLiteral("free text found nowhere"), {{}, {}, {}, {}, {}, QStringLiteral("no such text")}},
        {QStringLiteral("free text: a release's lot"), {{}, {}, {}, {}, {}, QStringLiteral("LOT-17001")}},
        {QStringLiteral("the current release's operator"), {{}, {}, {}, {}, {}, {}, false, QStringLiteral("C. Roth")}},
        {QStringLiteral("the current release's decision"),
         {{}, {}, {}, {}, {}, {}, false, {}, Release::Decision::Rejected}},
    };
    for (const auto &[name, filter] : filters) {
        benchRow(QStringLiteral("Records tab: filter by %1, first 100 rows").arg(name),
                 medianMs(5, [&] { store.cycles(filter, 100); }), QStringLiteral("ms"), 50.0);
    }
    const qint64 middle = store.cycles({}, 1, nullptr)->first().id / 2;
    benchRow(QStringLiteral("reading one cycle with its 3,600 samples"),
             medianMs(9, [&] { store.cycle(middle); }), QStringLiteral("ms"), 50.0);

    QElapsedTimer clock;
    clock.start();
    const CycleVerifier::Report report = CycleVerifier::verifyRegister(store);
    const double verifySeconds = clock.elapsed() / 1000.0;
    if (!report.intact())
        benchFailed(QStringLiteral("verification"),
                    report.error.isEmpty() ? report.problems.first().text : report.error);
    else
        benchRow(QStringLiteral("full verification: %1 entries, chains, samples and %2 log files")
                     .arg(report.entries)
                     .arg(report.logs),
                 verifySeconds, QStringLiteral("s"), 10.0);

    // 1,000 logs into an empty register.
    QTemporaryDir empty;
    CycleRegister fresh(QStringLiteral("import"));
    fresh.open(empty.filePath(QStringLiteral("register.sqlite")));
    clock.restart();
    const CycleImport::Result imported =
        CycleImport::importFolder(fresh, QFileInfo(GeneratedRegister::logPath(folder, 0)).absolutePath());
    const double importSeconds = clock.elapsed() / 1000.0;
    if (imported.imported != qMin(count, 1000))
        benchFailed(QStringLiteral("import"), imported.error);
    else
        benchRow(QStringLiteral("importing 1,000 two-hour run logs"), importSeconds, QStringLiteral("s"), 3.0);
    return 0;
}
