#pragma once

#include "register/pack.h"
#include "register/packuse.h"
#include "register/recordstore.h"

#include <QCoreApplication>
#include <QVector>

#include <functional>
#include <optional>

// Uses of packs at the chair, recalls and erasures of references, on the
// register's connection. Each use and erasure is an audit event in the
// transaction that makes it; the event names the pack, never the reference.
class PackUses : public RecordStore
{
    Q_DECLARE_TR_FUNCTIONS(PackUses)

public:
    // What the station says of a scanned code before the use is entered.
    struct Check {
        Pack pack; // ID 0: unknown
        QString warning; // empty: nothing to warn of
        bool refused = false; // a recalled pack is never used
    };
    // A pack of a recalled cycle with its uses.
    struct RecallRow {
        Pack pack;
        QVector<PackUse> uses;
    };

    explicit PackUses(CycleRegister &cycleRegister, std::function<QDateTime()> clock = {});

    // The check of the pack (ID 0 for an unknown code) on the day.
    static Check check(const Pack &pack, const QDate &today);
    // The pack of the code and its check; nothing on a database failure.
    std::optional<Check> lookUp(const QString &code);

    // Enters the use of the code for the reference by the operator. Refused
    // when the check refuses it, and when it warns and there is no comment;
    // fills in the use.
    bool enter(PackUse &use);
    // The packs of the cycle, each with its uses, by pack number.
    std::optional<QVector<RecallRow>> recallList(qint64 cycleId);
    // The uses of the reference (any of them, by its keyed hash), newest first.
    std::optional<QVector<PackUse>> usesOf(const QString &reference);
    // Erases the reference of the use; the keyed hash stays. `by` names the
    // supervisor who signed it (checked by the caller).
    bool eraseReference(qint64 useId, const QString &by);

    // The keyed hash of a reference under this register's key, which is
    // made on first use; nothing on a database failure.
    std::optional<QString> referenceHash(const QString &reference);
    // The keyed hash of a reference under the key.
    static QString keyedHash(const QString &reference, const QByteArray &key);
    // The register's key as it is, without making one: empty when there is
    // none yet; nothing, with *error, when it cannot be read.
    static std::optional<QByteArray> storedKey(const QSqlDatabase &db, QString *error);
    // The SHA-256 of the use's canonical form "vaporin-pack-use-1".
    static QString recordHash(const PackUse &use, const QString &packHash);

private:
    std::optional<QByteArray> key();
    std::optional<QVector<PackUse>> selectUses(const QString &where, const QVariantList &values);

};
