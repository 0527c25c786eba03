#pragma once

#include "device/communicationmanager.h"
#include "register/cyclesample.h"
#include "register/release.h"
#include "reports/cycleverdict.h"

#include <QDateTime>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QVector>

#include <optional>

// One sterilisation cycle as the register keeps it: what the controller ran,
// when, how it ended, every sample, and the run log that records it.
struct Cycle {
    // How the entry came to be.
    enum class Origin {
        Recorded,  // by the station when the run ended (also a discarded run)
        Recovered, // from the journal of a run the station did not see end
        Imported,  // from a run log on disk
    };

    qint64 id = 0; // the register's entry ID; 0 until entered
    QString station; // host name of the computer that entered it
    QString controllerSerial;
    int cycleNumber = -1; // the controller's cycle counter; -1 when unknown
    int programNumber = 0; // 1 to 6 as the controller counts; 0 when unknown
    QString programName;
    // The program's steps as read from the controller when the run started;
    // empty when unknown (an imported log).
    QList<CommunicationManager::ProgramStep> steps;
    // The recording began after the program had started (a run adopted from
    // the controller), so the samples miss the run's beginning.
    bool adopted = false;
    QDateTime started;  // real instants with their UTC offset
    QDateTime finished;
    QString status;     // as in the run log, e.g. "Successfully completed"
    QString firmwareVersion;
    QString softwareVersion;
    QVector<CycleSample> samples; // all of them, in time order
    QString logPath;   // the run log; empty when the run has none
    QString logSha256; // of the log file's bytes, lowercase hex; empty without log
    QString logName;   // the log's file name, as the register stores it to look it up
    Origin origin = Origin::Recorded;

    // Filled by the register when the entry is made.
    QDateTime enteredAt;
    qint64 chainSequence = 0; // 1 for its controller's first entry
    QString previousHash; // the entry before it in its controller's chain; empty for the first
    QString entryHash;
    // The form of entryHash (see CycleHash): 1 for the entries made before
    // the hash covered the log name and the verdict, 2 since.
    int hashScheme = 2;
    // The number of samples the register holds, also when they were not read.
    int sampleCount = 0;

    // Read with the entry: the verdict the register stored when it was
    // entered (covered by a scheme 2 entry hash), and the newest entry of its
    // release history (none: not released; covered by the release's hash).
    std::optional<CycleVerdict> verdict;
    std::optional<Release> latestRelease;
};

// One line of the register's audit trail.
struct AuditEvent {
    qint64 id = 0;
    QDateTime at;
    QString osUser;   // the operating-system user of the station
    QString station;  // host name
    QString kind;     // e.g. "cycle entered", "program write", "import"
    QString controllerSerial;
    qint64 cycleId = 0; // 0 when the event concerns no single cycle
    QString details;  // a JSON object: what happened, e.g. a program before and after
    QString hash;     // CycleHash::eventHash, filled by the register
};

// For queued signals between the register's threads and for tests' data.
Q_DECLARE_METATYPE(Cycle)
Q_DECLARE_METATYPE(AuditEvent)
