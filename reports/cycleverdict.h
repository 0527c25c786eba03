#pragma once

#include "device/communicationmanager.h"
#include "register/cyclesample.h"

#include <QString>

#include <optional>

struct Cycle;

// Whether a cycle's samples prove that the chamber held the sterilisation
// temperature for the holding time, and the numbers that show it.
//
// The rules:
// - The hold is the program's hottest step that has a holding time: its
//   temperature T and minutes M. Consecutive steps at T form one hold of
//   their summed minutes; of separate holds at T the longest is the one that
//   must be proven (proving it proves the shorter ones' temperature too).
//   Steps of 0 minutes hold nothing and never choose T.
// - The band runs from T minus the lower tolerance to T plus the upper
//   band, both edges included, compared in 0.01 °C as the register keeps
//   the samples.
// - A stretch is a run of consecutive samples inside the band; its length
//   runs from its first to its last sample. A sample outside the band ends
//   it, and so does a gap of more than maxSampleGapMs between two samples:
//   nothing proves that the chamber held meanwhile.
// - PASS when the longest stretch lasts at least M minutes, whatever the
//   run's status (a run cancelled after its hold did sterilise; the reason
//   names the status). FAIL otherwise, with the numbers. NOT EVALUATED when
//   the steps are unknown, the recording began after the program (an
//   adopted run: its beginning is missing) or no step has a holding time.
// - "The hold" for the lowest and highest temperature runs from the first
//   to the last sample at or above the band's lower edge.
class CycleVerdict
{
public:
    enum class Result { Pass, Fail, NotEvaluated };

    // Tolerances in kelvin; both are at least 0 and at most maxKelvin.
    struct Band {
        // Wider than any chamber's regulation: a band beyond it proves nothing.
        static constexpr double maxKelvin = 50.0;

        double lowerTolerance = 0.0;
        double upperBand = 3.0;
    };

    struct Hold {
        double celsius = 0.0;
        int minutes = 0;
    };

    // A span of the samples' elapsed time; empty when startMs is -1.
    struct Span {
        qint64 startMs = -1;
        qint64 endMs = -1;

        bool isEmpty() const { return startMs < 0; }
        qint64 durationMs() const { return isEmpty() ? 0 : endMs - startMs; }
    };

    // The station polls the temperature every 1.2 to 3.2 s, a few seconds
    // more while a request of its own runs, and its run log keeps every
    // other sample. Anything longer is a missing stretch of the record.
    static constexpr qint64 maxSampleGapMs = 10000;

    // The verdict against the program's steps as read when the run started.
    static CycleVerdict evaluate(const Cycle &cycle, const Band &band);
    // The verdict against a hold given directly; the cycle's steps are not
    // looked at (a run log does not carry them).
    static CycleVerdict evaluate(const Cycle &cycle, const Hold &hold, const Band &band);

    // The hold to prove in a program; nothing when no step holds for a time.
    static std::optional<Hold> holdOf(const QList<CommunicationManager::ProgramStep> &steps);

    // "PASS", "FAIL", "NOT EVALUATED".
    static QString resultText(Result result);

    double bandLow() const { return hold.celsius - band.lowerTolerance; }
    double bandHigh() const { return hold.celsius + band.upperBand; }

    Result result = Result::NotEvaluated;
    QString reason; // one line, English, numbers with units

    // Known when the steps or the hold were; then the figures below are
    // filled from the samples even if the result is NOT EVALUATED.
    bool holdKnown = false;
    Hold hold;
    Band band;
    Span longestStretch;
    Span holdSpan; // first to last sample at or above the band's lower edge
    std::optional<CycleSample> lowestInHold;
    std::optional<CycleSample> highestInHold;
    // The longest time without a sample inside the hold, and where it began.
    Span longestGap;
};
