#include "ui/recordssettingsdialog.h"

#include "app/language.h"
#include "register/auditevents.h"
#include "ui_recordssettingsdialog.h"

#include <QPushButton>

RecordsSettingsDialog::RecordsSettingsDialog(const RecordsSettings &current, QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::RecordsSettingsDialog>())
    , before(current)
{
    ui->setupUi(this);
    setWindowModality(Qt::NonModal);
    for (QDoubleSpinBox *box : {ui->doubleSpinBoxLowerTolerance, ui->doubleSpinBoxUpperBand})
        box->setRange(0.0, CycleVerdict::Band::maxKelvin);
    ui->labelBounds->setText(tr("Each tolerance from 0 to %1 K. The cycles entered from now on are judged by them; "
                                "the verdicts entered before keep the band they were judged by.")
                                 .arg(Language::locale().toString(CycleVerdict::Band::maxKelvin)));
    ui->lineEditClinicName->setText(current.clinicName);
    ui->doubleSpinBoxLowerTolerance->setValue(current.band.lowerTolerance);
    ui->doubleSpinBoxUpperBand->setValue(current.band.upperBand);
    // High enough for every line of the wrapped notes, more in longer languages.
    resize(width(), qMax(height(), heightForWidth(width())));
}

RecordsSettingsDialog::~RecordsSettingsDialog() = default;

RecordsSettings RecordsSettingsDialog::settings() const
{
    return {ui->lineEditClinicName->text().trimmed(),
            {ui->doubleSpinBoxLowerTolerance->value(), ui->doubleSpinBoxUpperBand->value()}};
}

void RecordsSettingsDialog::accept()
{
    const std::optional<AuditEvent> change = AuditEvents::settingsChange(before.values(), settings().values());
    if (!change) {
        QDialog::accept();
        return;
    }
    setSaving(true);
    emit saveRequested(*change);
}

void RecordsSettingsDialog::savingFinished(const QString &error)
{
    setSaving(false);
    if (error.isEmpty())
        QDialog::accept();
    else
        ui->labelMessage->setText(error);
}

void RecordsSettingsDialog::setSaving(bool on)
{
    for (QWidget *field : std::initializer_list<QWidget *>{ui->lineEditClinicName, ui->doubleSpinBoxLowerTolerance,
                                                          ui->doubleSpinBoxUpperBand,
                                                          ui->buttons->button(QDialogButtonBox::Save),
                                                          ui->buttons->button(QDialogButtonBox::Cancel)})
        field->setEnabled(!on);
    ui->labelMessage->setText(on ? tr("Saving…") : QString());
}
