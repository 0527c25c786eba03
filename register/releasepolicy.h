#pragma once

#include "register/release.h"
#include "reports/cycleverdict.h"

#include <QString>

#include <optional>

struct Cycle;

// The rules of releasing a cycle's load, the same for the release form, the
// records tool and the register, which refuses what they refuse.
namespace ReleasePolicy {

// The status of a run the user discarded after an error: it has no log.
inline constexpr char discardedStatus[] = "Discarded by the user";

// Why the release cannot be made for a cycle of this verdict (none: the
// register holds none); empty when it can. An operator must be named, and
// the load of a FAIL or NOT EVALUATED cycle is released only with a comment
// that says why: the record must show who took that responsibility and on
// what grounds. A load whose chemical indicator failed or whose
// biological indicator is positive is not sterile: no comment releases it
// (a release carried from another register, which has its hash, is
// carried as it was decided).
// Rejecting or quarantining it needs no reason.
QString problem(const Release &release, const std::optional<CycleVerdict::Result> &verdict);

// Whether an indicator says the load is not sterile: the chemical one
// failed or the biological one is positive.
bool notSterile(const Release &release);

// The decision a form proposes for the release's indicators: "Released"
// only for a PASS that no indicator contradicts, otherwise "Quarantined".
Release::Decision proposedDecision(const Release &release, const std::optional<CycleVerdict::Result> &verdict);

// Whether the cycle waits for release: the station recorded or recovered it
// and its load has no release entry yet. Imported logs are old cycles
// whose loads were dealt with on paper; a discarded run is a run the user
// already dismissed at the station. Both may still be given an entry.
bool waits(const Cycle &cycle);

// What lists show of the cycle's release: its newest decision
// ("Released"), "waiting" while it waits, nothing otherwise. standingText
// in English, as CSV and the records tool's list write it; standing in
// the station's language, for people.
QString standingText(const Cycle &cycle);
QString standing(const Cycle &cycle);

// The lot number a release form proposes: "<serial>-<cycle number>", the
// entry's ID in place of an unknown cycle number ("RG-1-E17").
QString proposedLot(const Cycle &cycle);

} // namespace ReleasePolicy
