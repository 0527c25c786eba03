#include "app/logfolder.h"
#include "tests/isolateduser.h"
#include "ui/editporgramstepdialog.h"
#include "ui/mainwindow.h"
#include "ui/programprofile.h"
#include "ui/programstepitem.h"
#include "ui/temperaturechart.h"
#include "widgets/qprogressindicator.h"

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

    void indicatorGeometryFollowsTheSmallerSide_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("outer");
        QTest::addColumn<int>("inner");
        QTest::addColumn<QRect>("capsule");
        QTest::addColumn<int>("radius");
        QTest::addColumn<QPoint>("centre");
        QTest::newRow("default 20x20") << QSize(20, 20) << 9 << 3 << QRect(-1, -9, 2, 6) << 1 << QPoint(9, 9);
        QTest::newRow("32x32 wide capsules") << QSize(32, 32) << 15 << 5 << QRect(-1, -15, 3, 10) << 1 << QPoint(15, 15);
        QTest::newRow("33x33 slim capsules") << QSize(33, 33) << 16 << 6 << QRect(-1, -16, 2, 10) << 1 << QPoint(16, 16);
        QTest::newRow("100x100") << QSize(100, 100) << 49 << 18 << QRect(-3, -49, 7, 31) << 3 << QPoint(49, 49);
        QTest::newRow("40x20 wider than high") << QSize(40, 20) << 9 << 3 << QRect(-1, -9, 2, 6) << 1 << QPoint(19, 9);
        QTest::newRow("20x40 higher than wide") << QSize(20, 40) << 9 << 3 << QRect(-1, -9, 2, 6) << 1 << QPoint(9, 19);
    }
    void indicatorGeometryFollowsTheSmallerSide()
    {
        QFETCH(QSize, size);
        const auto g = QProgressIndicator::Geometry::forSize(size);
        QTEST(g.outerRadius, "outer");
        QTEST(g.innerRadius, "inner");
        QTEST(g.capsule, "capsule");
        QTEST(g.capsuleRadius, "radius");
        QTEST(g.centre, "centre");
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
