#include "register/releaserow.h"

#include "register/cyclerow.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

namespace ReleaseRow {

namespace {

const QStringList names = {
    QStringLiteral("id"),
    QStringLiteral("cycle_id"),
    QStringLiteral("seq"),
    QStringLiteral("at_utc"),
    QStringLiteral("at_offset"),
    QStringLiteral("os_user"),
    QStringLiteral("station"),
    QStringLiteral("operator_name"),
    QStringLiteral("load_description"),
    QStringLiteral("lot"),
    QStringLiteral("chemical_indicator"),
    QStringLiteral("biological_indicator"),
    QStringLiteral("decision"),
    QStringLiteral("comment"),
    QStringLiteral("previous_hash"),
    QStringLiteral("release_hash"),
};

// A null QString would be stored as NULL; the register's texts are never NULL.
QString text(const QString &value)
{
    return value.isNull() ? QStringLiteral("") : value;
}

template<typename E>
bool readKeyword(const QVariant &value, E *field)
{
    const std::optional<E> parsed = Release::parse<E>(value.toString());
    if (parsed)
        *field = *parsed;
    return parsed.has_value();
}

} // namespace

QString columns(const QString &table)
{
    return table + QLatin1Char('.') + names.join(QLatin1String(", ") + table + QLatin1Char('.'));
}

int columnCount()
{
    return names.size();
}

bool present(const QSqlQuery &query, int first)
{
    return !query.value(first).isNull();
}

bool read(const QSqlQuery &q, int first, Release *r)
{
    const auto value = [&](int i) { return q.value(first + i); };
    r->id = value(0).toLongLong();
    r->cycleId = value(1).toLongLong();
    r->sequence = value(2).toLongLong();
    r->at = CycleRow::time(value(3).toLongLong(), value(4).toInt());
    r->osUser = value(5).toString();
    r->station = value(6).toString();
    r->operatorName = value(7).toString();
    r->load = value(8).toString();
    r->lot = value(9).toString();
    const bool ok = readKeyword(value(10), &r->chemicalIndicator) & readKeyword(value(11), &r->biologicalIndicator)
        & readKeyword(value(12), &r->decision);
    r->comment = value(13).toString();
    r->previousHash = value(14).toString();
    r->hash = value(15).toString();
    return ok;
}

bool insert(const QSqlDatabase &db, Release &r, QString *error)
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral("INSERT INTO releases (%1) VALUES (?%2) RETURNING id")
                      .arg(names.mid(1).join(QLatin1String(", ")), QStringLiteral(", ?").repeated(names.size() - 2)));
    for (const QVariant &value :
         {QVariant(r.cycleId), QVariant(r.sequence), QVariant(CycleRow::utcMs(r.at)),
          QVariant(CycleRow::offsetSeconds(r.at)), QVariant(text(r.osUser)), QVariant(text(r.station)),
          QVariant(text(r.operatorName)), QVariant(text(r.load)), QVariant(text(r.lot)),
          QVariant(Release::keyword(r.chemicalIndicator)), QVariant(Release::keyword(r.biologicalIndicator)),
          QVariant(Release::keyword(r.decision)), QVariant(text(r.comment)), QVariant(text(r.previousHash)),
          QVariant(r.hash)})
        query.addBindValue(value);
    if (!query.exec() || !query.next()) {
        *error = query.lastError().text();
        return false;
    }
    r.id = query.value(0).toLongLong();
    return true;
}

} // namespace ReleaseRow
