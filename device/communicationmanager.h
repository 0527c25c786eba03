#pragma once

#include "device/digitalstatus.h"
#include "device/slavethread.h"

#include <QList>
#include <QMap>
#include <QMetaType>
#include <QObject>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>

// The station's one protocol object: builds command lines, hands them to the
// worker thread, parses the answers on the GUI thread and reports them as
// typed signals. The application uses the process-wide instance(); tests may
// construct their own so that every test starts from fresh state.
class CommunicationManager : public QObject
{
    Q_OBJECT

public:
    struct TempData {
        float temperature = 0.0f;
        float fourthValue = 0.0f;
    };

    struct Info {
        QString serialNumber;
        int cycleNumber = 0;
    };

    enum ProgramStatus {
        Idle = 0,
        Running = 1,
        StartRequested = 2,
        StopRequested = 3,
        StartFailed = 4,
        ReadFailed = 5,
        Stopped = 6,
        StopFailed = 7,
        Finished = 8,
        ConnectionLost = 9,
        SensorError = 10,
    };
    Q_ENUM(ProgramStatus)

    enum DigiStatus {
        DigiOk = 0,
        DigiAlarm = 1,
        DigiRunEnded = 2,
    };
    Q_ENUM(DigiStatus)

    enum RequestId {
        ReqVersion = -2,
        ReqTemperature = -1,
        ReqInfo = 2,
        ReqProgramRead = 3,
        ReqStart = 4,
        ReqStop = 5,
        ReqStatus = 6,
        ReqProgramWrite = 7,
        ReqDigital = 9,
    };

    struct ProgramStep {
        int number = 0;
        int minutes = 0;
        double temperature = 0.0;

        bool operator==(const ProgramStep &o) const
        {
            return number == o.number && minutes == o.minutes && temperature == o.temperature;
        }
        bool operator!=(const ProgramStep &o) const { return !(*this == o); }
    };

    // A stored program, and also the run record of the main window: the run
    // fields are empty in programs read from the controller.
    struct Program {
        QString name;
        QString firmwareVersion;
        QString softwareVersion;
        QString serialNumber;
        QString timeStarted;
        QString timeFinished;
        QString cycleNumber;
        QString status;
        std::array<QString, 4> recordHeaders; // name record, step records 1 to 3
        QMap<QString, QString> dataPoints;
        QList<ProgramStep> steps;
    };

    static CommunicationManager *instance();

    explicit CommunicationManager(QObject *parent = nullptr);
    ~CommunicationManager() override;

    // Replaces what a restart does (by default: quit the event loop and start
    // a new, detached instance of this executable). Tests install their own;
    // an empty handler brings the default back.
    void setRestartHandler(std::function<void()> handler);

    // The program the controller last said it runs or ran (1 to 6); 0 while
    // it has named none.
    int reportedProgram() const { return reportedProgramNumber; }

    // Whether the controller was declared lost: the station restarts.
    bool connectionLost() const { return lostByTimeout || lostByError; }

    // The worker, for tests that need to shorten its timings.
    SlaveThread &worker();

    // Ports the scan asks: the paths in REGULON_SERIAL_PORTS (":"-separated,
    // empty entries skipped) when set and not empty, otherwise the serial
    // library's list.
    static QStringList availablePorts();

    void scanPorts();
    void startPolling();

    // Reads the program memory: gotPrograms with six programs (then the
    // version is asked for), or after failed reads programsReadFailed and
    // gotPrograms with an empty list.
    void requestPrograms();
    // Write step 0 to 5 of one program. Callers start with step 0; each good
    // acknowledgement performs the next step. A program the image cannot
    // hold is refused with programUpdated(false, reason) before anything is
    // sent. Starting at step 0 abandons a write still in progress.
    void writeProgram(CommunicationManager::Program program, int step);

public slots:
    void changePort(const QString &port);
    void startProgram(int programIndex);
    void stopProgram();
    void getInfo();
    void getVersion();

signals:
    void getTempData(CommunicationManager::TempData data);
    void gotInfo(CommunicationManager::Info info);
    void getRegulons(QMap<QString, QString> regulons);
    void gotPrograms(QList<CommunicationManager::Program> programs);
    void programUpdated(bool isSuccess, QString message);
    void programError(QString title, QString message);
    void gotProgramStatus(CommunicationManager::ProgramStatus status, QString message);
    void digiUpdate(CommunicationManager::DigiStatus status);
    void gotVersion(QString version);
    void updateProgressBar(int step);
    // A program memory read failed for good (after the silent repetitions);
    // the window shows the message, then gotPrograms follows with an empty list.
    void programsReadFailed(QString message);

private slots:
    void showRequest(const QString &s, int requestId, const QString &requestInfo);
    void processError(const QString &s, int requestId, const QString &requestInfo);
    void processTimeout(const QString &s, int requestId, const QString &requestInfo);

private:
    void countFailure(bool &lostFlag);
    void reportUnanswered(ProgramStatus status);
    void handleIdentity(const QString &answer);
    void scanStep(int waitMs);
    void decodeDigitalStatus(const QString &answer);
    void parseProgramMemory(QString answer);
    void continueProgramWrite(const QString &answer, const QString &requestInfo);
    bool isAwaitedWriteStep(const QString &requestInfo) const;
    void endProgramWrite(bool isSuccess, const QString &message);

    SlaveThread slave;
    std::function<void()> restartHandler;
    static QString cantConnectText();
    // Stored in English with a failed program write; translated where shown.
    const QString wentWrongText;
    Program programBeingWritten;

    // Consecutive failures of the periodic queries since the last answer;
    // the connection is declared lost once per kind of failure.
    int failCount = 0;
    int reportedProgramNumber = 0;
    bool lostByTimeout = false;
    bool lostByError = false;

    QStringList scanPortList;
    int scanIndex = 0;
    QMap<QString, QString> foundRegulons;

    // Failed program memory reads since start-up; the first three are
    // repeated silently.
    int readRetries = 0;
    // The write step whose acknowledgement is awaited, noWrite when none:
    // outcomes of any other step belong to a write that has already ended.
    static constexpr int noWrite = -1;
    int awaitedWriteStep = noWrite;

    DigitalStatus::Remembered digitalWords;
    // Set while alarms of one answer are reported: a message box's nested
    // event loop may deliver the next answer before the first is done.
    bool decoding = false;
};

Q_DECLARE_METATYPE(CommunicationManager::TempData)
Q_DECLARE_METATYPE(CommunicationManager::Info)
Q_DECLARE_METATYPE(CommunicationManager::ProgramStep)
Q_DECLARE_METATYPE(CommunicationManager::Program)
