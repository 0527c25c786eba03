// The samples blob as the register reads it: what decodes encodes again to
// the same samples, and every temperature lies within the codec's range.
#include "fuzz/fuzzing.h"
#include "register/samplecodec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray blob(reinterpret_cast<const char *>(data), int(qMin<size_t>(size, INT_MAX)));
    QString error;
    const auto samples = SampleCodec::decode(blob, &error);
    FUZZ_CHECK(samples.has_value() == error.isEmpty());
    if (samples) {
        FUZZ_CHECK(SampleCodec::encodable(*samples));
        FUZZ_CHECK(SampleCodec::decode(SampleCodec::encode(*samples)) == samples);
    }
    return 0;
}
