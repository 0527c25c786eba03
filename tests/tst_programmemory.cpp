#include "device/programmemory.h"

#include <QRandomGenerator>
#include <QtTest>

#include <cmath>

using Program = CommunicationManager::Program;
using Steps = QList<CommunicationManager::ProgramStep>;
using Result = ProgramMemory::DecodeResult;
using Edit = std::function<void(QStringList &)>;
namespace PM = ProgramMemory;

namespace {

// 32-byte data records at consecutive addresses, as in a controller's image.
QString header(int line) { return QString("20%1").arg(line * 0x20, 4, 16, QChar('0')).toUpper() + "00"; }

QString record(int line, const QString &data) { return ':' + header(line) + data + PM::hexChecksum(header(line) + data); }

// Program `slot` of an image; without steps, step i is at 100 + i degrees for i + 1 minutes.
Program program(int steps, const QString &name = "P", int slot = 0)
{
    Program p;
    p.name = name;
    for (int i = 0; i < steps; ++i)
        p.steps << CommunicationManager::ProgramStep{0, i + 1, 100.0 + i};
    p.recordHeaders = {header(slot), header(7 + 3 * slot), header(8 + 3 * slot), header(9 + 3 * slot)};
    return p;
}

QList<Program> samplePrograms()
{
    QList<Program> programs;
    for (int k = 0; k < 6; ++k)
        programs << program(2 + k, QString("Slot %1").arg(k), k);
    return programs;
}

// The 65 lines of an image holding six programs, joined by CR LF; the unused
// records carry command-like bytes, which the reader must ignore.
QString image(const QList<Program> &programs, const Edit &edit = {})
{
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

QString edited(const Edit &edit) { return image(samplePrograms(), edit); }

} // namespace

class TestProgramMemory : public QObject
{
    Q_OBJECT

private slots:
    void writesTheWorkedExampleByteForByte()
    {
        Program p = program(0, "Program A");
        p.steps = {{0, 20, 121.0}, {0, 5, 60.0}};
        QCOMPARE(PM::nameRecordLine(p), ":2000000050726f6772616d20410000000000000000000000050100000000000000000000A1\n");
        QCOMPARE(PM::stepRecordLine(p, 1), ":2000E0001404ba2800141402582800053C000000000000000000000000000000000000001B\n");
        QCOMPARE(PM::endOfFileLine(), ":00000001FF\n");
    }

    void recordsAtTheBoundaries_data()
    {
        QTest::addColumn<Program>("program");
        QTest::addColumn<int>("record");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("expected");
        QTest::newRow("5 steps: end byte starts record 2") << program(5) << 2 << 0 << "3C00";
        QTest::newRow("6 steps: record 2 continues the sixth") << program(6) << 2 << 0 << "1a2800063C00";
        QTest::newRow("10 steps: end byte starts record 3") << program(10) << 3 << 0 << "3C00";
        QTest::newRow("11 steps: record 3 continues the eleventh") << program(11) << 3 << 0 << "000b3C00";
        QTest::newRow("15 steps: no end byte") << program(15) << 3 << 40 << "14047428000f000000000000";
        QTest::newRow("15 steps: count byte in upper case") << program(15) << 0 << 38 << "001F0100";
        QTest::newRow("20-character name: no count or flag bytes")
            << program(3, "Instruments 134C 4mn") << 0 << 40 << QString(24, '0');
    }
    void recordsAtTheBoundaries()
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
                    name += i > 0 && i < length - 1 && rng.bounded(6) == 0 ? QChar(' ')
                        : QChar(rng.bounded(2) ? rng.bounded(0x21, 0x7f) : rng.bounded(0xa1, 0x100));
                }
                written << program(0, name, k);
                expected << written.last();
                for (int i = 0; i < n; ++i) {
                    // The largest values first; hundredths are dropped.
                    const int tenths = i < 2 ? 65535 * i : rng.bounded(65536);
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

    void acceptsTolerableImages_data()
    {
        QTest::addColumn<QString>("image");
        QTest::addColumn<QString>("name");
        QTest::addColumn<Steps>("steps");
        const Steps two = program(2).steps;
        QTest::newRow("bare line feed after the end record") << edited([](QStringList &l) { l.last() += '\n'; })
                                                             << "Slot 0" << two;
        QTest::newRow("white space around every line") << edited([](QStringList &l) {
            for (QString &line : l)
                line = " \t" + line + "  ";
        }) << "Slot 0" << two;
        QTest::newRow("name read from 32 bytes at most")
            << edited([](QStringList &l) { l[0] = record(0, QString("41").repeated(40)); }) << QString(32, 'A') << two;
        QTest::newRow("short step record lends no checksum digits")
            << edited([](QStringList &l) {
                   l[7] = record(7, "1404ba280014");
                   l[8] = record(8, QString("140258280005").leftJustified(64, '0'));
               }) << "Slot 0" << Steps{{0, 20, 121.0}, {0, 5, 60.0}};
    }
    void acceptsTolerableImages()
    {
        QFETCH(QString, image);
        const Result result = PM::decode(image);
        QCOMPARE(result.outcome, Result::Ok);
        QTEST(result.programs[0].name, "name");
        QTEST(result.programs[0].steps, "steps");
        QCOMPARE(result.programs[1].steps, program(3).steps);
    }

    void rejectsDamagedImages_data()
    {
        QTest::addColumn<QString>("image");
        QTest::addColumn<int>("line"); // -1: wrong size
        QTest::newRow("64 lines") << edited([](QStringList &l) { l.removeAt(30); }) << -1;
        QTest::newRow("66 lines, size checked first") << edited([](QStringList &l) { l.insert(30, l[0].chopped(1)); }) << -1;
        QTest::newRow("an empty line") << edited([](QStringList &l) { l.insert(12, QString()); }) << -1;
        QTest::newRow("CR LF after the end record") << edited([](QStringList &l) { l.append(QString()); }) << -1;
        const auto mismatch = [](int line, const QString &text) {
            QTest::addRow("line %d: %s", line, qPrintable(text.left(20)))
                << edited([=](QStringList &l) { l[line] = text; }) << line;
        };
        mismatch(0, ":2000000050726f6772616d20410000000000000000000000050100000000000000000000a1");
        mismatch(40, record(40, QString(64, '0')).replace(20, 1, '1'));
        mismatch(64, ":00000001FE");
        mismatch(12, ":2000xx00" + QString(66, '0'));
        mismatch(3, ":");
    }
    void rejectsDamagedImages()
    {
        QFETCH(QString, image);
        QFETCH(int, line);
        const Result result = PM::decode(image);
        QCOMPARE(result.outcome, line < 0 ? Result::WrongSize : Result::ChecksumMismatch);
        QCOMPARE(result.line, line);
        QVERIFY(result.programs.isEmpty());
    }

    void refusesWhatCannotBeStored_data()
    {
        QTest::addColumn<Program>("program");
        QTest::addColumn<QString>("reason"); // a part of it; empty when writable
        const auto row = [](const char *name, int minutes, double temperature, const QString &reason) {
            Program p = program(1);
            p.steps << CommunicationManager::ProgramStep{0, minutes, temperature};
            QTest::newRow(name) << p << reason;
        };
        row("largest values fit", 65535, 6553.5, {});
        row("65536 minutes", 65536, 121, "Step 2: the time must be between 0 and 65535 minutes");
        row("negative minutes", -1, 121, "Step 2: the time");
        row("6553.6 degrees", 1, 6553.6, "Step 2: the temperature must be between 0 and 6553.5 °C");
        row("below 0 degrees", 1, -0.05, "Step 2: the temperature");
        QTest::newRow("15 steps fit") << program(15) << QString();
        QTest::newRow("16 steps") << program(16) << "at most 15 steps";
        QTest::newRow("20-character name fits") << program(1, "Instruments 134C 4mn") << QString();
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
