// The longest the GUI thread is kept from its event loop by one event while
// the end-to-end scenario runs: first start, scan, connect, program read, a
// complete run of program 1 with its log, then program 2 edited, saved and
// read back. A probe timer due every 10 ms measures how late it comes.

#include "app/heappolicy.h"
#include "bench/benchrow.h"
#include "tests/endtoendtest.h"
#include "tests/isolateduser.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

int main(int argc, char *argv[])
{
    HeapPolicy::returnLargeBlocks(); // as main() does
    IsolatedUser user;
    qputenv("QTEST_FUNCTION_TIMEOUT", "300000");
    QApplication app(argc, argv);

    constexpr int intervalMs = 10;
    QElapsedTimer clock;
    qint64 lastNs = 0;
    qint64 worstNs = 0;
    qint64 ticks = 0;
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        if (ticks++ > 0)
            worstNs = qMax(worstNs, now - lastNs - intervalMs * 1000000LL);
        lastNs = now;
    });
    clock.start();
    probe.start(intervalMs);

    EndToEndTest scenario;
    const int failures = QTest::qExec(&scenario, QStringList{QString::fromLocal8Bit(argv[0]), QStringLiteral("-silent")});
    probe.stop();
    const QString name = QStringLiteral("longest GUI thread block during the end-to-end scenario");
    if (failures != 0) {
        benchFailed(name, QStringLiteral("the scenario failed"));
        return 1;
    }
    qInfo("%lld probe ticks over %.0f s", ticks, clock.elapsed() / 1000.0);
    benchRow(name, worstNs / 1e6, QStringLiteral("ms"), 50.0);
    return 0;
}
