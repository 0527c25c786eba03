#include "app/station.h"
#include "app/stationsettings.h"
#include "app/texts.h"
#include "device/programmemory.h"
#include "tests/childwidget.h"
#include "tests/isolateduser.h"
#include "tests/modalanswerer.h"
#include "tests/simulatedlink.h"
#include "ui/editporgramstepdialog.h"
#include "ui/mainwindow.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QProgressDialog>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

using Program = CommunicationManager::Program;
using Step = CommunicationManager::ProgramStep;
using Samples = QList<float>;

namespace {

// The image with program 1 holding sixteen steps (the last at 60 °C), as a
// read may deliver but no write can store.
QByteArray imageWithSixteenSteps(const QByteArray &image)
{
    QStringList lines = QString::fromLatin1(image).split("\r\n");
    QString area;
    for (int i = 0; i < 16; ++i)
        area += "14" + ProgramMemory::toHex4(i < 15 ? 1000 : 600) + "28" + ProgramMemory::toHex4(1);
    for (int r = 0; r < 3; ++r) {
        const QString record = lines[7 + r].mid(1, 8) + area.mid(64 * r, 64);
        lines[7 + r] = ':' + record + ProgramMemory::hexChecksum(record);
    }
    return lines.join("\r\n").toLatin1();
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

    QTemporaryDir logs;
    std::unique_ptr<SimulatedLink> link;
    RegulonSim *sim = nullptr;
    std::unique_ptr<ModalAnswerer> answerer;
    std::unique_ptr<MainWindow> window;
    QStringList writeEnds; // each end of a write, with the progress dialog's value then

    template<typename T = QAbstractButton>
    T *child(const char *name) { return ::child<T>(*window, name); }
    QLineEdit *nameField() { return child<QLineEdit>("lineEditProgramName"); }
    QComboBox *chooser() { return child<QComboBox>("comboBoxProgramsEditTab"); }
    QListWidget *steps() { return child<QListWidget>("listWidgetProgramSteps"); }
    QAbstractButton *stepButton(int row, const char *name)
    {
        return steps()->itemWidget(steps()->item(row))->findChild<QToolButton *>(name);
    }
    bool modified() { return child("pushButtonEdirProgramSave")->isEnabled(); }

    // Shows the window on the Programs tab and waits for the read.
    bool open()
    {
        window->show();
        child<QTabWidget>("tabWidget")->setCurrentIndex(1);
        return readDone();
    }
    bool readDone()
    {
        return QTest::qWaitFor([this] { return chooser()->count() == 6 && nameField()->isEnabled(); }, 10000);
    }
    // Clicks ADD A STEP or a step's edit button and enters these values.
    void enterStep(QAbstractButton *button, int minutes, double temperature)
    {
        answerer->handleDialogs([minutes, temperature](QWidget *modal) {
            auto *dialog = qobject_cast<EditPorgramStepDialog *>(modal);
            dialog->setMinutes(minutes);
            dialog->setTemperature(temperature);
            dialog->accept();
            return true;
        });
        button->click();
        answerer->handleDialogs(nullptr);
    }
    // Program memory commands the controller got; a last identity request
    // marks the end, so that whatever was handed over before has been sent.
    QStringList memoryCommands()
    {
        QSignalSpy info(&link->manager, &CommunicationManager::gotInfo);
        link->manager.getInfo();
        info.wait(5000);
        return sim->receivedCommands().filter(QRegularExpression("^(GET_EEPR|PUT_EEPROM|:)"));
    }
    void save()
    {
        connect(&link->manager, &CommunicationManager::programUpdated, window.get(), [this](bool ok) {
            auto *dialog = qobject_cast<QProgressDialog *>(QApplication::activeModalWidget());
            writeEnds << QString("%1 at %2").arg(ok ? "success" : "failure").arg(dialog ? dialog->value() : -1);
        });
        child("pushButtonEdirProgramSave")->click();
    }

private slots:
    void init()
    {
        StationSettings().clear();
        StationSettings().setLogFolder(logs.path());
        link = std::make_unique<SimulatedLink>();
        sim = link->plugIn("regulon", "12345678");
        QList<Program> programs = sim->programs();
        programs[0].name = "Instruments"; // ends cool enough to be saved as it is
        programs[0].steps = {{0, 2, 105.0}, {0, 4, 134.0}, {0, 3, 60.0}};
        programs[2].name = "Prion";
        QVERIFY(sim->setPrograms(programs));
        link->manager.changePort(link->port("regulon"));
        answerer = std::make_unique<ModalAnswerer>();
        window = std::make_unique<MainWindow>(&link->manager);
        writeEnds.clear();
    }
    void cleanup()
    {
        answerer.reset();
        window.reset();
        link.reset();
    }

    void temperatureIsRoundedAndOutsideTheRangeBlocksStart_data()
    {
        QTest::addColumn<Samples>("samples");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("bar");
        QTest::addColumn<bool>("startEnabled");
        QTest::newRow("rounded up") << Samples{99.6f} << "100 °C" << 100 << true;
        QTest::newRow("140.0") << Samples{140.0f} << "140 °C" << 140 << true;
        QTest::newRow("140.1") << Samples{140.1f} << "140 °C" << 140 << false;
        QTest::newRow("below the scale") << Samples{-5.0f} << "-5 °C" << 0 << false;
        // Only the controller's ready state gives the button back.
        QTest::newRow("in range again") << Samples{140.1f, 20.0f} << "20 °C" << 20 << false;
    }
    void temperatureIsRoundedAndOutsideTheRangeBlocksStart()
    {
        QFETCH(Samples, samples);
        QFETCH(int, bar);
        child("buttonStart")->setEnabled(true);
        for (float t : samples)
            window->on_tempDataUpdated({t, 0.0f});
        QTEST(child<QLabel>("labelTemperature")->text(), "text");
        QTRY_COMPARE_WITH_TIMEOUT(child<QProgressBar>("progressBarTemperature")->value(), bar, 2000);
        QTEST(child("buttonStart")->isEnabled(), "startEnabled");
    }

    void readFillsBothChoosersAndClosingAsksFirst()
    {
        window->show();
        window->hide();
        QVERIFY(open()); // shown again: wired and read once
        const QList<Program> stored = sim->programs();
        QCOMPARE(child<QComboBox>("comboBoxPrograms")->itemText(5), stored[5].name);
        QCOMPARE(chooser()->itemText(5), stored[5].name);
        QCOMPARE(nameField()->text(), stored[0].name);
        QVERIFY(!modified() && child("pushButtonAddAStep")->isEnabled());
        QCOMPARE(memoryCommands(), QStringList{"GET_EEPR\n"});
        answerer->answerBoxes({QMessageBox::Cancel});
        window->close();
        QCOMPARE(answerer->titles(), QStringList{"Exit"});
        QVERIFY(window->isVisible());
    }

    void leavingAModifiedProgramAsksFirst_data()
    {
        QTest::addColumn<bool>("byChooser"); // else by the refresh button
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("shownName");
        QTest::addColumn<QString>("storedName");
        // After a save the programs are read back and the tab starts at program 1.
        QTest::newRow("refresh, Save") << false << int(QMessageBox::Save) << "Renamed" << "Renamed";
        QTest::newRow("refresh, Discard") << false << int(QMessageBox::Discard) << "Instruments" << "Instruments";
        QTest::newRow("refresh, Cancel") << false << int(QMessageBox::Cancel) << "Renamed" << "Instruments";
        QTest::newRow("chooser, Save") << true << int(QMessageBox::Save) << "Renamed" << "Renamed";
        QTest::newRow("chooser, Discard") << true << int(QMessageBox::Discard) << "Prion" << "Instruments";
        QTest::newRow("chooser, Cancel") << true << int(QMessageBox::Cancel) << "Renamed" << "Instruments";
    }
    void leavingAModifiedProgramAsksFirst()
    {
        QFETCH(bool, byChooser);
        QFETCH(int, answer);
        QVERIFY(open());
        nameField()->setText("Renamed");
        answerer->answerBoxes({QMessageBox::StandardButton(answer)});
        byChooser ? chooser()->setCurrentIndex(2) : child("buttonRefleshProgramsEditTab")->click();
        QVERIFY(readDone());
        QCOMPARE(answerer->titles(), QStringList{"Vaporin Regulon"}); // once, also when Cancel sets the chooser back
        QCOMPARE(answerer->boxes[0].text, QString("The program has been modified.\nDo you want to save your changes?"));
        QTEST(nameField()->text(), "shownName");
        QCOMPARE(chooser()->currentIndex(), nameField()->text() == "Prion" ? 2 : 0);
        QCOMPARE(modified(), answer == QMessageBox::Cancel);
        QTEST(sim->programs()[0].name, "storedName");
        const bool reread = answer == QMessageBox::Save || (answer == QMessageBox::Discard && !byChooser);
        QCOMPARE(memoryCommands().count("GET_EEPR\n"), reread ? 2 : 1);
    }

    // A refused save, also Save in the question, keeps the edits and sends
    // nothing. An accepted one ends with the progress dialog open until the
    // final acknowledgement; the reread follows the end record.
    void savingChecksTheProgram_data()
    {
        QTest::addColumn<double>("lastTemperature"); // negative: every step deleted
        QTest::addColumn<QString>("refusal");        // box title; none: saved
        QTest::newRow("no step") << -1.0 << "No step!";
        QTest::newRow("last step above 80.0") << 80.1 << "Invalid Program!";
        QTest::newRow("sixteen steps") << 60.0 << "Invalid Program!";
        QTest::newRow("last step at 80.0") << 80.0 << "";
    }
    void savingChecksTheProgram()
    {
        QFETCH(double, lastTemperature);
        QFETCH(QString, refusal);
        const bool sixteen = QTest::currentDataTag() == QLatin1String("sixteen steps");
        if (sixteen)
            sim->answerNextWith(imageWithSixteenSteps(sim->programImage()), "GET_EEPR");
        QVERIFY(open());
        enterStep(stepButton(sixteen ? 15 : 2, "buttonEditStep"), 3, qMax(lastTemperature, 60.0));
        while (lastTemperature < 0 && steps()->count() > 0)
            stepButton(0, "buttonDeleteStep")->click();
        save();
        if (refusal.isEmpty()) {
            QCOMPARE(writeEnds, QStringList{"success at 6"});
            QVERIFY(readDone());
            QCOMPARE(memoryCommands().mid(6), (QStringList{":00000001FF\n", "GET_EEPR\n"}));
            QCOMPARE(sim->programs()[0].steps.last(), (Step{0, 3, 80.0}));
            QCOMPARE(answerer->boxes.size(), 0);
            return;
        }
        answerer->answerBoxes({QMessageBox::Ok, QMessageBox::Save});
        child("buttonRefleshProgramsEditTab")->click();
        QCOMPARE(answerer->titles(), (QStringList{refusal, "Vaporin Regulon", refusal}));
        QVERIFY(!sixteen || answerer->boxes[0].text.contains("15"));
        QCOMPARE(memoryCommands(), QStringList{"GET_EEPR\n"});
        QVERIFY(modified());
    }

    // Every failed write step closes the progress dialog with its message,
    // never reports success, and the programs are read again.
    void failedWriteStepEndsTheSave_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("step"); // 0 PUT_EEPROM, 1 to 4 the records, 5 the end record
        QTest::addColumn<QString>("message");
        for (int step = 0; step <= 5; ++step) {
            QTest::addRow("wrong acknowledgement at step %d", step) << "refuse" << step << textSomethingWrong;
            QTest::addRow("silence at step %d", step) << "ignore" << step << textTimeout;
        }
        QTest::newRow("unplugged at step 2, plugged in again") << "unplug" << 2 << textTimeout;
    }
    void failedWriteStepEndsTheSave()
    {
        QFETCH(QString, fault);
        QFETCH(int, step);
        QVERIFY(open());
        nameField()->setText("Renamed");
        fault == "refuse" ? sim->refuseWriteStep(step) : sim->ignoreWriteStep(step);
        if (fault == "unplug") {
            // Unplugged while the step waits for its acknowledgement (held
            // back so that it cannot come first). Plugged in again while the
            // failure is shown, until the station has reopened the line.
            QTRY_VERIFY_WITH_TIMEOUT(child<QLabel>("labelTemperature")->text() != "- °C", 5000);
            connect(sim, &RegulonSim::commandReceived, window.get(), [this, step, sent = 0](const QString &c) mutable {
                if ((c.startsWith(':') || c.startsWith("PUT")) && sent++ == step)
                    sim->unplug();
            });
            answerer->whenBoxShown([this](QMessageBox *) {
                const int received = sim->receivedCommands().size();
                QVERIFY(sim->plugInAgain());
                QVERIFY(QTest::qWaitFor([&] { return sim->receivedCommands().size() > received; }, 5000));
            });
        }
        save();
        QCOMPARE(writeEnds, QStringList{QString("failure at %1").arg(step + 1)});
        QCOMPARE(answerer->titles(), QStringList{"Error"});
        QTEST(answerer->boxes[0].text, "message");
        QVERIFY(readDone());
        QCOMPARE(nameField()->text(), sim->programs()[0].name);
        QCOMPARE(memoryCommands().last(), QString("GET_EEPR\n"));
        QCOMPARE(link->restarts, 0);
    }

    // A corrupted image is read again three times without a word, then
    // reported; the editor stays empty, only the Home refresh is usable.
    void corruptedImageIsReadAgainThenReported()
    {
        sim->corruptChecksum(7, -1); // a step record
        int readsBeforeBox = 0;
        answerer->whenBoxShown([&](QMessageBox *) { readsBeforeBox = sim->receivedCommands().count("GET_EEPR\n"); });
        window->show();
        auto *homeRefresh = child("buttonRefleshPrograms");
        QTRY_VERIFY_WITH_TIMEOUT(!homeRefresh->isHidden(), 10000);
        QCOMPARE(readsBeforeBox, 4);
        QCOMPARE(answerer->titles(), QStringList{"Error"});
        QVERIFY(answerer->boxes[0].text.endsWith("If the error persists try to do a restart of the controller."));
        QVERIFY(!nameField()->isEnabled() && !modified() && steps()->count() == 0 && chooser()->count() == 0);
        QVERIFY(homeRefresh->isEnabled() && child("buttonRefleshProgramsEditTab")->isHidden());
    }

    // The station from its start: the folder is announced while the main
    // window is built hidden, before the selection, and stored at the end.
    // The scan asks COM3 first, lists by port name and ends on COM10. Of two
    // rows with the same text, the chosen row's port is used, not the first.
    void startUpShowsTheChosenControllersTemperature_data()
    {
        QTest::addColumn<QString>("storedFolder"); // "logs": the test's, which exists
        QTest::addColumn<QStringList>("serials");  // of COM10 and COM3
        QTest::addColumn<int>("row");              // chosen; -1: Exit
        QTest::addColumn<QString>("temperature");
        const QStringList distinct{"10101010", "33333333"};
        QTest::newRow("exit on first start") << "" << distinct << -1 << "";
        QTest::newRow("exit, stored folder vanished") << "/nonexistent" << distinct << -1 << "";
        QTest::newRow("first row") << "logs" << distinct << 0 << "50 °C";
        QTest::newRow("same serial, second row") << "logs" << QStringList{"12345678", "12345678"} << 1 << "121 °C";
        // The selection's initial text, which a controller may report too.
        QTest::newRow("reported as 00000000") << "logs" << QStringList{"00000000", "33333333"} << 0 << "50 °C";
    }
    void startUpShowsTheChosenControllersTemperature()
    {
        QFETCH(QString, storedFolder);
        QFETCH(QStringList, serials);
        QFETCH(int, row);
        window.reset();
        if (storedFolder != "logs")
            StationSettings().setLogFolder(storedFolder);
        // Chambers that do not cool meanwhile, however slow the start-up.
        const auto chamber = [&](const QString &port, const QString &serial, double celsius) {
            RegulonSim *sim = link->plugIn(port, serial);
            sim->setSpeed(0);
            sim->setChamberTemperature(celsius);
        };
        chamber("COM10", serials[0], 49.6);
        chamber("COM3", serials[1], 121.4);
        link->listPorts({"COM3", "COM10"});
        QStringList seen;
        answerer->whenBoxShown([&](QMessageBox *box) { seen << box->windowTitle(); });
        answerer->answerBoxes({QMessageBox::Yes}); // the exit question
        answerer->handleDialogs([&](QWidget *selection) {
            auto *list = ::child<QComboBox>(*selection, "comboBoxRegulons");
            if (!list->isEnabled())
                return false; // still scanning
            seen << list->itemText(0) << list->itemText(1);
            list->setCurrentIndex(row);
            ::child<QAbstractButton>(*selection, row < 0 ? "buttonExit" : "buttonConnect")->click();
            return true;
        });
        // Once the live temperature shows, the user closes the window.
        QString temperature;
        QTimer user;
        connect(&user, &QTimer::timeout, [&] {
            auto *w = qobject_cast<MainWindow *>(QApplication::activeWindow());
            if (w && (temperature = ::child<QLabel>(*w, "labelTemperature")->text()) != "- °C")
                w->close();
        });
        user.start(20);
        QCOMPARE(Station::run(&link->manager), 0);
        QCOMPARE(seen, row < 0 ? QStringList{"Log Folder"} + serials : serials + QStringList{"Exit"});
        QTEST(temperature, "temperature");
        QCOMPARE(StationSettings().logFolder(), storedFolder == "logs" ? logs.path()
                 : QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + "/Vaporin/Protokolle");
        QCOMPARE(link->restarts, 0);
    }
};

STATION_GUI_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
