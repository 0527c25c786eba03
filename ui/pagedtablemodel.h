#pragma once

#include <QAbstractTableModel>
#include <QApplication>
#include <QFontMetrics>
#include <QSet>
#include <QSize>
#include <QVector>

#include <limits>
#include <utility>

// The signals of every paged table model (a template cannot declare any).
class PagedTableModelBase : public QAbstractTableModel
{
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    // A column's size hint for its header: room for the title and for the
    // widest text it usually shows.
    static QSize columnSize(const QString &title, const QString &widest)
    {
        const QFontMetrics metrics(QApplication::font());
        return {qMax(metrics.horizontalAdvance(title), metrics.horizontalAdvance(widest)) + 12,
                metrics.height() + 6};
    }

signals:
    // An answer arrived and its rows are in.
    void rowsRead();
    // A read failed; the rows stay as they were.
    void readFailed(const QString &error);
};

// Rows of the register, newest first, read a page at a time as a view asks
// for more (keyset paging: each page continues after the last row). The rows
// arrive later, as answers to requests that carry a ticket; an answer whose
// ticket is no longer wanted (the list was reloaded meanwhile) is dropped.
// Row has an `id`, unique and larger for newer rows of the same time.
template<typename Row>
class PagedTableModel : public PagedTableModelBase
{
public:
    static constexpr int pageSize = 100;

    using PagedTableModelBase::PagedTableModelBase;

    int rowCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : rows.size(); }
    bool canFetchMore(const QModelIndex &parent) const override
    {
        return !parent.isValid() && more && !pageTicket;
    }
    void fetchMore(const QModelIndex &parent) override
    {
        if (canFetchMore(parent))
            pageTicket = requestPage(rows.isEmpty() ? nullptr : &rows.constLast(), pageSize);
    }

    const Row &at(int row) const { return rows.at(row); }
    const QVector<Row> &loaded() const { return rows; }

    // Empties the list and reads its first page (e.g. for another filter).
    void reload()
    {
        beginResetModel();
        rows.clear();
        more = false;
        refreshTicket = 0;
        endResetModel();
        pageTicket = requestPage(nullptr, pageSize);
    }

    // Reads the rows shown again, with the new ones among them, and keeps
    // the others where they are: what is selected or scrolled to stays.
    // Rows that no longer match the filter (a cycle released while the list
    // shows those waiting) leave it.
    void refresh()
    {
        if (rows.isEmpty()) {
            reload();
            return;
        }
        refreshFloor = more ? key(rows.constLast()) : std::pair(std::numeric_limits<qint64>::min(), qint64(0));
        refreshTicket = requestDownTo(more ? &rows.constLast() : nullptr);
    }

protected:
    // Asks for at most limit rows after the row given (nullptr: the first).
    virtual quint64 requestPage(const Row *after, int limit) = 0;
    // Asks for every row from the newest down to the one given, at least;
    // nullptr: all rows (the list was read to its end).
    virtual quint64 requestDownTo(const Row *last) = 0;
    // The time a row is ordered by, newest first; ties go by id.
    virtual qint64 timeOf(const Row &row) const = 0;

    // The answer to a request: merged into the rows by their order and id.
    void receive(quint64 ticket, const QVector<Row> &fresh, const QString &error)
    {
        const bool page = ticket == pageTicket;
        if (!ticket || (!page && ticket != refreshTicket))
            return;
        (page ? pageTicket : refreshTicket) = 0;
        if (!error.isEmpty()) {
            // Tried again by the next reload or refresh, not at once.
            more = false;
            emit readFailed(error);
            return;
        }
        merge(fresh);
        if (page)
            more = fresh.size() >= pageSize;
        else
            dropMissing(fresh);
        emit rowsRead();
    }

private:
    std::pair<qint64, qint64> key(const Row &row) const { return {timeOf(row), row.id}; }

    // Both lists are newest first. Rows already there are updated in place,
    // new ones inserted where they belong, several at a time.
    void merge(const QVector<Row> &fresh)
    {
        int i = 0;
        int k = 0;
        int firstChanged = -1;
        int lastChanged = -1;
        while (k < fresh.size()) {
            while (i < rows.size() && key(rows[i]) > key(fresh[k]))
                ++i;
            if (i < rows.size() && rows[i].id == fresh[k].id) {
                rows[i] = fresh[k++];
                firstChanged = firstChanged < 0 ? i : firstChanged;
                lastChanged = i++;
                continue;
            }
            int end = k + 1;
            while (end < fresh.size() && (i == rows.size() || key(fresh[end]) > key(rows[i])))
                ++end;
            beginInsertRows({}, i, i + end - k - 1);
            rows.insert(i, end - k, Row());
            std::copy(fresh.begin() + k, fresh.begin() + end, rows.begin() + i);
            endInsertRows();
            i += end - k;
            k = end;
        }
        if (firstChanged >= 0)
            emit dataChanged(index(firstChanged, 0), index(lastChanged, columnCount() - 1));
    }

    // Removes the rows at or above the refresh's floor that its answer left out.
    void dropMissing(const QVector<Row> &fresh)
    {
        QSet<qint64> answered;
        for (const Row &row : fresh)
            answered.insert(row.id);
        const auto missing = [&](int i) { return key(rows[i]) >= refreshFloor && !answered.contains(rows[i].id); };
        for (int last = rows.size() - 1; last >= 0; --last) {
            if (!missing(last))
                continue;
            int first = last;
            while (first > 0 && missing(first - 1))
                --first;
            beginRemoveRows({}, first, last);
            rows.remove(first, last - first + 1);
            endRemoveRows();
            last = first;
        }
    }

    QVector<Row> rows;
    std::pair<qint64, qint64> refreshFloor; // the oldest row a refresh reads again
    quint64 pageTicket = 0;
    quint64 refreshTicket = 0;
    bool more = false; // the last page was full
};
