#include "reports/verificationsummary.h"

#include "reports/reportformat.h"

#include <QCoreApplication>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("VerificationSummary", text);
}

QString counted(int n, const char *one, const char *many)
{
    return n == 1 ? tr(one) : tr(many).arg(n);
}

QString kindText(CycleVerifier::Problem::Kind kind)
{
    using Problem = CycleVerifier::Problem;
    switch (kind) {
    case Problem::EntryAltered:
        return tr("Entry changed");
    case Problem::SamplesDamaged:
        return tr("Samples damaged");
    case Problem::ChainBroken:
        return tr("Order of entries broken");
    case Problem::EntriesMissing:
        return tr("Entries missing");
    case Problem::LogMissing:
        return tr("Log file missing");
    case Problem::LogAltered:
        return tr("Log file changed");
    case Problem::LogUnreadable:
        return tr("Log file unreadable");
    case Problem::VerdictAltered:
        return tr("Verdict changed");
    case Problem::ReleaseAltered:
        return tr("Release changed");
    case Problem::ReleaseChainBroken:
        return tr("Order of releases broken");
    case Problem::ReleasesMissing:
        return tr("Releases missing");
    case Problem::WitnessContradicted:
        return tr("History rewritten after a witness");
    case Problem::TimeStampInvalid:
        return tr("Time stamp not valid");
    }
    return QString();
}

} // namespace

VerificationSummary VerificationSummary::of(const RegisterVerification::Result &result, const QString &registerName,
                                            const QDateTime &verifiedAt)
{
    const CycleVerifier::Report &report = result.report;
    VerificationSummary s;
    s.registerName = registerName;
    s.verifiedAt = verifiedAt;
    s.intact = report.intact();
    if (!report.error.isEmpty()) {
        s.headline = tr("The register could not be verified.");
        s.explanation = tr("It could not be read: %1").arg(report.error);
        s.shortResult = tr("could not be read");
        return s;
    }
    const int problems = report.problems.size();
    s.headline = s.intact ? tr("The register is intact.")
                          : tr("The register is NOT intact: %1 found.")
                                .arg(counted(problems, "1 problem", "%1 problems"));
    s.shortResult = s.intact ? tr("intact") : counted(problems, "1 problem", "%1 problems");
    const QString proof = result.provenUntil.isValid()
        ? tr("Its history up to %1 is proven by the time-stamp authority; what came after is not yet.")
              .arg(ReportFormat::instant(result.provenUntil.toLocalTime()))
        : tr("No time stamp proves its history: whoever can write the register could have rewritten it "
             "completely, hashes included, without a trace.");
    s.explanation = s.intact ? tr("Nothing in the register or in its log files was found changed, removed or "
                                  "reordered. %1")
                                   .arg(proof)
                             : tr("Each problem is listed below. %1").arg(proof);
    s.checked << tr("Checked %1 of %2, %3 and %4.")
                     .arg(counted(report.entries, "1 entry", "%1 entries"),
                          counted(report.chains, "1 controller", "%1 controllers"),
                          counted(report.releases, "1 release", "%1 releases"),
                          counted(report.logs, "1 log file", "%1 log files"));
    if (report.logsSkipped)
        s.checked << tr("Not checked here: %1 of other stations; verifying on those stations checks them.")
                         .arg(counted(report.logsSkipped, "1 log file", "%1 log files"));
    s.checked << RegisterVerification::stampsLine(result);
    for (const CycleVerifier::Problem &p : report.problems)
        s.findings << QStringLiteral("%1: %2").arg(kindText(p.kind), p.text);
    return s;
}

QString VerificationSummary::lastLine(const QDateTime &at, const QString &shortResult)
{
    return at.isValid() ? tr("Last full verification: %1: %2").arg(ReportFormat::instant(at), shortResult)
                        : tr("No full verification yet.");
}
