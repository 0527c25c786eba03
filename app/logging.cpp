#include "app/logging.h"

Q_LOGGING_CATEGORY(lcSerial, "vaporin.serial", QtWarningMsg)
Q_LOGGING_CATEGORY(lcDevice, "vaporin.device", QtWarningMsg)
Q_LOGGING_CATEGORY(lcUi, "vaporin.ui", QtWarningMsg)
Q_LOGGING_CATEGORY(lcRecords, "vaporin.records", QtWarningMsg)
Q_LOGGING_CATEGORY(lcRegister, "vaporin.register", QtWarningMsg)
