#include "device/programmemory.h"

#include "app/language.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QStringList>

#include <cmath>

namespace ProgramMemory {

namespace {

using Program = CommunicationManager::Program;
using ProgramStep = CommunicationManager::ProgramStep;

constexpr int imageLineCount = 65;
constexpr int dataDigits = 64;       // 32 data bytes per record
constexpr int headerDigits = 8;      // byte count, address, record type
constexpr int stepRecordDigits = 3 * dataDigits;
constexpr int maxNameBytes = 20;     // bytes 20 and 21 hold the step count and a flag
constexpr int maxSteps = 15;         // the 16th entry would leave no room for the end byte
constexpr int maxField = 0xFFFF;     // every value is an unsigned 16-bit field
constexpr int firstStepLine = 7;
constexpr int lastStepLine = 24;
constexpr int programCount = 6;

const QLatin1String temperatureCommand("14");
const QLatin1String timeCommand("28");
const QLatin1String endCommand("3C");

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

bool isRecordHeader(const QString &header)
{
    if (header.size() != headerDigits)
        return false;
    for (const QChar c : header) {
        if (hexDigit(c) < 0)
            return false;
    }
    return true;
}

// Truncated toward zero, as the controller stores it.
int temperatureTenths(double temperature)
{
    return static_cast<int>(temperature * 10);
}

QString stepEntry(const ProgramStep &step)
{
    return temperatureCommand + toHex4(temperatureTenths(step.temperature))
        + timeCommand + toHex4(step.minutes);
}

// The 96-byte step area of all three step records as hex text. With exactly
// 5 or 10 steps the controller expects the end byte at the start of the next
// record rather than right after the last entry; with 15 there is no room.
QString stepArea(const QList<ProgramStep> &steps)
{
    QString area;
    for (const ProgramStep &step : steps)
        area += stepEntry(step);
    const int n = steps.size();
    if (n == 5 || n == 10)
        area = area.leftJustified(n / 5 * dataDigits, QLatin1Char('0'));
    if (n < maxSteps)
        area += endCommand;
    return area.leftJustified(stepRecordDigits, QLatin1Char('0'));
}

QString recordLine(const QString &header, const QString &data)
{
    return QLatin1Char(':') + header + data + hexChecksum(header + data) + QLatin1Char('\n');
}

QByteArray beforeFirstZero(QByteArray bytes)
{
    const int zero = bytes.indexOf('\0');
    if (zero >= 0)
        bytes.truncate(zero);
    return bytes;
}

QString decodeName(const QString &hex)
{
    // Written as Latin-1, so read as Latin-1 whatever the local encoding is.
    return QString::fromLatin1(beforeFirstZero(QByteArray::fromHex(hex.toLatin1()))).trimmed();
}

// text is hex: it passed the checksum test. Reads past its end give 0.
QList<ProgramStep> decodeSteps(const QString &text)
{
    const auto hexValue = [&text](int position, int digits) {
        return text.mid(position, digits).toInt(nullptr, 16);
    };
    QList<ProgramStep> steps;
    int p = 0;
    while (p < text.size()) {
        const int first = hexValue(p, 2);
        if (first != 0x14 && first != 0x28) {
            p += 11;
            continue;
        }
        if (hexValue(p + 6, 2) == 0x28) {
            ProgramStep step;
            step.temperature = hexValue(p + 2, 4) / 10.0;
            step.minutes = hexValue(p + 8, 4);
            steps.append(step);
        }
        p += 12;
    }
    return steps;
}

} // namespace

QString hexChecksum(const QString &hex)
{
    if (hex.size() % 2 != 0)
        return {};
    int sum = 0;
    for (int i = 0; i < hex.size(); i += 2) {
        const int high = hexDigit(hex.at(i));
        const int low = hexDigit(hex.at(i + 1));
        if (high < 0 || low < 0)
            return {};
        sum = (sum + high * 16 + low) & 0xFF; // kept small: a line may be huge
    }
    return QStringLiteral("%1").arg((0x100 - sum) & 0xFF, 2, 16, QLatin1Char('0')).toUpper();
}

QString nameToHex(const QString &name)
{
    return QString::fromLatin1(beforeFirstZero(name.toLatin1()).toHex());
}

QString toHex4(int value)
{
    return QString::number(value, 16).rightJustified(4, QLatin1Char('0'));
}

DecodeResult decode(const QString &image, const std::function<void()> &yield)
{
    const QLatin1String lineBreak("\r\n");
    DecodeResult result;
    // Counted first so that a huge answer is rejected without being split.
    if (image.count(lineBreak) != imageLineCount - 1)
        return result;
    const QStringList lines = image.split(lineBreak, Qt::KeepEmptyParts);

    QList<Program> programs;
    QStringList stepData;
    for (int i = 0; i < lines.size(); ++i) {
        if (yield)
            yield();
        const QString t = lines.at(i).trimmed();
        const QString body = t.mid(1, t.size() - 3);
        if (t.size() < 3 || hexChecksum(body) != t.right(2)) {
            result.outcome = DecodeResult::ChecksumMismatch;
            result.line = i;
            return result;
        }
        const QString header = t.mid(1, headerDigits);
        if (i < programCount) {
            Program program;
            // A longer record's further bytes are not part of the name.
            program.name = decodeName(body.mid(headerDigits, dataDigits));
            program.recordHeaders[0] = header;
            programs.append(program);
        } else if (i >= firstStepLine && i <= lastStepLine) {
            const int k = (i - firstStepLine) / 3;
            programs[k].recordHeaders[(i - firstStepLine) % 3 + 1] = header;
            // The data part only, from the text whose checksum was verified:
            // a short record must not lend its checksum digits to the steps.
            stepData.append(body.mid(headerDigits, dataDigits));
        }
    }

    for (int k = 0; k < programCount; ++k) {
        if (yield)
            yield();
        programs[k].steps = decodeSteps(stepData.mid(3 * k, 3).join(QString()));
    }
    result.outcome = DecodeResult::Ok;
    result.programs = programs;
    return result;
}

QString encodeRefusal(const Program &program)
{
    for (const QString &header : program.recordHeaders) {
        if (!isRecordHeader(header))
            return QCoreApplication::translate("ProgramMemory",
                                               "The program was not read completely from the controller. "
                                               "Please read the programs again before saving.");
    }
    if (nameToHex(program.name).size() > 2 * maxNameBytes)
        return QCoreApplication::translate("ProgramMemory", "The program name is longer than %1 characters.").arg(maxNameBytes);
    if (program.steps.size() > maxSteps)
        return QCoreApplication::translate("ProgramMemory", "A program has at most %1 steps; this one has %2.")
            .arg(maxSteps)
            .arg(program.steps.size());
    for (int i = 0; i < program.steps.size(); ++i) {
        const ProgramStep &step = program.steps.at(i);
        if (step.minutes < 0 || step.minutes > maxField)
            return QCoreApplication::translate("ProgramMemory", "Step %1: the time must be between 0 and %2 minutes.")
                .arg(i + 1)
                .arg(maxField);
        // Written so that NaN is refused too.
        if (!(step.temperature >= 0 && std::trunc(step.temperature * 10) <= maxField))
            return QCoreApplication::translate("ProgramMemory",
                                               "Step %1: the temperature must be between 0 and %2 °C.")
                .arg(i + 1)
                .arg(Language::locale().toString(maxField / 10.0, 'f', 1));
    }
    return {};
}

QString nameRecordLine(const Program &program)
{
    Q_ASSERT(encodeRefusal(program).isEmpty());
    QString data = nameToHex(program.name);
    if (data.size() < 2 * maxNameBytes) {
        data = data.leftJustified(2 * maxNameBytes, QLatin1Char('0'))
            + toHex4(2 * program.steps.size() + 1).right(2).toUpper() + QLatin1String("01");
    }
    return recordLine(program.recordHeaders[0], data.leftJustified(dataDigits, QLatin1Char('0')));
}

QString stepRecordLine(const Program &program, int record)
{
    Q_ASSERT(encodeRefusal(program).isEmpty());
    Q_ASSERT(record >= 1 && record <= 3);
    return recordLine(program.recordHeaders[record],
                      stepArea(program.steps).mid((record - 1) * dataDigits, dataDigits));
}

QString endOfFileLine()
{
    return QStringLiteral(":00000001FF\n");
}

} // namespace ProgramMemory
