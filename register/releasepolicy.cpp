#include "register/releasepolicy.h"

#include "register/cycle.h"

#include <QCoreApplication>

namespace ReleasePolicy {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("ReleasePolicy", text);
}

} // namespace

QString problem(const Release &release, const std::optional<CycleVerdict::Result> &verdict)
{
    if (release.operatorName.trimmed().isEmpty())
        return tr("Name the operator who makes the decision.");
    const bool proven = verdict == CycleVerdict::Result::Pass;
    if (release.decision != Release::Decision::Released)
        return {};
    const QString indicator = contradiction(release);
    // A release carried from another register (it has its hash) was decided
    // there, perhaps by a version before this rule: it moves as recorded.
    if (!indicator.isEmpty() && release.hash.isEmpty())
        return tr("The %1: the load is not sterile and cannot be released.").arg(indicator);
    if (!proven && release.comment.trimmed().isEmpty())
        return tr("The verdict is %1: say in the comment why the load is released all the same.")
            .arg(CycleVerdict::resultText(verdict.value_or(CycleVerdict::Result::NotEvaluated)));
    return {};
}

QString contradiction(const Release &release)
{
    if (release.chemicalIndicator == Release::ChemicalIndicator::Failed)
        return tr("chemical indicator failed");
    if (release.biologicalIndicator == Release::BiologicalIndicator::Positive)
        return tr("biological indicator is positive");
    return {};
}

Release::Decision proposedDecision(const Release &release, const std::optional<CycleVerdict::Result> &verdict)
{
    return verdict == CycleVerdict::Result::Pass && contradiction(release).isEmpty() ? Release::Decision::Released
                                                                                     : Release::Decision::Quarantined;
}

bool waits(const Cycle &cycle)
{
    return cycle.origin != Cycle::Origin::Imported && cycle.status != QLatin1String(discardedStatus)
        && !cycle.latestRelease;
}

QString standing(const Cycle &cycle)
{
    if (cycle.latestRelease)
        return Release::text(cycle.latestRelease->decision);
    return waits(cycle) ? tr("waiting") : QString();
}

QString proposedLot(const Cycle &cycle)
{
    const QString number = cycle.cycleNumber >= 0 ? QString::number(cycle.cycleNumber)
                                                  : QStringLiteral("E%1").arg(cycle.id);
    return cycle.controllerSerial.isEmpty() ? number : cycle.controllerSerial + QLatin1Char('-') + number;
}

} // namespace ReleasePolicy
