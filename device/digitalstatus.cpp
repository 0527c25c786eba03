#include "device/digitalstatus.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

namespace DigitalStatus {

namespace {

const char errorTitle[] = QT_TRANSLATE_NOOP("DigitalStatus", "Vaporin - Error");
// The trailing blank marks alarms that do not end a running program.
const char noticeTitle[] = QT_TRANSLATE_NOOP("DigitalStatus", "Vaporin - Error ");
const char informationTitle[] = QT_TRANSLATE_NOOP("DigitalStatus", "Vaporin - Information");

struct BitAlarm {
    int word;
    int bit;
    const char *title;
    const char *message; // UTF-8
    bool inSummary;
};

// Reporting order of the alarms that are raised on a plain rising edge.
const BitAlarm edgeAlarms[] = {
    {1, 1, errorTitle, QT_TRANSLATE_NOOP("DigitalStatus", "Error flag! STS_ERROR"), false},
    {1, 2, errorTitle, QT_TRANSLATE_NOOP("DigitalStatus", "Communication timeout."), true},
    {2, 16, errorTitle, QT_TRANSLATE_NOOP("DigitalStatus", "The temperature sensor 1 is out of the allowed range."), true},
    {3, 25, noticeTitle, QT_TRANSLATE_NOOP("DigitalStatus", "The program has been stopped manually by user."), false},
    {3, 24, errorTitle,
     QT_TRANSLATE_NOOP("DigitalStatus", "Delta-T Error\nThe allowed temperature range of T-1/+2°C has been exceeded during holding time. "
                                        "Check if the temperature cable Check if the autoclave chamber is not out of water."),
     false},
    {3, 19, errorTitle,
     QT_TRANSLATE_NOOP("DigitalStatus", "Heater Error\nMaximum allowed temperature exceeded (143°C) OR targettemperature not be reached. "
                                        "Please check if temperaturesensor is working properly or autoclave chamber is not out ofwater."),
     false},
    {3, 6, informationTitle, QT_TRANSLATE_NOOP("DigitalStatus", "The program finished successfully."), false},
    {3, 5, noticeTitle,
     QT_TRANSLATE_NOOP("DigitalStatus", "A program is already running.\nAlert: The pdf file that will be created afterwards won't contain the "
                                        "previous temperatures."),
     true},
    {3, 17, errorTitle, QT_TRANSLATE_NOOP("DigitalStatus", "The temperature is too high."), true},
    {3, 4, errorTitle, QT_TRANSLATE_NOOP("DigitalStatus", "The temperature is lower than the minimum allowed."), true},
    {3, 1, errorTitle, QT_TRANSLATE_NOOP("DigitalStatus", "An error was occured."), true},
};

const int criticalStopBit = 26;
const Alarm criticalStop{QLatin1String(errorTitle),
                         QString::fromUtf8(QT_TRANSLATE_NOOP("DigitalStatus", "The program was stopped because a critical error detected."))};
const int sensorErrorBit = 27;
const Alarm sensorError{QLatin1String(errorTitle),
                        QString::fromUtf8(QT_TRANSLATE_NOOP("DigitalStatus",
                                                            "Error in temperature sensor. Most often this means the "
                                                            "sensoris not plugged in into controller. Other possible "
                                                            "reason: cablebreak."))};

bool isSet(quint32 word, int bit)
{
    return (word >> bit) & 1u;
}

quint32 word(const Words &words, int number)
{
    return number == 1 ? words.word1 : number == 2 ? words.word2 : words.word3;
}

quint32 lastWord(const Remembered &remembered, int number)
{
    return number == 1 ? remembered.lastWord1.value_or(0)
         : number == 2 ? remembered.lastWord2.value_or(0)
                       : remembered.lastWord3;
}

bool isHexDigit(QChar c)
{
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c >= QLatin1Char('a') && c <= QLatin1Char('f'))
        || (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
}

// Plain hex digits only: no sign, no "0x", no blanks.
quint32 readHexWord(const QString &group)
{
    return std::all_of(group.begin(), group.end(), isHexDigit) ? group.toUInt(nullptr, 16) : 0;
}

} // namespace

std::optional<Words> parseWords(const QString &answer)
{
    // The prefix is not examined; the last character is the line feed.
    QString body = answer.mid(9);
    body.chop(1);
    const QStringList groups = body.split(QLatin1Char(','));
    if (groups.size() != 3)
        return std::nullopt;
    for (const QString &group : groups) {
        if (group.size() != 8)
            return std::nullopt;
    }
    return Words{readHexWord(groups.at(0)), readHexWord(groups.at(1)), readHexWord(groups.at(2))};
}

QVector<Alarm> risingAlarms(const Words &words, const Remembered &before)
{
    QVector<Alarm> alarms;
    for (const BitAlarm &alarm : edgeAlarms) {
        if (isSet(word(words, alarm.word), alarm.bit) && !isSet(lastWord(before, alarm.word), alarm.bit))
            alarms.append({QLatin1String(alarm.title), QString::fromUtf8(alarm.message)});
    }
    // The sensor message follows the previous critical-stop state, not its own
    // bit: it comes with a new critical stop, and while no critical stop is
    // known it repeats at every change of word 3.
    if (words.word3 != before.lastWord3 && !isSet(before.lastWord3, criticalStopBit)) {
        if (isSet(words.word3, criticalStopBit))
            alarms.append(criticalStop);
        if (isSet(words.word3, sensorErrorBit))
            alarms.append(sensorError);
    }
    return alarms;
}

bool summaryAlarm(const Words &words)
{
    for (const BitAlarm &alarm : edgeAlarms) {
        if (alarm.inSummary && isSet(word(words, alarm.word), alarm.bit))
            return true;
    }
    return false;
}

QString shown(const QString &text)
{
    return QCoreApplication::translate("DigitalStatus", text.toUtf8().constData());
}

} // namespace DigitalStatus
