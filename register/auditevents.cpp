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

std::optional<AuditEvent> settingsChange(const QVariantMap &before, const QVariantMap &after)
{
    QJsonObject changes;
    for (auto it = after.cbegin(); it != after.cend(); ++it) {
        if (before.value(it.key()) != it.value())
            changes.insert(it.key(), QJsonObject{{QStringLiteral("before"), QJsonValue::fromVariant(before.value(it.key()))},
                                                 {QStringLiteral("after"), QJsonValue::fromVariant(it.value())}});
    }
    if (changes.isEmpty())
        return std::nullopt;
    AuditEvent event;
    event.kind = QLatin1String(settingsChangeKind);
    event.details = QString::fromUtf8(QJsonDocument(changes).toJson(QJsonDocument::Compact));
    return event;
}

} // namespace AuditEvents
