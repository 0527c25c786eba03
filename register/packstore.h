#pragma once

#include "register/pack.h"
#include "register/recordstore.h"

#include <QCoreApplication>
#include <QVector>

#include <functional>
#include <optional>

// The packs of a register and the clinic's pack types, on its connection.
// Labels are made only for a cycle whose newest release is "Released"; every
// pack made is entered, with a "packs labelled" audit event, before its
// label is drawn.
class PackStore : public RecordStore
{
    Q_DECLARE_TR_FUNCTIONS(PackStore)

public:
    static constexpr int defaultShelfLifeDays = 180;

    struct PackType {
        QString name;
        int shelfLifeDays = defaultShelfLifeDays;
    };

    explicit PackStore(CycleRegister &cycleRegister, std::function<QDateTime()> clock = {});

    // The pack types the clinic keeps, by name.
    std::optional<QVector<PackType>> packTypes();
    // Adds the type or changes its shelf life (1 to 3650 days), with a
    // "pack type added" or "pack type changed" audit event naming `by`,
    // the supervisor who signed it (checked by the caller; empty: none).
    bool setPackType(const PackType &type, const QString &by = {});

    // Enters `count` (1 to 999) new packs of the cycle, numbered on from its
    // packs before, of the type (its shelf life, or the default for a type
    // the list does not hold), with the initials of the operator who
    // released the load (the account's, or made from the name).
    std::optional<QVector<Pack>> makePacks(qint64 cycleId, int count, const QString &type);

    // The pack of the code (any case, blanks around); a pack with ID 0 when
    // there is none.
    std::optional<Pack> find(const QString &code);
    // A cycle's packs by number.
    std::optional<QVector<Pack>> packsOfCycle(qint64 cycleId);
    // The packs not used that expire on or before the day, soonest first.
    std::optional<QVector<Pack>> expiring(const QDate &lastDay, int limit = 1000);

    // "RG100001-0042-03": the serial's letters and digits, the cycle number
    // (its entry's ID after "E" when unknown) and the pack number.
    static QString code(const QString &controllerSerial, int cycleNumber, qint64 cycleId, int number);
    // The SHA-256 of the pack's canonical form "vaporin-pack-1".
    static QString recordHash(const Pack &pack, const QString &cycleEntryHash);

private:
    std::optional<QVector<Pack>> select(const QString &where, const QVariantList &values, const QString &tail);

};
