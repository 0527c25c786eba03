#include "tools/vaporin-records/recordscommandline.h"

#include "app/stationsettings.h"
#include "tools/vaporin-records/pinreader.h"
#include "tools/vaporin-records/recordstool.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QIODevice>
#include <QRegularExpression>

#include <optional>

namespace RecordsCommandLine {

namespace {

// The limits of what the tool takes: a controller's step holds 0 to 65535
// minutes at 20 to 140 °C; anything hotter than 200 °C or a band wider than
// 50 K is a typing error.
constexpr double maxHoldCelsius = 200.0;
constexpr int maxHoldMinutes = 65535;
constexpr double maxKelvin = CycleVerdict::Band::maxKelvin;

QString withoutStop(QString text)
{
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

class Invocation;

struct Command {
    QString name;
    QString synopsis;
    int minArguments;
    int maxArguments; // -1: any number
    QStringList options; // besides --register
    int (*run)(const Invocation &, RecordsTool &);
};

void addOptions(QCommandLineParser &parser)
{
    parser.addOptions({
        {QStringLiteral("register"), QString(), QStringLiteral("FILE|URI")},
        {QStringLiteral("from"), QString(), QStringLiteral("DATE")},
        {QStringLiteral("to"), QString(), QStringLiteral("DATE")},
        {QStringLiteral("program"), QString(), QStringLiteral("NAME")},
        {QStringLiteral("csv"), QString()},
        {QStringLiteral("pdf"), QString(), QStringLiteral("FILE")},
        {QStringLiteral("hold"), QString(), QStringLiteral("T:M")},
        {QStringLiteral("lower"), QString(), QStringLiteral("K")},
        {QStringLiteral("band"), QString(), QStringLiteral("K")},
        {QStringLiteral("operator"), QString(), QStringLiteral("NAME")},
        {QStringLiteral("decision"), QString(), QStringLiteral("DECISION")},
        {QStringLiteral("ci"), QString(), QStringLiteral("RESULT")},
        {QStringLiteral("bi"), QString(), QStringLiteral("RESULT")},
        {QStringLiteral("load"), QString(), QStringLiteral("TEXT")},
        {QStringLiteral("lot"), QString(), QStringLiteral("TEXT")},
        {QStringLiteral("comment"), QString(), QStringLiteral("TEXT")},
        {QStringLiteral("witness"), QString(), QStringLiteral("TEXT")},
        {QStringLiteral("witness-file"), QString(), QStringLiteral("FILE")},
        {QStringLiteral("tsa-certificate"), QString(), QStringLiteral("FILE")},
        {QStringLiteral("status"), QString()},
        {QStringLiteral("logs"), QString(), QStringLiteral("FOLDER")},
        {QStringLiteral("force"), QString()},
        {QStringLiteral("pin-stdin"), QString()},
        {QStringLiteral("packs"), QString(), QStringLiteral("N")},
        {QStringLiteral("type"), QString(), QStringLiteral("NAME")},
        {QStringLiteral("format"), QString(), QStringLiteral("NAME")},
        {QStringLiteral("first"), QString(), QStringLiteral("N")},
        {QStringLiteral("reference"), QString(), QStringLiteral("REF")},
        {QStringLiteral("days"), QString(), QStringLiteral("N")},
        {QStringLiteral("initials"), QString(), QStringLiteral("TEXT")},
        {QStringLiteral("role"), QString(), QStringLiteral("ROLE")},
        {QStringLiteral("by"), QString(), QStringLiteral("NAME")},
        {QStringLiteral("rename"), QString(), QStringLiteral("NAME")},
        {QStringLiteral("activate"), QString()},
        {QStringLiteral("deactivate"), QString()},
        {{QStringLiteral("h"), QStringLiteral("help")}, QString()},
        {QStringLiteral("version"), QString()},
    });
}

// One invocation's parsed command line; every check of it ends in a usage
// error that names what is wrong.
class Invocation
{
    Q_DECLARE_TR_FUNCTIONS(RecordsCommandLine)

public:
    Invocation(const QCommandLineParser &parser, const Command &command, RecordsTool &tool)
        : parser(parser), command(command), tool(tool)
    {
    }

    int usage(const QString &message) const
    {
        return tool.fail(tr("%1. Usage: vaporin-records %2").arg(message, command.synopsis));
    }

    QString argument(int i) const { return parser.positionalArguments().value(i + 1); }
    QStringList arguments() const { return parser.positionalArguments().mid(1); }
    bool isSet(const char *option) const { return parser.isSet(QLatin1String(option)); }
    QString value(const char *option) const { return parser.value(QLatin1String(option)); }
    QStringList values(const char *option) const { return parser.values(QLatin1String(option)); }

    // Each parser answers the value or nothing; *error says why.
    std::optional<qint64> id(const QString &text, QString *error) const
    {
        static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
        bool ok = false;
        const qint64 n = text.toLongLong(&ok);
        if (!digits.match(text).hasMatch() || !ok || n <= 0) {
            *error = tr("The ID \"%1\" is no entry's ID (a whole number from 1, as list shows it)").arg(text);
            return std::nullopt;
        }
        return n;
    }

    // yyyy-MM-dd, a day that exists.
    std::optional<QDate> date(const char *option, QString *error) const
    {
        static const QRegularExpression iso(QStringLiteral("^[0-9]{4}-[0-9]{2}-[0-9]{2}$"));
        const QString text = value(option);
        const QDate day = QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
        if (!iso.match(text).hasMatch() || !day.isValid()) {
            *error = tr("--%1 \"%2\" is no date of the form yyyy-MM-dd").arg(QLatin1String(option), text);
            return std::nullopt;
        }
        return day;
    }

    // The days of --from and --to, invalid when not given; false when one
    // is no date or they are the wrong way round.
    bool period(QDate *from, QDate *to, QString *error) const
    {
        for (const auto &[option, day] : {std::pair("from", from), std::pair("to", to)}) {
            const std::optional<QDate> given = isSet(option) ? date(option, error) : QDate();
            if (!given)
                return false;
            *day = *given;
        }
        if (from->isValid() && to->isValid() && *from > *to) {
            *error = tr("--from %1 is after --to %2").arg(value("from"), value("to"));
            return false;
        }
        return true;
    }

    // T:M, e.g. 121:20 or 134.0:5.
    std::optional<CycleVerdict::Hold> hold(QString *error) const
    {
        static const QRegularExpression form(QStringLiteral("^([0-9]+(?:\\.[0-9]+)?):([0-9]+)$"));
        const QRegularExpressionMatch match = form.match(value("hold"));
        const double celsius = match.captured(1).toDouble();
        bool ok = false;
        const int minutes = match.captured(2).toInt(&ok);
        if (!match.hasMatch() || celsius > maxHoldCelsius || !ok || minutes > maxHoldMinutes) {
            *error = tr("--hold \"%1\" is no hold: give T:M, the temperature in °C (0 to %2) and the minutes "
                        "(0 to %3), e.g. 121:20")
                         .arg(value("hold"), QString::number(maxHoldCelsius), QString::number(maxHoldMinutes));
            return std::nullopt;
        }
        return CycleVerdict::Hold{celsius, minutes};
    }

    // Kelvin from 0, as given, or the fallback when the option is absent.
    std::optional<double> kelvin(const char *option, double fallback, QString *error) const
    {
        if (!isSet(option))
            return fallback;
        static const QRegularExpression form(QStringLiteral("^[0-9]+(?:\\.[0-9]+)?$"));
        const QString text = value(option);
        const double k = text.toDouble();
        if (!form.match(text).hasMatch() || k > maxKelvin) {
            *error = tr("--%1 \"%2\" is no tolerance: give kelvin from 0 to %3, e.g. 0.5")
                         .arg(QLatin1String(option), text, QString::number(maxKelvin));
            return std::nullopt;
        }
        return k;
    }

    // One of the keywords of the option's choices, or the fallback when
    // the option is absent.
    template<typename E>
    std::optional<E> choice(const char *option, E fallback, QString *error) const
    {
        if (!isSet(option))
            return fallback;
        const std::optional<E> chosen = Release::parse<E>(value(option));
        if (!chosen) {
            QStringList keywords;
            for (const ReleaseChoices::Choice<E> &c : ReleaseChoices::of(E()))
                keywords << QLatin1String(c.keyword);
            *error = tr("--%1 \"%2\" is none of %3").arg(QLatin1String(option), value(option),
                                                          keywords.join(QLatin1Char('|')));
        }
        return chosen;
    }

private:
    const QCommandLineParser &parser;
    const Command &command;
    RecordsTool &tool;
};

int importFolder(const Invocation &in, RecordsTool &tool)
{
    return tool.importFolder(in.argument(0));
}

int list(const Invocation &in, RecordsTool &tool)
{
    QString error;
    QDate from;
    QDate to;
    if (!in.period(&from, &to, &error))
        return in.usage(error);
    CycleRegister::Filter filter;
    RecordsTool::setPeriod(&filter, from, to);
    filter.program = in.value("program");
    return tool.list(filter, in.isSet("csv"));
}

int exportSamples(const Invocation &in, RecordsTool &tool)
{
    QString error;
    const std::optional<qint64> id = in.id(in.argument(0), &error);
    if (!id)
        return in.usage(error);
    if (!in.isSet("csv"))
        return in.usage(QCoreApplication::translate("RecordsCommandLine", "Say the format: --csv"));
    return tool.exportSamples(*id);
}

// The positions of --witness and of the lines of --witness-file (blank lines
// and lines starting with # left out); false with *error naming the first
// that is none.
bool witnesses(const Invocation &in, QVector<ChainPosition> *positions, QString *error)
{
    QStringList texts = in.values("witness");
    const QString fileName = in.value("witness-file");
    if (!fileName.isEmpty()) {
        QFile file(fileName);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
            *error = QCoreApplication::translate("RecordsCommandLine", "--witness-file \"%1\" cannot be read: %2")
                         .arg(fileName, file.errorString());
            return false;
        }
        for (const QString &line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
            if (!line.trimmed().isEmpty() && !line.trimmed().startsWith(QLatin1Char('#')))
                texts << line;
        }
    }
    for (const QString &text : texts) {
        const std::optional<ChainPosition> position = ChainPosition::parse(text);
        if (!position) {
            *error = QCoreApplication::translate(
                         "RecordsCommandLine",
                         "The witness \"%1\" is no register position (of the form RG100001 #1234 d0fb04d1c3a2b4e5)")
                         .arg(text.trimmed());
            return false;
        }
        positions->append(*position);
    }
    return true;
}

int verify(const Invocation &in, RecordsTool &tool)
{
    QVector<ChainPosition> positions;
    QString error;
    if (!witnesses(in, &positions, &error))
        return in.usage(error);
    if (!positions.isEmpty() && !in.arguments().isEmpty())
        return in.usage(QCoreApplication::translate("RecordsCommandLine",
                                                    "Witnesses are checked against the register, not against files"));
    if (in.isSet("tsa-certificate") && !in.arguments().isEmpty())
        return in.usage(QCoreApplication::translate(
            "RecordsCommandLine", "--tsa-certificate goes with the whole register's verification, not with files"));
    return tool.verify(in.arguments(), positions,
                       in.isSet("tsa-certificate") ? in.value("tsa-certificate") : StationSettings().tsaCertificate());
}

int check(const Invocation &in, RecordsTool &tool)
{
    if (!in.isSet("hold"))
        return in.usage(QCoreApplication::translate("RecordsCommandLine", "The hold is missing: --hold T:M"));
    QString error;
    const std::optional<CycleVerdict::Hold> hold = in.hold(&error);
    if (!hold)
        return in.usage(error);
    const CycleVerdict::Band settings = StationSettings().verdictBand();
    const std::optional<double> lower = in.kelvin("lower", settings.lowerTolerance, &error);
    if (!lower)
        return in.usage(error);
    const std::optional<double> upper = in.kelvin("band", settings.upperBand, &error);
    if (!upper)
        return in.usage(error);
    return tool.check(in.argument(0), *hold, {*lower, *upper});
}

int report(const Invocation &in, RecordsTool &tool)
{
    if (!in.isSet("pdf") || in.value("pdf").isEmpty())
        return in.usage(QCoreApplication::translate("RecordsCommandLine", "The PDF file is missing: --pdf FILE"));
    QString error;
    if (!in.arguments().isEmpty()) {
        if (in.isSet("from") || in.isSet("to"))
            return in.usage(QCoreApplication::translate("RecordsCommandLine", "Give either an ID or a period"));
        const std::optional<qint64> id = in.id(in.argument(0), &error);
        if (!id)
            return in.usage(error);
        return tool.cycleReport(*id, in.value("pdf"));
    }
    if (!in.isSet("from") || !in.isSet("to"))
        return in.usage(
            QCoreApplication::translate("RecordsCommandLine", "Give an ID, or a period with --from and --to"));
    QDate from;
    QDate to;
    if (!in.period(&from, &to, &error))
        return in.usage(error);
    return tool.periodReport(from, to, in.value("pdf"));
}

int release(const Invocation &in, RecordsTool &tool)
{
    QString error;
    const std::optional<qint64> id = in.id(in.argument(0), &error);
    if (!id)
        return in.usage(error);
    if (in.value("operator").trimmed().isEmpty())
        return in.usage(QCoreApplication::translate("RecordsCommandLine", "Name the operator: --operator NAME"));
    if (!in.isSet("decision"))
        return in.usage(
            QCoreApplication::translate("RecordsCommandLine",
                                        "The decision is missing: --decision released|rejected|quarantined|recalled"));
    Release r;
    r.operatorName = in.value("operator").trimmed();
    r.load = in.value("load");
    r.lot = in.value("lot");
    r.comment = in.value("comment");
    const auto decision = in.choice("decision", Release::Decision::Quarantined, &error);
    const auto ci = decision ? in.choice("ci", Release::ChemicalIndicator::NotUsed, &error) : std::nullopt;
    const auto bi = ci ? in.choice("bi", Release::BiologicalIndicator::NotUsed, &error) : std::nullopt;
    if (!bi)
        return in.usage(error);
    r.decision = *decision;
    r.chemicalIndicator = *ci;
    r.biologicalIndicator = *bi;
    return tool.release(*id, r);
}

// A whole number from low to high, or the fallback when the option is absent.
std::optional<int> number(const Invocation &in, const char *option, int low, int high, int fallback, QString *error)
{
    if (!in.isSet(option))
        return fallback;
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,6}$"));
    const int n = in.value(option).toInt();
    if (!digits.match(in.value(option)).hasMatch() || n < low || n > high) {
        *error = QCoreApplication::translate("RecordsCommandLine", "--%1 \"%2\" is no number from %3 to %4")
                     .arg(QLatin1String(option), in.value(option))
                     .arg(low)
                     .arg(high);
        return std::nullopt;
    }
    return n;
}

int labels(const Invocation &in, RecordsTool &tool)
{
    QString error;
    const std::optional<qint64> id = in.id(in.argument(0), &error);
    if (!id)
        return in.usage(error);
    if (!in.isSet("packs"))
        return in.usage(QCoreApplication::translate("RecordsCommandLine", "The number of packs is missing: --packs N"));
    if (in.value("type").trimmed().isEmpty())
        return in.usage(QCoreApplication::translate("RecordsCommandLine", "The pack type is missing: --type NAME"));
    if (!in.isSet("pdf") || in.value("pdf").isEmpty())
        return in.usage(QCoreApplication::translate("RecordsCommandLine", "The PDF file is missing: --pdf FILE"));
    const std::optional<int> packs = number(in, "packs", 1, 999, 0, &error);
    const std::optional<int> first = packs ? number(in, "first", 1, 65, 1, &error) : std::nullopt;
    if (!first)
        return in.usage(error);
    return tool.labels(*id, *packs, in.value("type"), in.isSet("format") ? in.value("format") : QStringLiteral("62x29"),
                       *first, in.value("pdf"));
}

int use(const Invocation &in, RecordsTool &tool)
{
    if (in.value("reference").trimmed().isEmpty())
        return in.usage(QCoreApplication::translate("RecordsCommandLine",
                                                    "The patient's or case's reference is missing: --reference REF"));
    if (in.value("operator").trimmed().isEmpty())
        return in.usage(QCoreApplication::translate("RecordsCommandLine", "Name the operator: --operator NAME"));
    return tool.use(in.argument(0), in.value("reference"), in.value("operator"), in.value("comment"));
}

// --csv is a switch elsewhere: here its file is the second argument.
int recall(const Invocation &in, RecordsTool &tool)
{
    QString error;
    const std::optional<qint64> id = in.id(in.argument(0), &error);
    if (!id)
        return in.usage(error);
    if (!in.isSet("pdf") || in.value("pdf").isEmpty())
        return in.usage(QCoreApplication::translate("RecordsCommandLine", "The PDF file is missing: --pdf FILE"));
    if (in.isSet("csv") != (in.arguments().size() == 2))
        return in.usage(in.isSet("csv")
                            ? QCoreApplication::translate("RecordsCommandLine", "The CSV file is missing: --csv FILE")
                            : QCoreApplication::translate("RecordsCommandLine", "Too many arguments"));
    return tool.recall(*id, in.value("pdf"), in.argument(1));
}

int expiring(const Invocation &in, RecordsTool &tool)
{
    QString error;
    const std::optional<int> days = number(in, "days", 0, 3650, 14, &error);
    if (!days)
        return in.usage(error);
    return tool.expiring(*days);
}

int packTypes(const Invocation &in, RecordsTool &tool)
{
    QString error;
    if (in.arguments().isEmpty() != !in.isSet("days"))
        return in.usage(QCoreApplication::translate("RecordsCommandLine",
                                                    "Give a type with its shelf life, NAME --days N, or neither"));
    const std::optional<int> days = number(in, "days", 1, 3650, 0, &error);
    if (!days)
        return in.usage(error);
    return tool.packTypes(in.argument(0), *days);
}

int eraseReference(const Invocation &in, RecordsTool &tool)
{
    if (in.value("by").trimmed().isEmpty())
        return in.usage(QCoreApplication::translate("RecordsCommandLine", "A supervisor signs the erasure: --by NAME"));
    return tool.eraseReference(in.argument(0), in.value("by").trimmed());
}

int operators(const Invocation &, RecordsTool &tool)
{
    return tool.operators();
}

int operatorAccount(const Invocation &in, RecordsTool &tool)
{
    const QString action = in.argument(0);
    const QString name = in.argument(1);
    const QString by = in.value("by").trimmed();
    std::optional<OperatorAccount::Role> role;
    if (in.isSet("role")) {
        role = OperatorAccount::parseRole(in.value("role"));
        if (!role)
            return in.usage(
                QCoreApplication::translate("RecordsCommandLine", "--role \"%1\" is none of operator|supervisor")
                    .arg(in.value("role")));
    }
    if (action == QLatin1String("add")) {
        if (in.isSet("rename") || in.isSet("activate") || in.isSet("deactivate"))
            return in.usage(
                QCoreApplication::translate("RecordsCommandLine", "A new account takes --initials, --role and --by"));
        if (in.value("initials").trimmed().isEmpty())
            return in.usage(
                QCoreApplication::translate("RecordsCommandLine", "The initials are missing: --initials TEXT"));
        OperatorAccount account;
        account.name = name;
        account.initials = in.value("initials");
        account.role = role.value_or(OperatorAccount::Role::Operator);
        return tool.addOperator(account, by);
    }
    if (action != QLatin1String("change") && action != QLatin1String("reset-pin"))
        return in.usage(
            QCoreApplication::translate("RecordsCommandLine", "\"%1\" is none of add|change|reset-pin").arg(action));
    if (by.isEmpty())
        return in.usage(QCoreApplication::translate("RecordsCommandLine", "A supervisor signs the change: --by NAME"));
    if (action == QLatin1String("reset-pin")) {
        if (in.isSet("rename") || in.isSet("initials") || in.isSet("role") || in.isSet("activate")
            || in.isSet("deactivate"))
            return in.usage(QCoreApplication::translate("RecordsCommandLine", "reset-pin takes only --by"));
        return tool.resetOperatorPin(name, by);
    }
    if (in.isSet("activate") && in.isSet("deactivate"))
        return in.usage(QCoreApplication::translate("RecordsCommandLine", "Give --activate or --deactivate, not both"));
    RecordsTool::AccountChange change;
    change.name = in.value("rename").trimmed();
    change.initials = in.value("initials").trimmed();
    change.role = role;
    if (in.isSet("activate") || in.isSet("deactivate"))
        change.active = in.isSet("activate");
    return tool.changeOperator(name, change, by);
}

int migrate(const Invocation &in, RecordsTool &tool)
{
    if (!in.isSet("to") || in.value("to").isEmpty())
        return in.usage(QCoreApplication::translate("RecordsCommandLine", "Say where to: --to postgresql://..."));
    const RegisterLocation target = RegisterLocation::parse(in.value("to"));
    if (!target.isValid())
        return in.usage(withoutStop(target.errorString()));
    return tool.migrate(target);
}

int backup(const Invocation &in, RecordsTool &tool)
{
    if (!in.isSet("status"))
        return tool.backup(in.argument(0));
    if (!in.arguments().isEmpty())
        return in.usage(QCoreApplication::translate("RecordsCommandLine", "--status takes no folder"));
    return tool.backupStatus();
}

int restore(const Invocation &in, RecordsTool &tool)
{
    if (in.isSet("logs") && in.value("logs").isEmpty())
        return in.usage(QCoreApplication::translate("RecordsCommandLine", "--logs needs a folder"));
    return tool.restore(in.argument(0), in.value("logs"), in.isSet("force"));
}

int window(const Invocation &, RecordsTool &tool)
{
    return tool.window();
}

const Command *findCommand(const QString &name)
{
    static const Command commands[] = {
        {QStringLiteral("import"), QStringLiteral("import FOLDER"), 1, 1, {}, importFolder},
        {QStringLiteral("list"), QStringLiteral("list [--from DATE] [--to DATE] [--program NAME] [--csv]"), 0, 0,
         {QStringLiteral("from"), QStringLiteral("to"), QStringLiteral("program"), QStringLiteral("csv")}, list},
        {QStringLiteral("export"), QStringLiteral("export ID --csv"), 1, 1, {QStringLiteral("csv")}, exportSamples},
        {QStringLiteral("verify"),
         QStringLiteral("verify [--witness TEXT]... [--witness-file FILE] [--tsa-certificate FILE] [FILE...]"), 0, -1,
         {QStringLiteral("witness"), QStringLiteral("witness-file"), QStringLiteral("tsa-certificate")}, verify},
        {QStringLiteral("check"), QStringLiteral("check FILE --hold T:M [--lower K] [--band K]"), 1, 1,
         {QStringLiteral("hold"), QStringLiteral("lower"), QStringLiteral("band")}, check},
        {QStringLiteral("report"), QStringLiteral("report ID --pdf FILE, or report --from DATE --to DATE --pdf FILE"),
         0, 1, {QStringLiteral("from"), QStringLiteral("to"), QStringLiteral("pdf")}, report},
        {QStringLiteral("release"),
         QStringLiteral("release ID --operator NAME --decision released|rejected|quarantined|recalled "
                        "[--ci passed|failed|unused] [--bi pending|negative|positive|unused] [--load TEXT] "
                        "[--lot TEXT] [--comment TEXT] [--pin-stdin]"),
         1, 1,
         {QStringLiteral("operator"), QStringLiteral("decision"), QStringLiteral("ci"), QStringLiteral("bi"),
          QStringLiteral("load"), QStringLiteral("lot"), QStringLiteral("comment"), QStringLiteral("pin-stdin")},
         release},
        {QStringLiteral("operators"), QStringLiteral("operators"), 0, 0, {}, operators},
        {QStringLiteral("use"), QStringLiteral("use CODE --reference REF --operator NAME [--comment TEXT]"), 1, 1,
         {QStringLiteral("reference"), QStringLiteral("operator"), QStringLiteral("comment")}, use},
        {QStringLiteral("recall"), QStringLiteral("recall ID --pdf FILE [--csv FILE]"), 1, 2,
         {QStringLiteral("pdf"), QStringLiteral("csv")}, recall},
        {QStringLiteral("expiring"), QStringLiteral("expiring [--days N]"), 0, 0, {QStringLiteral("days")}, expiring},
        {QStringLiteral("pack-types"), QStringLiteral("pack-types [NAME --days N]"), 0, 1, {QStringLiteral("days")},
         packTypes},
        {QStringLiteral("erase-reference"), QStringLiteral("erase-reference REF --by NAME [--pin-stdin]"), 1, 1,
         {QStringLiteral("by"), QStringLiteral("pin-stdin")}, eraseReference},
        {QStringLiteral("labels"),
         QStringLiteral("labels ID --packs N --type NAME --pdf FILE [--format 62x29|57x32|50x25|a4-65] [--first N]"),
         1, 1,
         {QStringLiteral("packs"), QStringLiteral("type"), QStringLiteral("pdf"), QStringLiteral("format"),
          QStringLiteral("first")},
         labels},
        {QStringLiteral("operator"),
         QStringLiteral("operator add NAME --initials TEXT [--role operator|supervisor] [--by NAME], "
                        "operator change NAME [--rename NAME] [--initials TEXT] [--role operator|supervisor] "
                        "[--activate|--deactivate] --by NAME, or operator reset-pin NAME --by NAME; "
                        "each with [--pin-stdin]"),
         2, 2,
         {QStringLiteral("initials"), QStringLiteral("role"), QStringLiteral("by"), QStringLiteral("rename"),
          QStringLiteral("activate"), QStringLiteral("deactivate"), QStringLiteral("pin-stdin")},
         operatorAccount},
        {QStringLiteral("migrate"), QStringLiteral("migrate --to URI"), 0, 0, {QStringLiteral("to")}, migrate},
        {QStringLiteral("backup"), QStringLiteral("backup [FOLDER], or backup --status"), 0, 1,
         {QStringLiteral("status")}, backup},
        {QStringLiteral("restore"), QStringLiteral("restore BACKUP [--logs FOLDER] [--force]"), 1, 1,
         {QStringLiteral("logs"), QStringLiteral("force")}, restore},
        {QStringLiteral("window"), QStringLiteral("window"), 0, 0, {}, window},
    };
    for (const Command &command : commands)
        if (command.name == name)
            return &command;
    return nullptr;
}

} // namespace

int run(const QStringList &arguments, QIODevice &out, QIODevice &err)
{
    QCommandLineParser parser;
    addOptions(parser);
    const bool parsed = parser.parse(arguments);
    RecordsTool tool(parsed ? parser.value(QStringLiteral("register")) : QString(), out, err);
    const auto usage = [&](const QString &message) {
        return tool.fail(
            QCoreApplication::translate("RecordsCommandLine", "%1. See vaporin-records --help").arg(message));
    };
    if (!parsed)
        return usage(withoutStop(parser.errorText()));
    if (parser.isSet(QStringLiteral("register"))) {
        // An empty name would quietly mean the station's register.
        const QString name = parser.value(QStringLiteral("register"));
        if (name.isEmpty())
            return usage(
                QCoreApplication::translate("RecordsCommandLine", "--register needs a file name or a connection URI"));
        const RegisterLocation location = RegisterLocation::parse(name);
        if (!location.isValid())
            return usage(withoutStop(location.errorString()));
    }
    if (parser.isSet(QStringLiteral("help"))) {
        out.write(help().toUtf8());
        return RecordsTool::Success;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        out.write(QStringLiteral("vaporin-records %1\n").arg(QCoreApplication::applicationVersion()).toUtf8());
        return RecordsTool::Success;
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty())
        return usage(QCoreApplication::translate("RecordsCommandLine", "No command given"));
    const Command *command = findCommand(positional.first());
    if (!command)
        return usage(QCoreApplication::translate("RecordsCommandLine", "\"%1\" is no command").arg(positional.first()));

    PinReader pins(parser.isSet(QStringLiteral("pin-stdin")), err);
    tool.setPinReader(&pins);
    const Invocation invocation(parser, *command, tool);
    for (const QString &option : parser.optionNames()) {
        if (option != QLatin1String("register") && !command->options.contains(option))
            return invocation.usage(QCoreApplication::translate("RecordsCommandLine", "--%1 does not go with %2")
                                        .arg(option, command->name));
        if (parser.values(option).size() > 1)
            return invocation.usage(
                QCoreApplication::translate("RecordsCommandLine", "--%1 is given twice").arg(option));
    }
    const int count = positional.size() - 1;
    if (count < command->minArguments)
        return invocation.usage(QCoreApplication::translate("RecordsCommandLine", "An argument is missing"));
    if (command->maxArguments >= 0 && count > command->maxArguments)
        return invocation.usage(QCoreApplication::translate("RecordsCommandLine", "Too many arguments: %1")
                                    .arg(positional.mid(1 + command->maxArguments).join(QLatin1Char(' '))));
    return command->run(invocation, tool);
}

namespace {

QString commandOf(const QStringList &arguments)
{
    QCommandLineParser parser;
    addOptions(parser);
    return parser.parse(arguments) ? parser.positionalArguments().value(0) : QString();
}

} // namespace

bool needsGui(const QStringList &arguments)
{
    const QString command = commandOf(arguments);
    return command == QLatin1String("report") || command == QLatin1String("labels")
        || command == QLatin1String("recall");
}

bool opensWindow(const QStringList &arguments)
{
    return commandOf(arguments) == QLatin1String("window");
}

QString help()
{
    return QCoreApplication::translate("RecordsCommandLine",
                                       R"(Usage: vaporin-records [--register FILE|URI] COMMAND [ARGUMENTS]

The records tool of the Vaporin Regulon station: imports run logs into the
cycle register, lists and exports its cycles, verifies that nothing in it or
in its logs was altered, and gives verdicts and reports.

It works on the station's register or on the one given with --register:
a register FILE, or a database on a PostgreSQL server as a connection URI,
postgresql://[user@][host][:port][/database][?name=value&...] (the host may
be the folder of a Unix socket: ?host=/var/run/postgresql). The station's
register is the one its settings name: register/driver sqlite (the default)
means the file of the setting register_path, otherwise register.sqlite in
the station's data folder; postgresql means the server of register/host,
register/port, register/database and register/user. A password is never
given on the command line or in the settings: libpq takes it from
PGPASSWORD or the password file ~/.pgpass. Only import makes a register
file that does not exist yet; a server's database must exist, and its
tables are made when the tool first works on it.

Commands:
  import FOLDER
      Enters the run logs in FOLDER and its subfolders. Prints the number of
      logs imported, already present (the same content, whatever the file
      name), differing from their entry (a cycle the register holds, the
      same controller, cycle number and start, with another log; not
      entered) and unreadable, each differing or unreadable file with the
      entry or the reason. Exit status 0, or 1 when files were differing
      or unreadable.

  list [--from DATE] [--to DATE] [--program NAME] [--csv]
      The cycles, newest first, as an aligned table (ID, start, program,
      cycle number, controller, status, origin, verdict, release) or as
      CSV. The verdict is PASS, FAIL or NOT EVALUATED as the register
      stored it; the release is the newest decision (Released, Rejected,
      Quarantined), "waiting" for a cycle the station recorded that has
      none yet, or "-" (imported logs and discarded runs wait for none).
      The first column
      is the entry's ID, which the other commands take. DATE is yyyy-MM-dd in
      this computer's local time: --from counts from the start of its day,
      --to to the end of its day. --program takes the program's exact name.

  export ID --csv
      The samples of entry ID as CSV: time of day, elapsed seconds,
      temperature in °C.

  verify [--witness TEXT]... [--witness-file FILE] [--tsa-certificate FILE] [FILE...]
      Without files: checks every entry against its hash, every
      controller's chain of entries, the samples and every log file the
      register names. Prints each problem on a line of its own, starting
      with ALTERED, DAMAGED, BROKEN, MISSING, UNREADABLE, CONTRADICTED or
      UNVERIFIED, then which hash scheme covers how many entries, and a
      summary.
      Each stored verdict is judged again from the entry's samples by the
      band stored with it (which the hash of an entry of scheme 2 covers),
      and each release is checked like the entries: against its hash
      (which covers the entry and the verdict it was made on) and its place
      in the cycle's release history. Every audit event is checked against
      its hash, and the ledger, which links every entry, release, event,
      pack and use into its controller's chain: a record removed, altered or added past
      the program shows there.
      --witness TEXT (repeatable) checks that the register still passes
      through a position printed on a report or release printout, such as
      "RG100001 #1234 d0fb04d1c3a2b4e5"; --witness-file FILE takes one
      position per line (blank lines and lines starting with # are left
      out). A witness that the register no longer holds, or holds with
      another hash, is a CONTRADICTED line: newer records were removed, or
      the history up to it rewritten. Operator accounts, packs and their
      uses are checked against their own hashes too (an erased patient
      reference still checks).
      On a server, every controller's chain is checked, and the log files
      of the entries this computer entered: the others lie on the stations
      that wrote them, and verify there checks them.
      Every time stamp the register holds is checked against the
      certificate of the time-stamp authority (PEM) of --tsa-certificate,
      or else of the setting register/tsa_certificate: one that does not
      verify is UNVERIFIED. Every chain position a stamp names must still
      be on its chain, or it is CONTRADICTED. Prints how many stamps were
      checked and the newest time they prove.
      With files: checks each file by its content and prints one line:
        OK FILE: ENTRY            the register holds this log as ENTRY
        ALTERED FILE: ENTRY       the register holds a log of this file name,
                                  with other content, as ENTRY
        UNKNOWN FILE              the register holds neither
        UNREADABLE FILE: REASON   the file cannot be read
      Exit status 0 only when everything checked is intact, otherwise 1.

  check FILE --hold T:M [--lower K] [--band K]
      The verdict of the run log FILE against a hold of M minutes at T °C:
      one line that starts with PASS, FAIL or NOT EVALUATED and gives the
      reason. The band runs from T - K (--lower) to T + K (--band); the
      defaults are the settings verdict/lower_tolerance and
      verdict/upper_band (0.0 K and 3.0 K unless set). A hold of 0 minutes
      is NOT EVALUATED. Exit status 0 PASS, 1 FAIL, 3 NOT EVALUATED.

  release ID --operator NAME --decision released|rejected|quarantined|recalled
          [--ci passed|failed|unused] [--bi pending|negative|positive|unused]
          [--load TEXT] [--lot TEXT] [--comment TEXT] [--pin-stdin]
      Appends a release to the history of entry ID: who decided what about
      its load, with the chemical (--ci) and biological (--bi) indicators
      (both "unused" unless given), what the load held and its lot number.
      Nothing is ever overwritten: a later result, the biological
      indicator's a day on, is another release; "recalled" is the decision
      for a cycle found faulty after its release. The load of a cycle whose
      verdict is FAIL or NOT EVALUATED is released only with --comment
      saying why; a load whose chemical indicator failed or whose
      biological indicator is positive is not sterile and is never
      released. Once the register has operator accounts, NAME is an
      account's and the release is signed with its PIN, asked for on the
      terminal without echo (or read as a line of standard input with
      --pin-stdin; never an option); releasing the load of a FAIL or NOT
      EVALUATED cycle then takes a supervisor. Five wrong PINs in a row
      lock the account for 5 minutes. Prints the release's place in the
      history.

  operators
      The operator accounts: name, initials, role, and whether active,
      deactivated or locked.

  operator add NAME --initials TEXT [--role operator|supervisor] [--by NAME]
  operator change NAME [--rename NAME] [--initials TEXT]
          [--role operator|supervisor] [--activate|--deactivate] --by NAME
  operator reset-pin NAME --by NAME
      Adds an operator account (the register's first is a supervisor and
      needs no --by), changes one, or gives it a new PIN (which also ends a
      lock-out). Every change is signed by the supervisor --by with the PIN
      and is an event of the audit trail; accounts are deactivated, never
      deleted. PINs are asked for as release asks: the supervisor's first,
      then the new PIN twice. A PIN has at least 4 characters and is kept
      only as a slow salted hash (scrypt).

  labels ID --packs N --type NAME --pdf FILE [--format 62x29|57x32|50x25|a4-65]
          [--first N]
      Enters N packs of entry ID into the register and writes their labels
      as the PDF FILE: each a pack code ("RG100001-0042-03": controller,
      cycle number, pack number) as a Code 128 barcode and as text, the
      pack type NAME, the sterilisation date, the expiry date (the type's
      shelf life, 180 days unless the clinic's list of pack types says
      otherwise), the initials of the operator who released the load, the
      controller, the program and the verdict. Only for a cycle whose newest
      release is "released". The formats: label-printer rolls of 62 x 29,
      57 x 32 and 50 x 25 mm (the default 62x29), one label a page, or A4
      sheets of 65 labels of 38.1 x 21.2 mm (a4-65), filled from position
      --first (1 to 65, row by row; 1 unless given) so that a half-used
      sheet is used up. Prints the codes and where the file is.

  use CODE --reference REF --operator NAME [--comment TEXT]
      Enters the use of the pack CODE at the chair for the patient's or
      case's reference REF (a chart number; no names needed) by the
      operator (an active account's name once the register has accounts).
      A recalled pack is refused with the reason. A pack that is unknown,
      not released, expired or used already is entered only with --comment
      saying why; the warning is kept with the use.

  recall ID --pdf FILE [--csv FILE]
      The recall report of entry ID, usually a cycle released as
      "recalled": its packs used (when, the patient's reference, by whom)
      and not used (to be taken from the shelves), as the PDF FILE and, with
      --csv, as CSV too. The only output that names patients' references.

  expiring [--days N]
      The packs not used that expire within N days (14 unless given) or
      have expired: to be reprocessed.

  pack-types [NAME --days N]
      The clinic's pack types with their shelf lives; with NAME and --days,
      adds the type or sets its shelf life (1 to 3650 days) first, with an
      audit event. A type not in the list has a shelf life of 180 days.

  erase-reference REF --by NAME [--pin-stdin]
      Erases the patient's reference REF from every use that names it, on
      request, signed by the supervisor NAME with the PIN. The uses keep a
      keyed hash of it, which their own hashes cover, so that they still
      prove themselves.

  report ID --pdf FILE
  report --from DATE --to DATE --pdf FILE
      Writes the cycle report of entry ID (its verdict as stored, its curve
      and its whole release history), or the period report of the cycles
      that started from the first DATE to the second (both days included;
      each cycle with its verdict and newest release), as the PDF FILE, and
      prints where.

  migrate --to URI
      Moves the station's register file (or the register of --register)
      into the register at URI, usually the clinic's server; a FILE works
      too. Every entry keeps its content and is entered as the target's
      own: a new ID, the next place in its controller's chain there, a hash
      of its own, its verdict judged by the band it was judged by before;
      its event "cycle migrated" names the entry's ID and hash in the
      source. The release histories, the audit trail, the operator
      accounts, the pack types, the packs and their uses go along; packs
      and uses, as entries, become links of their controller's chain there
      with hashes of their own. Entries the target holds already (the same
      log, or the same controller, cycle number and start), and releases,
      events, accounts (by name), pack types (by name), packs (by code) and
      uses (by code, time and operator) it holds already, are not added
      again, so running it twice adds nothing; an account the target holds
      is brought to the source's state when that is newer, and a reference
      erased in the source is erased in the target. Prints the number of
      each kind carried and already there. A register whose records are not
      intact is not moved: its problems are printed as verify prints them,
      exit status 1.

  backup [FOLDER]
      Backs the register file up into FOLDER, or into the folder of the
      setting backup/folder (chosen in the Records tab), while the station
      may go on writing: a consistent copy of the register, the run logs it
      names that the folder does not hold yet (into FOLDER/logs/, copied
      once and never rewritten), verified where it lies (SQLite's integrity
      check, and verify's checks against the copied logs) and only then
      named register-<UTC time>.sqlite. The newest backup of each of the
      last 14 days (backup/daily) and of each of the last 12 months
      (backup/monthly) is kept; older ones are removed after a newer one
      is verified. The folder must exist: a disk that is not plugged in
      is an error, not a new folder. Prints the backup's file, its entries
      and the logs copied, and a line DIFFERS LOG for each log that differs
      from its copy in the backup (the copy is kept). Every backup and
      every failed attempt is recorded in the audit trail. Exit status 0,
      1 when logs differ, 2 when the backup failed.

  backup --status
      Prints "Last verified backup: DAY, TIME" with its file in brackets
      (DAY: today, yesterday or the date), or "No verified backup yet.",
      then a line starting with "Warning:" when none is newer than 7 days
      (backup/overdue_days), when the last attempt failed, and for each
      log that differs from its copy. Exit status 0, or 1 with a warning.

  restore BACKUP [--logs FOLDER] [--force]
      Restores a backup file, or the newest backup in the folder BACKUP,
      as the register file (the station's, or --register FILE), and its
      logs into FOLDER, or where the register names them when --logs is
      not given; a file that is there already is never overwritten (a
      DIFFERS line says when it is not the one entered). Then verifies the
      restored register against the restored logs and prints as verify
      does; the restore is an event of the restored register's audit
      trail. A register that holds entries the backup lacks is not replaced:
      they are listed (NOT IN THE BACKUP: ENTRY) and the exit status is 1;
      --force replaces it and keeps it beside the restored one as
      FILE.replaced-<UTC time>. Close the station first.

  window
      Opens the records window on the register, as the station shows it in
      its Records tab: search, curves, details, the audit trail, releases,
      reports, exports and settings, for a desk without an autoclave. It
      never opens a serial port. Needs a display; ends when the window is
      closed.

CSV is RFC 4180: UTF-8, a header row, CRLF line ends. A text beginning with
=, +, -, @, a tab or a carriage return that is no plain number begins with an
apostrophe inside its quotes, so that spreadsheets show it as text.

Messages, questions, this help and the reports are in the language of the
station's setting Language (German or Français; English otherwise). What
scripts read stays English in every language: the commands and options, the
tables of list, operators, pack-types and expiring, CSV, the keyword that
starts a line (OK, ALTERED, DAMAGED, BROKEN, MISSING, UNREADABLE, UNKNOWN,
CONTRADICTED, UNVERIFIED, DIFFERS, NOT MOVED, NOT IN THE BACKUP, PASS, FAIL,
NOT EVALUATED), the whole lines of the files verify checks and of NOT IN THE
BACKUP, and the exit status.

Exit status:
  0  success: done, everything checked is intact, PASS
  1  problems found: files not imported, entries or logs not intact, FAIL
  2  a usage error, a release the rules refuse, or the register, a file or
     the output could not be read or written; the message is on standard
     error
  3  NOT EVALUATED

Options:
  --register FILE|URI  the register to work on instead of the station's
  -h, --help           this text
  --version            the tool's version
)");
}

} // namespace RecordsCommandLine
