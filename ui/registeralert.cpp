#include "ui/registeralert.h"

#include "register/registerwriter.h"

#include <QApplication>
#include <QMessageBox>

RegisterAlert::RegisterAlert(RegisterWriter *writer, QWidget *window)
    : QObject(window)
    , window(window)
{
    deferral.setInterval(250);
    deferral.setSingleShot(true);
    connect(&deferral, &QTimer::timeout, this, &RegisterAlert::showWhenFree);
    connect(writer, &RegisterWriter::failed, this, &RegisterAlert::registerFailed);
    connect(writer, &RegisterWriter::waitingChanged, this, &RegisterAlert::waitingChanged);
}

void RegisterAlert::registerFailed(const QString &why)
{
    reason = why;
    pending = !told;
}

void RegisterAlert::waitingChanged(int count)
{
    waiting = count;
    if (count == 0) {
        // The episode is over: the next failure is told again.
        told = false;
        pending = false;
        deferral.stop();
    } else if (pending) {
        showWhenFree();
    }
}

void RegisterAlert::showWhenFree()
{
    if (!pending)
        return;
    if (QApplication::activeModalWidget()) {
        deferral.start();
        return;
    }
    pending = false;
    told = true;
    auto *box = new QMessageBox(
        QMessageBox::Warning, tr("Cycle Register"),
        tr("The cycle register cannot be written at the moment:\n%1\n\n"
           "Run logs are saved as always. The register's entries are kept and will be entered automatically "
           "as soon as it can be written again (waiting now: %2).")
            .arg(reason)
            .arg(waiting),
        QMessageBox::Ok, window);
    box->setTextFormat(Qt::PlainText); // the reason may quote names from the register
    box->setWindowModality(Qt::NonModal);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->show();
}
