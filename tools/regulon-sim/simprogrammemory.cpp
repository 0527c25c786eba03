#include "tools/regulon-sim/simprogrammemory.h"

#include "device/programmemory.h"
#include "tools/regulon-sim/factoryprograms.h"

#include <QFile>
#include <QSaveFile>

namespace {

using Program = CommunicationManager::Program;

const QByteArray refusal = "ACK_EEPROM -1\n";
const QString endRecord = QStringLiteral(":00000001FF");
const QString lineBreak = QStringLiteral("\r\n");
constexpr int headerDigits = 8;
constexpr int recordDigits = headerDigits + 64 + 2; // header, 32 data bytes, checksum

// 32-byte data records at consecutive addresses.
QString header(int line)
{
    return QStringLiteral("20%1").arg(line * 0x20, 4, 16, QLatin1Char('0')).toUpper() + QStringLiteral("00");
}

QString headerOf(const QString &line)
{
    return line.mid(1, headerDigits);
}

QString nextChecksum(const QString &checksum)
{
    return QStringLiteral("%1").arg((checksum.toInt(nullptr, 16) + 1) & 0xFF, 2, 16, QLatin1Char('0')).toUpper();
}

} // namespace

SimProgramMemory::SimProgramMemory()
{
    // Unprogrammed cells read 0xFF; the program slots are filled below.
    const QString erased(64, QLatin1Char('F'));
    for (int i = 0; i < lineCount - 1; ++i)
        lines.append(QLatin1Char(':') + header(i) + erased + ProgramMemory::hexChecksum(header(i) + erased));
    lines.append(endRecord);
    QString error;
    [[maybe_unused]] const bool stored = setPrograms(FactoryPrograms::programs(), &error);
    Q_ASSERT_X(stored, "SimProgramMemory", qPrintable(error));
}

QByteArray SimProgramMemory::answerRead()
{
    QStringList sent = lines;
    if (corruptReads != 0) {
        QString &line = sent[corruptLine];
        line = line.left(line.size() - 2) + nextChecksum(line.right(2));
        if (corruptReads > 0)
            --corruptReads;
    }
    return sent.join(lineBreak).toLatin1();
}

QByteArray SimProgramMemory::answerPut()
{
    writeStep = 0;
    return answerStep([] { return QByteArray("ACK_EEPROM 1\n"); });
}

QByteArray SimProgramMemory::answerRecord(const QByteArray &record)
{
    if (!writeStep)
        return refusal; // not opened with PUT_EEPROM
    return answerStep([this, &record] { return store(QString::fromLatin1(record)); });
}

QByteArray SimProgramMemory::answerStep(const std::function<QByteArray()> &carryOut)
{
    const int step = (*writeStep)++;
    if (ignoredStep == step) {
        ignoredStep.reset();
        return {};
    }
    if (refusedStep == step) {
        refusedStep.reset();
        return refusal;
    }
    return carryOut();
}

QByteArray SimProgramMemory::store(const QString &record)
{
    if (QLatin1Char(':') + record == endRecord) {
        writeStep.reset();
        QString error;
        return save(image(), &error) ? QByteArray("ACK_EEPROM 0\n") : refusal;
    }
    if (record.size() != recordDigits
        || ProgramMemory::hexChecksum(record.left(recordDigits - 2)) != record.right(2))
        return refusal;
    const QString written = QLatin1Char(':') + record;
    for (int i = 0; i < lineCount - 1; ++i) {
        if (headerOf(lines.at(i)) == headerOf(written)) {
            lines[i] = written;
            return "ACK_EEPROM 20\n";
        }
    }
    return refusal; // no record at that address
}

QByteArray SimProgramMemory::image() const
{
    return lines.join(lineBreak).toLatin1();
}

QList<Program> SimProgramMemory::programs() const
{
    return ProgramMemory::decode(QString::fromLatin1(image())).programs;
}

bool SimProgramMemory::setPrograms(const QList<Program> &programs, QString *error)
{
    if (programs.size() > programCount) {
        *error = QStringLiteral("the memory holds %1 programs").arg(programCount);
        return false;
    }
    QStringList changed = lines;
    for (int k = 0; k < programCount; ++k) {
        Program program = programs.value(k);
        const int firstStepLine = 7 + 3 * k;
        program.recordHeaders = {headerOf(lines.at(k)), headerOf(lines.at(firstStepLine)),
                                 headerOf(lines.at(firstStepLine + 1)), headerOf(lines.at(firstStepLine + 2))};
        const QString reason = ProgramMemory::encodeRefusal(program);
        if (!reason.isEmpty()) {
            *error = QStringLiteral("program %1: %2").arg(k + 1).arg(reason);
            return false;
        }
        changed[k] = ProgramMemory::nameRecordLine(program).trimmed();
        for (int r = 0; r < 3; ++r)
            changed[firstStepLine + r] = ProgramMemory::stepRecordLine(program, r + 1).trimmed();
    }
    if (!save(changed.join(lineBreak).toLatin1(), error))
        return false;
    lines = changed;
    return true;
}

bool SimProgramMemory::useFile(const QString &path, QString *error)
{
    QFile existing(path);
    if (existing.exists()) {
        if (!existing.open(QIODevice::ReadOnly)) {
            *error = QStringLiteral("cannot read %1: %2").arg(path, existing.errorString());
            return false;
        }
        const QString text = QString::fromLatin1(existing.readAll());
        const ProgramMemory::DecodeResult result = ProgramMemory::decode(text);
        if (result.outcome != ProgramMemory::DecodeResult::Ok) {
            *error = result.outcome == ProgramMemory::DecodeResult::WrongSize
                ? QStringLiteral("%1 does not hold %2 lines joined by CR LF").arg(path).arg(lineCount)
                : QStringLiteral("%1: wrong checksum in line %2").arg(path).arg(result.line);
            return false;
        }
        QStringList loaded;
        for (const QString &line : text.split(lineBreak))
            loaded.append(line.trimmed());
        lines = loaded;
    }
    file = path;
    return true;
}

void SimProgramMemory::corruptChecksum(int line, int reads)
{
    if (line < 0 || line >= lineCount)
        return;
    corruptLine = line;
    corruptReads = reads;
}

void SimProgramMemory::refuseWriteStep(int step)
{
    refusedStep = step;
}

void SimProgramMemory::ignoreWriteStep(int step)
{
    ignoredStep = step;
}

bool SimProgramMemory::save(const QByteArray &image, QString *error) const
{
    if (file.isEmpty())
        return true;
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(image) != image.size() || !out.commit()) {
        *error = QStringLiteral("cannot save %1: %2").arg(file, out.errorString());
        return false;
    }
    return true;
}
