#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

// An operator's account in the register: who signs releases, labels and
// uses. Never deleted: a deactivated account still names what it signed.
struct OperatorAccount {
    enum class Role { Operator, Supervisor };

    qint64 id = 0;
    QString name;
    QString initials; // on the labels
    Role role = Role::Operator;
    bool active = true;
    QDateTime changedAt;
    QString hash; // of the record's own fields

    // The sign-in's state.
    int failedPins = 0;      // wrong PINs in a row
    QDateTime lockedUntil;   // invalid: not locked

    static QString roleKeyword(Role role)
    {
        return role == Role::Supervisor ? QStringLiteral("supervisor") : QStringLiteral("operator");
    }
    // "AM" for "A. Meier": what a label shows of a name without account.
    static QString initialsOf(const QString &name)
    {
        QString initials;
        for (const QString &word : name.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            if (word.at(0).isLetter() && initials.size() < 3)
                initials += word.at(0).toUpper();
        return initials;
    }
    static std::optional<Role> parseRole(const QString &text)
    {
        const QString t = text.trimmed().toLower();
        if (t == QLatin1String("supervisor"))
            return Role::Supervisor;
        if (t == QLatin1String("operator"))
            return Role::Operator;
        return std::nullopt;
    }
};
