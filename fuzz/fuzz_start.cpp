// The start acknowledgement: only code 0 starts a run.
#include "fuzz/acknowledgementcheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = Fuzzing::answer(data, size);
    Fuzzing::checkAcknowledgement(ReplyParser::parseStartAcknowledgement(text), text, QStringLiteral("ACK_STAR"),
                                  {QStringLiteral("0")}, CommunicationManager::Running,
                                  CommunicationManager::StartFailed);
    return 0;
}
