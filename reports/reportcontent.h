#pragma once

#include "register/cycle.h"
#include "reports/cyclereport.h"
#include "reports/periodreport.h"

#include <QDate>
#include <QString>
#include <QVector>

// What the reports show of the register's entries: their stored verdicts
// (judged by the band at their entry) and their releases.
namespace ReportContent {

// The stored verdict; for an entry without one, NOT EVALUATED saying so.
CycleVerdict verdict(const Cycle &cycle);

// The report of an entry read with its samples, and its release history
// oldest first; heads: those of the register's chains now (see
// ChainLedger::heads), of which the report shows its controller's.
CycleReportData cycle(const Cycle &cycle, const QVector<Release> &releases, const QString &clinicName,
                      const QVector<ChainPosition> &heads);

// The report of the cycles as the register lists them (newest first); they
// are reported oldest first, as an inspector reads a period. Without days
// the period runs from the first cycle's day to the last one's.
// The report shows the heads of the chains of the controllers listed.
PeriodReportData period(const QVector<Cycle> &cycles, const QDate &from, const QDate &to, const QString &clinicName,
                        const QVector<ChainPosition> &heads);

} // namespace ReportContent
