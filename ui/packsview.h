#pragma once

#include "register/cycle.h"
#include "register/packuse.h"
#include "register/packuses.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class QPrinter;
class RegisterReader;
class SignerChooser;

namespace Ui {
class PacksView;
}

// The Records tab's "Packs" view: a pack's code scanned (a USB scanner types
// it and Enter) with the patient's reference is entered as a use; what the
// register warns of (unknown, not released, expired, already used) shows in
// red and takes a comment to use the pack all the same; a recalled pack is
// refused. For the cycle chosen in the list it prints labels and writes the
// recall report; below, the packs that expire soon or have expired. Reads
// and writes go through the tab's register reader, off the GUI thread.
class PacksView : public QWidget
{
    Q_OBJECT

public:
    PacksView(RegisterReader *reader, QWidget *parent = nullptr);
    ~PacksView() override;

    // The cycle chosen in the list (with its newest release), or none.
    void setCycle(const std::optional<Cycle> &cycle);
    // How a printer is set up, and where a file is saved (an empty name:
    // cancelled); dialogs unless set.
    void setPrinterChooser(std::function<bool(QPrinter &)> chooser);
    void setSaveFileChooser(std::function<QString(const QString &title, const QString &name)> chooser);

    // Reads the list of packs that expire within the days of the setting
    // packs/expiry_warning_days (14 unless set) again.
    void refreshExpiring();

signals:
    // A use entered; its reference never leaves the view otherwise.
    void useEntered(const PackUse &use);
    // The labels or the recall report written, or why not.
    void labelsDone(const QString &error);
    void recallReportDone(const QString &error);
    void expiringShown(int packs);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void scanned();
    void showCheck(const PackUses::Check &check);
    void submitUse(const QString &comment);
    void useFinished(const PackUse &use, const QString &error);
    void showMessage(const QString &text, bool problem);
    void writeLabels(bool print);
    void writeRecallReport();
    void showExpiring(const QVector<Pack> &packs, const QString &error);
    void readPackTypes();

    std::unique_ptr<Ui::PacksView> ui;
    RegisterReader *reader;
    SignerChooser *signer;
    std::optional<Cycle> cycle;
    std::function<bool(QPrinter &)> printerChooser;
    std::function<QString(const QString &, const QString &)> saveFileChooser;
    QString pendingCode; // the code waiting for a confirmation
};
