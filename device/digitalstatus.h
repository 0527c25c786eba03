#pragma once

#include <QString>
#include <QVector>
#include <QtGlobal>

#include <optional>

// Decoding of the controller's three status words: which alarms became set
// between two answers, and whether any alarm that blocks a start is set.
namespace DigitalStatus {

struct Words {
    quint32 word1 = 0;
    quint32 word2 = 0;
    quint32 word3 = 0;
};

// The words of the last decoded answer. Words 1 and 2 start with no value
// (all bits clear, different from every word); word 3 starts with only the
// "program finished" bit set, so a controller that already reports a
// finished program at start-up does not announce it again.
struct Remembered {
    std::optional<quint32> lastWord1;
    std::optional<quint32> lastWord2;
    quint32 lastWord3 = 0x40;
};

struct Alarm {
    QString title;
    QString message;

    bool operator==(const Alarm &o) const { return title == o.title && message == o.message; }
};

// Words 1 to 3 from a complete answer (nine prefix characters, three
// comma-separated groups of eight hex digits, line feed). Nothing when the
// form is wrong; a group with a non-hex character reads as 0.
std::optional<Words> parseWords(const QString &answer);

// The alarms raised by going from `before` to `words`, in reporting order.
QVector<Alarm> risingAlarms(const Words &words, const Remembered &before);

// True when any alarm is set that must keep the user from starting a program.
bool summaryAlarm(const Words &words);

// An alarm's title or message in the station's language. Alarms are reported
// in English, which the windows compare, and translated where shown.
QString shown(const QString &text);

} // namespace DigitalStatus
