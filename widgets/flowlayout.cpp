#include "widgets/flowlayout.h"

#include <QBoxLayout>
#include <QWidget>

#include <algorithm>
#include <numeric>

namespace {

// Hidden widgets take no room; spacers, which count as empty, do.
bool shown(QLayoutItem *item)
{
    return !item->isEmpty() || item->spacerItem();
}

int heightAt(const QLayoutItem *item, int width)
{
    return item->hasHeightForWidth() ? item->heightForWidth(width) : item->sizeHint().height();
}

} // namespace

FlowLayout::FlowLayout(QWidget *parent)
    : QLayout(parent)
{
}

FlowLayout::~FlowLayout()
{
    while (QLayoutItem *item = takeAt(0))
        delete item;
}

FlowLayout *FlowLayout::replace(QBoxLayout *row)
{
    auto *parent = qobject_cast<QBoxLayout *>(row->parent());
    Q_ASSERT(parent);
    auto *flow = new FlowLayout;
    flow->setSpacing(row->spacing());
    flow->setContentsMargins(row->contentsMargins());
    for (int stretch = row->stretch(0); QLayoutItem *item = row->takeAt(0); stretch = row->stretch(0)) {
        flow->addItem(item);
        flow->stretches.last() = stretch;
    }
    const int index = parent->indexOf(row);
    const int stretch = parent->stretch(index);
    delete parent->takeAt(index);
    parent->insertLayout(index, flow, stretch);
    return flow;
}

void FlowLayout::addItem(QLayoutItem *item)
{
    if (QLayout *layout = item->layout())
        addChildLayout(layout);
    items.append(item);
    stretches.append(0);
    invalidate();
}

int FlowLayout::count() const
{
    return items.size();
}

QLayoutItem *FlowLayout::itemAt(int index) const
{
    return items.value(index);
}

QLayoutItem *FlowLayout::takeAt(int index)
{
    if (index < 0 || index >= items.size())
        return nullptr;
    QLayoutItem *item = items.takeAt(index);
    stretches.removeAt(index);
    if (QLayout *layout = item->layout())
        layout->setParent(nullptr);
    invalidate();
    return item;
}

Qt::Orientations FlowLayout::expandingDirections() const
{
    Qt::Orientations directions;
    for (const QLayoutItem *item : items)
        directions |= item->expandingDirections();
    return directions;
}

bool FlowLayout::hasHeightForWidth() const
{
    return true;
}

int FlowLayout::heightForWidth(int width) const
{
    return arrange(QRect(0, 0, width, 0), false);
}

QSize FlowLayout::minimumSize() const
{
    // Each item alone in a row.
    QSize size;
    for (QLayoutItem *item : items)
        if (shown(item))
            size = size.expandedTo(item->minimumSize());
    const QMargins margins = contentsMargins();
    return size + QSize(margins.left() + margins.right(), margins.top() + margins.bottom());
}

QSize FlowLayout::sizeHint() const
{
    // All items in one row.
    int width = 0;
    int height = 0;
    int count = 0;
    for (QLayoutItem *item : items) {
        if (!shown(item))
            continue;
        width += item->sizeHint().width();
        height = qMax(height, item->sizeHint().height());
        ++count;
    }
    const QMargins margins = contentsMargins();
    return QSize(width + qMax(0, count - 1) * qMax(0, spacing()) + margins.left() + margins.right(),
                 height + margins.top() + margins.bottom());
}

void FlowLayout::setGeometry(const QRect &rect)
{
    QLayout::setGeometry(rect);
    arrange(rect, true);
}

int FlowLayout::arrange(const QRect &rect, bool place) const
{
    const QRect area = rect.marginsRemoved(contentsMargins());
    const int gap = qMax(0, spacing());
    // The rows: items at their preferred widths while they fit.
    QList<QList<QLayoutItem *>> rows{{}};
    int x = 0;
    for (QLayoutItem *item : items) {
        if (!shown(item))
            continue;
        const int width = qMin(item->sizeHint().width(), area.width());
        QList<QLayoutItem *> &row = rows.last();
        if (!row.isEmpty() && x + gap + width > area.width()) {
            rows.append(QList<QLayoutItem *>());
            x = 0;
        }
        // A spacer does not begin a row.
        if (rows.last().isEmpty() && item->spacerItem())
            continue;
        x += (rows.last().isEmpty() ? 0 : gap) + width;
        rows.last().append(item);
    }
    int y = area.y();
    for (const QList<QLayoutItem *> &row : rows) {
        if (row.isEmpty())
            continue;
        QVector<int> widths;
        int used = gap * (row.size() - 1);
        for (const QLayoutItem *item : row) {
            widths.append(qMin(item->sizeHint().width(), area.width()));
            used += widths.last();
        }
        // The rest of the row, shared as a box layout shares it.
        QVector<int> shares(row.size());
        for (int i = 0; i < row.size(); ++i)
            shares[i] = stretches[items.indexOf(row[i])];
        const auto none = [&shares] { return std::all_of(shares.cbegin(), shares.cend(), [](int share) { return share == 0; }); };
        if (none())
            for (int i = 0; i < row.size(); ++i)
                shares[i] = row[i]->expandingDirections() & Qt::Horizontal ? 1 : 0;
        if (none())
            for (int i = 0; i < row.size(); ++i)
                shares[i] = row[i]->maximumSize().width() > widths[i] ? 1 : 0;
        const int total = std::accumulate(shares.cbegin(), shares.cend(), 0);
        const int extra = qMax(0, area.width() - used);
        for (int i = 0, given = 0, sharesBefore = 0; i < row.size() && total > 0; ++i) {
            sharesBefore += shares[i];
            const int upTo = extra * sharesBefore / total;
            widths[i] += upTo - given;
            given = upTo;
        }
        int height = 0;
        for (int i = 0; i < row.size(); ++i)
            height = qMax(height, heightAt(row[i], widths[i]));
        int left = area.x();
        for (int i = 0; i < row.size(); ++i) {
            if (place)
                row[i]->setGeometry(QRect(left, y, widths[i], height));
            left += widths[i] + gap;
        }
        y += height + gap;
    }
    const int taken = y - area.y() - (y > area.y() ? gap : 0);
    return taken + contentsMargins().top() + contentsMargins().bottom();
}
