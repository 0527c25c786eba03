// The program memory image as it arrives from the line. Whatever is
// accepted holds six sensible programs, and a program read from the
// controller is written back and read again unchanged.
#include "fuzz/programimage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = Fuzzing::answer(data, size);
    int yields = 0;
    const ProgramMemory::DecodeResult result = ProgramMemory::decode(text, [&yields] { ++yields; });
    Fuzzing::checkDecoded(result);
    FUZZ_CHECK(yields <= Fuzzing::imageLines + Fuzzing::programCount);
    if (result.outcome != ProgramMemory::DecodeResult::Ok)
        return 0;

    QList<Fuzzing::Program> written;
    QList<std::optional<Fuzzing::Program>> expected;
    for (int k = 0; k < Fuzzing::programCount; ++k) {
        const Fuzzing::Program &program = result.programs.at(k);
        const bool writable = ProgramMemory::encodeRefusal(program).isEmpty();
        written << (writable ? program : Fuzzing::placeholder(k));
        expected << (writable ? std::optional<Fuzzing::Program>(program) : std::nullopt);
    }
    Fuzzing::checkReadsBack(written, expected);
    return 0;
}
