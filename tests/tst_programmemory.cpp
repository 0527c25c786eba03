#include "device/programmemory.h"

#include <QRandomGenerator>
#include <QtTest>

using Program = CommunicationManager::Program;
using Steps = QList<CommunicationManager::ProgramStep>;
using Result = ProgramMemory::DecodeResult;
using Edit = std::function<void(QStringList &)>;
namespace PM = ProgramMemory;

namespace {

// 32-byte data records at consecutive addresses, as in a controller's image.
QString header(int line) { return QString("20%1").arg(line * 0x20, 4, 16, QChar('0')).toUpper() + "00"; }

QString record(int line, const QString &data) { return ':' + header(line) + data + PM::hexChecksum(header(line) + data); }

// Program `slot` of an image; step i is at 100 + i degrees for i + 1 minutes.
Program program(int steps, const QString &name = "P", int slot = 0)
{
    Program p;
    p.name = name;
    for (int i = 0; i < steps; ++i)
        p.steps << CommunicationManager::ProgramStep{0, i + 1, 100.0 + i};
    p.recordHeaders = {header(slot), header(7 + 3 * slot), header(8 + 3 * slot), header(9 + 3 * slot)};
    return p;
}

// The 65 lines of an image holding six programs, joined by CR LF; the unused
// records carry command-like bytes, which the reader must ignore.
QString image(QList<Program> programs = {}, const Edit &edit = {})
{
    for (int k = programs.size(); k < 6; ++k)
        programs << program(2 + k, QString("Slot %1").arg(k), k);
    QStringList lines;
    for (int i = 0; i < 64; ++i)
        lines << record(i, QString("1404ba280014").repeated(6).left(64));
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

} // namespace

class TestProgramMemory : public QObject
{
    Q_OBJECT

private slots:
    void recordTexts_data()
    {
        QTest::addColumn<Program>("program");
        QTest::addColumn<int>("record"); // 0 the name record, -1 the end-of-file record
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("expected");
        Program example = program(0, "Program A");
        example.steps = {{0, 20, 121.0}, {0, 5, 60.0}};
        QTest::newRow("worked example: name") << example << 0 << 0
            << ":2000000050726f6772616d20410000000000000000000000050100000000000000000000A1\n";
        QTest::newRow("worked example: steps") << example << 1 << 0
            << ":2000E0001404ba2800141402582800053C000000000000000000000000000000000000001B\n";
        QTest::newRow("end of file") << example << -1 << 0 << ":00000001FF\n";
        // Positions count from the first data digit.
        QTest::newRow("5 steps: end byte starts record 2") << program(5) << 2 << 9 << "3C00";
        QTest::newRow("6 steps: record 2 continues the sixth") << program(6) << 2 << 9 << "1a2800063C00";
        QTest::newRow("10 steps: end byte starts record 3") << program(10) << 3 << 9 << "3C00";
        QTest::newRow("11 steps: record 3 continues the eleventh") << program(11) << 3 << 9 << "000b3C00";
        QTest::newRow("15 steps: no end byte") << program(15) << 3 << 49 << "14047428000f000000000000";
    }
    void recordTexts()
    {
        QFETCH(Program, program);
        QFETCH(int, record);
        QFETCH(int, position);
        QFETCH(QString, expected);
        const QString line = record == 0 ? PM::nameRecordLine(program)
            : record < 0                 ? PM::endOfFileLine()
                                         : PM::stepRecordLine(program, record);
        QCOMPARE(line.mid(position, expected.size()), expected);
    }

    // Names of printable Latin-1, at most 20 long, without white space at
    // the ends (which reading trims); tenths of degrees are kept, hundredths dropped.
    void decodesWhatWasEncoded_data()
    {
        QTest::addColumn<QList<Program>>("written");
        QTest::addColumn<QList<Program>>("expected");
        QRandomGenerator rng(20240611);
        for (int n = 0; n <= 15; ++n) {
            QList<Program> written, expected;
            for (int k = 0; k < 6; ++k) {
                QString name;
                for (int i = 0, length = rng.bounded(21); i < length; ++i)
                    name += QChar(rng.bounded(2) ? rng.bounded(0x21, 0x7f) : rng.bounded(0xa1, 0x100));
                written << program(0, name, k);
                expected << written.last();
                for (int i = 0; i < n; ++i) {
                    const int tenths = i < 2 ? 65535 * i : rng.bounded(65536); // the extremes first
                    const int minutes = i < 2 ? 65535 * i : rng.bounded(65536);
                    written[k].steps << CommunicationManager::ProgramStep{0, minutes, (tenths + 0.5) / 10};
                    expected[k].steps << CommunicationManager::ProgramStep{0, minutes, tenths / 10.0};
                }
            }
            QTest::addRow("%d steps", n) << written << expected;
        }
    }
    void decodesWhatWasEncoded()
    {
        QFETCH(QList<Program>, written);
        QFETCH(QList<Program>, expected);
        const Result result = PM::decode(image(written));
        QCOMPARE(result.outcome, Result::Ok);
        for (int k = 0; k < 6; ++k) {
            QCOMPARE(result.programs[k].name, expected[k].name);
            QCOMPARE(result.programs[k].recordHeaders, expected[k].recordHeaders);
            QCOMPARE(result.programs[k].steps, expected[k].steps);
        }
    }

    // What the first program reads as; nothing from a rejected image.
    void decodesOnlyTrimmedCheckedLines_data()
    {
        QTest::addColumn<QString>("image");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("name");
        QTest::addColumn<Steps>("steps");
        const auto ok = [](const char *tag, const Edit &edit, const QString &name, const Steps &steps) {
            QTest::newRow(tag) << image({}, edit) << int(Result::Ok) << -1 << name << steps;
        };
        const auto bad = [](const char *tag, const Edit &edit, int line) {
            QTest::newRow(tag) << image({}, edit) << int(line < 0 ? Result::WrongSize : Result::ChecksumMismatch)
                               << line << QString() << Steps();
        };
        const Steps two = program(2).steps;
        ok("bare line feed after the end record", [](QStringList &l) { l.last() += '\n'; }, "Slot 0", two);
        ok("white space around every line", [](QStringList &l) {
            for (QString &line : l)
                line = " \t" + line + "  ";
        }, "Slot 0", two);
        ok("name from 32 bytes at most", [](QStringList &l) { l[0] = record(0, QString("41").repeated(40)); },
           QString(32, 'A'), two);
        ok("short step record lends no checksum digits", [](QStringList &l) {
            l[7] = record(7, "1404ba280014");
            l[8] = record(8, QString("140258280005").leftJustified(64, '0'));
        }, "Slot 0", {{0, 20, 121.0}, {0, 5, 60.0}});
        bad("64 lines", [](QStringList &l) { l.removeAt(30); }, -1);
        bad("66 lines, size checked first", [](QStringList &l) { l.insert(30, l[0].chopped(1)); }, -1);
        bad("an empty line", [](QStringList &l) { l.insert(12, QString()); }, -1);
        bad("CR LF after the end record", [](QStringList &l) { l.append(QString()); }, -1);
        bad("lower-case checksum", [](QStringList &l) {
            l[0] = ":2000000050726f6772616d20410000000000000000000000050100000000000000000000a1";
        }, 0);
        bad("a changed digit", [](QStringList &l) { l[40].replace(20, 1, l[40][20] == '0' ? '1' : '0'); }, 40);
        bad("end record", [](QStringList &l) { l[64] = ":00000001FE"; }, 64);
        bad("not hex", [](QStringList &l) { l[12] = ":2000xx00" + QString(66, '0'); }, 12);
        bad("no record", [](QStringList &l) { l[3] = ":"; }, 3);
    }
    void decodesOnlyTrimmedCheckedLines()
    {
        QFETCH(QString, image);
        const Result result = PM::decode(image);
        QTEST(int(result.outcome), "outcome");
        QTEST(result.line, "line");
        QTEST(result.programs.value(0).name, "name");
        QTEST(result.programs.value(0).steps, "steps");
    }

    void refusesWhatCannotBeStored_data()
    {
        QTest::addColumn<Program>("program");
        QTest::addColumn<QString>("reason"); // a part of it; empty when writable
        const auto step = [](int minutes, double temperature) {
            Program p = program(1, "Instruments 134C 4mn");
            p.steps << CommunicationManager::ProgramStep{0, minutes, temperature};
            return p;
        };
        QTest::newRow("largest values fit") << step(65535, 6553.5) << QString();
        QTest::newRow("65536 minutes") << step(65536, 121) << "Step 2: the time must be between 0 and 65535 minutes";
        QTest::newRow("negative minutes") << step(-1, 121) << "Step 2: the time";
        QTest::newRow("6553.6 degrees") << step(1, 6553.6) << "Step 2: the temperature must be between 0 and 6553.5 °C";
        QTest::newRow("below 0 degrees") << step(1, -0.05) << "Step 2: the temperature";
        QTest::newRow("15 steps fit") << program(15) << QString();
        QTest::newRow("16 steps") << program(16) << "at most 15 steps";
        QTest::newRow("21-character name") << program(1, "Instruments 134C 4min") << "longer than 20";
        Program p = program(1);
        p.recordHeaders[2] = "2000E00";
        QTest::newRow("short record header") << p << "not read completely";
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
