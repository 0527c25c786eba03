// The identity answer: what is accepted has the answer's form and a serial
// number without blanks; a well-formed one (a single comma) has a cycle
// number that is not negative (with more commas the first two fields are
// read, whatever they hold).
#include "device/replyparser.h"
#include "fuzz/fuzzing.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = Fuzzing::answer(data, size);
    const auto info = ReplyParser::parseIdentity(text);
    if (info) {
        FUZZ_CHECK(text.startsWith(QLatin1String("CON_INFO "), Qt::CaseInsensitive) && text.endsWith(QLatin1Char('\n')));
        FUZZ_CHECK(!info->serialNumber.contains(QLatin1Char(' ')));
        if (text.count(QLatin1Char(',')) == 1)
            FUZZ_CHECK(info->cycleNumber >= 0);
    }
    return 0;
}
