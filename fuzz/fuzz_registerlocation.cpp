// A register location as typed on the command line or in the settings: a
// file name is taken as it is; a server's URI is refused with a reason or
// read into a location that reads back the same from its own URI, and a
// password never gets through.
#include "fuzz/fuzzing.h"
#include "register/registerlocation.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), int(qMin<size_t>(size, INT_MAX)));
    const RegisterLocation location = RegisterLocation::parse(text);
    FUZZ_CHECK(location.isValid() == location.errorString().isEmpty());
    if (location.kind() == RegisterLocation::Kind::File)
        FUZZ_CHECK(location.path() == text);
    if (location.isServer()) {
        FUZZ_CHECK(!location.options().contains(QStringLiteral("password")));
        FUZZ_CHECK(RegisterLocation::parse(location.toString()) == location);
    }
    return 0;
}
