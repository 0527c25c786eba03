#include "ui/releasehistorymodel.h"

#include "app/language.h"
#include "register/registerreader.h"
#include "reports/reportformat.h"
#include "ui/cyclesummary.h"

ReleaseHistoryModel::ReleaseHistoryModel(RegisterReader *reader, qint64 cycleId, QObject *parent)
    : QAbstractTableModel(parent)
    , reader(reader)
    , cycleId(cycleId)
{
    connect(reader, &RegisterReader::releasesRead, this,
            [this](quint64 answered, const QVector<Release> &releases, const QString &error) {
                if (answered != ticket)
                    return;
                ticket = 0;
                if (!error.isEmpty()) {
                    emit readFailed(error);
                    return;
                }
                beginResetModel();
                history = releases;
                endResetModel();
                emit historyRead();
            });
}

void ReleaseHistoryModel::reload()
{
    ticket = reader->readReleases(cycleId);
}

int ReleaseHistoryModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : history.size();
}

int ReleaseHistoryModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ReleaseHistoryModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= history.size() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    const Release &r = history.at(index.row());
    switch (index.column()) {
    case Time:
        return role == Qt::ToolTipRole ? ReportFormat::instant(r.at, true, Language::locale())
                                       : CycleSummary::listTime(r.at);
    case Decision:
        return Release::shown(r.decision);
    case Operator:
        return r.operatorName;
    case Chemical:
        return Release::shown(r.chemicalIndicator);
    case Biological:
        return Release::shown(r.biologicalIndicator);
    case Load:
        return r.load;
    case Lot:
        return r.lot;
    case Comment:
        return r.comment;
    case EnteredBy:
        return tr("%1 on %2").arg(ReportFormat::orUnknown(r.osUser, Language::locale()), ReportFormat::orUnknown(r.station, Language::locale()));
    }
    return {};
}

QVariant ReleaseHistoryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case Time:
        return tr("Time");
    case Decision:
        return tr("Decision");
    case Operator:
        return tr("Operator");
    case Chemical:
        return tr("Chemical indicator");
    case Biological:
        return tr("Biological indicator");
    case Load:
        return tr("Load");
    case Lot:
        return tr("Lot");
    case Comment:
        return tr("Comment");
    case EnteredBy:
        return tr("Entered by");
    }
    return {};
}
