// The version answer: the firmware version is at most five characters of
// the answer from its twentieth on, and holds no line end or other control
// character: it becomes a line of every run log.
#include "device/replyparser.h"
#include "fuzz/fuzzing.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = Fuzzing::answer(data, size);
    const QString version = ReplyParser::parseVersion(text);
    FUZZ_CHECK(version.size() <= 5);
    FUZZ_CHECK(std::none_of(version.cbegin(), version.cend(), [](QChar c) { return c.category() == QChar::Other_Control; }));
    return 0;
}
