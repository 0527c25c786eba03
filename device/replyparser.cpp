#include "device/replyparser.h"

#include <QCoreApplication>
#include <QMap>
#include <QRegExp>
#include <QRegularExpression>
#include <QStringList>

namespace ReplyParser {

namespace {

const QString number = QStringLiteral("[+-]?([0-9]*[.])?[0-9]+");

// The whole answer, final line feed included, must have the form; the
// keyword may come in any case.
bool matches(const QString &pattern, const QString &answer)
{
    QRegExp expression(pattern, Qt::CaseInsensitive, QRegExp::RegExp);
    return expression.exactMatch(answer);
}

// The keyword is removed in any case, as it is matched: a keyword left in
// the first field would read as 0 and turn a refusal into a success or
// record a wrong temperature.
QStringList fields(QString answer, const QString &keyword, bool trim)
{
    answer.remove(keyword + QLatin1Char(' '), Qt::CaseInsensitive);
    if (trim)
        answer = answer.trimmed();
    return answer.split(QLatin1Char(','), Qt::KeepEmptyParts);
}

// C locale, surrounding white space ignored, anything else (overflow too)
// reads as 0.
float readFloat(const QString &text)
{
    bool ok = false;
    const float value = text.toFloat(&ok);
    return ok ? value : 0.0f;
}

int readInt(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? value : 0;
}

// An acknowledgement's code. One too large for an int has no value rather
// than reading as 0, which would turn a refused start into a started run.
struct Code {
    std::optional<int> value;
    QString text;
};

std::optional<Code> acknowledgementCode(const QString &answer, const QString &keyword)
{
    if (!matches(keyword + QStringLiteral(" [+-]?[0-9]+\n"), answer))
        return std::nullopt;
    const QString text = fields(answer, keyword, true).constFirst();
    bool ok = false;
    const int value = text.toInt(&ok);
    return Code{ok ? std::optional<int>(value) : std::nullopt, text};
}

// Shown to the user as it is, so in the station's language.
QString refusalMessage(const QMap<int, const char *> &known, const char *fallback, const Code &code)
{
    if (code.value && known.contains(*code.value))
        return QCoreApplication::translate("ReplyParser", known.value(*code.value));
    return QCoreApplication::translate("ReplyParser", fallback)
        .arg(code.value ? QString::number(*code.value) : code.text);
}

} // namespace

std::optional<CommunicationManager::TempData> parseTemperature(const QString &answer)
{
    const QString keyword = QStringLiteral("DAT_TEMP");
    const QStringList numbers = QStringList{number, number, number, number};
    if (!matches(keyword + QLatin1Char(' ') + numbers.join(QLatin1Char(',')) + QLatin1Char('\n'), answer))
        return std::nullopt;
    const QStringList parts = fields(answer, keyword, true);
    if (parts.size() < 4)
        return std::nullopt;
    CommunicationManager::TempData data;
    data.temperature = readFloat(parts.at(0));
    data.fourthValue = readFloat(parts.at(3));
    return data;
}

std::optional<CommunicationManager::Info> parseIdentity(const QString &answer)
{
    const QString keyword = QStringLiteral("CON_INFO");
    if (!matches(keyword + QStringLiteral(" [^ ]+,[0-9]+\n"), answer))
        return std::nullopt;
    const QStringList parts = fields(answer, keyword, false);
    CommunicationManager::Info info;
    info.serialNumber = parts.at(0);
    info.cycleNumber = readInt(parts.value(1));
    return info;
}

std::optional<StatusReport> parseStartAcknowledgement(const QString &answer)
{
    static const QMap<int, const char *> refusals{
        {-1, QT_TRANSLATE_NOOP("ReplyParser", "Can't start the program. A program is running.")},
        {-2, QT_TRANSLATE_NOOP("ReplyParser", "Can't start the program.")},
        {-4, QT_TRANSLATE_NOOP("ReplyParser", "Can't find the selected program.")},
        {-6, QT_TRANSLATE_NOOP("ReplyParser", "Can't find the selected program.")},
    };
    const std::optional<Code> code = acknowledgementCode(answer, QStringLiteral("ACK_STAR"));
    if (!code)
        return std::nullopt;
    if (code->value == 0)
        return StatusReport{CommunicationManager::Running, QString()};
    return StatusReport{CommunicationManager::StartFailed,
                        refusalMessage(refusals,
                                       QT_TRANSLATE_NOOP("ReplyParser", "Can't start the program. Controller code: %1"),
                                       *code)};
}

std::optional<StatusReport> parseStopAcknowledgement(const QString &answer)
{
    static const QMap<int, const char *> refusals{
        {-1, QT_TRANSLATE_NOOP("ReplyParser", "Can't stop the running program.")},
    };
    const std::optional<Code> code = acknowledgementCode(answer, QStringLiteral("ACK_STOP"));
    if (!code)
        return std::nullopt;
    if (code->value == 1 || code->value == 2)
        return StatusReport{CommunicationManager::Stopped, QString()};
    return StatusReport{CommunicationManager::StopFailed,
                        refusalMessage(refusals,
                                       QT_TRANSLATE_NOOP("ReplyParser", "Can't stop the running program. Controller code: %1"),
                                       *code)};
}

std::optional<CommunicationManager::ProgramStatus> parseRunStatus(const QString &answer)
{
    const QString keyword = QStringLiteral("DAT_STAT");
    if (!matches(keyword + QStringLiteral(" .*,") + number + QLatin1Char('\n'), answer))
        return std::nullopt;
    const QStringList parts = fields(answer, keyword, true);
    if (parts.size() < 2)
        return std::nullopt;
    // Text that is not an integer (such as 60.0) reads as 0, a sensor
    // fault; an integer too large for an int reports nothing at all.
    bool isInt = false;
    const int state = parts.at(1).toInt(&isInt);
    if (!isInt && QRegExp(QStringLiteral("\\s*[+-]?[0-9]+\\s*")).exactMatch(parts.at(1)))
        return std::nullopt;
    switch (isInt ? state : 0) {
    case 60:
        return CommunicationManager::Finished;
    case 0:
        return CommunicationManager::SensorError;
    default:
        return std::nullopt;
    }
}

std::optional<int> runStatusProgram(const QString &answer)
{
    const QString keyword = QStringLiteral("DAT_STAT");
    if (!matches(keyword + QStringLiteral(" .*,") + number + QLatin1Char('\n'), answer))
        return std::nullopt;
    bool isInt = false;
    const int program = fields(answer, keyword, true).constFirst().toInt(&isInt);
    return isInt && program >= 1 && program <= 6 ? std::optional<int>(program) : std::nullopt;
}

QString parseVersion(const QString &answer)
{
    // A short answer's line end would fall inside; the version becomes a
    // line of every run log, which a line break would split.
    QString version = answer.mid(19, 5);
    version.remove(QRegularExpression(QStringLiteral("[\\x00-\\x1f\\x7f-\\x9f]")));
    return version;
}

} // namespace ReplyParser
