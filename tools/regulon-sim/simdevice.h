#pragma once

#include "device/communicationmanager.h"
#include "tools/regulon-sim/chambermodel.h"
#include "tools/regulon-sim/pseudoterminal.h"
#include "tools/regulon-sim/simprogrammemory.h"

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QTimer>

#include <array>
#include <functional>
#include <memory>
#include <optional>

class QSocketNotifier;

// The simulated controller itself. Lives on the simulator's own thread:
// reads command lines from the pseudo-terminal, answers them from its
// dispatch table and applies the faults that were asked for. RegulonSim is
// its thread-safe front.
class SimDevice : public QObject
{
    Q_OBJECT

public:
    // Run status codes of GET_STAT (second field).
    enum RunState { SensorFault = 0, Idle = 10, Heating = 20, Holding = 30, Stopped = 50, Finished = 60 };

    // Word 3 bits that the controller sets itself.
    static constexpr quint32 finishedBit = 1u << 6;
    static constexpr quint32 stoppedByUserBit = 1u << 25;

    // Answers one command line; receives the text after the keyword
    // (trimmed) and returns the complete answer, empty for none. Record
    // lines of a program write have the keyword ":".
    using Handler = std::function<QByteArray(const QByteArray &argument)>;

    // How the next answer (to a command with the given keyword, or to any
    // command when the keyword is empty) leaves the simulator.
    struct Shaping {
        enum Kind { Replace, Delay, Split, Trickle };
        Kind kind = Delay;
        QByteArray keyword;
        int delayMs = 0;
        QByteArray raw; // Replace only
    };

    explicit SimDevice(QObject *parent = nullptr);
    ~SimDevice() override;

    bool plugIn(const QString &linkPath, QString *error);
    void unplug();
    bool isPluggedIn() const { return pty.isOpen(); }
    QString devicePath() const { return pty.devicePath(); }

    void addCommand(const QByteArray &keyword, Handler handler);

    QString serialNumber;
    int cycleCounter = 0;
    QString firmwareVersion = QStringLiteral("2.4.1");
    // The stored programs: start command n runs the n-th of its image.
    SimProgramMemory memory;
    std::array<quint32, 3> statusWords {};
    bool silent = false;
    bool sensorFault = false;
    std::optional<int> startRefusal;
    std::optional<int> stopRefusal;
    QList<Shaping> shapings;

    // Sends the line every intervalMs milliseconds, whatever is asked, as a
    // device that never falls silent would; 0 stops it.
    void setChatter(int intervalMs, const QByteArray &line);

    void setSpeed(double factor);
    // Brings the chamber up to the present of the simulated clock.
    ChamberModel &chamber();
    int runState();

    // A program started at the controller's own keys, as CMD_STAR would.
    void startAtController(int number) { answerStart(QByteArray::number(number)); }

signals:
    void commandReceived(const QByteArray &line);

private:
    void readCommands();
    void handleLine(const QByteArray &line);
    void send(const QByteArray &answer, const std::optional<Shaping> &shaping);

    QByteArray answerTemperature();
    QByteArray answerStart(const QByteArray &argument);
    QByteArray answerStop();

    PseudoTerminal pty;
    std::unique_ptr<QSocketNotifier> notifier;
    QString link;
    QByteArray input;
    QHash<QByteArray, Handler> handlers;
    QTimer chatter {this}; // a child, so that it moves to the simulator's thread
    QByteArray chatterLine;

    ChamberModel model;
    QElapsedTimer clock;
    qint64 clockMs = 0;
    double speed = 1.0;
    int runningProgram = 0;
};
