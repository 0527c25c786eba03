#include "register/releasepolicy.h"

#include "register/cycle.h"

#include <QCoreApplication>

namespace ReleasePolicy {

namespace {

constexpr char waiting[] = QT_TRANSLATE_NOOP("ReleasePolicy", "waiting");

} // namespace

QString problem(const Release &release, const std::optional<CycleVerdict::Result> &verdict)
{
    if (release.operatorName.trimmed().isEmpty())
        return QCoreApplication::translate("ReleasePolicy", "Name the operator who makes the decision.");
    if (release.decision != Release::Decision::Released)
        return {};
    // A release carried from another register (it has its hash) was decided
    // there, perhaps by a version before this rule: it moves as recorded.
    if (notSterile(release) && release.hash.isEmpty()) {
        return release.chemicalIndicator == Release::ChemicalIndicator::Failed
            ? QCoreApplication::translate("ReleasePolicy",
                                          "The chemical indicator failed: the load is not sterile "
                                          "and cannot be released.")
            : QCoreApplication::translate("ReleasePolicy",
                                          "The biological indicator is positive: the load is not "
                                          "sterile and cannot be released.");
    }
    if (verdict == CycleVerdict::Result::Pass || !release.comment.trimmed().isEmpty())
        return {};
    return verdict == CycleVerdict::Result::Fail
        ? QCoreApplication::translate("ReleasePolicy",
                                      "The verdict is FAIL: say in the comment why the load is "
                                      "released all the same.")
        : QCoreApplication::translate("ReleasePolicy",
                                      "The verdict is NOT EVALUATED: say in the comment why the "
                                      "load is released all the same.");
}

bool notSterile(const Release &release)
{
    return release.chemicalIndicator == Release::ChemicalIndicator::Failed
        || release.biologicalIndicator == Release::BiologicalIndicator::Positive;
}

Release::Decision proposedDecision(const Release &release, const std::optional<CycleVerdict::Result> &verdict)
{
    return verdict == CycleVerdict::Result::Pass && !notSterile(release) ? Release::Decision::Released
                                                                         : Release::Decision::Quarantined;
}

bool waits(const Cycle &cycle)
{
    return cycle.origin != Cycle::Origin::Imported && cycle.status != QLatin1String(discardedStatus)
        && !cycle.latestRelease;
}

QString standingText(const Cycle &cycle)
{
    if (cycle.latestRelease)
        return Release::text(cycle.latestRelease->decision);
    return waits(cycle) ? QString::fromLatin1(waiting) : QString();
}

QString standing(const Cycle &cycle)
{
    if (cycle.latestRelease)
        return Release::shown(cycle.latestRelease->decision);
    return waits(cycle) ? QCoreApplication::translate("ReleasePolicy", waiting) : QString();
}

QString proposedLot(const Cycle &cycle)
{
    const QString number = cycle.cycleNumber >= 0 ? QString::number(cycle.cycleNumber)
                                                  : QStringLiteral("E%1").arg(cycle.id);
    return cycle.controllerSerial.isEmpty() ? number : cycle.controllerSerial + QLatin1Char('-') + number;
}

} // namespace ReleasePolicy
