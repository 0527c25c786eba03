#include "ui/temperaturechart.h"

#include <QSignalBlocker>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QDateTimeAxis>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>

QT_CHARTS_USE_NAMESPACE

namespace {
double toChartX(qint64 seconds)
{
    return double((seconds + chartEpochSeconds) * 1000);
}
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
    axisY->setRange(0.0, 150.0);
    axisY->setTickCount(7);

    // A fresh chart starts at 0 °C at elapsed time 0.
    series->append(toChartX(0), 0.0);
    chart->addSeries(series);
    series->attachAxis(axisX);
    series->attachAxis(axisY);

    axisX->setRange(chartOrigin(), chartOrigin().addSecs(60));

    chartView = new QChartView(chart);
    chartView->setRenderHint(QPainter::Antialiasing);
}

TemperatureChart::~TemperatureChart()
{
    // Still ours unless a parent widget adopted it (and may already have
    // deleted it together with the chart).
    if (chartView && !chartView->parent())
        delete chartView;
}

void TemperatureChart::addPoint(float temperature, qint64 seconds)
{
    if (!chartView)
        return;
    const QDateTime end = QDateTime::fromSecsSinceEpoch(seconds + chartEpochSeconds);
    // A new range moves every point, so the curve is laid out anew then
    // anyway; the append need not lay it out a first time. On a long run
    // that halves the cost of a point, as each layout maps all of them. An
    // unchanged or empty range lays nothing out: there the append must.
    {
        const QSignalBlocker layoutWithTheRange(seconds > 0 && end != axisX->max() ? series : nullptr);
        series->append(toChartX(seconds), temperature);
    }
    axisX->setRange(chartOrigin(), end);
}

void TemperatureChart::reset()
{
    if (!chartView)
        return;
    series->clear();
    axisX->setRange(chartOrigin(), chartOrigin().addSecs(60));
}

void TemperatureChart::setPoints(const QList<QPointF> &points)
{
    if (!chartView)
        return;
    QVector<QPointF> onChart;
    onChart.reserve(points.size());
    qint64 last = 0;
    for (const QPointF &point : points) {
        const auto seconds = qint64(point.x());
        onChart.append({toChartX(seconds), point.y()});
        last = qMax(last, seconds);
    }
    series->replace(onChart);
    axisX->setRange(chartOrigin(), last > 0 ? QDateTime::fromSecsSinceEpoch(last + chartEpochSeconds)
                                            : chartOrigin().addSecs(60));
}
