#pragma once

#include "ui/curvereduction.h"
#include "ui/timeaxisticks.h"

#include <QCoreApplication>
#include <QList>
#include <QPointF>
#include <QPointer>
#include <QSizeF>
#include <QtCharts/QChartGlobal>

QT_CHARTS_BEGIN_NAMESPACE
class QChart;
class QCategoryAxis;
class QChartView;
class QLineSeries;
QT_CHARTS_END_NAMESPACE

// Temperature over elapsed time: one line series over elapsed seconds and a
// fixed 0-150 °C Y axis. The X range runs from 0 to the newest point, and
// at least a minute; its marks are TimeAxisTicks' for the range and the
// chart's width. (Instants on a date-time axis would be labelled in local
// time: wrong by the zone's part-hour offset, and starting again each hour.)
// The series holds only the points that the chart's pixel columns show (see
// CurveReduction): laying out every point of a long run at each new sample
// would take the window longer with every sample.
class TemperatureChart
{
    Q_DECLARE_TR_FUNCTIONS(TemperatureChart)

public:
    TemperatureChart();
    ~TemperatureChart();

    TemperatureChart(const TemperatureChart &) = delete;
    TemperatureChart &operator=(const TemperatureChart &) = delete;

    void addPoint(float temperature, qint64 seconds);
    void reset();
    // Replaces the curve with these (elapsed seconds, °C) points in one go:
    // adding tens of thousands of points one by one would take minutes.
    void setPoints(const QList<QPointF> &points);

    // The pixel columns that the curve is reduced to: those of the plot area.
    int columns() const;

    // The widget to place; the view owns the chart, which owns series and
    // axes. Whoever adopts the view (a layout's widget) may delete it, so it
    // is tracked and everything below is reached through it.
    QPointer<QtCharts::QChartView> chartView;
    QtCharts::QLineSeries *series = nullptr;
    QtCharts::QChart *chart = nullptr;
    QtCharts::QCategoryAxis *axisX = nullptr;
    // The marks on axisX.
    QVector<TimeAxisTicks::Tick> ticks;

private:
    // Lays the reduced curve, the range from 0 to rangeEnd and its marks
    // onto the chart.
    void draw();
    bool label();

    CurveReduction curve;
    qint64 rangeEnd = TimeAxisTicks::shortestRangeSeconds;
    QSizeF drawnArea; // the plot area that the curve was reduced to
    QMetaObject::Connection redrawOnResize;
};
