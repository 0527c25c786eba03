#pragma once

#include <QString>
#include <QStringList>

class QIODevice;

// The records tool's command line: the command, its arguments and options,
// all checked before anything is done, and the help text.
namespace RecordsCommandLine {

// Runs the command of the arguments as the process received them (the
// program's name first) and answers with the exit status (RecordsTool::Status).
int run(const QStringList &arguments, QIODevice &out, QIODevice &err);

// Whether the command draws (a report needs a QGuiApplication for its
// fonts); the others run without a display.
bool needsGui(const QStringList &arguments);
// Whether the command opens a window on the display (a QApplication's).
bool opensWindow(const QStringList &arguments);

// What --help prints: every command, its output and the exit statuses.
QString help();

} // namespace RecordsCommandLine
