#pragma once

#include "register/cycle.h"
#include "ui/temperaturechart.h"

#include <QString>
#include <QVector>

// A register entry's whole curve: every sample, on the time axis of the
// station's other charts, in the Records tab's small space.
class CycleChart
{
public:
    CycleChart();

    QtCharts::QChartView *view() const;
    QtCharts::QLineSeries *series() const { return curve.series; }
    QtCharts::QCategoryAxis *timeAxis() const { return curve.axisX; }

    void show(const QVector<CycleSample> &samples);
    void clear();

private:
    TemperatureChart curve;
};
