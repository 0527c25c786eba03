#pragma once

#include "register/cycle.h"

#include <QString>

#include <optional>

// The hash that chains a controller's entries in the register.
namespace CycleHash {

// SHA-256 (lowercase hex) of the entry's canonical form, which covers its own
// fields, its chain sequence, its samples, its log's SHA-256 and
// cycle.previousHash. Not covered: the ID, entryHash and sampleCount (the
// samples themselves are). The form is described where it is made.
QString entryHash(const Cycle &cycle);

// SHA-256 (lowercase hex) of a release's canonical form, which covers its
// fields, its sequence in its cycle's release history, the cycle's entry
// hash, the verdict the register held for the cycle when it was released
// (its result and band; none: NULL) and release.previousHash. Not covered:
// the ID and hash.
QString releaseHash(const Release &release, const QString &cycleEntryHash,
                    const std::optional<CycleVerdict> &verdict);

} // namespace CycleHash
