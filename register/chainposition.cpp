#include "register/chainposition.h"

#include <QRegularExpression>

QString ChainPosition::text() const
{
    // In one pass: a serial number may hold "%1".
    return QStringLiteral("%1 #%2 %3").arg(chain, QString::number(sequence), hash.left(16));
}

std::optional<ChainPosition> ChainPosition::parse(const QString &text)
{
    // The chain is a controller's serial number: no blanks in it.
    static const QRegularExpression form(QStringLiteral("^\\s*(\\S+)\\s+#([0-9]{1,18})\\s+([0-9a-fA-F]{8,64})\\s*$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    ChainPosition position;
    position.chain = match.captured(1);
    position.sequence = match.captured(2).toLongLong();
    position.hash = match.captured(3).toLower();
    if (position.sequence <= 0)
        return std::nullopt;
    return position;
}
