#pragma once

#include "register/cycle.h"

#include <QColor>
#include <QCoreApplication>
#include <QRectF>
#include <QString>

#include <optional>

class CycleVerdict;
class ReportPainter;

// A cycle's temperature curve as vectors, for print: every sample, the
// verdict's band shaded over the hold and its longest stretch marked.
class CycleCurve
{
    Q_DECLARE_TR_FUNCTIONS(CycleCurve)

public:
    // The curve's own colour, used nowhere else on a page.
    static const QColor color;

    // The part of the curve a plot shows; its edges are rounded out to
    // whole ticks when drawn.
    struct View {
        QString title;
        qint64 fromMs = 0;
        qint64 toMs = 0;
        double low = 0.0;
        double high = 0.0;
    };

    // The whole recording with the band.
    static View wholeRun(const QVector<CycleSample> &samples, const CycleVerdict &verdict);
    // The hold and a little around it, close enough to see a dip of a
    // tenth; nothing when the chamber never reached the band.
    static std::optional<View> holdDetail(const CycleVerdict &verdict);

    // Draws into a box given in millimetres, axes and labels included.
    static void draw(ReportPainter &page, const QRectF &box, const QVector<CycleSample> &samples,
                     const CycleVerdict &verdict, const View &view);
};
