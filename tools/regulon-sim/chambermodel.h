#pragma once

#include "device/communicationmanager.h"

// The simulated autoclave chamber: heats at a fixed rate toward the current
// step's temperature, holds it for the step's minutes, goes on to the next
// step, and once the program is done (or stopped) cools toward the room.
// Time only moves through advance(), so tests drive it without waiting.
//
// A real chamber is regulated a little above the step's temperature, and
// its controller counts the step's minutes once it has settled there; with
// a margin the simulated one does the same.
class ChamberModel
{
public:
    enum class Phase { Idle, Heating, Holding, Finished, Stopped };

    static constexpr double ambientCelsius = 20.0;
    static constexpr double rampCelsiusPerSecond = 10.0 / 60.0;
    static constexpr double coolingTimeConstantSeconds = 600.0;

    void start(const CommunicationManager::Program &program);
    void stop();
    void advance(double seconds);

    Phase phase() const { return currentPhase; }
    bool isRunning() const { return currentPhase == Phase::Heating || currentPhase == Phase::Holding; }
    double temperature() const { return celsius; }
    void setTemperature(double value) { celsius = value; }
    // Kelvin above each step's temperature that the chamber is held at; 0
    // (the default) holds the step's temperature exactly.
    void setMargin(double kelvin) { margin = kelvin; }
    // The running step's temperature, 1-based step number and minutes of
    // holding left; 0 when no program runs.
    double setpoint() const;
    int stepNumber() const;
    double holdMinutesLeft() const;

private:
    void enterStep(int index);

    Phase currentPhase = Phase::Idle;
    double celsius = ambientCelsius;
    double margin = 0.0;
    QList<CommunicationManager::ProgramStep> steps;
    int stepIndex = 0;
    double holdSecondsLeft = 0.0;
};
