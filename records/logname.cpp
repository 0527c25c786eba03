#include "records/logname.h"

#include <QDateTime>

QString LogName::suggested(const QString &programText, const QDateTime &time)
{
    QString name = programText;
    name.replace(QLatin1Char(' '), QLatin1Char('_'));
    return safe(name + QLatin1Char('_') + time.toString(QStringLiteral("yyyy_MM_dd__hh_mm_ss")));
}

QString LogName::safe(const QString &name)
{
    const QChar underscore(QLatin1Char('_'));
    QString made;
    made.reserve(name.size());
    bool partBegins = true; // at the start, or after a separator
    for (const QChar c : name) {
        const bool separator = c == QLatin1Char('/') || c == QLatin1Char('\\');
        const bool control = c.category() == QChar::Other_Control;
        const bool leadingDot = partBegins && c == QLatin1Char('.');
        made += separator || control || leadingDot ? underscore : c;
        partBegins = separator || leadingDot;
    }
    return made;
}
