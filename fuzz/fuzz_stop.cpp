// The stop acknowledgement: only codes 1 and 2 mean stopped.
#include "fuzz/acknowledgementcheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = Fuzzing::answer(data, size);
    Fuzzing::checkAcknowledgement(ReplyParser::parseStopAcknowledgement(text), text, QStringLiteral("ACK_STOP"),
                                  {QStringLiteral("1"), QStringLiteral("2")}, CommunicationManager::Stopped,
                                  CommunicationManager::StopFailed);
    return 0;
}
