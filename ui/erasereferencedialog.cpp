#include "ui/erasereferencedialog.h"

#include "app/language.h"
#include "register/operatoraccounts.h"
#include "register/packuses.h"
#include "register/registerreader.h"
#include "reports/reportformat.h"
#include "ui/signerchooser.h"
#include "ui_erasereferencedialog.h"

#include <QPointer>

EraseReferenceDialog::EraseReferenceDialog(RegisterReader *reader, const PackUse &use, QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::EraseReferenceDialog>())
    , reader(reader)
    , useId(use.id)
{
    ui->setupUi(this);
    ui->labelQuestion->setText(question(use));
    signer = new SignerChooser(ui->comboBoxSupervisor, ui->lineEditSupervisorPin, ui->labelSupervisorPin,
                               SignerChooser::Signers::Supervisors, QString(), this);
    connect(ui->pushButtonErase, &QPushButton::clicked, this, &EraseReferenceDialog::erase);
    connect(ui->pushButtonCancel, &QPushButton::clicked, this, &QDialog::reject);
    signer->load(reader);
}

EraseReferenceDialog::~EraseReferenceDialog() = default;

QString EraseReferenceDialog::question(const PackUse &use)
{
    return tr("Erase the patient's reference from the use of pack %1 on %2? The use stays with its time and "
              "operator; the reference cannot be brought back.")
        .arg(use.code, ReportFormat::instant(use.at, false, Language::locale()));
}

void EraseReferenceDialog::erase()
{
    const OperatorAccounts::Signature by{signer->name(), signer->pin()};
    signer->clearPin();
    setEnabled(false);
    QPointer<EraseReferenceDialog> dialog(this);
    const auto finished = [dialog](const QString &error) {
        if (dialog)
            dialog->finish(error);
    };
    reader->access(
        [=, id = useId](CycleRegister &r) -> RegisterReader::Done {
            OperatorAccounts accounts(r);
            const std::optional<OperatorAccount> supervisor = accounts.supervisor(by);
            PackUses uses(r);
            const QString error = !supervisor                                ? accounts.errorString()
                : !uses.eraseReference(id, supervisor->name) ? uses.errorString()
                                                                               : QString();
            return [=] { finished(error); };
        },
        finished);
}

void EraseReferenceDialog::finish(const QString &error)
{
    setEnabled(true);
    ui->labelResult->setText(error);
    emit erasingFinished(error);
    if (error.isEmpty())
        accept();
}
