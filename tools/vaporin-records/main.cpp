#include "app/language.h"
#include "app/logging.h"
#include "app/stationsettings.h"
#include "tools/vaporin-records/recordscommandline.h"
#include "tools/vaporin-records/recordstool.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>
#include <memory>

int main(int argc, char *argv[])
{
    Logging::quietToolkit();
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // Reports draw text and need the fonts of a GUI application, but never
    // a display, whatever the platform variable says: a records tool runs
    // over ssh and in scripts too.
    std::unique_ptr<QCoreApplication> app;
    if (RecordsCommandLine::opensWindow(arguments)) {
        app = std::make_unique<QApplication>(argc, argv);
    } else if (RecordsCommandLine::needsGui(arguments)) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    // The station's settings and data folder, where its register lives.
    StationSettings::nameApplication();
    // Reports and messages for people in the station's language; command
    // names, options and machine-readable lines stay English for scripts.
    Language::install(Language::fromSetting(StationSettings().language()));
    QCoreApplication::setApplicationVersion(QStringLiteral(STATION_VERSION));

    QFile out;
    QFile err;
    out.open(stdout, QIODevice::WriteOnly);
    err.open(stderr, QIODevice::WriteOnly);
    const int status = RecordsCommandLine::run(QCoreApplication::arguments(), out, err);
    // Output lost on a full disk or a closed pipe is a failure, not a result.
    if (!out.flush() || out.error() != QFileDevice::NoError) {
        err.write("vaporin-records: "
                  + QCoreApplication::translate("RecordsTool", "The output could not be written: %1")
                        .arg(out.errorString())
                        .toUtf8()
                  + '\n');
        return RecordsTool::Failed;
    }
    return status;
}
