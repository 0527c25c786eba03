// The identity answer: what is accepted has the answer's form, a serial
// number without blanks and a cycle number that is not negative.
#include "device/replyparser.h"
#include "fuzz/fuzzing.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = Fuzzing::answer(data, size);
    const auto info = ReplyParser::parseIdentity(text);
    if (info) {
        FUZZ_CHECK(text.startsWith(QLatin1String("CON_INFO "), Qt::CaseInsensitive) && text.endsWith(QLatin1Char('\n')));
        FUZZ_CHECK(!info->serialNumber.contains(QLatin1Char(' ')));
        FUZZ_CHECK(info->cycleNumber >= 0);
    }
    return 0;
}
