#include "app/heappolicy.h"
#include "app/station.h"
#include "app/stationsettings.h"
#include "device/restartcommand.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    HeapPolicy::returnLargeBlocks();
    keepCommandLine(argc, argv);
    QApplication app(argc, argv);
    // Lets the desktop show the installed entry's name and icon for the
    // station's windows.
    QGuiApplication::setDesktopFileName(QStringLiteral(STATION_APP_ID));
    StationSettings::nameApplication();
    return Station::run();
}
