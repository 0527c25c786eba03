#pragma once

#include "device/communicationmanager.h"

#include <QList>
#include <QPointF>

// The temperature profile that the program editor draws for a program.
namespace ProgramProfile {

// Points as (elapsed seconds, °C), one per minute: from 20.0 °C at time 0,
// each step first ramps from the previous temperature, taking one minute
// per full 10 °C of difference, then holds its temperature for its minutes.
QList<QPointF> points(const QList<CommunicationManager::ProgramStep> &steps);

} // namespace ProgramProfile
