#include "device/restartcommand.h"

#include <QCoreApplication>
#include <QFile>

namespace {

QStringList &keptArguments()
{
    static QStringList arguments;
    return arguments;
}

} // namespace

void keepCommandLine(int argc, const char *const argv[])
{
    QStringList &arguments = keptArguments();
    arguments.clear();
    for (int i = 1; i < argc; ++i)
        arguments << QFile::decodeName(argv[i]);
}

RestartCommand restartCommand()
{
    return RestartCommand{QCoreApplication::applicationFilePath(), keptArguments()};
}
