#include "device/communicationmanager.h"

#include "app/logging.h"
#include "app/texts.h"
#include "device/programmemory.h"
#include "device/replyparser.h"
#include "device/restartcommand.h"

#include <QCoreApplication>
#include <QProcess>
#include <QSerialPortInfo>

namespace {

const QString infoCommand = QStringLiteral("GET_INFO\n");

// Silently repeated reads before a failed read is reported.
constexpr int silentReadRetries = 3;

// A write is PUT_EEPROM, the name record, the three step records and the
// end-of-file record, each acknowledged before the next is sent.
constexpr int lastWriteStep = 5;

QString writeLine(const CommunicationManager::Program &program, int step)
{
    if (step == 0)
        return QStringLiteral("PUT_EEPROM\n");
    if (step == 1)
        return ProgramMemory::nameRecordLine(program);
    if (step < lastWriteStep)
        return ProgramMemory::stepRecordLine(program, step - 1);
    return ProgramMemory::endOfFileLine();
}

// The acknowledgement the answer must contain and the step that follows
// it (-1 after the last).
QString writeRequestInfo(int step)
{
    if (step == 0)
        return QStringLiteral("ACK_EEPROM 1;1");
    if (step < lastWriteStep)
        return QStringLiteral("ACK_EEPROM 20;%1").arg(step + 1);
    return QStringLiteral("ACK_EEPROM 0;-1");
}

// Ends this instance once control returns to its event loop and starts a
// fresh one with the same arguments.
void restartApplication()
{
    const RestartCommand command = restartCommand();
    qCDebug(lcDevice) << "restarting:" << command.program << command.arguments;
    QCoreApplication::quit();
    QProcess::startDetached(command.program, command.arguments);
}

} // namespace

CommunicationManager *CommunicationManager::instance()
{
    // Owned by nobody and never destroyed: the worker must outlive every
    // window, and the process ends with it.
    static CommunicationManager *const manager = new CommunicationManager;
    return manager;
}

CommunicationManager::CommunicationManager(QObject *parent)
    : QObject(parent)
    , restartHandler(restartApplication)
    , wentWrongText(QString::fromLatin1(textSomethingWrong))
{
    qRegisterMetaType<CommunicationManager::TempData>();
    qRegisterMetaType<CommunicationManager::Info>();
    qRegisterMetaType<CommunicationManager::ProgramStep>();
    qRegisterMetaType<CommunicationManager::Program>();
    qRegisterMetaType<CommunicationManager::ProgramStatus>();
    qRegisterMetaType<CommunicationManager::DigiStatus>();
    qRegisterMetaType<QMap<QString, QString>>();
    qRegisterMetaType<QList<CommunicationManager::Program>>();

    connect(&slave, &SlaveThread::request, this, &CommunicationManager::showRequest);
    connect(&slave, &SlaveThread::error, this, &CommunicationManager::processError);
    connect(&slave, &SlaveThread::timeout, this, &CommunicationManager::processTimeout);
}

CommunicationManager::~CommunicationManager() = default;

void CommunicationManager::setRestartHandler(std::function<void()> handler)
{
    restartHandler = handler ? std::move(handler) : restartApplication;
}

SlaveThread &CommunicationManager::worker()
{
    return slave;
}

QStringList CommunicationManager::availablePorts()
{
    const QString listed = qEnvironmentVariable("REGULON_SERIAL_PORTS");
    if (!listed.isEmpty())
        return listed.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    QStringList names;
    for (const QSerialPortInfo &port : QSerialPortInfo::availablePorts())
        names.append(port.portName());
    return names;
}

void CommunicationManager::scanPorts()
{
    scanIndex = 0;
    scanPortList = availablePorts();
    foundRegulons.clear();
    qCDebug(lcDevice) << "scanning ports" << scanPortList;
    if (scanPortList.isEmpty()) {
        emit getRegulons(foundRegulons);
        return;
    }
    slave.switchPort(scanPortList.constFirst());
    slave.sendCommand(infoCommand, 1000, ReqInfo, QString());
}

void CommunicationManager::startPolling()
{
    slave.setPolling(true);
}

void CommunicationManager::changePort(const QString &port)
{
    slave.switchPort(port);
}

void CommunicationManager::startProgram(int programIndex)
{
    slave.sendCommand(QStringLiteral("CMD_STAR %1\n").arg(programIndex), 2000, ReqStart, QString());
}

void CommunicationManager::stopProgram()
{
    slave.sendCommand(QStringLiteral("CMD_STOP\n"), 2000, ReqStop, QString());
}

void CommunicationManager::getInfo()
{
    slave.sendCommand(infoCommand, 1000, ReqInfo, QStringLiteral("info"));
}

void CommunicationManager::getVersion()
{
    slave.sendCommand(QStringLiteral("GET_VERSION\n"), 1000, ReqVersion, QStringLiteral("info"));
}

void CommunicationManager::requestPrograms()
{
    slave.sendCommand(QStringLiteral("GET_EEPR\n"), 500, ReqProgramRead, QString());
}

void CommunicationManager::writeProgram(CommunicationManager::Program program, int step)
{
    const QString refusal = step < 0 || step > lastWriteStep ? wentWrongText : ProgramMemory::encodeRefusal(program);
    if (!refusal.isEmpty()) {
        qCDebug(lcDevice) << "program write step" << step << "refused:" << refusal;
        emit programUpdated(false, refusal);
        return;
    }
    // Awaited before the progress is reported: a receiver's nested event
    // loop may deliver outcomes, and they must find the chain where it is.
    programBeingWritten = program;
    awaitedWriteStep = step;
    emit updateProgressBar(step);
    if (awaitedWriteStep != step)
        return; // ended (or restarted) while the progress was shown
    slave.sendCommand(writeLine(program, step), 1000, ReqProgramWrite, writeRequestInfo(step));
}

void CommunicationManager::showRequest(const QString &s, int requestId, const QString &requestInfo)
{
    qCDebug(lcDevice) << "answer" << requestId << requestInfo << s;
    failCount = 0;
    switch (requestId) {
    case ReqVersion:
        emit gotVersion(ReplyParser::parseVersion(s));
        break;
    case ReqTemperature:
        if (const auto data = ReplyParser::parseTemperature(s))
            emit getTempData(*data);
        break;
    case ReqInfo:
        handleIdentity(s);
        break;
    case ReqProgramRead:
        parseProgramMemory(s);
        break;
    case ReqStart:
        if (const auto report = ReplyParser::parseStartAcknowledgement(s))
            emit gotProgramStatus(report->status, report->message);
        break;
    case ReqStop:
        if (const auto report = ReplyParser::parseStopAcknowledgement(s))
            emit gotProgramStatus(report->status, report->message);
        break;
    case ReqStatus:
        reportedProgramNumber = ReplyParser::runStatusProgram(s).value_or(0);
        if (const auto status = ReplyParser::parseRunStatus(s))
            emit gotProgramStatus(*status, QString());
        break;
    case ReqProgramWrite:
        continueProgramWrite(s, requestInfo);
        break;
    case ReqDigital:
        decodeDigitalStatus(s);
        break;
    default:
        qCDebug(lcDevice) << "answer to an unknown request" << requestId << "dropped";
        break;
    }
}

void CommunicationManager::processError(const QString &s, int requestId, const QString &requestInfo)
{
    qCDebug(lcDevice) << "port failure" << requestId << requestInfo << s;
    switch (requestId) {
    case ReqTemperature:
    case ReqStatus:
        countFailure(lostByError);
        break;
    case ReqInfo:
        scanStep(500);
        break;
    case ReqProgramRead:
        emit gotProgramStatus(ReadFailed, wentWrongText);
        break;
    case ReqProgramWrite:
        if (isAwaitedWriteStep(requestInfo))
            endProgramWrite(false, wentWrongText);
        break;
    // Never sent: the controller goes on as it was, so the user is told
    // and the station carries on reconnecting, counting towards a loss.
    case ReqStart:
        // A start or stop that never left the station, as the port was gone.
        emit gotProgramStatus(StartFailed, tr("The start was not sent: the controller cannot be reached. "
                                              "No program was started."));
        break;
    case ReqStop:
        emit gotProgramStatus(StopFailed, tr("The stop was not sent: the controller cannot be reached. The program "
                                             "goes on; press Stop again once the controller is back, or stop it at "
                                             "the controller."));
        break;
    default:
        break;
    }
}

void CommunicationManager::processTimeout(const QString &s, int requestId, const QString &requestInfo)
{
    qCDebug(lcDevice) << "no answer" << requestId << requestInfo << s;
    switch (requestId) {
    case ReqTemperature:
        countFailure(lostByTimeout);
        break;
    case ReqInfo:
        scanStep(2000);
        break;
    case ReqProgramRead:
        reportUnanswered(ReadFailed);
        break;
    case ReqProgramWrite:
        if (isAwaitedWriteStep(requestInfo))
            endProgramWrite(false, QString::fromLatin1(textTimeout));
        break;
    case ReqStart:
        reportUnanswered(StartFailed);
        break;
    case ReqStop:
        reportUnanswered(StopFailed);
        break;
    default:
        break;
    }
}

void CommunicationManager::countFailure(bool &lostFlag)
{
    if (lostFlag)
        return;
    if (failCount++ <= 5)
        return;
    lostFlag = true;
    failCount = 0;
    qCDebug(lcDevice) << "connection lost";
    emit gotProgramStatus(ConnectionLost, cantConnectText());
    restartHandler();
}

QString CommunicationManager::cantConnectText()
{
    return tr("Can't connect to the regulon");
}

// A request the user is waiting for went unanswered: the controller is gone.
// The flag is set before reporting so that an answer delivered while the
// report is shown cannot report and restart a second time.
void CommunicationManager::reportUnanswered(ProgramStatus status)
{
    if (lostByTimeout)
        return;
    lostByTimeout = true;
    emit gotProgramStatus(status, cantConnectText());
    restartHandler();
}

void CommunicationManager::handleIdentity(const QString &answer)
{
    const std::optional<Info> info = ReplyParser::parseIdentity(answer);
    if (info)
        emit gotInfo(*info);
    if (!scanPortList.isEmpty())
        foundRegulons.insert(scanPortList.at(scanIndex), info ? info->serialNumber : QString());
    scanStep(1000);
}

// After the last port the scan stays there, so later identity outcomes
// report the map again without switching ports.
void CommunicationManager::scanStep(int waitMs)
{
    if (scanIndex + 1 < scanPortList.size()) {
        ++scanIndex;
        slave.switchPort(scanPortList.at(scanIndex));
        slave.sendCommand(infoCommand, waitMs, ReqInfo, QString());
    } else {
        emit getRegulons(foundRegulons);
    }
}

void CommunicationManager::decodeDigitalStatus(const QString &answer)
{
    const std::optional<DigitalStatus::Words> words = DigitalStatus::parseWords(answer);
    if (!words) {
        qCDebug(lcDevice) << "digital status of wrong format:" << answer;
        return;
    }
    if (decoding)
        return;
    const QVector<DigitalStatus::Alarm> alarms = DigitalStatus::risingAlarms(*words, digitalWords);
    if (!alarms.isEmpty())
        qCDebug(lcDevice) << "digital status changed:" << Qt::hex << words->word1 << words->word2 << words->word3;
    decoding = true;
    for (const DigitalStatus::Alarm &alarm : alarms)
        emit programError(alarm.title, alarm.message);
    digitalWords = DigitalStatus::Remembered{words->word1, words->word2, words->word3};
    decoding = false;
    emit digiUpdate(DigitalStatus::summaryAlarm(*words) ? DigiAlarm : DigiOk);
}

void CommunicationManager::parseProgramMemory(QString answer)
{
    // Yields so that the windows stay responsive during a long decode.
    const ProgramMemory::DecodeResult result =
        ProgramMemory::decode(answer, [] { QCoreApplication::processEvents(); });
    if (result.outcome == ProgramMemory::DecodeResult::Ok) {
        emit gotPrograms(result.programs);
        getVersion();
        return;
    }
    if (result.outcome == ProgramMemory::DecodeResult::WrongSize)
        qCDebug(lcDevice) << "wrong size eeprm";
    else
        qCDebug(lcDevice) << "wrong checksum at: " << result.line;
    if (readRetries++ < silentReadRetries) {
        requestPrograms();
        return;
    }
    emit programsReadFailed(tr("Could not read from device. Please try with connecting another USB cable. "
                               "If the error persists try to do a restart of the controller."));
    emit gotPrograms({});
}

void CommunicationManager::continueProgramWrite(const QString &answer, const QString &requestInfo)
{
    if (!isAwaitedWriteStep(requestInfo)) {
        qCDebug(lcDevice) << "acknowledgement of an ended write dropped:" << requestInfo;
        return;
    }
    if (!answer.contains(requestInfo.section(QLatin1Char(';'), 0, 0))) {
        endProgramWrite(false, wentWrongText);
        return;
    }
    const int next = requestInfo.section(QLatin1Char(';'), 1).toInt();
    if (next == -1)
        endProgramWrite(true, QString());
    else
        writeProgram(programBeingWritten, next);
}

// Whether an outcome with this request information belongs to the step
// that the write in progress waits for.
bool CommunicationManager::isAwaitedWriteStep(const QString &requestInfo) const
{
    bool isNumber = false;
    const int next = requestInfo.section(QLatin1Char(';'), 1).toInt(&isNumber);
    const int step = next == -1 ? lastWriteStep : next - 1;
    return isNumber && awaitedWriteStep != noWrite && step == awaitedWriteStep;
}

void CommunicationManager::endProgramWrite(bool isSuccess, const QString &message)
{
    awaitedWriteStep = noWrite;
    emit programUpdated(isSuccess, message);
}
