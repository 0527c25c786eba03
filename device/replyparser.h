#pragma once

#include "device/communicationmanager.h"

#include <QString>

#include <optional>

// Parsers for the controller's one-line answers. Each takes the complete
// answer as the worker delivered it (final line feed included) and returns
// nothing when the answer does not have the expected form.
namespace ReplyParser {

// What a start or stop acknowledgement means for the run.
struct StatusReport {
    CommunicationManager::ProgramStatus status = CommunicationManager::Idle;
    QString message;
};

std::optional<CommunicationManager::TempData> parseTemperature(const QString &answer);
std::optional<CommunicationManager::Info> parseIdentity(const QString &answer);
std::optional<StatusReport> parseStartAcknowledgement(const QString &answer);
std::optional<StatusReport> parseStopAcknowledgement(const QString &answer);
// Finished or SensorError; nothing for any other run state.
std::optional<CommunicationManager::ProgramStatus> parseRunStatus(const QString &answer);
// The program (1 to 6) that a run-status answer names in its first field;
// nothing when the field names none.
std::optional<int> runStatusProgram(const QString &answer);
// The firmware version sits at a fixed place in the answer line: up to five
// characters from the twentieth, without control characters (the line end
// of a short answer).
QString parseVersion(const QString &answer);

} // namespace ReplyParser
