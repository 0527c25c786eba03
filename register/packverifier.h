#pragma once

#include <QStringList>

#include <optional>

class CycleRegister;

// Checks the records kept beside the cycles against their own hashes: each
// operator account (its fields and PIN hash), each pack (against its
// cycle's entry hash too) and each use (against its pack's hash; the
// reference itself is not covered, so that an erased one still checks).
namespace PackVerifier {

// A line per altered record ("pack RG100001-0042-03"); nothing, with
// *error, when the register cannot be read.
std::optional<QStringList> altered(CycleRegister &cycleRegister, QString *error);

} // namespace PackVerifier
