#include "ui/exitquestion.h"

#include "app/texts.h"
#include "register/storedtext.h"

#include <QCoreApplication>
#include <QMessageBox>

bool ExitQuestion::confirm(QWidget *parent, bool programRunning)
{
    const QString title = QCoreApplication::translate("ExitQuestion", "Exit");
    if (QMessageBox::question(parent, title, QCoreApplication::translate("ExitQuestion", "Do you want to exit?"),
                              QMessageBox::Yes | QMessageBox::Cancel, QMessageBox::NoButton)
        != QMessageBox::Yes)
        return false;
    if (!programRunning)
        return true;
    const QString consequence = QCoreApplication::translate(
        "ExitQuestion",
        "A program is running. The controller goes on with it, but the station stops recording this run: "
        "its log and its register entry end now with the status \"%1\".\nExit anyway?")
        .arg(StoredText::shown(QLatin1String(textStationClosed)));
    return QMessageBox::warning(parent, title, consequence, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes;
}
