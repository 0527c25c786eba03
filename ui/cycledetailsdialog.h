#pragma once

#include "register/cycle.h"

#include <QDialog>

#include <memory>

class AuditTrailModel;
class RegisterReader;
class ReleaseHistoryModel;

namespace Ui {
class CycleDetailsDialog;
}

// Everything the register holds about one cycle that the Records tab has no
// room for: every field, the hashes that chain it, its verdict with its
// numbers, its whole release history and its audit trail. Not modal: it
// never stands in the way of a run's questions.
class CycleDetailsDialog : public QDialog
{
    Q_OBJECT

public:
    // The reader must outlive the dialog.
    CycleDetailsDialog(const Cycle &cycle, RegisterReader *reader, QWidget *parent = nullptr);
    ~CycleDetailsDialog() override;

    qint64 cycleId() const { return id; }
    AuditTrailModel *cycleEvents() const { return events; }
    ReleaseHistoryModel *releaseHistory() const { return releases; }

public slots:
    // A release of this cycle was entered: its history and events show it.
    void releaseEntered(qint64 cycleId);

private:
    std::unique_ptr<Ui::CycleDetailsDialog> ui;
    const qint64 id;
    AuditTrailModel *events;
    ReleaseHistoryModel *releases;
};
