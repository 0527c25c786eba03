#include "register/chainposition.h"

#include <QRegularExpression>

QString ChainPosition::text() const
{
    // In one pass: a serial number may hold "%1".
    return QStringLiteral("%1 #%2 %3").arg(chain, QString::number(sequence), hash.left(16));
}

std::optional<ChainPosition> ChainPosition::parse(const QString &text)
{
    // The chain is everything before the last " #": a serial number may hold
    // spaces.
    static const QRegularExpression form(QStringLiteral("^(\\S.*) #([1-9][0-9]{0,17}) ([0-9a-fA-F]{8,64})$"));
    const QRegularExpressionMatch match = form.match(text.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    return ChainPosition{match.captured(1).trimmed(), match.captured(2).toLongLong(), match.captured(3).toLower()};
}

bool ChainPosition::matches(const QString &linkHash) const
{
    return !hash.isEmpty() && linkHash.startsWith(hash);
}
