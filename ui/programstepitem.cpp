#include "ui/programstepitem.h"

#include "app/language.h"
#include "ui/editporgramstepdialog.h"
#include "ui_programstepitem.h"

namespace {

// The icon grows while the button is held down.
void growIconWhilePressed(QAbstractButton *button)
{
    QObject::connect(button, &QAbstractButton::pressed, button, [button] { button->setIconSize(QSize(24, 24)); });
    QObject::connect(button, &QAbstractButton::released, button, [button] { button->setIconSize(QSize(20, 20)); });
}

} // namespace

ProgramStepItem::ProgramStepItem(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::ProgramStepItem>())
{
    ui->setupUi(this);
    growIconWhilePressed(ui->buttonDeleteStep);
    growIconWhilePressed(ui->buttonEditStep);
}

ProgramStepItem::~ProgramStepItem() = default;

void ProgramStepItem::setStep(CommunicationManager::ProgramStep step)
{
    this->step = step;
    ui->stepTitle_3->setText(tr("Step %1").arg(step.number));
    ui->stepDesc_3->setText(tr("%1 minutes at %2 °C")
                                .arg(step.minutes)
                                .arg(Language::locale().toString(step.temperature, 'f', 1)));
}

void ProgramStepItem::on_buttonDeleteStep_clicked()
{
    emit onDelete(step);
}

void ProgramStepItem::on_buttonEditStep_clicked()
{
    EditPorgramStepDialog dialog;
    dialog.setMinutes(step.minutes);
    dialog.setTemperature(step.temperature);
    if (dialog.exec() != QDialog::Accepted)
        return;
    step.minutes = dialog.minutes();
    step.temperature = dialog.temperature();
    emit onEdit(step);
}
