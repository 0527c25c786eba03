#include "device/restartcommand.h"

RestartCommand restartCommand(const QString &applicationFilePath, const QStringList &applicationArguments)
{
    return RestartCommand{applicationFilePath, applicationArguments.mid(1)};
}
