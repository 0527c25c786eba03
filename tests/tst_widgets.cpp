#include "ui/temperaturechart.h"
#include "widgets/qprogressindicator.h"

#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QPixmap>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QDateTimeAxis>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>
#include <QtTest>

QT_CHARTS_USE_NAMESPACE

namespace {

// Records the moments at which a widget receives its timer events.
struct TimerTicks : QObject
{
    QVector<qint64> ticks;
    QElapsedTimer clock;
    TimerTicks() { clock.start(); }
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Timer)
            ticks.append(clock.elapsed());
        return false;
    }
};

QImage transparentImage(QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

double chartX(qint64 seconds)
{
    return double((seconds + chartEpochSeconds) * 1000);
}

QValueAxis *yAxisOf(const TemperatureChart &chart)
{
    const auto axes = chart.chart->axes(Qt::Vertical);
    return axes.size() == 1 ? qobject_cast<QValueAxis *>(axes.first()) : nullptr;
}

} // namespace

class TstWidgets : public QObject
{
    Q_OBJECT

private slots:
    void indicatorGeometryFollowsTheSmallerSide_data();
    void indicatorGeometryFollowsTheSmallerSide();
    void indicatorStepsAtTheCurrentDelay_data();
    void indicatorStepsAtTheCurrentDelay();
    void indicatorPaintsOnlyWhenAnimatedOrAskedTo_data();
    void indicatorPaintsOnlyWhenAnimatedOrAskedTo();

    void newChartShowsTheFirstMinuteFromZero();
    void resetEmptiesTheChartAndShowsTheFirstMinute();
    void addPointStretchesTheTimeRangeToThePoint_data();
    void addPointStretchesTheTimeRangeToThePoint();
    void pointsAddedOneByOneDrawTheWholeCurve_data();
    void pointsAddedOneByOneDrawTheWholeCurve();
    void chartSurvivesEitherOwnerGoingFirst_data();
    void chartSurvivesEitherOwnerGoingFirst();

    void everyImageIsInTheBundle_data();
    void everyImageIsInTheBundle();
};

void TstWidgets::indicatorGeometryFollowsTheSmallerSide_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("outer");
    QTest::addColumn<int>("inner");
    QTest::addColumn<QRect>("capsule");
    QTest::addColumn<int>("radius");
    QTest::addColumn<QPoint>("centre");

    QTest::newRow("default 20x20") << QSize(20, 20) << 9 << 3 << QRect(-1, -9, 2, 6) << 1 << QPoint(9, 9);
    QTest::newRow("32x32 still wide capsules") << QSize(32, 32) << 15 << 5 << QRect(-1, -15, 3, 10) << 1 << QPoint(15, 15);
    QTest::newRow("33x33 slim capsules") << QSize(33, 33) << 16 << 6 << QRect(-1, -16, 2, 10) << 1 << QPoint(16, 16);
    QTest::newRow("100x100") << QSize(100, 100) << 49 << 18 << QRect(-3, -49, 7, 31) << 3 << QPoint(49, 49);
    QTest::newRow("40x20 wider than high") << QSize(40, 20) << 9 << 3 << QRect(-1, -9, 2, 6) << 1 << QPoint(19, 9);
    QTest::newRow("20x40 higher than wide") << QSize(20, 40) << 9 << 3 << QRect(-1, -9, 2, 6) << 1 << QPoint(9, 19);
}

void TstWidgets::indicatorGeometryFollowsTheSmallerSide()
{
    QFETCH(QSize, size);
    const auto g = QProgressIndicator::Geometry::forSize(size);
    QTEST(g.outerRadius, "outer");
    QTEST(g.innerRadius, "inner");
    QTEST(g.capsule, "capsule");
    QCOMPARE(g.capsuleWidth, g.capsule.width());
    QCOMPARE(g.capsuleHeight, g.capsule.height());
    QTEST(g.capsuleRadius, "radius");
    QTEST(g.centre, "centre");
}

void TstWidgets::indicatorStepsAtTheCurrentDelay_data()
{
    QTest::addColumn<bool>("changeWhileAnimating");
    QTest::newRow("changed while animating restarts the timer") << true;
    QTest::newRow("changed while stopped is used by the next start") << false;
}

void TstWidgets::indicatorStepsAtTheCurrentDelay()
{
    QFETCH(bool, changeWhileAnimating);
    QProgressIndicator indicator;
    TimerTicks ticks;
    indicator.installEventFilter(&ticks);
    QCOMPARE(indicator.animationDelay(), 40);

    if (changeWhileAnimating) {
        indicator.startAnimation();
        QTRY_VERIFY_WITH_TIMEOUT(!ticks.ticks.isEmpty(), 2000);
        indicator.setAnimationDelay(100);
        QVERIFY(indicator.isAnimated());
        ticks.ticks.clear();
    } else {
        indicator.setAnimationDelay(100);
        QVERIFY(!indicator.isAnimated());
        indicator.startAnimation();
    }
    QCOMPARE(indicator.animationDelay(), 100);
    QTRY_VERIFY_WITH_TIMEOUT(ticks.ticks.size() >= 3, 3000);
    // Coarse timers may fire up to 5 % early.
    for (int i = 1; i < ticks.ticks.size(); ++i)
        QVERIFY(ticks.ticks.at(i) - ticks.ticks.at(i - 1) >= 90);

    indicator.stopAnimation();
    QVERIFY(!indicator.isAnimated());
}

void TstWidgets::indicatorPaintsOnlyWhenAnimatedOrAskedTo_data()
{
    QTest::addColumn<bool>("animated");
    QTest::addColumn<bool>("displayedWhenStopped");
    QTest::addColumn<bool>("painted");
    QTest::newRow("stopped") << false << false << false;
    QTest::newRow("stopped but displayed") << false << true << true;
    QTest::newRow("animating") << true << false << true;
}

void TstWidgets::indicatorPaintsOnlyWhenAnimatedOrAskedTo()
{
    QFETCH(bool, animated);
    QFETCH(bool, displayedWhenStopped);
    QFETCH(bool, painted);

    QProgressIndicator indicator;
    indicator.resize(indicator.sizeHint());
    indicator.setColor(Qt::red);
    indicator.setDisplayedWhenStopped(displayedWhenStopped);
    if (animated)
        indicator.startAnimation();

    QImage image = transparentImage(indicator.size());
    indicator.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    QCOMPARE(image != transparentImage(indicator.size()), painted);
    if (!painted)
        return;
    // At angle 0 the opaque capsule points up and the trail behind it fades
    // counter-clockwise, so the left capsule is brighter than the right one.
    const QRgb top = image.pixel(9, 3);
    QCOMPARE(qAlpha(top), 255);
    QCOMPARE(qRed(top), 255);
    QCOMPARE(qGreen(top), 0);
    QVERIFY(qAlpha(image.pixel(9, 15)) < qAlpha(top));
    QVERIFY(qAlpha(image.pixel(3, 9)) > qAlpha(image.pixel(15, 9)));
}

void TstWidgets::newChartShowsTheFirstMinuteFromZero()
{
    TemperatureChart chart;
    QCOMPARE(chart.series->points(), QList<QPointF>{QPointF(chartX(0), 0.0)});
    QCOMPARE(chart.axisX->min(), chartOrigin());
    QCOMPARE(chart.axisX->max(), chartOrigin().addSecs(60));
    QCOMPARE(chart.axisX->titleText(), QStringLiteral("TIME [HH:MM]"));
    QValueAxis *y = yAxisOf(chart);
    QVERIFY(y);
    QCOMPARE(y->titleText(), QStringLiteral("Temperature [°C]"));
    QCOMPARE(y->min(), 0.0);
    QCOMPARE(y->max(), 150.0);
    QCOMPARE(chart.chart->title(), QStringLiteral("Temperature"));
    QCOMPARE(chart.chartView->chart(), chart.chart);
}

void TstWidgets::resetEmptiesTheChartAndShowsTheFirstMinute()
{
    TemperatureChart chart;
    chart.addPoint(121.5f, 600);
    chart.reset();
    QCOMPARE(chart.series->count(), 0);
    QCOMPARE(chart.axisX->min(), chartOrigin());
    QCOMPARE(chart.axisX->max(), chartOrigin().addSecs(60));
}

void TstWidgets::addPointStretchesTheTimeRangeToThePoint_data()
{
    QTest::addColumn<qint64>("seconds");
    QTest::addColumn<float>("temperature");
    QTest::addColumn<QString>("rangeEnd");

    QTest::newRow("121.5 at 01:30") << qint64(90) << 121.5f << QStringLiteral("01:30");
    QTest::newRow("at 0 s the range is one instant") << qint64(0) << 20.0f << QStringLiteral("00:00");
    QTest::newRow("above the Y range") << qint64(3600) << 180.0f << QStringLiteral("00:00");
    QTest::newRow("below the Y range") << qint64(5) << -3.0f << QStringLiteral("00:05");
}

void TstWidgets::addPointStretchesTheTimeRangeToThePoint()
{
    QFETCH(qint64, seconds);
    QFETCH(float, temperature);
    QFETCH(QString, rangeEnd);

    TemperatureChart chart;
    chart.reset();
    chart.addPoint(temperature, seconds);

    QCOMPARE(chart.series->points(), QList<QPointF>{QPointF(chartX(seconds), temperature)});
    QCOMPARE(chart.axisX->min(), chartOrigin());
    QCOMPARE(chart.axisX->max(), chartOrigin().addSecs(seconds));
    // Elapsed time read back as the axis labels it, independent of the zone.
    QCOMPARE(chart.axisX->max().toUTC().toString(QStringLiteral("mm:ss")), rangeEnd);
    QValueAxis *y = yAxisOf(chart);
    QCOMPARE(y->min(), 0.0);
    QCOMPARE(y->max(), 150.0);
    // Drawing an empty time range or an off-scale point must not fail.
    chart.chartView->resize(400, 300);
    QVERIFY(!chart.chartView->grab().isNull());
}

using Curve = QList<QPointF>; // (elapsed seconds, °C)

void TstWidgets::pointsAddedOneByOneDrawTheWholeCurve_data()
{
    QTest::addColumn<Curve>("curve");
    QTest::newRow("rising run") << Curve{{0, 20}, {2, 25}, {5, 40}, {7, 80}, {9, 121.5}};
    // The range stays: the point must still be drawn.
    QTest::newRow("two samples in one second") << Curve{{0, 20}, {1, 30}, {1, 35}, {3, 50}, {3, 140}};
    QTest::newRow("clock set back") << Curve{{10, 20}, {4, 30}, {12, 40}};
    QTest::newRow("off scale") << Curve{{1, 180}, {2, -3}, {4, 60}};
    // A range of one instant lays nothing out.
    QTest::newRow("first point at zero") << Curve{{0, 20}, {3, 30}};
}

// Each point is drawn as soon as it is added, as if the whole curve (from
// the fresh chart's starting point on) had been handed over at once and
// stretched to the newest point.
void TstWidgets::pointsAddedOneByOneDrawTheWholeCurve()
{
    QFETCH(Curve, curve);
    TemperatureChart oneByOne;
    TemperatureChart atOnce;
    for (auto *chart : {&oneByOne, &atOnce})
        chart->chartView->resize(400, 300);
    Curve whole{{0, 0}};
    for (const QPointF &point : curve) {
        oneByOne.addPoint(float(point.y()), qint64(point.x()));
        whole.append(point);
        atOnce.setPoints(whole);
        atOnce.axisX->setRange(chartOrigin(), chartOrigin().addSecs(qint64(point.x())));
        QCOMPARE(oneByOne.series->points(), atOnce.series->points());
        QCOMPARE(oneByOne.axisX->max(), atOnce.axisX->max());
        QCOMPARE(oneByOne.chartView->grab().toImage(), atOnce.chartView->grab().toImage());
    }
}

void TstWidgets::chartSurvivesEitherOwnerGoingFirst_data()
{
    QTest::addColumn<bool>("adopted");
    QTest::addColumn<bool>("holderGoesFirst");
    QTest::newRow("never placed") << false << true;
    QTest::newRow("placed, holder goes first") << true << true;
    QTest::newRow("placed, window goes first") << true << false;
}

void TstWidgets::chartSurvivesEitherOwnerGoingFirst()
{
    QFETCH(bool, adopted);
    QFETCH(bool, holderGoesFirst);

    auto *window = new QWidget;
    auto *holder = new TemperatureChart;
    if (adopted)
        (new QHBoxLayout(window))->addWidget(holder->chartView);
    QPointer<QChartView> view = holder->chartView.data();

    if (holderGoesFirst) {
        delete holder;
        QCOMPARE(view.isNull(), !adopted);
        delete window;
    } else {
        delete window;
        QVERIFY(view.isNull());
        holder->addPoint(100.0f, 10); // must not touch the deleted chart
        holder->reset();
        delete holder;
    }
    QVERIFY(view.isNull());
}

void TstWidgets::everyImageIsInTheBundle_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    const QSize button(100, 100);
    const QSize glyph(40, 40);
    QTest::newRow("icon") << ":/images/images/ic_launcher.png" << QSize(256, 256);
    QTest::newRow("logo") << ":/images/images/ic_vaporin.png" << QSize(640, 160);
    QTest::newRow("refresh") << ":/images/images/refresh.png" << QSize(64, 64);
    QTest::newRow("start") << ":/images/images/ic_start.png" << button;
    QTest::newRow("start pressed") << ":/images/images/ic_start_pressed.png" << button;
    QTest::newRow("stop") << ":/images/images/ic_stop.png" << button;
    QTest::newRow("stop pressed") << ":/images/images/ic_stop_pressed.png" << button;
    QTest::newRow("add") << ":/images/add.png" << glyph;
    QTest::newRow("edit") << ":/images/edit.png" << glyph;
    QTest::newRow("delete") << ":/images/delete.png" << glyph;
}

void TstWidgets::everyImageIsInTheBundle()
{
    QFETCH(QString, path);
    const QPixmap pixmap(path);
    QVERIFY2(!pixmap.isNull(), qPrintable(path));
    QTEST(pixmap.size(), "size");
    QVERIFY(pixmap.hasAlpha());
}

QTEST_MAIN(TstWidgets)
#include "tst_widgets.moc"
