#include "ui/editporgramstepdialog.h"

#include "app/language.h"
#include "ui_editporgramstepdialog.h"

#include <QPushButton>

namespace {
const char refusedField[] = "border: 2px solid #b01e1e;";
}

EditPorgramStepDialog::EditPorgramStepDialog(QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::EditPorgramStepDialog>())
{
    ui->setupUi(this);
    connect(ui->spinBoxMinutes, QOverload<int>::of(&QSpinBox::valueChanged), this, &EditPorgramStepDialog::check);
    connect(ui->doubleSpinBoxTemp, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this,
            &EditPorgramStepDialog::check);
    check();
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

QString EditPorgramStepDialog::minutesProblem(int minutes)
{
    if (minutes < 0 || minutes > mostMinutes)
        return tr("The time must be 0 to %1 minutes.").arg(mostMinutes);
    return {};
}

QString EditPorgramStepDialog::temperatureProblem(double celsius)
{
    if (!(celsius >= lowestCelsius && celsius <= highestCelsius))
        return tr("The temperature must be %1 to %2 °C.")
            .arg(Language::locale().toString(lowestCelsius, 'f', 1),
                 Language::locale().toString(highestCelsius, 'f', 1));
    return {};
}

void EditPorgramStepDialog::check()
{
    const QString minutesWrong = minutesProblem(minutes());
    const QString temperatureWrong = temperatureProblem(temperature());
    for (const auto &[field, problem] : {std::pair<QAbstractSpinBox *, QString>{ui->spinBoxMinutes, minutesWrong},
                                         {ui->doubleSpinBoxTemp, temperatureWrong}}) {
        field->setStyleSheet(problem.isEmpty() ? QString() : QString::fromLatin1(refusedField));
        field->setToolTip(problem);
    }
    ui->labelProblem->setText(minutesWrong.isEmpty() ? temperatureWrong : minutesWrong);
    ui->buttonBox->button(QDialogButtonBox::Ok)->setEnabled(minutesWrong.isEmpty() && temperatureWrong.isEmpty());
}
