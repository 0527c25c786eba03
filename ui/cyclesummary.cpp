#include "ui/cyclesummary.h"

#include "app/language.h"
#include "register/cyclefields.h"
#include "register/storedtext.h"
#include "register/releasepolicy.h"
#include "reports/reportformat.h"
#include "reports/verdicttext.h"

#include <QCoreApplication>
#include <QDir>

namespace CycleSummary {

QString program(const Cycle &cycle)
{
    const QString name = ReportFormat::orUnknown(cycle.programName, Language::locale());
    return cycle.programNumber > 0 ? QString::number(cycle.programNumber) + ReportFormat::separator() + name : name;
}

QString cycleNumber(const Cycle &cycle)
{
    return cycle.cycleNumber >= 0 ? QString::number(cycle.cycleNumber) : ReportFormat::orUnknown({}, Language::locale());
}

QString status(const Cycle &cycle)
{
    return ReportFormat::orUnknown(StoredText::shown(cycle.status), Language::locale());
}

QString listTime(const QDateTime &time, bool withSeconds)
{
    const QString clock = withSeconds ? QStringLiteral("HH:mm:ss") : QStringLiteral("HH:mm");
    if (Language::current() == Language::English)
        return time.toString(QStringLiteral("yyyy-MM-dd ") + clock);
    // The language's order of day, month and year, with the whole year.
    QString date = Language::locale().dateFormat(QLocale::ShortFormat);
    if (!date.contains(QLatin1String("yyyy")))
        date.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return Language::locale().toString(time, date + QLatin1Char(' ') + clock);
}

QString duration(const Cycle &cycle)
{
    if (!cycle.started.isValid() || !cycle.finished.isValid())
        return ReportFormat::orUnknown({}, Language::locale());
    return ReportFormat::duration(cycle.started.msecsTo(cycle.finished));
}

QString verdict(const Cycle &cycle)
{
    if (!cycle.verdict)
        return QCoreApplication::translate("CycleSummary", "none");
    return QCoreApplication::translate("CycleSummary", "%1: %2")
        .arg(VerdictText::result(cycle.verdict->result), VerdictText::reason(cycle.verdict->reason));
}

QString release(const Cycle &cycle)
{
    if (cycle.latestRelease)
        return QStringLiteral("%1, %2").arg(ReportFormat::releaseHeadline(*cycle.latestRelease, Language::locale()),
                                            ReportFormat::instant(cycle.latestRelease->at, true, Language::locale()));
    return ReleasePolicy::waits(cycle) ? QCoreApplication::translate("CycleSummary", "Waits for release") : QCoreApplication::translate("CycleSummary", "Waits for no release");
}

QString origin(const Cycle &cycle)
{
    switch (cycle.origin) {
    case Cycle::Origin::Recorded:
        return QCoreApplication::translate("CycleSummary", "recorded by the station");
    case Cycle::Origin::Recovered:
        return QCoreApplication::translate("CycleSummary", "recovered after the station was interrupted");
    case Cycle::Origin::Imported:
        return QCoreApplication::translate("CycleSummary", "imported from a run log");
    }
    return CycleFields::originText(cycle.origin);
}

QVector<Field> fields(const Cycle &c)
{
    const auto orNone = [](const QString &text) { return text.isEmpty() ? QCoreApplication::translate("CycleSummary", "none") : text; };
    return {
        {QCoreApplication::translate("CycleSummary", "Entry"), QString::number(c.id)},
        {QCoreApplication::translate("CycleSummary", "Program"), program(c)},
        {QCoreApplication::translate("CycleSummary", "Steps"), ReportFormat::steps(c.steps, Language::locale())},
        {QCoreApplication::translate("CycleSummary", "Cycle number"), cycleNumber(c)},
        {QCoreApplication::translate("CycleSummary", "Serial number"), ReportFormat::orUnknown(c.controllerSerial, Language::locale())},
        {QCoreApplication::translate("CycleSummary", "Station"), ReportFormat::orUnknown(c.station, Language::locale())},
        {QCoreApplication::translate("CycleSummary", "Started"), ReportFormat::instant(c.started, true, Language::locale())},
        {QCoreApplication::translate("CycleSummary", "Finished"), ReportFormat::instant(c.finished, true, Language::locale())},
        {QCoreApplication::translate("CycleSummary", "Duration"), duration(c)},
        {QCoreApplication::translate("CycleSummary", "Status"), status(c)},
        {QCoreApplication::translate("CycleSummary", "Recording"), c.adopted ? QCoreApplication::translate("CycleSummary", "began after the program had started") : QCoreApplication::translate("CycleSummary", "from the program's start")},
        {QCoreApplication::translate("CycleSummary", "Samples"), Language::locale().toString(c.sampleCount)},
        {QCoreApplication::translate("CycleSummary", "Firmware version"), ReportFormat::orUnknown(c.firmwareVersion, Language::locale())},
        {QCoreApplication::translate("CycleSummary", "Software version"), ReportFormat::orUnknown(c.softwareVersion, Language::locale())},
        {QCoreApplication::translate("CycleSummary", "Origin"), origin(c)},
        {QCoreApplication::translate("CycleSummary", "Log file"), orNone(QDir::toNativeSeparators(c.logPath))},
        {QCoreApplication::translate("CycleSummary", "Log SHA-256"), orNone(c.logSha256), true},
        {QCoreApplication::translate("CycleSummary", "Entered"), ReportFormat::instant(c.enteredAt, true, Language::locale())},
        {QCoreApplication::translate("CycleSummary", "Place in the chain"), QString::number(c.chainSequence)},
        {QCoreApplication::translate("CycleSummary", "Previous entry's hash"), orNone(c.previousHash), true},
        {QCoreApplication::translate("CycleSummary", "Entry hash"), c.entryHash, true},
    };
}

} // namespace CycleSummary
