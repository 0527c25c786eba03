#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class EditPorgramStepDialog;
}

// Asks for one step's holding time and temperature. The spin boxes keep the
// values within what the controller's program memory can hold.
class EditPorgramStepDialog : public QDialog
{
    Q_OBJECT

public:
    explicit EditPorgramStepDialog(QWidget *parent = nullptr);
    ~EditPorgramStepDialog() override;

    int minutes() const;
    void setMinutes(int minutes);
    double temperature() const;
    void setTemperature(double temperature);

private:
    std::unique_ptr<Ui::EditPorgramStepDialog> ui;
};
