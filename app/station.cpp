#include "app/station.h"

#include "app/language.h"
#include "app/startwindow.h"
#include "app/stationsettings.h"
#include "ui/mainwindow.h"

#include <QApplication>

int Station::run(CommunicationManager *manager)
{
    // Before the first window: texts are translated as widgets are built.
    Language::install(Language::fromSetting(StationSettings().language()));
    MainWindow mainWindow(manager);
    // Before anything else: a run that a crash or power cut interrupted gets
    // its log now, right after the box about the log folder.
    mainWindow.recoverInterruptedRuns();
    StartWindow startWindow(manager);
    if (startWindow.exec() != QDialog::Accepted)
        return 0;
    mainWindow.setControllerSerial(startWindow.selectedSerial());
    // Shown for every accepted choice, also for a controller that reports
    // the start window's initial serial number "00000000".
    mainWindow.show();
    return QApplication::exec();
}
