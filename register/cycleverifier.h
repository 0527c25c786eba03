#pragma once

#include "register/chainposition.h"
#include "register/cycle.h"

#include <QMap>

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
        EventAltered,       // an audit event's fields differ from what its hash covers
        LinkBroken,         // the ledger's links are altered, missing, reordered, or its head is wrong
        RecordMissing,      // a record the ledger links is gone
        RecordAltered,      // a record is not what the ledger links
        RecordUnlinked,     // a record is not in the ledger
        // A witnessed position (a printout's, a time stamp's) is gone from
        // the ledger, or holds another hash: the text names the witness.
        WitnessContradicted,
        TimeStampInvalid,   // a stored time stamp does not verify against the authority's certificate
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
    int events = 0;
    int links = 0; // of the ledger
    int ledgerChains = 0;
    QMap<int, int> entriesByScheme; // hash scheme -> entries
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

// Every entry's hash by its own scheme, every chain's links, sequence and
// head, every samples blob, every verdict (judged again by its stored band,
// which a scheme 2 entry's hash covers), every release's hash, links,
// sequence and head, every audit event's hash, every link of the ledger and
// the records it names, each witness (the ledger must still pass through the
// witnessed link), and the presence and SHA-256 of the log files chosen;
// every problem is reported. Entries and log files are checked on all cores.
//
// progress, when given, hears how many of the entries have been checked,
// on the verifying thread, from 0 of all to all of all.
using Progress = std::function<void(int done, int total)>;
Report verifyRegister(CycleRegister &cycleRegister, Logs logs = Logs::All,
                      const QVector<ChainPosition> &witnesses = {}, const Progress &progress = {});

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

// "entry 17 (controller RG-1, cycle 42, started 2024-03-05 14:07:09 +01:00)",
// in the station's language; describeForScripts always in English, for the
// lines of the records tool that scripts read.
QString describe(const Cycle &cycle);
QString describeForScripts(const Cycle &cycle);

} // namespace CycleVerifier
