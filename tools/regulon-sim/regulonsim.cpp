#include "tools/regulon-sim/regulonsim.h"

#include "tools/regulon-sim/simdevice.h"

#include <QMutexLocker>

namespace {

SimDevice::Shaping shaping(SimDevice::Shaping::Kind kind, int delayMs, const QByteArray &keyword,
                           const QByteArray &raw = QByteArray())
{
    SimDevice::Shaping s;
    s.kind = kind;
    s.keyword = keyword;
    s.delayMs = delayMs;
    s.raw = raw;
    return s;
}

} // namespace

// A position report of a satellite receiver: what a port that talks on its
// own typically sends.
const QByteArray RegulonSim::defaultChatter = "$GPGGA,101530.00,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*62\r\n";

RegulonSim::RegulonSim(QObject *parent)
    : QObject(parent)
    , device(new SimDevice)
{
    device->serialNumber = QStringLiteral("RG100001");
    device->moveToThread(&thread);
    connect(&thread, &QThread::finished, device, &QObject::deleteLater);
    // Logged on the simulator's thread so that the log is complete the
    // moment the command has arrived; the signal follows on this thread.
    connect(device, &SimDevice::commandReceived, this, [this](const QByteArray &line) {
        const QString command = QString::fromLatin1(line);
        {
            QMutexLocker locker(&logMutex);
            log.append(command);
        }
        QMetaObject::invokeMethod(this, [this, command] { emit commandReceived(command); }, Qt::QueuedConnection);
    }, Qt::DirectConnection);
    thread.setObjectName(QStringLiteral("regulon-sim"));
    thread.start();
}

RegulonSim::~RegulonSim()
{
    unplug();
    thread.quit();
    thread.wait();
}

void RegulonSim::onSimThread(const std::function<void()> &f) const
{
    QMetaObject::invokeMethod(device, f,
                              QThread::currentThread() == &thread ? Qt::DirectConnection
                                                                  : Qt::BlockingQueuedConnection);
}

bool RegulonSim::plugIn(const QString &linkPath)
{
    link = linkPath;
    bool ok = false;
    onSimThread([&] { ok = device->plugIn(linkPath, &lastError); });
    return ok;
}

bool RegulonSim::plugInAgain()
{
    return plugIn(link);
}

void RegulonSim::startAtController(int number)
{
    onSimThread([&] { device->startAtController(number); });
}

void RegulonSim::unplug()
{
    onSimThread([this] { device->unplug(); });
}

bool RegulonSim::isPluggedIn() const
{
    bool plugged = false;
    onSimThread([&] { plugged = device->isPluggedIn(); });
    return plugged;
}

QString RegulonSim::devicePath() const
{
    QString path;
    onSimThread([&] { path = device->devicePath(); });
    return path;
}

QString RegulonSim::linkPath() const
{
    return link;
}

QString RegulonSim::errorString() const
{
    return lastError;
}

void RegulonSim::setSerialNumber(const QString &serial)
{
    onSimThread([&] { device->serialNumber = serial; });
}

QString RegulonSim::serialNumber() const
{
    QString serial;
    onSimThread([&] { serial = device->serialNumber; });
    return serial;
}

void RegulonSim::setCycleCounter(int cycle)
{
    onSimThread([&] { device->cycleCounter = cycle; });
}

int RegulonSim::cycleCounter() const
{
    int cycle = 0;
    onSimThread([&] { cycle = device->cycleCounter; });
    return cycle;
}

void RegulonSim::setFirmwareVersion(const QString &fiveCharacters)
{
    onSimThread([&] { device->firmwareVersion = fiveCharacters; });
}

void RegulonSim::setSpeed(double factor)
{
    onSimThread([&] { device->setSpeed(factor); });
}

bool RegulonSim::setPrograms(const QList<CommunicationManager::Program> &programs)
{
    bool ok = false;
    onSimThread([&] { ok = device->memory.setPrograms(programs, &lastError); });
    return ok;
}

QList<CommunicationManager::Program> RegulonSim::programs() const
{
    QList<CommunicationManager::Program> result;
    onSimThread([&] { result = device->memory.programs(); });
    return result;
}

QByteArray RegulonSim::programImage() const
{
    QByteArray image;
    onSimThread([&] { image = device->memory.image(); });
    return image;
}

bool RegulonSim::useImageFile(const QString &path)
{
    bool ok = false;
    onSimThread([&] { ok = device->memory.useFile(path, &lastError); });
    return ok;
}

double RegulonSim::chamberTemperature() const
{
    double celsius = 0.0;
    onSimThread([&] { celsius = device->chamber().temperature(); });
    return celsius;
}

void RegulonSim::setChamberTemperature(double celsius)
{
    onSimThread([&] { device->chamber().setTemperature(celsius); });
}

void RegulonSim::setRegulationMargin(double kelvin)
{
    onSimThread([&] { device->chamber().setMargin(kelvin); });
}

int RegulonSim::runState() const
{
    int state = 0;
    onSimThread([&] { state = device->runState(); });
    return state;
}

quint32 RegulonSim::statusWord(int word) const
{
    quint32 value = 0;
    if (word < 1 || word > 3)
        return value;
    onSimThread([&] {
        device->chamber();
        value = device->statusWords.at(size_t(word - 1));
    });
    return value;
}

void RegulonSim::setStatusBit(int word, int bit, bool on)
{
    if (word < 1 || word > 3 || bit < 0 || bit > 31)
        return;
    onSimThread([&] {
        quint32 &value = device->statusWords.at(size_t(word - 1));
        value = on ? value | (1u << bit) : value & ~(1u << bit);
    });
}

void RegulonSim::setSensorFault(bool on)
{
    onSimThread([&] { device->sensorFault = on; });
}

void RegulonSim::setSilent(bool silent)
{
    onSimThread([&] { device->silent = silent; });
}

void RegulonSim::setChatter(int intervalMs, const QByteArray &line)
{
    onSimThread([&] { device->setChatter(intervalMs, line); });
}

void RegulonSim::answerNextWith(const QByteArray &raw, const QByteArray &keyword)
{
    onSimThread([&] { device->shapings.append(shaping(SimDevice::Shaping::Replace, 0, keyword, raw)); });
}

void RegulonSim::delayNextAnswer(int ms, const QByteArray &keyword)
{
    onSimThread([&] { device->shapings.append(shaping(SimDevice::Shaping::Delay, ms, keyword)); });
}

void RegulonSim::splitNextAnswer(int delayMs, const QByteArray &keyword)
{
    onSimThread([&] { device->shapings.append(shaping(SimDevice::Shaping::Split, delayMs, keyword)); });
}

void RegulonSim::trickleNextAnswer(int delayMs, const QByteArray &keyword)
{
    onSimThread([&] { device->shapings.append(shaping(SimDevice::Shaping::Trickle, delayMs, keyword)); });
}

void RegulonSim::refuseNextStart(int code)
{
    onSimThread([&] { device->startRefusal = code; });
}

void RegulonSim::refuseNextStop(int code)
{
    onSimThread([&] { device->stopRefusal = code; });
}

void RegulonSim::corruptChecksum(int line, int reads)
{
    onSimThread([&] { device->memory.corruptChecksum(line, reads); });
}

void RegulonSim::refuseWriteStep(int step)
{
    onSimThread([&] { device->memory.refuseWriteStep(step); });
}

void RegulonSim::ignoreWriteStep(int step)
{
    onSimThread([&] { device->memory.ignoreWriteStep(step); });
}

QStringList RegulonSim::receivedCommands() const
{
    QMutexLocker locker(&logMutex);
    return log;
}

void RegulonSim::clearReceivedCommands()
{
    QMutexLocker locker(&logMutex);
    log.clear();
}
