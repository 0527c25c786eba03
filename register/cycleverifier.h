#pragma once

#include "register/cycle.h"

#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

class CycleRegister;

// Checks that the register and the logs it names are as they were entered.
namespace CycleVerifier {

struct Problem {
    enum Kind {
        EntryAltered,   // its fields or samples differ from what its hash covers
        SamplesDamaged, // its samples cannot be read, or not as many as entered
        ChainBroken,    // it does not link to the entry before it
        EntriesMissing, // entries of a chain are gone (in the middle, or the newest)
        LogMissing,
        LogAltered,
        LogUnreadable,
        // Its stored verdict is missing, or not what judging its samples by
        // the stored band gives.
        VerdictAltered,
        ReleaseAltered,     // a release's fields, or its cycle's, differ from what its hash covers
        ReleaseChainBroken, // a release does not link to the cycle's release before it
        ReleasesMissing,    // releases of a cycle are gone (in the middle, or the newest)
        WitnessContradicted, // a position witnessed outside the register is no longer on its chain
        TimeStampInvalid,    // a stored time stamp does not verify against the authority's certificate
    };
    Kind kind;
    // The entry it concerns, that follows the missing ones, or whose
    // releases it concerns; 0 for a whole chain.
    qint64 cycleId = 0;
    QString controllerSerial;
    QString text; // for people, naming the entry
};

struct Report {
    int entries = 0;
    int chains = 0;
    int releases = 0;
    int logs = 0; // log files checked
    int logsSkipped = 0; // log files the choice of Logs left out
    QVector<Problem> problems;
    QString error; // the register could not be read; nothing was checked
    bool intact() const { return error.isEmpty() && problems.isEmpty(); }
};

// Which log files a verification reads.
enum class Logs {
    All,
    // Those of the entries this computer entered: on a server, the others'
    // logs lie on the stations that wrote them.
    OfThisStation,
    None,
};

// Every entry's hash, every chain's links, sequence and head, every samples
// blob, every verdict (judged again by its stored band), every release's
// hash, links, sequence and head, and the presence and SHA-256 of the log
// files chosen; every problem is reported. Entries and log files are
// checked on all cores.
//
// progress, when given, hears how many of the entries have been checked,
// on the verifying thread, from 0 of all to all of all.
using Progress = std::function<void(int done, int total)>;
Report verifyRegister(CycleRegister &cycleRegister, Logs logs = Logs::All, const Progress &progress = {});

struct FileCheck {
    enum Status {
        Ok,         // the register holds this content: entries
        Altered,    // the register holds a log of this file name with other content: entries
        Unknown,    // neither
        Unreadable, // the file cannot be read: error
    };
    QString file;
    Status status = Unknown;
    QVector<Cycle> entries;
    QString error;
};

// Each file against the register, by content and then by file name. An
// empty result with *error set when the register cannot be read.
QVector<FileCheck> verifyFiles(CycleRegister &cycleRegister, const QStringList &files, QString *error);

// "entry 17 (controller RG-1, cycle 42, started 2024-03-05 14:07:09 +01:00)"
QString describe(const Cycle &cycle);

} // namespace CycleVerifier
