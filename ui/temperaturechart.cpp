#include "ui/temperaturechart.h"

#include "app/language.h"

#include <QFontMetrics>
#include <QSignalBlocker>
#include <QtCharts/QCategoryAxis>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>

#include <algorithm>
#include <cmath>

QT_CHARTS_USE_NAMESPACE

namespace {
// The top of the fixed temperature range.
constexpr double maxCelsius = 150.0;
// Room between two marks' labels, in pixels.
constexpr int labelGap = 16;

qint64 shownEnd(qint64 seconds)
{
    return std::max(seconds, TimeAxisTicks::shortestRangeSeconds);
}
} // namespace

TemperatureChart::TemperatureChart()
{
    chart = new QChart();
    chart->legend()->hide();
    chart->setTitle(tr("Temperature"));
    // The temperature marks as the language writes numbers (150,0 in German).
    chart->setLocale(Language::locale());
    chart->setLocalizeNumbers(true);

    axisX = new QCategoryAxis;
    axisX->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    axisX->setTitleText(tr("TIME [HH:MM]"));
    chart->addAxis(axisX, Qt::AlignBottom);

    series = new QLineSeries;

    auto *axisY = new QValueAxis;
    axisY->setTitleText(tr("Temperature [°C]"));
    chart->addAxis(axisY, Qt::AlignLeft);
    axisY->setRange(0.0, maxCelsius);
    axisY->setTickCount(7);

    chart->addSeries(series);
    series->attachAxis(axisX);
    series->attachAxis(axisY);

    // A fresh chart starts at 0 °C at elapsed time 0.
    curve.add(0, 0.0);
    draw();

    chartView = new QChartView(chart);
    chartView->setRenderHint(QPainter::Antialiasing);
    // Pixel columns and rows come and go with the chart's size.
    redrawOnResize = QObject::connect(chart, &QChart::plotAreaChanged, chart, [this](const QRectF &area) {
        if (area.size() != drawnArea)
            draw();
    });
}

TemperatureChart::~TemperatureChart()
{
    QObject::disconnect(redrawOnResize);
    // Still ours unless a parent widget adopted it (and may already have
    // deleted it together with the chart).
    if (chartView && !chartView->parent())
        delete chartView;
}

void TemperatureChart::addPoint(float temperature, qint64 seconds)
{
    if (!chartView)
        return;
    curve.add(seconds, temperature);
    rangeEnd = shownEnd(seconds);
    draw();
}

void TemperatureChart::reset()
{
    if (!chartView)
        return;
    curve.clear();
    rangeEnd = TimeAxisTicks::shortestRangeSeconds;
    draw();
}

void TemperatureChart::setPoints(const QList<QPointF> &points)
{
    if (!chartView)
        return;
    curve.clear();
    qint64 last = 0;
    for (const QPointF &point : points) {
        const auto seconds = qint64(point.x());
        curve.add(seconds, point.y());
        last = qMax(last, seconds);
    }
    rangeEnd = shownEnd(last);
    draw();
}

int TemperatureChart::columns() const
{
    const qreal width = chart->plotArea().width();
    // Before its first layout the chart has no plot area yet: as fine as any.
    return width >= 1.0 ? int(std::ceil(width)) : int(CurveReduction::maxBlocks / 8);
}

void TemperatureChart::draw()
{
    drawnArea = chart->plotArea().size();
    const double rowHeight = drawnArea.height() >= 1.0 ? maxCelsius / drawnArea.height() : 0.0;
    const QVector<QPointF> points = curve.reduced(rangeEnd, columns(), rowHeight);
    const double end = double(rangeEnd);
    // A new range moves every point, so the curve is laid out anew then
    // anyway; the new points need not be laid out a first time. An unchanged
    // range lays nothing out: there the replace must.
    {
        const QSignalBlocker layoutWithTheRange(end != axisX->max() ? series : nullptr);
        series->replace(points);
    }
    // The axis lays out new marks only for a new range.
    if (label())
        axisX->setRange(0.0, end + 1.0);
    axisX->setRange(0.0, end);
}

bool TemperatureChart::label()
{
    // As many marks as the widest label leaves room for: the last one's.
    const int labelWidth = QFontMetrics(axisX->labelsFont()).horizontalAdvance(TimeAxisTicks::label(rangeEnd));
    const int maxTicks = int(drawnArea.width()) / (labelWidth + labelGap) + 1;
    const QVector<TimeAxisTicks::Tick> wanted = TimeAxisTicks::choose(rangeEnd, maxTicks);
    if (wanted == ticks)
        return false;
    ticks = wanted;
    for (const QString &old : axisX->categoriesLabels())
        axisX->remove(old);
    // A category's label stands at its end: the first one's is 0.
    axisX->setStartValue(-1.0);
    for (const TimeAxisTicks::Tick &tick : ticks)
        axisX->append(tick.label, double(tick.seconds));
    return true;
}
