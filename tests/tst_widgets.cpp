#include "app/logfolder.h"
#include "tests/isolateduser.h"
#include "ui/editporgramstepdialog.h"
#include "ui/mainwindow.h"
#include "ui/programprofile.h"
#include "ui/programstepitem.h"
#include "ui/temperaturechart.h"

#include <QLabel>
#include <QtCharts/QChartView>
#include <QtCharts/QDateTimeAxis>
#include <QtCharts/QLineSeries>
#include <QtTest>

using Steps = QList<CommunicationManager::ProgramStep>;
using Points = QList<QPointF>; // (elapsed seconds, °C)

class TestWidgets : public QObject
{
    Q_OBJECT

private slots:
    void logFolderFallsBackToTheExecutablesFolderWithoutDocuments()
    {
        const LogFolder resolved = LogFolder::resolve(QString(), QString(), QDir::tempPath());
        QCOMPARE(resolved.path, QDir::tempPath());
        QVERIFY(resolved.announce);
    }

    void logNameJoinsProgramAndTime()
    {
        QCOMPARE(MainWindow::logName(" Fast  134", QDateTime(QDate(2026, 1, 9), QTime(19, 5, 9))),
                 QString("_Fast__134_2026_01_09__19_05_09"));
    }

    // Each point is laid out once, with the new time range from 0 to the
    // point; it must still be drawn as if the whole curve came at once.
    void chartDrawsEachPointAsTheWholeCurve_data()
    {
        QTest::addColumn<Points>("curve");
        QTest::newRow("rising run") << Points{{0, 20}, {2, 25}, {5, 40}, {9, 121.5}};
        QTest::newRow("two samples in one second") << Points{{1, 30}, {1, 35}, {3, 50}, {3, 140}};
    }
    void chartDrawsEachPointAsTheWholeCurve()
    {
        QFETCH(Points, curve);
        TemperatureChart oneByOne;
        TemperatureChart atOnce;
        QCOMPARE(oneByOne.axisX->max(), chartOrigin().addSecs(60)); // a new chart: the first minute
        for (auto *chart : {&oneByOne, &atOnce})
            chart->chartView->resize(400, 300);
        Points whole{{0, 0}};
        for (const QPointF &point : curve) {
            oneByOne.addPoint(float(point.y()), qint64(point.x()));
            QCOMPARE(oneByOne.axisX->max(), chartOrigin().addSecs(qint64(point.x())));
            whole.append(point);
            atOnce.setPoints(whole);
            atOnce.axisX->setRange(chartOrigin(), oneByOne.axisX->max());
            QCOMPARE(oneByOne.chartView->grab().toImage(), atOnce.chartView->grab().toImage());
        }
        oneByOne.reset();
        QCOMPARE(oneByOne.series->count(), 0);
        QCOMPARE(oneByOne.axisX->max(), chartOrigin().addSecs(60));
    }

    void stepRowShowsTheTemperatureToATenth()
    {
        ProgramStepItem item;
        item.setStep({4, 10, 121.26});
        QCOMPARE(item.findChild<QLabel *>("stepDesc_3")->text(), QString("10 minutes at 121.3 °C"));
    }

    void stepDialogKeepsWhatTheMemoryCanHold()
    {
        EditPorgramStepDialog dialog;
        dialog.setMinutes(999999999);
        dialog.setTemperature(140.1);
        QCOMPARE(dialog.minutes(), 65535);
        QCOMPARE(dialog.temperature(), 140.0);
    }

    void profileRampsAMinutePerTenDegreesThenHolds_data()
    {
        QTest::addColumn<Steps>("steps");
        QTest::addColumn<Points>("points");
        Points ramp{{0, 20.0}};
        for (int i = 1; i <= 10; ++i)
            ramp << QPointF(i * 60, 20.0 + i * 10.1);
        QTest::newRow("20.0 to 121.0 in 10 minutes") << Steps{{0, 0, 121.0}} << ramp;
        QTest::newRow("25 holds at once") << Steps{{0, 2, 25.0}} << Points{{0, 20.0}, {60, 25.0}, {120, 25.0}};
        // 40.3 - 20.3 is 19.999... in binary: still two ramp minutes.
        QTest::newRow("down and up, counted in tenths")
            << Steps{{0, 1, 40.1}, {0, 0, 20.3}, {0, 0, 40.3}}
            << Points{{0, 20.0}, {60, 30.05}, {120, 40.1}, {180, 40.1}, {240, 20.3}, {300, 30.3}, {360, 40.3}};
    }
    void profileRampsAMinutePerTenDegreesThenHolds()
    {
        QFETCH(Steps, steps);
        QTEST(ProgramProfile::points(steps), "points");
    }
};

STATION_GUI_TEST_MAIN(TestWidgets)
#include "tst_widgets.moc"
