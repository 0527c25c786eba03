#include "reports/reportcontent.h"

#include "register/chainledger.h"
#include "reports/verdicttext.h"

#include <QSet>

#include <algorithm>

namespace ReportContent {

CycleVerdict verdict(const Cycle &cycle)
{
    if (cycle.verdict)
        return *cycle.verdict;
    CycleVerdict none;
    // English as stored reasons are; the reports translate it when shown.
    none.reason = QString::fromLatin1(VerdictText::noVerdict);
    return none;
}

CycleReportData cycle(const Cycle &cycle, const QVector<Release> &releases, const QString &clinicName,
                      const QVector<ChainPosition> &heads)
{
    CycleReportData data;
    data.clinicName = clinicName;
    data.cycle = cycle;
    data.verdict = verdict(cycle);
    data.releases = QList<Release>(releases.begin(), releases.end());
    const QString chain = ChainLedger::chainOf(cycle.controllerSerial);
    for (const ChainPosition &head : heads) {
        if (head.chain == chain)
            data.position = head;
    }
    return data;
}

PeriodReportData period(const QVector<Cycle> &cycles, const QDate &from, const QDate &to, const QString &clinicName,
                        const QVector<ChainPosition> &heads)
{
    PeriodReportData data;
    data.clinicName = clinicName;
    QSet<QString> chains;
    for (const Cycle &c : cycles)
        chains.insert(ChainLedger::chainOf(c.controllerSerial));
    for (const ChainPosition &head : heads) {
        if (chains.contains(head.chain))
            data.positions.append(head);
    }
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
