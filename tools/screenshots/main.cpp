// Takes pictures of the station's real windows, rendered offscreen while they
// talk to the in-process controller simulator over a pseudo-terminal, and
// saves them as PNG files for the documentation.
//   station-screenshots DIR   (scripts/screenshots passes docs/images)
//
// To add a picture, append a Shot to shots(): bring the windows into shape in
// prepare, say in ready when the live data has arrived, and name the widget.

#include "app/startwindow.h"
#include "app/stationsettings.h"
#include "device/communicationmanager.h"
#include "tests/isolateduser.h"
#include "tools/regulon-sim/regulonsim.h"
#include "ui/mainwindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QLabel>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

// The windows and the simulated controller they talk to.
struct Scene {
    RegulonSim sim;
    CommunicationManager manager;
    int temperatureSamples = 0;
    std::unique_ptr<MainWindow> mainWindow;
    std::unique_ptr<StartWindow> startWindow;

    template<typename T>
    T *find(QWidget *window, const char *name) const
    {
        T *child = window->findChild<T *>(QString::fromLatin1(name));
        if (!child)
            qFatal("no widget named %s", name);
        return child;
    }
};

struct Shot {
    const char *file;
    std::function<void(Scene &)> prepare;
    std::function<bool(Scene &)> ready; // polled until true
    std::function<QWidget *(Scene &)> widget;
};

std::vector<Shot> shots()
{
    return {
        {"startwindow.png",
         [](Scene &s) {
             s.startWindow = std::make_unique<StartWindow>(&s.manager);
             s.startWindow->show();
         },
         [](Scene &s) { return s.find<QAbstractButton>(s.startWindow.get(), "buttonConnect")->isEnabled(); },
         [](Scene &s) -> QWidget * { return s.startWindow.get(); }},
        {"mainwindow-home.png",
         [](Scene &s) {
             s.find<QAbstractButton>(s.startWindow.get(), "buttonConnect")->click();
             s.mainWindow->show();
         },
         [](Scene &s) {
             return s.temperatureSamples >= 2 && s.find<QComboBox>(s.mainWindow.get(), "comboBoxPrograms")->isEnabled();
         },
         [](Scene &s) -> QWidget * { return s.mainWindow.get(); }},
        {"mainwindow-about.png",
         [](Scene &s) { s.find<QTabWidget>(s.mainWindow.get(), "tabWidget")->setCurrentIndex(2); },
         [](Scene &) { return true; },
         [](Scene &s) -> QWidget * { return s.mainWindow.get(); }},
        {"mainwindow-programs.png",
         [](Scene &s) {
             s.find<QTabWidget>(s.mainWindow.get(), "tabWidget")->setCurrentIndex(1);
             s.find<QComboBox>(s.mainWindow.get(), "comboBoxProgramsEditTab")->setCurrentIndex(1);
         },
         [](Scene &s) { return s.find<QWidget>(s.mainWindow.get(), "lineEditProgramName")->isEnabled(); },
         [](Scene &s) -> QWidget * { return s.mainWindow.get(); }},
        // The first program a dozen seconds into its run: the chamber has
        // held the air-removal step and climbs to the sterilising one. The
        // start goes straight to the controller, as after a confirmed question.
        {"mainwindow-run.png",
         [](Scene &s) {
             s.find<QTabWidget>(s.mainWindow.get(), "tabWidget")->setCurrentIndex(0);
             s.find<QComboBox>(s.mainWindow.get(), "comboBoxPrograms")->setCurrentIndex(0);
             s.manager.startProgram(1);
         },
         [](Scene &s) { return s.find<QLabel>(s.mainWindow.get(), "labelRunningTime")->text() >= "00:00:12"; },
         [](Scene &s) -> QWidget * { return s.mainWindow.get(); }},
    };
}

bool waitUntil(const std::function<bool()> &condition, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(50);
    }
    return true;
}

int fail(const char *message)
{
    std::fprintf(stderr, "station-screenshots: %s\n", message);
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Settings and log folder of a user of our own, so that the pictures
    // never depend on (or change) the settings of whoever runs this.
    IsolatedUser user;
    QApplication app(argc, argv);
    // The offscreen platform's default type is larger than a desktop's; the
    // pictures should show the windows as a desktop does.
    QApplication::setFont(QFont(QStringLiteral("Sans Serif"), 9));
    if (argc != 2)
        return fail("usage: station-screenshots DIR");
    const QDir target(QString::fromLocal8Bit(argv[1]));
    if (!target.exists() && !QDir().mkpath(target.path()))
        return fail("cannot create the target folder");

    const QString logs =
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + QStringLiteral("/Vaporin/Protokolle");
    QDir().mkpath(logs);
    StationSettings().setLogFolder(logs);

    QTemporaryDir links;
    Scene scene;
    if (!scene.sim.plugIn(links.filePath(QStringLiteral("regulon"))))
        return fail(qPrintable(scene.sim.errorString()));
    scene.sim.setSerialNumber(QStringLiteral("RG100001"));
    scene.sim.setSpeed(30);
    scene.sim.setChamberTemperature(96.0); // still warm from the last run
    qputenv("REGULON_SERIAL_PORTS", QFile::encodeName(scene.sim.linkPath()));
    scene.manager.setRestartHandler([] { qFatal("the simulated controller was lost"); });
    QObject::connect(&scene.manager, &CommunicationManager::getTempData, [&scene] { ++scene.temperatureSamples; });
    scene.mainWindow = std::make_unique<MainWindow>(&scene.manager);

    for (const Shot &shot : shots()) {
        shot.prepare(scene);
        if (!waitUntil([&] { return shot.ready(scene); }, 20000))
            return fail(qPrintable(QStringLiteral("%1: the windows never got ready").arg(shot.file)));
        // Lets animations (the thermometer's) come to rest.
        waitUntil([] { return false; }, 300);
        const QString path = target.filePath(QString::fromLatin1(shot.file));
        if (!shot.widget(scene)->grab().save(path))
            return fail(qPrintable(QStringLiteral("cannot write %1").arg(path)));
        std::printf("%s\n", qPrintable(path));
    }
    return 0;
}
