// A run log read for import: a log that is read has a start, samples in
// time order with finite temperatures, and the origin "imported"; one that
// is not has a reason.
#include "fuzz/fuzzing.h"
#include "register/runlogparser.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(qMin<size_t>(size, INT_MAX)));
    QString reason;
    const std::optional<Cycle> cycle = RunLogParser::parse(bytes, &reason);
    FUZZ_CHECK(cycle.has_value() == reason.isEmpty());
    if (cycle) {
        FUZZ_CHECK(cycle->started.isValid() && cycle->origin == Cycle::Origin::Imported);
        for (int i = 0; i < cycle->samples.size(); ++i) {
            FUZZ_CHECK(std::isfinite(cycle->samples[i].celsius));
            FUZZ_CHECK(i == 0 || cycle->samples[i - 1].elapsedMs <= cycle->samples[i].elapsedMs);
        }
    }
    return 0;
}
