#include "register/verdictrow.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

#include <cmath>

namespace VerdictRow {

namespace {

// In the order of values(); the first two are texts, the others numbers.
const QStringList names = {
    QStringLiteral("result"),
    QStringLiteral("reason"),
    QStringLiteral("hold_centidegrees"),
    QStringLiteral("hold_minutes"),
    QStringLiteral("lower_tolerance_centikelvin"),
    QStringLiteral("upper_band_centikelvin"),
    QStringLiteral("stretch_start_ms"),
    QStringLiteral("stretch_end_ms"),
    QStringLiteral("hold_start_ms"),
    QStringLiteral("hold_end_ms"),
    QStringLiteral("lowest_ms"),
    QStringLiteral("lowest_centidegrees"),
    QStringLiteral("highest_ms"),
    QStringLiteral("highest_centidegrees"),
    QStringLiteral("gap_start_ms"),
    QStringLiteral("gap_end_ms"),
};
constexpr int textColumns = 2;

const CycleVerdict::Result results[] = {CycleVerdict::Result::Pass, CycleVerdict::Result::Fail,
                                        CycleVerdict::Result::NotEvaluated};

qint64 hundredths(double value)
{
    return std::llround(value * 100.0);
}

QVariant number(bool known, qint64 value)
{
    return known ? QVariant(value) : QVariant();
}

void appendSpan(QVariantList &values, const CycleVerdict::Span &span)
{
    values << number(!span.isEmpty(), span.startMs) << number(!span.isEmpty(), span.endMs);
}

void appendSample(QVariantList &values, const std::optional<CycleSample> &sample)
{
    values << number(sample.has_value(), sample ? sample->elapsedMs : 0)
           << number(sample.has_value(), sample ? hundredths(sample->celsius) : 0);
}

CycleVerdict::Span span(const QVariantList &values, int first)
{
    if (!values[first].isValid() || !values[first + 1].isValid())
        return {};
    return {values[first].toLongLong(), values[first + 1].toLongLong()};
}

std::optional<CycleSample> sample(const QVariantList &values, int first)
{
    if (!values[first].isValid() || !values[first + 1].isValid())
        return std::nullopt;
    return CycleSample{values[first].toLongLong(), values[first + 1].toLongLong() / 100.0};
}

} // namespace

QString resultKeyword(CycleVerdict::Result result)
{
    switch (result) {
    case CycleVerdict::Result::Pass:
        return QStringLiteral("pass");
    case CycleVerdict::Result::Fail:
        return QStringLiteral("fail");
    case CycleVerdict::Result::NotEvaluated:
        break;
    }
    return QStringLiteral("not evaluated");
}

CycleVerdict::Band rounded(const CycleVerdict::Band &band)
{
    return {hundredths(band.lowerTolerance) / 100.0, hundredths(band.upperBand) / 100.0};
}

QString columns(const QString &table)
{
    return table + QLatin1Char('.') + names.join(QLatin1String(", ") + table + QLatin1Char('.'));
}

int columnCount()
{
    return names.size();
}

QVariantList values(const CycleVerdict &v)
{
    QVariantList values{resultKeyword(v.result), v.reason.isNull() ? QStringLiteral("") : v.reason, number(v.holdKnown, hundredths(v.hold.celsius)),
                        number(v.holdKnown, v.hold.minutes), hundredths(v.band.lowerTolerance),
                        hundredths(v.band.upperBand)};
    appendSpan(values, v.longestStretch);
    appendSpan(values, v.holdSpan);
    appendSample(values, v.lowestInHold);
    appendSample(values, v.highestInHold);
    appendSpan(values, v.longestGap);
    return values;
}

QVariantList read(const QSqlQuery &query, int first)
{
    QVariantList values;
    for (int i = 0; i < names.size(); ++i) {
        // A text reads the same whether a driver hands an empty one as NULL
        // or not; only the result's NULL means "no verdict".
        const QVariant value = query.value(first + i);
        if (i > 0 && i < textColumns)
            values << QVariant(value.toString());
        else
            values << (value.isNull() ? QVariant() : i == 0 ? QVariant(value.toString()) : QVariant(value.toLongLong()));
    }
    return values;
}

std::optional<CycleVerdict> verdict(const QVariantList &values)
{
    if (values.size() != names.size() || !values[0].isValid() || !values[4].isValid() || !values[5].isValid())
        return std::nullopt;
    CycleVerdict v;
    bool known = false;
    for (CycleVerdict::Result result : results) {
        if (values[0].toString() == resultKeyword(result)) {
            v.result = result;
            known = true;
        }
    }
    if (!known)
        return std::nullopt;
    v.reason = values[1].toString();
    v.holdKnown = values[2].isValid() && values[3].isValid();
    if (v.holdKnown)
        v.hold = {values[2].toLongLong() / 100.0, values[3].toInt()};
    v.band = {values[4].toLongLong() / 100.0, values[5].toLongLong() / 100.0};
    v.longestStretch = span(values, 6);
    v.holdSpan = span(values, 8);
    v.lowestInHold = sample(values, 10);
    v.highestInHold = sample(values, 12);
    v.longestGap = span(values, 14);
    return v;
}

bool insert(const QSqlDatabase &db, qint64 cycleId, const CycleVerdict &verdict, QString *error)
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral("INSERT INTO verdicts (cycle_id, %1) VALUES (?%2)")
                      .arg(names.join(QLatin1String(", ")), QStringLiteral(", ?").repeated(names.size())));
    query.addBindValue(cycleId);
    for (const QVariant &value : values(verdict))
        query.addBindValue(value);
    if (query.exec())
        return true;
    *error = query.lastError().text();
    return false;
}

} // namespace VerdictRow
