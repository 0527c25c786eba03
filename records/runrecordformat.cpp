#include "records/runrecordformat.h"

#include <QDateTime>
#include <QLocale>
#include <QRegularExpression>
#include <QString>

#include <limits>

namespace RunRecordFormat {

QString elapsedKey(qint64 seconds)
{
    const qint64 s = qMax<qint64>(seconds, 0);
    return QStringLiteral("%1:%2:%3")
        .arg(s / 3600, 2, 10, QLatin1Char('0'))
        .arg(s / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(s % 60, 2, 10, QLatin1Char('0'));
}

std::optional<qint64> elapsedSeconds(const QString &key)
{
    static const QRegularExpression pattern(QStringLiteral("^([0-9]+):([0-5][0-9]):([0-5][0-9])$"));
    const QRegularExpressionMatch match = pattern.match(key);
    if (!match.hasMatch())
        return std::nullopt;
    bool ok = false;
    const qint64 hours = match.capturedRef(1).toLongLong(&ok);
    if (!ok || hours > (std::numeric_limits<qint64>::max() - 3599) / 3600)
        return std::nullopt;
    return hours * 3600 + match.capturedRef(2).toInt() * 60 + match.capturedRef(3).toInt();
}

QString temperatureText(double celsius)
{
    return QString::number(celsius, 'g', 6);
}

QString timestampText(const QDateTime &time)
{
    // QDateTime::toString would use the system locale, whose digits may differ.
    return QLocale::c().toString(time, QStringLiteral("yyyy-MM-dd'T'HH:mm:ss.zzz'Z'"));
}

} // namespace RunRecordFormat
