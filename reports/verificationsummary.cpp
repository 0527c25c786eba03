#include "reports/verificationsummary.h"

#include "app/language.h"
#include "reports/reportformat.h"

#include <QCoreApplication>

namespace {

// "1 entry", "%n entries": the many form with its plural forms in each
// language.
struct Noun {
    const char *one;
    const char *many;
};
constexpr Noun problemNoun{QT_TRANSLATE_NOOP("VerificationSummary", "1 problem"),
                           QT_TRANSLATE_N_NOOP("VerificationSummary", "%n problems")};
constexpr Noun entryNoun{QT_TRANSLATE_NOOP("VerificationSummary", "1 entry"),
                         QT_TRANSLATE_N_NOOP("VerificationSummary", "%n entries")};
constexpr Noun controllerNoun{QT_TRANSLATE_NOOP("VerificationSummary", "1 controller"),
                              QT_TRANSLATE_N_NOOP("VerificationSummary", "%n controllers")};
constexpr Noun releaseNoun{QT_TRANSLATE_NOOP("VerificationSummary", "1 release"),
                           QT_TRANSLATE_N_NOOP("VerificationSummary", "%n releases")};
constexpr Noun logNoun{QT_TRANSLATE_NOOP("VerificationSummary", "1 log file"),
                       QT_TRANSLATE_N_NOOP("VerificationSummary", "%n log files")};

QString counted(int n, const Noun &noun)
{
    return n == 1 ? VerificationSummary::tr(noun.one) : VerificationSummary::tr(noun.many, nullptr, n);
}

QString kindText(CycleVerifier::Problem::Kind kind)
{
    using Problem = CycleVerifier::Problem;
    switch (kind) {
    case Problem::EntryAltered:
        return VerificationSummary::tr("Entry changed");
    case Problem::SamplesDamaged:
        return VerificationSummary::tr("Samples damaged");
    case Problem::ChainBroken:
        return VerificationSummary::tr("Order of entries broken");
    case Problem::EntriesMissing:
        return VerificationSummary::tr("Entries missing");
    case Problem::LogMissing:
        return VerificationSummary::tr("Log file missing");
    case Problem::LogAltered:
        return VerificationSummary::tr("Log file changed");
    case Problem::LogUnreadable:
        return VerificationSummary::tr("Log file unreadable");
    case Problem::VerdictAltered:
        return VerificationSummary::tr("Verdict changed");
    case Problem::ReleaseAltered:
        return VerificationSummary::tr("Release changed");
    case Problem::ReleaseChainBroken:
        return VerificationSummary::tr("Order of releases broken");
    case Problem::ReleasesMissing:
        return VerificationSummary::tr("Releases missing");
    case Problem::EventAltered:
        return VerificationSummary::tr("Audit event changed");
    case Problem::LinkBroken:
        return VerificationSummary::tr("Ledger broken");
    case Problem::RecordMissing:
        return VerificationSummary::tr("Record missing");
    case Problem::RecordAltered:
        return VerificationSummary::tr("Record changed");
    case Problem::RecordUnlinked:
        return VerificationSummary::tr("Record not in the ledger");
    case Problem::WitnessContradicted:
        return VerificationSummary::tr("History rewritten after a witness");
    case Problem::TimeStampInvalid:
        return VerificationSummary::tr("Time stamp not valid");
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
                                .arg(counted(problems, problemNoun));
    s.shortResult = s.intact ? tr("intact") : counted(problems, problemNoun);
    const QString proof = result.provenUntil.isValid()
        ? tr("Its history up to %1 is proven by the time-stamp authority; what came after is not yet.")
              .arg(ReportFormat::instant(result.provenUntil.toLocalTime(), true, Language::locale()))
        : tr("No time stamp proves its history: whoever can write the register could have rewritten it "
             "completely, hashes included, without a trace.");
    s.explanation = s.intact ? tr("Nothing in the register or in its log files was found changed, removed or "
                                  "reordered. %1")
                                   .arg(proof)
                             : tr("Each problem is listed below. %1").arg(proof);
    s.checked << tr("Checked %1 of %2, %3 and %4.")
                     .arg(counted(report.entries, entryNoun),
                          counted(report.chains, controllerNoun),
                          counted(report.releases, releaseNoun),
                          counted(report.logs, logNoun));
    if (report.logsSkipped)
        s.checked << tr("Not checked here: %1 of other stations; verifying on those stations checks them.")
                         .arg(counted(report.logsSkipped, logNoun));
    s.checked << RegisterVerification::stampsLine(result);
    for (const CycleVerifier::Problem &p : report.problems)
        s.findings << tr("%1: %2").arg(kindText(p.kind), p.text);
    return s;
}

QString VerificationSummary::lastLine(const QDateTime &at, const QString &shortResult)
{
    return at.isValid() ? tr("Last full verification: %1: %2").arg(ReportFormat::instant(at, true, Language::locale()), shortResult)
                        : tr("No full verification yet.");
}
