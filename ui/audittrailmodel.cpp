#include "ui/audittrailmodel.h"

#include "register/registerreader.h"
#include "reports/reportformat.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// "alreadyPresent" and "already_present" read "already present".
QString words(const QString &key)
{
    QString out;
    for (const QChar c : key) {
        if (c == QLatin1Char('_') || (c.isUpper() && !out.isEmpty() && !out.endsWith(QLatin1Char(' '))))
            out += QLatin1Char(' ');
        if (c != QLatin1Char('_'))
            out += c.toLower();
    }
    return out;
}

QString valueInWords(const QJsonValue &value)
{
    switch (value.type()) {
    case QJsonValue::Object: {
        QStringList parts;
        const QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it)
            parts << words(it.key()) + QLatin1String(": ") + valueInWords(it.value());
        return QLatin1Char('(') + parts.join(QLatin1String(", ")) + QLatin1Char(')');
    }
    case QJsonValue::Array: {
        QStringList parts;
        for (const QJsonValue &item : value.toArray())
            parts << valueInWords(item);
        return QLatin1Char('[') + parts.join(QLatin1String(", ")) + QLatin1Char(']');
    }
    case QJsonValue::Bool:
        return value.toBool() ? QStringLiteral("yes") : QStringLiteral("no");
    case QJsonValue::Double: {
        const double number = value.toDouble();
        return number == qint64(number) ? QString::number(qint64(number)) : QString::number(number);
    }
    case QJsonValue::String:
        return value.toString();
    default:
        return QStringLiteral("-");
    }
}

// The widest text a column usually shows.
QString widest(int column)
{
    switch (column) {
    case AuditTrailModel::Time:
        return QStringLiteral("0000-00-00 00:00:00");
    case AuditTrailModel::User:
    case AuditTrailModel::Station:
        return QStringLiteral("workstation");
    case AuditTrailModel::Kind:
        return QStringLiteral("program write");
    case AuditTrailModel::Controller:
        return QStringLiteral("RG0000000");
    case AuditTrailModel::CycleEntry:
        return QStringLiteral("00000");
    }
    return {};
}

} // namespace

AuditTrailModel::AuditTrailModel(RegisterReader *reader, qint64 cycleId, QObject *parent)
    : PagedTableModel<AuditEvent>(parent)
    , reader(reader)
    , cycleId(cycleId)
{
    connect(reader, &RegisterReader::eventsRead, this,
            [this](quint64 ticket, const QVector<AuditEvent> &events, const QString &error) {
                receive(ticket, events, error);
            });
}

QString AuditTrailModel::detailsInWords(const QString &json)
{
    const QJsonDocument document = QJsonDocument::fromJson(json.toUtf8());
    if (!document.isObject())
        return json; // not ours to judge: shown as stored
    QStringList parts;
    const QJsonObject object = document.object();
    for (auto it = object.begin(); it != object.end(); ++it)
        parts << words(it.key()) + QLatin1String(": ") + valueInWords(it.value());
    return parts.join(QLatin1String("; "));
}

int AuditTrailModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant AuditTrailModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const AuditEvent &e = at(index.row());
    if (role == Qt::DisplayRole) {
        switch (index.column()) {
        case Time:
            return e.at.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        case User:
            return e.osUser;
        case Station:
            return e.station;
        case Kind:
            return e.kind;
        case Controller:
            return e.controllerSerial;
        case CycleEntry:
            return e.cycleId ? QString::number(e.cycleId) : QString();
        case Details:
            return detailsInWords(e.details);
        }
    } else if (role == Qt::ToolTipRole) {
        if (index.column() == Time)
            return ReportFormat::instant(e.at);
        if (index.column() == Details)
            return detailsInWords(e.details);
    } else if (role == Qt::TextAlignmentRole && index.column() == CycleEntry) {
        return int(Qt::AlignRight | Qt::AlignVCenter);
    }
    return {};
}

QVariant AuditTrailModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::SizeHintRole && section != ColumnCount - 1)
        return columnSize(headerData(section, orientation).toString(), widest(section));
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return PagedTableModel<AuditEvent>::headerData(section, orientation, role);
    switch (section) {
    case Time:
        return tr("Time");
    case User:
        return tr("User");
    case Station:
        return tr("Station");
    case Kind:
        return tr("Event");
    case Controller:
        return tr("Controller");
    case CycleEntry:
        return tr("Entry");
    case Details:
        return tr("Details");
    }
    return {};
}

quint64 AuditTrailModel::requestPage(const AuditEvent *after, int limit)
{
    return reader->readEvents(cycleId, limit, after ? std::optional<AuditEvent>(*after) : std::nullopt);
}

quint64 AuditTrailModel::requestDownTo(const AuditEvent *last)
{
    return reader->readEvents(cycleId, -1, std::nullopt, last ? last->at : QDateTime());
}

qint64 AuditTrailModel::timeOf(const AuditEvent &event) const
{
    return event.at.toMSecsSinceEpoch();
}
