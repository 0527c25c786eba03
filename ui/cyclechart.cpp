#include "ui/cyclechart.h"

#include <QCoreApplication>
#include <QGraphicsLayout>
#include <QtCharts/QCategoryAxis>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>

QT_CHARTS_USE_NAMESPACE

namespace {

// The chart is small: smaller type keeps every label whole.
void smallFonts(QAbstractAxis *axis)
{
    QFont labels = axis->labelsFont();
    labels.setPointSize(7);
    axis->setLabelsFont(labels);
    QFont title = axis->titleFont();
    title.setPointSize(8);
    axis->setTitleFont(title);
}

} // namespace

CycleChart::CycleChart()
{
    QChart *chart = curve.chart;
    chart->setTitle({});
    chart->setMargins(QMargins(0, 4, 18, 0)); // half a time label: the last mark may stand at the end
    chart->layout()->setContentsMargins(0, 0, 0, 0);
    chart->setBackgroundRoundness(0);
    curve.axisX->setTitleText(QCoreApplication::translate("CycleChart", "Time since the start [HH:MM]"));
    for (QAbstractAxis *axis : chart->axes())
        smallFonts(axis);
    // Whole degrees, few ticks and a short title: narrow labels leave the
    // curve its width, and the chart's small height keeps them whole.
    for (QAbstractAxis *axis : chart->axes(Qt::Vertical)) {
        if (auto *temperature = qobject_cast<QValueAxis *>(axis)) {
            temperature->setLabelFormat(QStringLiteral("%.0f"));
            temperature->setTickCount(4);
            temperature->setTitleText(QStringLiteral("°C"));
        }
    }
    clear();
}

QChartView *CycleChart::view() const
{
    return curve.chartView;
}

void CycleChart::show(const QVector<CycleSample> &samples)
{
    QList<QPointF> points;
    points.reserve(samples.size());
    for (const CycleSample &s : samples)
        points.append({s.elapsedMs / 1000.0, s.celsius});
    curve.setPoints(points);
}

void CycleChart::clear()
{
    curve.setPoints({});
}
