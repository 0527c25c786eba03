#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

// Days and moments in messages and lines people read: in English as the
// station has always written them (2026-12-07), in German and French as
// those languages write them (07.12.2026, 07/12/2026). What is stored or
// read by scripts keeps ISO dates whatever the language.
class ShownTime
{
public:
    static QString day(const QDate &day);
    // With seconds and the zone, in the time's own offset: "2026-12-07
    // 14:05:09 CET".
    static QString instant(const QDateTime &time);
};
