#pragma once

#include "register/chainledger.h"
#include "register/cycleverifier.h"

class CycleRegister;

// Checks the records kept beside the cycles against their own hashes: each
// operator account (its fields and PIN hash) and each change of its history,
// the account being as its newest change made it; each pack (against its
// cycle's entry hash too) and each use (against its pack's hash; the
// reference itself is not covered, so that an erased one still checks, but
// one that is there must be the one its keyed hash holds).
namespace PackVerifier {

// An altered record is a RecordAltered problem of report ("pack
// RG100001-0042-03 does not match its hash"); the account changes', packs'
// and uses' stored hashes go into records, for the ledger to check that each
// is linked. False
// with report.error when the register cannot be read.
bool verify(CycleRegister &cycleRegister, CycleVerifier::Report &report, ChainLedger::Records &records);

} // namespace PackVerifier
