// The digital-status answer. The input starts with the remembered state (a
// byte telling whether words 1 and 2 have a value, then the three remembered
// words); the rest is the answer.
#include "device/digitalstatus.h"
#include "fuzz/fuzzdata.h"
#include "fuzz/fuzzing.h"

#include <QSet>

namespace {

bool isSet(quint32 word, int bit)
{
    return (word >> bit) & 1u;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzData in(data, size);
    const quint8 flags = in.byte();
    DigitalStatus::Remembered before;
    const quint32 word1 = in.uint32();
    const quint32 word2 = in.uint32();
    before.lastWord3 = in.uint32();
    if (flags & 1)
        before.lastWord1 = word1;
    if (flags & 2)
        before.lastWord2 = word2;

    const QString text = Fuzzing::answer(in.rest(), in.restSize());
    const std::optional<DigitalStatus::Words> words = DigitalStatus::parseWords(text);
    if (!words)
        return 0;
    // Nine prefix characters, three groups of eight and two commas, the line feed.
    FUZZ_CHECK(text.size() == 9 + 3 * 8 + 2 + 1);

    const QVector<DigitalStatus::Alarm> alarms = DigitalStatus::risingAlarms(*words, before);
    QSet<QString> messages;
    for (const DigitalStatus::Alarm &alarm : alarms) {
        FUZZ_CHECK(alarm.title.startsWith(QLatin1String("Vaporin - ")) && !alarm.message.isEmpty());
        messages.insert(alarm.message);
    }
    FUZZ_CHECK(messages.size() == alarms.size()); // each alarm at most once per answer
    // Word 1 bit 1 is the one alarm of its word that has its own message.
    FUZZ_CHECK(alarms.contains({QStringLiteral("Vaporin - Error"), QStringLiteral("Error flag! STS_ERROR")})
               == (isSet(words->word1, 1) && !isSet(before.lastWord1.value_or(0), 1)));

    // Nothing rises when nothing changed.
    const DigitalStatus::Remembered same{words->word1, words->word2, words->word3};
    FUZZ_CHECK(DigitalStatus::risingAlarms(*words, same).isEmpty());

    const bool alarm = DigitalStatus::summaryAlarm(*words);
    if (words->word1 == 0 && words->word2 == 0 && words->word3 == 0)
        FUZZ_CHECK(!alarm);
    return 0;
}
