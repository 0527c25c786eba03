#pragma once

#include "device/communicationmanager.h"

#include <QWidget>

#include <memory>

namespace Ui {
class ProgramStepItem;
}

// One row of the program editor's step list: the step's number, time and
// temperature with a delete and an edit button. It never changes the program
// itself; it reports the user's choice and the editor applies it.
class ProgramStepItem : public QWidget
{
    Q_OBJECT

public:
    explicit ProgramStepItem(QWidget *parent = nullptr);
    ~ProgramStepItem() override;

    // Shows the step; its number is the 1-based position the editor gave it.
    void setStep(CommunicationManager::ProgramStep step);

signals:
    void onDelete(CommunicationManager::ProgramStep step);
    // The step with the time and temperature the user entered, number kept.
    void onEdit(CommunicationManager::ProgramStep step);

private slots:
    void on_buttonDeleteStep_clicked();
    void on_buttonEditStep_clicked();

private:
    std::unique_ptr<Ui::ProgramStepItem> ui;
    CommunicationManager::ProgramStep step;
};
