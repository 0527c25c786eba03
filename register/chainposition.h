#pragma once

#include <QString>

#include <optional>

// A place in a controller's chain: its sequence number and the hash of the
// entry there. Printed in a short form that can be typed back.
struct ChainPosition {
    QString chain;
    qint64 sequence = 0;
    QString hash;

    // "RG100001 #1234 d0fb04d1c3a2b4e5": the chain, '#' and the sequence,
    // the first 16 hex digits of the hash.
    QString text() const;
    // The short form, or one with at least 8 hex digits up to the full hash;
    // nothing for anything else.
    static std::optional<ChainPosition> parse(const QString &text);
};
