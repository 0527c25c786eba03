#pragma once

#include "register/cycle.h"

#include <QDialog>

#include <memory>
#include <optional>

class SignerChooser;

namespace Ui {
class ReleaseDialog;
}

// The release form of one cycle: who decides what about its load, on which
// indicators. Saving appends an entry to the cycle's release history; the
// form of a cycle with a history starts from its newest entry. It is never
// modal: a run's questions come above it and are answered, and a run never
// waits for it.
//
// Save asks for the release to be stored (saveRequested); the form stays,
// unchangeable, until savingFinished() says it is stored (the form closes)
// or why not (it can be saved again).
class ReleaseDialog : public QDialog
{
    Q_OBJECT

public:
    // The cycle with its verdict and newest release; the operator proposed
    // when it is not empty.
    ReleaseDialog(const Cycle &cycle, const QString &lastOperator, QWidget *parent = nullptr);
    ~ReleaseDialog() override;

    qint64 cycleId() const { return cycle.id; }
    // The release the form describes, of its cycle.
    Release release() const;
    // The PIN typed, which signs the release; never part of it.
    QString pin() const;
    // Why the form cannot be saved as it is; empty when it can.
    QString problem() const;
    // Who signs: the accounts it offers are read by whoever opens the form.
    SignerChooser *signer() const { return chooser; }

    void savingFinished(const QString &error);

signals:
    void saveRequested(const Release &release);

public slots:
    void accept() override;

private:
    std::optional<CycleVerdict::Result> verdict() const;
    // The proposed decision, as the indicators are changed.
    void followIndicators();
    void updateRule();
    void setSaving(bool saving);

    std::unique_ptr<Ui::ReleaseDialog> ui;
    const Cycle cycle;
    SignerChooser *chooser;
    bool saving = false;
    bool decisionChosen = false; // by the user, or by the release the form starts from
};
