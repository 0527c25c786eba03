#include "ui/signerchooser.h"

#include "register/operatoraccounts.h"
#include "register/registerreader.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

SignerChooser::SignerChooser(QComboBox *names, QLineEdit *pin, QLabel *pinLabel, Signers signers,
                             const QString &proposed, QObject *parent)
    : QObject(parent)
    , names(names)
    , pinField(pin)
    , pinLabel(pinLabel)
    , signers(signers)
{
    showTyped(true);
    names->setCurrentText(proposed);
    connect(names, &QComboBox::currentTextChanged, this, &SignerChooser::changed);
}

QVector<OperatorAccount> SignerChooser::offered(const QVector<OperatorAccount> &accounts, Signers signers)
{
    QVector<OperatorAccount> result;
    for (const OperatorAccount &a : accounts)
        if (a.active && (signers == Signers::Anyone || a.role == OperatorAccount::Role::Supervisor))
            result.append(a);
    return result;
}

QString SignerChooser::itemText(const OperatorAccount &account)
{
    return account.role == OperatorAccount::Role::Supervisor ? tr("%1 (%2), supervisor").arg(account.name, account.initials)
                                                             : tr("%1 (%2), operator").arg(account.name, account.initials);
}

void SignerChooser::load(RegisterReader *reader)
{
    QPointer<SignerChooser> chooser(this);
    const auto finished = [chooser](const std::optional<QVector<OperatorAccount>> &accounts, const QString &error) {
        if (!chooser)
            return;
        if (accounts)
            chooser->setAccounts(*accounts);
        else
            chooser->showTyped(true);
        emit chooser->changed();
        emit chooser->loaded(error);
    };
    reader->access(
        [finished](CycleRegister &r) -> RegisterReader::Done {
            OperatorAccounts accounts(r);
            const std::optional<QVector<OperatorAccount>> all = accounts.accounts();
            const QString error = all ? QString() : accounts.errorString();
            return [finished, all, error] { finished(all, error); };
        },
        [finished](const QString &error) { finished(std::nullopt, error); });
}

void SignerChooser::setAccounts(const QVector<OperatorAccount> &accounts)
{
    if (!names)
        return;
    const QString before = name();
    const QSignalBlocker quiet(names);
    shown.clear();
    if (accounts.isEmpty()) {
        showTyped(false);
    } else {
        // Only the supervisors may be offered, and there may be none of them
        // active: then the chooser is empty and nobody can sign.
        shown = offered(accounts, signers);
        names->clear();
        names->setEditable(false);
        for (const OperatorAccount &a : qAsConst(shown))
            names->addItem(itemText(a), a.name);
        // Nobody is taken for someone else: a name that is not offered
        // leaves the choice to the user, where no PIN would catch it.
        const int found = names->findData(before, Qt::UserRole, Qt::MatchFixedString);
        names->setCurrentIndex(found >= 0 || signers == Signers::Anyone ? found : 0);
        if (pinField)
            pinField->show();
        if (pinLabel)
            pinLabel->show();
    }
    // With accounts but none that may sign here, the list stays empty:
    // nobody signs by typing a name.
    listed = !accounts.isEmpty();
    emit changed();
}

void SignerChooser::showTyped(bool pinShown)
{
    const QString typed = name();
    listed = false;
    names->clear();
    names->setEditable(true);
    names->setCurrentText(typed);
    if (pinField)
        pinField->setVisible(pinShown);
    if (pinLabel)
        pinLabel->setVisible(pinShown);
}

QString SignerChooser::name() const
{
    if (!names)
        return {};
    return (names->isEditable() ? names->currentText() : names->currentData().toString()).trimmed();
}

QString SignerChooser::pin() const
{
    return pinField ? pinField->text() : QString();
}

std::optional<OperatorAccount> SignerChooser::chosen() const
{
    if (!names || names->isEditable())
        return std::nullopt;
    const int index = names->currentIndex();
    return index >= 0 && index < shown.size() ? std::optional(shown[index]) : std::nullopt;
}

void SignerChooser::clearPin()
{
    if (pinField)
        pinField->clear();
}
