#pragma once

#include "device/communicationmanager.h"

#include <QList>

#include <initializer_list>
#include <utility>

// The six programs a new simulated controller holds in its program memory.
namespace FactoryPrograms {

QList<CommunicationManager::Program> programs();

// A program from (temperature, minutes) pairs in execution order.
CommunicationManager::Program program(const QString &name,
                                      std::initializer_list<std::pair<double, int>> steps);

} // namespace FactoryPrograms
