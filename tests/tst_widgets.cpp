#include "tests/isolateduser.h"
#include "ui/curvereduction.h"
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
    // Each column of the curve keeps its first, lowest, highest and last
    // point in their order, also once blocks of seconds have been merged.
    void reductionKeepsEachColumnsFirstExtremesAndLast_data()
    {
        QTest::addColumn<Points>("added");
        QTest::addColumn<qint64>("end");
        QTest::addColumn<int>("columns");
        QTest::addColumn<double>("rowHeight");
        QTest::addColumn<Points>("reduced");
        QTest::newRow("one column") << Points{{0, 5}, {0, 1}, {0, 3}, {0, 9}, {0, 4}, {0, 6}} << qint64(0) << 300 << 0.0
                                    << Points{{0, 5}, {0, 1}, {0, 9}, {0, 6}};
        QTest::newRow("highest before lowest") << Points{{0, 5}, {0, 9}, {0, 1}, {0, 6}} << qint64(0) << 300 << 0.0
                                               << Points{{0, 5}, {0, 9}, {0, 1}, {0, 6}};
        QTest::newRow("first and lowest are one point") << Points{{0, 1}, {0, 9}, {0, 5}} << qint64(0) << 300 << 0.0
                                                        << Points{{0, 1}, {0, 9}, {0, 5}};
        QTest::newRow("two columns of three") << Points{{0, 1}, {1, 7}, {2, 3}, {3, 4}, {4, 0}, {5, 2}} << qint64(6) << 2 << 0.0
                                              << Points{{0, 1}, {1, 7}, {2, 3}, {3, 4}, {4, 0}, {5, 2}};
        QTest::newRow("clock set back: in the newest block") << Points{{10, 1}, {20, 2}, {5, 3}, {21, 2}}
                                                             << qint64(21) << 300 << 0.0
                                                             << Points{{10, 1}, {20, 2}, {5, 3}, {21, 2}};
        // A day in blocks of 8 s: the spike and the dip survive the merges.
        Points day;
        for (int n = 0; n < 40000; ++n)
            day << QPointF(n * 3, n == 12345 ? 150.0 : n == 30000 ? 0.0 : 121.0);
        // Middle columns (second 1 of 0 to 2 in three columns): first and last
        // within half a pixel row of the extreme beside them draw nothing more.
        const auto middle = [](const Points &column) { return Points{{0, 0}} + column + Points{{2, 0}}; };
        QTest::newRow("rows of 1: first and last beside the extremes")
            << middle({{1, 1.3}, {1, 1}, {1, 5}, {1, 9}, {1, 8.6}}) << qint64(2) << 3 << 1.0
            << middle({{1, 1}, {1, 9}});
        QTest::newRow("rows of 1: first and last a row away") << middle({{1, 1.6}, {1, 1}, {1, 9}, {1, 8.4}})
                                                              << qint64(2) << 3 << 1.0
                                                              << middle({{1, 1.6}, {1, 1}, {1, 9}, {1, 8.4}});
        QTest::newRow("rows of 1: a column less than a row high") << middle({{1, 5.2}, {1, 5.9}, {1, 5}, {1, 5.7}})
                                                                  << qint64(2) << 3 << 1.0
                                                                  << middle({{1, 5.9}, {1, 5}});
        QTest::newRow("rows of 1: all in half a row") << middle({{1, 5.2}, {1, 5.4}, {1, 5}, {1, 5.3}}) << qint64(2)
                                                      << 3 << 1.0 << middle({{1, 5.4}});
        // The curve's own ends stay.
        QTest::newRow("rows of 1: a level line keeps its ends") << Points{{0, 5}, {1, 5}, {2, 5}, {3, 5}} << qint64(4)
                                                                << 2 << 1.0 << Points{{0, 5}, {2, 5}, {3, 5}};
        QTest::newRow("a day into 4 columns") << day << qint64(120000) << 4 << 0.0
                                              << Points{{0, 121}, {29997, 121}, {30000, 121}, {37035, 150},
                                                        {59997, 121}, {60000, 121}, {89997, 121},
                                                        {90000, 0}, {90003, 121}, {119997, 121}};
    }
    void reductionKeepsEachColumnsFirstExtremesAndLast()
    {
        QFETCH(Points, added);
        QFETCH(qint64, end);
        QFETCH(int, columns);
        QFETCH(double, rowHeight);
        CurveReduction curve;
        for (const QPointF &point : added)
            curve.add(qint64(point.x()), point.y());
        QVERIFY(curve.blockCount() <= CurveReduction::maxBlocks);
        QTEST(Points(curve.reduced(end, columns, rowHeight).toList()), "reduced");
        curve.clear();
        QVERIFY(curve.reduced(end, columns).isEmpty());
    }

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
