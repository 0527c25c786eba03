#pragma once

#include "device/communicationmanager.h"

#include <QList>

// The six programs a new simulated controller holds in its program memory.
namespace FactoryPrograms {

QList<CommunicationManager::Program> programs();

} // namespace FactoryPrograms
