#include "register/releasesigning.h"

#include "register/cycleregister.h"
#include "register/operatoraccounts.h"

#include <QCoreApplication>

namespace ReleaseSigning {

QString problem(const OperatorAccount &account, Release::Decision decision,
                const std::optional<CycleVerdict::Result> &verdict)
{
    if (decision != Release::Decision::Released || verdict == CycleVerdict::Result::Pass
        || account.role == OperatorAccount::Role::Supervisor)
        return {};
    return verdict == CycleVerdict::Result::Fail
        ? QCoreApplication::translate("ReleaseSigning", "The verdict is FAIL: only a supervisor releases its load.")
        : QCoreApplication::translate("ReleaseSigning",
                                      "The verdict is NOT EVALUATED: only a supervisor releases its load.");
}

bool enter(CycleRegister &cycleRegister, Release &release, const QString &pin, QString *error)
{
    OperatorAccounts accounts(cycleRegister);
    const std::optional<bool> any = accounts.any();
    std::optional<OperatorAccount> signer;
    if (any && *any)
        signer = accounts.signIn({release.operatorName, pin});
    if (!any || (*any && !signer)) {
        *error = accounts.errorString();
        return false;
    }
    if (signer) {
        const std::optional<Cycle> cycle = cycleRegister.cycle(release.cycleId);
        if (!cycle) {
            *error = cycleRegister.errorString();
            return false;
        }
        *error = problem(*signer, release.decision,
                         cycle->verdict ? std::optional(cycle->verdict->result) : std::nullopt);
        if (!error->isEmpty())
            return false;
        release.operatorName = signer->name;
    }
    if (cycleRegister.enterRelease(release))
        return true;
    *error = cycleRegister.errorString();
    return false;
}

} // namespace ReleaseSigning
