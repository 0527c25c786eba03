#pragma once

#include "register/cycleregister.h"
#include "register/recordstore.h"
#include "register/registertransfer.h"

#include <QCoreApplication>
#include <QHash>
#include <QVector>

#include <optional>

// Carries the records kept beside the cycles (operator accounts, pack types,
// packs and their uses) from one register into another, on the target's
// connection, after the cycles they belong to (see RegisterTransfer). Each
// record arrives once however often it is carried, found in the target by
// its natural key:
//
// - An account by its name (any case), or by the name it had before a
//   rename; the target's is brought to the source's state when the
//   source's changed later. Wrong PINs and lock-outs stay each register's.
// - A pack type by its name; the target's shelf life is replaced only when
//   replacePackTypes is set (a station sends a change it made).
// - A pack by its code. The target enters it as its own, as it enters a
//   cycle: a link of its controller's chain there, its hash over the
//   target's entry of its cycle.
// - A use by its code, time and operator, after its pack. The reference
//   goes only as the source stores it: erased there, it is erased in the
//   target too and never carried; otherwise the target keeps its keyed hash
//   under its own key, so that the target finds the reference's uses.
//
// A record whose hash does not hold over its fields is refused (nothing
// after it is carried): a new hash would hide the change. Audit events go
// separately, with the trail (RegisterTransfer::carryEvents).
class RecordTransfer : public RecordStore
{
    Q_DECLARE_TR_FUNCTIONS(RecordTransfer)

public:
    RecordTransfer(CycleRegister &from, CycleRegister &to);

    bool replacePackTypes = false;

    // Every record of the source as outbox items: accounts, pack types,
    // packs and uses, each kind in the order it was made.
    std::optional<QVector<CycleRegister::OutboxItem>> all();
    // The source's cycles of the items' packs and of the packs of their
    // uses: those must be in the target, with their releases, first.
    std::optional<QVector<qint64>> cyclesOf(const QVector<CycleRegister::OutboxItem> &items);
    // Carries the items of a record kind, in their order; targetIds maps
    // the source's entry IDs to the target's for every cycle of cyclesOf().
    // False on a failure (result.error) or a refusal (result.refused).
    bool carry(const QVector<CycleRegister::OutboxItem> &items, const QHash<qint64, qint64> &targetIds,
               RegisterTransfer::Result &result);

private:
    struct Carried {
        qint64 id = 0;
        QString hash;
        QString controllerSerial;
    };
    bool carryAccount(const CycleRegister::OutboxItem &item, RegisterTransfer::Result &result);
    bool carryPackType(const QString &name, RegisterTransfer::Result &result);
    std::optional<Carried> carryPack(qint64 id, const QHash<qint64, qint64> &targetIds,
                                     RegisterTransfer::Result &result);
    bool carryUse(qint64 id, const QHash<qint64, qint64> &targetIds, RegisterTransfer::Result &result);
    // The source's row; nothing, with the error, when it cannot be read or
    // is not there.
    std::optional<QSqlQuery> source(const QString &statement, const QVariantList &values);
    bool refuse(RegisterTransfer::Result &result, const QString &record);

    CycleRegister &from;
    QHash<qint64, Carried> packs; // by the source's pack ID
};
