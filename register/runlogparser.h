#pragma once

#include "register/cycle.h"

#include <QByteArray>
#include <QString>

#include <optional>

// Reads a run log's bytes back into a cycle, as the register imports it.
namespace RunLogParser {

// The cycle a run log describes: serial number, cycle number (-1 when the
// field is empty), program name, start and end, status, versions and the
// samples of its rows in time order (the rows of logs beyond 99 hours may
// stand in text order). Header fields are UTF-8 when they are valid UTF-8,
// otherwise Latin-1. The times carry a literal "Z" on local time, so they
// are read as local time of this computer. Origin is Imported; station, log
// path and log SHA-256 are left to the caller. Nothing, with *reason saying
// why, for bytes that are no complete run log.
std::optional<Cycle> parse(const QByteArray &bytes, QString *reason);

} // namespace RunLogParser
