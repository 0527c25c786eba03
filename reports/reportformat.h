#pragma once

#include "device/communicationmanager.h"
#include "register/release.h"
#include "reports/cycleverdict.h"

#include <QList>
#include <QLocale>
#include <QtGlobal>

class QDate;
class QDateTime;
class QString;

// Text forms of the values that verdicts and reports show. Digits never
// follow the system locale, so a record reads the same on every station.
// Each form takes the locale to write it in: the C locale (the default)
// gives the English words and formats that the register stores and scripts
// read; a German or French one (Language::locale()) the translated words,
// that language's decimal comma and day-first dates.
namespace ReportFormat {

// What a record shows for a field nobody filled: "unknown".
QString orUnknown(const QString &text, const QLocale &locale = QLocale::c());

// Between the parts of a line of details: " · ".
QString separator();

// A number with a fixed count of decimals, never with group separators:
// "1234.5", "1234,5".
QString number(double value, int decimals, const QLocale &locale = QLocale::c());

// A temperature with one or two decimals, as many as it needs: "121.0",
// "120.75", "121,0".
QString temperature(double celsius, const QLocale &locale = QLocale::c());

// The same with its unit: "121.0 °C".
QString celsius(double celsius, const QLocale &locale = QLocale::c());

// Time since the recording began as "hh:mm:ss" (hours grow past two digits).
QString elapsed(qint64 ms);

// A length of time in words, whole seconds: "45 s", "20 min 05 s",
// "2 h 03 min 00 s" (the units read alike in every language).
QString duration(qint64 ms);

// "UTC+01:00", "UTC-05:30", "UTC+00:00".
QString utcOffset(int seconds);

// A day: "2024-03-05"; "05.03.2024", "05/03/2024".
QString day(const QDate &date, const QLocale &locale = QLocale::c());

// Date and time as the instant's own wall clock with its offset:
// "2024-03-05 14:07:09 UTC+01:00" ("2024-03-05 14:07 UTC+01:00" without
// seconds; "05.03.2024 14:07:09 UTC+01:00" in German); "unknown" for an
// invalid time.
QString instant(const QDateTime &time, bool withSeconds = true, const QLocale &locale = QLocale::c());

// "20 min at 121.0 °C, 5 min at 60.0 °C"; "unknown" for no steps.
QString steps(const QList<CommunicationManager::ProgramStep> &steps, const QLocale &locale = QLocale::c());

// The verdict's numbers, for the line under its reason: "hold 121.0 °C for
// 20 min · band 121.0 to 124.0 °C (−0.0 K, +3.0 K) · longest stretch ...".
QString verdictFigures(const CycleVerdict &verdict, const QLocale &locale = QLocale::c());

// A release's decision or indicator as the register stores it ("Released",
// "Not used"), in the locale's language.
QString releaseWord(const QString &stored, const QLocale &locale = QLocale::c());

// "Released by A. Meier".
QString releaseHeadline(const Release &release, const QLocale &locale = QLocale::c());
// "chemical indicator: Passed · biological indicator: Pending · load: ...
// · lot: ... · entered by meier on RECEPTION-PC".
QString releaseDetails(const Release &release, const QLocale &locale = QLocale::c());

} // namespace ReportFormat
