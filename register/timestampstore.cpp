#include "register/timestampstore.h"

#include "register/chainledger.h"

#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QVariant>

namespace TimeStampStore {

namespace {

bool exec(QSqlQuery &query, QString *error)
{
    if (query.exec())
        return true;
    *error = query.lastError().text();
    return false;
}

} // namespace

std::optional<QVector<ChainPosition>> currentHeads(const QSqlDatabase &db, QString *error)
{
    return ChainLedger::heads(db, error);
}

// A serial number is the controller's data: percent-encoded, so that one
// that is empty or holds blanks or line breaks stays one field of one line.
QString stampedText(const QVector<ChainPosition> &positions)
{
    QString text;
    for (const ChainPosition &p : positions)
        text += QStringLiteral("%1 #%2 %3\n")
                    .arg(QString::fromLatin1(QUrl::toPercentEncoding(p.chain)), QString::number(p.sequence), p.hash);
    return text;
}

std::optional<QVector<ChainPosition>> positions(const QString &stampedText)
{
    static const QRegularExpression line(QStringLiteral("^(\\S*) #([1-9][0-9]{0,17}) ([0-9a-f]{64})$"));
    QVector<ChainPosition> result;
    for (const QString &text : stampedText.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QRegularExpressionMatch match = line.match(text);
        if (!match.hasMatch())
            return std::nullopt;
        result.append({QUrl::fromPercentEncoding(match.captured(1).toLatin1()), match.captured(2).toLongLong(),
                       match.captured(3)});
    }
    return result;
}

bool insert(const QSqlDatabase &db, TimeStamp &stamp, QString *error)
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral("INSERT INTO time_stamps (stamped_text, nonce, token, stamped_utc)"
                                 " VALUES (?, ?, ?, ?)"));
    query.addBindValue(stamp.stampedText);
    query.addBindValue(qint64(stamp.nonce));
    query.addBindValue(stamp.token);
    query.addBindValue(stamp.stampedAt.toMSecsSinceEpoch());
    if (!exec(query, error))
        return false;
    stamp.id = query.lastInsertId().toLongLong();
    return true;
}

std::optional<QVector<TimeStamp>> all(const QSqlDatabase &db, QString *error)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT id, stamped_text, nonce, token, stamped_utc FROM time_stamps ORDER BY id"));
    if (!exec(query, error))
        return std::nullopt;
    QVector<TimeStamp> stamps;
    while (query.next()) {
        TimeStamp s;
        s.id = query.value(0).toLongLong();
        s.stampedText = query.value(1).toString();
        s.nonce = quint64(query.value(2).toLongLong());
        s.token = query.value(3).toByteArray();
        s.stampedAt = QDateTime::fromMSecsSinceEpoch(query.value(4).toLongLong(), Qt::UTC);
        stamps.append(s);
    }
    return stamps;
}

std::optional<QDateTime> newest(const QSqlDatabase &db, QString *error)
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral("SELECT MAX(stamped_utc) FROM time_stamps"));
    if (!exec(query, error) || !query.next())
        return std::nullopt;
    return query.value(0).isNull() ? QDateTime() : QDateTime::fromMSecsSinceEpoch(query.value(0).toLongLong(), Qt::UTC);
}

} // namespace TimeStampStore
