#pragma once

#include "register/cycleverifier.h"
#include "register/release.h"

#include <QHash>
#include <QString>
#include <QVector>

class CycleRegister;

// Moves the entries and the audit trail of one register into another: a
// station's register file onto the clinic's server, for one.
//
// Each entry keeps its content: station, controller, cycle and program
// numbers, program name and steps, start and end, status, versions,
// samples, log path and SHA-256, origin. The target enters it as its own,
// as it enters any cycle: with an ID of its own, at the end of its chain of
// that controller, entered now, with a hash of its own over all that; its
// verdict is judged there by the band it was judged by here. The
// event that records it, "cycle migrated", names the source, the entry's ID
// and hash there and when it was entered there, so that an entry can be
// followed back into the source's chain. Entries go in the order of their
// controller's chain. An entry the target holds already (its log, or its
// controller's cycle started at that instant) is not entered again.
//
// Each entry's release history goes along, each release once: the target
// appends those it does not hold yet (the same time, user, station and
// decision with its details), keeping their times, users and stations, to
// the history of the entry there, with hashes of its own.
//
// The audit trail goes along as it is (times, users, stations), each event
// once, naming its cycle by the cycle's ID in the target.
//
// Operator accounts, pack types, packs and their uses go along after the
// releases, each once (see RecordTransfer).
//
// A source whose entries are not intact is not moved: a new chain would
// give altered entries hashes that hold. Log files are not read; they stay
// where they are and the target names them where they are.
namespace RegisterTransfer {

struct Result {
    int moved = 0;
    int alreadyPresent = 0;
    int events = 0;        // audit events carried
    int eventsPresent = 0; // audit events the target held already
    int releases = 0;        // releases carried
    int releasesPresent = 0; // releases the target held already
    // Records beside the cycles (see RecordTransfer) carried, and found there.
    int accounts = 0;
    int accountsPresent = 0;
    int packTypes = 0; // added or changed
    int packs = 0;
    int packsPresent = 0;
    int uses = 0;
    int usesPresent = 0;
    // Why nothing was moved: the source's entries are not intact.
    QVector<CycleVerifier::Problem> refused;
    // A register failed. What was moved before stays moved; moving again
    // goes on from there.
    QString error;
};

// Moving again adds nothing that was moved before, also while another
// transfer into the same register runs (see TransferLock).
Result transfer(CycleRegister &from, CycleRegister &to);

// The steps of a transfer, for moving part of a register (a station's
// outbox), while holding the target's TransferLock. Each adds to result and
// returns false on a failure.
//
// Moves these entries of from, in this order, each with an event of kind
// that names where it came from (as "cycle migrated" does); the ID each
// has in to goes into targetIds. An entry whose hash does not hold over
// its content is refused, and nothing after it is moved.
bool moveEntries(CycleRegister &from, CycleRegister &to, const QVector<qint64> &ids, const QString &kind,
                 Result &result, QHash<qint64, qint64> &targetIds);
// Appends the releases (each cycle's in its order) that to does not hold
// yet to the histories of their cycles there: targetIds holds every cycle
// they name. Call it before carrying the releases' events.
bool carryReleases(CycleRegister &to, const QVector<Release> &releases, const QHash<qint64, qint64> &targetIds,
                   Result &result);
// Appends the events (oldest first) to to, each once, naming their cycles
// by their IDs there: targetIds holds every cycle they name.
bool carryEvents(CycleRegister &to, QVector<AuditEvent> events, const QHash<qint64, qint64> &targetIds,
                 Result &result);

} // namespace RegisterTransfer
