#include "ui/timeaxisticks.h"

#include <algorithm>

namespace TimeAxisTicks {

QVector<Tick> choose(qint64 endSeconds, int maxTicks)
{
    const qint64 end = std::max(endSeconds, shortestRangeSeconds);
    // The marks include 0, so maxTicks marks leave maxTicks - 1 steps.
    const qint64 steps = std::max(maxTicks, 3) - 1;
    const qint64 endMinutes = end / 60;
    qint64 step = 0;
    for (qint64 candidate : {1, 2, 5, 10, 15, 30, 60, 120, 360, 720, 1440}) {
        if (endMinutes / candidate <= steps) {
            step = candidate;
            break;
        }
    }
    if (!step) // the smallest number of whole days that is enough
        step = (endMinutes / (steps + 1) / 1440 + 1) * 1440;
    QVector<Tick> result;
    for (qint64 m = 0; m * 60 <= end; m += step)
        result.append({m * 60, label(m * 60)});
    return result;
}

QString label(qint64 seconds)
{
    const qint64 minutes = seconds / 60;
    return QStringLiteral("%1:%2").arg(minutes / 60, 2, 10, QLatin1Char('0')).arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

} // namespace TimeAxisTicks
