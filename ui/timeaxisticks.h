#pragma once

#include <QString>
#include <QVector>

// The marks of a chart's time axis: elapsed time since the run began, at
// round steps chosen from the run's length, labelled "HH:MM" on every chart.
namespace TimeAxisTicks {

struct Tick {
    qint64 seconds = 0;
    QString label;

    bool operator==(const Tick &o) const { return seconds == o.seconds && label == o.label; }
};

// The shortest range an axis shows: one step of a minute.
inline constexpr qint64 shortestRangeSeconds = 60;

// Marks from 0 to endSeconds (at least shortestRangeSeconds) in steps of 1,
// 2, 5, 10, 15 or 30 minutes, 1, 2, 6 or 12 hours, or whole days: the
// smallest step that leaves at most maxTicks marks (at least 3), so
// there are always two.
QVector<Tick> choose(qint64 endSeconds, int maxTicks);

// Elapsed time as "HH:MM"; the hours grow past 99 if need be.
QString label(qint64 seconds);

} // namespace TimeAxisTicks
