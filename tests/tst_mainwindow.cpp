#include "app/language.h"
#include "app/startwindow.h"
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
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

using Program = CommunicationManager::Program;
using Step = CommunicationManager::ProgramStep;

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
        programs[0].steps = {{0, 2, 105.0}, {0, 4, 134.0}, {0, 3, 60.0}}; // ends cool enough to be saved as it is
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
        Language::install(Language::English);
    }

    // Only the two exact setting values choose a language; any other keeps
    // the English texts and fonts. The editor's buttons get smaller type for
    // the longer words.
    void languageSettingChoosesTextsAndFonts_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<int>("choice");
        QTest::addColumn<QString>("saveText");
        QTest::addColumn<int>("savePoints"); // 0: as in English
        QTest::addColumn<int>("resetPoints");
        QTest::newRow("German") << "German" << int(Language::German) << "SPEICHERN" << 6 << 0;
        QTest::newRow("Français") << QString::fromUtf8("Français") << int(Language::French) << "ENREGISTRER" << 5 << 5;
        QTest::newRow("german") << "german" << int(Language::English) << "SAVE" << 0 << 0;
        QTest::newRow("French") << "French" << int(Language::English) << "SAVE" << 0 << 0;
        QTest::newRow("Deutsch") << "Deutsch" << int(Language::English) << "SAVE" << 0 << 0;
        QTest::newRow("empty") << "" << int(Language::English) << "SAVE" << 0 << 0;
    }
    void languageSettingChoosesTextsAndFonts()
    {
        QFETCH(QString, setting);
        QFETCH(int, savePoints);
        QFETCH(int, resetPoints);
        const int englishPoints = child("pushButtonEdirProgramSave")->font().pointSize();
        StationSettings().setLanguage(setting);
        const Language::Choice choice = Language::fromSetting(setting);
        QTEST(int(choice), "choice");
        QVERIFY(Language::install(choice));
        window = std::make_unique<MainWindow>(&link->manager);
        QTEST(child("pushButtonEdirProgramSave")->text(), "saveText");
        QCOMPARE(child("pushButtonEdirProgramSave")->font().pointSize(), savePoints ? savePoints : englishPoints);
        QCOMPARE(child("pushButtonEdirProgramReset")->font().pointSize(), resetPoints ? resetPoints : englishPoints);
    }

    // A temperature typed as the language writes it (German and French with
    // a decimal comma) reaches the controller as the same value, and the
    // step shows it as typed.
    void typedTemperatureReachesTheController_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown"); // the new step in the list
        QTest::newRow("English") << int(Language::English) << "72.5" << QString::fromUtf8("5 minutes at 72.5 °C");
        QTest::newRow("German") << int(Language::German) << "72,5" << QString::fromUtf8("5 Minuten bei 72,5 °C");
        QTest::newRow("French") << int(Language::French) << "72,5" << QString::fromUtf8("5 minutes à 72,5 °C");
    }
    void typedTemperatureReachesTheController()
    {
        QFETCH(int, language);
        QFETCH(QString, typed);
        QVERIFY(Language::install(Language::Choice(language)));
        window = std::make_unique<MainWindow>(&link->manager);
        QVERIFY(open());
        answerer->handleDialogs([typed](QWidget *modal) {
            auto *celsius = modal->findChild<QDoubleSpinBox *>("doubleSpinBoxTemp");
            celsius->selectAll();
            QTest::keyClicks(celsius, typed);
            static_cast<QDialog *>(modal)->accept();
            return true;
        });
        child("pushButtonAddAStep")->click();
        answerer->handleDialogs(nullptr);
        QTEST(::child<QLabel>(*steps()->itemWidget(steps()->item(3)), "stepDesc_3")->text(), "shown");
        save();
        QCOMPARE(writeEnds, QStringList{"success at 6"});
        QCOMPARE(sim->programs()[0].steps.last(), (Step{0, 5, 72.5}));
    }

    // A refused save, also Save in the question, keeps the edits and sends
    // nothing. An accepted one ends with the progress dialog open until the
    // final acknowledgement; the reread follows the end record.
    void savingChecksTheProgram_data()
    {
        QTest::addColumn<double>("lastTemperature"); // negative: every step deleted
        QTest::addColumn<QString>("refusal");        // box title; none: saved
        QTest::addColumn<QString>("says");           // the end of the box's text, or of the word of the save
        QTest::newRow("no step") << -1.0 << "No step!" << "Must be at least 1 step.";
        QTest::newRow("last step above 80.0") << 80.1 << "Invalid Program!"
                                              << QString::fromUtf8("80.0°C.\nAdd a cooling step at 80.0 °C or below as the last step.");
        QTest::newRow("sixteen steps") << 60.0 << "Invalid Program!" << "at most 15 steps; this one has 16.";
        QTest::newRow("last step at 80.0") << 80.0 << "" << "Program 1 \"Instruments 134\" saved to the controller.";
    }
    void savingChecksTheProgram()
    {
        QFETCH(double, lastTemperature);
        QFETCH(QString, refusal);
        QFETCH(QString, says);
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
            QCOMPARE(child<QLabel>("labelProgramSaved")->text(), says);
            enterStep(stepButton(0, "buttonEditStep"), 1, 105.0); // a new edit: the word was about the last save
            QCOMPARE(child<QLabel>("labelProgramSaved")->text(), QString());
            return;
        }
        answerer->answerBoxes({QMessageBox::Ok, QMessageBox::Save});
        child("buttonRefleshProgramsEditTab")->click();
        QCOMPARE(answerer->titles(), (QStringList{refusal, "Vaporin Regulon", refusal}));
        QVERIFY2(answerer->boxes[0].text.endsWith(says), qPrintable(answerer->boxes[0].text));
        QVERIFY(child<QLabel>("labelProgramSaved")->text().isEmpty());
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
        QTest::addColumn<int>("language"); // of the window
        QTest::addColumn<QString>("title");
        const int english = Language::English;
        for (int step = 0; step <= 5; ++step) {
            QTest::addRow("wrong acknowledgement at step %d", step) << "refuse" << step << textSomethingWrong << english
                                                                    << "Error";
            QTest::addRow("silence at step %d", step) << "ignore" << step << textTimeout << english << "Error";
        }
        QTest::newRow("unplugged at step 2, plugged in again") << "unplug" << 2 << textTimeout << english << "Error";
        // The message goes into the write's audit event in English and is
        // shown in the window's language.
        QTest::newRow("German, wrong acknowledgement") << "refuse" << 1
                                                      << "Etwas ist schiefgegangen! Bitte versuchen Sie es erneut!"
                                                      << int(Language::German) << "Fehler";
        QTest::newRow("French, silence") << "ignore" << 3 << QString::fromUtf8("Délai dépassé ! Veuillez réessayer !")
                                         << int(Language::French) << "Erreur";
    }
    void failedWriteStepEndsTheSave()
    {
        QFETCH(QString, fault);
        QFETCH(int, step);
        QFETCH(int, language);
        if (language != Language::English) {
            QVERIFY(Language::install(Language::Choice(language)));
            window = std::make_unique<MainWindow>(&link->manager);
        }
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
        QTEST(answerer->titles().join(", "), "title");
        QTEST(answerer->boxes[0].text, "message");
        QVERIFY(readDone());
        QCOMPARE(nameField()->text(), sim->programs()[0].name);
        QVERIFY(child<QLabel>("labelProgramSaved")->text().isEmpty()); // no word of a save
        QCOMPARE(memoryCommands().last(), QString("GET_EEPR\n"));
        QCOMPARE(link->restarts, 0);
    }

    // Once a controller is listed, Enter connects to it, also while Exit
    // has the focus; with nothing listed the window says what to check,
    // and Enter ends nothing. The buttons keep their places and texts.
    void deviceWindowConnectsOnEnterOrSaysWhatToCheck_data()
    {
        QTest::addColumn<bool>("listed");
        QTest::newRow("a controller listed") << true;
        QTest::newRow("nothing listed") << false;
    }
    void deviceWindowConnectsOnEnterOrSaysWhatToCheck()
    {
        QFETCH(bool, listed);
        link->listPorts(listed ? QStringList{"regulon"} : QStringList{});
        StartWindow devices(&link->manager);
        devices.show();
        auto *refresh = ::child<QWidget>(devices, "buttonReflesh");
        QTRY_VERIFY_WITH_TIMEOUT(!refresh->isHidden(), 10000); // the scan has ended
        auto *exit = ::child<QPushButton>(devices, "buttonExit");
        auto *connect = ::child<QPushButton>(devices, "buttonConnect");
        QCOMPARE(exit->text() + " " + connect->text(), QString("Exit Connect"));
        QVERIFY(exit->x() < connect->x() && exit->y() == connect->y());
        auto *hint = ::child<QLabel>(devices, "labelNoController");
        QCOMPARE(hint->isVisible(), !listed);
        for (const char *check : {"cable", "switched on", "dialout"})
            QVERIFY2(hint->text().contains(check), check);
        QVERIFY(connect->isDefault());
        QCOMPARE(connect->isEnabled(), listed);
        exit->setFocus();
        QTest::keyClick(exit, Qt::Key_Return);
        QCOMPARE(devices.isVisible(), !listed);
        QCOMPARE(devices.result(), listed ? int(QDialog::Accepted) : int(QDialog::Rejected));
        QCOMPARE(devices.selectedSerial(), QString(listed ? "12345678" : "00000000"));
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
};

STATION_GUI_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
