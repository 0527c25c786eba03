#pragma once

#include "register/operatoraccount.h"

#include <QObject>
#include <QPointer>
#include <QVector>

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class RegisterReader;

// Who signs, in a form's own chooser and PIN field: once the register has
// operator accounts, the active ones that may sign are offered by name,
// initials and role (typing on the keyboard selects as well), then the PIN.
// A register without accounts takes a typed name and no PIN, as it always
// did; while the accounts are unread or unreadable, both can be typed and
// the register decides.
class SignerChooser : public QObject
{
    Q_OBJECT

public:
    enum class Signers { Anyone, Supervisors };

    // pin and pinLabel may be null: a record that names its operator
    // without a PIN. The chooser starts with the name proposed.
    SignerChooser(QComboBox *names, QLineEdit *pin, QLabel *pinLabel, Signers signers, const QString &proposed,
                  QObject *parent);

    // The accounts that may sign, in their order: the active ones, only the
    // supervisors when only they sign.
    static QVector<OperatorAccount> offered(const QVector<OperatorAccount> &accounts, Signers signers);
    // "A. Meier (AM), operator"
    static QString itemText(const OperatorAccount &account);

    // Reads the accounts off the GUI thread and offers them (loaded tells).
    void load(RegisterReader *reader);
    // Offers these accounts; none: a typed name. The name chosen or typed
    // before stays chosen when it is offered; otherwise nobody is chosen
    // (the first supervisor where only supervisors sign).
    void setAccounts(const QVector<OperatorAccount> &accounts);

    // The name chosen or typed, trimmed.
    QString name() const;
    QString pin() const;
    // The account chosen; none while names are typed.
    std::optional<OperatorAccount> chosen() const;
    // Whether the register has accounts (the chooser lists them then).
    bool hasAccounts() const { return listed; }
    // A PIN is typed for each signature, never kept for the next.
    void clearPin();

signals:
    // Another account chosen, another name typed, or the accounts offered.
    void changed();
    // The accounts read (error empty) or why not.
    void loaded(const QString &error);

private:
    void showTyped(bool pinShown);

    QPointer<QComboBox> names;
    QPointer<QLineEdit> pinField;
    QPointer<QLabel> pinLabel;
    const Signers signers;
    QVector<OperatorAccount> shown;
    bool listed = false;
};
