#include "app/stationsettings.h"
#include "tests/childwidget.h"
#include "tests/isolateduser.h"
#include "tests/modalanswerer.h"
#include "tests/simulatedlink.h"
#include "ui/mainwindow.h"

#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QTabWidget>
#include <QUrlQuery>
#include <QtTest>

namespace {

using TempList = QList<float>;

CommunicationManager::TempData sample(float celsius)
{
    CommunicationManager::TempData data;
    data.temperature = celsius;
    return data;
}

// Opens the protected receiver count, to see that nothing is connected twice.
struct CountingManager : CommunicationManager {
    int temperatureReceivers() const { return receivers(SIGNAL(getTempData(CommunicationManager::TempData))); }
};

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir logs;
    std::unique_ptr<SimulatedLink> link;
    CommunicationManager *manager = nullptr;

private slots:
    void init()
    {
        // A stored folder that exists: no box at construction.
        StationSettings settings;
        settings.clear();
        settings.setLogFolder(logs.path());
        link = std::make_unique<SimulatedLink>();
        manager = &link->manager;
    }
    void cleanup() { link.reset(); }

    void windowOpensOnTheHomeTabWithPlaceholdersAndTheStoredFolder()
    {
        MainWindow w(manager);
        QCOMPARE(w.size(), QSize(1000, 463));
        auto *tabs = child<QTabWidget>(w, "tabWidget");
        QCOMPARE(tabs->currentIndex(), 0);
        QCOMPARE(tabs->tabText(0), QString("Home"));
        QCOMPARE(tabs->tabText(1), QString("Programs"));
        QCOMPARE(tabs->tabText(2), QString("About us"));
        QCOMPARE(child<QLabel>(w, "label_18")->text(), QString("Version 3.0.1"));
        auto *programs = child<QComboBox>(w, "comboBoxPrograms");
        QCOMPARE(programs->count(), 5);
        QCOMPARE(programs->itemText(4), QString("Program 5"));
        auto *folder = child<QLineEdit>(w, "lineEditLogFolder");
        QCOMPARE(folder->text(), logs.path());
        QCOMPARE(folder->cursorPosition(), 0);
        QCOMPARE(child<QLabel>(w, "labelTemperature")->text(), QString("- °C"));
        QVERIFY(child<QWidget>(w, "buttonStop")->isHidden());

        // The start button shows its pressed image while held down.
        ModalAnswerer answerer; // the release is a click: the start question is cancelled
        auto *start = child<QPushButton>(w, "buttonStart");
        const qint64 normal = start->icon().cacheKey();
        QTest::mousePress(start, Qt::LeftButton);
        QVERIFY(start->icon().cacheKey() != normal);
        QTest::mouseRelease(start, Qt::LeftButton);
        QCOMPARE(start->icon().cacheKey(), normal);
        QCOMPARE(answerer.titles(), QStringList{"START"});
    }

    void aboutLinksGoToTheDesktop_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("subject");
        QTest::newRow("e-mail") << "commandLinkButton"
                                << "mailto:?to=support@vaporin.example&subject=Question about Vaporin Regulon Software"
                                << "Question about Vaporin Regulon Software";
        QTest::newRow("update") << "commandLinkButton_2" << "http://www.vaporin.example/de/support/downloads.htm"
                                << "";
        QTest::newRow("products") << "commandLinkButton_3" << "http://www.vaporin.example/de/autoklaven.htm" << "";
    }
    void aboutLinksGoToTheDesktop()
    {
        QFETCH(QString, button);
        MainWindow w(manager);
        QList<QUrl> opened;
        w.setUrlOpener([&opened](const QUrl &url) { opened << url; });
        child<QAbstractButton>(w, qPrintable(button))->click();
        QCOMPARE(opened.size(), 1);
        QVERIFY(opened[0].isValid());
        QTEST(opened[0].toString(), "link");
        // What the mail program gets as the subject.
        QTEST(QUrlQuery(opened[0]).queryItemValue("subject", QUrl::FullyDecoded), "subject");
    }

    void temperatureOutsideTheRangeBlocksStart_data()
    {
        QTest::addColumn<TempList>("samples");
        QTest::addColumn<bool>("startEnabled");
        QTest::newRow("0.0") << TempList{0.0f} << true;
        QTest::newRow("140.0") << TempList{140.0f} << true;
        QTest::newRow("-0.1") << TempList{-0.1f} << false;
        QTest::newRow("140.1") << TempList{140.1f} << false;
        // Only the controller's ready state gives the button back.
        QTest::newRow("in range again") << TempList{140.1f, 20.0f} << false;
    }
    void temperatureOutsideTheRangeBlocksStart()
    {
        QFETCH(TempList, samples);
        MainWindow w(manager);
        auto *start = child<QPushButton>(w, "buttonStart");
        start->setEnabled(true);
        for (float t : samples)
            w.on_tempDataUpdated(sample(t));
        QTEST(start->isEnabled(), "startEnabled");
    }

    void temperatureIsShownInWholeDegrees_data()
    {
        QTest::addColumn<float>("celsius");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("bar");
        QTest::newRow("rounded up") << 99.6f << "100 °C" << 100;
        QTest::newRow("rounded down") << 121.4f << "121 °C" << 121;
        QTest::newRow("above the scale") << 150.0f << "150 °C" << 140;
        QTest::newRow("below the scale") << -5.0f << "-5 °C" << 0;
    }
    void temperatureIsShownInWholeDegrees()
    {
        QFETCH(float, celsius);
        MainWindow w(manager);
        auto *bar = child<QProgressBar>(w, "progressBarTemperature");
        bar->setValue(50);
        w.on_tempDataUpdated(sample(celsius));
        QTEST(child<QLabel>(w, "labelTemperature")->text(), "text");
        QTRY_COMPARE_WITH_TIMEOUT(bar->value(), [] { QFETCH(int, bar); return bar; }(), 2000);
    }

    void thermometerAnimationsDoNotPileUpOverALongRun()
    {
        MainWindow w(manager);
        for (int i = 0; i < 2000; ++i)
            w.on_tempDataUpdated(sample(float(20 + i % 100)));
        QCoreApplication::processEvents();
        QVERIFY(w.findChildren<QPropertyAnimation *>().size() <= 1);
    }

    void logNameJoinsProgramAndTime_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QDateTime>("time");
        QTest::addColumn<QString>("name");
        QTest::newRow("placeholder") << "Program 1" << QDateTime(QDate(2026, 12, 5), QTime(7, 1, 36))
                                     << "Program_1_2026_12_05__07_01_36";
        QTest::newRow("afternoon in 24 hours") << "Steri" << QDateTime(QDate(2026, 1, 9), QTime(19, 5, 9))
                                               << "Steri_2026_01_09__19_05_09";
        QTest::newRow("every blank") << " Fast  134 " << QDateTime(QDate(2026, 3, 1), QTime(0, 0, 0))
                                     << "_Fast__134__2026_03_01__00_00_00";
    }
    void logNameJoinsProgramAndTime()
    {
        QFETCH(QString, program);
        QFETCH(QDateTime, time);
        QTEST(MainWindow::logName(program, time), "name");
    }

    void logNameFollowsTheChosenProgram()
    {
        MainWindow w(manager);
        auto *name = child<QLineEdit>(w, "lineEditLogName");
        QVERIFY(name->text().startsWith("Program_1_"));
        child<QComboBox>(w, "comboBoxPrograms")->setCurrentIndex(2);
        QVERIFY(name->text().startsWith("Program_3_"));
        name->setText("mine");
        QTest::mouseClick(child<QWidget>(w, "toolButtonRefreshLogName"), Qt::LeftButton);
        QVERIFY(name->text().startsWith("Program_3_"));
    }

    void languageShrinksTheEditorButtons_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("savePoints");
        QTest::addColumn<int>("resetPoints");
        QTest::newRow("German") << "German" << 6 << 0;
        QTest::newRow("Français") << "Français" << 5 << 5;
        QTest::newRow("german") << "german" << 0 << 0;
        QTest::newRow("French") << "French" << 0 << 0;
    }
    void languageShrinksTheEditorButtons()
    {
        QFETCH(QString, language);
        QFETCH(int, savePoints);
        QFETCH(int, resetPoints);
        StationSettings().setValue("Language", language);
        MainWindow w(manager);
        const int usual = child<QPushButton>(w, "pushButtonAddAStep")->font().pointSize();
        QCOMPARE(child<QPushButton>(w, "pushButtonEdirProgramSave")->font().pointSize(),
                 savePoints ? savePoints : usual);
        QCOMPARE(child<QPushButton>(w, "pushButtonEdirProgramReset")->font().pointSize(),
                 resetPoints ? resetPoints : usual);
    }

    void choosingALogFolderStoresItAtOnce_data()
    {
        QTest::addColumn<bool>("choose");
        QTest::newRow("chosen") << true;
        QTest::newRow("cancelled") << false;
    }
    void choosingALogFolderStoresItAtOnce()
    {
        QFETCH(bool, choose);
        QTemporaryDir other;
        MainWindow w(manager);
        ModalAnswerer answerer;
        answerer.handleDialogs([&](QWidget *dialog) {
            auto *files = qobject_cast<QFileDialog *>(dialog);
            if (!files)
                return false;
            if (choose) {
                files->setDirectory(other.path());
                static_cast<QDialog *>(files)->accept();
            } else {
                files->reject();
            }
            return true;
        });
        QTest::mouseClick(child<QWidget>(w, "toolButtonSelectLogFile"), Qt::LeftButton);

        const QString expected = choose ? other.path() : logs.path();
        QCOMPARE(child<QLineEdit>(w, "lineEditLogFolder")->text(), expected);
        StationSettings settings;
        QCOMPARE(settings.logFolder(), expected);
    }

    void closingAsksFirst_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("stays");
        QTest::newRow("Cancel") << int(QMessageBox::Cancel) << true;
        QTest::newRow("Yes") << int(QMessageBox::Yes) << false;
    }
    void closingAsksFirst()
    {
        QFETCH(int, answer);
        QFETCH(bool, stays);
        // A controller answers the read of the first show: a failed read's
        // box would otherwise race with the question under a slow build.
        QVERIFY(link->plugIn("regulon", "RG100042"));
        manager->changePort(link->port("regulon"));
        MainWindow w(manager);
        w.show();
        ModalAnswerer answerer;
        answerer.answerBoxes({QMessageBox::StandardButton(answer)});
        w.close();
        QCOMPARE(answerer.boxes.size(), 1);
        QCOMPARE(answerer.boxes[0].title, QString("Exit"));
        QCOMPARE(answerer.boxes[0].text, QString("Do you want to exit?"));
        QCOMPARE(w.isVisible(), stays);
    }

    void destructionStoresTheLogFolder()
    {
        StationSettings().remove("log_folder");
        {
            ModalAnswerer answerer; // the new folder is announced
            MainWindow w(manager);
            QCOMPARE(answerer.titles(), QStringList{"Log Folder"});
        }
        QCOMPARE(StationSettings().logFolder(),
                 QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + "/Vaporin/Protokolle");
    }

    void firstShowWiresTheDeviceLinkOnce()
    {
        RegulonSim *sim = link->plugIn("regulon", "12345678");
        QVERIFY(sim);
        CountingManager counting;
        counting.setRestartHandler([] {});
        counting.worker().setTiming(manager->worker().timing());
        counting.changePort(link->port("regulon"));
        MainWindow w(&counting);
        w.show();
        w.hide();
        w.show();
        QCOMPARE(counting.temperatureReceivers(), 1);
        // The program read starts the worker, which polls from then on.
        QTRY_COMPARE_WITH_TIMEOUT(child<QLabel>(w, "labelTemperature")->text(), QString("20 °C"), 5000);
        QCOMPARE(sim->receivedCommands().count("GET_EEPR\n"), 1);
    }

    void firstShowReadsTheProgramsIntoBothChoosers()
    {
        RegulonSim *sim = link->plugIn("regulon", "12345678");
        QVERIFY(sim);
        manager->changePort(link->port("regulon"));
        MainWindow w(manager);
        auto *home = child<QComboBox>(w, "comboBoxPrograms");
        auto *editTab = child<QComboBox>(w, "comboBoxProgramsEditTab");
        auto *homeRefresh = child<QWidget>(w, "buttonRefleshPrograms");
        auto *editRefresh = child<QWidget>(w, "buttonRefleshProgramsEditTab");
        w.show();
        // While reading: empty, disabled, busy indicators uncovered.
        QCOMPARE(home->count(), 0);
        QVERIFY(!home->isEnabled() && !editTab->isEnabled());
        QVERIFY(homeRefresh->isHidden() && editRefresh->isHidden());
        QVERIFY(!child<QWidget>(w, "buttonStart")->isEnabled());

        QTRY_COMPARE_WITH_TIMEOUT(home->count(), 6, 10000);
        QStringList names;
        for (const CommunicationManager::Program &p : sim->programs())
            names << p.name;
        for (QComboBox *chooser : {home, editTab}) {
            QStringList shown;
            for (int i = 0; i < chooser->count(); ++i)
                shown << chooser->itemText(i);
            QCOMPARE(shown, names);
            QVERIFY(chooser->isEnabled());
        }
        QVERIFY(!homeRefresh->isHidden() && homeRefresh->isEnabled());
        QVERIFY(!editRefresh->isHidden());
        QVERIFY(child<QLineEdit>(w, "lineEditLogName")->text().startsWith(QString(names[0]).replace(' ', '_')));
    }

    void failedProgramReadIsReportedAndLeavesOnlyTheHomeRefresh()
    {
        RegulonSim *sim = link->plugIn("regulon", "12345678");
        QVERIFY(sim);
        sim->corruptChecksum(7, -1);
        manager->changePort(link->port("regulon"));
        MainWindow w(manager);
        auto *home = child<QComboBox>(w, "comboBoxPrograms");
        auto *homeRefresh = child<QWidget>(w, "buttonRefleshPrograms");
        ModalAnswerer answerer;
        w.show();
        QTRY_VERIFY_WITH_TIMEOUT(!homeRefresh->isHidden(), 15000);
        QCOMPARE(answerer.titles(), QStringList{"Error"});
        QCOMPARE(answerer.boxes[0].icon, QMessageBox::Critical);
        QVERIFY(!answerer.boxes[0].text.isEmpty());
        QVERIFY(homeRefresh->isEnabled());
        QVERIFY(child<QWidget>(w, "buttonRefleshProgramsEditTab")->isHidden());
        QCOMPARE(home->count(), 0);
        QVERIFY(!home->isEnabled());

        sim->corruptChecksum(7, 0);
        QTest::mouseClick(homeRefresh, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(home->count(), 6, 10000);
        QCOMPARE(answerer.boxes.size(), 1);
    }
};

STATION_GUI_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
