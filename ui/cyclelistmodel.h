#pragma once

#include "register/cycleregister.h"
#include "ui/pagedtablemodel.h"

class RegisterReader;

// The register's cycles that a filter lets through, newest first, for the
// Records tab's list. Rows come from the reader a page at a time.
class CycleListModel : public PagedTableModel<Cycle>
{
    Q_OBJECT

public:
    // What a user scans the list for comes first; Status, last, takes what
    // room is left and shows the whole text on its tooltip. Station: the
    // computer that entered the cycle, which tells the autoclave in a
    // register of several stations.
    enum Column {
        Started,
        Program,
        Verdict,
        ReleaseDecision,
        CycleNumber,
        SerialNumber,
        Station,
        Status,
        ColumnCount
    };

    explicit CycleListModel(RegisterReader *reader, QObject *parent = nullptr);

    // Shows the cycles of this filter from the first page on.
    void setFilter(const CycleRegister::Filter &filter);
    const CycleRegister::Filter &filter() const { return shownFilter; }

    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

protected:
    quint64 requestPage(const Cycle *after, int limit) override;
    quint64 requestDownTo(const Cycle *last) override;
    qint64 timeOf(const Cycle &cycle) const override;

private:
    RegisterReader *reader;
    CycleRegister::Filter shownFilter;
};
