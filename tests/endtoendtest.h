#pragma once

#include "app/startwindow.h"
#include "app/station.h"
#include "app/stationsettings.h"
#include "records/runrecordformat.h"
#include "tests/childwidget.h"
#include "tests/modalanswerer.h"
#include "tools/regulon-sim/chambermodel.h"
#include "tools/regulon-sim/regulonsim.h"
#include "ui/editporgramstepdialog.h"
#include "ui/mainwindow.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
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
class EndToEndTest : public QObject
{
    Q_OBJECT

public:
    // Program 1 takes 1044 simulated seconds from room temperature, so about
    // 70 s here; the polling still delivers a sample every 1.2 to 3.2 s.
    static constexpr double simSpeed = 15.0;

private:
    using CM = CommunicationManager;

    const QString serial = QStringLiteral("RG240117");
    const QString firmware = QStringLiteral("2.7.3");
    const int cycleBefore = 116;
    const QString editedName = QStringLiteral("Wrapped cool");
    // The added last step: a program must end at or below 80 °C.
    const int addedMinutes = 5;
    const double addedCelsius = 70.0;

    ModalAnswerer *answerer = nullptr;
    QStringList listedControllers;  // what the device selection offered
    bool progressShown = false;     // the save's progress dialog
    int progressAtWriteEnd = -2;    // its value when the write ended; -1: closed before
    bool writeSucceeded = false;
    QString logName;                // of the run, as the window proposed it
    QDateTime clickedStart;

    static QStringList items(const QComboBox *chooser)
    {
        QStringList texts;
        for (int i = 0; i < chooser->count(); ++i)
            texts << chooser->itemText(i);
        return texts;
    }

    static QStringList names(const QList<CM::Program> &programs)
    {
        QStringList texts;
        for (const CM::Program &p : programs)
            texts << p.name;
        return texts;
    }

    static MainWindow *mainWindow()
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *found = qobject_cast<MainWindow *>(w))
                return found;
        return nullptr;
    }

    static void typeInto(QWidget *field, const QString &text)
    {
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(field, text);
    }

    // Modal windows other than message boxes: the device selection, the
    // step dialog and the save's progress dialog.
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
            typeInto(child<QSpinBox>(*step, "spinBoxMinutes"), QString::number(addedMinutes));
            typeInto(child<QDoubleSpinBox>(*step, "doubleSpinBoxTemp"), QString::number(addedCelsius));
            QTest::mouseClick(child<QDialogButtonBox>(*step, "buttonBox")->button(QDialogButtonBox::Ok),
                              Qt::LeftButton);
            return true;
        }
        if (qobject_cast<QProgressDialog *>(dialog))
            progressShown = true; // closes itself when the write has ended
        return false;
    }

    // What the user does in the main window, from the program read to the
    // edited program read back.
    void useTheStation(MainWindow &w, RegulonSim &sim)
    {
        auto *programs = child<QComboBox>(w, "comboBoxPrograms");
        auto *editChooser = child<QComboBox>(w, "comboBoxProgramsEditTab");
        auto *start = child<QPushButton>(w, "buttonStart");
        QTRY_VERIFY_WITH_TIMEOUT(programs->count() == 6 && start->isEnabled() && !start->isHidden(), 30000);
        const QList<CM::Program> stored = sim.programs();
        QCOMPARE(items(programs), names(stored));
        QCOMPARE(items(editChooser), names(stored));

        QCOMPARE(programs->currentIndex(), 0);
        logName = child<QLineEdit>(w, "lineEditLogName")->text();
        clickedStart = QDateTime::currentDateTime();
        answerer->answerBoxes({QMessageBox::Yes});
        QTest::mouseClick(start, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!child<QWidget>(w, "buttonStop")->isHidden(), 15000);
        QVERIFY(sim.receivedCommands().contains("CMD_STAR 1\n"));

        QTRY_VERIFY_WITH_TIMEOUT(answerer->titles().contains("Success"), 180000);
        QTRY_VERIFY_WITH_TIMEOUT(start->isEnabled() && !start->isHidden(), 15000);

        // Program 2: a new name and a cool last step.
        auto *tabs = child<QTabWidget>(w, "tabWidget");
        QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(1).center());
        QCOMPARE(tabs->currentIndex(), 1);
        QTest::keyClick(editChooser, Qt::Key_Down);
        QCOMPARE(editChooser->currentIndex(), 1);
        auto *name = child<QLineEdit>(w, "lineEditProgramName");
        auto *steps = child<QListWidget>(w, "listWidgetProgramSteps");
        QCOMPARE(name->text(), stored[1].name);
        QCOMPARE(steps->count(), stored[1].steps.size());
        typeInto(name, editedName);
        QTest::mouseClick(child<QPushButton>(w, "pushButtonAddAStep"), Qt::LeftButton);
        QCOMPARE(steps->count(), stored[1].steps.size() + 1);

        auto *save = child<QPushButton>(w, "pushButtonEdirProgramSave");
        QVERIFY(save->isEnabled());
        QTest::mouseClick(save, Qt::LeftButton);
        QVERIFY(progressShown);
        QVERIFY(writeSucceeded);
        QCOMPARE(progressAtWriteEnd, 6); // open at its maximum until the last acknowledgement

        // The read that follows the write shows the program as saved.
        QTRY_VERIFY_WITH_TIMEOUT(editChooser->count() == 6 && name->isEnabled(), 30000);
        QList<CM::Program> expected = stored;
        expected[1].name = editedName;
        expected[1].steps.append({0, addedMinutes, addedCelsius});
        QCOMPARE(items(programs), names(expected));
        QCOMPARE(items(editChooser), names(expected));
        QTest::keyClick(editChooser, Qt::Key_Down);
        QCOMPARE(name->text(), editedName);
        QCOMPARE(steps->count(), expected[1].steps.size());
        QVERIFY(!save->isEnabled());

        const QList<CM::Program> image = sim.programs();
        QCOMPARE(names(image), names(expected));
        for (int i = 0; i < expected.size(); ++i) {
            QCOMPARE(image[i].steps.size(), expected[i].steps.size());
            for (int s = 0; s < expected[i].steps.size(); ++s) {
                QCOMPARE(image[i].steps[s].minutes, expected[i].steps[s].minutes);
                QCOMPARE(image[i].steps[s].temperature, expected[i].steps[s].temperature);
            }
        }
        const QStringList commands = sim.receivedCommands();
        QVERIFY(commands.lastIndexOf("GET_EEPR\n") > commands.lastIndexOf(":00000001FF\n"));
    }

    // Seconds the chamber model needs for the program from room temperature.
    static double programSeconds(const CM::Program &program)
    {
        double seconds = 0.0;
        double celsius = ChamberModel::ambientCelsius;
        for (const CM::ProgramStep &step : program.steps) {
            seconds += std::abs(step.temperature - celsius) / ChamberModel::rampCelsiusPerSecond + step.minutes * 60;
            celsius = step.temperature;
        }
        return seconds;
    }

    // The run's log: header field by field, rows against the samples the
    // station received during the run.
    void checkRunLog(const QString &fileName, const CM::Program &program, const QStringList &samples)
    {
        QFile file(fileName);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(fileName));
        QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
        QCOMPARE(lines.takeLast(), QString()); // every line ends with a line feed
        QVERIFY2(lines.size() > 11, qPrintable(lines.join('\n')));
        QCOMPARE(lines.mid(0, 5), (QStringList{"Model: Vaporin Regulon 2", "Firmware Version: " + firmware,
                                               "Software Version: 3.0.1", "Serial Number: " + serial,
                                               "Program Name: " + program.name}));
        QCOMPARE(lines.mid(7, 4),
                 (QStringList{"Cycle Number: " + QString::number(cycleBefore + 1), "Status: Successfully completed",
                              "Data Points", QString::fromUtf8("TimeStamp [hh:mm:ss]\tChamber temp. [°C]")}));

        const QRegularExpression stamp("^Time (Started|Finished): (\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d\\.\\d{3}Z)$");
        const auto timeOf = [&](const QString &line) {
            const QRegularExpressionMatch m = stamp.match(line);
            return m.hasMatch() ? QDateTime::fromString(m.captured(2), "yyyy-MM-dd'T'HH:mm:ss.zzz'Z'") : QDateTime();
        };
        QVERIFY2(lines[5].startsWith("Time Started: ") && lines[6].startsWith("Time Finished: "),
                 qPrintable(lines.join('\n')));
        const QDateTime started = timeOf(lines[5]);
        const QDateTime finished = timeOf(lines[6]);
        QVERIFY2(started.isValid() && finished.isValid(), qPrintable(lines[5] + '\n' + lines[6]));
        // Started when the controller acknowledged, a polling cycle or so
        // after the click.
        QVERIFY(clickedStart.msecsTo(started) >= 0 && clickedStart.msecsTo(started) < 10000);
        // The run lasts as long as the program takes at the simulator's
        // speed; the end is seen at the next run-status query.
        const double runSeconds = started.msecsTo(finished) / 1000.0;
        const double programTakes = programSeconds(program) / simSpeed;
        QVERIFY2(runSeconds > programTakes - 1.0 && runSeconds < programTakes + 15.0,
                 qPrintable(QString("run %1 s, program %2 s").arg(runSeconds).arg(programTakes)));

        // Every second sample of the run, in time order.
        QStringList keys;
        QStringList values;
        for (const QString &row : lines.mid(11)) {
            const QStringList cells = row.split('\t');
            QVERIFY2(cells.size() == 3 && cells[2].isEmpty(), qPrintable(row));
            keys << cells[0];
            values << cells[1];
        }
        QStringList everySecond;
        for (int i = 0; i < samples.size(); i += 2)
            everySecond << samples[i];
        QCOMPARE(values, everySecond);
        qint64 previous = -1;
        for (int i = 0; i < keys.size(); ++i) {
            const std::optional<qint64> seconds = RunRecordFormat::elapsedSeconds(keys[i]);
            QVERIFY2(seconds, qPrintable(keys[i]));
            if (i == 0) {
                QVERIFY2(*seconds <= 4, qPrintable(keys[i]));
            } else {
                // Two polling cycles of 1.2 to 3.2 s lie between rows.
                QVERIFY2(*seconds - previous >= 2 && *seconds - previous <= 10, qPrintable(keys.join(' ')));
                // Heating no faster than the chamber can.
                const double rise = values[i].toDouble() - values[i - 1].toDouble();
                QVERIFY2(rise <= ChamberModel::rampCelsiusPerSecond * simSpeed * (*seconds - previous + 1) + 0.1,
                         qPrintable(values.join(' ')));
            }
            QVERIFY(*seconds <= runSeconds);
            previous = *seconds;
        }

        // The profile of program 1: from room temperature up to the air
        // removal hold, then up to the sterilising hold.
        const double hold = program.steps.last().temperature;
        QVERIFY2(samples.first().toDouble() < 40.0, qPrintable(samples.join(' ')));
        const int reached = samples.indexOf(QString::number(hold));
        QVERIFY2(reached > 0, qPrintable(samples.join(' ')));
        for (int i = 1; i <= reached; ++i)
            QVERIFY2(samples[i].toDouble() >= samples[i - 1].toDouble(), qPrintable(samples.join(' ')));
        QVERIFY2(samples.count(QString::number(program.steps.first().temperature)) >= 2, qPrintable(samples.join(' ')));
        QVERIFY2(samples.count(QString::number(hold)) >= 3, qPrintable(samples.join(' ')));
        for (const QString &sample : samples)
            QVERIFY2(sample.toDouble() <= hold, qPrintable(samples.join(' ')));
    }

private slots:
    void firstStartRunsProgramOneAndSavesAnEditedProgramTwo()
    {
        QVERIFY(StationSettings().logFolder().isEmpty());
        QTemporaryDir ports;
        RegulonSim sim;
        sim.setSerialNumber(serial);
        sim.setCycleCounter(cycleBefore);
        sim.setFirmwareVersion(firmware);
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
            if (status == CM::Running)
                running = true;
            else if (status == CM::Finished)
                running = false;
        });
        connect(link, &CM::getTempData, &watcher, [&](CM::TempData data) {
            if (running)
                samples << RunRecordFormat::temperatureText(data.temperature);
        });
        connect(link, &CM::programUpdated, &watcher, [&](bool isSuccess) {
            writeSucceeded = isSuccess;
            auto *dialog = qobject_cast<QProgressDialog *>(QApplication::activeModalWidget());
            progressAtWriteEnd = dialog && dialog->isVisible() ? dialog->value() : -1;
        });

        ModalAnswerer boxes;
        answerer = &boxes;
        boxes.handleDialogs([this](QWidget *dialog) { return handleDialog(dialog); });

        // Once the main window shows, the user takes over; whatever
        // happened, the user leaves through the exit question at the end.
        QTimer user;
        connect(&user, &QTimer::timeout, &watcher, [&] {
            MainWindow *w = mainWindow();
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
        QVERIFY2(seen.size() == 5 && seen[0].startsWith("Log Folder: ") && seen[1].startsWith("START: ") && seen[4].startsWith("Exit: ")
                     && runEnd == (QStringList{"Success: Program finished! Saved to " + logName + ".txt",
                                               "Vaporin - Information: The program finished successfully."}),
                 qPrintable(seen.join('\n')));

        // The first start chose the log folder below the documents and said so.
        const QString announced = boxes.boxes.first().text;
        QVERIFY(announced.startsWith("Log Folder path is set to:\n"));
        const QString folder = announced.section('\n', 1);
        QCOMPARE(folder, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + "/Vaporin/Protokolle");
        QCOMPARE(StationSettings().logFolder(), folder);
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{logName + ".txt"});
        checkRunLog(folder + '/' + logName + ".txt", program1, samples);
    }
};
