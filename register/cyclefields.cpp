#include "register/cyclefields.h"

#include <QStringList>

namespace CycleFields {

namespace {
const QString recorded = QStringLiteral("recorded");
const QString recovered = QStringLiteral("recovered");
const QString imported = QStringLiteral("imported");
}

QString originText(Cycle::Origin origin)
{
    switch (origin) {
    case Cycle::Origin::Recorded:
        return recorded;
    case Cycle::Origin::Recovered:
        return recovered;
    case Cycle::Origin::Imported:
        return imported;
    }
    return recorded;
}

std::optional<Cycle::Origin> origin(const QString &text)
{
    if (text == recorded)
        return Cycle::Origin::Recorded;
    if (text == recovered)
        return Cycle::Origin::Recovered;
    if (text == imported)
        return Cycle::Origin::Imported;
    return std::nullopt;
}

QString stepsText(const QList<CommunicationManager::ProgramStep> &steps)
{
    QStringList parts;
    for (const CommunicationManager::ProgramStep &step : steps)
        parts << QStringLiteral("%1@%2").arg(step.minutes).arg(step.temperature, 0, 'f', 1);
    return parts.join(QLatin1Char(';'));
}

std::optional<QList<CommunicationManager::ProgramStep>> steps(const QString &text)
{
    QList<CommunicationManager::ProgramStep> result;
    if (text.isEmpty())
        return result;
    for (const QString &part : text.split(QLatin1Char(';'))) {
        const QStringList fields = part.split(QLatin1Char('@'));
        bool minutesOk = false;
        bool temperatureOk = false;
        CommunicationManager::ProgramStep step;
        step.number = result.size() + 1;
        if (fields.size() == 2) {
            step.minutes = fields[0].toInt(&minutesOk);
            step.temperature = fields[1].toDouble(&temperatureOk);
        }
        if (!minutesOk || !temperatureOk)
            return std::nullopt;
        result.append(step);
    }
    return result;
}

} // namespace CycleFields
