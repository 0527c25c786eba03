#include "register/showntime.h"

#include "app/language.h"

#include <QLocale>

namespace {

// The language's short date with the year in full: a register outlives
// two-digit years.
QString dayFormat()
{
    if (Language::current() == Language::English)
        return QStringLiteral("yyyy-MM-dd");
    QString format = Language::locale().dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return format;
}

} // namespace

QString ShownTime::day(const QDate &day)
{
    return Language::locale().toString(day, dayFormat());
}

QString ShownTime::instant(const QDateTime &time)
{
    return Language::locale().toString(time, dayFormat() + QStringLiteral(" HH:mm:ss t"));
}
