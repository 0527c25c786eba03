#pragma once

#include "reports/verificationsummary.h"

#include <QCoreApplication>
#include <QString>

// A verification's result as a PDF for the files: the register, when it was
// verified, the result in plain words, what was checked and every finding,
// on as many A4 pages as they need, "Page N of M" on each.
class VerificationReport
{
    Q_DECLARE_TR_FUNCTIONS(VerificationReport)

public:
    // The file is replaced only when it was written completely; on failure
    // `error` says why.
    static bool writePdf(const QString &fileName, const VerificationSummary &summary, const QString &clinicName,
                         QString *error = nullptr);
};
