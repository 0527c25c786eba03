#pragma once

#include "register/packuse.h"

#include <QDialog>

#include <memory>

class RegisterReader;
class SignerChooser;

namespace Ui {
class EraseReferenceDialog;
}

// The confirmation of a patient reference's erasure from one use, on
// request: it names the pack and the day, never the reference; a supervisor
// chosen among the accounts signs with the PIN. Erased through the register
// reader, off the GUI thread; the dialog closes once the reference is gone,
// and says why not otherwise.
class EraseReferenceDialog : public QDialog
{
    Q_OBJECT

public:
    EraseReferenceDialog(RegisterReader *reader, const PackUse &use, QWidget *parent = nullptr);
    ~EraseReferenceDialog() override;

    // What the dialog asks about the use.
    static QString question(const PackUse &use);

signals:
    // The erasure's outcome: empty when the reference is erased.
    void erasingFinished(const QString &error);

private:
    void erase();
    void finish(const QString &error);

    std::unique_ptr<Ui::EraseReferenceDialog> ui;
    RegisterReader *reader;
    SignerChooser *signer;
    const qint64 useId;
};
