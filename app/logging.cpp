#include "app/logging.h"

Q_LOGGING_CATEGORY(lcSerial, "vaporin.serial", QtWarningMsg)
Q_LOGGING_CATEGORY(lcDevice, "vaporin.device", QtWarningMsg)
Q_LOGGING_CATEGORY(lcUi, "vaporin.ui", QtWarningMsg)
Q_LOGGING_CATEGORY(lcRecords, "vaporin.records", QtWarningMsg)
Q_LOGGING_CATEGORY(lcRegister, "vaporin.register", QtWarningMsg)
Q_LOGGING_CATEGORY(lcToolkit, "vaporin.toolkit", QtWarningMsg)

namespace {

QtMessageHandler passOn = nullptr;

void routeToolkitMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    const bool ours = context.category && qstrncmp(context.category, "vaporin.", 8) == 0;
    if (ours || type == QtFatalMsg)
        passOn(type, context, message);
    else
        qCDebug(lcToolkit).noquote() << message;
}

} // namespace

namespace Logging {

void quietToolkit()
{
    passOn = qInstallMessageHandler(routeToolkitMessage);
}

} // namespace Logging
