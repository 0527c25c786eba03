#include "register/samplecodec.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <limits>
#include <zlib.h>

namespace SampleCodec {

namespace {

constexpr char formatVersion = 1;
enum Body : char { Plain = 0, Deflated = 1 };
// A pair of varints takes 2 to 20 bytes.
constexpr quint64 minPairBytes = 2;
constexpr quint64 maxPairBytes = 20;
// zlib never expands data more than about 1032 times; a blob claiming more is damaged.
constexpr quint64 maxInflation = 1100;
constexpr int maxBodyBytes = std::numeric_limits<int>::max() - 64;

void putVarint(QByteArray &out, quint64 value)
{
    while (value >= 0x80) {
        out.append(char((value & 0x7F) | 0x80));
        value >>= 7;
    }
    out.append(char(value));
}

// Differences wrap around in 64 bits, so that any pair of values round-trips
// without overflow.
quint64 zigzag(quint64 difference)
{
    return difference << 1 ^ quint64(qint64(difference) >> 63);
}

quint64 unzigzag(quint64 value)
{
    return value >> 1 ^ (0 - (value & 1));
}

class Reader
{
public:
    Reader(const char *data, qint64 size) : data(reinterpret_cast<const uchar *>(data)), size(size) {}

    bool atEnd() const { return position == size; }
    qint64 position = 0;

    bool byte(uchar *value)
    {
        if (position >= size)
            return false;
        *value = data[position++];
        return true;
    }

    bool varint(quint64 *value)
    {
        quint64 result = 0;
        for (int shift = 0; shift < 64; shift += 7) {
            uchar b;
            if (!byte(&b))
                return false;
            // The tenth byte holds the 64th bit only.
            if (shift == 63 && b > 1)
                return false;
            result |= quint64(b & 0x7F) << shift;
            if (!(b & 0x80)) {
                *value = result;
                return true;
            }
        }
        return false;
    }

private:
    const uchar *data;
    qint64 size;
};

std::optional<QByteArray> inflated(const char *data, qint64 size, quint64 length)
{
    QByteArray out(int(length), Qt::Uninitialized);
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK)
        return std::nullopt;
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data));
    stream.avail_in = uInt(size);
    stream.next_out = reinterpret_cast<Bytef *>(out.data());
    stream.avail_out = uInt(length);
    const int status = inflate(&stream, Z_FINISH);
    const bool complete = status == Z_STREAM_END && stream.avail_in == 0 && stream.avail_out == 0;
    inflateEnd(&stream);
    if (!complete)
        return std::nullopt;
    return out;
}

QByteArray deflated(const QByteArray &body)
{
    uLongf length = compressBound(uLong(body.size()));
    QByteArray out(int(length), Qt::Uninitialized);
    if (compress2(reinterpret_cast<Bytef *>(out.data()), &length, reinterpret_cast<const Bytef *>(body.constData()),
                  uLong(body.size()), Z_BEST_COMPRESSION)
        != Z_OK)
        return {};
    out.truncate(int(length));
    return out;
}

} // namespace

qint64 centidegrees(double celsius)
{
    return std::llround(celsius * 100.0);
}

CycleSample rounded(const CycleSample &sample)
{
    return {sample.elapsedMs, double(centidegrees(sample.celsius)) / 100.0};
}

bool encodable(const QVector<CycleSample> &samples)
{
    return std::all_of(samples.cbegin(), samples.cend(), [](const CycleSample &s) {
        return std::isfinite(s.celsius) && std::fabs(s.celsius) <= maxCelsius;
    });
}

QByteArray encode(const QVector<CycleSample> &samples)
{
    Q_ASSERT(encodable(samples));
    QByteArray body;
    body.reserve(samples.size() * 3);
    quint64 elapsed = 0;
    quint64 centi = 0;
    for (const CycleSample &sample : samples) {
        const quint64 e = quint64(sample.elapsedMs);
        const quint64 c = quint64(centidegrees(sample.celsius));
        putVarint(body, zigzag(e - elapsed));
        putVarint(body, zigzag(c - centi));
        elapsed = e;
        centi = c;
    }
    QByteArray blob;
    blob.append(formatVersion);
    const QByteArray packed = body.size() > 64 ? deflated(body) : QByteArray();
    const bool deflate = !packed.isEmpty() && packed.size() < body.size();
    blob.append(deflate ? Deflated : Plain);
    putVarint(blob, quint64(samples.size()));
    putVarint(blob, quint64(body.size()));
    blob.append(deflate ? packed : body);
    return blob;
}

std::optional<QVector<CycleSample>> decode(const QByteArray &blob, QString *error)
{
    const auto fail = [error](const char *why) {
        if (error)
            *error = QCoreApplication::translate("SampleCodec", why);
        return std::nullopt;
    };
    Reader header(blob.constData(), blob.size());
    uchar version = 0;
    uchar kind = 0;
    quint64 count = 0;
    quint64 length = 0;
    if (!header.byte(&version) || !header.byte(&kind) || !header.varint(&count) || !header.varint(&length))
        return fail("The samples are cut short.");
    if (version != formatVersion)
        return fail("The samples are in an unknown format.");
    if (kind != Plain && kind != Deflated)
        return fail("The samples are packed in an unknown way.");
    const qint64 rest = blob.size() - header.position;
    if (kind == Plain ? length != quint64(rest)
                      : length > quint64(rest) * maxInflation + 64 || length > quint64(maxBodyBytes))
        return fail("The samples' length is wrong.");
    if (count > length / minPairBytes || length > count * maxPairBytes)
        return fail("The number of samples does not fit their length.");

    std::optional<QByteArray> unpacked;
    const char *body = blob.constData() + header.position;
    if (kind == Deflated) {
        unpacked = inflated(body, rest, length);
        if (!unpacked)
            return fail("The samples' compression is damaged.");
        body = unpacked->constData();
    }
    Reader reader(body, qint64(length));
    QVector<CycleSample> samples;
    samples.reserve(int(count));
    quint64 elapsed = 0;
    quint64 centi = 0;
    for (quint64 i = 0; i < count; ++i) {
        quint64 de;
        quint64 dc;
        if (!reader.varint(&de) || !reader.varint(&dc))
            return fail("The samples are cut short.");
        elapsed += unzigzag(de);
        centi += unzigzag(dc);
        // Only values encode() can have written.
        if (qint64(centi) > qint64(maxCelsius * 100) || qint64(centi) < -qint64(maxCelsius * 100))
            return fail("A sample's temperature is out of range.");
        samples.append({qint64(elapsed), double(qint64(centi)) / 100.0});
    }
    if (!reader.atEnd())
        return fail("The samples are followed by stray bytes.");
    return samples;
}

} // namespace SampleCodec
