#pragma once

#include "register/cycle.h"

#include <QList>
#include <QString>

#include <optional>

// The text forms in which the register stores a cycle's coded fields.
namespace CycleFields {

// "recorded", "recovered", "imported".
QString originText(Cycle::Origin origin);
std::optional<Cycle::Origin> origin(const QString &text);

// "minutes@°C" per step, joined by ";", e.g. "20@121.0;5@60.0"; the
// controller holds temperatures in 0.1 °C. Empty for no (unknown) steps.
QString stepsText(const QList<CommunicationManager::ProgramStep> &steps);
// The steps, numbered from 1; nothing when the text is not such a list.
std::optional<QList<CommunicationManager::ProgramStep>> steps(const QString &text);

} // namespace CycleFields
