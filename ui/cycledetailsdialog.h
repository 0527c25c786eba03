#pragma once

#include "register/cycle.h"

#include <QDialog>

#include <memory>

class AuditTrailModel;
class RegisterReader;

namespace Ui {
class CycleDetailsDialog;
}

// Everything the register holds about one cycle that the Records tab has no
// room for: every field, the hashes that chain it, and its audit trail.
// Not modal: it never stands in the way of a run's questions.
class CycleDetailsDialog : public QDialog
{
    Q_OBJECT

public:
    // The reader must outlive the dialog.
    CycleDetailsDialog(const Cycle &cycle, RegisterReader *reader, QWidget *parent = nullptr);
    ~CycleDetailsDialog() override;

    AuditTrailModel *cycleEvents() const { return events; }

private:
    std::unique_ptr<Ui::CycleDetailsDialog> ui;
    AuditTrailModel *events;
};
