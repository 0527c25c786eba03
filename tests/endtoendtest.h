#pragma once

#include "app/startwindow.h"
#include "app/station.h"
#include "app/stationsettings.h"
#include "records/runrecordformat.h"
#include "tests/childwidget.h"
#include "tests/modalanswerer.h"
#include "tools/regulon-sim/regulonsim.h"
#include "ui/editporgramstepdialog.h"
#include "ui/mainwindow.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

// The station as its executable runs it: Station::run with the process-wide
// device link and its real timings, against a simulated controller on a
// pseudo-terminal whose clock runs faster. A first start with an empty
// settings store, the scan, Connect, the program read, a complete run of
// program 1 and its log, then program 2 edited, saved and read back. The
// user's part is played through the widgets and the boxes are answered as
// they come. Also run by the benchmarks, which watch the GUI thread meanwhile.
// What each piece does on its own is tested cheaper elsewhere; this proves
// that they fit.
class EndToEndTest : public QObject
{
    Q_OBJECT

    using CM = CommunicationManager;

    // Program 1 takes 1044 simulated seconds from room temperature, so 30 s
    // here; the polling delivers a sample every 1.2 to 3.2 s.
    static constexpr double simSpeed = 35.0;
    const QString serial = QStringLiteral("RG240117");
    const QString editedName = QStringLiteral("Wrapped cool");

    ModalAnswerer *answerer = nullptr;
    QStringList listedControllers; // what the device selection offered
    QString logName;               // of the run, as the window proposed it
    QDateTime clickedStart;

    static QStringList items(const QComboBox *chooser)
    {
        QStringList texts;
        for (int i = 0; i < chooser->count(); ++i)
            texts << chooser->itemText(i);
        return texts;
    }

    static void typeInto(QWidget *field, const QString &text)
    {
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(field, text);
    }

    // Modal windows other than message boxes: the device selection and the
    // step dialog (a program must end at or below 80 °C).
    bool handleDialog(QWidget *dialog)
    {
        if (auto *start = qobject_cast<StartWindow *>(dialog)) {
            auto *connect = child<QPushButton>(*start, "buttonConnect");
            if (!connect->isEnabled())
                return false; // still scanning
            listedControllers = items(child<QComboBox>(*start, "comboBoxRegulons"));
            QTest::mouseClick(connect, Qt::LeftButton);
            return true;
        }
        if (auto *step = qobject_cast<EditPorgramStepDialog *>(dialog)) {
            typeInto(child<QSpinBox>(*step, "spinBoxMinutes"), "5");
            typeInto(child<QDoubleSpinBox>(*step, "doubleSpinBoxTemp"), "70");
            QTest::mouseClick(child<QDialogButtonBox>(*step, "buttonBox")->button(QDialogButtonBox::Ok),
                              Qt::LeftButton);
            return true;
        }
        return false; // the save's progress dialog closes itself
    }

    // What the user does in the main window, from the program read to the
    // edited program read back.
    void useTheStation(MainWindow &w, RegulonSim &sim)
    {
        auto *programs = child<QComboBox>(w, "comboBoxPrograms");
        auto *editChooser = child<QComboBox>(w, "comboBoxProgramsEditTab");
        auto *start = child<QPushButton>(w, "buttonStart");
        QTRY_VERIFY_WITH_TIMEOUT(programs->count() == 6 && start->isEnabled() && !start->isHidden(), 30000);
        QStringList names;
        for (const CM::Program &p : sim.programs())
            names << p.name;
        QCOMPARE(items(programs), names);

        logName = child<QLineEdit>(w, "lineEditLogName")->text();
        clickedStart = QDateTime::currentDateTime();
        answerer->answerBoxes({QMessageBox::Yes});
        QTest::mouseClick(start, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(answerer->titles().contains("Success"), 120000);
        QTRY_VERIFY_WITH_TIMEOUT(start->isEnabled() && !start->isHidden(), 15000);

        // Program 2: a new name and a cool last step.
        auto *tabs = child<QTabWidget>(w, "tabWidget");
        QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(1).center());
        QTest::keyClick(editChooser, Qt::Key_Down);
        auto *name = child<QLineEdit>(w, "lineEditProgramName");
        auto *steps = child<QListWidget>(w, "listWidgetProgramSteps");
        const int stepsBefore = steps->count();
        typeInto(name, editedName);
        QTest::mouseClick(child<QPushButton>(w, "pushButtonAddAStep"), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>(w, "pushButtonEdirProgramSave"), Qt::LeftButton);

        // The read that follows the write shows the program as saved.
        QTRY_VERIFY_WITH_TIMEOUT(editChooser->count() == 6 && name->isEnabled(), 30000);
        names[1] = editedName;
        QCOMPARE(items(programs), names);
        QCOMPARE(items(editChooser), names);
        QTest::keyClick(editChooser, Qt::Key_Down);
        QCOMPARE(name->text(), editedName);
        QCOMPARE(steps->count(), stepsBefore + 1);
        const CM::Program saved = sim.programs().at(1);
        QCOMPARE(saved.steps.size(), stepsBefore + 1);
        QCOMPARE(saved.steps.last().minutes, 5);
        QCOMPARE(saved.steps.last().temperature, 70.0);
    }

    // The run's log: header field by field, rows against the samples the
    // station received during the run.
    void checkRunLog(const QString &fileName, const CM::Program &program, const QStringList &samples)
    {
        QFile file(fileName);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
        QCOMPARE(lines.takeLast(), QString()); // every line ends with a line feed
        QVERIFY2(lines.size() > 11, qPrintable(lines.join('\n')));
        QCOMPARE(lines.mid(0, 5), (QStringList{"Model: Vaporin Regulon 2", "Firmware Version: 2.7.3",
                                               "Software Version: 3.0.1", "Serial Number: " + serial,
                                               "Program Name: " + program.name}));
        QCOMPARE(lines.mid(7, 4), (QStringList{"Cycle Number: 117", "Status: Successfully completed", "Data Points",
                                               QString::fromUtf8("TimeStamp [hh:mm:ss]\tChamber temp. [°C]")}));
        const auto timeOf = [](const QString &line) {
            return QDateTime::fromString(line.section(": ", 1), "yyyy-MM-dd'T'HH:mm:ss.zzz'Z'");
        };
        const QDateTime started = timeOf(lines[5]);
        const QDateTime finished = timeOf(lines[6]);
        // Started when the controller acknowledged, a polling cycle or so
        // after the click; the program takes 30 s at this speed.
        QVERIFY2(clickedStart.msecsTo(started) >= 0 && clickedStart.msecsTo(started) < 10000, qPrintable(lines[5]));
        QVERIFY2(started.msecsTo(finished) > 29000, qPrintable(lines[6]));

        // Every second sample of the run, in time order.
        QStringList values;
        qint64 previous = -1;
        for (const QString &row : lines.mid(11)) {
            const QStringList cells = row.split('\t');
            QVERIFY2(cells.size() == 3 && cells[2].isEmpty(), qPrintable(row));
            const std::optional<qint64> seconds = RunRecordFormat::elapsedSeconds(cells[0]);
            QVERIFY2(seconds && *seconds > previous && *seconds <= started.secsTo(finished), qPrintable(row));
            previous = *seconds;
            values << cells[1];
        }
        QStringList everySecond;
        for (int i = 0; i < samples.size(); i += 2)
            everySecond << samples[i];
        QCOMPARE(values, everySecond);
    }

private slots:
    void firstStartRunsProgramOneAndSavesAnEditedProgramTwo()
    {
        QVERIFY(StationSettings().logFolder().isEmpty());
        QTemporaryDir ports;
        RegulonSim sim;
        sim.setSerialNumber(serial);
        sim.setCycleCounter(116);
        sim.setFirmwareVersion("2.7.3");
        sim.setSpeed(simSpeed);
        QVERIFY2(sim.plugIn(ports.filePath("ttyRegulon")), qPrintable(sim.errorString()));
        qputenv("REGULON_SERIAL_PORTS", QFile::encodeName(sim.linkPath()));
        const CM::Program program1 = sim.programs().first();

        // The device link that Station::run uses. Its restart would start
        // another test process; here it is only counted.
        CM *link = CM::instance();
        int restarts = 0;
        link->setRestartHandler([&] { ++restarts; });

        // Connected before the window's connections, so these see each
        // report first: the samples that the window records are those
        // between the start acknowledgement and the finished run.
        QObject watcher;
        bool running = false;
        QStringList samples;
        connect(link, &CM::gotProgramStatus, &watcher, [&](CM::ProgramStatus status) {
            if (status == CM::Running || status == CM::Finished)
                running = status == CM::Running;
        });
        connect(link, &CM::getTempData, &watcher, [&](CM::TempData data) {
            if (running)
                samples << RunRecordFormat::temperatureText(data.temperature);
        });

        ModalAnswerer boxes;
        answerer = &boxes;
        boxes.handleDialogs([this](QWidget *dialog) { return handleDialog(dialog); });

        // Once the main window shows, the user takes over; whatever
        // happened, the user leaves through the exit question at the end.
        QTimer user;
        connect(&user, &QTimer::timeout, &watcher, [&] {
            MainWindow *w = nullptr;
            for (QWidget *top : QApplication::topLevelWidgets())
                w = w ? w : qobject_cast<MainWindow *>(top);
            if (!w || !w->isVisible())
                return;
            user.stop();
            useTheStation(*w, sim);
            boxes.answerBoxes({QMessageBox::Yes});
            w->close();
        });
        user.start(20);
        QTimer neverHang;
        neverHang.setSingleShot(true);
        connect(&neverHang, &QTimer::timeout, [] { QApplication::exit(1); });
        neverHang.start(280000);

        const int exitCode = Station::run();
        link->setRestartHandler([] {});
        answerer = nullptr;
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(exitCode, 0);
        QCOMPARE(restarts, 0);
        QCOMPARE(listedControllers, QStringList{serial});
        QStringList seen;
        for (const ModalAnswerer::Box &box : boxes.boxes)
            seen << box.title + ": " + box.text;
        // The run's end is told twice: by the controller's finished bit
        // and by the station's report about the log, in either order.
        QStringList runEnd = seen.mid(2, 2);
        runEnd.sort();
        QVERIFY2(seen.size() == 5 && seen[0].startsWith("Log Folder: ") && seen[1].startsWith("START: ")
                     && seen[4].startsWith("Exit: ")
                     && runEnd == (QStringList{"Success: Program finished! Saved to " + logName + ".txt",
                                               "Vaporin - Information: The program finished successfully."}),
                 qPrintable(seen.join('\n')));

        const QString folder = StationSettings().logFolder();
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{logName + ".txt"});
        checkRunLog(folder + '/' + logName + ".txt", program1, samples);
    }
};
