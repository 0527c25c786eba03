#pragma once

#include "register/cycle.h"

#include <QByteArray>
#include <QString>
#include <QVector>

#include <optional>

// The compact form in which the register keeps a cycle's samples.
//
//   byte 0        format version (1)
//   byte 1        0: the body follows as it is; 1: the body is zlib-compressed
//   varint        number of samples
//   varint        length of the body in bytes (before compression)
//   body          per sample: the difference of elapsed ms to the previous
//                 sample, then of the temperature in 0.01 °C, each zigzag-
//                 mapped and written as an unsigned LEB128 varint (the first
//                 sample's differences are to 0 ms and 0 °C)
//
// A two-hour cycle with a sample every 2 s takes about 3 bytes a sample
// before compression and a few KB after it.
namespace SampleCodec {

// Temperatures beyond this cannot be held in 0.01 °C steps by a 64-bit number
// with room for differences; no chamber comes near it.
constexpr double maxCelsius = 1e13;

// The temperature as the register keeps it: in 0.01 °C, rounded half away from zero.
qint64 centidegrees(double celsius);
// A sample as it reads back from the register.
CycleSample rounded(const CycleSample &sample);

// False when a temperature is not a finite number within ±maxCelsius.
bool encodable(const QVector<CycleSample> &samples);

// The blob; the samples must be encodable.
QByteArray encode(const QVector<CycleSample> &samples);

// The samples of a blob. Nothing, with *error saying why, for any blob that
// encode() did not produce: wrong version, bad lengths, damaged compression,
// a varint too long, bytes left over or missing.
std::optional<QVector<CycleSample>> decode(const QByteArray &blob, QString *error = nullptr);

} // namespace SampleCodec
