#pragma once

#include "device/slavethread.h"

#include <QByteArray>
#include <QString>

#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// What every fuzz harness shares: the text a parser receives for bytes from
// the serial line, and the end of the run when an invariant breaks (an abort,
// so that libFuzzer keeps the input and the corpus replay fails).
namespace Fuzzing {

inline QString answer(const uint8_t *data, size_t size)
{
    const int length = size > size_t(INT_MAX) ? INT_MAX : int(size);
    return SlaveThread::answerText(QByteArray(reinterpret_cast<const char *>(data), length));
}

[[noreturn]] inline void fail(const char *condition, const char *file, int line)
{
    std::fprintf(stderr, "%s:%d: invariant broken: %s\n", file, line, condition);
    std::fflush(stderr);
    std::abort();
}

} // namespace Fuzzing

#define FUZZ_CHECK(condition) ((condition) ? void(0) : Fuzzing::fail(#condition, __FILE__, __LINE__))
