#pragma once

#include <QString>

#include <optional>

// A place in one of the register's chains and the hash of the link there: what
// a printout shows and a time stamp stamps, so that the register can later be
// checked against it. Typed back from paper, so the hash may be shortened.
struct ChainPosition {
    QString chain;        // a controller's serial number, or ChainLedger::stationChain
    qint64 sequence = 0;  // 1 for a chain's first link
    QString hash;         // the link's hash, lowercase hex; a prefix when parsed from a short text

    // "RG100001 #1234 d0fb04d1c3a2b4e5": the chain, '#' and the sequence,
    // the first 16 hex digits of the hash.
    QString text() const;
    // A text() or the same with from 8 hex digits to the full hash, in any
    // case; nothing for anything else.
    static std::optional<ChainPosition> parse(const QString &text);
    // The hash, or a prefix of it, is this link's.
    bool matches(const QString &linkHash) const;
};
