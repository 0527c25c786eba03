// The longest the GUI thread is kept from its event loop by one event while
// the end-to-end scenario runs: first start, scan, connect, program read, a
// complete run of program 1 with its log and register entry, then program 2
// edited, saved and read back. A probe timer due every 10 ms measures how
// late it comes.
//
// With --locked-register another connection holds the register locked from
// the start until the station has told the user that it cannot be written
// (after the run's end); the entry is made by the retry once the lock is gone.

#include "app/heappolicy.h"
#include "bench/benchrow.h"
#include "register/registerwriter.h"
#include "tests/endtoendtest.h"
#include "tests/isolateduser.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlQuery>
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

    const bool locked = app.arguments().contains(QStringLiteral("--locked-register"));
    const QString lock = QStringLiteral("lock holder");
    QTimer unlocker;
    if (locked) {
        if (!CycleRegister(QStringLiteral("schema maker")).open(CycleRegister::defaultPath()))
            return 1;
        QSqlDatabase holder = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), lock);
        holder.setDatabaseName(CycleRegister::defaultPath());
        if (!holder.open() || !QSqlQuery(holder).exec(QStringLiteral("BEGIN IMMEDIATE")))
            return 1;
        // Retried soon, so that the entry is made before the scenario ends.
        QObject::connect(&unlocker, &QTimer::timeout, [&] {
            for (QWidget *top : QApplication::topLevelWidgets()) {
                if (auto *window = qobject_cast<MainWindow *>(top))
                    window->registerWriter()->setRetryInterval(500);
                if (top->isVisible() && top->windowTitle() == QLatin1String("Cycle Register")) {
                    QSqlDatabase::database(lock).close();
                    unlocker.stop();
                }
            }
        });
        unlocker.start(50);
    }

    EndToEndTest scenario;
    const int failures = QTest::qExec(&scenario, QStringList{QString::fromLocal8Bit(argv[0]), QStringLiteral("-silent")});
    probe.stop();
    const QString name = QStringLiteral("longest GUI thread block during the end-to-end scenario")
        + (locked ? QStringLiteral(", register locked at the run's end") : QString());
    if (failures != 0) {
        benchFailed(name, QStringLiteral("the scenario failed"));
        return 1;
    }
    qInfo("%lld probe ticks over %.0f s", ticks, clock.elapsed() / 1000.0);
    benchRow(name, worstNs / 1e6, QStringLiteral("ms"), 50.0);
    return 0;
}
