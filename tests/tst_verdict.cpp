#include "app/stationsettings.h"
#include "register/cycle.h"
#include "reports/cycleverdict.h"
#include "tests/isolateduser.h"

#include <QTest>

using Result = CycleVerdict::Result;
using Samples = QVector<CycleSample>;

Q_DECLARE_METATYPE(Samples)
Q_DECLARE_METATYPE(CycleVerdict::Result)

namespace {

constexpr qint64 stepMs = 2000;

// A recording: each segment adds a sample every 2 s at one temperature.
struct Segment {
    int samples;
    double celsius;
};

Samples record(std::initializer_list<Segment> segments)
{
    Samples samples;
    for (const Segment &segment : segments)
        for (int n = 0; n < segment.samples; ++n)
            samples.append({samples.size() * stepMs, segment.celsius});
    return samples;
}

// A hold of `minutes` from its first to its last sample: one sample more
// than the 2-s intervals it spans.
int holdSamples(int minutes)
{
    return minutes * 30 + 1;
}

// Warm-up, hold and cool-down around the given hold samples.
Samples run(std::initializer_list<Segment> hold)
{
    Samples samples = record({{30, 25.0}, {30, 90.0}});
    for (const CycleSample &s : record(hold))
        samples.append({samples.size() * stepMs, s.celsius});
    for (const CycleSample &s : record({{60, 60.0}}))
        samples.append({samples.size() * stepMs, s.celsius});
    return samples;
}

Samples withSample(Samples samples, int index, double celsius)
{
    samples[index].celsius = celsius;
    return samples;
}

// Removes the samples after `index` for `ms`, shifting the rest, so that
// the record has a gap of `ms` + 2 s there.
Samples withGap(Samples samples, int index, qint64 ms)
{
    for (int i = index + 1; i < samples.size(); ++i)
        samples[i].elapsedMs += ms;
    return samples;
}

QList<CommunicationManager::ProgramStep> steps(const QString &text)
{
    QList<CommunicationManager::ProgramStep> result;
    for (const QString &step : text.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        CommunicationManager::ProgramStep s;
        s.minutes = step.section(QLatin1Char('@'), 0, 0).toInt();
        s.temperature = step.section(QLatin1Char('@'), 1, 1).toDouble();
        result << s;
    }
    return result;
}

const QString completed = QStringLiteral("Successfully completed");
const QString program = QStringLiteral("20@121.0;5@60.0");
// The hold begins after the warm-up's 60 samples.
constexpr int holdStart = 60;

} // namespace

class TestVerdict : public QObject
{
    Q_OBJECT

private slots:
    void verdict_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("hold");      // "T:M" given directly; empty: the program's
        QTest::addColumn<QString>("status");
        QTest::addColumn<bool>("adopted");
        QTest::addColumn<double>("lower");
        QTest::addColumn<double>("upper");
        QTest::addColumn<Samples>("samples");
        QTest::addColumn<Result>("result");
        QTest::addColumn<QString>("reason");   // a part of it
        QTest::addColumn<qint64>("longestMs"); // -1: no stretch

        const Samples clean = run({{holdSamples(20), 121.5}});
        QTest::newRow("clean hold") << program << "" << completed << false << 0.0 << 3.0 << clean << Result::Pass
            << "held 121.0 to 124.0 \u00b0C for 20 min 00 s from 00:02:00 to 00:22:00 (20 min required)"
            << qint64(1200000);
        QTest::newRow("one sample too short") << program << "" << completed << false << 0.0 << 3.0
            << run({{holdSamples(20) - 1, 121.5}}) << Result::Fail
            << "longest stretch at 121.0 to 124.0 \u00b0C lasted 19 min 58 s of the 20 min required"
            << qint64(1198000);
        const Samples longHold = run({{holdSamples(30), 121.5}});
        QTest::newRow("dip of one sample in the middle") << program << "" << completed << false << 0.0 << 3.0
            << withSample(longHold, holdStart + 450, 120.9) << Result::Fail
            << "lasted 14 min 58 s of the 20 min required; lowest 120.9 \u00b0C at 00:17:00" << qint64(898000);
        QTest::newRow("overshoot above the band") << program << "" << completed << false << 0.0 << 3.0
            << withSample(longHold, holdStart + 300, 124.01) << Result::Fail
            << "; highest 124.01 \u00b0C at 00:12:00" << qint64(1198000);
        QTest::newRow("exactly on the band's edges")
            << program << "" << completed << false << 0.0 << 3.0
            << run({{holdSamples(10), 121.0}, {holdSamples(10) - 1, 124.0}}) << Result::Pass << "for 20 min 00 s"
            << qint64(1200000);
        // 121.3 - 0.2 is 121.09999... in binary; the edge must still hold.
        QTest::newRow("edges of tolerances that binary cannot hold")
            << "20@121.3" << "" << completed << false << 0.2 << 0.1
            << run({{holdSamples(10), 121.1}, {holdSamples(10) - 1, 121.4}}) << Result::Pass
            << "held 121.1 to 121.4 \u00b0C" << qint64(1200000);
        QTest::newRow("below a lower tolerance") << program << "" << completed << false << 0.5 << 3.0
            << withSample(longHold, holdStart + 450, 120.49) << Result::Fail << "lowest 120.49 \u00b0C"
            << qint64(898000);
        QTest::newRow("cancelled before the hold ended")
            << program << "" << "Program cancelled by user" << false << 0.0 << 3.0
            << record({{30, 25.0}, {holdSamples(10), 121.5}}) << Result::Fail
            << "lasted 10 min 00 s of the 20 min required; the run ended \"Program cancelled by user\""
            << qint64(600000);
        QTest::newRow("cancelled after the hold") << program << "" << "Program cancelled by user" << false << 0.0
            << 3.0 << clean << Result::Pass << "(20 min required); the run ended \"Program cancelled by user\""
            << qint64(1200000);
        QTest::newRow("adopted run") << program << "" << completed << true << 0.0 << 3.0 << clean
            << Result::NotEvaluated << "the recording began after the program had started" << qint64(1200000);
        QTest::newRow("unknown steps") << "" << "" << completed << false << 0.0 << 3.0 << clean
            << Result::NotEvaluated << "the program's steps are unknown" << qint64(-1);
        QTest::newRow("no step holds for a time") << "0@121.0" << "" << completed << false << 0.0 << 3.0 << clean
            << Result::NotEvaluated << "no step of the program holds for a time" << qint64(-1);
        QTest::newRow("a hotter step of 0 minutes is no hold")
            << "0@134.0;20@121.0" << "" << completed << false << 0.0 << 3.0 << clean << Result::Pass
            << "held 121.0 to 124.0" << qint64(1200000);
        QTest::newRow("hottest step twice in a row: one hold of both")
            << "10@121.0;10@121.0;5@60.0" << "" << completed << false << 0.0 << 3.0
            << run({{holdSamples(15), 121.5}}) << Result::Fail << "of the 20 min required" << qint64(900000);
        const Samples twoHolds = run({{holdSamples(10), 121.5}, {60, 60.0}, {holdSamples(15), 121.5}});
        QTest::newRow("hottest step twice apart: the longer is proven")
            << "10@121.0;5@60.0;15@121.0" << "" << completed << false << 0.0 << 3.0 << twoHolds << Result::Pass
            << "for 15 min 00 s" << qint64(900000);
        QTest::newRow("hottest step twice apart: short of the longer")
            << "15@121.0;5@60.0;10@121.0" << "" << completed << false << 0.0 << 3.0
            << run({{holdSamples(15) - 1, 121.5}, {60, 60.0}, {holdSamples(10), 121.5}}) << Result::Fail
            << "lasted 14 min 58 s of the 15 min required" << qint64(898000);
        QTest::newRow("a gap in the hold ends the stretch")
            << program << "" << completed << false << 0.0 << 3.0 << withGap(longHold, holdStart + 450, 30000)
            << Result::Fail << "; no sample for 32 s from 00:17:00" << qint64(900000);
        QTest::newRow("a gap at the bound does not")
            << program << "" << completed << false << 0.0 << 3.0
            << withGap(clean, holdStart + 300, CycleVerdict::maxSampleGapMs - stepMs) << Result::Pass
            << "for 20 min 08 s" << qint64(1208000);
        QTest::newRow("never reached the band") << program << "" << completed << false << 0.0 << 3.0
            << run({{holdSamples(20), 120.95}}) << Result::Fail
            << "never reached 121.0 \u00b0C (highest 120.95 \u00b0C at 00:02:00)" << qint64(-1);
        QTest::newRow("no samples") << program << "" << completed << false << 0.0 << 3.0 << Samples()
            << Result::Fail << "no samples recorded" << qint64(-1);
        QTest::newRow("hold given directly, no steps") << "" << "134.0:4" << completed << false << 0.0 << 3.0
            << run({{holdSamples(4), 135.0}}) << Result::Pass << "held 134.0 to 137.0 \u00b0C for 4 min 00 s"
            << qint64(240000);
        QTest::newRow("hold given directly, no time") << "" << "121.0:0" << completed << false << 0.0 << 3.0
            << clean << Result::NotEvaluated << "the hold at 121.0 \u00b0C has no holding time" << qint64(-1);
    }
    void verdict()
    {
        QFETCH(QString, program);
        QFETCH(QString, hold);
        QFETCH(QString, status);
        QFETCH(bool, adopted);
        QFETCH(double, lower);
        QFETCH(double, upper);
        QFETCH(Samples, samples);
        QFETCH(Result, result);
        QFETCH(QString, reason);
        QFETCH(qint64, longestMs);

        Cycle cycle;
        cycle.steps = steps(program);
        cycle.status = status;
        cycle.adopted = adopted;
        cycle.samples = samples;
        const CycleVerdict::Band band{lower, upper};
        const CycleVerdict v = hold.isEmpty()
            ? CycleVerdict::evaluate(cycle, band)
            : CycleVerdict::evaluate(cycle, {hold.section(':', 0, 0).toDouble(), hold.section(':', 1).toInt()},
                                     band);

        QCOMPARE(CycleVerdict::resultText(v.result), CycleVerdict::resultText(result));
        QVERIFY2(v.reason.contains(reason), qPrintable(v.reason));
        QVERIFY(!v.reason.contains(QLatin1Char('\n')));
        QCOMPARE(v.longestStretch.isEmpty() ? qint64(-1) : v.longestStretch.durationMs(), longestMs);
    }

    // The figures the report draws: where the hold is and its extremes.
    void figuresOfTheHold()
    {
        Cycle cycle;
        cycle.steps = steps(program);
        cycle.status = completed;
        cycle.samples = withSample(withSample(run({{holdSamples(30), 122.0}}), holdStart + 10, 121.2),
                                   holdStart + 20, 123.7);
        const CycleVerdict v = CycleVerdict::evaluate(cycle, CycleVerdict::Band());
        QVERIFY(v.holdKnown);
        QCOMPARE(v.hold.minutes, 20);
        QCOMPARE(v.holdSpan.startMs, holdStart * stepMs);
        QCOMPARE(v.holdSpan.endMs, (holdStart + holdSamples(30) - 1) * stepMs);
        QCOMPARE(v.lowestInHold->celsius, 121.2);
        QCOMPARE(v.lowestInHold->elapsedMs, (holdStart + 10) * stepMs);
        QCOMPARE(v.highestInHold->celsius, 123.7);
        QCOMPARE(v.highestInHold->elapsedMs, (holdStart + 20) * stepMs);
    }

    // A tolerance from the settings store that is no usable number falls
    // back to its default instead of turning the band around.
    void bandFromTheSettings_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<double>("lower");
        QTest::newRow("absent") << QVariant() << 0.0;
        QTest::newRow("a number") << QVariant(0.5) << 0.5;
        QTest::newRow("a number as text") << QVariant("1.5") << 1.5;
        QTest::newRow("negative") << QVariant(-1.0) << 0.0;
        QTest::newRow("not a number") << QVariant("half a kelvin") << 0.0;
        QTest::newRow("infinite") << QVariant("inf") << 0.0;
    }
    void bandFromTheSettings()
    {
        QFETCH(QVariant, stored);
        QFETCH(double, lower);
        StationSettings settings;
        settings.remove(QStringLiteral("verdict"));
        if (stored.isValid())
            settings.setValue(QStringLiteral("verdict/lower_tolerance"), stored);
        QCOMPARE(settings.verdictBand().lowerTolerance, lower);
        QCOMPARE(settings.verdictBand().upperBand, 3.0);
    }
};

int main(int argc, char *argv[])
{
    IsolatedUser user;
    QCoreApplication app(argc, argv);
    TestVerdict test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_verdict.moc"
