#pragma once

#include "reports/cycleverdict.h"

#include <QCoreApplication>
#include <QString>

// The words of a verdict. The register stores a verdict's result and reason
// in English (they are hashed with the entry); they are translated only
// where people read them. A reason is made of the clauses below joined by
// "; "; the clauses' arguments are numbers with units, times and a run's
// status.
class VerdictText
{
    Q_DECLARE_TR_FUNCTIONS(VerdictText)

public:
    // The result in the station's language: "PASS", "BESTANDEN", "CONFORME".
    static QString result(CycleVerdict::Result result);
    // The same for a result as the register stores it ("PASS"); a text it
    // does not know as it is.
    static QString result(const QString &stored);

    // A stored reason in the station's language, its temperatures in the
    // language's numbers; a reason with any clause it does not know (one a
    // newer version wrote) as it is, whole.
    static QString reason(const QString &stored);

    // The clauses, in English as they are stored.
    static constexpr const char adopted[] = QT_TRANSLATE_NOOP("VerdictText", "recording began after the start");
    static constexpr const char stepsUnknown[] = QT_TRANSLATE_NOOP("VerdictText", "the program's steps are unknown");
    static constexpr const char noHoldingStep[] =
        QT_TRANSLATE_NOOP("VerdictText", "no step of the program holds for a time");
    // The hold's temperature.
    static constexpr const char noHoldingTime[] = QT_TRANSLATE_NOOP("VerdictText", "the hold at %1 has no holding time");
    // The band, the stretch's length, its start and end, the minutes required.
    static constexpr const char held[] =
        QT_TRANSLATE_NOOP("VerdictText", "held %1 for %2 from %3 to %4 (%5 min required)");
    static constexpr const char noSamples[] = QT_TRANSLATE_NOOP("VerdictText", "no samples recorded");
    // The band's lower edge, the highest sample and when.
    static constexpr const char neverReached[] = QT_TRANSLATE_NOOP("VerdictText", "never reached %1 (highest %2 at %3)");
    // The band, the stretch's length, the minutes required.
    static constexpr const char tooShort[] =
        QT_TRANSLATE_NOOP("VerdictText", "longest stretch at %1 lasted %2 of the %3 min required");
    static constexpr const char lowest[] = QT_TRANSLATE_NOOP("VerdictText", "lowest %1 at %2");
    static constexpr const char highest[] = QT_TRANSLATE_NOOP("VerdictText", "highest %1 at %2");
    // The gap's length and its start.
    static constexpr const char gap[] = QT_TRANSLATE_NOOP("VerdictText", "no sample for %1 from %2");
    // The run's status as stored.
    static constexpr const char ended[] = QT_TRANSLATE_NOOP("VerdictText", "the run ended \"%1\"");
    static constexpr const char noVerdict[] = QT_TRANSLATE_NOOP("VerdictText", "the register holds no verdict for this cycle");
    // A band, the lower edge without its unit: "121.0 to 124.0 °C".
    static constexpr const char band[] = QT_TRANSLATE_NOOP("VerdictText", "%1 to %2");
};
