#pragma once

#include "device/replyparser.h"
#include "fuzz/fuzzing.h"

#include <QStringList>

#include <optional>

namespace Fuzzing {

// The code of an accepted acknowledgement read without an int's limits:
// its sign and digits without leading zeros ("-000" and "+0" are "0").
inline QString acknowledgementCode(const QString &answer)
{
    QString code = answer.mid(9).trimmed(); // after the keyword and its blank
    const bool negative = code.startsWith(QLatin1Char('-'));
    if (negative || code.startsWith(QLatin1Char('+')))
        code.remove(0, 1);
    while (code.size() > 1 && code.startsWith(QLatin1Char('0')))
        code.remove(0, 1);
    return negative && code != QLatin1String("0") ? QLatin1Char('-') + code : code;
}

// An accepted acknowledgement reports success exactly for the success codes
// (never for a code that merely reads as one), and a refusal with a message.
inline void checkAcknowledgement(const std::optional<ReplyParser::StatusReport> &report, const QString &answer,
                                 const QString &keyword, const QStringList &successCodes,
                                 CommunicationManager::ProgramStatus success,
                                 CommunicationManager::ProgramStatus refusal)
{
    if (!report)
        return;
    FUZZ_CHECK(answer.startsWith(keyword + QLatin1Char(' '), Qt::CaseInsensitive));
    FUZZ_CHECK(answer.endsWith(QLatin1Char('\n')));
    const bool succeeded = successCodes.contains(acknowledgementCode(answer));
    FUZZ_CHECK(report->status == (succeeded ? success : refusal));
    FUZZ_CHECK(report->message.isEmpty() == succeeded);
}

} // namespace Fuzzing
