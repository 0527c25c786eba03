#pragma once

#include "register/registerverification.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QString>
#include <QStringList>

// A full verification's result in plain words, as the Records tab shows it
// and its PDF prints it.
struct VerificationSummary {
    Q_DECLARE_TR_FUNCTIONS(VerificationSummary)

public:
    QString registerName; // the file or server, as people know it
    QDateTime verifiedAt;
    bool intact = false;
    QString headline;    // "The register is intact." or what is wrong
    QString explanation; // what that proves, and what it cannot
    QStringList checked; // what was checked, a sentence each
    QStringList findings; // every problem, a sentence each, led by what it is
    QString shortResult;  // "intact", "3 problems", "could not be read"

    static VerificationSummary of(const RegisterVerification::Result &result, const QString &registerName,
                                  const QDateTime &verifiedAt);
    // "Last full verification: 2026-12-07 18:00:02 UTC+01:00: intact", or
    // that there was none (an invalid time).
    static QString lastLine(const QDateTime &at, const QString &shortResult);
};
