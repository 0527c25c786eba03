#pragma once

#include "register/cycle.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

#include <functional>
#include <optional>

class CycleRegister;
struct SqlDialect;

// What the register's own kinds of record beside the cycles (operators,
// packs, uses) share: their queries on the register's connection in its
// dialect, their transactions, the audit event each change makes in the
// transaction that makes it, and the error of the last failure.
class RecordStore
{
public:
    // clock: the time now (tests move it); the system's by default.
    explicit RecordStore(CycleRegister &cycleRegister, std::function<QDateTime()> clock = {});

    QString errorString() const { return lastError; }
    CycleRegister &cycleRegister() const { return owner; }

protected:
    // The time now as it reads back from the register, so that a hash is
    // that of the stored value.
    QDateTime now() const;
    // The statement prepared with the values bound and run; nothing on failure.
    std::optional<QSqlQuery> run(const QString &statement, const QVariantList &values = {});
    // The first column of the first row; a null QVariant without row.
    std::optional<QVariant> value(const QString &statement, const QVariantList &values = {});
    // work() in a transaction that writes: committed when it succeeds,
    // rolled back with its error kept otherwise.
    template<typename Work>
    bool transaction(Work &&work)
    {
        if (!run(beginWrite))
            return false;
        if (work() && run(QStringLiteral("COMMIT")))
            return true;
        const QString error = lastError;
        run(QStringLiteral("ROLLBACK"));
        return fail(error);
    }
    // The event with this time, the user and station filled in, appended to
    // the audit trail (and to the outbox of a register that fills one);
    // within a transaction.
    bool appendEvent(AuditEvent event);
    // In a register that fills its outbox (see CycleRegister::setFillingOutbox),
    // the record of this kind, ID and key waits there to be sent; within a
    // transaction.
    bool toOutbox(const QString &kind, qint64 id, const QString &key = {});
    // The record as the next link of its controller's chain of the ledger
    // (kind: "pack", "use"); within a transaction.
    bool link(const QString &controllerSerial, const QString &kind, qint64 id, const QString &hash);
    bool fail(const QString &error);

    QSqlDatabase db;

private:
    CycleRegister &owner;
    QString beginWrite;
    std::function<QDateTime()> clock;
    QString lastError;
};
