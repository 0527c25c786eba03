#pragma once

#include "register/cycle.h"

#include <QString>

// The hash that chains a controller's entries in the register.
namespace CycleHash {

// SHA-256 (lowercase hex) of the entry's canonical form, which covers its own
// fields, its chain sequence, its samples, its log's SHA-256 and
// cycle.previousHash. Not covered: the ID, entryHash and sampleCount (the
// samples themselves are). The form is described where it is made.
QString entryHash(const Cycle &cycle);

} // namespace CycleHash
