#include "ui/cyclechart.h"

#include <QGraphicsLayout>
#include <QtCharts/QCategoryAxis>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QDateTimeAxis>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>

#include <cmath>

QT_CHARTS_USE_NAMESPACE

namespace {

double chartX(qint64 seconds)
{
    return double((seconds + chartEpochSeconds) * 1000);
}

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

QVector<CycleChart::Tick> CycleChart::ticks(qint64 endSeconds, int maxTicks)
{
    const qint64 minutes = std::max<qint64>(1, (endSeconds + 59) / 60);
    qint64 step = 0;
    for (qint64 candidate : {1, 2, 5, 10, 15, 20, 30, 60, 120, 180, 240, 360, 720}) {
        if (minutes <= candidate * maxTicks) {
            step = candidate;
            break;
        }
    }
    if (!step) // days: whole days
        step = (minutes + 1440 * maxTicks - 1) / (1440 * maxTicks) * 1440;
    QVector<Tick> result;
    for (qint64 m = 0; m * 60 <= std::max<qint64>(endSeconds, 60); m += step)
        result.append({m * 60, QStringLiteral("%1:%2").arg(m / 60).arg(m % 60, 2, 10, QLatin1Char('0'))});
    return result;
}

CycleChart::CycleChart()
{
    QChart *chart = curve.chart;
    chart->setTitle({});
    chart->setMargins(QMargins(0, 4, 8, 0));
    chart->layout()->setContentsMargins(0, 0, 0, 0);
    chart->setBackgroundRoundness(0);
    // The date-time axis keeps the range; this one shows it as elapsed time.
    curve.axisX->setVisible(false);
    elapsedAxis = new QCategoryAxis;
    elapsedAxis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    elapsedAxis->setTitleText(QObject::tr("Time since the start [h:mm]"));
    chart->addAxis(elapsedAxis, Qt::AlignBottom);
    curve.series->attachAxis(elapsedAxis);
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
    qint64 end = 0;
    for (const CycleSample &s : samples) {
        points.append({s.elapsedMs / 1000.0, s.celsius});
        end = std::max(end, s.elapsedMs / 1000);
    }
    curve.setPoints(points);
    label(end > 0 ? end : 60);
}

void CycleChart::clear()
{
    curve.setPoints({});
    label(60);
}

void CycleChart::label(qint64 endSeconds)
{
    for (const QString &old : elapsedAxis->categoriesLabels())
        elapsedAxis->remove(old);
    // A label stands at the end of its category: the first one's is 0.
    elapsedAxis->setStartValue(chartX(0) - 1);
    for (const Tick &tick : ticks(endSeconds))
        elapsedAxis->append(tick.label, chartX(tick.seconds));
    elapsedAxis->setRange(chartX(0), chartX(endSeconds));
}
