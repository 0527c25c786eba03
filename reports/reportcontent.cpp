#include "reports/reportcontent.h"

#include <algorithm>

namespace ReportContent {

CycleVerdict verdict(const Cycle &cycle)
{
    if (cycle.verdict)
        return *cycle.verdict;
    CycleVerdict none;
    none.reason = QStringLiteral("the register holds no verdict for this cycle");
    return none;
}

CycleReportData cycle(const Cycle &cycle, const QVector<Release> &releases, const QString &clinicName)
{
    CycleReportData data;
    data.clinicName = clinicName;
    data.cycle = cycle;
    data.verdict = verdict(cycle);
    data.releases = QList<Release>(releases.begin(), releases.end());
    return data;
}

PeriodReportData period(const QVector<Cycle> &cycles, const QDate &from, const QDate &to, const QString &clinicName)
{
    PeriodReportData data;
    data.clinicName = clinicName;
    for (auto c = cycles.crbegin(); c != cycles.crend(); ++c) {
        PeriodReportEntry entry;
        entry.cycle = *c;
        entry.verdict = verdict(*c);
        entry.latestRelease = c->latestRelease;
        data.cycles.append(entry);
    }
    const QDate today = QDate::currentDate();
    data.from = from.isValid() ? from : cycles.isEmpty() ? today : cycles.constLast().started.date();
    data.to = to.isValid() ? to : cycles.isEmpty() ? today : cycles.constFirst().started.date();
    return data;
}

} // namespace ReportContent
