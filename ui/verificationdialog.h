#pragma once

#include "register/registerlocation.h"
#include "register/registerverification.h"
#include "reports/verificationsummary.h"

#include <QDialog>
#include <QThread>

#include <memory>
#include <optional>

namespace Ui {
class VerificationDialog;
}

// "Verify register...": the register's full verification (every entry,
// release, verdict, log file and time stamp) on a thread of its own with a
// progress bar, then the result in plain words with every finding, which
// can be saved as a PDF. Closing it while it verifies lets the
// verification finish; its result is still announced.
class VerificationDialog : public QDialog
{
    Q_OBJECT

public:
    explicit VerificationDialog(const RegisterLocation &location, QWidget *parent = nullptr);
    // Waits for a verification under way.
    ~VerificationDialog() override;

    // Starts a verification unless one is under way.
    void start();
    bool isRunning() const;
    const std::optional<VerificationSummary> &summary() const { return result; }

signals:
    void verified(const VerificationSummary &summary);

private slots:
    void on_pushButtonSavePdf_clicked();

private:
    void progressed(int done, int total);
    void finished(const RegisterVerification::Result &verification);

    std::unique_ptr<Ui::VerificationDialog> ui;
    const RegisterLocation location;
    const QString registerName;
    std::unique_ptr<QThread> worker;
    std::optional<VerificationSummary> result;
    QString pdfFolder; // where the last PDF went
};
