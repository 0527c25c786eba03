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

} // namespace ReportFormat
