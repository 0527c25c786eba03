#pragma once

#include "register/cycle.h"
#include "ui/pagedtablemodel.h"

class RegisterReader;

// The register's audit trail, newest first: all of it, or the events of one
// cycle. Rows come from the reader a page at a time.
class AuditTrailModel : public PagedTableModel<AuditEvent>
{
    Q_OBJECT

public:
    enum Column { Time, User, Station, Kind, Controller, CycleEntry, Details, ColumnCount };

    // cycleId 0: every event.
    explicit AuditTrailModel(RegisterReader *reader, qint64 cycleId = 0, QObject *parent = nullptr);

    // An event's details (a JSON object) as a line of words:
    // {"alreadyPresent":2,"before":{"name":"A"}} reads
    // "already present: 2; before: (name: A)"; any other text stays as it is.
    static QString detailsInWords(const QString &json);
    // An event's kind, stored in English, in the station's language; a kind
    // this version does not know as it is stored.
    static QString shownKind(const QString &stored);

    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

protected:
    quint64 requestPage(const AuditEvent *after, int limit) override;
    quint64 requestDownTo(const AuditEvent *last) override;
    qint64 timeOf(const AuditEvent &event) const override;

private:
    RegisterReader *reader;
    qint64 cycleId;
};
