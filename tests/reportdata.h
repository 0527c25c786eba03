#pragma once

#include "register/cycle.h"
#include "register/release.h"
#include "reports/cyclereport.h"
#include "reports/periodreport.h"

#include <cmath>

// Cycles, releases and report contents as the register would hand them to
// the reports, for the report tests and benchmarks.
namespace ReportData {

inline const QDateTime started(QDate(2024, 3, 5), QTime(14, 7, 9), Qt::OffsetFromUTC, 3600);
inline const QString logSha = QStringLiteral("9f86d081884c7d659a2feaa0c55ad015a3bf4f1b2b0b822cd15d6c15b0f00a08");
inline const QString entryHash =
    QStringLiteral("2c26b46b68ffc68ff99b453c1d30413413422d706483bfa0f98a5e886266e7ae");

// A cycle of 121 °C for 20 minutes with a sample every 2 s: heating for
// 10 minutes, a hold that wavers inside the band, then cooling.
inline Cycle cycle(int samples)
{
    Cycle c;
    c.station = QStringLiteral("RECEPTION-PC");
    c.controllerSerial = QStringLiteral("RG-00042");
    c.cycleNumber = 1234;
    c.programNumber = 3;
    c.programName = QStringLiteral("Instruments 121");
    c.steps = {{0, 20, 121.0}, {0, 5, 60.0}};
    c.started = started;
    c.finished = started.addSecs(7200);
    c.status = QStringLiteral("Successfully completed");
    c.firmwareVersion = QStringLiteral("2.1");
    c.softwareVersion = QStringLiteral("3.0.1");
    for (int i = 0; i < samples; ++i) {
        const double s = i * 2.0;
        const double t = s < 600 ? 25 + 96.5 * s / 600
                         : s < 2100 ? 121.5 + 0.3 * std::sin(s / 60)
                                    : std::max(40.0, 121.5 - (s - 2100) * 0.02);
        c.samples.append({qint64(s * 1000), std::round(t * 100) / 100});
    }
    c.logPath = QStringLiteral("/home/clinic/Documents/Instruments_121_2024_03_05__14_07_09.txt");
    c.logSha256 = logSha;
    c.entryHash = entryHash;
    return c;
}

inline Release release(const QString &operatorName, Release::Decision decision, Release::BiologicalIndicator bi,
                       const QString &comment = QString())
{
    Release r;
    r.operatorName = operatorName;
    r.load = QStringLiteral("Tray 3: forceps, mirrors");
    r.lot = QStringLiteral("RG-00042-1234");
    r.chemicalIndicator = Release::ChemicalIndicator::Passed;
    r.biologicalIndicator = bi;
    r.decision = decision;
    r.comment = comment;
    r.at = started.addSecs(8000);
    r.osUser = QStringLiteral("meier");
    r.station = QStringLiteral("RECEPTION-PC");
    return r;
}

inline CycleReportData report(const Cycle &c, const QList<Release> &releases = {})
{
    CycleReportData d;
    d.clinicName = QStringLiteral("Dental Surgery Example");
    d.cycle = c;
    d.verdict = CycleVerdict::evaluate(c, CycleVerdict::Band());
    d.releases = releases;
    d.generatedAt = started.addDays(2);
    return d;
}

// The cycles of March, ten hours apart: verdicts PASS, FAIL, NOT EVALUATED
// in turn, every fourth cycle not released.
inline PeriodReportData period(int cycles)
{
    PeriodReportData data;
    data.clinicName = QStringLiteral("Dental Surgery Example");
    data.from = QDate(2024, 3, 1);
    data.to = QDate(2024, 3, 31);
    data.generatedAt = started;
    const CycleVerdict::Result results[] = {CycleVerdict::Result::Pass, CycleVerdict::Result::Fail,
                                            CycleVerdict::Result::NotEvaluated};
    for (int i = 0; i < cycles; ++i) {
        PeriodReportEntry e;
        e.cycle = cycle(0);
        e.cycle.cycleNumber = 500 + i;
        e.cycle.started = QDateTime(QDate(2024, 3, 1), QTime(7, 0), Qt::OffsetFromUTC, 3600).addSecs(i * 36000);
        e.verdict.result = results[i % 3];
        e.verdict.reason = QStringLiteral("reason %1").arg(i);
        if (i % 4)
            e.latestRelease = release(QStringLiteral("Operator %1").arg(i), Release::Decision::Released,
                                      Release::BiologicalIndicator::NotUsed);
        data.cycles << e;
    }
    return data;
}

} // namespace ReportData
