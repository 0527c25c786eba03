#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class EditPorgramStepDialog;
}

// Asks for one step's holding time and temperature. A value outside what
// the controller takes is refused where it was typed: the field is marked
// and says why, and OK waits until it is corrected. The spin boxes take
// more digits than allowed, so that no keystroke is silently dropped.
class EditPorgramStepDialog : public QDialog
{
    Q_OBJECT

public:
    static constexpr int mostMinutes = 65535;
    static constexpr double lowestCelsius = 20.0;
    static constexpr double highestCelsius = 140.0;

    explicit EditPorgramStepDialog(QWidget *parent = nullptr);
    ~EditPorgramStepDialog() override;

    int minutes() const;
    void setMinutes(int minutes);
    double temperature() const;
    void setTemperature(double temperature);

    // Why the value cannot be taken; empty when it can.
    static QString minutesProblem(int minutes);
    static QString temperatureProblem(double celsius);

private:
    void check();

    std::unique_ptr<Ui::EditPorgramStepDialog> ui;
};
