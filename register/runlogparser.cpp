#include "register/runlogparser.h"

#include <QCalendar>
#include <QCoreApplication>
#include <QTextCodec>

#include <algorithm>
#include <charconv>
#include <cmath>

namespace RunLogParser {

namespace {

constexpr char model[] = "Model: Vaporin Regulon 2";
constexpr const char *labels[] = {"Firmware Version: ", "Software Version: ", "Serial Number: ", "Program Name: ",
                                  "Time Started: ",     "Time Finished: ",    "Cycle Number: ",  "Status: "};
enum Field { Firmware, Software, Serial, Name, Started, Finished, CycleNumber, Status, FieldCount };
// Far beyond any run; keeps milliseconds within 64 bits.
constexpr qint64 maxHours = 1000000000;
constexpr char dataPoints[] = "Data Points";
constexpr char columnTitles[] = "TimeStamp [hh:mm:ss]\tChamber temp. [\xC2\xB0" "C]";

QString text(const QByteArray &bytes)
{
    QTextCodec::ConverterState state;
    const QString utf8 = QTextCodec::codecForMib(106)->toUnicode(bytes.constData(), bytes.size(), &state);
    return state.invalidChars == 0 ? utf8 : QString::fromLatin1(bytes);
}

std::optional<QDateTime> localTime(const QString &text)
{
    // Qt 5 fills its registry of calendars on first use without a lock, and
    // logs are parsed on several threads at once: one that lost that race
    // read no date at all. The first thread here fills it while the others
    // wait.
    static const QCalendar gregorian(QCalendar::System::Gregorian);
    const QDateTime time = QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd'T'HH:mm:ss.zzz'Z'"), gregorian);
    if (time.isValid())
        return time.toOffsetFromUtc(time.offsetFromUtc());
    // A time this computer's zone skips (its clocks went forward then) was
    // written by a station in a zone that did not: its digits stand as
    // written, at the offset this zone had the day before.
    const QDate day = QDate::fromString(text.left(10), QStringLiteral("yyyy-MM-dd"), gregorian);
    const QTime clock = QTime::fromString(text.mid(10), QStringLiteral("'T'HH:mm:ss.zzz'Z'"));
    if (!day.isValid() || !clock.isValid() || text.size() != 24)
        return std::nullopt;
    return QDateTime(day, clock, Qt::OffsetFromUTC, QDateTime(day.addDays(-1), clock).offsetFromUtc());
}

bool digit(char c)
{
    return c >= '0' && c <= '9';
}

// "h+:mm:ss" as the station writes elapsed times.
std::optional<qint64> elapsedSeconds(const char *begin, const char *end)
{
    const qsizetype length = end - begin;
    if (length < 7 || begin[length - 3] != ':' || begin[length - 6] != ':')
        return std::nullopt;
    const char *m = end - 5;
    const char *s = end - 2;
    if (!digit(m[0]) || !digit(m[1]) || !digit(s[0]) || !digit(s[1]) || m[0] > '5' || s[0] > '5')
        return std::nullopt;
    qint64 hours = 0;
    const auto [last, error] = std::from_chars(begin, end - 6, hours);
    if (error != std::errc() || last != end - 6 || !digit(*begin) || hours > maxHours)
        return std::nullopt;
    return hours * 3600 + ((m[0] - '0') * 10 + (m[1] - '0')) * 60 + (s[0] - '0') * 10 + (s[1] - '0');
}

std::optional<double> temperature(const char *begin, const char *end)
{
    double value = 0.0;
    const auto [last, error] = std::from_chars(begin, end, value, std::chars_format::general);
    if (begin == end || error != std::errc() || last != end || !std::isfinite(value)
        || std::fabs(value) > 1e9)
        return std::nullopt;
    return value;
}

} // namespace

std::optional<Cycle> parse(const QByteArray &bytes, QString *reason)
{
    const auto fail = [reason](const QString &why) {
        *reason = why;
        return std::nullopt;
    };
    if (bytes.isEmpty())
        return fail(QCoreApplication::translate("RunLogParser", "The file is empty."));
    QByteArray first = bytes.left(bytes.indexOf('\n'));
    if (first.endsWith('\r'))
        first.chop(1);
    if (first != model)
        return fail(QCoreApplication::translate("RunLogParser", "It is no run log: it does not begin with \"%1\".")
                        .arg(QLatin1String(model)));
    if (!bytes.endsWith('\n'))
        return fail(QCoreApplication::translate("RunLogParser", "Its last line is incomplete: the log is cut short."));

    QVector<QByteArray> lines;
    for (const QByteArray &line : bytes.split('\n'))
        lines.append(line.endsWith('\r') ? line.chopped(1) : line);
    lines.removeLast(); // after the last line feed

    Cycle cycle;
    cycle.origin = Cycle::Origin::Imported;
    QString fields[FieldCount];
    for (int f = 0; f < FieldCount; ++f) {
        const int index = f + 1;
        if (index >= lines.size())
            return fail(QCoreApplication::translate("RunLogParser", "The header ends early: \"%1\" is missing.")
                            .arg(QLatin1String(labels[f]).trimmed()));
        const QByteArray &line = lines[index];
        if (!line.startsWith(labels[f]))
            return fail(QCoreApplication::translate("RunLogParser", "Line %1 does not begin with \"%2\".")
                            .arg(index + 1)
                            .arg(QLatin1String(labels[f])));
        if (line.contains('\0'))
            return fail(QCoreApplication::translate("RunLogParser", "Line %1 holds a zero byte: it is no text.")
                            .arg(index + 1));
        fields[f] = text(line.mid(int(qstrlen(labels[f]))));
    }
    const int titles = FieldCount + 2;
    if (lines.size() <= titles || lines[titles - 1] != dataPoints || lines[titles] != columnTitles)
        return fail(
            lines.size() <= titles
                ? QCoreApplication::translate("RunLogParser", "The header ends early: the column titles are missing.")
                : QCoreApplication::translate("RunLogParser",
                                              "Lines %1 and %2 are not \"Data Points\" and the column titles.")
                      .arg(titles)
                      .arg(titles + 1));

    cycle.firmwareVersion = fields[Firmware];
    cycle.softwareVersion = fields[Software];
    cycle.controllerSerial = fields[Serial];
    cycle.programName = fields[Name];
    cycle.status = fields[Status];
    const std::optional<QDateTime> started = localTime(fields[Started]);
    if (!started)
        return fail(
            QCoreApplication::translate("RunLogParser", "The start time \"%1\" is no time.").arg(fields[Started]));
    cycle.started = *started;
    if (!fields[Finished].isEmpty()) {
        const std::optional<QDateTime> finished = localTime(fields[Finished]);
        if (!finished)
            return fail(QCoreApplication::translate("RunLogParser", "The finish time \"%1\" is no time.")
                            .arg(fields[Finished]));
        cycle.finished = *finished;
    }
    if (!fields[CycleNumber].isEmpty()) {
        bool ok = false;
        cycle.cycleNumber = fields[CycleNumber].toInt(&ok);
        if (!ok || cycle.cycleNumber < 0)
            return fail(QCoreApplication::translate("RunLogParser", "The cycle number \"%1\" is no number.")
                            .arg(fields[CycleNumber]));
    }

    cycle.samples.reserve(lines.size() - titles - 1);
    for (int i = titles + 1; i < lines.size(); ++i) {
        const QByteArray &line = lines[i];
        const char *begin = line.constData();
        const char *end = begin + line.size();
        if (line.endsWith('\t'))
            --end;
        const char *tab = std::find(begin, end, '\t');
        const std::optional<qint64> seconds = tab == end ? std::nullopt : elapsedSeconds(begin, tab);
        const std::optional<double> celsius = seconds ? temperature(tab + 1, end) : std::nullopt;
        if (!celsius)
            return fail(
                QCoreApplication::translate("RunLogParser", "Line %1 is no row of elapsed time and temperature.")
                    .arg(i + 1));
        cycle.samples.append({*seconds * 1000, *celsius});
    }
    std::stable_sort(cycle.samples.begin(), cycle.samples.end(),
                     [](const CycleSample &a, const CycleSample &b) { return a.elapsedMs < b.elapsedMs; });
    return cycle;
}

} // namespace RunLogParser
