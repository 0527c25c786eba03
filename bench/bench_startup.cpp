// From the start of the vaporin-regulon process to its device selection
// window shown: the executable itself, offscreen, as an isolated user whose
// log folder is already stored, so that no box comes first. The window tells
// that it is shown on the ui logging category.

#include "bench/benchrow.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>

namespace {

// Milliseconds until the window was shown; negative when it never was.
qint64 startOnce(const QTemporaryDir &home)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral(".config")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral(".local/share")));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.filePath(QStringLiteral("runtime")));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("vaporin.ui.debug=true"));
    env.insert(QStringLiteral("REGULON_SERIAL_PORTS"), QStringLiteral(":")); // no port to ask

    QProcess station;
    station.setProcessEnvironment(env);
    station.setReadChannel(QProcess::StandardError);
    QElapsedTimer clock;
    clock.start();
    station.start(QStringLiteral(STATION_PATH), QStringList());
    QByteArray said;
    qint64 shownMs = -1;
    while (shownMs < 0 && station.waitForReadyRead(10000)) {
        said += station.readAllStandardError();
        if (said.contains("device selection window shown"))
            shownMs = clock.elapsed();
    }
    station.terminate();
    if (!station.waitForFinished(5000))
        station.kill();
    return shownMs;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir home;
    QDir(home.path()).mkpath(QStringLiteral("logs"));
    QDir(home.path()).mkpath(QStringLiteral("runtime"));
    QFile::setPermissions(home.filePath(QStringLiteral("runtime")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    {
        QSettings settings(home.filePath(QStringLiteral(".config/Vaporin/Vaporin Regulon.conf")), QSettings::IniFormat);
        settings.setValue(QStringLiteral("log_folder"), home.filePath(QStringLiteral("logs")));
    }

    QVector<qint64> times;
    for (int i = 0; i < 5; ++i) {
        const qint64 ms = startOnce(home);
        if (ms < 0) {
            benchFailed(QStringLiteral("start-up"), QStringLiteral("the device selection window was not shown"));
            return 1;
        }
        times << ms;
    }
    std::sort(times.begin(), times.end());
    benchRow(QStringLiteral("process start to device selection window shown (median of 5)"), times[2],
             QStringLiteral("ms"), 1000.0);
    benchRow(QStringLiteral("process start to device selection window shown (slowest of 5)"), times.last(),
             QStringLiteral("ms"), 1000.0);
    return 0;
}
