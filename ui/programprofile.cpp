#include "ui/programprofile.h"

#include <QtGlobal>

#include <cmath>

namespace ProgramProfile {

QList<QPointF> points(const QList<CommunicationManager::ProgramStep> &steps)
{
    QList<QPointF> result{{0.0, 20.0}};
    qint64 minute = 0;
    double previous = 20.0;
    for (const CommunicationManager::ProgramStep &step : steps) {
        const double temperature = step.temperature;
        // Counted in the controller's tenths of a degree, so that a difference
        // of exactly 20 °C never becomes 19.999... and loses a ramp minute.
        const qint64 ramp = qRound64(std::abs(temperature - previous) * 10) / 100;
        for (qint64 i = 1; i <= ramp; ++i)
            result.append({double((minute + i) * 60), previous + i * (temperature - previous) / ramp});
        for (qint64 j = 1; j <= step.minutes; ++j)
            result.append({double((minute + ramp + j) * 60), temperature});
        minute += ramp + step.minutes;
        previous = temperature;
    }
    return result;
}

} // namespace ProgramProfile
