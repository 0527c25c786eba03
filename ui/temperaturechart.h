#pragma once

#include "ui/curvereduction.h"

#include <QDateTime>
#include <QList>
#include <QPointF>
#include <QPointer>
#include <QSizeF>
#include <QtCharts/QChartGlobal>

QT_CHARTS_BEGIN_NAMESPACE
class QChart;
class QChartView;
class QDateTimeAxis;
class QLineSeries;
QT_CHARTS_END_NAMESPACE

// Elapsed time 0 of every chart: 2018-06-07 00:00:00 UTC. Elapsed seconds are
// laid onto this midnight so that a date-time axis labels them as mm:ss.
inline constexpr qint64 chartEpochSeconds = 1528329600;

// The left end of every chart's time range.
QDateTime chartOrigin();

// Temperature over elapsed time: one line series on a date-time X axis and a
// fixed 0-150 °C Y axis. The X range always runs from 0 to the newest point.
// The series holds only the points that the chart's pixel columns show (see
// CurveReduction): laying out every point of a long run at each new sample
// would take the window longer with every sample.
class TemperatureChart
{
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
    QtCharts::QDateTimeAxis *axisX = nullptr;

private:
    // Lays the reduced curve and the range from 0 to rangeEnd onto the chart.
    void draw();

    CurveReduction curve;
    qint64 rangeEnd = 60; // seconds
    QSizeF drawnArea; // the plot area that the curve was reduced to
    QMetaObject::Connection redrawOnResize;
};
