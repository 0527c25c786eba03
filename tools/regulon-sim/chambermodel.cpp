#include "tools/regulon-sim/chambermodel.h"

#include <cmath>

void ChamberModel::start(const CommunicationManager::Program &program)
{
    steps = program.steps;
    enterStep(0);
}

void ChamberModel::stop()
{
    if (isRunning())
        currentPhase = Phase::Stopped;
}

void ChamberModel::enterStep(int index)
{
    stepIndex = index;
    currentPhase = index < steps.size() ? Phase::Heating : Phase::Finished;
}

void ChamberModel::advance(double seconds)
{
    // Consumes the interval phase by phase, so one large step (a fast
    // clock, or a long gap between queries) ends where many small ones would.
    while (seconds > 0.0) {
        switch (currentPhase) {
        case Phase::Heating: {
            const double target = steps.at(stepIndex).temperature + margin;
            const double needed = std::abs(target - celsius) / rampCelsiusPerSecond;
            if (needed <= seconds) {
                celsius = target;
                seconds -= needed;
                currentPhase = Phase::Holding;
                holdSecondsLeft = steps.at(stepIndex).minutes * 60.0;
            } else {
                celsius += (target > celsius ? 1 : -1) * rampCelsiusPerSecond * seconds;
                seconds = 0.0;
            }
            break;
        }
        case Phase::Holding:
            if (holdSecondsLeft <= seconds) {
                seconds -= holdSecondsLeft;
                enterStep(stepIndex + 1);
            } else {
                holdSecondsLeft -= seconds;
                seconds = 0.0;
            }
            break;
        case Phase::Idle:
        case Phase::Finished:
        case Phase::Stopped:
            celsius = ambientCelsius
                + (celsius - ambientCelsius) * std::exp(-seconds / coolingTimeConstantSeconds);
            seconds = 0.0;
            break;
        }
    }
}

double ChamberModel::setpoint() const
{
    return isRunning() ? steps.at(stepIndex).temperature : 0.0;
}

int ChamberModel::stepNumber() const
{
    return isRunning() ? stepIndex + 1 : 0;
}

double ChamberModel::holdMinutesLeft() const
{
    return currentPhase == Phase::Holding ? holdSecondsLeft / 60.0 : 0.0;
}
