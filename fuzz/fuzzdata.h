#pragma once

#include <QtGlobal>

#include <cstddef>
#include <cstdint>
#include <cstring>

// Reads values from the front of a fuzz input, so that one input describes
// a structured value; past the end every read gives 0.
class FuzzData
{
public:
    FuzzData(const uint8_t *data, size_t size) : data(data), size(size) {}

    bool atEnd() const { return position >= size; }

    quint8 byte() { return atEnd() ? 0 : data[position++]; }

    quint16 uint16() { return quint16(byte() << 8 | byte()); }

    quint32 uint32() { return quint32(uint16()) << 16 | uint16(); }

    quint64 uint64() { return quint64(uint32()) << 32 | uint32(); }

    // Any bit pattern, NaN and infinities included.
    double anyDouble()
    {
        const quint64 bits = uint64();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }

    const uint8_t *rest() const { return data + (atEnd() ? size : position); }
    size_t restSize() const { return atEnd() ? 0 : size - position; }

private:
    const uint8_t *data;
    size_t size;
    size_t position = 0;
};
