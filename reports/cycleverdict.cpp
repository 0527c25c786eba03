#include "reports/cycleverdict.h"

#include "app/texts.h"
#include "register/cycle.h"
#include "reports/reportformat.h"
#include "reports/verdicttext.h"

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Temperatures compare in the register's resolution, so that a sample on
// the band's edge is inside whatever rounding the double carries.
qint64 hundredths(double celsius)
{
    return std::llround(celsius * 100.0);
}

qint64 tenths(double celsius)
{
    return std::llround(celsius * 10.0);
}

// A clause of a reason as the register stores it: English, whatever the
// station's language (VerdictText translates it where it is shown).
QString clause(const char *text)
{
    return QString::fromUtf8(text);
}

// Its beginning is missing: nothing proves what the chamber did before.
QString adoptedReason()
{
    return clause(VerdictText::adopted);
}

QString bandText(const CycleVerdict &v)
{
    return clause(VerdictText::band).arg(ReportFormat::temperature(v.bandLow()), ReportFormat::celsius(v.bandHigh()));
}

// A sample's temperature and when, for "%1 at %2".
QString atText(const char *text, const CycleSample &s)
{
    return clause(text).arg(ReportFormat::celsius(s.celsius), ReportFormat::elapsed(s.elapsedMs));
}

// Fills the figures of a known hold from the samples.
void measure(CycleVerdict &v, const QVector<CycleSample> &samples)
{
    const qint64 low = hundredths(v.bandLow());
    const qint64 high = hundredths(v.bandHigh());

    int first = -1;
    int last = -1;
    for (int i = 0; i < samples.size(); ++i) {
        if (std::isfinite(samples[i].celsius) && hundredths(samples[i].celsius) >= low) {
            if (first < 0)
                first = i;
            last = i;
        }
    }

    CycleVerdict::Span current;
    for (int i = 0; i < samples.size(); ++i) {
        const CycleSample &s = samples[i];
        const bool finite = std::isfinite(s.celsius);
        const qint64 gap = i > 0 ? s.elapsedMs - samples[i - 1].elapsedMs : 0;
        // Time running backwards is a damaged record: it proves nothing either.
        const bool joined = gap >= 0 && gap <= CycleVerdict::maxSampleGapMs;
        if (finite && hundredths(s.celsius) >= low && hundredths(s.celsius) <= high) {
            if (current.isEmpty() || !joined)
                current = {s.elapsedMs, s.elapsedMs};
            else
                current.endMs = s.elapsedMs;
            if (current.durationMs() > v.longestStretch.durationMs() || v.longestStretch.isEmpty())
                v.longestStretch = current;
        } else {
            current = {};
        }

        if (first < 0 || i < first || i > last)
            continue;
        if (i > first && gap > v.longestGap.durationMs())
            v.longestGap = {samples[i - 1].elapsedMs, s.elapsedMs};
        if (!finite)
            continue;
        if (!v.lowestInHold || s.celsius < v.lowestInHold->celsius)
            v.lowestInHold = s;
        if (!v.highestInHold || s.celsius > v.highestInHold->celsius)
            v.highestInHold = s;
    }
    if (first >= 0)
        v.holdSpan = {samples[first].elapsedMs, samples[last].elapsedMs};
}

QString failReason(const CycleVerdict &v, const QVector<CycleSample> &samples)
{
    if (samples.isEmpty())
        return clause(VerdictText::noSamples);
    QStringList parts;
    if (v.holdSpan.isEmpty()) {
        const auto hottest = std::max_element(samples.begin(), samples.end(),
                                              [](const CycleSample &a, const CycleSample &b) {
                                                  return a.celsius < b.celsius;
                                              });
        parts << clause(VerdictText::neverReached)
                     .arg(ReportFormat::celsius(v.bandLow()), ReportFormat::celsius(hottest->celsius),
                          ReportFormat::elapsed(hottest->elapsedMs));
    } else {
        parts << clause(VerdictText::tooShort)
                     .arg(bandText(v), ReportFormat::duration(v.longestStretch.durationMs()))
                     .arg(v.hold.minutes);
        if (v.lowestInHold && hundredths(v.lowestInHold->celsius) < hundredths(v.bandLow()))
            parts << atText(VerdictText::lowest, *v.lowestInHold);
        if (v.highestInHold && hundredths(v.highestInHold->celsius) > hundredths(v.bandHigh()))
            parts << atText(VerdictText::highest, *v.highestInHold);
        if (v.longestGap.durationMs() > CycleVerdict::maxSampleGapMs)
            parts << clause(VerdictText::gap)
                         .arg(ReportFormat::duration(v.longestGap.durationMs()),
                              ReportFormat::elapsed(v.longestGap.startMs));
    }
    return parts.join(QStringLiteral("; "));
}

} // namespace

CycleVerdict CycleVerdict::evaluate(const Cycle &cycle, const Band &band)
{
    if (cycle.steps.isEmpty()) {
        CycleVerdict v;
        v.band = band;
        v.reason = cycle.adopted ? adoptedReason() : clause(VerdictText::stepsUnknown);
        return v;
    }
    const std::optional<Hold> hold = holdOf(cycle.steps);
    if (!hold) {
        CycleVerdict v;
        v.band = band;
        v.reason = clause(VerdictText::noHoldingStep);
        return v;
    }
    return evaluate(cycle, *hold, band);
}

CycleVerdict CycleVerdict::evaluate(const Cycle &cycle, const Hold &hold, const Band &band)
{
    CycleVerdict v;
    v.band = band;
    v.hold = hold;
    if (hold.minutes <= 0) {
        v.reason = clause(VerdictText::noHoldingTime).arg(ReportFormat::celsius(hold.celsius));
        return v;
    }
    v.holdKnown = true;
    measure(v, cycle.samples);

    if (cycle.adopted) {
        v.reason = adoptedReason();
        return v;
    }
    const bool completed = cycle.status == QLatin1String(textSuccessfullyCompleted);
    const QString ended =
        completed ? QString() : QStringLiteral("; ") + clause(VerdictText::ended).arg(cycle.status);
    if (!v.longestStretch.isEmpty() && v.longestStretch.durationMs() >= qint64(hold.minutes) * 60000) {
        v.result = Result::Pass;
        v.reason = clause(VerdictText::held)
                       .arg(bandText(v), ReportFormat::duration(v.longestStretch.durationMs()),
                            ReportFormat::elapsed(v.longestStretch.startMs),
                            ReportFormat::elapsed(v.longestStretch.endMs))
                       .arg(hold.minutes)
            + ended;
    } else {
        v.result = Result::Fail;
        v.reason = failReason(v, cycle.samples) + ended;
    }
    return v;
}

std::optional<CycleVerdict::Hold> CycleVerdict::holdOf(const QList<CommunicationManager::ProgramStep> &steps)
{
    std::optional<qint64> hottest;
    for (const CommunicationManager::ProgramStep &step : steps)
        if (step.minutes > 0 && (!hottest || tenths(step.temperature) > *hottest))
            hottest = tenths(step.temperature);
    if (!hottest)
        return std::nullopt;

    Hold hold;
    qint64 run = 0; // the editor accepts minutes far beyond 16 bits
    for (const CommunicationManager::ProgramStep &step : steps) {
        if (tenths(step.temperature) != *hottest) {
            run = 0;
            continue;
        }
        run = qMin<qint64>(run + qMax(step.minutes, 0), std::numeric_limits<int>::max());
        if (run > hold.minutes)
            hold = {step.temperature, int(run)};
    }
    return hold;
}

QString CycleVerdict::resultText(Result result)
{
    switch (result) {
    case Result::Pass:
        return QStringLiteral("PASS");
    case Result::Fail:
        return QStringLiteral("FAIL");
    case Result::NotEvaluated:
        break;
    }
    return QStringLiteral("NOT EVALUATED");
}
