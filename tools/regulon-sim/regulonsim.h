#pragma once

#include "device/communicationmanager.h"

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QStringList>
#include <QThread>

#include <functional>

class SimDevice;

// A simulated Regulon controller behind a pseudo-terminal, answering on a
// thread of its own. Every method may be called from any other thread and
// has taken effect when it returns. Faults marked "next" apply once.
class RegulonSim : public QObject
{
    Q_OBJECT

public:
    explicit RegulonSim(QObject *parent = nullptr);
    // Unplugs (closes the pseudo-terminal, removes the link) and stops.
    ~RegulonSim() override;

    // Opens a new pseudo-terminal and, when linkPath is given, points a
    // symbolic link there at its device (replacing an older link). Plugging
    // in while plugged in first unplugs. False with errorString() on failure.
    bool plugIn(const QString &linkPath = QString());
    // Plugs in again behind the link of the last plugIn().
    bool plugInAgain();
    void unplug();
    bool isPluggedIn() const;
    QString devicePath() const; // the pseudo-terminal's slave, e.g. /dev/pts/3
    QString linkPath() const;
    QString errorString() const;

    void setSerialNumber(const QString &serial);
    QString serialNumber() const;
    void setCycleCounter(int cycle);
    int cycleCounter() const;
    void setFirmwareVersion(const QString &fiveCharacters);
    // Simulated time runs this many times faster than real time.
    void setSpeed(double factor);
    // The six programs of the program memory image; start command n runs
    // the n-th. setPrograms stores up to six in order and empties the slots
    // beyond the list (an empty slot cannot be started); false with
    // errorString() when a program cannot be stored, and nothing changes.
    bool setPrograms(const QList<CommunicationManager::Program> &programs);
    QList<CommunicationManager::Program> programs() const;
    // The image as the read command sends it (without corruption).
    QByteArray programImage() const;
    // Keeps the image in a file: loaded now when it exists, saved after
    // every completed write. False with errorString() for an unreadable
    // or invalid file.
    bool useImageFile(const QString &path);

    double chamberTemperature() const;
    void setChamberTemperature(double celsius);
    // The chamber is held this many kelvin above each step's temperature,
    // as a real one is (see ChamberModel); 0 by default.
    void setRegulationMargin(double kelvin);
    int runState() const;              // second field of the run-status answer
    quint32 statusWord(int word) const; // word 1 to 3
    void setStatusBit(int word, int bit, bool on); // bit 0 to 31; others are ignored
    void setSensorFault(bool on);      // run status 0 while on
    // Starts program 1 to 6 as the controller's own keys do, without the station.
    void startAtController(int number);

    void setSilent(bool silent);
    // Sends the line every intervalMs milliseconds besides the answers, as
    // a device that never falls silent; 0 stops it.
    void setChatter(int intervalMs, const QByteArray &line = defaultChatter);
    static const QByteArray defaultChatter;
    // With an empty keyword the fault applies to the next command (answer)
    // of any kind, otherwise to the next one with that keyword ("GET_TEMP").
    void answerNextWith(const QByteArray &raw, const QByteArray &keyword = QByteArray());
    void delayNextAnswer(int ms, const QByteArray &keyword = QByteArray());
    void splitNextAnswer(int delayMs, const QByteArray &keyword = QByteArray());
    void trickleNextAnswer(int delayMs, const QByteArray &keyword = QByteArray());
    void refuseNextStart(int code);
    void refuseNextStop(int code);
    // Sends line 0 to 64 of the image with a wrong checksum on the next
    // `reads` reads, on every read when negative; 0 stops it.
    void corruptChecksum(int line, int reads);
    // Write step 0 is PUT_EEPROM, 1 to 4 the records, 5 the end record.
    // The next time a write reaches the step, it is answered with a
    // refusal (ACK_EEPROM -1) or not at all, and nothing is stored.
    void refuseWriteStep(int step);
    void ignoreWriteStep(int step);

    // Every command line received, line feed included, oldest first.
    QStringList receivedCommands() const;
    void clearReceivedCommands();

signals:
    // Delivered on the thread this object lives in.
    void commandReceived(const QString &command);

private:
    // Runs f on the simulator's thread and returns when it is done.
    void onSimThread(const std::function<void()> &f) const;

    QThread thread;
    SimDevice *device;
    QString link;
    QString lastError;
    mutable QMutex logMutex;
    QStringList log;
};
