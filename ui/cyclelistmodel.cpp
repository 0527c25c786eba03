#include "ui/cyclelistmodel.h"

#include "register/registerreader.h"
#include "reports/reportformat.h"

namespace {

// The widest text a column usually shows.
QString widest(int column)
{
    switch (column) {
    case CycleListModel::Started:
        return QStringLiteral("0000-00-00 00:00");
    case CycleListModel::Program:
        return QStringLiteral("Instruments 134");
    case CycleListModel::CycleNumber:
        return QStringLiteral("00000");
    case CycleListModel::SerialNumber:
        return QStringLiteral("RG0000000");
    case CycleListModel::Status:
        return QStringLiteral("Successfully completed");
    }
    return {};
}

} // namespace

CycleListModel::CycleListModel(RegisterReader *reader, QObject *parent)
    : PagedTableModel<Cycle>(parent)
    , reader(reader)
{
    connect(reader, &RegisterReader::cyclesRead, this,
            [this](quint64 ticket, const QVector<Cycle> &cycles, const QString &error) {
                receive(ticket, cycles, error);
            });
}

void CycleListModel::setFilter(const CycleRegister::Filter &filter)
{
    shownFilter = filter;
    reload();
}

int CycleListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant CycleListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const Cycle &c = at(index.row());
    if (role == Qt::DisplayRole) {
        switch (index.column()) {
        case Started:
            // The wall clock where the cycle ran; the tooltip has the offset.
            return c.started.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
        case Program:
            return c.programName;
        case CycleNumber:
            return c.cycleNumber >= 0 ? QString::number(c.cycleNumber) : QString();
        case SerialNumber:
            return c.controllerSerial;
        case Status:
            return c.status;
        case Station:
            return c.station;
        }
    } else if (role == Qt::ToolTipRole) {
        // Whole, where the column may cut it short.
        return index.column() == Started ? ReportFormat::instant(c.started) : data(index, Qt::DisplayRole);
    } else if (role == Qt::TextAlignmentRole && index.column() == CycleNumber) {
        return int(Qt::AlignRight | Qt::AlignVCenter);
    }
    return {};
}

QVariant CycleListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::SizeHintRole && section != ColumnCount - 1)
        return columnSize(headerData(section, orientation).toString(), widest(section));
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return PagedTableModel<Cycle>::headerData(section, orientation, role);
    switch (section) {
    case Started:
        return tr("Started");
    case Program:
        return tr("Program");
    case CycleNumber:
        return tr("Cycle");
    case SerialNumber:
        return tr("Serial number");
    case Status:
        return tr("Status");
    case Station:
        return tr("Station");
    }
    return {};
}

quint64 CycleListModel::requestPage(const Cycle *after, int limit)
{
    return reader->readCycles(shownFilter, limit, after ? std::optional<Cycle>(*after) : std::nullopt);
}

quint64 CycleListModel::requestDownTo(const Cycle *last)
{
    CycleRegister::Filter down = shownFilter;
    if (last && (!down.from.isValid() || down.from < last->started))
        down.from = last->started;
    return reader->readCycles(down, -1);
}

qint64 CycleListModel::timeOf(const Cycle &cycle) const
{
    return cycle.started.toMSecsSinceEpoch();
}
