#include "app/heappolicy.h"
#include "app/station.h"
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
    // The station's own data folder (the journals of runs in progress) is
    // named like its settings, whatever the executable is called.
    QCoreApplication::setOrganizationName(QStringLiteral("Vaporin"));
    QCoreApplication::setApplicationName(QStringLiteral("Vaporin Regulon"));
    return Station::run();
}
