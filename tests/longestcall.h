#pragma once

#include <QElapsedTimer>
#include <QtGlobal>

#include <utility>

// Runs calls and keeps the longest time any of them took.
class LongestCall
{
public:
    template<typename Call>
    void operator()(Call &&call)
    {
        QElapsedTimer clock;
        clock.start();
        std::forward<Call>(call)();
        longestNs = qMax(longestNs, clock.nsecsElapsed());
    }

    double milliseconds() const { return longestNs / 1e6; }

private:
    qint64 longestNs = 0;
};
