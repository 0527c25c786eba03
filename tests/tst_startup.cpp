#include "app/logfolder.h"
#include "app/startwindow.h"
#include "app/station.h"
#include "app/stationsettings.h"
#include "tests/isolateduser.h"
#include "tests/modalanswerer.h"
#include "tests/simulatedlink.h"
#include "ui/mainwindow.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QtTest>

namespace {

QString defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + "/Vaporin/Protokolle";
}

template<typename T>
T *topLevel()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *found = qobject_cast<T *>(w))
            return found;
    return nullptr;
}

bool mainWindowShown()
{
    const MainWindow *w = topLevel<MainWindow>();
    return w && w->isVisible();
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void init() { StationSettings().clear(); }

    void logFolderResolution_data()
    {
        // Paths below a temporary folder; "file" is a regular file there.
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("documents");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("announce");
        QTest::newRow("stored folder exists") << "logs" << "docs" << "logs" << false;
        QTest::newRow("stored path is a file") << "file" << "docs" << "file" << false;
        QTest::newRow("nothing stored") << "" << "docs" << "docs/Vaporin/Protokolle" << true;
        QTest::newRow("stored folder vanished") << "gone" << "docs" << "docs/Vaporin/Protokolle" << true;
        QTest::newRow("default cannot be created") << "" << "file" << "exe" << true;
        QTest::newRow("no documents folder") << "" << "" << "exe" << true;
    }
    void logFolderResolution()
    {
        QFETCH(QString, stored);
        QFETCH(QString, documents);
        QFETCH(QString, folder);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("logs") && QDir(dir.path()).mkpath("exe"));
        QFile file(dir.filePath("file"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        const auto at = [&](const QString &p) { return p.isEmpty() ? p : dir.filePath(p); };

        const LogFolder resolved = LogFolder::resolve(at(stored), at(documents), at("exe"));
        QCOMPARE(resolved.path, at(folder));
        QTEST(resolved.announce, "announce");
        QVERIFY(QFileInfo::exists(resolved.path));
    }

    void exitBeforeConnectingEndsCleanlyAndStoresTheLogFolder_data()
    {
        QTest::addColumn<QString>("stored"); // "exists", "vanished" or empty
        QTest::addColumn<bool>("announced");
        QTest::newRow("first start with an empty store") << "" << true;
        QTest::newRow("stored folder exists") << "exists" << false;
        QTest::newRow("stored folder has vanished") << "vanished" << true;
    }
    void exitBeforeConnectingEndsCleanlyAndStoresTheLogFolder()
    {
        QFETCH(QString, stored);
        QFETCH(bool, announced);
        QTemporaryDir dir;
        const QString storedFolder = dir.filePath("logs");
        if (!stored.isEmpty())
            StationSettings().setLogFolder(storedFolder);
        if (stored == "exists")
            QVERIFY(QDir().mkpath(storedFolder));
        SimulatedLink link; // no port at all

        // The box about the folder comes while the main window is being
        // built: before the device selection window, with nothing shown.
        bool boxBeforeAnyWindow = false;
        bool mainWindowHiddenDuringSelection = false;
        ModalAnswerer answerer;
        answerer.handleDialogs([&](QWidget *dialog) {
            auto *start = qobject_cast<StartWindow *>(dialog);
            if (!start)
                return false;
            mainWindowHiddenDuringSelection = topLevel<MainWindow>() && !mainWindowShown();
            start->findChild<QAbstractButton *>("buttonExit")->click();
            return true;
        });
        answerer.whenBoxShown([&](QMessageBox *) {
            boxBeforeAnyWindow = !topLevel<StartWindow>() && !mainWindowShown();
        });

        QCOMPARE(Station::run(&link.manager), 0);

        const QString expected = stored == "exists" ? storedFolder : defaultFolder();
        QCOMPARE(StationSettings().logFolder(), expected);
        QVERIFY(QFileInfo(expected).isDir());
        if (announced) {
            QCOMPARE(answerer.titles(), QStringList{"Log Folder"});
            QCOMPARE(answerer.boxes[0].text, "Log Folder path is set to:\n" + expected);
            QVERIFY(boxBeforeAnyWindow);
        } else {
            QVERIFY(answerer.boxes.isEmpty());
        }
        QVERIFY(mainWindowHiddenDuringSelection);
        QVERIFY(!topLevel<StartWindow>() && !topLevel<MainWindow>());
    }

    void connectingShowsTheMainWindowWithLiveTemperature_data()
    {
        QTest::addColumn<QString>("serial");
        QTest::newRow("a controller") << "12345678";
        // The device selection's initial text; a controller may report it.
        QTest::newRow("a controller reporting 00000000") << "00000000";
    }
    void connectingShowsTheMainWindowWithLiveTemperature()
    {
        QFETCH(QString, serial);
        SimulatedLink link;
        RegulonSim *sim = link.plugIn("regulon", serial);
        QVERIFY(sim);
        sim->setChamberTemperature(121.4);
        link.listPorts({"regulon"});
        StationSettings().setLogFolder(QDir::tempPath());

        ModalAnswerer answerer;
        answerer.answerBoxes({QMessageBox::Yes}); // the exit question
        QString listed;
        answerer.handleDialogs([&](QWidget *dialog) {
            auto *connect = dialog->findChild<QAbstractButton *>("buttonConnect");
            if (!connect || !connect->isEnabled())
                return false; // still scanning
            listed = dialog->findChild<QComboBox *>("comboBoxRegulons")->currentText();
            connect->click();
            return true;
        });
        // Once the live temperature shows, the user closes the window.
        QString shown;
        QTimer user;
        connect(&user, &QTimer::timeout, [&] {
            MainWindow *w = topLevel<MainWindow>();
            if (!w || !w->isVisible() || QApplication::activeModalWidget())
                return;
            shown = w->findChild<QLabel *>("labelTemperature")->text();
            if (shown != "- °C")
                w->close();
        });
        user.start(20);
        QTimer::singleShot(20000, qApp, [] { QApplication::exit(1); }); // never hang

        QCOMPARE(Station::run(&link.manager), 0);
        QCOMPARE(listed, serial);
        QCOMPARE(shown, QString("121 °C"));
        QCOMPARE(answerer.titles(), QStringList{"Exit"});
        QCOMPARE(link.restarts, 0);
    }
};

STATION_GUI_TEST_MAIN(TestStartup)
#include "tst_startup.moc"
