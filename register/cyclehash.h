#pragma once

#include "register/cycle.h"

#include <QString>

#include <optional>

// The hash that chains a controller's entries in the register.
namespace CycleHash {

// The scheme of the entries made now.
constexpr int entryScheme = 2;

// SHA-256 (lowercase hex) of the entry's canonical form of cycle.hashScheme.
// Scheme 1 covers its own fields, its chain sequence, its samples, its log's
// SHA-256 and cycle.previousHash; scheme 2 also its log name and its verdict
// (cycle.verdict: result, reason, figures, and the band and hold it was judged
// by). Not covered: the ID, entryHash, hashScheme and sampleCount (the samples
// themselves are). The forms are described where they are made.
QString entryHash(const Cycle &cycle);

// What the ledger links for an entry: its entry hash under scheme 2. A scheme
// 1 entry's hash leaves out its log name and verdict, so that it is linked by
// the hash of its entry hash, log name and verdict, made when its register
// was upgraded: they are covered from then on.
QString entryRecordHash(const Cycle &cycle);

// SHA-256 (lowercase hex) of an audit event's fields but its ID and hash.
QString eventHash(const AuditEvent &event);

// SHA-256 (lowercase hex) of a link of the register's ledger: the chain, the
// link's sequence in it, the kind and ID of the record it links, the record's
// hash and the hash of the link before (empty for the first).
QString linkHash(const QString &chain, qint64 sequence, const QString &kind, qint64 recordId,
                 const QString &recordHash, const QString &previousHash);

// SHA-256 (lowercase hex) of a release's canonical form, which covers its
// fields, its sequence in its cycle's release history, the cycle's entry
// hash, the verdict the register held for the cycle when it was released
// (its result and band; none: NULL) and release.previousHash. Not covered:
// the ID and hash.
QString releaseHash(const Release &release, const QString &cycleEntryHash,
                    const std::optional<CycleVerdict> &verdict);

} // namespace CycleHash
