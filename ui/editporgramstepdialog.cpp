#include "ui/editporgramstepdialog.h"

#include "ui_editporgramstepdialog.h"

EditPorgramStepDialog::EditPorgramStepDialog(QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::EditPorgramStepDialog>())
{
    ui->setupUi(this);
}

EditPorgramStepDialog::~EditPorgramStepDialog() = default;

int EditPorgramStepDialog::minutes() const
{
    return ui->spinBoxMinutes->value();
}

void EditPorgramStepDialog::setMinutes(int minutes)
{
    ui->spinBoxMinutes->setValue(minutes);
}

double EditPorgramStepDialog::temperature() const
{
    return ui->doubleSpinBoxTemp->value();
}

void EditPorgramStepDialog::setTemperature(double temperature)
{
    ui->doubleSpinBoxTemp->setValue(temperature);
}
