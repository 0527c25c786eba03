#pragma once

#include "register/cyclesample.h"
#include "register/samplecodec.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QVariant>
#include <QVector>
#include <QtEndian>

// The bytes of a record's canonical form, which its hash covers: a sequence
// of fields, each its length in bytes as an unsigned 64-bit big-endian number
// followed by those bytes; a field without value (NULL) is the length
// 0xFFFFFFFFFFFFFFFF alone. Texts are UTF-8, numbers decimal ASCII, an
// instant two fields: milliseconds since 1970-01-01T00:00Z and its UTC
// offset in seconds.
class HashForm
{
public:
    void field(const QByteArray &bytes)
    {
        length(quint64(bytes.size()));
        out += bytes;
    }
    void field(const QString &text) { field(text.toUtf8()); }
    void field(qint64 number) { field(QByteArray::number(number)); }
    void null() { length(~quint64(0)); }
    void optional(bool present, qint64 number) { present ? field(number) : null(); }
    void value(const QVariant &value) { value.isValid() && !value.isNull() ? field(value.toString()) : null(); }
    void instant(const QDateTime &time)
    {
        if (time.isValid()) {
            field(time.toMSecsSinceEpoch());
            field(qint64(time.offsetFromUtc()));
        } else {
            null();
            null();
        }
    }
    void samples(const QVector<CycleSample> &samples)
    {
        length(quint64(samples.size()) * 16);
        const int start = out.size();
        out.resize(start + samples.size() * 16);
        uchar *p = reinterpret_cast<uchar *>(out.data()) + start;
        for (const CycleSample &sample : samples) {
            qToBigEndian(sample.elapsedMs, p);
            qToBigEndian(SampleCodec::centidegrees(sample.celsius), p + 8);
            p += 16;
        }
    }

    QByteArray out;

private:
    void length(quint64 n)
    {
        uchar bytes[8];
        qToBigEndian(n, bytes);
        out.append(reinterpret_cast<const char *>(bytes), 8);
    }
};

