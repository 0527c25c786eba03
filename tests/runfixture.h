#pragma once

#include "app/stationsettings.h"
#include "records/runjournal.h"
#include "tests/childwidget.h"
#include "tests/modalanswerer.h"
#include "tests/simulatedlink.h"
#include "ui/mainwindow.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QtCharts/QChartView>
#include <QtCharts/QLineSeries>

#include <memory>

// Lines of a run log; the header's fields by their labels.
struct Log {
    QStringList lines;

    explicit Log(const QString &fileName)
    {
        QFile file(fileName);
        if (file.open(QIODevice::ReadOnly))
            lines = QString::fromUtf8(file.readAll()).split('\n');
    }
    QString field(const QString &label) const
    {
        for (const QString &line : lines)
            if (line.startsWith(label + ": "))
                return line.mid(label.size() + 2);
        return "<missing>";
    }
};

inline int livePoints(MainWindow &w)
{
    auto *view = child<QWidget>(w, "verticalLayoutWidget")->findChild<QtCharts::QChartView *>();
    const auto series = view->chart()->series();
    return series.isEmpty() ? 0 : static_cast<QtCharts::QLineSeries *>(series.first())->count();
}

// Makes the controller's first program a quick one: "Quick 25", a minute at
// 25 °C after heating from the room's 20 °C, 90 s at the simulator's speed 1.
inline bool useQuickProgram(RegulonSim &sim)
{
    QList<CommunicationManager::Program> programs = sim.programs();
    programs[0].name = "Quick 25";
    programs[0].steps = programs[0].steps.mid(0, 1);
    programs[0].steps[0].temperature = 25.0;
    programs[0].steps[0].minutes = 1;
    return sim.setPrograms(programs);
}

// The main window on a simulated controller's serial line, driven as a user
// would drive it, with a log folder of its own for every test. Test classes
// inherit it and call setUp() and tearDown() from init() and cleanup().
class RunFixture
{
protected:
    QTemporaryDir dir;
    QString logs;
    std::unique_ptr<SimulatedLink> link;
    RegulonSim *sim = nullptr;
    std::unique_ptr<ModalAnswerer> answerer;
    std::unique_ptr<MainWindow> window;

    // A fresh log folder, settings, journal folder, controller and box
    // answerer; false when the controller cannot be plugged in.
    bool setUp()
    {
        static int n = 0;
        logs = dir.filePath(QString("logs%1").arg(++n));
        QDir().mkpath(logs);
        StationSettings settings;
        settings.clear();
        settings.setLogFolder(logs);
        QDir(RunJournal::defaultFolder()).removeRecursively();
        link = std::make_unique<SimulatedLink>();
        SlaveThread::Timing t = link->manager.worker().timing();
        t.pollGapMs = 30;
        link->manager.worker().setTiming(t);
        sim = link->plugIn("regulon", "RG100042");
        if (!sim)
            return false;
        sim->setCycleCounter(41);
        sim->setFirmwareVersion("9.8.7");
        answerer = std::make_unique<ModalAnswerer>();
        return true;
    }
    void tearDown()
    {
        window.reset(); // a run still going is saved here
        answerer.reset();
        link.reset();
    }

    // The window on the simulator's line, after the program read, ready to start.
    MainWindow &openConnected()
    {
        link->manager.changePort(link->port("regulon"));
        window = std::make_unique<MainWindow>(&link->manager);
        window->show();
        auto *start = child<QWidget>(*window, "buttonStart");
        if (!QTest::qWaitFor([&] { return start->isEnabled(); }, 15000))
            qFatal("the window never became ready to start");
        return *window;
    }

    // Starts the chosen program, answering the question; returns the log name.
    QString startRun()
    {
        answerer->answerBoxes({QMessageBox::Yes});
        QTest::mouseClick(child<QWidget>(*window, "buttonStart"), Qt::LeftButton);
        if (!QTest::qWaitFor([&] { return !child<QWidget>(*window, "buttonStop")->isHidden(); }, 10000))
            qFatal("the run never started");
        return child<QLineEdit>(*window, "lineEditLogName")->text();
    }

    // Whether the live curve grows during a few polling cycles.
    bool recording()
    {
        const int before = livePoints(*window);
        return waitForCommands("GET_TEMP\n", 3) && livePoints(*window) > before;
    }

    QStringList logFiles() const { return QDir(logs).entryList({"*.txt"}, QDir::Files); }

    bool boxShown(const QString &title, const QString &text) const
    {
        for (const ModalAnswerer::Box &box : answerer->boxes)
            if (box.title == title && box.text == text)
                return true;
        return false;
    }

    // Waits until the simulator has been asked `count` more times.
    bool waitForCommands(const QString &command, int count)
    {
        const int target = sim->receivedCommands().count(command) + count;
        return QTest::qWaitFor([&] { return sim->receivedCommands().count(command) >= target; }, 10000);
    }
};
