#include "register/backupstatus.h"

#include "register/cycleregister.h"
#include "register/showntime.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {

QDateTime at(const QSqlQuery &query)
{
    return QDateTime::fromMSecsSinceEpoch(query.value(0).toLongLong(), Qt::OffsetFromUTC, query.value(1).toInt());
}

QString day(const QDateTime &when, const QDate &today)
{
    const QDate date = when.toLocalTime().date();
    if (date == today)
        return BackupStatus::tr("today");
    if (date == today.addDays(-1))
        return BackupStatus::tr("yesterday");
    return ShownTime::day(date);
}

QString moment(const QDateTime &when, const QDate &today)
{
    return QStringLiteral("%1, %2").arg(day(when, today), when.toLocalTime().toString(QStringLiteral("HH:mm")));
}

QStringList strings(const QJsonValue &value)
{
    QStringList list;
    for (const QJsonValue &item : value.toArray())
        list << item.toString();
    return list;
}

} // namespace

std::optional<BackupStatus> BackupStatus::read(CycleRegister &cycleRegister, QString *error)
{
    BackupStatus status;
    QSqlQuery query(cycleRegister.database());
    for (const char *kind : {verifiedKind, failedKind}) {
        query.prepare(QStringLiteral("SELECT at_utc, at_offset, details FROM events WHERE kind = ? "
                                     "ORDER BY id DESC LIMIT 1"));
        query.addBindValue(QLatin1String(kind));
        if (!query.exec()) {
            *error = query.lastError().text();
            return std::nullopt;
        }
        if (!query.next())
            continue;
        const QJsonObject details = QJsonDocument::fromJson(query.value(2).toString().toUtf8()).object();
        if (kind == verifiedKind) {
            status.lastVerified = at(query);
            status.lastVerifiedFile = details.value(QStringLiteral("file")).toString();
            status.differingLogs = strings(details.value(QStringLiteral("differing logs")));
        } else if (at(query) > status.lastVerified) {
            status.lastAttempt = at(query);
            status.lastAttemptFailed = true;
            status.lastError = details.value(QStringLiteral("reason")).toString();
        }
    }
    if (!status.lastAttemptFailed)
        status.lastAttempt = status.lastVerified;
    return status;
}

AuditEvent BackupStatus::verifiedEvent(const QString &file, int entries, int logsCopied,
                                       const QStringList &differingLogs)
{
    AuditEvent event;
    event.kind = QLatin1String(verifiedKind);
    event.details = QString::fromUtf8(QJsonDocument(QJsonObject{
                                                        {QStringLiteral("file"), file},
                                                        {QStringLiteral("entries"), entries},
                                                        {QStringLiteral("logs copied"), logsCopied},
                                                        {QStringLiteral("differing logs"),
                                                         QJsonArray::fromStringList(differingLogs)},
                                                    })
                                          .toJson(QJsonDocument::Compact));
    return event;
}

AuditEvent BackupStatus::failedEvent(const QString &folder, const QString &reason)
{
    AuditEvent event;
    event.kind = QLatin1String(failedKind);
    event.details = QString::fromUtf8(
        QJsonDocument(QJsonObject{{QStringLiteral("folder"), folder}, {QStringLiteral("reason"), reason}})
            .toJson(QJsonDocument::Compact));
    return event;
}

QStringList BackupStatus::lines(const QDateTime &now, int overdueDays) const
{
    const QDate today = now.toLocalTime().date();
    QStringList lines;
    if (lastVerified.isValid())
        lines << tr("Last verified backup: %1 (%2)").arg(moment(lastVerified, today),
                                                          QDir::toNativeSeparators(lastVerifiedFile));
    else
        lines << tr("No verified backup yet.");
    if (!lastVerified.isValid() || lastVerified.secsTo(now) > qint64(overdueDays) * 86400)
        lines << tr("Warning: no verified backup is newer than %n days.", nullptr, overdueDays);
    if (lastAttemptFailed)
        lines << tr("Warning: the last backup attempt failed (%1): %2").arg(moment(lastAttempt, today), lastError);
    for (const QString &log : differingLogs)
        lines << tr("Warning: the log %1 differs from its copy in the backup; the copy was kept.").arg(log);
    return lines;
}

bool BackupStatus::healthy(const QDateTime &now, int overdueDays) const
{
    return lines(now, overdueDays).size() == 1;
}
