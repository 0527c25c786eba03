#pragma once

#include "device/communicationmanager.h"
#include "register/release.h"
#include "reports/cycleverdict.h"

#include <QList>
#include <QtGlobal>

class QDateTime;
class QString;

// Text forms of the values that verdicts and reports show. Digits never
// follow the system locale, so a record reads the same on every station.
namespace ReportFormat {

// What a record shows for a field nobody filled: "unknown".
QString orUnknown(const QString &text);

// Between the parts of a line of details: " · ".
QString separator();

// A temperature with one or two decimals, as many as it needs: "121.0",
// "120.75".
QString temperature(double celsius);

// The same with its unit: "121.0 °C".
QString celsius(double celsius);

// Time since the recording began as "hh:mm:ss" (hours grow past two digits).
QString elapsed(qint64 ms);

// A length of time in words, whole seconds: "45 s", "20 min 05 s",
// "2 h 03 min 00 s".
QString duration(qint64 ms);

// "UTC+01:00", "UTC-05:30", "UTC+00:00".
QString utcOffset(int seconds);

// Date and time as the instant's own wall clock with its offset:
// "2024-03-05 14:07:09 UTC+01:00" ("2024-03-05 14:07 UTC+01:00" without
// seconds); "unknown" for an invalid time.
QString instant(const QDateTime &time, bool withSeconds = true);

// "20 min at 121.0 °C, 5 min at 60.0 °C"; "unknown" for no steps.
QString steps(const QList<CommunicationManager::ProgramStep> &steps);

// The verdict's numbers, for the line under its reason: "hold 121.0 °C for
// 20 min · band 121.0 to 124.0 °C (−0.0 K, +3.0 K) · longest stretch ...".
QString verdictFigures(const CycleVerdict &verdict);

// "Released by A. Meier".
QString releaseHeadline(const Release &release);
// "chemical indicator: Passed · biological indicator: Pending · load: ...
// · lot: ... · entered by meier on RECEPTION-PC".
QString releaseDetails(const Release &release);

} // namespace ReportFormat
