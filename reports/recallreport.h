#pragma once

#include "register/cycle.h"
#include "register/packuses.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QString>
#include <QVector>

class QPagedPaintDevice;

// What a recall report shows: the recalled cycle and its packs with their
// uses. The only printout that names patients' references.
struct RecallReportData {
    QString clinicName;
    Cycle cycle; // with its newest release; samples not needed
    QVector<PackUses::RecallRow> packs;
    QDateTime generatedAt; // invalid: now
};

// The recall of one cycle's load: the packs used, with the day and the
// patient's reference (an erased reference shows as erased), and the packs
// not used, to be taken from the shelves.
class RecallReport
{
    Q_DECLARE_TR_FUNCTIONS(RecallReport)

public:
    static bool write(QPagedPaintDevice &device, const RecallReportData &data);
    // An A4 PDF, replaced only when written completely.
    static bool writePdf(const QString &fileName, const RecallReportData &data, QString *error);
    // The same as CSV (RFC 4180): code, type, expiry, used at, reference,
    // operator; one row per use, one per pack not used.
    static QByteArray csv(const RecallReportData &data);
};
