#include "reports/reportformat.h"

#include "records/runrecordformat.h"

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <cstdlib>

namespace ReportFormat {

QString orUnknown(const QString &text)
{
    return text.isEmpty() ? QStringLiteral("unknown") : text;
}

QString separator()
{
    return QStringLiteral(" \u00b7 ");
}

QString temperature(double celsius)
{
    QString text = QString::number(celsius, 'f', 2);
    if (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    return text;
}

QString celsius(double celsius)
{
    return temperature(celsius) + QStringLiteral(" \u00b0C");
}

QString elapsed(qint64 ms)
{
    return RunRecordFormat::elapsedKey(ms / 1000);
}

QString duration(qint64 ms)
{
    const qint64 s = qMax<qint64>(ms, 0) / 1000;
    const auto two = [](qint64 n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); };
    if (s < 60)
        return QStringLiteral("%1 s").arg(s);
    if (s < 3600)
        return QStringLiteral("%1 min %2 s").arg(s / 60).arg(two(s % 60));
    return QStringLiteral("%1 h %2 min %3 s").arg(s / 3600).arg(two(s / 60 % 60), two(s % 60));
}

QString utcOffset(int seconds)
{
    const int minutes = std::abs(seconds) / 60;
    return QStringLiteral("UTC%1%2:%3")
        .arg(seconds < 0 ? QLatin1Char('-') : QLatin1Char('+'))
        .arg(minutes / 60, 2, 10, QLatin1Char('0'))
        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString instant(const QDateTime &time, bool withSeconds)
{
    if (!time.isValid())
        return QStringLiteral("unknown");
    return QLocale::c().toString(time, withSeconds ? QStringLiteral("yyyy-MM-dd HH:mm:ss")
                                                   : QStringLiteral("yyyy-MM-dd HH:mm"))
        + QLatin1Char(' ')
        + utcOffset(time.offsetFromUtc());
}

QString steps(const QList<CommunicationManager::ProgramStep> &steps)
{
    if (steps.isEmpty())
        return QStringLiteral("unknown");
    QStringList parts;
    for (const CommunicationManager::ProgramStep &step : steps)
        parts << QStringLiteral("%1 min at %2").arg(step.minutes).arg(celsius(step.temperature));
    return parts.join(QStringLiteral(", "));
}

namespace {

QString kelvin(double k)
{
    return temperature(k) + QStringLiteral(" K");
}

// "−0.5 K", "+3.0 K"; no tolerance at all reads "0.0 K", without a sign.
QString tolerance(QChar sign, double k)
{
    const QString text = kelvin(k);
    return text == kelvin(0.0) ? text : sign + text;
}

} // namespace

QString verdictFigures(const CycleVerdict &v)
{
    QStringList parts;
    if (v.holdKnown) {
        parts << QStringLiteral("hold %1 for %2 min").arg(celsius(v.hold.celsius)).arg(v.hold.minutes)
              << QStringLiteral("band %1 to %2 (%3, %4)")
                     .arg(temperature(v.bandLow()), celsius(v.bandHigh()), tolerance(QChar(0x2212), v.band.lowerTolerance),
                          tolerance(QLatin1Char('+'), v.band.upperBand));
        if (!v.longestStretch.isEmpty())
            parts << QStringLiteral("longest stretch in the band %1 to %2, %3")
                         .arg(elapsed(v.longestStretch.startMs), elapsed(v.longestStretch.endMs),
                              duration(v.longestStretch.durationMs()));
        if (v.lowestInHold && v.highestInHold)
            parts << QStringLiteral("in the hold lowest %1 at %2, highest %3 at %4")
                         .arg(celsius(v.lowestInHold->celsius), elapsed(v.lowestInHold->elapsedMs),
                              celsius(v.highestInHold->celsius), elapsed(v.highestInHold->elapsedMs));
    } else {
        parts << QStringLiteral("tolerances %1, %2")
                     .arg(tolerance(QChar(0x2212), v.band.lowerTolerance), tolerance(QLatin1Char('+'), v.band.upperBand));
    }
    return parts.join(separator());
}

QString releaseHeadline(const Release &r)
{
    return QStringLiteral("%1 by %2").arg(Release::text(r.decision), orUnknown(r.operatorName));
}

QString releaseDetails(const Release &r)
{
    QStringList parts{
        QStringLiteral("chemical indicator: %1").arg(Release::text(r.chemicalIndicator)),
        QStringLiteral("biological indicator: %1").arg(Release::text(r.biologicalIndicator)),
    };
    if (!r.load.isEmpty())
        parts << QStringLiteral("load: %1").arg(r.load);
    if (!r.lot.isEmpty())
        parts << QStringLiteral("lot: %1").arg(r.lot);
    parts << QStringLiteral("entered by %1 on %2").arg(orUnknown(r.osUser), orUnknown(r.station));
    return parts.join(separator());
}

} // namespace ReportFormat
