#include "tests/isolateduser.h"
#include "tests/runfixture.h"

#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QtTest>

using CM = CommunicationManager;

namespace {

const QString sensorError = QStringLiteral("Sensor Error! Please restart the controller!");
// The run controls (see controls()) of a run and of an idle window.
const QString runningControls = QStringLiteral("start on hidden | stop on shown | refresh off shown | settings off");
const QString idleControls = QStringLiteral("start on shown | stop on hidden | refresh on shown | settings on");

QString state(QWidget *w)
{
    return QString(w->isEnabled() ? "on" : "off") + (w->isHidden() ? " hidden" : " shown");
}

// The Home tab's run controls, and whether the settings that a run fixes
// (program choice, log folder, log name, Programs tab) are all open, all
// closed, or mixed.
QString controls(MainWindow &w)
{
    const bool settings[] = {child<QWidget>(w, "comboBoxPrograms")->isEnabled(),
                             child<QWidget>(w, "groupBox_2")->isEnabled(),
                             child<QWidget>(w, "groupBox_3")->isEnabled(),
                             child<QTabWidget>(w, "tabWidget")->isTabEnabled(1)};
    const int open = int(std::count(std::begin(settings), std::end(settings), true));
    return QStringLiteral("time %1 | start %2 | stop %3 | refresh %4 | settings %5")
        .arg(child<QLabel>(w, "labelRunningTime")->text(), state(child<QWidget>(w, "buttonStart")),
             state(child<QWidget>(w, "buttonStop")), state(child<QWidget>(w, "buttonRefleshPrograms")),
             open == 4 ? "on" : open == 0 ? "off" : "mixed");
}

} // namespace

class TestRunControl : public QObject, public RunFixture
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(setUp()); }
    void cleanup() { tearDown(); }

    void completeRunIsLoggedOnceWithIdentityAndSamplesInTimeOrder()
    {
        QVERIFY(useQuickProgram(*sim));
        sim->setSpeed(20); // 30 s of heating and a minute of holding take 4.5 s
        MainWindow &w = openConnected();
        const QDateTime before = QDateTime::currentDateTime();
        const QString name = startRun();
        QVERIFY(sim->receivedCommands().contains("CMD_STAR 1\n"));
        QCOMPARE(controls(w).section(" | ", 1), runningControls);

        QTRY_VERIFY_WITH_TIMEOUT(boxShown("Success", "Program finished! Saved to " + name + ".txt"), 15000);
        // The controller keeps reporting its finished program.
        QVERIFY(waitForCommands("GET_STAT\n", 3));
        QCOMPARE(logFiles(), QStringList{name + ".txt"});
        QCOMPARE(answerer->titles().count("Success"), 1);
        QVERIFY(child<QLineEdit>(w, "lineEditLogName")->text() != name);
        QCOMPARE(controls(w).section(" | ", 2), QString("stop on hidden | refresh on shown | settings on"));

        const Log log(QDir(logs).filePath(name + ".txt"));
        QCOMPARE(log.lines.mid(0, 4), (QStringList{"Model: Vaporin Regulon 2", "Firmware Version: 9.8.7",
                                                   "Software Version: 3.0.1", "Serial Number: RG100042"}));
        QCOMPARE(log.field("Program Name"), QString("Quick 25"));
        QCOMPARE(log.field("Cycle Number"), QString("42"));
        QCOMPARE(log.field("Status"), QString("Successfully completed"));
        const QString format = "yyyy-MM-dd'T'HH:mm:ss.zzz'Z'";
        const QDateTime started = QDateTime::fromString(log.field("Time Started"), format);
        const QDateTime finished = QDateTime::fromString(log.field("Time Finished"), format);
        QVERIFY2(started.isValid() && finished.isValid(), qPrintable(log.lines.join('\n')));
        QVERIFY(before.msecsTo(started) >= 0 && started.msecsTo(finished) > 1000);
        QVERIFY(finished <= QDateTime::currentDateTime());

        const QStringList rows = log.lines.mid(11);
        QVERIFY2(rows.size() >= 3 && rows.last().isEmpty(), qPrintable(log.lines.join('\n')));
        QString previous;
        for (const QString &row : rows.mid(0, rows.size() - 1)) {
            const QRegularExpressionMatch m = QRegularExpression("^(\\d\\d:\\d\\d:\\d\\d)\t([0-9.]+)\t$").match(row);
            QVERIFY2(m.hasMatch(), qPrintable(row));
            QVERIFY(m.captured(1) > previous);
            previous = m.captured(1);
            QVERIFY(m.captured(2).toDouble() >= 20.0 && m.captured(2).toDouble() <= 25.0);
        }
    }

    void stoppingAsksFirstAndKeepsRecordingUnlessStopped_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("refusal"); // 0: the controller stops
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text"); // %1: the log name
        QTest::newRow("Yes") << int(QMessageBox::Yes) << 0 << "Cancelled" << "Program cancelled! Saved to %1.txt";
        QTest::newRow("Cancel") << int(QMessageBox::Cancel) << 0 << "STOP"
                                << "Do you want to stop the running program?";
        QTest::newRow("refused") << int(QMessageBox::Yes) << -3 << "Error"
                                 << "Can't stop the running program. Controller code: -3";
    }
    void stoppingAsksFirstAndKeepsRecordingUnlessStopped()
    {
        QFETCH(int, answer);
        QFETCH(int, refusal);
        QFETCH(QString, title);
        QFETCH(QString, text);
        MainWindow &w = openConnected();
        const QString name = startRun();
        if (refusal)
            sim->refuseNextStop(refusal);
        answerer->answerBoxes({QMessageBox::StandardButton(answer)});
        QTest::mouseClick(child<QWidget>(w, "buttonStop"), Qt::LeftButton);
        QCOMPARE(answerer->boxes.value(1).title, QString("STOP"));
        QTRY_VERIFY_WITH_TIMEOUT(boxShown(title, text.arg(name)), 10000);

        const bool stopped = answer == QMessageBox::Yes && !refusal;
        QCOMPARE(sim->receivedCommands().contains("CMD_STOP\n"), answer == QMessageBox::Yes);
        QCOMPARE(recording(), !stopped);
        QCOMPARE(state(child<QWidget>(w, "buttonStop")), QString(stopped ? "on hidden" : "on shown"));
        QCOMPARE(logFiles(), stopped ? QStringList{name + ".txt"} : QStringList());
        if (stopped)
            QCOMPARE(Log(QDir(logs).filePath(name + ".txt")).field("Status"), QString("Program cancelled by user"));
    }

    void refusedStartShowsTheControllersReason_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        QTest::newRow("known code") << -2 << "Can't start the program.";
        QTest::newRow("unknown code") << -9 << "Can't start the program. Controller code: -9";
    }
    void refusedStartShowsTheControllersReason()
    {
        QFETCH(int, code);
        QFETCH(QString, message);
        MainWindow &w = openConnected();
        sim->refuseNextStart(code);
        answerer->answerBoxes({QMessageBox::Yes});
        QTest::mouseClick(child<QWidget>(w, "buttonStart"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(boxShown("Error", message), 10000);
        QCOMPARE(answerer->boxes.last().icon, QMessageBox::Critical);
        // The start button comes back with the controller's next ready state.
        QTRY_COMPARE_WITH_TIMEOUT(controls(w), "time 00:00:00 | " + idleControls, 5000);
        QVERIFY(!recording());
    }

    void runningProgramIsOfferedForRecordingOnlyBeforeTheFirstRun_data()
    {
        QTest::addColumn<bool>("afterARun");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("adopted");
        QTest::newRow("first, Yes") << false << int(QMessageBox::Yes) << true;
        QTest::newRow("first, No") << false << int(QMessageBox::No) << false;
        QTest::newRow("after a run") << true << int(QMessageBox::Yes) << false;
    }
    void runningProgramIsOfferedForRecordingOnlyBeforeTheFirstRun()
    {
        QFETCH(bool, afterARun);
        QFETCH(int, answer);
        QFETCH(bool, adopted);
        MainWindow &w = openConnected();
        if (afterARun) {
            startRun();
            answerer->answerBoxes({QMessageBox::Yes});
            QTest::mouseClick(child<QWidget>(w, "buttonStop"), Qt::LeftButton);
            QTRY_COMPARE_WITH_TIMEOUT(logFiles().size(), 1, 10000);
            // The controller's own report of the stop comes first.
            QTRY_VERIFY_WITH_TIMEOUT(answerer->titles().contains("Vaporin - Error "), 10000);
        }
        const int boxesBefore = answerer->boxes.size();
        answerer->answerBoxes({QMessageBox::StandardButton(answer)});
        sim->setStatusBit(3, 5, true);
        QVERIFY(waitForCommands("GET_DIGI\n", 2));
        QStringList offers;
        for (const ModalAnswerer::Box &box : answerer->boxes.mid(boxesBefore))
            if (box.text.startsWith("A program is already running.\nDo you want to start recording temperature?"))
                offers << box.title;
        QCOMPARE(offers, afterARun ? QStringList() : QStringList{"Vaporin - Error"});
        if (afterARun)
            QCOMPARE(answerer->boxes.size(), boxesBefore);
        QCOMPARE(state(child<QWidget>(w, "buttonStop")), QString(adopted ? "on shown" : "off hidden"));
        if (adopted)
            QVERIFY(recording());
    }

    void controllerReportsDuringARun_data()
    {
        QTest::addColumn<int>("bit");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("answer"); // to "Do you want to save anyway?"
        QTest::addColumn<QString>("status"); // of the saved log, empty when none
        QTest::addColumn<bool>("runGoesOn");
        QTest::newRow("error, Save") << 24 << "Vaporin - Error" << int(QMessageBox::Save)
                                     << "Program stopped by error." << false;
        QTest::newRow("error, Discard") << 24 << "Vaporin - Error" << int(QMessageBox::Discard) << "" << false;
        QTest::newRow("title with a trailing blank") << 25 << "Vaporin - Error " << -1 << "" << true;
    }
    void controllerReportsDuringARun()
    {
        QFETCH(int, bit);
        QFETCH(QString, title);
        QFETCH(int, answer);
        QFETCH(QString, status);
        QFETCH(bool, runGoesOn);
        MainWindow &w = openConnected();
        const QString name = startRun();
        answerer->answerBoxes({QMessageBox::Ok, QMessageBox::StandardButton(answer)});
        sim->setStatusBit(3, bit, true);
        QTRY_VERIFY_WITH_TIMEOUT(answerer->titles().contains(title), 10000);
        QCOMPARE(answerer->boxes.at(answerer->titles().indexOf(title)).icon, QMessageBox::Warning);
        if (runGoesOn) {
            QVERIFY(waitForCommands("GET_DIGI\n", 2));
            QCOMPARE(answerer->titles().last(), title);
            QVERIFY(recording());
            QVERIFY(logFiles().isEmpty());
            QCOMPARE(RunJournal().journals().size(), 1);
            return;
        }
        QTRY_VERIFY_WITH_TIMEOUT(answerer->titles().contains("Finished because of an error"), 5000);
        if (status.isEmpty()) {
            QVERIFY(waitForCommands("GET_DIGI\n", 2));
            QVERIFY(logFiles().isEmpty());
        } else {
            QTRY_VERIFY_WITH_TIMEOUT(boxShown("Success", "Program cancelled! Saved to " + name + ".txt"), 5000);
            QCOMPARE(Log(QDir(logs).filePath(name + ".txt")).field("Status"), status);
        }
        QCOMPARE(controls(w).section(" | ", 1), idleControls);
        QVERIFY(!recording());
        QVERIFY(RunJournal().journals().isEmpty()); // saved, or discarded on purpose
    }

    void connectionLostDuringARunIsLoggedBeforeTheRestart()
    {
        openConnected();
        const QString name = startRun();
        const QString file = QDir(logs).filePath(name + ".txt");
        QString statusAtRestart;
        link->manager.setRestartHandler([&] { statusAtRestart = Log(file).field("Status"); });
        sim->setSilent(true);
        QTRY_VERIFY_WITH_TIMEOUT(!statusAtRestart.isEmpty(), 15000);
        QCOMPARE(statusAtRestart, QString("Connection lost"));
        QVERIFY(boxShown("Connecton Lost", "Connection lost! Program cancelled! Saved to " + name + ".txt"));
    }

    void closingDuringARunLogsItAndLeavesTheControllerRunning()
    {
        MainWindow &w = openConnected();
        const QString name = startRun();
        answerer->answerBoxes({QMessageBox::Yes});
        w.close();
        QVERIFY(!w.isVisible());
        window.reset();
        QCOMPARE(Log(QDir(logs).filePath(name + ".txt")).field("Status"), QString("Program cancelled by user"));
        QVERIFY(!sim->receivedCommands().contains("CMD_STOP\n"));
        QCOMPARE(sim->runState(), 20); // still heating
    }

    void sensorFaultDuringARunIsLogged()
    {
        MainWindow &w = openConnected();
        const QString name = startRun();
        sim->setSensorFault(true);
        QTRY_VERIFY_WITH_TIMEOUT(boxShown("Error", sensorError + "\nSaved to " + name + ".txt"), 10000);
        QCOMPARE(Log(QDir(logs).filePath(name + ".txt")).field("Status"), QString("Program stopped by sensor error."));
        QCOMPARE(controls(w).section(" | ", 2, 2), QString("stop on hidden"));
    }

    void failedLogWriteOffersAnotherPlace_data()
    {
        QTest::addColumn<int>("answer"); // to each offer to save elsewhere
        QTest::addColumn<int>("dialogsCancelled");
        QTest::addColumn<bool>("saved");
        QTest::newRow("saved elsewhere") << int(QMessageBox::Save) << 0 << true;
        QTest::newRow("dialog cancelled, then saved elsewhere") << int(QMessageBox::Save) << 1 << true;
        QTest::newRow("given up") << int(QMessageBox::Discard) << 0 << false;
    }
    void failedLogWriteOffersAnotherPlace()
    {
        QFETCH(int, answer);
        QFETCH(int, dialogsCancelled);
        QFETCH(bool, saved);
        QTemporaryDir elsewhere;
        const QString chosen = elsewhere.filePath("kept");
        QString proposed;
        answerer->handleDialogs([&](QWidget *dialog) {
            auto *files = qobject_cast<QFileDialog *>(dialog);
            if (!files)
                return false;
            proposed = files->selectedFiles().value(0);
            if (dialogsCancelled-- > 0) {
                files->reject();
            } else {
                chooseFile(files, chosen);
            }
            return true;
        });
        MainWindow &w = openConnected();
        const QString name = startRun();
        QVERIFY(QDir(logs).removeRecursively());
        // The controller's report of the stop may come before or after the
        // failure: answered by title, each box gets its own answer.
        answerer->answerBoxesTitled("STOP", QMessageBox::Yes);
        answerer->answerBoxesTitled("Error", QMessageBox::StandardButton(answer));
        QTest::mouseClick(child<QWidget>(w, "buttonStop"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(answerer->titles().contains(saved ? "Cancelled" : "Error"), 10000);

        const ModalAnswerer::Box failure = answerer->boxes.at(answerer->titles().indexOf("Error"));
        QVERIFY2(failure.text.contains(QDir(logs).filePath(name + ".txt")) && failure.text.contains("does not exist"),
                 qPrintable(failure.text));
        if (saved) {
            QVERIFY(proposed.endsWith("/" + name + ".txt"));
            QVERIFY(boxShown("Cancelled", "Program cancelled! Saved to " + chosen + ".txt"));
            QCOMPARE(Log(chosen + ".txt").field("Status"), QString("Program cancelled by user"));
        } else {
            QTRY_VERIFY_WITH_TIMEOUT(answerer->titles().count("Error") == 2, 5000);
            QCOMPARE(answerer->boxes.last().text,
                     QString("The run log was NOT saved.\nResult of the run: Program cancelled by user\n"
                             "The station keeps the record and offers to save it again at its next start."));
            QVERIFY(!answerer->titles().contains("Cancelled"));
            QVERIFY(QDir(elsewhere.path()).isEmpty());
        }
    }

    // Reports of a run that has already ended, as they may arrive while its
    // boxes are open or just after.
    void lateReportsDoNotSaveTheRunAgain_data()
    {
        QTest::addColumn<QList<int>>("reports"); // after Running
        QTest::addColumn<QString>("status");
        QTest::newRow("finished, repeated") << QList<int>{CM::Finished, CM::Finished} << "Successfully completed";
        QTest::newRow("stop confirmed after finishing") << QList<int>{CM::Finished, CM::Stopped}
                                                        << "Successfully completed";
        QTest::newRow("stop refused after finishing") << QList<int>{CM::Finished, CM::StopFailed, CM::Finished}
                                                      << "Successfully completed";
        QTest::newRow("sensor fault, repeated") << QList<int>{CM::SensorError, CM::SensorError}
                                                << "Program stopped by sensor error.";
    }
    void lateReportsDoNotSaveTheRunAgain()
    {
        QFETCH(QList<int>, reports);
        QFETCH(QString, status);
        MainWindow w(&link->manager);
        w.on_programStatusChanged(CM::Running, QString());
        for (int report : reports)
            w.on_programStatusChanged(CM::ProgramStatus(report), "refused");
        QCOMPARE(logFiles().size(), 1);
        QCOMPARE(Log(QDir(logs).filePath(logFiles().first())).field("Status"), status);
        int announced = 0;
        for (const ModalAnswerer::Box &box : answerer->boxes)
            announced += box.text.contains("Saved to");
        QCOMPARE(announced, 1);
        QCOMPARE(state(child<QWidget>(w, "buttonStop")), QString("on hidden"));
    }

    void runAdoptedWhileARefusalIsShownGoesOn()
    {
        MainWindow w(&link->manager);
        answerer->whenBoxShown([&](QMessageBox *box) {
            if (box->text() == "Can't start the program. A program is running.")
                w.on_programStatusChanged(CM::Running, QString()); // the user agreed to record it
        });
        w.on_programStatusChanged(CM::StartFailed, "Can't start the program. A program is running.");
        QCOMPARE(controls(w).section(" | ", 1), runningControls);
    }

    void runControlsFollowTheStatus_data()
    {
        // Before: time 12:34:56, start off hidden, stop on shown, refresh off
        // hidden, settings mixed.
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("stop");
        QTest::addColumn<QString>("refresh");
        QTest::addColumn<QString>("settings");
        const QString before = "12:34:56";
        QTest::newRow("Idle") << int(CM::Idle) << "00:00:00" << "off shown" << "on hidden" << "on hidden" << "on";
        QTest::newRow("Finished") << int(CM::Finished) << "00:00:00" << "off shown" << "on hidden" << "on hidden"
                                  << "on";
        QTest::newRow("Running") << int(CM::Running) << before << "on hidden" << "on shown" << "off hidden" << "off";
        QTest::newRow("StartRequested") << int(CM::StartRequested) << before << "off hidden" << "off shown"
                                        << "off hidden" << "off";
        QTest::newRow("StopRequested") << int(CM::StopRequested) << before << "off hidden" << "off shown"
                                       << "off hidden" << "off";
        QTest::newRow("ReadFailed") << int(CM::ReadFailed) << before << "off hidden" << "off shown" << "on shown"
                                    << "off";
        QTest::newRow("ConnectionLost") << int(CM::ConnectionLost) << before << "off hidden" << "on shown"
                                        << "off hidden" << "mixed";
        QTest::newRow("SensorError") << int(CM::SensorError) << before << "off hidden" << "on shown" << "off hidden"
                                     << "mixed";
    }
    void runControlsFollowTheStatus()
    {
        QFETCH(int, status);
        QFETCH(QString, time);
        QFETCH(QString, start);
        QFETCH(QString, stop);
        QFETCH(QString, refresh);
        QFETCH(QString, settings);
        MainWindow w(&link->manager);
        child<QLabel>(w, "labelRunningTime")->setText("12:34:56");
        for (const char *name : {"buttonStart", "buttonRefleshPrograms", "groupBox_3"})
            child<QWidget>(w, name)->setEnabled(false);
        for (const char *name : {"buttonStart", "buttonRefleshPrograms"})
            child<QWidget>(w, name)->hide();
        child<QWidget>(w, "buttonStop")->show();
        w.setRunControls(status);
        QCOMPARE(controls(w), QString("time %1 | start %2 | stop %3 | refresh %4 | settings %5")
                                  .arg(time, start, stop, refresh, settings));
    }

    void digitalStateAllowsStarting_data()
    {
        // Before: start on hidden, stop on shown.
        QTest::addColumn<int>("status"); // the window's, reached by reports
        QTest::addColumn<bool>("outOfRange");
        QTest::addColumn<bool>("choosable");
        QTest::addColumn<int>("digi");
        QTest::addColumn<QString>("expected");
        const QString ready = "start on shown | stop on hidden";
        const QString blocked = "start off hidden | stop off shown";
        const QString unchanged = "start on hidden | stop on shown";
        QTest::newRow("ok") << int(CM::Idle) << false << true << int(CM::DigiOk) << ready;
        QTest::newRow("ok after a finished report") << int(CM::Finished) << false << true << int(CM::DigiOk) << ready;
        QTest::newRow("ok while running") << int(CM::Running) << false << true << int(CM::DigiOk) << unchanged;
        QTest::newRow("ok, temperature out of range") << int(CM::Idle) << true << true << int(CM::DigiOk) << unchanged;
        QTest::newRow("ok, no program choice") << int(CM::Idle) << false << false << int(CM::DigiOk) << unchanged;
        QTest::newRow("alarm") << int(CM::Idle) << false << true << int(CM::DigiAlarm) << blocked;
        QTest::newRow("alarm after a failed read") << int(CM::ReadFailed) << false << true << int(CM::DigiAlarm)
                                                   << blocked;
        QTest::newRow("alarm while running") << int(CM::Running) << false << true << int(CM::DigiAlarm) << unchanged;
        QTest::newRow("run ended") << int(CM::Running) << false << false << int(CM::DigiRunEnded) << ready;
        QTest::newRow("run ended while idle") << int(CM::Idle) << false << true << int(CM::DigiRunEnded) << unchanged;
    }
    void digitalStateAllowsStarting()
    {
        QFETCH(int, status);
        QFETCH(bool, outOfRange);
        QFETCH(bool, choosable);
        QFETCH(int, digi);
        MainWindow w(&link->manager);
        if (status != CM::Idle) {
            if (status == CM::ReadFailed)
                answerer->answerBoxes({QMessageBox::Ok});
            w.on_programStatusChanged(CM::ProgramStatus(status), QString());
        }
        CM::TempData sample;
        sample.temperature = outOfRange ? 150.0f : 20.0f;
        w.on_tempDataUpdated(sample);
        child<QWidget>(w, "comboBoxPrograms")->setEnabled(choosable);
        for (const char *name : {"buttonStart", "buttonStop"})
            child<QWidget>(w, name)->setEnabled(true);
        child<QWidget>(w, "buttonStart")->hide();
        child<QWidget>(w, "buttonStop")->show();

        w.digiUpdate(CM::DigiStatus(digi));
        QTEST(controls(w).section(" | ", 1, 2), "expected");
        if (digi == CM::DigiRunEnded && status == CM::Running) // the window is idle again
            QCOMPARE(controls(w).section(" | ", 4), QString("settings on"));
    }
};

STATION_GUI_TEST_MAIN(TestRunControl)
#include "tst_runcontrol.moc"
