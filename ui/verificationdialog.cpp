#include "ui/verificationdialog.h"

#include "app/stationsettings.h"
#include "register/cycleregister.h"
#include "reports/verificationreport.h"
#include "ui_verificationdialog.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>

VerificationDialog::VerificationDialog(const RegisterLocation &location, QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::VerificationDialog>())
    , location(location)
    , registerName(location.isServer() ? location.toString() : QDir::toNativeSeparators(location.path()))
{
    ui->setupUi(this);
    ui->labelRegister->setText(tr("Register: %1").arg(registerName));
}

VerificationDialog::~VerificationDialog()
{
    if (worker)
        worker->wait();
}

bool VerificationDialog::isRunning() const
{
    return worker && worker->isRunning();
}

void VerificationDialog::start()
{
    if (isRunning())
        return;
    if (worker)
        worker->wait(); // ended: its finished() is delivered already
    ui->pushButtonSavePdf->setEnabled(false);
    ui->progressBarVerification->setRange(0, 0); // until the entries are counted
    ui->labelHeadline->setText(tr("Verifying: every entry, release, verdict, log file and time stamp is read…"));
    ui->plainTextEditResult->clear();
    const QString certificate = StationSettings().tsaCertificate();
    worker.reset(QThread::create([this, location = location, certificate] {
        QString error;
        RegisterVerification::Result verification;
        const std::unique_ptr<CycleRegister> reg = CycleRegister::opened(QStringLiteral("verification"), location, &error);
        if (!reg) {
            verification.report.error = error;
        } else {
            verification = RegisterVerification::run(
                *reg, RegisterVerification::logsToCheck(*reg), certificate, {}, [this](int done, int total) {
                    QMetaObject::invokeMethod(this, [this, done, total] { progressed(done, total); },
                                              Qt::QueuedConnection);
                });
        }
        QMetaObject::invokeMethod(this, [this, verification] { finished(verification); }, Qt::QueuedConnection);
    }));
    worker->setObjectName(QStringLiteral("verification"));
    worker->start(QThread::LowPriority);
}

void VerificationDialog::progressed(int done, int total)
{
    ui->progressBarVerification->setRange(0, qMax(total, 1));
    ui->progressBarVerification->setValue(total ? done : 1);
}

void VerificationDialog::finished(const RegisterVerification::Result &verification)
{
    result = VerificationSummary::of(verification, registerName, QDateTime::currentDateTime());
    ui->progressBarVerification->setRange(0, 1);
    ui->progressBarVerification->setValue(1);
    ui->labelHeadline->setText(result->headline);
    ui->labelHeadline->setStyleSheet(result->intact ? QString() : QStringLiteral("color: #b00020; font-weight: bold;"));
    QStringList text{result->explanation, QString()};
    text << result->checked;
    if (!result->findings.isEmpty())
        text << QString() << tr("Findings:") << result->findings;
    ui->plainTextEditResult->setPlainText(text.join(QLatin1Char('\n')));
    ui->pushButtonSavePdf->setEnabled(true);
    emit verified(*result);
}

void VerificationDialog::on_pushButtonSavePdf_clicked()
{
    if (!result)
        return;
    if (pdfFolder.isEmpty())
        pdfFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString proposed =
        QStringLiteral("register-verification-%1.pdf").arg(result->verifiedAt.toString(QStringLiteral("yyyy-MM-dd-HHmm")));
    QFileDialog dialog(this, tr("Save verification"), QDir(pdfFolder).filePath(proposed), tr("PDF files (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString file = dialog.selectedFiles().constFirst();
    pdfFolder = QFileInfo(file).absolutePath();
    QString error;
    if (!VerificationReport::writePdf(file, *result, StationSettings().clinicName(), &error))
        QMessageBox::warning(this, tr("Save verification"), tr("The PDF could not be written.\n%1").arg(error));
}
