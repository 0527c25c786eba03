// The program memory image with every record's checksum made to fit before
// decoding, so that changed bytes reach the name and step readers instead of
// ending at the checksum test.
#include "fuzz/programimage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QLatin1String lineBreak("\r\n");
    QStringList lines = Fuzzing::answer(data, size).split(lineBreak);
    bool allFit = true;
    for (QString &line : lines) {
        const QString t = line.trimmed();
        const QString checksum = t.size() >= 3 ? ProgramMemory::hexChecksum(t.mid(1, t.size() - 3)) : QString();
        if (checksum.isEmpty())
            allFit = false;
        else
            line = t.left(t.size() - 2) + checksum;
    }
    const ProgramMemory::DecodeResult result = ProgramMemory::decode(lines.join(lineBreak));
    Fuzzing::checkDecoded(result);
    if (lines.size() == Fuzzing::imageLines && allFit)
        FUZZ_CHECK(result.outcome == ProgramMemory::DecodeResult::Ok);
    return 0;
}
