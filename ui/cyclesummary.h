#pragma once

#include "register/cycle.h"

#include <QDateTime>
#include <QString>
#include <QVector>

// A register entry's fields as the Records tab and the cycle's details show
// them, in words; "unknown" where the register does not know.
namespace CycleSummary {

struct Field {
    QString label;
    QString value;
    bool hash = false; // compared character by character: shown in a fixed font
};

// "2 · Instruments 134"; the name alone when the number is unknown.
QString program(const Cycle &cycle);
QString cycleNumber(const Cycle &cycle);
// The status stored in English, in the station's language.
QString status(const Cycle &cycle);
// A time as the lists show it: "2026-12-07 14:05" in English, the
// language's own order otherwise ("07.12.2026 14:05").
QString listTime(const QDateTime &time, bool withSeconds = false);
// From start to end, "2 h 03 min 00 s".
QString duration(const Cycle &cycle);
// "FAIL: <its one-line reason>"; "none" when the register holds no verdict.
QString verdict(const Cycle &cycle);
// The newest release decision with who made it and when, or whether the
// entry still waits for one.
QString release(const Cycle &cycle);
// How the entry came to be, e.g. "recorded by the station".
QString origin(const Cycle &cycle);

// Every field of the entry, hashes included, in reading order.
QVector<Field> fields(const Cycle &cycle);

} // namespace CycleSummary
