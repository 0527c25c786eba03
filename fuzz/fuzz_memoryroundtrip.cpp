// Programs built from the input are written and read back: the encoder
// refuses exactly what cannot be stored, and what it writes reads back as it
// was, temperatures truncated to tenths and names as trimmed Latin-1.
#include "fuzz/fuzzdata.h"
#include "fuzz/programimage.h"

#include <QByteArray>

#include <cmath>

namespace {

using Fuzzing::Program;
using Step = CommunicationManager::ProgramStep;

// Mostly Latin-1, with zero characters and characters beyond Latin-1.
QString name(FuzzData &in)
{
    QString text;
    for (int length = in.byte() % 24; length > 0; --length) {
        const quint8 b = in.byte();
        text += b == 0xFF ? QChar(ushort(0x100 + in.byte() * 7)) : QChar(b);
    }
    return text;
}

// Mostly eight hex digits as read from a controller, sometimes not.
QString header(FuzzData &in)
{
    static const char digits[] = "0123456789ABCDEFabcdef";
    const quint8 shape = in.byte();
    QString text;
    for (int length = shape < 0xF0 ? 8 : shape % 10; length > 0; --length) {
        const quint8 b = in.byte();
        text += b < 0xF8 ? QLatin1Char(digits[b % 22]) : QLatin1Char('G');
    }
    return text;
}

Step step(FuzzData &in)
{
    Step s;
    s.minutes = in.byte() < 0xF0 ? in.uint16() : int(in.uint32());
    const quint8 kind = in.byte();
    s.temperature = kind < 0xC0 ? in.uint16() / 10.0 : kind < 0xF0 ? in.uint32() / 1000.0 : in.anyDouble();
    return s;
}

Program program(FuzzData &in)
{
    Program p;
    p.name = name(in);
    for (QString &h : p.recordHeaders)
        h = header(in);
    for (int n = in.byte() % 18; n > 0; --n)
        p.steps << step(in);
    return p;
}

QByteArray latin1BeforeZero(const QString &text)
{
    const QByteArray bytes = text.toLatin1();
    const int zero = bytes.indexOf('\0');
    return zero < 0 ? bytes : bytes.left(zero);
}

// What fits the records: headers of eight hex digits, at most 20 name
// bytes, 15 steps, and every value an unsigned 16-bit field.
bool fits(const Program &p)
{
    for (const QString &h : p.recordHeaders) {
        if (h.size() != 8 || !Fuzzing::isHex(h))
            return false;
    }
    if (latin1BeforeZero(p.name).size() > 20 || p.steps.size() > 15)
        return false;
    for (const Step &s : p.steps) {
        if (s.minutes < 0 || s.minutes > 0xFFFF || !(s.temperature >= 0 && s.temperature * 10 < 0x10000))
            return false;
    }
    return true;
}

Program readBack(const Program &written)
{
    Program p;
    p.name = QString::fromLatin1(latin1BeforeZero(written.name)).trimmed();
    p.recordHeaders = written.recordHeaders;
    for (const Step &s : written.steps)
        p.steps << Step{0, s.minutes, std::trunc(s.temperature * 10) / 10};
    return p;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzData in(data, size);
    QList<Program> written;
    QList<std::optional<Program>> expected;
    for (int k = 0; k < Fuzzing::programCount; ++k) {
        const Program p = in.atEnd() ? Fuzzing::placeholder(k) : program(in);
        const bool accepted = ProgramMemory::encodeRefusal(p).isEmpty();
        FUZZ_CHECK(accepted == fits(p));
        written << (accepted ? p : Fuzzing::placeholder(k));
        expected << (accepted ? std::optional<Program>(readBack(p)) : std::nullopt);
    }
    Fuzzing::checkReadsBack(written, expected);
    return 0;
}
