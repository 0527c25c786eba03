#include "ui/cyclesummary.h"

#include "register/cyclefields.h"
#include "register/releasepolicy.h"
#include "reports/reportformat.h"

#include <QCoreApplication>
#include <QDir>

namespace CycleSummary {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("CycleSummary", text);
}

} // namespace

QString program(const Cycle &cycle)
{
    const QString name = ReportFormat::orUnknown(cycle.programName);
    return cycle.programNumber > 0 ? QString::number(cycle.programNumber) + ReportFormat::separator() + name : name;
}

QString cycleNumber(const Cycle &cycle)
{
    return cycle.cycleNumber >= 0 ? QString::number(cycle.cycleNumber) : ReportFormat::orUnknown({});
}

QString duration(const Cycle &cycle)
{
    if (!cycle.started.isValid() || !cycle.finished.isValid())
        return ReportFormat::orUnknown({});
    return ReportFormat::duration(cycle.started.msecsTo(cycle.finished));
}

QString verdict(const Cycle &cycle)
{
    if (!cycle.verdict)
        return tr("none");
    return CycleVerdict::resultText(cycle.verdict->result) + QStringLiteral(": ") + cycle.verdict->reason;
}

QString release(const Cycle &cycle)
{
    if (cycle.latestRelease)
        return QStringLiteral("%1, %2").arg(ReportFormat::releaseHeadline(*cycle.latestRelease),
                                            ReportFormat::instant(cycle.latestRelease->at));
    return ReleasePolicy::waits(cycle) ? tr("Waits for release") : tr("Waits for no release");
}

QString origin(const Cycle &cycle)
{
    switch (cycle.origin) {
    case Cycle::Origin::Recorded:
        return tr("recorded by the station");
    case Cycle::Origin::Recovered:
        return tr("recovered after the station was interrupted");
    case Cycle::Origin::Imported:
        return tr("imported from a run log");
    }
    return CycleFields::originText(cycle.origin);
}

QVector<Field> fields(const Cycle &c)
{
    const auto orNone = [](const QString &text) { return text.isEmpty() ? tr("none") : text; };
    return {
        {tr("Entry"), QString::number(c.id)},
        {tr("Program"), program(c)},
        {tr("Steps"), ReportFormat::steps(c.steps)},
        {tr("Cycle number"), cycleNumber(c)},
        {tr("Serial number"), ReportFormat::orUnknown(c.controllerSerial)},
        {tr("Station"), ReportFormat::orUnknown(c.station)},
        {tr("Started"), ReportFormat::instant(c.started)},
        {tr("Finished"), ReportFormat::instant(c.finished)},
        {tr("Duration"), duration(c)},
        {tr("Status"), ReportFormat::orUnknown(c.status)},
        {tr("Recording"), c.adopted ? tr("began after the program had started") : tr("from the program's start")},
        {tr("Samples"), QString::number(c.sampleCount)},
        {tr("Firmware version"), ReportFormat::orUnknown(c.firmwareVersion)},
        {tr("Software version"), ReportFormat::orUnknown(c.softwareVersion)},
        {tr("Origin"), origin(c)},
        {tr("Log file"), orNone(QDir::toNativeSeparators(c.logPath))},
        {tr("Log SHA-256"), orNone(c.logSha256), true},
        {tr("Entered"), ReportFormat::instant(c.enteredAt)},
        {tr("Place in the chain"), QString::number(c.chainSequence)},
        {tr("Previous entry's hash"), orNone(c.previousHash), true},
        {tr("Entry hash"), c.entryHash, true},
    };
}

} // namespace CycleSummary
