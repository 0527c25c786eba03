#include "ui/packtypesdialog.h"

#include "register/operatoraccounts.h"
#include "register/registerreader.h"
#include "ui/signerchooser.h"
#include "ui_packtypesdialog.h"

#include <QHeaderView>
#include <QPointer>
#include <QScrollBar>

PackTypesDialog::PackTypesDialog(RegisterReader *reader, QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::PackTypesDialog>())
    , reader(reader)
{
    ui->setupUi(this);
    signer = new SignerChooser(ui->comboBoxSupervisor, ui->lineEditSupervisorPin, ui->labelSupervisorPin,
                               SignerChooser::Signers::Supervisors, QString(), this);
    ui->tableWidgetPackTypes->setColumnCount(2);
    ui->tableWidgetPackTypes->setHorizontalHeaderLabels({tr("Type"), tr("Shelf life (days)")});
    fitColumns();
    connect(ui->tableWidgetPackTypes, &QTableWidget::itemSelectionChanged, this, &PackTypesDialog::choose);
    connect(ui->pushButtonSaveType, &QPushButton::clicked, this, [this] { run(true); });
    connect(ui->pushButtonClose, &QPushButton::clicked, this, &QDialog::accept);
    signer->load(reader);
    run(false);
}

PackTypesDialog::~PackTypesDialog() = default;

// The columns whole, headers included, in every language: the dialog widens
// to the table rather than hiding a column behind a scroll bar.
void PackTypesDialog::fitColumns()
{
    QTableWidget *table = ui->tableWidgetPackTypes;
    table->resizeColumnsToContents();
    table->setMinimumWidth(table->verticalHeader()->sizeHint().width() + table->horizontalHeader()->length()
                           + 2 * table->frameWidth() + table->verticalScrollBar()->sizeHint().width());
}

void PackTypesDialog::choose()
{
    const int row = ui->tableWidgetPackTypes->currentRow();
    if (row < 0 || row >= shown.size())
        return;
    ui->lineEditPackTypeName->setText(shown[row].name);
    ui->spinBoxShelfLife->setValue(shown[row].shelfLifeDays);
}

// The change signed by the supervisor, then the types read anew, on the
// reader's thread.
void PackTypesDialog::run(bool save)
{
    if (save && !signer->hasAccounts()) {
        ui->labelResult->setStyleSheet(QStringLiteral("color: #b00020;"));
        ui->labelResult->setText(tr("Only a supervisor changes pack types: make the first account, a supervisor, "
                                    "with Operators... first."));
        return;
    }
    const PackStore::PackType type{ui->lineEditPackTypeName->text(), ui->spinBoxShelfLife->value()};
    const OperatorAccounts::Signature by{signer->name(), signer->pin()};
    signer->clearPin();
    setEnabled(false);
    QPointer<PackTypesDialog> dialog(this);
    const auto finished = [dialog](const QVector<PackStore::PackType> &types, const QString &error) {
        if (dialog)
            dialog->showTypes(types, error);
    };
    reader->access(
        [=](CycleRegister &r) -> RegisterReader::Done {
            PackStore store(r);
            QString error;
            if (save) {
                OperatorAccounts accounts(r);
                const std::optional<OperatorAccount> supervisor = accounts.supervisor(by);
                if (!supervisor)
                    error = accounts.errorString();
                else if (!store.setPackType(type, supervisor->name))
                    error = store.errorString();
            }
            const std::optional<QVector<PackStore::PackType>> types = store.packTypes();
            if (!types && error.isEmpty())
                error = store.errorString();
            return [=] { finished(types.value_or(QVector<PackStore::PackType>()), error); };
        },
        [=](const QString &error) { finished({}, error); });
}

void PackTypesDialog::showTypes(const QVector<PackStore::PackType> &types, const QString &error)
{
    setEnabled(true);
    shown = types;
    QTableWidget *table = ui->tableWidgetPackTypes;
    table->setRowCount(types.size());
    for (int row = 0; row < types.size(); ++row) {
        table->setItem(row, 0, new QTableWidgetItem(types[row].name));
        auto *days = new QTableWidgetItem(QString::number(types[row].shelfLifeDays));
        days->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        table->setItem(row, 1, days);
    }
    fitColumns();
    ui->labelResult->setStyleSheet(error.isEmpty() ? QString() : QStringLiteral("color: #b00020;"));
    ui->labelResult->setText(!error.isEmpty() ? error
                             : types.isEmpty()
                             ? tr("No types yet: every pack keeps %n days unless its type says otherwise.", nullptr,
                                  PackStore::defaultShelfLifeDays)
                             : tr("A type not listed keeps %n days.", nullptr, PackStore::defaultShelfLifeDays));
    emit typesShown(error);
}
