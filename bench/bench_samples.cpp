// What a long run costs the station: GUI time per temperature sample as the
// run grows to two and a half days, memory over a whole day's run, and
// writing that day's log.
//
// The station is connected to the simulator and really runs a program on
// it (polling at the real timings), but the run's samples are handed to the
// window's temperature slot directly, one polling cycle apart on the run's
// clock, so that a day passes in minutes. That is the code path of every
// real sample (thermometer, chart, record), with as many points and as many
// distinct record keys as a real 24-hour run produces. The simulator's clock
// is then sped up so that the controller itself ends the run and the
// station writes its log, as after a real run.

#include "app/heappolicy.h"
#include "app/stationsettings.h"
#include "bench/benchrow.h"
#include "records/runlog.h"
#include "records/runrecordformat.h"
#include "tests/childwidget.h"
#include "tests/isolateduser.h"
#include "tests/modalanswerer.h"
#include "tools/regulon-sim/regulonsim.h"
#include "ui/mainwindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>

#include <time.h>

namespace {

// The window's run clock runs ahead of the system clock by one polling cycle
// per sample handed over.
qint64 clockAheadMs = 0;

// A temperature sample every 2.2 s on average: GET_TEMP and GET_DIGI with a
// second's pause between, and every other cycle GET_STAT with its own
// second of silence and pause. 40,000 samples are 24.4 hours.
constexpr qint64 cycleMs = 2200;
constexpr int daySamples = 40000;
constexpr int runSamples = 100000;
const int checkpoints[] = {1000, 10000, daySamples, runSamples};
// Measured one by one before each checkpoint; their median leaves out the
// samples during which another process had the core.
constexpr int measuredSamples = 25;

// Time this thread has run: unlike the wall clock, not lengthened by other
// processes that take the cores meanwhile.
qint64 threadCpuNs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

double residentMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0.0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0.0;
}

CommunicationManager::TempData sample(int n)
{
    CommunicationManager::TempData data;
    data.temperature = 121.0f + 0.1f * float(n % 5); // holding around 121 °C
    return data;
}

double medianMs(QVector<qint64> ns)
{
    std::sort(ns.begin(), ns.end());
    return ns.isEmpty() ? 0.0 : ns.at(ns.size() / 2) / 1e6;
}

QString grouped(int n)
{
    return QLocale(QLocale::English).toString(n);
}

// A day's record as the window would have filled it.
CommunicationManager::Program dayRecord()
{
    CommunicationManager::Program record;
    record.name = QStringLiteral("Day run");
    for (int n = 0; n < daySamples; ++n)
        record.dataPoints.insert(RunRecordFormat::elapsedKey(n * cycleMs / 1000),
                                 RunRecordFormat::temperatureText(sample(n).temperature));
    return record;
}

} // namespace

int main(int argc, char *argv[])
{
    HeapPolicy::returnLargeBlocks(); // as main() does
    IsolatedUser user;
    QApplication app(argc, argv);
    QTemporaryDir dir;
    StationSettings().setLogFolder(dir.path());

    RegulonSim sim;
    sim.setSerialNumber(QStringLiteral("RG240117"));
    QList<CommunicationManager::Program> programs = sim.programs();
    programs[0].name = QStringLiteral("Day run");
    programs[0].steps = {{0, 24 * 60, 121.0}};
    if (!sim.setPrograms(programs) || !sim.plugIn(dir.filePath(QStringLiteral("ttyRegulon")))) {
        benchFailed(QStringLiteral("day run"), sim.errorString());
        return 1;
    }

    CommunicationManager link;
    link.setRestartHandler([] { qWarning("the connection was lost"); });
    link.changePort(sim.linkPath());
    ModalAnswerer answerer;
    MainWindow window(&link);
    window.setClock([] { return QDateTime::currentMSecsSinceEpoch() + clockAheadMs; });
    window.show();
    auto *start = child<QWidget>(window, "buttonStart");
    if (!QTest::qWaitFor([&] { return start->isEnabled() && !start->isHidden(); }, 30000)) {
        benchFailed(QStringLiteral("day run"), QStringLiteral("the programs were not read"));
        return 1;
    }
    const double rssBefore = residentMegabytes();

    answerer.answerBoxes({QMessageBox::Yes});
    QTest::mouseClick(start, Qt::LeftButton);
    if (!QTest::qWaitFor([&] { return !child<QWidget>(window, "buttonStop")->isHidden(); }, 15000)) {
        benchFailed(QStringLiteral("day run"), QStringLiteral("the run did not start"));
        return 1;
    }

    QElapsedTimer run;
    run.start();
    const int *checkpoint = std::begin(checkpoints);
    QVector<qint64> slotNs;
    QVector<qint64> sampleNs;
    QVector<qint64> slotCpuNs;
    QVector<qint64> sampleCpuNs;
    qint64 longestSlotNs = 0;
    qint64 longestSlotCpuNs = 0;
    int longestAt = 0;
    double rssDay = 0.0;
    for (int n = 1; n <= runSamples; ++n) {
        clockAheadMs += cycleMs;
        if (n == daySamples + 1)
            rssDay = residentMegabytes();
        if (checkpoint == std::end(checkpoints) || n <= *checkpoint - measuredSamples) {
            QElapsedTimer clock;
            clock.start();
            const qint64 cpuNs = threadCpuNs();
            window.on_tempDataUpdated(sample(n));
            longestSlotNs = qMax(longestSlotNs, clock.nsecsElapsed());
            if (threadCpuNs() - cpuNs > longestSlotCpuNs) {
                longestSlotCpuNs = threadCpuNs() - cpuNs;
                longestAt = n;
            }
            // The window repaints and the polling goes on as between real samples.
            if (n % 50 == 0)
                QCoreApplication::processEvents();
            continue;
        }
        // The last few samples up to the checkpoint, each with the repaint
        // it causes, on a settled window.
        QCoreApplication::processEvents();
        QElapsedTimer clock;
        clock.start();
        const qint64 cpuNs = threadCpuNs();
        window.on_tempDataUpdated(sample(n));
        slotNs << clock.nsecsElapsed();
        slotCpuNs << threadCpuNs() - cpuNs;
        window.repaint();
        sampleNs << clock.nsecsElapsed();
        sampleCpuNs << threadCpuNs() - cpuNs;
        if (n < *checkpoint)
            continue;
        const QString at = QStringLiteral("at %1 samples (median of %2)").arg(grouped(n)).arg(measuredSamples);
        benchRow(QStringLiteral("GUI time per sample %1: slot + repaint of the Home tab (window 1000x463)").arg(at),
                 medianMs(sampleNs), QStringLiteral("ms"), 5.0);
        benchRow(QStringLiteral("  of which the temperature slot (chart and record) %1").arg(at),
                 medianMs(slotNs), QStringLiteral("ms"));
        qInfo("%s in CPU time of the GUI thread: %.2f ms, of which the slot %.2f ms", qPrintable(at),
              medianMs(sampleCpuNs), medianMs(slotCpuNs));
        slotNs.clear();
        sampleNs.clear();
        slotCpuNs.clear();
        sampleCpuNs.clear();
        ++checkpoint;
    }
    const qint64 feedMs = run.elapsed();
    const QString longest = QStringLiteral("longest temperature slot of any of the %1 samples (without its repaint)")
                                .arg(grouped(runSamples));
    benchRow(longest, longestSlotNs / 1e6, QStringLiteral("ms"));
    benchRow(longest + QStringLiteral(", CPU time of the GUI thread"), longestSlotCpuNs / 1e6, QStringLiteral("ms"));
    qInfo("the slot that took the most CPU time was that of sample %d", longestAt);
    benchRow(QStringLiteral("memory growth over a 24.4-hour run (%1 samples)").arg(grouped(daySamples)),
             rssDay - rssBefore, QStringLiteral("MB"), 20.0);

    // The controller ends the run; the station writes the run's log.
    sim.setSpeed(1e6);
    if (!QTest::qWaitFor([&] { return answerer.titles().contains(QStringLiteral("Success")); }, 60000)) {
        benchFailed(QStringLiteral("day run"), QStringLiteral("the run did not end"));
        return 1;
    }
    QTest::qWait(500);
    qInfo("resident memory %.1f MB before the run, %.1f MB after a day, %.1f MB after the run;"
          " the run was fed in %.0f s",
          rssBefore, rssDay, residentMegabytes(), feedMs / 1000.0);
    const QStringList logs = QDir(dir.path()).entryList({QStringLiteral("*.txt")}, QDir::Files);
    if (logs.size() == 1) {
        QFile log(dir.filePath(logs.first()));
        log.open(QIODevice::ReadOnly);
        qInfo("the run's log %s: %d lines", qPrintable(logs.first()), int(log.readAll().count('\n')));
    }

    // Writing the log of such a day, on its own.
    const CommunicationManager::Program record = dayRecord();
    QVector<qint64> writes;
    for (int i = 0; i < 5; ++i) {
        QElapsedTimer clock;
        clock.start();
        const RunLog::WriteResult written = RunLog::saveRunLog(record, dir.filePath(QStringLiteral("day")));
        writes << clock.nsecsElapsed();
        if (!written.written) {
            benchFailed(QStringLiteral("run log"), written.errorString);
            return 1;
        }
    }
    std::sort(writes.begin(), writes.end());
    benchRow(QStringLiteral("writing the run log of %1 samples (slowest of 5)").arg(grouped(daySamples)),
             writes.last() / 1e6, QStringLiteral("ms"), 100.0);
    return 0;
}
