#include "ui/operatorsdialog.h"

#include "register/operatoraccounts.h"
#include "register/registerreader.h"
#include "ui/signerchooser.h"
#include "ui_operatorsdialog.h"

#include <QPointer>

OperatorsDialog::OperatorsDialog(RegisterReader *reader, QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::OperatorsDialog>())
    , reader(reader)
{
    ui->setupUi(this);
    signer = new SignerChooser(ui->comboBoxSupervisor, ui->lineEditSupervisorPin, ui->labelSupervisorPin,
                               SignerChooser::Signers::Supervisors, QString(), this);
    ui->comboBoxRole->addItem(tr("Operator"), int(OperatorAccount::Role::Operator));
    ui->comboBoxRole->addItem(tr("Supervisor"), int(OperatorAccount::Role::Supervisor));
    ui->tableWidgetAccounts->setColumnCount(4);
    ui->tableWidgetAccounts->setHorizontalHeaderLabels({tr("Name"), tr("Initials"), tr("Role"), tr("State")});
    connect(ui->tableWidgetAccounts, &QTableWidget::itemSelectionChanged, this, &OperatorsDialog::choose);
    connect(ui->pushButtonAdd, &QPushButton::clicked, this, [this] { run(Action::Add); });
    connect(ui->pushButtonChange, &QPushButton::clicked, this, [this] { run(Action::Change); });
    connect(ui->pushButtonResetPin, &QPushButton::clicked, this, [this] { run(Action::ResetPin); });
    connect(ui->pushButtonClose, &QPushButton::clicked, this, &QDialog::accept);
    ui->pushButtonChange->setEnabled(false);
    ui->pushButtonResetPin->setEnabled(false);
    run(Action::Read);
}

OperatorsDialog::~OperatorsDialog() = default;

void OperatorsDialog::choose()
{
    const int row = ui->tableWidgetAccounts->currentRow();
    const bool chosen = row >= 0 && row < shown.size();
    ui->pushButtonChange->setEnabled(chosen);
    ui->pushButtonResetPin->setEnabled(chosen);
    if (!chosen)
        return;
    const OperatorAccount &a = shown[row];
    ui->lineEditName->setText(a.name);
    ui->lineEditInitials->setText(a.initials);
    ui->comboBoxRole->setCurrentIndex(ui->comboBoxRole->findData(int(a.role)));
    ui->checkBoxActive->setChecked(a.active);
}

// The action, then the accounts read anew, on the reader's thread.
void OperatorsDialog::run(Action action)
{
    OperatorAccount account;
    const int row = ui->tableWidgetAccounts->currentRow();
    if (action != Action::Add && row >= 0 && row < shown.size())
        account = shown[row];
    account.name = ui->lineEditName->text();
    account.initials = ui->lineEditInitials->text();
    account.role = OperatorAccount::Role(ui->comboBoxRole->currentData().toInt());
    account.active = ui->checkBoxActive->isChecked();
    const QString pin = ui->lineEditNewPin->text();
    const OperatorAccounts::Signature by{signer->name(), signer->pin()};
    ui->lineEditNewPin->clear();
    signer->clearPin();
    setEnabled(false);
    QPointer<OperatorsDialog> dialog(this);
    const auto finished = [dialog](const QVector<OperatorAccount> &accounts, const QString &error) {
        if (dialog)
            dialog->showAccounts(accounts, error);
    };
    reader->access(
        [=](CycleRegister &r) -> RegisterReader::Done {
            OperatorAccounts accounts(r);
            OperatorAccount changed = account;
            const bool ok = action == Action::Add        ? accounts.add(changed, pin, by)
                : action == Action::Change               ? accounts.change(changed, by)
                : action == Action::ResetPin             ? accounts.resetPin(changed.id, pin, by)
                                                         : true;
            QString error = ok ? QString() : accounts.errorString();
            const std::optional<QVector<OperatorAccount>> all = accounts.accounts();
            if (!all && error.isEmpty())
                error = accounts.errorString();
            return [=] { finished(all.value_or(QVector<OperatorAccount>()), error); };
        },
        [=](const QString &error) { finished({}, error); });
}

void OperatorsDialog::showAccounts(const QVector<OperatorAccount> &accounts, const QString &error)
{
    setEnabled(true);
    shown = accounts;
    // Unread accounts leave the supervisors offered as they were.
    if (error.isEmpty())
        signer->setAccounts(accounts);
    QTableWidget *table = ui->tableWidgetAccounts;
    table->setRowCount(accounts.size());
    for (int row = 0; row < accounts.size(); ++row) {
        const OperatorAccount &a = accounts[row];
        const QStringList cells{a.name, a.initials,
                                a.role == OperatorAccount::Role::Supervisor ? tr("Supervisor") : tr("Operator"),
                                a.active ? tr("active") : tr("deactivated")};
        for (int column = 0; column < cells.size(); ++column)
            table->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    table->resizeColumnsToContents();
    ui->labelResult->setStyleSheet(error.isEmpty() ? QString() : QStringLiteral("color: #b00020;"));
    ui->labelResult->setText(!error.isEmpty() ? error
                             : accounts.isEmpty() ? tr("No accounts yet: the first one made is a supervisor and "
                                                       "needs no signature.")
                                                  : tr("%n accounts.", nullptr, accounts.size()));
    emit accountsShown(error);
}
