// How long the printed reports take: the cycle report of a 2-hour cycle
// with a sample every 2 s, and the period report of 300 cycles, each
// written as a PDF file. Each figure is the slowest of five runs, the first
// of which also loads the fonts, as the first report of a session does.

#include "bench/benchrow.h"
#include "tests/isolateduser.h"
#include "tests/reportdata.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <functional>

namespace {

constexpr int runs = 5;

// The slowest of the runs in milliseconds; -1 when one failed.
double slowest(const QString &file, const std::function<bool(QString *)> &write)
{
    double worst = 0;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        QString error;
        if (!write(&error)) {
            qWarning("%s", qPrintable(error));
            return -1;
        }
        worst = std::max(worst, timer.nsecsElapsed() / 1e6);
    }
    qInfo("%s: %lld bytes", qPrintable(QFileInfo(file).fileName()), QFileInfo(file).size());
    return worst;
}

void row(const QString &name, double ms, double below)
{
    if (ms < 0)
        benchFailed(name, QStringLiteral("the report was not written"));
    else
        benchRow(name, ms, QStringLiteral("ms"), below);
}

} // namespace

int main(int argc, char *argv[])
{
    IsolatedUser user;
    QApplication app(argc, argv);
    QTemporaryDir dir;

    const CycleReportData cycle = ReportData::report(
        ReportData::cycle(3600), {ReportData::release(QStringLiteral("A. Meier"), Release::Decision::Released,
                                                      Release::BiologicalIndicator::Negative)});
    const QString cycleFile = dir.filePath(QStringLiteral("cycle.pdf"));
    row(QStringLiteral("cycle report of a 2-hour cycle, 3,600 samples (slowest of %1)").arg(runs),
        slowest(cycleFile, [&](QString *error) { return CycleReport::writePdf(cycleFile, cycle, error); }), 1000);

    const PeriodReportData period = ReportData::period(300);
    const QString periodFile = dir.filePath(QStringLiteral("period.pdf"));
    row(QStringLiteral("period report of 300 cycles (slowest of %1)").arg(runs),
        slowest(periodFile, [&](QString *error) { return PeriodReport::writePdf(periodFile, period, error); }),
        3000);
    return 0;
}
