#include "app/startwindow.h"
#include "tests/isolateduser.h"
#include "tests/simulatedlink.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QtTest>

namespace {

QStringList entries(const QComboBox *combo)
{
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts << combo->itemText(i);
    return texts;
}

// The window and the widgets the tests look at, found by object name.
struct Window {
    explicit Window(CommunicationManager &manager) : window(&manager) {}

    StartWindow window;
    QComboBox *list = window.findChild<QComboBox *>("comboBoxRegulons");
    QAbstractButton *connectButton = window.findChild<QAbstractButton *>("buttonConnect");
    QAbstractButton *exitButton = window.findChild<QAbstractButton *>("buttonExit");
    QAbstractButton *refresh = window.findChild<QAbstractButton *>("buttonReflesh");

    bool scanning() const { return refresh->isHidden(); }
};

} // namespace

class TestStartWindow : public QObject
{
    Q_OBJECT

private slots:
    void withoutAnyPortTheWindowOpensIdleWithAnEmptyDisabledList()
    {
        SimulatedLink link;
        Window w(link.manager);
        QVERIFY(!w.scanning());
        QCOMPARE(w.list->count(), 0);
        QVERIFY(!w.list->isEnabled());
        QVERIFY(!w.connectButton->isEnabled());
        QVERIFY(w.exitButton->isEnabled());
    }

    void controllersAreListedInPortNameOrder()
    {
        SimulatedLink link;
        QVERIFY(link.plugIn("COM3", "33333333"));
        QVERIFY(link.plugIn("COM10", "10101010"));
        link.listPorts({"COM3", "COM10"});
        Window w(link.manager);
        QVERIFY(w.scanning());
        QVERIFY(!w.connectButton->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(!w.scanning(), 10000);
        QCOMPARE(entries(w.list), (QStringList{"10101010", "33333333"}));
        QVERIFY(w.list->isEnabled());
        QVERIFY(w.connectButton->isEnabled());
    }

    void connectHandsTheChosenControllersPortOver_data()
    {
        QTest::addColumn<QString>("serialCom10");
        QTest::addColumn<QString>("serialCom3");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("expectedPort");
        QTest::newRow("first entry") << "10101010" << "33333333" << 0 << "COM10";
        QTest::newRow("second entry") << "10101010" << "33333333" << 1 << "COM3";
        QTest::newRow("first of two with the same serial") << "12345678" << "12345678" << 0 << "COM10";
        QTest::newRow("second of two with the same serial") << "12345678" << "12345678" << 1 << "COM3";
    }
    void connectHandsTheChosenControllersPortOver()
    {
        QFETCH(QString, serialCom10);
        QFETCH(QString, serialCom3);
        QFETCH(int, row);
        QFETCH(QString, expectedPort);
        SimulatedLink link;
        RegulonSim *com10 = link.plugIn("COM10", serialCom10);
        RegulonSim *com3 = link.plugIn("COM3", serialCom3);
        QVERIFY(com10 && com3);
        // Each scan ends on the port asked last; the opposite order for the
        // expected port shows that Connect really switched.
        link.listPorts(expectedPort == "COM3" ? QStringList{"COM3", "COM10"} : QStringList{"COM10", "COM3"});
        Window w(link.manager);
        QTRY_VERIFY_WITH_TIMEOUT(w.connectButton->isEnabled(), 10000);

        w.list->setCurrentIndex(row);
        w.connectButton->click();
        QCOMPARE(w.window.result(), int(QDialog::Accepted));
        QCOMPARE(w.window.selectedSerial(), w.list->itemText(row));

        com10->clearReceivedCommands();
        com3->clearReceivedCommands();
        link.manager.getInfo();
        RegulonSim *expected = expectedPort == "COM3" ? com3 : com10;
        RegulonSim *other = expected == com3 ? com10 : com3;
        QTRY_VERIFY_WITH_TIMEOUT(expected->receivedCommands().contains("GET_INFO\n"), 5000);
        QVERIFY(other->receivedCommands().isEmpty());
    }

    void exitRejectsWithoutChoosingAController()
    {
        SimulatedLink link;
        QVERIFY(link.plugIn("COM1", "12345678"));
        link.listPorts({"COM1"});
        Window w(link.manager);
        QVERIFY(w.scanning());
        w.exitButton->click();
        QCOMPARE(w.window.result(), int(QDialog::Rejected));
        QCOMPARE(w.window.selectedSerial(), QString("00000000"));
    }

    void refreshListsOnlyTheControllersStillPluggedIn()
    {
        SimulatedLink link;
        RegulonSim *first = link.plugIn("COM1", "11111111");
        QVERIFY(first && link.plugIn("COM2", "22222222"));
        link.listPorts({"COM1", "COM2"});
        Window w(link.manager);
        QTRY_VERIFY_WITH_TIMEOUT(!w.scanning(), 10000);
        QCOMPARE(entries(w.list), (QStringList{"11111111", "22222222"}));

        first->unplug();
        w.refresh->click();
        QVERIFY(w.scanning());
        QCOMPARE(w.list->count(), 0);
        QVERIFY(!w.list->isEnabled());
        QVERIFY(!w.connectButton->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(!w.scanning(), 10000);
        QCOMPARE(entries(w.list), QStringList{"22222222"});
        QVERIFY(w.connectButton->isEnabled());
    }
};

STATION_GUI_TEST_MAIN(TestStartWindow)
#include "tst_startwindow.moc"
