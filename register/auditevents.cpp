#include "register/auditevents.h"

#include "register/cyclefields.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace AuditEvents {

namespace {

QJsonObject program(const CommunicationManager::Program &p)
{
    return {{QStringLiteral("name"), p.name}, {QStringLiteral("steps"), CycleFields::stepsText(p.steps)}};
}

} // namespace

AuditEvent programWrite(const QString &controllerSerial, int programNumber,
                        const CommunicationManager::Program &before, const CommunicationManager::Program &after,
                        bool written, const QString &message)
{
    AuditEvent event;
    event.kind = QLatin1String(programWriteKind);
    event.controllerSerial = controllerSerial;
    const QJsonObject details{
        {QStringLiteral("program"), programNumber},
        {QStringLiteral("before"), program(before)},
        {QStringLiteral("after"), program(after)},
        {QStringLiteral("outcome"), written ? QStringLiteral("written") : QStringLiteral("failed")},
        {QStringLiteral("message"), message},
    };
    event.details = QString::fromUtf8(QJsonDocument(details).toJson(QJsonDocument::Compact));
    return event;
}

} // namespace AuditEvents
