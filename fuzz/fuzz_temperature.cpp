// The temperature answer: what is accepted has the answer's form and gives
// finite values, however many digits arrive.
#include "device/replyparser.h"
#include "fuzz/fuzzing.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = Fuzzing::answer(data, size);
    const auto temperature = ReplyParser::parseTemperature(text);
    if (temperature) {
        FUZZ_CHECK(text.startsWith(QLatin1String("DAT_TEMP "), Qt::CaseInsensitive));
        FUZZ_CHECK(text.endsWith(QLatin1Char('\n')) && text.count(QLatin1Char(',')) == 3);
        FUZZ_CHECK(std::isfinite(temperature->temperature) && std::isfinite(temperature->fourthValue));
    }
    return 0;
}
