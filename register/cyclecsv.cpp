#include "register/cyclecsv.h"

#include "register/cyclefields.h"
#include "register/releasepolicy.h"

#include <QDir>
#include <QRegularExpression>

namespace CycleCsv {

namespace {

QString isoTime(const QDateTime &time)
{
    return time.isValid() ? time.toString(Qt::ISODateWithMs) : QString();
}

QString number(qint64 value, bool known)
{
    return known ? QString::number(value) : QString();
}

} // namespace

QString field(const QString &text)
{
    static const QString special = QStringLiteral(",\"\r\n");
    static const QString formulaStart = QStringLiteral("=+-@\t\r");
    // A plain number is no formula: a temperature of -1.50 stays a number.
    static const QRegularExpression number(QStringLiteral("^-?[0-9]+(\\.[0-9]+)?$"));
    const bool formula = !text.isEmpty() && formulaStart.contains(text.front()) && !number.match(text).hasMatch();
    if (!formula && std::none_of(text.cbegin(), text.cend(), [](QChar c) { return special.contains(c); }))
        return text;
    // A spreadsheet shows a cell that begins with an apostrophe as text.
    QString quoted = formula ? QLatin1Char('\'') + text : text;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QByteArray row(const QStringList &fields)
{
    QStringList quoted;
    for (const QString &f : fields)
        quoted << field(f);
    return quoted.join(QLatin1Char(',')).toUtf8() + "\r\n";
}

QByteArray cycles(const QVector<Cycle> &cycles)
{
    QByteArray out = row({QStringLiteral("ID"), QStringLiteral("Started"), QStringLiteral("Finished"),
                          QStringLiteral("Program number"), QStringLiteral("Program"), QStringLiteral("Cycle number"),
                          QStringLiteral("Controller serial"), QStringLiteral("Status"), QStringLiteral("Origin"),
                          QStringLiteral("Samples"), QStringLiteral("Log file"), QStringLiteral("Log SHA-256"),
                          QStringLiteral("Station"), QStringLiteral("Verdict"), QStringLiteral("Release"),
                          QStringLiteral("Release operator"), QStringLiteral("Release time"), QStringLiteral("Lot"),
                          QStringLiteral("Load"), QStringLiteral("Chemical indicator"),
                          QStringLiteral("Biological indicator")});
    for (const Cycle &c : cycles) {
        const std::optional<Release> &r = c.latestRelease;
        out += row({QString::number(c.id), isoTime(c.started), isoTime(c.finished),
                    number(c.programNumber, c.programNumber > 0), c.programName,
                    number(c.cycleNumber, c.cycleNumber >= 0), c.controllerSerial, c.status,
                    CycleFields::originText(c.origin), QString::number(c.sampleCount),
                    QDir::toNativeSeparators(c.logPath), c.logSha256, c.station,
                    c.verdict ? CycleVerdict::resultText(c.verdict->result) : QString(),
                    ReleasePolicy::standingText(c),
                    r ? r->operatorName : QString(), r ? isoTime(r->at) : QString(), r ? r->lot : QString(),
                    r ? r->load : QString(), r ? Release::text(r->chemicalIndicator) : QString(),
                    r ? Release::text(r->biologicalIndicator) : QString()});
    }
    return out;
}

QByteArray samples(const Cycle &cycle)
{
    QByteArray out = row({QStringLiteral("Time"), QStringLiteral("Elapsed [s]"), QStringLiteral("Temperature [°C]")});
    for (const CycleSample &s : cycle.samples)
        out += row({isoTime(cycle.started.addMSecs(s.elapsedMs)), QString::number(s.elapsedMs / 1000.0, 'f', 3),
                    QString::number(s.celsius, 'f', 2)});
    return out;
}

} // namespace CycleCsv
