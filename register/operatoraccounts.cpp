#include "register/operatoraccounts.h"

#include "register/cyclerow.h"
#include "register/hashform.h"
#include "register/pinhash.h"
#include "register/sha256.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QRegularExpression>

namespace {

const QString columns = QStringLiteral("id, name, initials, role, active, changed_utc, changed_offset, record_hash,"
                                       " failed_pins, locked_until_utc, pin_hash");

OperatorAccount read(const QSqlQuery &q)
{
    OperatorAccount a;
    a.id = q.value(0).toLongLong();
    a.name = q.value(1).toString();
    a.initials = q.value(2).toString();
    a.role = OperatorAccount::parseRole(q.value(3).toString()).value_or(OperatorAccount::Role::Operator);
    a.active = q.value(4).toInt() != 0;
    a.changedAt = CycleRow::time(q.value(5).toLongLong(), q.value(6).toInt());
    a.hash = q.value(7).toString();
    a.failedPins = q.value(8).toInt();
    if (!q.value(9).isNull())
        a.lockedUntil = QDateTime::fromMSecsSinceEpoch(q.value(9).toLongLong(), Qt::UTC).toLocalTime();
    return a;
}

} // namespace

OperatorAccounts::OperatorAccounts(CycleRegister &cycleRegister, std::function<QDateTime()> clock)
    : RecordStore(cycleRegister, std::move(clock))
{
}

std::optional<QVector<OperatorAccount>> OperatorAccounts::accounts()
{
    std::optional<QSqlQuery> query = run(QStringLiteral("SELECT %1 FROM operators ORDER BY LOWER(name)").arg(columns));
    if (!query)
        return std::nullopt;
    QVector<OperatorAccount> all;
    while (query->next())
        all << read(*query);
    return all;
}

std::optional<bool> OperatorAccounts::any()
{
    const std::optional<QVariant> found = value(QStringLiteral("SELECT id FROM operators LIMIT 1"));
    if (!found)
        return std::nullopt;
    return !found->isNull();
}

std::optional<OperatorAccount> OperatorAccounts::account(qint64 id)
{
    return select(QStringLiteral("id = ?"), {id});
}

std::optional<OperatorAccount> OperatorAccounts::named(const QString &name)
{
    const std::optional<bool> exist = any();
    if (!exist)
        return std::nullopt;
    if (!*exist) {
        OperatorAccount typed;
        typed.name = name.trimmed();
        return typed;
    }
    std::optional<OperatorAccount> found = select(QStringLiteral("LOWER(name) = LOWER(?)"), {name.trimmed()});
    if (!found)
        fail(tr("There is no operator \"%1\".").arg(name.trimmed()));
    else if (!found->active)
        fail(tr("The account of %1 is deactivated.").arg(found->name));
    return found && found->active ? found : std::nullopt;
}

std::optional<OperatorAccount> OperatorAccounts::select(const QString &where, const QVariantList &values)
{
    std::optional<QSqlQuery> query =
        run(QStringLiteral("SELECT %1 FROM operators WHERE %2").arg(columns, where), values);
    if (!query)
        return std::nullopt;
    if (!query->next()) {
        fail(tr("There is no such operator."));
        return std::nullopt;
    }
    return read(*query);
}

std::optional<OperatorAccount> OperatorAccounts::signIn(const Signature &signature)
{
    std::optional<QSqlQuery> query = run(
        QStringLiteral("SELECT %1 FROM operators WHERE LOWER(name) = LOWER(?)").arg(columns), {signature.name.trimmed()});
    if (!query)
        return std::nullopt;
    if (!query->next()) {
        fail(tr("There is no operator \"%1\".").arg(signature.name.trimmed()));
        return std::nullopt;
    }
    const OperatorAccount found = read(*query);
    const QString pinHash = query->value(10).toString();
    query->finish();
    if (!found.active) {
        fail(tr("The account of %1 is deactivated.").arg(found.name));
        return std::nullopt;
    }
    if (found.lockedUntil.isValid() && found.lockedUntil > now()) {
        fail(tr("The account of %1 is locked after %n wrong PINs until %2.", nullptr, maxFailedPins)
                 .arg(found.name, QLocale().toString(found.lockedUntil.toLocalTime().time(), QLocale::ShortFormat)));
        return std::nullopt;
    }
    if (!PinHash::matches(signature.pin, pinHash)) {
        recordFailure(found);
        return std::nullopt;
    }
    if ((found.failedPins != 0 || found.lockedUntil.isValid())
        && !run(QStringLiteral("UPDATE operators SET failed_pins = 0, locked_until_utc = NULL WHERE id = ?"),
                {found.id}))
        return std::nullopt;
    return found;
}

// Counts the wrong PIN in the database, where two stations counting at once
// cannot lose one of them; the fifth locks the account.
bool OperatorAccounts::recordFailure(const OperatorAccount &account)
{
    int failed = 0;
    const bool ok = transaction([&] {
        const std::optional<QVariant> count = value(
            QStringLiteral("UPDATE operators SET failed_pins = failed_pins + 1 WHERE id = ? RETURNING failed_pins"),
            {account.id});
        if (!count)
            return false;
        failed = count->toInt();
        if (failed < maxFailedPins)
            return true;
        OperatorAccount locked = account;
        locked.lockedUntil = now().addSecs(lockMinutes * 60);
        return run(QStringLiteral("UPDATE operators SET failed_pins = 0, locked_until_utc = ? WHERE id = ?"),
                   {CycleRow::utcMs(locked.lockedUntil), account.id})
            && audit("operator locked out", locked, QString());
    });
    if (!ok)
        return false;
    if (failed >= maxFailedPins)
        return fail(
            tr("Wrong PIN. The account of %1 is locked for %n minutes.", nullptr, lockMinutes).arg(account.name));
    return fail(tr("Wrong PIN for %1: %n more attempts before the account is locked.", nullptr, maxFailedPins - failed)
                    .arg(account.name));
}

std::optional<OperatorAccount> OperatorAccounts::supervisor(const Signature &by)
{
    std::optional<OperatorAccount> signer = signIn(by);
    if (signer && signer->role != OperatorAccount::Role::Supervisor) {
        fail(tr("%1 is no supervisor: only a supervisor signs this.").arg(signer->name));
        return std::nullopt;
    }
    return signer;
}

QString OperatorAccounts::accountProblem(const OperatorAccount &account)
{
    static const QRegularExpression control(QStringLiteral("[\\x00-\\x1f\\x7f]"));
    const QString name = account.name.trimmed();
    if (name.isEmpty() || name.size() > 80 || name.contains(control))
        return tr("An operator's name has 1 to 80 characters, without line breaks.");
    const QString initials = account.initials.trimmed();
    if (initials.isEmpty() || initials.size() > 5 || initials.contains(control))
        return tr("Initials have 1 to 5 characters.");
    const std::optional<QVariant> same = value(
        QStringLiteral("SELECT id FROM operators WHERE LOWER(name) = LOWER(?) AND id <> ?"), {name, account.id});
    if (!same)
        return errorString();
    if (!same->isNull())
        return tr("There is an operator \"%1\" already.").arg(name);
    return {};
}

bool OperatorAccounts::add(OperatorAccount &account, const QString &pin, const Signature &by)
{
    const std::optional<bool> existing = any();
    if (!existing)
        return false;
    QString signer;
    if (*existing) {
        const std::optional<OperatorAccount> supervising = supervisor(by);
        if (!supervising)
            return false;
        signer = supervising->name;
    }
    OperatorAccount made = account;
    made.id = 0;
    made.name = made.name.trimmed();
    made.initials = made.initials.trimmed();
    made.active = true;
    if (!*existing)
        made.role = OperatorAccount::Role::Supervisor;
    QString problem = accountProblem(made);
    if (problem.isEmpty())
        problem = PinHash::problem(pin);
    if (!problem.isEmpty())
        return fail(problem);
    const QString pinHash = PinHash::make(pin);
    if (pinHash.isEmpty())
        return fail(tr("The PIN could not be hashed."));
    const bool ok = transaction([&] {
        // Two first accounts made at once: the second needs a signature.
        const std::optional<bool> now = any();
        if (!now)
            return false;
        if (*now != *existing)
            return fail(tr("Another account was made meanwhile: try again."));
        return store(made, pinHash) && toOutbox(QStringLiteral("operator"), made.id, made.name)
            && audit("operator added", made, signer);
    });
    if (ok)
        account = made;
    return ok;
}

bool OperatorAccounts::change(const OperatorAccount &account, const Signature &by)
{
    const std::optional<OperatorAccount> supervising = supervisor(by);
    if (!supervising)
        return false;
    OperatorAccount changed = account;
    changed.name = changed.name.trimmed();
    changed.initials = changed.initials.trimmed();
    const QString problem = accountProblem(changed);
    if (!problem.isEmpty())
        return fail(problem);
    return transaction([&] {
        const std::optional<OperatorAccount> before = select(QStringLiteral("id = ?"), {changed.id});
        const std::optional<QVariant> pinHash =
            before ? value(QStringLiteral("SELECT pin_hash FROM operators WHERE id = ?"), {changed.id}) : std::nullopt;
        if (!pinHash)
            return false;
        if (!changed.active || changed.role != OperatorAccount::Role::Supervisor) {
            const std::optional<QVariant> others =
                value(QStringLiteral("SELECT COUNT(*) FROM operators WHERE role = 'supervisor' AND active = 1"
                                     " AND id <> ?"),
                      {changed.id});
            if (!others)
                return false;
            if (others->toInt() == 0)
                return fail(tr("The register keeps at least one active supervisor."));
        }
        return store(changed, pinHash->toString())
            && toOutbox(QStringLiteral("operator"), changed.id, before->name)
            && audit("operator changed", changed, supervising->name);
    });
}

bool OperatorAccounts::resetPin(qint64 id, const QString &pin, const Signature &by)
{
    const std::optional<OperatorAccount> supervising = supervisor(by);
    if (!supervising)
        return false;
    const QString problem = PinHash::problem(pin);
    if (!problem.isEmpty())
        return fail(problem);
    const QString pinHash = PinHash::make(pin);
    if (pinHash.isEmpty())
        return fail(tr("The PIN could not be hashed."));
    return transaction([&] {
        std::optional<OperatorAccount> account = select(QStringLiteral("id = ?"), {id});
        if (!account)
            return false;
        return store(*account, pinHash) && toOutbox(QStringLiteral("operator"), id, account->name)
            && run(QStringLiteral("UPDATE operators SET failed_pins = 0, locked_until_utc = NULL WHERE id = ?"), {id})
            && audit("operator PIN reset", *account, supervising->name);
    });
}

bool OperatorAccounts::store(OperatorAccount &a, const QString &pinHash)
{
    a.changedAt = now();
    a.hash = recordHash(a, pinHash);
    return enter(a, pinHash);
}

bool OperatorAccounts::enter(OperatorAccount &a, const QString &pinHash)
{
    const QVariantList values{a.name,
                              a.initials,
                              OperatorAccount::roleKeyword(a.role),
                              a.active ? 1 : 0,
                              pinHash,
                              CycleRow::utcMs(a.changedAt),
                              CycleRow::offsetSeconds(a.changedAt),
                              a.hash};
    if (a.id == 0) {
        const std::optional<QVariant> id =
            value(QStringLiteral("INSERT INTO operators (name, initials, role, active, pin_hash, changed_utc,"
                                 " changed_offset, record_hash, failed_pins) VALUES (?, ?, ?, ?, ?, ?, ?, ?, 0)"
                                 " RETURNING id"),
                  values);
        if (!id)
            return false;
        a.id = id->toLongLong();
    }
    // The database copies the change onto the account (see StationRights).
    const std::optional<QVariant> change =
        value(QStringLiteral("INSERT INTO operator_changes (operator_id, name, initials, role, active, pin_hash,"
                             " changed_utc, changed_offset, record_hash) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"
                             " RETURNING id"),
              QVariantList{a.id} + values);
    return change && link(QString(), QStringLiteral("account"), change->toLongLong(), a.hash);
}

// What changed and who signed it; never the PIN nor its hash.
bool OperatorAccounts::audit(const char *kind, const OperatorAccount &a, const QString &by)
{
    AuditEvent event;
    event.at = now();
    event.kind = QString::fromLatin1(kind);
    QJsonObject details{{QStringLiteral("operator"), a.id},
                        {QStringLiteral("name"), a.name},
                        {QStringLiteral("initials"), a.initials},
                        {QStringLiteral("role"), OperatorAccount::roleKeyword(a.role)},
                        {QStringLiteral("active"), a.active},
                        {QStringLiteral("hash"), a.hash}};
    if (!by.isEmpty())
        details.insert(QStringLiteral("by"), by);
    if (a.lockedUntil.isValid())
        details.insert(QStringLiteral("lockedUntil"), a.lockedUntil.toString(Qt::ISODateWithMs));
    event.details = QString::fromUtf8(QJsonDocument(details).toJson(QJsonDocument::Compact));
    return appendEvent(event);
}

// The canonical form "vaporin-operator-1", made as the entries' (see
// HashForm):
//   1  "vaporin-operator-1"
//   2  name
//   3  initials
//   4  role: "operator" or "supervisor"
//   5  active: "1" or "0"
//   6  the PIN's hash as stored
//   7  time of the change (two fields, 7 and 8)
QString OperatorAccounts::recordHash(const OperatorAccount &a, const QString &pinHash)
{
    HashForm form;
    form.field(QByteArray("vaporin-operator-1"));
    form.field(a.name);
    form.field(a.initials);
    form.field(OperatorAccount::roleKeyword(a.role));
    form.field(QByteArray(a.active ? "1" : "0"));
    form.field(pinHash);
    form.instant(a.changedAt);
    return Sha256::hex(form.out);
}
