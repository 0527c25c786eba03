#include "reports/cyclecurve.h"

#include "app/language.h"
#include "reports/cycleverdict.h"
#include "reports/reportformat.h"
#include "reports/reportpainter.h"

#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

using Style = ReportPainter::Style;

// The first of the steps that divides the range into at most `ticks` parts.
double tickStep(double range, const std::initializer_list<double> &steps, int ticks)
{
    for (double step : steps)
        if (range / step <= ticks)
            return step;
    const double largest = *std::prev(steps.end());
    return std::ceil(range / ticks / largest) * largest;
}

QString clockText(double minutes)
{
    const qint64 m = std::llround(minutes);
    return QStringLiteral("%1:%2").arg(m / 60).arg(m % 60, 2, 10, QLatin1Char('0'));
}

QString scaleText(double celsius)
{
    return std::abs(celsius - std::round(celsius)) < 1e-9 ? QString::number(std::llround(celsius))
                                                          : ReportFormat::temperature(celsius, Language::locale());
}

} // namespace

const QColor CycleCurve::color(0x00, 0x5b, 0xc4);

CycleCurve::View CycleCurve::wholeRun(const QVector<CycleSample> &samples, const CycleVerdict &verdict)
{
    View view{tr("whole run"), 0, 60000, verdict.holdKnown ? verdict.bandLow() : 20.0,
              verdict.holdKnown ? verdict.bandHigh() : 40.0};
    for (const CycleSample &s : samples) {
        if (!std::isfinite(s.celsius))
            continue;
        view.low = std::min(view.low, s.celsius);
        view.high = std::max(view.high, s.celsius);
        view.toMs = std::max(view.toMs, s.elapsedMs);
    }
    return view;
}

std::optional<CycleCurve::View> CycleCurve::holdDetail(const CycleVerdict &verdict)
{
    if (!verdict.holdKnown || verdict.holdSpan.isEmpty())
        return std::nullopt;
    constexpr qint64 marginMs = 2 * 60000;
    constexpr double marginK = 1.5;
    View view{tr("hold in detail"), std::max<qint64>(verdict.holdSpan.startMs - marginMs, 0),
              verdict.holdSpan.endMs + marginMs, verdict.bandLow() - marginK, verdict.bandHigh() + marginK};
    if (verdict.lowestInHold)
        view.low = std::min(view.low, verdict.lowestInHold->celsius);
    if (verdict.highestInHold)
        view.high = std::max(view.high, verdict.highestInHold->celsius);
    return view;
}

void CycleCurve::draw(ReportPainter &page, const QRectF &box, const QVector<CycleSample> &samples,
                      const CycleVerdict &verdict, const View &view)
{
    const double labelHeight = page.lineHeight(Style::Small);
    const QRectF plot = box.adjusted(11, labelHeight + 1, -3, -(labelHeight + 2));

    const double yStep = tickStep(view.high - view.low, {0.5, 1, 2, 5, 10, 20, 25, 50, 100}, 8);
    const double yLow = std::floor(view.low / yStep) * yStep;
    const double yHigh = std::max(std::ceil(view.high / yStep) * yStep, yLow + yStep);
    const double fromMinutes = view.fromMs / 60000.0;
    const double toMinutes = std::max(view.toMs / 60000.0, fromMinutes + 1.0);
    const double xStep =
        tickStep(toMinutes - fromMinutes, {1, 2, 5, 10, 15, 20, 30, 60, 120, 180, 240, 360, 720, 1440}, 8);
    const double xLow = std::floor(fromMinutes / xStep) * xStep;
    const double xHigh = std::max(std::ceil(toMinutes / xStep) * xStep, xLow + xStep);

    const auto x = [&](double ms) { return plot.left() + plot.width() * (ms / 60000.0 - xLow) / (xHigh - xLow); };
    const auto y = [&](double c) { return plot.bottom() - plot.height() * (c - yLow) / (yHigh - yLow); };

    // Grid and scales.
    page.fill(plot, QColor(0xfb, 0xfc, 0xfd));
    for (int i = 0; yLow + i * yStep <= yHigh + yStep / 2; ++i) {
        const double c = yLow + i * yStep;
        page.line({plot.left(), y(c)}, {plot.right(), y(c)}, 0.1, ReportPainter::rule);
        page.text(QRectF(box.left(), y(c) - labelHeight / 2, 10, labelHeight), Style::Small, scaleText(c),
                  Qt::AlignRight | Qt::AlignVCenter, ReportPainter::muted);
    }
    for (int i = 0; xLow + i * xStep <= xHigh + xStep / 2; ++i) {
        const double ms = (xLow + i * xStep) * 60000;
        page.line({x(ms), plot.top()}, {x(ms), plot.bottom()}, 0.1, ReportPainter::rule);
        page.text(QRectF(x(ms) - 10, plot.bottom() + 1, 20, labelHeight), Style::Small,
                  clockText(xLow + i * xStep), Qt::AlignHCenter | Qt::AlignTop, ReportPainter::muted);
    }
    page.text(QRectF(box.left(), box.top(), box.width() / 2, labelHeight), Style::SmallBold,
              QStringLiteral("\u00b0C \u00b7 %1").arg(view.title), Qt::AlignLeft | Qt::AlignTop, ReportPainter::muted);
    page.text(QRectF(box.center().x(), box.top(), plot.right() - box.center().x(), labelHeight), Style::Small,
              tr("elapsed h:mm"), Qt::AlignRight | Qt::AlignTop, ReportPainter::muted);

    QPainter &p = page.painter();
    p.save();
    p.setClipRect(page.units(plot));

    // The band over the hold, or across the whole run when the chamber
    // never reached it, so that the shortfall shows.
    if (verdict.holdKnown) {
        const double from = verdict.holdSpan.isEmpty() ? plot.left() : x(verdict.holdSpan.startMs);
        const double to = verdict.holdSpan.isEmpty() ? plot.right() : x(verdict.holdSpan.endMs);
        page.fill(QRectF(QPointF(from, y(verdict.bandHigh())), QPointF(to, y(verdict.bandLow()))),
                  QColor(0x2e, 0xa0, 0x43, 0x48));
        page.line({from, y(verdict.hold.celsius)}, {to, y(verdict.hold.celsius)}, 0.2, ReportPainter::pass,
                  Qt::DashLine);
        if (!verdict.longestStretch.isEmpty()) {
            const QColor mark = verdict.result == CycleVerdict::Result::Fail ? ReportPainter::fail
                                                                              : ReportPainter::pass;
            page.fill(QRectF(QPointF(x(verdict.longestStretch.startMs), plot.bottom() - 1.2),
                             QPointF(x(verdict.longestStretch.endMs) + 0.3, plot.bottom())),
                      mark);
        }
    }

    // The samples; a gap that the verdict would not bridge breaks the line.
    QPainterPath path;
    const CycleSample *previous = nullptr;
    for (const CycleSample &s : samples) {
        if (!std::isfinite(s.celsius)) {
            previous = nullptr;
            continue;
        }
        const QPointF point = page.units(QPointF(x(s.elapsedMs), y(s.celsius)));
        if (previous && s.elapsedMs - previous->elapsedMs <= CycleVerdict::maxSampleGapMs)
            path.lineTo(point);
        else
            path.moveTo(point);
        previous = &s;
    }
    p.setPen(QPen(color, page.units(0.45), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.restore();

    page.line(plot.bottomLeft(), plot.bottomRight(), 0.25, ReportPainter::muted);
    page.line(plot.bottomLeft(), plot.topLeft(), 0.25, ReportPainter::muted);
    if (samples.isEmpty())
        page.text(plot, Style::Body, tr("No samples recorded"), Qt::AlignCenter, ReportPainter::muted);
}
