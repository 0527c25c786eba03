#include "app/stationsettings.h"
#include "register/cycle.h"
#include "reports/cycleverdict.h"
#include "tests/isolateduser.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

using Result = CycleVerdict::Result;
using Samples = QVector<CycleSample>;

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

Cycle cycleOf(const Samples &samples, const QString &steps = program, const QString &status = completed,
              bool adopted = false)
{
    Cycle cycle;
    cycle.steps = ::steps(steps);
    cycle.status = status;
    cycle.adopted = adopted;
    cycle.samples = samples;
    return cycle;
}

} // namespace

class TestVerdict : public QObject
{
    Q_OBJECT

private slots:
    void verdict_data()
    {
        QTest::addColumn<Cycle>("cycle");
        QTest::addColumn<double>("lower");
        QTest::addColumn<double>("upper");
        QTest::addColumn<Result>("result");
        QTest::addColumn<QString>("reason");   // a part of it
        QTest::addColumn<qint64>("longestMs"); // -1: no stretch
        const auto row = [](const char *name, const Samples &samples, Result result, const QString &reason,
                            qint64 longestMs, const QString &steps = program, const QString &status = completed,
                            bool adopted = false, double lower = 0.0, double upper = 3.0) {
            QTest::newRow(name) << cycleOf(samples, steps, status, adopted) << lower << upper << result << reason
                                << longestMs;
        };

        const Samples clean = run({{holdSamples(20), 121.5}});
        row("clean hold", clean, Result::Pass,
            "held 121.0 to 124.0 \u00b0C for 20 min 00 s from 00:02:00 to 00:22:00 (20 min required)", 1200000);
        row("one sample too short", run({{holdSamples(20) - 1, 121.5}}), Result::Fail,
            "longest stretch at 121.0 to 124.0 \u00b0C lasted 19 min 58 s of the 20 min required", 1198000);
        const Samples longHold = run({{holdSamples(30), 121.5}});
        row("dip of one sample in the middle", withSample(longHold, holdStart + 450, 120.9), Result::Fail,
            "lasted 14 min 58 s of the 20 min required; lowest 120.9 \u00b0C at 00:17:00", 898000);
        row("overshoot above the band", withSample(longHold, holdStart + 300, 124.01), Result::Fail,
            "; highest 124.01 \u00b0C at 00:12:00", 1198000);
        row("exactly on the band's edges", run({{holdSamples(10), 121.0}, {holdSamples(10) - 1, 124.0}}), Result::Pass,
            "for 20 min 00 s", 1200000);
        // 121.3 - 0.2 is 121.09999... in binary; the edge must still hold.
        row("edges of tolerances that binary cannot hold", run({{holdSamples(10), 121.1}, {holdSamples(10) - 1, 121.4}}),
            Result::Pass, "held 121.1 to 121.4 \u00b0C", 1200000, "20@121.3", completed, false, 0.2, 0.1);
        const QString cancelled = QStringLiteral("Program cancelled by user");
        row("cancelled before the hold ended", record({{30, 25.0}, {holdSamples(10), 121.5}}), Result::Fail,
            "lasted 10 min 00 s of the 20 min required; the run ended \"Program cancelled by user\"", 600000, program,
            cancelled);
        row("cancelled after the hold", clean, Result::Pass,
            "(20 min required); the run ended \"Program cancelled by user\"", 1200000, program, cancelled);
        // What the station stores of an adopted run: the steps of the program the controller reports running,
        // or none when it reports no program.
        row("adopted run, program reported", clean, Result::NotEvaluated, "recording began after the start", 1200000,
            program, completed, true);
        row("adopted run, no program reported", clean, Result::NotEvaluated, "recording began after the start", -1, "",
            completed, true);
        row("unknown steps", clean, Result::NotEvaluated, "the program's steps are unknown", -1, "");
        row("no step holds for a time", clean, Result::NotEvaluated, "no step of the program holds for a time", -1,
            "0@121.0");
        row("a hotter step of 0 minutes is no hold", clean, Result::Pass, "held 121.0 to 124.0", 1200000,
            "0@134.0;20@121.0");
        row("hottest step twice in a row: one hold of both", run({{holdSamples(15), 121.5}}), Result::Fail,
            "of the 20 min required", 900000, "10@121.0;10@121.0;5@60.0");
        row("hottest step twice apart: the longer is proven",
            run({{holdSamples(10), 121.5}, {60, 60.0}, {holdSamples(15), 121.5}}), Result::Pass, "for 15 min 00 s",
            900000, "10@121.0;5@60.0;15@121.0");
        row("hottest step twice apart: short of the longer",
            run({{holdSamples(15) - 1, 121.5}, {60, 60.0}, {holdSamples(10), 121.5}}), Result::Fail,
            "lasted 14 min 58 s of the 15 min required", 898000, "15@121.0;5@60.0;10@121.0");
        row("a gap in the hold ends the stretch", withGap(longHold, holdStart + 450, 30000), Result::Fail,
            "; no sample for 32 s from 00:17:00", 900000);
        row("a gap at the bound does not", withGap(clean, holdStart + 300, CycleVerdict::maxSampleGapMs - stepMs),
            Result::Pass, "for 20 min 08 s", 1208000);
        row("never reached the band", run({{holdSamples(20), 120.95}}), Result::Fail,
            "never reached 121.0 \u00b0C (highest 120.95 \u00b0C at 00:02:00)", -1);
        row("no samples", Samples(), Result::Fail, "no samples recorded", -1);
    }
    void verdict()
    {
        QFETCH(Cycle, cycle);
        QFETCH(double, lower);
        QFETCH(double, upper);
        QFETCH(Result, result);
        QFETCH(QString, reason);
        QFETCH(qint64, longestMs);
        const CycleVerdict v = CycleVerdict::evaluate(cycle, {lower, upper});
        QCOMPARE(CycleVerdict::resultText(v.result), CycleVerdict::resultText(result));
        QVERIFY2(v.reason.contains(reason), qPrintable(v.reason));
        QVERIFY(!v.reason.contains(QLatin1Char('\n')));
        QCOMPARE(v.longestStretch.isEmpty() ? qint64(-1) : v.longestStretch.durationMs(), longestMs);
    }

    // The figures the report draws: where the hold is and its extremes.
    void figuresOfTheHold()
    {
        const Cycle cycle = cycleOf(withSample(withSample(run({{holdSamples(30), 122.0}}), holdStart + 10, 121.2),
                                               holdStart + 20, 123.7));
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

    // A tolerance from the settings store that is no usable number, or
    // beyond the records tool's bound, falls back to its default instead of
    // turning the band around or widening it past proving anything, and the
    // notice for the Records tab names it.
    void bandFromTheSettings_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<double>("lower");
        QTest::addColumn<bool>("noticed");
        QTest::newRow("absent") << QVariant() << 0.0 << false;
        QTest::newRow("a number") << QVariant(0.5) << 0.5 << false;
        QTest::newRow("a number as text") << QVariant("1.5") << 1.5 << false;
        QTest::newRow("the bound") << QVariant("50") << 50.0 << false;
        QTest::newRow("beyond the bound") << QVariant("100") << 0.0 << true;
        QTest::newRow("negative") << QVariant(-1.0) << 0.0 << true;
        QTest::newRow("not a number") << QVariant("half a kelvin") << 0.0 << true;
        QTest::newRow("infinite") << QVariant("inf") << 0.0 << true;
    }
    void bandFromTheSettings()
    {
        QFETCH(QVariant, stored);
        QFETCH(double, lower);
        QFETCH(bool, noticed);
        StationSettings settings;
        settings.remove(QStringLiteral("verdict"));
        if (stored.isValid())
            settings.setValue(QStringLiteral("verdict/lower_tolerance"), stored);
        QCOMPARE(settings.verdictBand().lowerTolerance, lower);
        QCOMPARE(settings.verdictBand().upperBand, 3.0);
        const QString notice = settings.verdictBandNotice();
        QCOMPARE(notice.isEmpty(), !noticed);
        QVERIFY2(!noticed || notice.contains("verdict/lower_tolerance is \"" + stored.toString() + "\""),
                 qPrintable(notice));
    }

    // The settings file as a person types it (UTF-8), and as the station
    // wrote it before it named the file's encoding: both read the same.
    void settingsFileIsUtf8_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("typed in UTF-8") << QByteArray("clinic_name=Zahnarztpraxis M\xC3\xBCller\n");
        QTest::newRow("written before") << QByteArray();
    }
    void settingsFileIsUtf8()
    {
        QFETCH(QByteArray, line);
        const QString clinic = QStringLiteral("Zahnarztpraxis M\u00fcller");
        const QString fileName = StationSettings().fileName();
        QFile::remove(fileName);
        if (line.isEmpty()) {
            QSettings before(fileName, QSettings::IniFormat); // no codec named, as then
            before.setValue("clinic_name", clinic);
        } else {
            QFile file(fileName);
            QVERIFY(QDir().mkpath(QFileInfo(fileName).path()));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("[General]\n" + line) > 0);
        }
        QCOMPARE(StationSettings().clinicName(), clinic);
        StationSettings().setLastOperator(clinic); // written again: the clinic's name stays
        QCOMPARE(StationSettings().clinicName(), clinic);
        QCOMPARE(StationSettings().lastOperator(), clinic);
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
