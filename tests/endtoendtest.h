#pragma once

#include "app/startwindow.h"
#include "app/station.h"
#include "app/stationsettings.h"
#include "records/runrecordformat.h"
#include "register/auditevents.h"
#include "register/cyclefields.h"
#include "register/cycleregister.h"
#include "register/sha256.h"
#include "tests/childwidget.h"
#include "tests/modalanswerer.h"
#include "tests/registertestdata.h"
#include "tools/regulon-sim/regulonsim.h"
#include "ui/mainwindow.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

// The station as its executable runs it: Station::run with the process-wide
// device link and its real timings, against a simulated controller on a
// pseudo-terminal whose clock runs faster. A first start with an empty
// settings store, the scan, Connect, the program read, a complete run of
// program 1, its log and its register entry, then program 2 renamed, given
// a step, saved, read back and audited. The user's part is played through the widgets and the boxes are
// answered as they come. Also run by the benchmarks, which watch the GUI
// thread meanwhile. What each piece does on its own is tested cheaper
// elsewhere; this proves that they fit.
class EndToEndTest : public QObject
{
    Q_OBJECT

    const QString serial = QStringLiteral("RG240117");
    ModalAnswerer boxes;
    QString offered; // how many controllers the device selection offered, and the first
    QString logName; // of the run, as the window proposed it

    // The device selection, once it has scanned, and the new step: 5 minutes
    // at 70 °C, as a program must end at 80 °C or below. The save's progress
    // dialog closes itself.
    bool handleDialog(QWidget *dialog)
    {
        if (auto *celsius = dialog->findChild<QDoubleSpinBox *>("doubleSpinBoxTemp")) {
            celsius->setValue(70.0);
            static_cast<QDialog *>(dialog)->accept(); // OK
            return true;
        }
        auto *start = qobject_cast<StartWindow *>(dialog);
        auto *connect = start ? child<QPushButton>(*start, "buttonConnect") : nullptr;
        if (!connect || !connect->isEnabled())
            return false;
        auto *controllers = child<QComboBox>(*start, "comboBoxRegulons");
        offered = QString::number(controllers->count()) + ' ' + controllers->itemText(0);
        QTest::mouseClick(connect, Qt::LeftButton);
        return true;
    }

    // What the user does in the main window: program 1 run to its end, then
    // program 2 edited and saved.
    void useTheStation(MainWindow &w)
    {
        auto *programs = child<QComboBox>(w, "comboBoxPrograms");
        auto *start = child<QPushButton>(w, "buttonStart");
        QTRY_VERIFY_WITH_TIMEOUT(programs->count() == 6 && start->isEnabled() && !start->isHidden(), 30000);
        logName = child<QLineEdit>(w, "lineEditLogName")->text();
        boxes.answerBoxes({QMessageBox::Yes});
        QTest::mouseClick(start, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(boxes.titles().contains("Success"), 120000);
        QTRY_VERIFY_WITH_TIMEOUT(start->isEnabled() && !start->isHidden(), 15000);

        auto *tabs = child<QTabWidget>(w, "tabWidget");
        QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(1).center());
        auto *chooser = child<QComboBox>(w, "comboBoxProgramsEditTab");
        auto *name = child<QLineEdit>(w, "lineEditProgramName");
        auto *list = child<QListWidget>(w, "listWidgetProgramSteps");
        const auto shownSteps = [list] {
            QStringList shown;
            for (int i = 0; i < list->count(); ++i)
                shown << child<QLabel>(*list->itemWidget(list->item(i)), "stepDesc_3")->text();
            return shown;
        };
        QTest::keyClick(chooser, Qt::Key_Down);
        const QStringList steps = shownSteps() << QString::fromUtf8("5 minutes at 70.0 °C");
        QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(name, "Wrapped cool");
        QTest::mouseClick(child<QPushButton>(w, "pushButtonAddAStep"), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>(w, "pushButtonEdirProgramSave"), Qt::LeftButton);
        // The read that follows the save: its programs as the controller holds them.
        QTRY_VERIFY_WITH_TIMEOUT(chooser->count() == 6 && name->isEnabled(), 30000);
        chooser->setCurrentIndex(1);
        QCOMPARE(name->text(), QString("Wrapped cool"));
        QCOMPARE(shownSteps(), steps);
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
        // Program 1 takes 1368 simulated seconds from room temperature, so
        // 39 s here; the polling delivers a sample every 1.2 to 3.2 s.
        sim.setSpeed(35);
        QVERIFY2(sim.plugIn(ports.filePath("ttyRegulon")), qPrintable(sim.errorString()));
        qputenv("REGULON_SERIAL_PORTS", QFile::encodeName(sim.linkPath()));

        // The device link that Station::run uses. Its restart would start
        // another test process; here it is only counted.
        int restarts = 0;
        CommunicationManager::instance()->setRestartHandler([&] { ++restarts; });
        boxes.handleDialogs([this](QWidget *dialog) { return handleDialog(dialog); });

        // Once the main window shows, the user takes over; whatever
        // happened, the user leaves through the exit question at the end.
        QTimer user;
        connect(&user, &QTimer::timeout, this, [&] {
            MainWindow *w = nullptr;
            for (QWidget *top : QApplication::topLevelWidgets())
                w = w ? w : qobject_cast<MainWindow *>(top);
            if (!w || !w->isVisible())
                return;
            user.stop();
            useTheStation(*w);
            boxes.answerBoxes({QMessageBox::Yes});
            w->close();
        });
        user.start(20);
        const int exitCode = Station::run();
        CommunicationManager::instance()->setRestartHandler([] {});
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(exitCode, 0);
        QCOMPARE(restarts, 0);
        QCOMPARE(offered, "1 " + serial);
        // The log folder chosen at the first start, the start question, the
        // run's end told by the controller and by the station, the exit.
        QStringList titles = boxes.titles();
        titles.sort();
        QCOMPARE(titles, (QStringList{"Exit", "Log Folder", "START", "Success", "Vaporin - Information"}));
        QCOMPARE(sim.programs().at(1).name, QString("Wrapped cool"));

        // The log: header field by field, then its rows in time order over
        // the run, heating towards the sterilising hold at 134 °C.
        const QString folder = StationSettings().logFolder();
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{logName + ".txt"});
        QFile file(folder + '/' + logName + ".txt");
        QVERIFY(file.open(QIODevice::ReadOnly));
        QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
        QCOMPARE(lines.takeLast(), QString()); // every line ends with a line feed
        QVERIFY2(lines.size() > 13, qPrintable(lines.join('\n')));
        QCOMPARE(lines.mid(0, 5) + lines.mid(7, 4),
                 (QStringList{"Model: Vaporin Regulon 2", "Firmware Version: 2.7.3", "Software Version: 3.0.1",
                              "Serial Number: " + serial, "Program Name: " + sim.programs().first().name,
                              "Cycle Number: 117", "Status: Successfully completed", "Data Points",
                              QString::fromUtf8("TimeStamp [hh:mm:ss]\tChamber temp. [°C]")}));
        const QDateTime started = QDateTime::fromString(lines[5].section(": ", 1), "yyyy-MM-dd'T'HH:mm:ss.zzz'Z'");
        const QDateTime finished = QDateTime::fromString(lines[6].section(": ", 1), "yyyy-MM-dd'T'HH:mm:ss.zzz'Z'");
        QVERIFY2(started.isValid() && started.msecsTo(finished) > 29000, qPrintable(lines[5] + lines[6]));
        qint64 previous = -1;
        for (const QString &row : lines.mid(11)) {
            const QStringList cells = row.split('\t');
            const std::optional<qint64> seconds = RunRecordFormat::elapsedSeconds(cells[0]);
            QVERIFY2(cells.size() == 3 && cells[2].isEmpty() && seconds && *seconds > previous
                         && *seconds <= started.secsTo(finished) && cells[1].toDouble() >= 19.0
                         && cells[1].toDouble() <= 134.0,
                     qPrintable(row));
            previous = *seconds;
        }
        // Past air removal to the hold, then cooled to end the program.
        const auto hottest = std::max_element(lines.cbegin() + 11, lines.cend(), [](const QString &a, const QString &b) {
            return a.section('\t', 1, 1).toDouble() < b.section('\t', 1, 1).toDouble();
        });
        QVERIFY2(hottest->section('\t', 1, 1).toDouble() > 130.0, qPrintable(*hottest));
        QVERIFY2(lines.last().section('\t', 1, 1).toDouble() < 100.0, qPrintable(lines.last()));

        // The register: the run with every sample (the log made again from
        // it is the log), and the program write.
        CycleRegister cycleRegister("end-to-end");
        QVERIFY(cycleRegister.open(CycleRegister::defaultPath()));
        const QVector<Cycle> entries = cycleRegister.cycles({}, -1).value_or(QVector<Cycle>());
        QCOMPARE(entries.size(), 1);
        const Cycle entry = cycleRegister.cycle(entries[0].id).value_or(Cycle());
        QCOMPARE(QString("%1 %2 %3 %4").arg(entry.controllerSerial).arg(entry.cycleNumber).arg(entry.programNumber)
                     .arg(CycleFields::originText(entry.origin)),
                 serial + " 117 1 recorded");
        QCOMPARE(CycleFields::stepsText(entry.steps), CycleFields::stepsText(sim.programs().at(0).steps));
        QCOMPARE(entry.logPath, file.fileName());
        file.seek(0);
        const QByteArray log = file.readAll();
        QCOMPARE(entry.logSha256, Sha256::hex(log));
        QCOMPARE(RegisterTestData::log(entry), log);
        // The write of program 2 names the controller chosen at the start.
        const QVector<AuditEvent> events = cycleRegister.events().value_or(QVector<AuditEvent>());
        QVERIFY(std::any_of(events.cbegin(), events.cend(), [this](const AuditEvent &e) {
            return e.kind == AuditEvents::programWriteKind && e.controllerSerial == serial;
        }));
    }
};
