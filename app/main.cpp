#include "app/station.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Lets the desktop show the installed entry's name and icon for the
    // station's windows.
    QGuiApplication::setDesktopFileName(QStringLiteral(STATION_APP_ID));
    return Station::run();
}
