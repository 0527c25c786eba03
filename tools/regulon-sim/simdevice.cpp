#include "tools/regulon-sim/simdevice.h"

#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QTimer>

namespace {

// Commands without an end of line are never answered; this bounds what a
// stream of garbage can pile up.
constexpr int maxPendingInput = 4096;

QByteArray keywordOf(const QByteArray &line)
{
    // A record line is data from its first character on.
    if (line.startsWith(':'))
        return QByteArray(":");
    int end = 0;
    while (end < line.size() && line.at(end) != ' ' && line.at(end) != '\n' && line.at(end) != '\r')
        ++end;
    return line.left(end);
}

QByteArray decimal(double value)
{
    return QByteArray::number(value, 'f', 1);
}

} // namespace

SimDevice::SimDevice(QObject *parent)
    : QObject(parent)
{
    clock.start();
    // The command set. Each entry maps a keyword to its answer.
    addCommand("GET_INFO", [this](const QByteArray &) {
        return "CON_INFO " + serialNumber.toUtf8() + ',' + QByteArray::number(cycleCounter) + '\n';
    });
    addCommand("GET_TEMP", [this](const QByteArray &) { return answerTemperature(); });
    addCommand("GET_DIGI", [this](const QByteArray &) {
        chamber();
        return QStringLiteral("DAT_DIGI %1,%2,%3\n")
            .arg(statusWords[0], 8, 16, QLatin1Char('0'))
            .arg(statusWords[1], 8, 16, QLatin1Char('0'))
            .arg(statusWords[2], 8, 16, QLatin1Char('0'))
            .toUpper()
            .toLatin1();
    });
    addCommand("GET_STAT", [this](const QByteArray &) {
        return "DAT_STAT " + QByteArray::number(runningProgram) + ',' + QByteArray::number(runState()) + '\n';
    });
    // The version sits at characters 19 to 23 of this line.
    addCommand("GET_VERSION", [this](const QByteArray &) {
        return "DAT_VERSION FW-Rev " + firmwareVersion.toLatin1() + " HW-B\n";
    });
    addCommand("CMD_STAR", [this](const QByteArray &argument) { return answerStart(argument); });
    addCommand("CMD_STOP", [this](const QByteArray &) { return answerStop(); });
    addCommand("GET_EEPR", [this](const QByteArray &) { return memory.answerRead(); });
    addCommand("PUT_EEPROM", [this](const QByteArray &) { return memory.answerPut(); });
    addCommand(":", [this](const QByteArray &record) { return memory.answerRecord(record); });
    connect(&chatter, &QTimer::timeout, this, [this] { pty.write(chatterLine); });
}

SimDevice::~SimDevice()
{
    unplug();
}

void SimDevice::addCommand(const QByteArray &keyword, Handler handler)
{
    handlers.insert(keyword, std::move(handler));
}

bool SimDevice::plugIn(const QString &linkPath, QString *error)
{
    unplug();
    if (!pty.open(error))
        return false;
    link = linkPath;
    if (!link.isEmpty()) {
        const QFileInfo existing(link);
        if (existing.exists() && !existing.isSymLink()) {
            *error = QStringLiteral("%1 exists and is not a link").arg(link);
            pty.close();
            return false;
        }
        QFile::remove(link);
        if (!QFile::link(pty.devicePath(), link)) {
            *error = QStringLiteral("cannot create the link %1").arg(link);
            pty.close();
            return false;
        }
    }
    input.clear();
    notifier = std::make_unique<QSocketNotifier>(pty.masterDescriptor(), QSocketNotifier::Read);
    connect(notifier.get(), &QSocketNotifier::activated, this, &SimDevice::readCommands);
    return true;
}

void SimDevice::unplug()
{
    notifier.reset();
    // Only a link that still points at this device is ours to remove.
    if (!link.isEmpty() && pty.isOpen() && QFileInfo(link).symLinkTarget() == pty.devicePath())
        QFile::remove(link);
    pty.close();
}

void SimDevice::setChatter(int intervalMs, const QByteArray &line)
{
    chatterLine = line;
    if (intervalMs > 0)
        chatter.start(intervalMs);
    else
        chatter.stop();
}

void SimDevice::setSpeed(double factor)
{
    chamber();
    speed = factor;
}

ChamberModel &SimDevice::chamber()
{
    const qint64 now = clock.elapsed();
    const bool wasFinished = model.phase() == ChamberModel::Phase::Finished;
    model.advance((now - clockMs) / 1000.0 * speed);
    clockMs = now;
    if (!wasFinished && model.phase() == ChamberModel::Phase::Finished)
        statusWords[2] |= finishedBit;
    return model;
}

int SimDevice::runState()
{
    if (sensorFault)
        return SensorFault;
    switch (chamber().phase()) {
    case ChamberModel::Phase::Heating:
        return Heating;
    case ChamberModel::Phase::Holding:
        return Holding;
    case ChamberModel::Phase::Finished:
        return Finished;
    case ChamberModel::Phase::Stopped:
        return Stopped;
    case ChamberModel::Phase::Idle:
        break;
    }
    return Idle;
}

void SimDevice::readCommands()
{
    input += pty.readAvailable();
    int end;
    while ((end = input.indexOf('\n')) >= 0) {
        const QByteArray line = input.left(end + 1);
        input.remove(0, end + 1);
        handleLine(line);
    }
    if (input.size() > maxPendingInput)
        input.clear();
}

void SimDevice::handleLine(const QByteArray &line)
{
    emit commandReceived(line);
    if (silent)
        return;
    const QByteArray keyword = keywordOf(line);
    int shaping = 0;
    while (shaping < shapings.size() && !shapings.at(shaping).keyword.isEmpty()
           && shapings.at(shaping).keyword != keyword)
        ++shaping;
    if (shaping < shapings.size() && shapings.at(shaping).kind == Shaping::Replace) {
        pty.write(shapings.takeAt(shaping).raw);
        return;
    }
    const Handler handler = handlers.value(keyword);
    if (!handler)
        return;
    const QByteArray answer = handler(line.mid(keyword.size()).trimmed());
    if (answer.isEmpty())
        return;
    send(answer, shaping < shapings.size() ? std::optional<Shaping>(shapings.takeAt(shaping)) : std::nullopt);
}

void SimDevice::send(const QByteArray &answer, const std::optional<Shaping> &shaping)
{
    if (!shaping) {
        pty.write(answer);
        return;
    }
    // Chunks with their delay after the command.
    QList<QPair<int, QByteArray>> chunks;
    switch (shaping->kind) {
    case Shaping::Delay:
        chunks = {{shaping->delayMs, answer}};
        break;
    case Shaping::Split: {
        const int half = answer.size() / 2;
        chunks = {{0, answer.left(half)}, {shaping->delayMs, answer.mid(half)}};
        break;
    }
    case Shaping::Trickle:
        for (int i = 0; i < answer.size(); ++i)
            chunks.append({i * shaping->delayMs, answer.mid(i, 1)});
        break;
    case Shaping::Replace:
        break;
    }
    for (const auto &[delayMs, bytes] : chunks) {
        if (delayMs == 0)
            pty.write(bytes);
        else
            QTimer::singleShot(delayMs, this, [this, bytes = bytes] { pty.write(bytes); });
    }
}

QByteArray SimDevice::answerTemperature()
{
    // Chamber, setpoint, step number and minutes of holding left.
    const ChamberModel &c = chamber();
    return "DAT_TEMP " + decimal(c.temperature()) + ',' + decimal(c.setpoint()) + ','
        + QByteArray::number(c.stepNumber()) + ',' + decimal(c.holdMinutesLeft()) + '\n';
}

QByteArray SimDevice::answerStart(const QByteArray &argument)
{
    bool isNumber = false;
    const int number = argument.toInt(&isNumber);
    const QList<CommunicationManager::Program> programs = memory.programs();
    int code = 0;
    if (startRefusal) {
        code = *startRefusal;
        startRefusal.reset();
    } else if (chamber().isRunning()) {
        code = -1;
    } else if (!isNumber || number < 1 || number > programs.size() || programs.at(number - 1).steps.isEmpty()) {
        code = -4; // an empty slot holds no program
    } else {
        runningProgram = number;
        ++cycleCounter;
        statusWords[2] &= ~(finishedBit | stoppedByUserBit);
        model.start(programs.at(number - 1));
    }
    return "ACK_STAR " + QByteArray::number(code) + '\n';
}

QByteArray SimDevice::answerStop()
{
    int code = 2;
    if (stopRefusal) {
        code = *stopRefusal;
        stopRefusal.reset();
    } else if (!chamber().isRunning()) {
        code = -1;
    } else {
        model.stop();
        statusWords[2] |= stoppedByUserBit;
    }
    return "ACK_STOP " + QByteArray::number(code) + '\n';
}
