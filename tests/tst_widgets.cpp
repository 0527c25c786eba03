#include "register/registerwriter.h"
#include "tests/isolateduser.h"
#include "ui/editporgramstepdialog.h"
#include "ui/programprofile.h"
#include "ui/temperaturechart.h"
#include "ui/timeaxisticks.h"
#include "ui/verdictbanner.h"
#include "widgets/flowlayout.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QtCharts/QCategoryAxis>
#include <QtCharts/QChartView>
#include <QtCharts/QLineSeries>
#include <QtTest>

using Steps = QList<CommunicationManager::ProgramStep>;
using Points = QList<QPointF>; // (elapsed seconds, °C)

namespace {

// How far apart two pictures are: for each pixel of either, the smallest
// difference (largest of the colour channels) to a pixel of the other at
// most one pixel away, and of these the largest. Antialiased edges differ:
// many short segments laid over each other blend into a darker edge than
// one long one (up to about 150 here, on a steep first column). A line missing or out of place by
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
QImage everyPoint(const Points &curve, QSize size, double end)
{
    TemperatureChart chart;
    chart.chartView->resize(size);
    chart.chartView->grab();
    QVector<QPointF> all;
    for (const QPointF &point : curve)
        all << QPointF(qint64(point.x()), float(point.y()));
    chart.series->replace(all);
    chart.setPoints(curve); // the same range and marks
    chart.series->replace(all);
    chart.axisX->setRange(0.0, end);
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
        QCOMPARE(reduced.axisX->max(), 60.0); // a new chart: the first minute
        reduced.chartView->resize(size);
        int shown = curve.size() - oneByOne;
        reduced.setPoints(curve.mid(0, shown));
        do {
            if (shown > curve.size() - oneByOne) {
                const QPointF &sample = curve.at(shown - 1);
                reduced.addPoint(float(sample.y()), qint64(sample.x()));
                QCOMPARE(reduced.axisX->max(), qMax(60.0, double(qint64(sample.x())))); // at least a minute
            }
            const QImage picture = reduced.chartView->grab().toImage();
            QVERIFY(reduced.series->count() <= 4 * reduced.columns());
            const int apart = distance(picture, everyPoint(curve.mid(0, shown), size, reduced.axisX->max()));
            QVERIFY2(apart < 170, qPrintable(QString("%1 points: %2").arg(shown).arg(apart)));
        } while (shown++ < curve.size());
        reduced.reset();
        QCOMPARE(reduced.series->count(), 0);
        QCOMPARE(reduced.axisX->max(), 60.0);
    }

    // The marks of every chart's time axis for runs from 30 s to 100 h:
    // round steps from 0 to the end, each label once, in HH:MM.
    void timeAxisTicks_data()
    {
        QTest::addColumn<qint64>("end"); // seconds
        QTest::addColumn<int>("maxTicks");
        QTest::addColumn<QString>("labels"); // first ... last
        QTest::addColumn<int>("stepMinutes");
        QTest::newRow("30 s") << 30LL << 10 << "00:00 ... 00:01" << 1;
        QTest::newRow("just begun") << 0LL << 10 << "00:00 ... 00:01" << 1;
        QTest::newRow("90 s") << 90LL << 10 << "00:00 ... 00:01" << 1;
        QTest::newRow("7 min 47 s") << 467LL << 10 << "00:00 ... 00:07" << 1;
        QTest::newRow("16 min program") << 960LL << 10 << "00:00 ... 00:16" << 2;
        QTest::newRow("17 min 24 s, once 01:27 and 02:54") << 1044LL << 12 << "00:00 ... 00:16" << 2;
        QTest::newRow("45 min") << 2700LL << 10 << "00:00 ... 00:45" << 5;
        QTest::newRow("61 min, where mm:ss wrapped") << 3660LL << 10 << "00:00 ... 01:00" << 10;
        QTest::newRow("61 min, narrow chart") << 3660LL << 3 << "00:00 ... 01:00" << 30;
        QTest::newRow("2 h 30") << 9000LL << 8 << "00:00 ... 02:30" << 30;
        QTest::newRow("5 h") << 18000LL << 6 << "00:00 ... 05:00" << 60;
        QTest::newRow("10 h") << 36000LL << 6 << "00:00 ... 10:00" << 120;
        QTest::newRow("30 h") << 108000LL << 8 << "00:00 ... 30:00" << 360;
        QTest::newRow("61 h") << 219600LL << 10 << "00:00 ... 60:00" << 720;
        QTest::newRow("100 h") << 360000LL << 8 << "00:00 ... 96:00" << 1440;
        QTest::newRow("100 h, narrow chart") << 360000LL << 3 << "00:00 ... 96:00" << 2880;
        QTest::newRow("3000 h") << 10800000LL << 8 << "00:00 ... 2688:00" << 16 * 1440;
    }
    void timeAxisTicks()
    {
        QFETCH(qint64, end);
        QFETCH(int, maxTicks);
        QFETCH(QString, labels);
        QFETCH(int, stepMinutes);
        const QVector<TimeAxisTicks::Tick> ticks = TimeAxisTicks::choose(end, maxTicks);
        QVERIFY(ticks.size() >= 2 && ticks.size() <= maxTicks);
        QCOMPARE(ticks.first().label + " ... " + ticks.last().label, labels);
        QSet<QString> seen;
        for (int i = 0; i < ticks.size(); ++i) {
            const TimeAxisTicks::Tick &tick = ticks[i];
            QCOMPARE(tick.seconds, i * stepMinutes * 60LL);
            QVERIFY(tick.seconds <= qMax(end, 60LL));
            QCOMPARE(tick.label, QString::asprintf("%02lld:%02lld", tick.seconds / 3600, tick.seconds / 60 % 60));
            QVERIFY2(!seen.contains(tick.label), qPrintable(tick.label));
            seen.insert(tick.label);
        }
        // The marks reach the end.
        QVERIFY(ticks.last().seconds + stepMinutes * 60LL > qMax(end, 60LL));
    }

    // Once a run has started, only entries of runs from then on show their
    // verdict: an earlier run's entry made late (its journal waited for the
    // register) must not stand beside the new curve.
    void verdictBannerShowsOnlyRunsFromTheLastStart_data()
    {
        QTest::addColumn<int>("startedAfterRunStartS"); // the entry's start
        QTest::addColumn<bool>("runStarted");
        QTest::addColumn<bool>("shown");
        QTest::newRow("before any run: a recovered run") << -3600 << false << true;
        QTest::newRow("the run itself") << 0 << true << true;
        QTest::newRow("an hour before the run") << -3600 << true << false;
    }
    void verdictBannerShowsOnlyRunsFromTheLastStart()
    {
        QFETCH(int, startedAfterRunStartS);
        QFETCH(bool, runStarted);
        QFETCH(bool, shown);
        QTemporaryDir dir;
        RegisterWriter writer(dir.filePath("register.sqlite"), dir.filePath("journals"));
        VerdictBanner banner(dir.filePath("register.sqlite"), &writer);
        const QDateTime runStart = QDateTime::currentDateTime();
        if (runStarted)
            banner.runStarted(runStart);
        Cycle entry;
        entry.started = runStart.addSecs(startedAfterRunStartS);
        entry.verdict = CycleVerdict();
        entry.verdict->result = CycleVerdict::Result::Fail;
        entry.verdict->reason = "held 121.0 °C for 3 min of 15 min";
        banner.showVerdict(entry);
        QCOMPARE(banner.isVisible(), shown);
        if (shown)
            QCOMPARE(banner.findChild<QLabel *>("labelVerdict")->text(), QString("FAIL"));
    }

    // What is typed into the step dialog is kept as typed; a value the
    // controller cannot take is refused where it stands, saying why, and OK
    // waits until it is corrected.
    // A row of widgets 100 px wide (the middle one 150 px when it shows),
    // 10 px apart, in a flow of that width: where each widget goes, and the
    // height the flow takes. Extra width goes to the row's stretch factors,
    // else to its expanding widgets, else to those that may grow.
    void flowWrapsRows_data()
    {
        QTest::addColumn<int>("width");
        // Of each widget: f fixed, g may grow, e expanding, h hidden, s a
        // stretch of 1; x: an expanding spacer 40 px wide instead.
        QTest::addColumn<QString>("policies");
        QTest::addColumn<QString>("placed");   // "x,y width" of each widget shown
        QTest::addColumn<int>("height");
        QTest::newRow("one row, fixed") << 400 << "fff" << "0,0 100;110,0 150;270,0 100" << 20;
        QTest::newRow("one row, growing share the rest") << 400 << "gfg" << "0,0 115;125,0 150;285,0 115" << 20;
        QTest::newRow("expanding takes it all") << 400 << "geg" << "0,0 100;110,0 180;300,0 100" << 20;
        QTest::newRow("stretch factor before expanding") << 400 << "esf" << "0,0 100;110,0 180;300,0 100" << 20;
        QTest::newRow("stretch factor of the last") << 400 << "ffs" << "0,0 100;110,0 150;270,0 130" << 20;
        QTest::newRow("two rows") << 300 << "fff" << "0,0 100;110,0 150;0,30 100" << 50;
        QTest::newRow("each alone") << 120 << "fff" << "0,0 100;0,30 150;0,60 100" << 80;
        QTest::newRow("hidden one leaves no gap") << 250 << "fhf" << "0,0 100;110,0 100" << 20;
        QTest::newRow("spacer pushes to the end") << 400 << "fxf" << "0,0 100;300,0 100" << 20;
        QTest::newRow("spacer ends a row, never begins one") << 200 << "fxf" << "0,0 100;0,30 100" << 50;
    }
    void flowWrapsRows()
    {
        QFETCH(int, width);
        QFETCH(QString, policies);
        QFETCH(QString, placed);
        QFETCH(int, height);
        QWidget window;
        auto *column = new QVBoxLayout(&window);
        auto *row = new QHBoxLayout;
        row->setSpacing(10);
        row->setContentsMargins(0, 0, 0, 0);
        column->addLayout(row);
        QList<QWidget *> widgets;
        for (int i = 0; i < policies.size(); ++i) {
            if (policies[i] == 'x') {
                row->addSpacerItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
                continue;
            }
            auto *widget = new QWidget;
            widget->setMinimumSize(i == 1 ? 150 : 100, 20);
            const QChar policy = policies[i];
            widget->setSizePolicy(policy == 'e' ? QSizePolicy::Expanding : policy == 'f' ? QSizePolicy::Fixed : QSizePolicy::Minimum,
                                  QSizePolicy::Fixed);
            row->addWidget(widget, policy == 's' ? 1 : 0);
            widget->setVisible(policy != 'h');
            widgets << widget;
        }
        FlowLayout *flow = FlowLayout::replace(row);
        QCOMPARE(column->itemAt(0)->layout(), flow);
        QCOMPARE(flow->count(), policies.size());
        QCOMPARE(flow->heightForWidth(width), height);
        flow->setGeometry(QRect(0, 0, width, height));
        QStringList got;
        for (QWidget *widget : widgets)
            if (!widget->isHidden())
                got << QString("%1,%2 %3").arg(widget->x()).arg(widget->y()).arg(widget->width());
        QCOMPARE(got.join(';'), placed);
    }

    void stepDialogRefusesVisibly_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("shown");
        QTest::addColumn<QString>("problem"); // empty: taken
        const QString temperature = QString::fromUtf8("The temperature must be 20.0 to 140.0 °C.");
        QTest::newRow("200 °C, once cut to 20") << "doubleSpinBoxTemp" << "200" << 200.0 << temperature;
        QTest::newRow("19.9 °C") << "doubleSpinBoxTemp" << "19.9" << 19.9 << temperature;
        QTest::newRow("140 °C") << "doubleSpinBoxTemp" << "140" << 140.0 << "";
        QTest::newRow("20 °C") << "doubleSpinBoxTemp" << "20" << 20.0 << "";
        QTest::newRow("70000 min, once cut to 7000") << "spinBoxMinutes" << "70000" << 70000.0
                                                     << "The time must be 0 to 65535 minutes.";
        QTest::newRow("65535 min") << "spinBoxMinutes" << "65535" << 65535.0 << "";
        QTest::newRow("0 min") << "spinBoxMinutes" << "0" << 0.0 << "";
    }
    void stepDialogRefusesVisibly()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(double, shown);
        QFETCH(QString, problem);
        EditPorgramStepDialog dialog;
        dialog.show();
        auto *box = dialog.findChild<QAbstractSpinBox *>(field);
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, typed);
        QCOMPARE(field == "spinBoxMinutes" ? double(dialog.minutes()) : dialog.temperature(), shown);
        QCOMPARE(dialog.findChild<QLabel *>("labelProblem")->text(), problem);
        QCOMPARE(box->toolTip(), problem);
        QPushButton *ok = dialog.findChild<QDialogButtonBox *>("buttonBox")->button(QDialogButtonBox::Ok);
        QCOMPARE(ok->isEnabled(), problem.isEmpty());
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(dialog.result(), problem.isEmpty() ? int(QDialog::Accepted) : int(QDialog::Rejected));
    }
};

STATION_GUI_TEST_MAIN(TestWidgets)
#include "tst_widgets.moc"
