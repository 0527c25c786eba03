#include "tools/regulon-sim/factoryprograms.h"

CommunicationManager::Program FactoryPrograms::program(const QString &name,
                                                      std::initializer_list<std::pair<double, int>> steps)
{
    CommunicationManager::Program p;
    p.name = name;
    for (const auto &[temperature, minutes] : steps) {
        CommunicationManager::ProgramStep step;
        step.temperature = temperature;
        step.minutes = minutes;
        p.steps.append(step);
    }
    return p;
}

QList<CommunicationManager::Program> FactoryPrograms::programs()
{
    constexpr double cooled = 80.0;
    // Air removal at 105 °C before the sterilising hold; the wrapped load
    // dries at 110 °C afterwards. Every program ends cooling to 80 °C, as a
    // controller takes only programs that do.
    return {
        program(QStringLiteral("Instruments 134"), {{105.0, 2}, {134.0, 4}, {cooled, 0}}),
        program(QStringLiteral("Wrapped 121"), {{105.0, 2}, {121.0, 20}, {110.0, 15}, {cooled, 0}}),
        program(QStringLiteral("Prion 134"), {{105.0, 2}, {134.0, 18}, {cooled, 0}}),
        program(QStringLiteral("Liquids 121"), {{121.0, 30}, {cooled, 0}}),
        program(QStringLiteral("Rubber 121"), {{121.0, 15}, {cooled, 0}}),
        program(QStringLiteral("Drying"), {{110.0, 20}, {cooled, 0}}),
    };
}
