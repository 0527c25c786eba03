#include "register/cyclequery.h"

#include "register/cyclerow.h"
#include "register/releasepolicy.h"
#include "register/sqldialect.h"

namespace CycleQuery {

namespace {

// Whether the cycle is one of those a query on its releases finds. The
// releases are searched once, not once per cycle; the unary plus keeps the
// cycles read in the list's order, so that the first page needs no more of
// them than it shows (and no sort of all found) when many match.
QString amongCycles(const QString &query)
{
    return QStringLiteral("+cycles.id IN (%1)").arg(query);
}

// The cycles whose newest release (the one the lists show) has a column of
// this value: the column is compared first, and the newest found by the
// index only for the releases that match.
QString currentReleaseWith(const char *column)
{
    return amongCycles(QStringLiteral("SELECT newest.cycle_id FROM releases newest WHERE newest.%1 = ?"
                          " AND newest.seq = (SELECT MAX(seq) FROM releases WHERE releases.cycle_id = newest.cycle_id)")
                           .arg(QLatin1String(column)));
}

} // namespace

QString containing(const QString &text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
        .replace(QLatin1Char('%'), QLatin1String("\\%"))
        .replace(QLatin1Char('_'), QLatin1String("\\_"));
    return QLatin1Char('%') + escaped + QLatin1Char('%');
}

QString where(const CycleRegister::Filter &f, const SqlDialect &dialect, QVariantList *values)
{
    QStringList terms{QStringLiteral("1 = 1")};
    const auto term = [&](const QString &sql, const QVariant &value) {
        terms << sql;
        *values << value;
    };
    if (f.from.isValid())
        term(QStringLiteral("cycles.started_utc >= ?"), CycleRow::utcMs(f.from));
    if (f.to.isValid())
        term(QStringLiteral("cycles.started_utc < ?"), CycleRow::utcMs(f.to));
    if (!f.program.isEmpty())
        term(QStringLiteral("cycles.program_name = ?"), f.program);
    if (!f.status.isEmpty())
        term(QStringLiteral("cycles.status = ?"), f.status);
    if (!f.controllerSerial.isEmpty())
        term(QStringLiteral("cycles.controller_serial = ?"), f.controllerSerial);
    if (f.waitingForRelease)
        term(QStringLiteral("cycles.origin <> 'imported' AND cycles.status <> ?"
                            " AND NOT EXISTS (SELECT 1 FROM releases WHERE releases.cycle_id = cycles.id)"),
             QString::fromUtf8(ReleasePolicy::discardedStatus));
    if (!f.releasedBy.isEmpty())
        term(currentReleaseWith("operator_name"), f.releasedBy);
    if (f.decision)
        term(currentReleaseWith("decision"), Release::keyword(*f.decision));
    if (!f.text.isEmpty()) {
        // One comparison per row: the columns joined by a control character
        // that typed text does not hold, so that no match spans two of them.
        const auto any = [&](const QStringList &columns) {
            const QString joined = columns.join(QLatin1String(" || ? || "));
            for (int i = 1; i < columns.size(); ++i)
                *values << QStringLiteral("\x1f");
            *values << containing(f.text);
            return QStringLiteral("(%1) %2 ? ESCAPE '\\'").arg(joined, dialect.caseInsensitiveLike);
        };
        const QString inCycle = any({QStringLiteral("cycles.program_name"), QStringLiteral("cycles.status"),
                                     QStringLiteral("cycles.controller_serial"),
                                     QStringLiteral("COALESCE(CAST(cycles.cycle_number AS TEXT), '')"),
                                     QStringLiteral("cycles.log_name"), QStringLiteral("cycles.station")});
        // Any release, not only the newest: what an earlier one noted (a
        // lot, a remark) still names the load.
        const QString inReleases = any({QStringLiteral("lot"), QStringLiteral("load_description"),
                                        QStringLiteral("operator_name"), QStringLiteral("comment")});
        terms << QStringLiteral("(%1 OR %2)")
                     .arg(inCycle, amongCycles(QStringLiteral("SELECT cycle_id FROM releases WHERE ") + inReleases));
    }
    return terms.join(QLatin1String(" AND "));
}

} // namespace CycleQuery
