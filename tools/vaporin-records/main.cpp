#include "app/stationsettings.h"
#include "tools/vaporin-records/recordscommandline.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>
#include <memory>

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // Reports draw text and need the fonts of a GUI application, but no
    // display: a records tool runs over ssh and in scripts too.
    std::unique_ptr<QCoreApplication> app;
    if (RecordsCommandLine::opensWindow(arguments)) {
        app = std::make_unique<QApplication>(argc, argv);
    } else if (RecordsCommandLine::needsGui(arguments)) {
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    // The station's settings and data folder, where its register lives.
    StationSettings::nameApplication();
    QCoreApplication::setApplicationVersion(QStringLiteral(STATION_VERSION));

    QFile out;
    QFile err;
    out.open(stdout, QIODevice::WriteOnly);
    err.open(stderr, QIODevice::WriteOnly);
    return RecordsCommandLine::run(QCoreApplication::arguments(), out, err);
}
