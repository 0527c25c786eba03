#include "ui/curvereduction.h"

#include <algorithm>
#include <cmath>
#include <utility>

void CurveReduction::Summary::add(const Point &point)
{
    if (point.value < low.value)
        low = point;
    if (point.value > high.value)
        high = point;
    last = point;
}

void CurveReduction::Summary::join(const Summary &later)
{
    if (later.low.value < low.value)
        low = later.low;
    if (later.high.value > high.value)
        high = later.high;
    last = later.last;
}

void CurveReduction::Summary::appendTo(QVector<QPointF> &points, double rowHeight, bool curveStart,
                                       bool curveEnd) const
{
    const auto withinHalfARow = [rowHeight](const Point &one, const Point &other) {
        return one.order == other.order || std::abs(one.value - other.value) < rowHeight / 2;
    };
    const auto append = [&points](const Point &point) { points.append({double(point.seconds), point.value}); };
    // A column less than a row high is a stroke shorter than a pixel: its
    // first and last point lie on it and move its ends by less than that.
    const bool withinARow = high.value - low.value < rowHeight;
    const Point *earlier = &low;
    const Point *later = &high;
    if (later->order < earlier->order)
        std::swap(earlier, later);
    // The curve's own ends stay where they are.
    if (first.order != earlier->order && (curveStart || (!withinARow && !withinHalfARow(first, *earlier))))
        append(first);
    append(*earlier);
    if (withinHalfARow(*later, *earlier))
        later = earlier; // the whole column lies within half a row
    else
        append(*later);
    if (last.order != later->order && (curveEnd || (!withinARow && !withinHalfARow(last, *later))))
        append(last);
}

void CurveReduction::clear()
{
    blocks.clear();
    shift = 0;
    count = 0;
}

void CurveReduction::add(qint64 seconds, double value)
{
    const Point point{count++, seconds, value};
    const qint64 index = std::max<qint64>(seconds, 0) >> shift;
    if (!blocks.empty() && index <= blocks.back().index) {
        blocks.back().summary.add(point);
        return;
    }
    blocks.push_back({index, {point, point, point, point}});
    while (blocks.back().index >= maxBlocks)
        coarsen();
}

void CurveReduction::coarsen()
{
    ++shift;
    std::size_t kept = 0;
    for (const Block &block : blocks) {
        const qint64 index = block.index >> 1;
        if (kept > 0 && blocks[kept - 1].index == index) {
            blocks[kept - 1].summary.join(block.summary);
        } else {
            blocks[kept] = {index, block.summary};
            ++kept;
        }
    }
    blocks.resize(kept);
}

QVector<QPointF> CurveReduction::reduced(qint64 end, int columns, double rowHeight) const
{
    QVector<QPointF> points;
    if (blocks.empty())
        return points;
    // A block goes to the column of its first point: it is far narrower than
    // a column, so its other points lie there too or a fraction of a pixel on.
    const double perSecond = end > 0 ? double(std::max(columns, 1)) / double(end) : 0.0;
    const double lastColumn = std::max(columns, 1) - 1;
    const auto columnOf = [&](const Block &block) {
        return std::min(std::floor(double(std::max<qint64>(block.summary.first.seconds, 0)) * perSecond), lastColumn);
    };
    points.reserve(4 * std::min<qint64>(blocks.size(), std::max(columns, 1)));
    Summary column = blocks.front().summary;
    double current = columnOf(blocks.front());
    for (auto block = blocks.cbegin() + 1; block != blocks.cend(); ++block) {
        const double next = columnOf(*block);
        if (next == current) {
            column.join(block->summary);
            continue;
        }
        column.appendTo(points, rowHeight, points.isEmpty(), false);
        column = block->summary;
        current = next;
    }
    column.appendTo(points, rowHeight, points.isEmpty(), true);
    return points;
}
