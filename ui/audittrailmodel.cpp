#include "ui/audittrailmodel.h"

#include "app/language.h"
#include "register/registerreader.h"
#include "reports/reportformat.h"
#include "ui/cyclesummary.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// Every kind of event the register stores, for its translation.
constexpr const char *eventKinds[] = {
    QT_TRANSLATE_NOOP("AuditTrailModel", "cycle entered"),
    QT_TRANSLATE_NOOP("AuditTrailModel", "release"),
    QT_TRANSLATE_NOOP("AuditTrailModel", "import"),
    QT_TRANSLATE_NOOP("AuditTrailModel", "cycle migrated"),
    QT_TRANSLATE_NOOP("AuditTrailModel", "program write"),
    QT_TRANSLATE_NOOP("AuditTrailModel", "settings change"),
    QT_TRANSLATE_NOOP("AuditTrailModel", "backup verified"),
    QT_TRANSLATE_NOOP("AuditTrailModel", "backup failed"),
    QT_TRANSLATE_NOOP("AuditTrailModel", "register restored"),
    QT_TRANSLATE_NOOP("AuditTrailModel", "operator added"),
    QT_TRANSLATE_NOOP("AuditTrailModel", "operator changed"),
    QT_TRANSLATE_NOOP("AuditTrailModel", "operator PIN reset"),
    QT_TRANSLATE_NOOP("AuditTrailModel", "operator locked out"),
    QT_TRANSLATE_NOOP("AuditTrailModel", "packs labelled"),
    QT_TRANSLATE_NOOP("AuditTrailModel", "pack used"),
    QT_TRANSLATE_NOOP("AuditTrailModel", "reference erased"),
};

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
        return value.toBool() ? AuditTrailModel::tr("yes") : AuditTrailModel::tr("no");
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
        return CycleSummary::listTime(QDateTime(QDate(2000, 12, 28), QTime(20, 0)), true);
    case AuditTrailModel::User:
    case AuditTrailModel::Station:
        return QStringLiteral("workstation");
    case AuditTrailModel::Kind:
        return AuditTrailModel::shownKind(QStringLiteral("program write"));
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

QString AuditTrailModel::shownKind(const QString &stored)
{
    // Only the kinds themselves: a stored text that happens to match another
    // of this model's texts stays as it is.
    for (const char *kind : eventKinds) {
        if (stored == QLatin1String(kind))
            return tr(kind);
    }
    return stored;
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
            return CycleSummary::listTime(e.at, true);
        case User:
            return e.osUser;
        case Station:
            return e.station;
        case Kind:
            return shownKind(e.kind);
        case Controller:
            return e.controllerSerial;
        case CycleEntry:
            return e.cycleId ? QString::number(e.cycleId) : QString();
        case Details:
            return detailsInWords(e.details);
        }
    } else if (role == Qt::ToolTipRole) {
        if (index.column() == Time)
            return ReportFormat::instant(e.at, true, Language::locale());
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
