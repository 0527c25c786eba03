#pragma once

#include <QString>

#include <cstdio>

// One row of the table that scripts/bench prints: a figure, its unit, the
// target it must stay under (none: just reported) and the verdict. Rows go
// to standard output, marked; everything else a benchmark says goes to
// standard error.
inline void benchRow(const QString &name, double value, const QString &unit, double below = 0.0)
{
    const QString target = below > 0.0 ? QStringLiteral("< %1 %2").arg(below).arg(unit) : QStringLiteral("-");
    const QString verdict = below > 0.0 ? (value < below ? QStringLiteral("met") : QStringLiteral("MISSED"))
                                        : QStringLiteral("-");
    std::printf("BENCH|%s|%s|%s|%s|%s\n", qPrintable(name), qPrintable(QString::number(value, 'f', 2)),
                qPrintable(unit), qPrintable(target), qPrintable(verdict));
    std::fflush(stdout);
}

// A benchmark whose scenario could not be carried out.
inline void benchFailed(const QString &name, const QString &why)
{
    std::printf("BENCH|%s|-|-|-|FAILED: %s\n", qPrintable(name), qPrintable(why));
    std::fflush(stdout);
}
