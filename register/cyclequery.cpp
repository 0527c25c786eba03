#include "register/cyclequery.h"

#include "register/cyclerow.h"
#include "register/releasepolicy.h"
#include "register/sqldialect.h"

namespace CycleQuery {

namespace {

// The cycle's newest release, as the lists show it.
const char currentRelease[] = "newest.cycle_id = cycles.id"
                              " AND newest.seq = (SELECT MAX(seq) FROM releases WHERE releases.cycle_id = cycles.id)";

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
        term(QStringLiteral("EXISTS (SELECT 1 FROM releases newest WHERE %1 AND newest.operator_name = ?)")
                 .arg(QLatin1String(currentRelease)),
             f.releasedBy);
    if (f.decision)
        term(QStringLiteral("EXISTS (SELECT 1 FROM releases newest WHERE %1 AND newest.decision = ?)")
                 .arg(QLatin1String(currentRelease)),
             Release::keyword(*f.decision));
    if (!f.text.isEmpty()) {
        const auto any = [&](const QStringList &columns) {
            QStringList found;
            for (const QString &column : columns) {
                found << QStringLiteral("%1 %2 ? ESCAPE '\\'").arg(column, dialect.caseInsensitiveLike);
                *values << containing(f.text);
            }
            return found.join(QLatin1String(" OR "));
        };
        const QString inCycle = any({QStringLiteral("cycles.program_name"), QStringLiteral("cycles.status"),
                                     QStringLiteral("cycles.controller_serial"),
                                     QStringLiteral("CAST(cycles.cycle_number AS TEXT)"),
                                     QStringLiteral("cycles.log_name"), QStringLiteral("cycles.station")});
        // Any release, not only the newest: what an earlier one noted (a
        // lot, a remark) still names the load.
        const QString inReleases = any({QStringLiteral("any_release.lot"), QStringLiteral("any_release.load_description"),
                                        QStringLiteral("any_release.operator_name"),
                                        QStringLiteral("any_release.comment")});
        terms << QStringLiteral("(%1 OR EXISTS (SELECT 1 FROM releases any_release"
                                " WHERE any_release.cycle_id = cycles.id AND (%2)))")
                     .arg(inCycle, inReleases);
    }
    return terms.join(QLatin1String(" AND "));
}

} // namespace CycleQuery
