#pragma once

#include "register/operatoraccount.h"
#include "register/recordstore.h"

#include <QCoreApplication>
#include <QVector>

#include <functional>
#include <optional>

// The operator accounts of a register, on its connection. The first account
// made is a supervisor and needs nobody's signature; every later change is
// signed by an active supervisor with the PIN. Every change is an audit
// event in the transaction that makes it; PINs are kept only as PinHash.
//
// Signing in: five wrong PINs in a row lock the account for five minutes;
// while locked even the right PIN is refused. A right PIN clears the count.
class OperatorAccounts : public RecordStore
{
    Q_DECLARE_TR_FUNCTIONS(OperatorAccounts)

public:
    static constexpr int maxFailedPins = 5;
    static constexpr int lockMinutes = 5;

    // Who signs a change or a record: an account's name and the PIN typed.
    struct Signature {
        QString name;
        QString pin;
    };

    // clock: the time now (tests move it); the system's by default.
    explicit OperatorAccounts(CycleRegister &cycleRegister, std::function<QDateTime()> clock = {});

    // All accounts, by name; nothing on a database failure.
    std::optional<QVector<OperatorAccount>> accounts();
    // Whether the register has any account: without, releases are named
    // rather than signed, as before accounts existed.
    std::optional<bool> any();
    std::optional<OperatorAccount> account(qint64 id);
    // Who a record that needs no PIN names (a use at the chair): the
    // active account of this name (any case) when the register has
    // accounts, otherwise the name as typed (ID 0); nothing, with the
    // reason, for another name.
    std::optional<OperatorAccount> named(const QString &name);

    // The active account of this name (any case) when the PIN is its PIN;
    // otherwise nothing, errorString() says why (unknown, inactive, locked
    // until when, wrong PIN with the attempts left).
    std::optional<OperatorAccount> signIn(const Signature &signature);
    // As signIn, for what only a supervisor signs (account changes, pack
    // types, erasures): another account is refused.
    std::optional<OperatorAccount> supervisor(const Signature &by);

    // Adds the account (name, initials, role) with the PIN; fills in its ID,
    // time and hash. The first account is made a supervisor and `by` is not
    // looked at; later ones need `by` to be a supervisor.
    bool add(OperatorAccount &account, const QString &pin, const Signature &by);
    // Changes the name, initials, role and active flag of the account of
    // account.id to those given, signed by a supervisor. A supervisor cannot
    // take away the last active supervisor.
    bool change(const OperatorAccount &account, const Signature &by);
    // Sets a new PIN and unlocks the account, signed by a supervisor.
    bool resetPin(qint64 id, const QString &pin, const Signature &by);

    // Enters the account's state as it is, time and hash included: a new
    // account when its ID is 0 (which is filled in), otherwise a change of
    // the account of its ID, as a new row of its history linked into the
    // station's chain of the ledger; within a transaction.
    bool enter(OperatorAccount &account, const QString &pinHash);

    // The SHA-256 of the account's canonical form "vaporin-operator-1".
    static QString recordHash(const OperatorAccount &account, const QString &pinHash);

private:
    std::optional<OperatorAccount> select(const QString &where, const QVariantList &values);
    QString accountProblem(const OperatorAccount &account);
    // Stamps the account with the time now and its hash, and enters it.
    bool store(OperatorAccount &account, const QString &pinHash);
    bool audit(const char *kind, const OperatorAccount &account, const QString &by);
    bool recordFailure(const OperatorAccount &account);

};
