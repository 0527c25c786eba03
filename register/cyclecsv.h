#pragma once

#include "register/cycle.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

// Cycles as CSV (RFC 4180): UTF-8, a header row, CRLF line ends, fields with
// a comma, a quote, CR or LF in quotes with their quotes doubled. A field
// that a spreadsheet would run as a formula (it begins with =, +, -, @, a
// tab or CR and is no plain number) gets a leading apostrophe inside its
// quotes. Times are ISO 8601 with their UTC offset.
namespace CycleCsv {

QString field(const QString &text);
QByteArray row(const QStringList &fields);

// The list: ID, start, end, program number and name, cycle number,
// controller, status, origin, samples, log file, log SHA-256, station,
// verdict ("PASS"), release (the newest decision, or "waiting"), and the
// newest release's operator, time, lot, load and indicators.
QByteArray cycles(const QVector<Cycle> &cycles);

// One cycle's samples: time of day, elapsed seconds, temperature in °C.
QByteArray samples(const Cycle &cycle);

} // namespace CycleCsv
