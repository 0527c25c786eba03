#pragma once

#include "device/programmemory.h"
#include "fuzz/fuzzing.h"

#include <QStringList>

#include <cctype>
#include <cmath>
#include <optional>

// Checks shared by the program memory harnesses, and the image the station
// would read back after writing six programs.
namespace Fuzzing {

using Program = CommunicationManager::Program;

constexpr int imageLines = 65;
constexpr int programCount = 6;

inline bool isHex(const QString &text)
{
    for (const QChar c : text) {
        if (!std::isxdigit(c.unicode() < 128 ? c.unicode() : 0))
            return false;
    }
    return true;
}

// The invariants of any decoding outcome.
inline void checkDecoded(const ProgramMemory::DecodeResult &result)
{
    using Result = ProgramMemory::DecodeResult;
    if (result.outcome != Result::Ok) {
        FUZZ_CHECK(result.programs.isEmpty());
        FUZZ_CHECK(result.outcome == Result::ChecksumMismatch ? result.line >= 0 && result.line < imageLines
                                                              : result.line == -1);
        return;
    }
    FUZZ_CHECK(result.programs.size() == programCount && result.line == -1);
    for (const Program &program : result.programs) {
        FUZZ_CHECK(program.name.size() <= 32 && program.name == program.name.trimmed());
        for (const QString &header : program.recordHeaders)
            FUZZ_CHECK(header.size() <= 8 && isHex(header));
        FUZZ_CHECK(program.steps.size() <= 16);
        for (const CommunicationManager::ProgramStep &step : program.steps) {
            FUZZ_CHECK(step.number == 0 && step.minutes >= 0 && step.minutes <= 0xFFFF);
            FUZZ_CHECK(std::isfinite(step.temperature) && step.temperature >= 0 && step.temperature <= 6553.5);
            FUZZ_CHECK(std::trunc(step.temperature * 10) / 10 == step.temperature);
        }
    }
}

// A written record line: ":", the header, 32 data bytes, a valid checksum
// and a line feed. Returns the line without its line feed.
inline QString checkedRecord(const QString &line, const QString &header)
{
    FUZZ_CHECK(line.size() == 1 + 8 + 64 + 2 + 1 && line.endsWith(QLatin1Char('\n')));
    FUZZ_CHECK(line.startsWith(QLatin1Char(':') + header) && isHex(line.mid(1, 74)));
    FUZZ_CHECK(ProgramMemory::hexChecksum(line.mid(1, 72)) == line.mid(73, 2));
    return line.left(75);
}

// A data record the station does not use, at the address of its line.
inline QString unusedRecord(int line)
{
    const QString header = QStringLiteral("20%1").arg(ProgramMemory::toHex4(line * 0x20)).toUpper() + QLatin1String("00");
    const QString data(64, QLatin1Char('0'));
    return QLatin1Char(':') + header + data + ProgramMemory::hexChecksum(header + data);
}

// A program the encoder accepts, for the slots of those it refused.
inline Program placeholder(int slot)
{
    Program program;
    program.name = QStringLiteral("Slot %1").arg(slot + 1);
    for (int r = 0; r < 4; ++r)
        program.recordHeaders[r] = unusedRecord(r == 0 ? slot : 7 + 3 * slot + r - 1).mid(1, 8);
    return program;
}

// The 65-line image holding six programs that the encoder accepted, written
// with the station's own record lines.
inline QString imageOf(const QList<Program> &programs)
{
    FUZZ_CHECK(programs.size() == programCount);
    QStringList lines;
    for (const Program &program : programs)
        lines << checkedRecord(ProgramMemory::nameRecordLine(program), program.recordHeaders[0]);
    lines << unusedRecord(lines.size());
    for (const Program &program : programs) {
        for (int r = 1; r <= 3; ++r)
            lines << checkedRecord(ProgramMemory::stepRecordLine(program, r), program.recordHeaders[r]);
    }
    while (lines.size() < imageLines - 1)
        lines << unusedRecord(lines.size());
    FUZZ_CHECK(ProgramMemory::endOfFileLine() == QLatin1String(":00000001FF\n"));
    lines << ProgramMemory::endOfFileLine().trimmed();
    return lines.join(QLatin1String("\r\n"));
}

// Writing the programs and reading the image back gives the expected
// programs in every slot where one is expected.
inline void checkReadsBack(const QList<Program> &written, const QList<std::optional<Program>> &expected)
{
    const ProgramMemory::DecodeResult result = ProgramMemory::decode(imageOf(written));
    FUZZ_CHECK(result.outcome == ProgramMemory::DecodeResult::Ok);
    for (int k = 0; k < programCount; ++k) {
        if (!expected.at(k))
            continue;
        const Program &read = result.programs.at(k);
        FUZZ_CHECK(read.name == expected.at(k)->name);
        FUZZ_CHECK(read.recordHeaders == expected.at(k)->recordHeaders);
        FUZZ_CHECK(read.steps == expected.at(k)->steps);
    }
}

} // namespace Fuzzing
