// CPU use of the station while it is connected and idle: it polls the
// controller at its real timings and its busy indicators spin. The
// simulator runs as a process of its own so that only the station counts.

#include "app/stationsettings.h"
#include "app/heappolicy.h"
#include "bench/benchrow.h"
#include "tests/childwidget.h"
#include "tests/isolateduser.h"
#include "ui/mainwindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/resource.h>

namespace {

qint64 cpuMicroseconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    const auto us = [](const timeval &t) { return qint64(t.tv_sec) * 1000000 + t.tv_usec; };
    return us(usage.ru_utime) + us(usage.ru_stime);
}

} // namespace

int main(int argc, char *argv[])
{
    HeapPolicy::returnLargeBlocks(); // as main() does
    IsolatedUser user;
    QApplication app(argc, argv);
    const QString name = QStringLiteral("CPU use of the connected, idle station over 20 s (one core = 100 %)");
    QTemporaryDir dir;
    StationSettings().setLogFolder(dir.path());

    QProcess simulator;
    simulator.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    simulator.start(QStringLiteral(SIMULATOR_PATH), {QStringLiteral("--link"), dir.filePath(QStringLiteral("ttyRegulon"))});
    if (!simulator.waitForReadyRead(10000)) {
        benchFailed(name, QStringLiteral("the simulator did not start"));
        return 1;
    }

    CommunicationManager link;
    link.setRestartHandler([] { qWarning("the connection was lost"); });
    link.changePort(dir.filePath(QStringLiteral("ttyRegulon")));
    MainWindow window(&link);
    window.show();
    auto *start = child<QWidget>(window, "buttonStart");
    if (!QTest::qWaitFor([&] { return start->isEnabled() && !start->isHidden(); }, 30000)) {
        benchFailed(name, QStringLiteral("the programs were not read"));
        return 1;
    }
    QTest::qWait(2000); // settled: the version asked for, the first status answers in

    QElapsedTimer wall;
    wall.start();
    const qint64 cpuBefore = cpuMicroseconds();
    QTest::qWait(20000);
    const double percent = 100.0 * (cpuMicroseconds() - cpuBefore) / (wall.nsecsElapsed() / 1000.0);
    benchRow(name, percent, QStringLiteral("%"), 3.0);

    simulator.terminate();
    simulator.waitForFinished(5000);
    return 0;
}
