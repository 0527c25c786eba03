#pragma once

#include "app/recordssettings.h"
#include "register/cycle.h"

#include <QDialog>

#include <memory>

namespace Ui {
class RecordsSettingsDialog;
}

// The Records view's settings: the clinic's name and the verdict's
// tolerances, each within its bounds. Like the release form it is never
// modal, and a change counts only once the audit trail holds it: Save asks
// for its event to be stored (saveRequested) and the form stays,
// unchangeable, until savingFinished() says it is (the form closes; the
// caller then applies the settings) or why not. Save without a change
// just closes it.
class RecordsSettingsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit RecordsSettingsDialog(const RecordsSettings &current, QWidget *parent = nullptr);
    ~RecordsSettingsDialog() override;

    // What the form says now.
    RecordsSettings settings() const;
    void savingFinished(const QString &error);

signals:
    // change: the audit event of the settings as the form says them.
    void saveRequested(const AuditEvent &change);

public slots:
    void accept() override;

private:
    void setSaving(bool saving);

    std::unique_ptr<Ui::RecordsSettingsDialog> ui;
    const RecordsSettings before;
};
