#include "reports/reportformat.h"

#include "records/runrecordformat.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <cstdlib>

namespace ReportFormat {

namespace {

bool english(const QLocale &locale)
{
    return locale.language() == QLocale::C;
}

// The English source in the C locale, so that stored and scripted texts stay
// English whatever language the station shows; its translation otherwise.
QString word(const char *source, const QLocale &locale)
{
    return english(locale) ? QString::fromUtf8(source) : QCoreApplication::translate("ReportFormat", source);
}

// The decisions and indicators as Release::text() gives them.
constexpr const char *releaseWords[] = {
    QT_TRANSLATE_NOOP("ReportFormat", "Released"),    QT_TRANSLATE_NOOP("ReportFormat", "Rejected"),
    QT_TRANSLATE_NOOP("ReportFormat", "Quarantined"), QT_TRANSLATE_NOOP("ReportFormat", "Recalled"),
    QT_TRANSLATE_NOOP("ReportFormat", "Passed"),      QT_TRANSLATE_NOOP("ReportFormat", "Failed"),
    QT_TRANSLATE_NOOP("ReportFormat", "Pending"),     QT_TRANSLATE_NOOP("ReportFormat", "Negative"),
    QT_TRANSLATE_NOOP("ReportFormat", "Positive"),    QT_TRANSLATE_NOOP("ReportFormat", "Not used"),
};

QString kelvin(double k, const QLocale &locale)
{
    return temperature(k, locale) + QStringLiteral(" K");
}

// "−0.5 K", "+3.0 K"; no tolerance at all reads "0.0 K", without a sign.
QString tolerance(QChar sign, double k, const QLocale &locale)
{
    const QString text = kelvin(k, locale);
    return text == kelvin(0.0, locale) ? text : sign + text;
}

} // namespace

QString orUnknown(const QString &text, const QLocale &locale)
{
    return text.isEmpty() ? word(QT_TRANSLATE_NOOP("ReportFormat", "unknown"), locale) : text;
}

QString separator()
{
    return QStringLiteral(" \u00b7 ");
}

QString number(double value, int decimals, const QLocale &locale)
{
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return plain.toString(value, 'f', decimals);
}

QString temperature(double celsius, const QLocale &locale)
{
    QString text = number(celsius, 2, locale);
    if (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    return text;
}

QString celsius(double celsius, const QLocale &locale)
{
    return temperature(celsius, locale) + QStringLiteral(" \u00b0C");
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

namespace {

// Day first with four-digit years in German and French ("05.03.2024",
// "05/03/2024"), as a clinic there writes a day on a record.
QString dayFormat(const QLocale &locale)
{
    if (english(locale))
        return QStringLiteral("yyyy-MM-dd");
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return format;
}

} // namespace

QString day(const QDate &date, const QLocale &locale)
{
    return locale.toString(date, dayFormat(locale));
}

QString instant(const QDateTime &time, bool withSeconds, const QLocale &locale)
{
    if (!time.isValid())
        return orUnknown(QString(), locale);
    return locale.toString(time, dayFormat(locale)
                               + (withSeconds ? QStringLiteral(" HH:mm:ss") : QStringLiteral(" HH:mm")))
        + QLatin1Char(' ') + utcOffset(time.offsetFromUtc());
}

QString steps(const QList<CommunicationManager::ProgramStep> &steps, const QLocale &locale)
{
    if (steps.isEmpty())
        return orUnknown(QString(), locale);
    QStringList parts;
    for (const CommunicationManager::ProgramStep &step : steps)
        parts << word(QT_TRANSLATE_NOOP("ReportFormat", "%1 min at %2"), locale)
                     .arg(step.minutes)
                     .arg(celsius(step.temperature, locale));
    return parts.join(QStringLiteral(", "));
}

QString verdictFigures(const CycleVerdict &v, const QLocale &locale)
{
    QStringList parts;
    if (v.holdKnown) {
        parts << word(QT_TRANSLATE_NOOP("ReportFormat", "hold %1 for %2 min"), locale)
                     .arg(celsius(v.hold.celsius, locale))
                     .arg(v.hold.minutes)
              << word(QT_TRANSLATE_NOOP("ReportFormat", "band %1 to %2 (%3, %4)"), locale)
                     .arg(temperature(v.bandLow(), locale), celsius(v.bandHigh(), locale),
                          tolerance(QChar(0x2212), v.band.lowerTolerance, locale),
                          tolerance(QLatin1Char('+'), v.band.upperBand, locale));
        if (!v.longestStretch.isEmpty())
            parts << word(QT_TRANSLATE_NOOP("ReportFormat", "longest stretch in the band %1 to %2, %3"), locale)
                         .arg(elapsed(v.longestStretch.startMs), elapsed(v.longestStretch.endMs),
                              duration(v.longestStretch.durationMs()));
        if (v.lowestInHold && v.highestInHold)
            parts << word(QT_TRANSLATE_NOOP("ReportFormat", "in the hold lowest %1 at %2, highest %3 at %4"), locale)
                         .arg(celsius(v.lowestInHold->celsius, locale), elapsed(v.lowestInHold->elapsedMs),
                              celsius(v.highestInHold->celsius, locale), elapsed(v.highestInHold->elapsedMs));
    } else {
        parts << word(QT_TRANSLATE_NOOP("ReportFormat", "tolerances %1, %2"), locale)
                     .arg(tolerance(QChar(0x2212), v.band.lowerTolerance, locale),
                          tolerance(QLatin1Char('+'), v.band.upperBand, locale));
    }
    return parts.join(separator());
}

QString releaseWord(const QString &stored, const QLocale &locale)
{
    for (const char *known : releaseWords)
        if (stored == QLatin1String(known))
            return word(known, locale);
    return stored;
}

QString releaseHeadline(const Release &r, const QLocale &locale)
{
    return word(QT_TRANSLATE_NOOP("ReportFormat", "%1 by %2"), locale)
        .arg(releaseWord(Release::text(r.decision), locale), orUnknown(r.operatorName, locale));
}

QString releaseDetails(const Release &r, const QLocale &locale)
{
    QStringList parts{
        word(QT_TRANSLATE_NOOP("ReportFormat", "chemical indicator: %1"), locale)
            .arg(releaseWord(Release::text(r.chemicalIndicator), locale)),
        word(QT_TRANSLATE_NOOP("ReportFormat", "biological indicator: %1"), locale)
            .arg(releaseWord(Release::text(r.biologicalIndicator), locale)),
    };
    if (!r.load.isEmpty())
        parts << word(QT_TRANSLATE_NOOP("ReportFormat", "load: %1"), locale).arg(r.load);
    if (!r.lot.isEmpty())
        parts << word(QT_TRANSLATE_NOOP("ReportFormat", "lot: %1"), locale).arg(r.lot);
    parts << word(QT_TRANSLATE_NOOP("ReportFormat", "entered by %1 on %2"), locale)
                 .arg(orUnknown(r.osUser, locale), orUnknown(r.station, locale));
    return parts.join(separator());
}

} // namespace ReportFormat
