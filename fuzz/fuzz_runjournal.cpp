// A run journal read back after a crash. The input's lines are given their
// checksums here, so that the fuzzer reaches the fields rather than being
// stopped at the CRC of every line; the input as it is is read too. What is
// read is a run with a status (a run that had not ended gets one), samples
// with finite temperatures, and instants with offsets that exist on earth.
#include "fuzz/fuzzing.h"
#include "records/runjournal.h"

#include <cmath>

namespace {

QByteArray withChecksums(const QByteArray &input)
{
    QByteArray journal;
    for (const QByteArray &line : input.split('\n'))
        journal += QByteArray::number(RunJournal::crc32(line), 16).rightJustified(8, '0') + ' ' + line + '\n';
    return journal;
}

void check(const QByteArray &content)
{
    const std::optional<RunJournal::Run> run = RunJournal::parse(content);
    if (!run)
        return;
    FUZZ_CHECK(!run->record.status.isEmpty());
    for (const CycleSample &sample : run->samples)
        FUZZ_CHECK(std::isfinite(sample.celsius));
    for (const QDateTime &at : {run->started, run->finished})
        FUZZ_CHECK(!at.isValid() || std::abs(at.offsetFromUtc()) < 86400);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), int(qMin<size_t>(size, INT_MAX)));
    check(input);
    check(withChecksums(input));
    return 0;
}
