#pragma once

#include <QString>
#include <QStringList>

// The program and arguments that start a fresh instance of this station.
struct RestartCommand {
    QString program;
    QStringList arguments;
};

// Keeps the command line exactly as the process received it. Called in
// main() before the application object is built: building it removes the
// toolkit's own options (-platform, -style, ...) from
// QCoreApplication::arguments(), and the new instance must get them too.
void keepCommandLine(int argc, const char *const argv[]);

// This executable with the arguments kept, but not the program name that
// leads them, or every restart would add one more copy of it.
RestartCommand restartCommand();
