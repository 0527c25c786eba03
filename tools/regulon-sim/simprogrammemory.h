#pragma once

#include "device/communicationmanager.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// The simulated controller's program memory: the 65-line image it sends as
// one answer, the acknowledged write sequence that replaces its records,
// an optional file that keeps the image across runs, and the faults of
// both directions. The programs it runs are the ones this image holds.
class SimProgramMemory
{
public:
    static constexpr int lineCount = 65;
    static constexpr int programCount = 6;
    static constexpr int lastWriteStep = 5; // PUT_EEPROM, 4 records, end record

    // The factory image.
    SimProgramMemory();

    // The image as it is sent: lines joined by CR LF, none after the last,
    // with the checksum corruption that applies to this read.
    QByteArray answerRead();
    // Write step 0: opens (or restarts) a write.
    QByteArray answerPut();
    // A record line of the write, ":" and line feed removed. A data record
    // replaces the record with the same header; the end record completes
    // the write and saves the image file. Empty for no answer at all.
    QByteArray answerRecord(const QByteArray &record);

    QByteArray image() const;
    QList<CommunicationManager::Program> programs() const;
    // Up to six programs into the slots in order; slots beyond the list
    // become empty. Nothing changes when one cannot be stored.
    bool setPrograms(const QList<CommunicationManager::Program> &programs, QString *error);

    // Loads the file when it exists and saves there from now on.
    bool useFile(const QString &path, QString *error);

    // Line 0 to 64 on the next `reads` reads; every read when negative; 0
    // stops it. Other lines are ignored.
    void corruptChecksum(int line, int reads);
    // Apply to the next time the write reaches that step.
    void refuseWriteStep(int step);
    void ignoreWriteStep(int step);

private:
    // Carries out the write step that has just arrived, unless a fault was
    // set for it: then nothing is stored.
    QByteArray answerStep(const std::function<QByteArray()> &carryOut);
    QByteArray store(const QString &record);
    bool save(const QByteArray &image, QString *error) const;

    QStringList lines;
    QString file;
    // Position in the write sequence of the next line; none outside a write.
    std::optional<int> writeStep;
    int corruptLine = 0;
    int corruptReads = 0;
    std::optional<int> refusedStep;
    std::optional<int> ignoredStep;
};
