#pragma once

#include "register/chainposition.h"
#include "register/cycle.h"
#include "register/release.h"
#include "reports/cycleverdict.h"

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

class QPagedPaintDevice;

// One line of a period report.
struct PeriodReportEntry {
    Cycle cycle; // its samples are not needed
    CycleVerdict verdict; // its result and reason are shown
    std::optional<Release> latestRelease;
};

// What a period report shows.
struct PeriodReportData {
    QString clinicName;
    QDate from; // both days included
    QDate to;
    QList<PeriodReportEntry> cycles; // in the order they are listed
    // The heads of the chains of the controllers listed when the report was
    // made, for verify --witness.
    QVector<ChainPosition> positions;
    QDateTime generatedAt; // invalid: now
};

// The cycles of a period for an inspection: each with its program, status,
// verdict and latest release, counted at the top; "Page N of M" on every
// page. Laid out for landscape pages.
class PeriodReport
{
    Q_DECLARE_TR_FUNCTIONS(PeriodReport)

public:
    // Draws on a paged device as it is set up (a printer after its dialog,
    // best in landscape); false when the device cannot be painted on.
    static bool write(QPagedPaintDevice &device, const PeriodReportData &data);

    // A landscape A4 PDF. The file is replaced only when it was written
    // completely; on failure `error` says why.
    static bool writePdf(const QString &fileName, const PeriodReportData &data, QString *error = nullptr);
};
