#include "tests/isolateduser.h"
#include "tests/modalanswerer.h"
#include "ui/editporgramstepdialog.h"
#include "ui/programprofile.h"
#include "ui/programstepitem.h"

#include <QLabel>
#include <QToolButton>
#include <QtTest>

using Step = CommunicationManager::ProgramStep;
using Steps = QList<Step>;
using Points = QList<QPointF>;

class TestStepWidgets : public QObject
{
    Q_OBJECT

private slots:
    void itemShowsNumberTimeAndRoundedTemperature_data()
    {
        QTest::addColumn<Step>("step");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("description");
        QTest::newRow("rounded to a tenth") << Step{1, 10, 121.26} << "Step 1" << "10 minutes at 121.3 °C";
        QTest::newRow("whole degrees get a tenth") << Step{14, 0, 60.0} << "Step 14" << "0 minutes at 60.0 °C";
        QTest::newRow("longest hold") << Step{3, 65535, 134.0} << "Step 3" << "65535 minutes at 134.0 °C";
    }
    void itemShowsNumberTimeAndRoundedTemperature()
    {
        QFETCH(Step, step);
        ProgramStepItem item;
        item.setStep(step);
        QTEST(item.findChild<QLabel *>("stepTitle_3")->text(), "title");
        QTEST(item.findChild<QLabel *>("stepDesc_3")->text(), "description");
    }

    void itemReportsEditAndDelete_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("accept");
        QTest::addColumn<Steps>("edited");
        QTest::addColumn<Steps>("deleted");
        // The step below the dialog's range opens at its minimum.
        QTest::newRow("edit keeps the number") << "buttonEditStep" << true << Steps{{4, 12, 20.0}} << Steps{};
        QTest::newRow("cancelled edit reports nothing") << "buttonEditStep" << false << Steps{} << Steps{};
        QTest::newRow("delete without asking") << "buttonDeleteStep" << false << Steps{} << Steps{{4, 7, 15.0}};
    }
    void itemReportsEditAndDelete()
    {
        QFETCH(QString, button);
        QFETCH(bool, accept);
        ProgramStepItem item;
        item.setStep({4, 7, 15.0});
        Steps edited;
        Steps deleted;
        connect(&item, &ProgramStepItem::onEdit, [&](Step s) { edited << s; });
        connect(&item, &ProgramStepItem::onDelete, [&](Step s) { deleted << s; });
        ModalAnswerer answerer;
        answerer.handleDialogs([accept](QWidget *modal) {
            auto *dialog = qobject_cast<EditPorgramStepDialog *>(modal);
            if (!dialog)
                return false;
            dialog->setMinutes(12);
            accept ? dialog->accept() : dialog->reject();
            return true;
        });
        item.findChild<QToolButton *>(button)->click();
        QTEST(edited, "edited");
        QTEST(deleted, "deleted");
    }

    void dialogKeepsValuesTheMemoryCanHold_data()
    {
        QTest::addColumn<int>("minutesIn");
        QTest::addColumn<double>("temperatureIn");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<double>("temperature");
        QTest::newRow("within") << 65535 << 140.0 << 65535 << 140.0;
        QTest::newRow("above") << 999999999 << 140.1 << 65535 << 140.0;
        QTest::newRow("below") << -1 << 19.99 << 0 << 20.0;
    }
    void dialogKeepsValuesTheMemoryCanHold()
    {
        QFETCH(int, minutesIn);
        QFETCH(double, temperatureIn);
        EditPorgramStepDialog dialog;
        dialog.setMinutes(minutesIn);
        dialog.setTemperature(temperatureIn);
        QTEST(dialog.minutes(), "minutes");
        QTEST(dialog.temperature(), "temperature");
    }

    void profileRampsOneMinutePerTenDegreesThenHolds_data()
    {
        QTest::addColumn<Steps>("steps");
        QTest::addColumn<Points>("points");
        Points ramp{{0, 20.0}};
        for (int i = 1; i <= 10; ++i)
            ramp << QPointF(i * 60, 20.0 + i * 10.1);
        QTest::newRow("20.0 to 121.0 in 10 minutes") << Steps{{0, 0, 121.0}} << ramp;
        QTest::newRow("25 after 20 holds at once")
            << Steps{{0, 2, 25.0}} << Points{{0, 20.0}, {60, 25.0}, {120, 25.0}};
        // 40.3 - 20.3 is 19.999... in binary: still two ramp minutes.
        QTest::newRow("down and up, counted in tenths")
            << Steps{{0, 1, 40.1}, {0, 0, 20.3}, {0, 0, 40.3}}
            << Points{{0, 20.0}, {60, 30.05}, {120, 40.1}, {180, 40.1}, {240, 20.3}, {300, 30.3}, {360, 40.3}};
        QTest::newRow("no steps") << Steps{} << Points{{0, 20.0}};
    }
    void profileRampsOneMinutePerTenDegreesThenHolds()
    {
        QFETCH(Steps, steps);
        QTEST(ProgramProfile::points(steps), "points");
    }
};

STATION_GUI_TEST_MAIN(TestStepWidgets)
#include "tst_stepwidgets.moc"
