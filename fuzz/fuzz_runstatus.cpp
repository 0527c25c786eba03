// The run-status answer: what is accepted has the answer's form and is
// either the end of the program or a sensor error.
#include "device/replyparser.h"
#include "fuzz/fuzzing.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = Fuzzing::answer(data, size);
    const auto status = ReplyParser::parseRunStatus(text);
    if (status) {
        FUZZ_CHECK(text.startsWith(QLatin1String("DAT_STAT "), Qt::CaseInsensitive) && text.endsWith(QLatin1Char('\n')));
        FUZZ_CHECK(*status == CommunicationManager::Finished || *status == CommunicationManager::SensorError);
    }
    return 0;
}
