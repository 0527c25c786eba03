#pragma once

#include "register/cycle.h"
#include "ui/temperaturechart.h"

#include <QString>
#include <QVector>

QT_CHARTS_BEGIN_NAMESPACE
class QCategoryAxis;
QT_CHARTS_END_NAMESPACE

// A register entry's whole curve: every sample, on a time axis that reads
// hours and minutes since the recording began. The live chart's minutes and
// seconds would start again every hour, and a cycle may run for days.
class CycleChart
{
public:
    struct Tick {
        qint64 seconds = 0;
        QString label; // "h:mm"

        bool operator==(const Tick &o) const { return seconds == o.seconds && label == o.label; }
    };

    // Marks from 0 on, in whole minutes of 1, 2, 5, 10, 15, 20 or 30, or in
    // hours, that divide 0 to endSeconds into at most maxTicks parts.
    static QVector<Tick> ticks(qint64 endSeconds, int maxTicks = 8);

    CycleChart();

    QtCharts::QChartView *view() const;
    QtCharts::QLineSeries *series() const { return curve.series; }
    QtCharts::QCategoryAxis *timeAxis() const { return elapsedAxis; }

    void show(const QVector<CycleSample> &samples);
    void clear();

private:
    void label(qint64 endSeconds);

    TemperatureChart curve;
    QtCharts::QCategoryAxis *elapsedAxis = nullptr;
};
