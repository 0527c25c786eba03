#pragma once

#include "register/operatoraccount.h"

#include <QDialog>
#include <QVector>

#include <memory>

class OperatorAccounts;
class RegisterReader;
class SignerChooser;

namespace Ui {
class OperatorsDialog;
}

// The register's operator accounts: the first one made (a supervisor) needs
// no signature; every later addition, change and PIN reset is signed by a
// supervisor chosen among the accounts, with the PIN. PINs are cleared from
// the form after each try. Reads and writes go through the register reader,
// off the GUI thread.
class OperatorsDialog : public QDialog
{
    Q_OBJECT

public:
    OperatorsDialog(RegisterReader *reader, QWidget *parent = nullptr);
    ~OperatorsDialog() override;

signals:
    // The accounts as read after the last change (or at opening), and its
    // error (empty on success).
    void accountsShown(const QString &error);

private:
    enum class Action { Read, Add, Change, ResetPin };
    void run(Action action);
    void showAccounts(const QVector<OperatorAccount> &accounts, const QString &error);
    void choose();

    std::unique_ptr<Ui::OperatorsDialog> ui;
    RegisterReader *reader;
    SignerChooser *signer;
    QVector<OperatorAccount> shown;
};
