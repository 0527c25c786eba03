#pragma once

#include <QLoggingCategory>

// Developer diagnostics only; users never see these lines.
// Enable with QT_LOGGING_RULES="vaporin.*.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcSerial)   // the worker thread and its port
Q_DECLARE_LOGGING_CATEGORY(lcDevice)   // protocol, decoding, program transfer
Q_DECLARE_LOGGING_CATEGORY(lcUi)       // windows
Q_DECLARE_LOGGING_CATEGORY(lcRecords)  // run logs
Q_DECLARE_LOGGING_CATEGORY(lcRegister) // the cycle register
