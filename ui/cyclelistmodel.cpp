#include "ui/cyclelistmodel.h"

#include "app/language.h"
#include "app/texts.h"
#include "register/registerreader.h"
#include "register/storedtext.h"
#include "register/releasepolicy.h"
#include "reports/reportformat.h"
#include "reports/reportpainter.h"
#include "reports/verdicttext.h"
#include "ui/cyclesummary.h"

#include <QColor>

#include <algorithm>

namespace {

// The longest of the texts, for a column's width in every language.
QString longest(const QStringList &texts)
{
    return *std::max_element(texts.begin(), texts.end(),
                             [](const QString &a, const QString &b) { return a.size() < b.size(); });
}

// The widest text a column usually shows.
QString widest(int column)
{
    switch (column) {
    case CycleListModel::Started:
        return CycleSummary::listTime(QDateTime(QDate(2000, 12, 28), QTime(20, 0)));
    case CycleListModel::Program:
        return QStringLiteral("Instruments 134");
    case CycleListModel::CycleNumber:
        return QStringLiteral("00000");
    case CycleListModel::SerialNumber:
        return QStringLiteral("RG0000000");
    case CycleListModel::Verdict:
        return longest({VerdictText::result(CycleVerdict::Result::NotEvaluated),
                        VerdictText::result(CycleVerdict::Result::Fail), VerdictText::result(CycleVerdict::Result::Pass)});
    case CycleListModel::ReleaseDecision: {
        QStringList decisions;
        for (const auto &decision : ReleaseChoices::decisions)
            decisions << Release::shown(decision.value);
        return longest(decisions);
    }
    case CycleListModel::Status:
        return StoredText::shown(QLatin1String(textSuccessfullyCompleted));
    }
    return {};
}

QString verdictText(const Cycle &c)
{
    return c.verdict ? VerdictText::result(c.verdict->result) : QString();
}

// The verdicts in the colours of the reports; a cycle that waits for
// release stands out.
QVariant color(const Cycle &c, int column)
{
    if (column == CycleListModel::Verdict && c.verdict)
        return ReportPainter::verdictColor(c.verdict->result);
    if (column == CycleListModel::ReleaseDecision && ReleasePolicy::waits(c))
        return QColor(0xa8, 0x52, 0x00);
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
            return CycleSummary::listTime(c.started);
        case Program:
            return c.programName;
        case CycleNumber:
            return c.cycleNumber >= 0 ? QString::number(c.cycleNumber) : QString();
        case SerialNumber:
            return c.controllerSerial;
        case Status:
            return StoredText::shown(c.status);
        case Verdict:
            return verdictText(c);
        case ReleaseDecision:
            return ReleasePolicy::standing(c);
        case Station:
            return c.station;
        }
    } else if (role == Qt::ToolTipRole) {
        // Whole, where the column may cut it short.
        switch (index.column()) {
        case Started:
            return ReportFormat::instant(c.started, true, Language::locale());
        case Verdict:
            return c.verdict ? VerdictText::reason(c.verdict->reason) : QVariant();
        case ReleaseDecision:
            return CycleSummary::release(c);
        }
        return data(index, Qt::DisplayRole);
    } else if (role == Qt::ForegroundRole) {
        return color(c, index.column());
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
        return tr("Serial");
    case Status:
        return tr("Status");
    case Verdict:
        return tr("Verdict");
    case ReleaseDecision:
        return tr("Release");
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
