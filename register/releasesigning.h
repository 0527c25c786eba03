#pragma once

#include "register/operatoraccount.h"
#include "register/release.h"
#include "reports/cycleverdict.h"

#include <QString>

#include <optional>

class CycleRegister;

// A release signed by an operator's account: once a register has accounts,
// the operator named must be one of them, active, with the PIN, and the
// release names the account as it is then. Releasing the load of a FAIL or
// NOT EVALUATED cycle takes a supervisor. A register without accounts takes
// the name as typed, as it always did.
namespace ReleaseSigning {

// Why the account cannot sign this decision about a cycle of this verdict;
// empty when it can.
QString problem(const OperatorAccount &account, Release::Decision decision,
                const std::optional<CycleVerdict::Result> &verdict);

// Signs and enters the release (see CycleRegister::enterRelease); false
// with *error when the signature or the register refuses it.
bool enter(CycleRegister &cycleRegister, Release &release, const QString &pin, QString *error);

} // namespace ReleaseSigning
