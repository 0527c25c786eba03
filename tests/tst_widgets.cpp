#include "tests/isolateduser.h"
#include "ui/programprofile.h"
#include "ui/temperaturechart.h"

#include <QtCharts/QChartView>
#include <QtCharts/QDateTimeAxis>
#include <QtCharts/QLineSeries>
#include <QtTest>

using Steps = QList<CommunicationManager::ProgramStep>;
using Points = QList<QPointF>; // (elapsed seconds, °C)

namespace {

// How far apart two pictures are: for each pixel of either, the smallest
// difference (largest of the colour channels) to a pixel of the other at
// most one pixel away, and of these the largest. Antialiased edges differ:
// many short segments laid over each other blend into a darker edge than
// one long one (up to about 110 here). A line missing or out of place by
// more than a pixel shows as a blue pixel where the other has background
// (above 200).
int distance(const QImage &first, const QImage &second)
{
    const QImage a = first.convertToFormat(QImage::Format_RGB32);
    const QImage b = second.convertToFormat(QImage::Format_RGB32);
    if (a.size() != b.size())
        return 255;
    const auto channels = [](QRgb p, QRgb q) {
        return qMax(qAbs(qRed(p) - qRed(q)), qMax(qAbs(qGreen(p) - qGreen(q)), qAbs(qBlue(p) - qBlue(q))));
    };
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            for (const auto &[one, other] : {std::pair{&a, &b}, std::pair{&b, &a}}) {
                const QRgb pixel = one->pixel(x, y);
                int closest = 255;
                for (int ny = qMax(0, y - 1); ny <= qMin(a.height() - 1, y + 1); ++ny)
                    for (int nx = qMax(0, x - 1); nx <= qMin(a.width() - 1, x + 1); ++nx)
                        closest = qMin(closest, channels(pixel, reinterpret_cast<const QRgb *>(other->constScanLine(ny))[nx]));
                largest = qMax(largest, closest);
            }
        }
    }
    return largest;
}

// The picture of every point: a chart of that size whose own curve is
// replaced by all of them once its layout has settled (a new layout would
// reduce the curve again).
QImage everyPoint(const Points &curve, QSize size, const QDateTime &end)
{
    TemperatureChart chart;
    chart.chartView->resize(size);
    chart.chartView->grab();
    QVector<QPointF> all;
    for (const QPointF &point : curve)
        all << QPointF((qint64(point.x()) + chartEpochSeconds) * 1000.0, float(point.y()));
    chart.series->replace(all);
    chart.axisX->setRange(chartOrigin(), end);
    return chart.chartView->grab().toImage();
}

Points noisy(int samples, double secondsApart, double level, double spread)
{
    QRandomGenerator noise(7);
    Points curve;
    for (int n = 0; n < samples; ++n)
        curve << QPointF(qint64(n * secondsApart), qMin(level, 20.0 + n) + noise.bounded(spread) - spread / 2);
    return curve;
}

} // namespace

class TestWidgets : public QObject
{
    Q_OBJECT

private slots:
    // The chart draws only what its pixel columns show; the picture must be
    // the one that every point draws, also while the range stretches with
    // each new sample.
    void chartDrawsWhatEveryPointDraws_data()
    {
        QTest::addColumn<Points>("curve");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("oneByOne"); // the last points added as samples, the others as a profile
        const QSize home(532, 396);
        QTest::newRow("rising run") << Points{{0, 20}, {2, 25}, {5, 40}, {9, 121.5}} << home << 4;
        QTest::newRow("two samples in one second") << Points{{1, 30}, {1, 35}, {3, 50}, {3, 140}} << home << 4;
        QTest::newRow("61 hours holding 121 °C") << noisy(100000, 2.2, 121, 0.6) << home << 4;
        QTest::newRow("noise of 20 °C either way") << noisy(20000, 2.2, 100, 40) << home << 2;
        Points spikes = noisy(30000, 2.2, 121, 0.2);
        spikes[7001].setY(150);
        spikes[22222].setY(0);
        QTest::newRow("a spike and a dip") << spikes << home << 1;
        const Steps program{{0, 30, 121}, {0, 20000, 134}, {0, 10, 60}, {0, 5000, 100}};
        QTest::newRow("long program's profile") << ProgramProfile::points(program) << QSize(610, 270) << 0;
    }
    void chartDrawsWhatEveryPointDraws()
    {
        QFETCH(Points, curve);
        QFETCH(QSize, size);
        QFETCH(int, oneByOne);
        TemperatureChart reduced;
        QCOMPARE(reduced.axisX->max(), chartOrigin().addSecs(60)); // a new chart: the first minute
        reduced.chartView->resize(size);
        int shown = curve.size() - oneByOne;
        reduced.setPoints(curve.mid(0, shown));
        do {
            if (shown > curve.size() - oneByOne) {
                const QPointF &sample = curve.at(shown - 1);
                reduced.addPoint(float(sample.y()), qint64(sample.x()));
                QCOMPARE(reduced.axisX->max(), chartOrigin().addSecs(qint64(sample.x())));
            }
            const QImage picture = reduced.chartView->grab().toImage();
            QVERIFY(reduced.series->count() <= 4 * reduced.columns());
            const int apart = distance(picture, everyPoint(curve.mid(0, shown), size, reduced.axisX->max()));
            QVERIFY2(apart < 128, qPrintable(QString("%1 points: %2").arg(shown).arg(apart)));
        } while (shown++ < curve.size());
        reduced.reset();
        QCOMPARE(reduced.series->count(), 0);
        QCOMPARE(reduced.axisX->max(), chartOrigin().addSecs(60));
    }
};

STATION_GUI_TEST_MAIN(TestWidgets)
#include "tst_widgets.moc"
