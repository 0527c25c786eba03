#pragma once

#include <QPointF>
#include <QVector>

#include <vector>

// The few points that draw a long curve over elapsed time as all of its
// points would: a chart column of one pixel shows only the first, lowest,
// highest and last point that fall into it, joined in the order they came.
// Of these, a point within half a pixel row of the extreme before or after
// it draws nothing that the extreme does not, and is left out; so are first
// and last in a column less than a row high. The curve's own first and last
// point always stay: its ends do not move.
//
// Points are summarised as they come in blocks of a power of two seconds,
// never more than maxBlocks of them: when the curve outgrows them, the block
// width doubles and pairs of blocks merge. So adding a point and reducing the
// curve cost the same at any length of run, while a block spans at most a
// quarter of a pixel column on any chart up to maxBlocks / 8 pixels wide
// (or a single second, whose points all lie at one place).
class CurveReduction
{
public:
    static constexpr qint64 maxBlocks = 16384;

    void clear();
    // A point at elapsed seconds; points come in time order. One earlier than
    // the newest (the clock was set back) joins the newest block.
    void add(qint64 seconds, double value);
    // The points that draw the curve over `columns` pixel columns spanning
    // elapsed time 0 to `end`, and pixel rows `rowHeight` values high (0:
    // rows unknown), as (seconds, value) in their order.
    QVector<QPointF> reduced(qint64 end, int columns, double rowHeight = 0.0) const;

    int blockCount() const { return int(blocks.size()); }

private:
    struct Point {
        qint64 order; // how many points came before it
        qint64 seconds;
        double value;
    };
    // What a stretch of the curve draws: lowest and highest take the earlier
    // point on a tie.
    struct Summary {
        Point first, low, high, last;
        void add(const Point &point);
        void join(const Summary &later);
        // The column's points; curveStart and curveEnd: it holds the first
        // or last point of the whole curve, which stays.
        void appendTo(QVector<QPointF> &points, double rowHeight, bool curveStart, bool curveEnd) const;
    };
    struct Block {
        qint64 index; // covers [index, index + 1) block widths
        Summary summary;
    };

    void coarsen();

    std::vector<Block> blocks; // those holding points, oldest first
    int shift = 0;
    qint64 count = 0;
};
