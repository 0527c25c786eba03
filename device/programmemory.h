#pragma once

#include "device/communicationmanager.h"

#include <QList>
#include <QString>

#include <functional>

// The controller's program memory image (65 Intel HEX lines holding six
// programs) and the records the station writes back. Pure functions: no I/O,
// so that tests and fuzzers call them directly.
namespace ProgramMemory {

// Intel HEX checksum of a header+data hex text as two uppercase digits;
// empty for a text that is not an even number of hex digits.
QString hexChecksum(const QString &hex);

// The name as Latin-1 bytes (others become "?"), cut at the first zero byte,
// as lowercase hex text.
QString nameToHex(const QString &name);

// Lowercase hex, at least four digits, zero-filled (1200 gives "04b0").
QString toHex4(int value);

struct DecodeResult {
    enum Outcome { Ok, WrongSize, ChecksumMismatch };
    Outcome outcome = WrongSize;
    int line = -1; // 0-based line of a checksum mismatch
    QList<CommunicationManager::Program> programs; // six when Ok, else empty
};

// Decodes a whole image as the controller sends it (65 lines joined by CR LF;
// white space around each line is ignored). Any input is safe to pass.
// yield, when given, is called before each line and before each program's
// steps are decoded.
DecodeResult decode(const QString &image, const std::function<void()> &yield = {});

// Empty when the program can be written; otherwise a user-readable reason it
// cannot: a record header that is not 8 hex digits (not read from the
// controller), a name longer than 20 Latin-1 bytes, more than 15 steps, or
// minutes or temperature x 10 outside 0 to 65535.
QString encodeRefusal(const CommunicationManager::Program &program);

// The lines written for a program, each ending in a line feed. Call them only
// for a program whose encodeRefusal() is empty (asserted in debug builds):
// otherwise a record could exceed its 32 data bytes.
QString nameRecordLine(const CommunicationManager::Program &program);
QString stepRecordLine(const CommunicationManager::Program &program, int record); // record 1 to 3
QString endOfFileLine();

} // namespace ProgramMemory
