#include "ui/temperaturechart.h"

#include <QSignalBlocker>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QDateTimeAxis>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>

#include <cmath>

QT_CHARTS_USE_NAMESPACE

namespace {
// The top of the fixed temperature range.
constexpr double maxCelsius = 150.0;
}

QDateTime chartOrigin()
{
    return QDateTime::fromSecsSinceEpoch(chartEpochSeconds);
}

TemperatureChart::TemperatureChart()
{
    chart = new QChart();
    chart->legend()->hide();
    chart->setTitle(QObject::tr("Temperature"));

    axisX = new QDateTimeAxis;
    axisX->setTickCount(12);
    axisX->setTitleText(QObject::tr("TIME [HH:MM]"));
    axisX->setFormat(QStringLiteral("mm:ss"));
    chart->addAxis(axisX, Qt::AlignBottom);

    series = new QLineSeries;

    auto *axisY = new QValueAxis;
    axisY->setTitleText(QObject::tr("Temperature [°C]"));
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
    rangeEnd = seconds;
    draw();
}

void TemperatureChart::reset()
{
    if (!chartView)
        return;
    curve.clear();
    rangeEnd = 60;
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
    rangeEnd = last > 0 ? last : 60;
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
    QVector<QPointF> points = curve.reduced(rangeEnd, columns(), rowHeight);
    for (QPointF &point : points)
        point.setX((point.x() + double(chartEpochSeconds)) * 1000.0);
    const QDateTime end = QDateTime::fromSecsSinceEpoch(rangeEnd + chartEpochSeconds);
    // A new range moves every point, so the curve is laid out anew then
    // anyway; the new points need not be laid out a first time. An unchanged
    // or empty range lays nothing out: there the replace must.
    {
        const QSignalBlocker layoutWithTheRange(rangeEnd > 0 && end != axisX->max() ? series : nullptr);
        series->replace(points);
    }
    axisX->setRange(chartOrigin(), end);
}
