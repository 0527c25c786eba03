#pragma once

#include <QLoggingCategory>

// Developer diagnostics only; users never see these lines.
// Enable with QT_LOGGING_RULES="vaporin.*.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcSerial)   // the worker thread and its port
Q_DECLARE_LOGGING_CATEGORY(lcDevice)   // protocol, decoding, program transfer
Q_DECLARE_LOGGING_CATEGORY(lcUi)       // windows
Q_DECLARE_LOGGING_CATEGORY(lcRecords)  // run logs
Q_DECLARE_LOGGING_CATEGORY(lcRegister) // the cycle register
Q_DECLARE_LOGGING_CATEGORY(lcToolkit)  // Qt's own messages, in a command line tool

namespace Logging {

// Sends Qt's own messages ("XDG_RUNTIME_DIR not set") to lcToolkit as
// debug lines, so that a command line tool's standard error holds its own
// messages alone; fatal ones and the station's categories pass as before.
void quietToolkit();

} // namespace Logging
