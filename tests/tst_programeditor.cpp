#include "app/stationsettings.h"
#include "app/texts.h"
#include "device/programmemory.h"
#include "tests/childwidget.h"
#include "tests/isolateduser.h"
#include "tests/modalanswerer.h"
#include "tests/simulatedlink.h"
#include "ui/editporgramstepdialog.h"
#include "ui/mainwindow.h"
#include "ui/programprofile.h"
#include "ui/programstepitem.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QtCharts/QChartView>
#include <QtCharts/QLineSeries>
#include <QtTest>

using CM = CommunicationManager;
using Program = CM::Program;
using Step = CM::ProgramStep;
using Steps = QList<Step>;

namespace {

const QString wentWrong = QString::fromLatin1(textSomethingWrong);
const QString timedOut = QString::fromLatin1(textTimeout);
const QString lastStepTooHot = QString::fromUtf8(textLastStepTemperature);

// Program 1 ends cool enough to be saved as it is.
QList<Program> storedPrograms(const QList<Program> &factory)
{
    QList<Program> programs = factory;
    programs[0].name = QStringLiteral("Instruments");
    programs[0].steps = {{0, 2, 105.0}, {0, 4, 134.0}, {0, 3, 60.0}};
    programs[2].name = QStringLiteral("Prion");
    return programs;
}

// The controller's image with program 1 holding sixteen steps (15 at 100 °C,
// the last at 60 °C), as a read may deliver but no write can store.
QByteArray imageWithSixteenSteps(const QByteArray &image)
{
    QStringList lines = QString::fromLatin1(image).split(QStringLiteral("\r\n"));
    QString area;
    for (int i = 0; i < 16; ++i)
        area += "14" + ProgramMemory::toHex4(i < 15 ? 1000 : 600) + "28" + ProgramMemory::toHex4(1);
    for (int r = 0; r < 3; ++r) {
        const QString header = lines[7 + r].mid(1, 8);
        const QString data = area.mid(64 * r, 64);
        lines[7 + r] = ':' + header + data + ProgramMemory::hexChecksum(header + data);
    }
    return lines.join(QStringLiteral("\r\n")).toLatin1();
}

} // namespace

class TestProgramEditor : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir logs;
    std::unique_ptr<SimulatedLink> link;
    RegulonSim *sim = nullptr;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<ModalAnswerer> answerer;

    template<typename T>
    T *child(const char *name)
    {
        return ::child<T>(*window, name);
    }

    QLineEdit *nameField() { return child<QLineEdit>("lineEditProgramName"); }
    QComboBox *chooser() { return child<QComboBox>("comboBoxProgramsEditTab"); }
    QListWidget *stepList() { return child<QListWidget>("listWidgetProgramSteps"); }
    bool saveEnabled() { return child<QWidget>("pushButtonEdirProgramSave")->isEnabled(); }
    QtCharts::QLineSeries *profile()
    {
        auto *view = child<QWidget>("verticalLayoutWidget_3")->findChild<QtCharts::QChartView *>();
        return qobject_cast<QtCharts::QLineSeries *>(view->chart()->series().value(0));
    }

    // Shows the window on the Programs tab once the first read has filled it.
    bool open()
    {
        window = std::make_unique<MainWindow>(&link->manager);
        window->show();
        child<QTabWidget>("tabWidget")->setCurrentIndex(1);
        return readDone();
    }

    bool readDone()
    {
        return QTest::qWaitFor([this] { return chooser()->count() == 6 && nameField()->isEnabled(); }, 10000);
    }

    void clickStepButton(int row, const char *button)
    {
        auto *item = qobject_cast<ProgramStepItem *>(stepList()->itemWidget(stepList()->item(row)));
        item->findChild<QToolButton *>(button)->click();
    }

    // Answers the next step dialog with these values.
    void enterStep(int minutes, double temperature)
    {
        answerer->handleDialogs([minutes, temperature](QWidget *modal) {
            auto *dialog = qobject_cast<EditPorgramStepDialog *>(modal);
            if (!dialog)
                return false;
            dialog->setMinutes(minutes);
            dialog->setTemperature(temperature);
            dialog->accept();
            return true;
        });
    }
    void addStep(int minutes, double temperature)
    {
        enterStep(minutes, temperature);
        child<QPushButton>("pushButtonAddAStep")->click();
    }
    void editStep(int row, int minutes, double temperature)
    {
        enterStep(minutes, temperature);
        clickStepButton(row, "buttonEditStep");
    }

    // Program memory commands the controller got so far. A last identity
    // request marks the end: whatever was handed over before it has been sent.
    QStringList memoryCommands()
    {
        QSignalSpy info(&link->manager, &CM::gotInfo);
        link->manager.getInfo();
        info.wait(5000);
        QStringList commands;
        for (const QString &c : sim->receivedCommands()) {
            if (c == "GET_EEPR\n" || c.startsWith("PUT_EEPROM") || c.startsWith(':'))
                commands << c;
        }
        return commands;
    }

    // The progress dialog's value when the write ended; -1 when none was open.
    int progressAtWriteEnd = -2;
    void watchWriteEnd()
    {
        connect(&link->manager, &CM::programUpdated, this, [this] {
            auto *dialog = qobject_cast<QProgressDialog *>(QApplication::activeModalWidget());
            progressAtWriteEnd = dialog && dialog->isVisible() ? dialog->value() : -1;
        });
    }

private slots:
    void init()
    {
        StationSettings settings;
        settings.clear();
        settings.setLogFolder(logs.path());
        link = std::make_unique<SimulatedLink>();
        sim = link->plugIn("regulon", "12345678");
        QVERIFY(sim);
        QVERIFY(sim->setPrograms(storedPrograms(sim->programs())));
        link->manager.changePort(link->port("regulon"));
        answerer = std::make_unique<ModalAnswerer>();
        progressAtWriteEnd = -2;
    }
    void cleanup()
    {
        answerer.reset();
        window.reset();
        link.reset();
    }

    void readShowsProgramOneWithItsProfile()
    {
        QVERIFY(open());
        const QList<Program> stored = sim->programs();
        QCOMPARE(child<QComboBox>("comboBoxPrograms")->count(), 6);
        QCOMPARE(chooser()->itemText(5), stored[5].name);
        QCOMPARE(chooser()->currentIndex(), 0);
        QCOMPARE(nameField()->text(), stored[0].name);
        QCOMPARE(stepList()->count(), 3);
        auto *item = stepList()->itemWidget(stepList()->item(2));
        QCOMPARE(item->findChild<QLabel *>("stepDesc_3")->text(), QString("3 minutes at 60.0 °C"));
        QVERIFY(!saveEnabled() && child<QWidget>("pushButtonAddAStep")->isEnabled());

        QCOMPARE(profile()->count(), ProgramProfile::points(stored[0].steps).size());
        chooser()->setCurrentIndex(1);
        QCOMPARE(nameField()->text(), stored[1].name);
        QCOMPARE(stepList()->count(), stored[1].steps.size());
        QCOMPARE(profile()->count(), ProgramProfile::points(stored[1].steps).size());
    }

    void longestProgramIsShownInFullAndAddingStopsAtFourteenSteps()
    {
        // Fifteen steps, the last holding the longest time a step can hold.
        QList<Program> programs = sim->programs();
        programs[0].steps = QVector<Step>(14, {0, 1, 60.0}).toList();
        programs[0].steps.append({0, 65535, 60.0});
        QVERIFY(sim->setPrograms(programs));
        QVERIFY(open());
        QCOMPARE(stepList()->count(), 15);
        QCOMPARE(profile()->count(), 1 + 4 + 14 + 65535);
        auto *add = child<QWidget>("pushButtonAddAStep");
        QVERIFY(!add->isEnabled());
        clickStepButton(0, "buttonDeleteStep");
        QVERIFY(!add->isEnabled());
        clickStepButton(0, "buttonDeleteStep");
        QCOMPARE(stepList()->count(), 13);
        QVERIFY(add->isEnabled());
        addStep(1, 50.0);
        QCOMPARE(stepList()->count(), 14);
        QVERIFY(!add->isEnabled());
    }

    void modifiedWhileNameOrStepsDifferFromTheStoredProgram()
    {
        QVERIFY(open());
        const QString stored = nameField()->text();
        auto *reset = child<QWidget>("pushButtonEdirProgramReset");
        const auto modified = [&] { return saveEnabled() && reset->isEnabled(); };
        const auto unmodified = [&] { return !saveEnabled() && !reset->isEnabled(); };

        nameField()->setText("Other");
        QVERIFY(modified());
        nameField()->setText(stored);
        QVERIFY(unmodified());

        editStep(1, 5, 134.0);
        QVERIFY(modified());
        nameField()->setText("Other");
        nameField()->setText(stored);
        QVERIFY2(modified(), "the stored name typed back must not hide the step change");
        editStep(1, 4, 134.0);
        QVERIFY(unmodified());

        addStep(1, 50.0);
        QVERIFY(modified());
        clickStepButton(3, "buttonDeleteStep");
        QVERIFY(unmodified());

        nameField()->setText("Other");
        clickStepButton(0, "buttonDeleteStep");
        child<QPushButton>("pushButtonEdirProgramReset")->click();
        QCOMPARE(nameField()->text(), stored);
        QCOMPARE(stepList()->count(), 3);
        QVERIFY(unmodified());
    }

    void leavingAModifiedProgramAsksFirst_data()
    {
        QTest::addColumn<bool>("byChooser"); // else by the refresh button
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("shownIndex");
        QTest::addColumn<QString>("shownName");
        QTest::addColumn<QString>("storedName"); // in the controller
        QTest::addColumn<int>("reads");
        // After a save the programs are read back and the tab starts at program 1.
        QTest::newRow("refresh, Save") << false << int(QMessageBox::Save) << 0 << "Renamed" << "Renamed" << 2;
        QTest::newRow("refresh, Discard") << false << int(QMessageBox::Discard) << 0 << "Instruments" << "Instruments" << 2;
        QTest::newRow("refresh, Cancel") << false << int(QMessageBox::Cancel) << 0 << "Renamed" << "Instruments" << 1;
        QTest::newRow("chooser, Save") << true << int(QMessageBox::Save) << 0 << "Renamed" << "Renamed" << 2;
        QTest::newRow("chooser, Discard") << true << int(QMessageBox::Discard) << 2 << "Prion" << "Instruments" << 1;
        QTest::newRow("chooser, Cancel") << true << int(QMessageBox::Cancel) << 0 << "Renamed" << "Instruments" << 1;
    }
    void leavingAModifiedProgramAsksFirst()
    {
        QFETCH(bool, byChooser);
        QFETCH(int, answer);
        QFETCH(QString, shownName);
        QVERIFY(open());
        nameField()->setText("Renamed");
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
        answerer->whenBoxShown([&](QMessageBox *box) { defaultButton = box->standardButton(box->defaultButton()); });
        answerer->answerBoxes({QMessageBox::StandardButton(answer)});

        if (byChooser)
            chooser()->setCurrentIndex(2);
        else
            child<QToolButton>("buttonRefleshProgramsEditTab")->click();
        QVERIFY(readDone());

        // Asked once, also when Cancel sets the chooser back.
        QCOMPARE(answerer->boxes.size(), 1);
        QCOMPARE(answerer->boxes[0].title, QString("Vaporin Regulon"));
        QCOMPARE(answerer->boxes[0].text, QString("The program has been modified.\nDo you want to save your changes?"));
        QCOMPARE(answerer->boxes[0].icon, QMessageBox::Warning);
        QCOMPARE(defaultButton, QMessageBox::Save);
        QTEST(chooser()->currentIndex(), "shownIndex");
        QCOMPARE(nameField()->text(), shownName);
        QCOMPARE(saveEnabled(), answer == QMessageBox::Cancel);
        QTEST(sim->programs()[0].name, "storedName");
        QTEST(int(memoryCommands().count("GET_EEPR\n")), "reads");
    }

    void savingChecksTheSteps_data()
    {
        QTest::addColumn<double>("lastTemperature"); // negative: delete every step
        QTest::addColumn<QString>("title");          // empty: saved
        QTest::addColumn<QString>("text");
        QTest::newRow("no step") << -1.0 << "No step!" << "Must be at least 1 step.";
        QTest::newRow("last step above 80.0") << 80.1 << "Invalid Program!" << lastStepTooHot;
        QTest::newRow("last step at 80.0") << 80.0 << "" << "";
    }
    void savingChecksTheSteps()
    {
        QFETCH(double, lastTemperature);
        QFETCH(QString, title);
        QVERIFY(open());
        if (lastTemperature < 0) {
            while (stepList()->count() > 0)
                clickStepButton(0, "buttonDeleteStep");
        } else {
            editStep(2, 3, lastTemperature);
        }
        child<QPushButton>("pushButtonEdirProgramSave")->click();

        if (title.isEmpty()) {
            QVERIFY(readDone());
            QCOMPARE(sim->programs()[0].steps.last().temperature, 80.0);
            QCOMPARE(answerer->boxes.size(), 0);
            return;
        }
        QCOMPARE(answerer->boxes.size(), 1);
        QCOMPARE(answerer->boxes[0].title, title);
        QTEST(answerer->boxes[0].text, "text");
        QCOMPARE(answerer->boxes[0].icon, QMessageBox::Warning);
        QCOMPARE(memoryCommands(), QStringList{"GET_EEPR\n"});
        QVERIFY(saveEnabled());
    }

    void programOverFifteenStepsIsShownButNeverSent()
    {
        sim->answerNextWith(imageWithSixteenSteps(sim->programImage()), "GET_EEPR");
        QVERIFY(open());
        QCOMPARE(stepList()->count(), 16);
        QVERIFY(!child<QWidget>("pushButtonAddAStep")->isEnabled());
        nameField()->setText("Sixteen");
        child<QPushButton>("pushButtonEdirProgramSave")->click();
        QCOMPARE(answerer->titles(), QStringList{"Invalid Program!"});
        QVERIFY2(answerer->boxes[0].text.contains("15"), qPrintable(answerer->boxes[0].text));

        // Save in the question is refused the same way, and the edits stay.
        answerer->answerBoxes({QMessageBox::Save});
        child<QToolButton>("buttonRefleshProgramsEditTab")->click();
        QCOMPARE(answerer->titles(), (QStringList{"Invalid Program!", "Vaporin Regulon", "Invalid Program!"}));
        QCOMPARE(memoryCommands(), QStringList{"GET_EEPR\n"});
        QCOMPARE(nameField()->text(), QString("Sixteen"));
        QCOMPARE(stepList()->count(), 16);
    }

    void savedProgramIsReadBack()
    {
        QVERIFY(open());
        chooser()->setCurrentIndex(1);
        const Program before = sim->programs()[1];
        nameField()->setText("Glassware 121");
        addStep(3, 60.0);
        watchWriteEnd();
        QString label;
        QString title = "unseen";
        bool closable = true;
        bool cancellable = true;
        int maximum = 0;
        answerer->handleDialogs([&](QWidget *modal) {
            auto *dialog = qobject_cast<QProgressDialog *>(modal);
            if (!dialog || !title.startsWith("unseen"))
                return false;
            label = dialog->labelText();
            title = dialog->windowTitle();
            closable = dialog->windowFlags() & Qt::WindowCloseButtonHint;
            cancellable = dialog->findChild<QPushButton *>() != nullptr;
            maximum = dialog->maximum();
            // Neither may end it early.
            QTest::keyClick(dialog, Qt::Key_Escape);
            dialog->close();
            return true;
        });
        child<QPushButton>("pushButtonEdirProgramSave")->click();

        QCOMPARE(label, QString("Saving..."));
        QCOMPARE(title, QString());
        QVERIFY(!closable && !cancellable);
        QCOMPARE(maximum, 6);
        QCOMPARE(progressAtWriteEnd, 6);
        QVERIFY(readDone());
        QCOMPARE(answerer->boxes.size(), 0);
        // The reread goes out only after the end record.
        const QStringList commands = memoryCommands();
        QCOMPARE(commands.size(), 8);
        QCOMPARE(commands[1], QString("PUT_EEPROM\n"));
        QCOMPARE(commands.mid(6), (QStringList{":00000001FF\n", "GET_EEPR\n"}));
        QCOMPARE(chooser()->currentIndex(), 0);
        QCOMPARE(chooser()->itemText(1), QString("Glassware 121"));
        chooser()->setCurrentIndex(1);
        QCOMPARE(nameField()->text(), QString("Glassware 121"));
        QCOMPARE(stepList()->count(), before.steps.size() + 1);
        QCOMPARE(sim->programs()[1].steps.last(), (Step{0, 3, 60.0}));
        QVERIFY(!saveEnabled());
    }

    void failedWriteClosesTheDialogWithItsMessage_data()
    {
        QTest::addColumn<bool>("refuse"); // else no answer
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("message");
        QTest::newRow("refused record") << true << 2 << wentWrong;
        QTest::newRow("silent record") << false << 3 << timedOut;
        QTest::newRow("refused end record") << true << 5 << wentWrong;
        QTest::newRow("silent end record") << false << 5 << timedOut;
    }
    void failedWriteClosesTheDialogWithItsMessage()
    {
        QFETCH(bool, refuse);
        QFETCH(int, step);
        QFETCH(QString, message);
        QVERIFY(open());
        nameField()->setText("Renamed");
        refuse ? sim->refuseWriteStep(step) : sim->ignoreWriteStep(step);
        watchWriteEnd();
        child<QPushButton>("pushButtonEdirProgramSave")->click();

        QCOMPARE(progressAtWriteEnd, step + 1);
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(answerer->boxes.size(), 1);
        QCOMPARE(answerer->boxes[0].title, QString("Error"));
        QCOMPARE(answerer->boxes[0].text, message);
        QCOMPARE(answerer->boxes[0].icon, QMessageBox::Critical);
        // Read again: the tab shows what the controller holds now.
        QVERIFY(readDone());
        QCOMPARE(nameField()->text(), sim->programs()[0].name);
        QVERIFY(!saveEnabled());
    }
};

STATION_GUI_TEST_MAIN(TestProgramEditor)
#include "tst_programeditor.moc"
