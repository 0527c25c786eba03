#include "register/backupgenerations.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>

namespace {

// Milliseconds too: two backups a second apart are two generations.
const QString stampFormat = QStringLiteral("yyyyMMdd'T'HHmmsszzz'Z'");

} // namespace

QString BackupGenerations::fileName(const QDateTime &made)
{
    return QStringLiteral("register-%1.sqlite").arg(made.toUTC().toString(stampFormat));
}

QDateTime BackupGenerations::madeAt(const QString &fileName)
{
    static const QRegularExpression form(QStringLiteral("^register-([0-9]{8}T[0-9]{9}Z)\\.sqlite$"));
    const QRegularExpressionMatch match = form.match(fileName);
    if (!match.hasMatch())
        return {};
    QDateTime made = QDateTime::fromString(match.captured(1), stampFormat);
    made.setTimeSpec(Qt::UTC);
    return made;
}

QStringList BackupGenerations::inFolder(const QString &folder)
{
    QStringList names;
    for (const QString &name : QDir(folder).entryList({QStringLiteral("register-*.sqlite")}, QDir::Files)) {
        if (madeAt(name).isValid())
            names << name;
    }
    // The stamp sorts as the time does.
    std::sort(names.begin(), names.end());
    return names;
}

QStringList BackupGenerations::toRemove(const QStringList &names, int daily, int monthly)
{
    QStringList newestFirst;
    for (const QString &name : names) {
        if (madeAt(name).isValid())
            newestFirst << name;
    }
    std::sort(newestFirst.begin(), newestFirst.end(), std::greater<QString>());
    QSet<QDate> days;
    QSet<int> months;
    QStringList removed;
    for (const QString &name : newestFirst) {
        const QDate day = madeAt(name).toLocalTime().date();
        const int month = day.year() * 12 + day.month();
        bool kept = false;
        if (!days.contains(day) && days.size() < std::max(daily, 1)) {
            days.insert(day);
            kept = true;
        }
        if (!months.contains(month) && months.size() < monthly) {
            months.insert(month);
            kept = true;
        }
        if (!kept)
            removed << name;
    }
    return removed;
}
