#include "device/programmemory.h"

#include <QRandomGenerator>
#include <QtTest>

#include <cmath>

using Program = CommunicationManager::Program;
using Step = CommunicationManager::ProgramStep;
using Steps = QList<Step>;
using Result = ProgramMemory::DecodeResult;
using Edit = std::function<void(QStringList &)>;
namespace PM = ProgramMemory;

namespace {

Step step(double temperature, int minutes) { return Step{0, minutes, temperature}; }

// 32-byte data records at consecutive addresses, as in a controller's image.
QString header(int line) { return QString("20%1").arg(line * 0x20, 4, 16, QChar('0')).toUpper() + "00"; }

QString record(const QString &header, const QString &data)
{
    return ':' + header + data + PM::hexChecksum(header + data);
}

Program program(const QString &name, const Steps &steps, int slot = 0)
{
    Program p;
    p.name = name;
    p.steps = steps;
    p.recordHeaders = {header(slot), header(7 + 3 * slot), header(8 + 3 * slot), header(9 + 3 * slot)};
    return p;
}

Program workedExample()
{
    Program p = program("Program A", {step(121.0, 20), step(60.0, 5)});
    p.recordHeaders[0] = "20000000";
    p.recordHeaders[1] = "2000E000";
    return p;
}

// Step i at 100 + i degrees for i + 1 minutes, so that each entry is recognisable.
Program counted(int n, const QString &name = "P")
{
    Steps steps;
    for (int i = 0; i < n; ++i)
        steps << step(100 + i, i + 1);
    return program(name, steps);
}

QList<Program> samplePrograms()
{
    QList<Program> programs{workedExample()};
    for (int k = 1; k < 6; ++k)
        programs << program(QString("Slot %1").arg(k), {step(134.0, 4), step(121.5, 15)}, k);
    return programs;
}

// The 65 lines of an image holding six programs, joined by CR LF; the unused
// records carry command-like bytes, which the reader must ignore.
QString image(const QList<Program> &programs = samplePrograms(), const Edit &edit = {})
{
    QStringList lines;
    for (int i = 0; i < 64; ++i)
        lines << record(header(i), QString("1404ba280014").repeated(6).left(64));
    for (int k = 0; k < 6; ++k) {
        lines[k] = PM::nameRecordLine(programs[k]).chopped(1);
        for (int r = 1; r <= 3; ++r)
            lines[6 + 3 * k + r] = PM::stepRecordLine(programs[k], r).chopped(1);
    }
    lines << PM::endOfFileLine().chopped(1);
    if (edit)
        edit(lines);
    return lines.join("\r\n");
}

QString edited(const Edit &edit) { return image(samplePrograms(), edit); }

// Program 1 with these step records, the name and other programs unchanged.
QString withStepData(const QString &data1, const QString &data2 = {}, const QString &data3 = {})
{
    return edited([=](QStringList &l) {
        l[7] = record(header(7), data1);
        l[8] = record(header(8), data2.leftJustified(64, '0'));
        l[9] = record(header(9), data3.leftJustified(64, '0'));
    });
}

} // namespace

class TestProgramMemory : public QObject
{
    Q_OBJECT

private slots:
    void checksumAndFieldTexts()
    {
        QCOMPARE(PM::hexChecksum("00000001"), QString("FF"));
        QCOMPARE(PM::hexChecksum("2000e000ff"), PM::hexChecksum("2000E000FF"));
        for (const char *bad : {"0000001", "00g0", "+1", "-1", "0x"})
            QVERIFY2(PM::hexChecksum(bad).isEmpty(), bad);
        QCOMPARE(PM::toHex4(1200), QString("04b0"));
    }

    void writesTheWorkedExampleByteForByte()
    {
        QCOMPARE(PM::nameRecordLine(workedExample()),
                 QString(":2000000050726f6772616d20410000000000000000000000050100000000000000000000A1\n"));
        QCOMPARE(PM::stepRecordLine(workedExample(), 1),
                 QString(":2000E0001404ba2800141402582800053C000000000000000000000000000000000000001B\n"));
        QCOMPARE(PM::endOfFileLine(), QString(":00000001FF\n"));
    }

    void recordTexts_data()
    {
        QTest::addColumn<Program>("program");
        QTest::addColumn<int>("record");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("expected");
        QTest::newRow("5 steps: record 1 ends in two zero bytes") << counted(5) << 1 << 48 << "1404102800050000";
        QTest::newRow("5 steps: record 2 starts with the end byte") << counted(5) << 2 << 0 << "3C00";
        QTest::newRow("6 steps: record 1 ends with 14 and the high byte") << counted(6) << 1 << 60 << "1404";
        QTest::newRow("6 steps: record 2 continues the sixth") << counted(6) << 2 << 0 << "1a2800063C00";
        QTest::newRow("10 steps: record 2 ends in four zero bytes") << counted(10) << 2 << 44 << "14044228000a00000000";
        QTest::newRow("10 steps: record 3 starts with the end byte") << counted(10) << 3 << 0 << "3C00";
        QTest::newRow("11 steps: record 2 ends inside the eleventh") << counted(11) << 2 << 56 << "14044c28";
        QTest::newRow("11 steps: record 3 continues the eleventh") << counted(11) << 3 << 0 << "000b3C00";
        QTest::newRow("15 steps: no end byte") << counted(15) << 3 << 40 << "14047428000f000000000000";
        QTest::newRow("15 steps: count byte in uppercase") << counted(15) << 0 << 38 << "001F0100";
        QTest::newRow("20-character name: no count or flag bytes")
            << counted(3, "Instruments 134C 4mn") << 0 << 40 << QString(24, '0');
        QTest::newRow("outside Latin-1 becomes ?") << counted(0, "Ω1") << 0 << 0 << "3f3100";
    }

    void recordTexts()
    {
        QFETCH(Program, program);
        QFETCH(int, record);
        QFETCH(int, position);
        QFETCH(QString, expected);
        const QString line = record == 0 ? PM::nameRecordLine(program) : PM::stepRecordLine(program, record);
        QCOMPARE(line.size(), 1 + 8 + 64 + 2 + 1);
        QCOMPARE(line.mid(9 + position, expected.size()), expected);
    }

    void decodesWhatWasEncoded_data()
    {
        QTest::addColumn<QList<Program>>("written");
        QTest::addColumn<QList<Program>>("expected");
        QRandomGenerator rng(20240611);
        for (int n = 0; n <= 15; ++n) {
            QList<Program> written, expected;
            for (int k = 0; k < 6; ++k) {
                // Printable Latin-1 without white space at the ends, which reading trims.
                QString name;
                for (int i = 0, length = rng.bounded(21); i < length; ++i) {
                    const bool inner = i > 0 && i < length - 1;
                    name += inner && rng.bounded(6) == 0 ? QChar(' ')
                        : QChar(rng.bounded(2) ? rng.bounded(0x21, 0x7f) : rng.bounded(0xa1, 0x100));
                }
                written << program(name, {}, k);
                expected << written.last();
                for (int i = 0; i < n; ++i) {
                    const int tenths = rng.bounded(65536), minutes = rng.bounded(65536);
                    // Hundredths are dropped: 121.25 is written as 1212.
                    written[k].steps << step(tenths / 10.0 + rng.bounded(10) / 100.0, minutes);
                    expected[k].steps << step(tenths / 10.0, minutes);
                }
            }
            QTest::addRow("%d steps", n) << written << expected;
        }
        QList<Program> limits = samplePrograms();
        limits[1].name = "Instruments 134C 4mn";
        limits[2].steps = {step(0, 0), step(6553.5, 65535), step(121.25, 20)};
        QList<Program> limitsRead = limits;
        limitsRead[2].steps[2].temperature = 121.2;
        QTest::newRow("worked example, 20-character name, extreme values") << limits << limitsRead;
    }

    void decodesWhatWasEncoded()
    {
        QFETCH(QList<Program>, written);
        QFETCH(QList<Program>, expected);
        int yields = 0;
        const Result result = PM::decode(image(written), [&yields] { ++yields; });
        QCOMPARE(result.outcome, Result::Ok);
        QCOMPARE(yields, 65 + 6);
        QCOMPARE(result.programs.size(), 6);
        for (int k = 0; k < 6; ++k) {
            QCOMPARE(result.programs[k].name, expected[k].name);
            QCOMPARE(result.programs[k].recordHeaders, expected[k].recordHeaders);
            QCOMPARE(result.programs[k].steps, expected[k].steps);
        }
    }

    void acceptsTolerableImages_data()
    {
        QTest::addColumn<QString>("image");
        QTest::addColumn<Steps>("firstSteps");
        const Steps sample = workedExample().steps;
        QTest::newRow("bare line feed after the end record") << edited([](QStringList &l) { l.last() += '\n'; }) << sample;
        QTest::newRow("white space around every line") << edited([](QStringList &l) {
            for (QString &line : l)
                line = " \t" + line + "  ";
        }) << sample;
        QTest::newRow("a short step record") << withStepData("1404ba280014", "140258280005") << sample;
        QTest::newRow("a step eleven digits after a non-command byte")
            << withStepData(QString("000000000001404ba280014").leftJustified(64, '0')) << Steps{step(121.0, 20)};
        QTest::newRow("a temperature without a time command")
            << withStepData(QString("1404ba000014140258280005").leftJustified(64, '0')) << Steps{step(60.0, 5)};
        Steps sixteen;
        QString area;
        for (int i = 0; i < 16; ++i) {
            sixteen << step(100 + i, i + 1);
            area += "14" + PM::toHex4(1000 + 10 * i) + "28" + PM::toHex4(i + 1);
        }
        QTest::newRow("sixteen entries") << withStepData(area.left(64), area.mid(64, 64), area.mid(128)) << sixteen;
    }

    void acceptsTolerableImages()
    {
        QFETCH(QString, image);
        QFETCH(Steps, firstSteps);
        const Result result = PM::decode(image);
        QCOMPARE(result.outcome, Result::Ok);
        QCOMPARE(result.programs[0].name, QString("Program A"));
        QCOMPARE(result.programs[0].steps, firstSteps);
        QCOMPARE(result.programs[1].steps, samplePrograms()[1].steps);
    }

    void nameIsTheNameRecordsFirst32BytesAtMost()
    {
        const Result result = PM::decode(edited([](QStringList &l) { l[2] = record(header(2), QString("41").repeated(40)); }));
        QCOMPARE(result.outcome, Result::Ok);
        QCOMPARE(result.programs[2].name, QString(32, 'A'));
    }

    void rejectsDamagedImages_data()
    {
        QTest::addColumn<QString>("image");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<int>("line");
        const auto wrongSize = [](const char *name, const Edit &edit) {
            QTest::newRow(name) << edited(edit) << int(Result::WrongSize) << -1;
        };
        wrongSize("64 lines", [](QStringList &l) { l.removeAt(30); });
        wrongSize("66 lines, size checked before checksums", [](QStringList &l) { l.insert(30, l[30]); l[0].chop(1); });
        wrongSize("an empty line", [](QStringList &l) { l.insert(12, QString()); });
        wrongSize("a CR LF after the end record", [](QStringList &l) { l.append(QString()); });
        const auto mismatch = [](int line, const QString &text) {
            QTest::addRow("line %d: %s", line, qPrintable(text.left(20)))
                << edited([=](QStringList &l) { l[line] = text; }) << int(Result::ChecksumMismatch) << line;
        };
        mismatch(0, PM::nameRecordLine(workedExample()).chopped(3) + "a1");
        mismatch(40, record(header(40), QString(64, '0')).replace(20, 1, '1'));
        mismatch(64, ":00000001FE");
        mismatch(12, ":2000xx00" + QString(66, '0'));
        mismatch(3, ":");
        mismatch(5, QString());
    }

    void rejectsDamagedImages()
    {
        QFETCH(QString, image);
        QFETCH(int, outcome);
        QFETCH(int, line);
        const Result result = PM::decode(image);
        QCOMPARE(int(result.outcome), outcome);
        QCOMPARE(result.line, line);
        QVERIFY(result.programs.isEmpty());
    }

    void survivesArbitraryInput()
    {
        // Lines cut short or changed, half of them given a fitting checksum
        // so that the damage reaches the name and step readers too.
        const QStringList valid = image().split("\r\n");
        const QString alphabet = ":0123456789abcdefABCDEF \t\rxé€";
        QRandomGenerator rng(7);
        for (int i = 0; i < 3000; ++i) {
            QStringList lines = valid;
            for (int m = rng.bounded(1, 4); m > 0; --m) {
                QString &line = lines[rng.bounded(lines.size())];
                if (rng.bounded(2) || line.isEmpty())
                    line.truncate(rng.bounded(line.size() + 1));
                else
                    line[rng.bounded(line.size())] = alphabet[rng.bounded(alphabet.size())];
                if (rng.bounded(2) && line.size() >= 3)
                    line = line.chopped(2) + PM::hexChecksum(line.mid(1, line.size() - 3));
            }
            const Result result = PM::decode(lines.join("\r\n"));
            QCOMPARE(result.programs.size(), result.outcome == Result::Ok ? 6 : 0);
        }
        QCOMPARE(PM::decode(QString(10000000, 'F') + QString("\r\n").repeated(64)).outcome, Result::ChecksumMismatch);
        QCOMPARE(PM::decode(QString("\r\n").repeated(1000000)).outcome, Result::WrongSize);
    }

    void refusesWhatCannotBeStored_data()
    {
        QTest::addColumn<Program>("program");
        QTest::addColumn<QString>("reason"); // a part of it; empty when writable
        const auto row = [](const char *name, const Steps &steps, const QString &reason) {
            QTest::newRow(name) << program("P", steps) << reason;
        };
        row("65535 minutes fit", {step(121, 1), step(121, 65535)}, {});
        row("65536 minutes", {step(121, 1), step(121, 65536)}, "Step 2: the time must be between 0 and 65535 minutes");
        row("negative minutes", {step(121, -1)}, "Step 1: the time");
        row("6553.5 degrees fit", {step(6553.5, 1)}, {});
        row("6553.6 degrees", {step(121, 1), step(6553.6, 1)}, "Step 2: the temperature must be between 0 and 6553.5 °C");
        row("below 0 degrees", {step(-0.05, 1)}, "Step 1: the temperature");
        row("no temperature", {step(std::nan(""), 1)}, "Step 1: the temperature");
        row("15 steps fit", counted(15).steps, {});
        row("16 steps", counted(16).steps, "at most 15 steps");
        QTest::newRow("20-character name fits") << counted(1, "Instruments 134C 4mn") << QString();
        QTest::newRow("21-character name") << counted(1, "Instruments 134C 4min") << QString("longer than 20");
        for (const char *bad : {"", "2000E00", "2000G000"}) {
            Program p = counted(1);
            p.recordHeaders[2] = bad;
            QTest::addRow("record header \"%s\"", bad) << p << QString("not read completely");
        }
    }

    void refusesWhatCannotBeStored()
    {
        QFETCH(Program, program);
        QFETCH(QString, reason);
        const QString refusal = PM::encodeRefusal(program);
        QVERIFY2(reason.isEmpty() ? refusal.isEmpty() : refusal.contains(reason), qPrintable(refusal));
    }
};

QTEST_GUILESS_MAIN(TestProgramMemory)
#include "tst_programmemory.moc"
