#pragma once

#include <QString>
#include <QStringList>

// The program and arguments that start a fresh instance of this station.
struct RestartCommand {
    QString program;
    QStringList arguments;
};

// `applicationArguments` is the running instance's full argument list, whose
// first element names the program itself; it is not passed on, or every
// restart would add one more copy of the program path.
RestartCommand restartCommand(const QString &applicationFilePath, const QStringList &applicationArguments);
