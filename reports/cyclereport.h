#pragma once

#include "register/chainposition.h"
#include "register/cycle.h"
#include "register/release.h"
#include "reports/cycleverdict.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

class QPagedPaintDevice;

// What a cycle report shows.
struct CycleReportData {
    QString clinicName;
    Cycle cycle; // with every sample
    CycleVerdict verdict;
    QList<Release> releases; // oldest first; empty: not released
    // The head of the cycle's controller's chain in the register when the
    // report was made, for verify --witness; none: not known.
    std::optional<ChainPosition> position;
    QDateTime generatedAt;   // invalid: now
};

// The printable record of one cycle. Page 1: the cycle, its verdict, the
// curve, the release history and the hashes that tie the page to the
// register; then every sample as a table. "Page N of M" on every page.
class CycleReport
{
    Q_DECLARE_TR_FUNCTIONS(CycleReport)

public:
    // Draws on a paged device as it is set up (a printer after its dialog);
    // false when the device cannot be painted on.
    static bool write(QPagedPaintDevice &device, const CycleReportData &data);

    // An A4 PDF. The file is replaced only when it was written completely;
    // on failure `error` says why.
    static bool writePdf(const QString &fileName, const CycleReportData &data, QString *error = nullptr);
};
