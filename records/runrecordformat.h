#pragma once

#include <QtGlobal>

#include <optional>

class QDateTime;
class QString;

// Text forms of the run record's fields. The window fills a record with them
// and the run log writer reads them back, so both sides share one definition.
namespace RunRecordFormat {

// Key of a data point: whole seconds since the run start as "hh:mm:ss";
// hours grow past two digits. A negative time (clock set back during a run)
// counts as 0, so that every key stays well-formed.
QString elapsedKey(qint64 seconds);

// The seconds a key stands for: hours of one or more digits, minutes and
// seconds of exactly two digits below 60. Nothing for any other text.
std::optional<qint64> elapsedSeconds(const QString &key);

// A temperature in the shortest general notation, at most 6 significant
// digits (121.5, 25, 100.063).
QString temperatureText(double celsius);

// "yyyy-MM-ddTHH:mm:ss.zzzZ" of the time as given (local time for the run
// record); T and Z are literal letters, the digits never follow the locale.
QString timestampText(const QDateTime &time);

} // namespace RunRecordFormat
