#pragma once

#include "register/release.h"

#include <QAbstractTableModel>
#include <QVector>

class RegisterReader;

// One cycle's release history, oldest first, as its details show it: every
// entry, none overwritten.
class ReleaseHistoryModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Time, Decision, Operator, Chemical, Biological, Load, Lot, Comment, EnteredBy, ColumnCount };

    // The reader must outlive the model.
    ReleaseHistoryModel(RegisterReader *reader, qint64 cycleId, QObject *parent = nullptr);

    // Reads the history again, with the entries made since.
    void reload();
    const QVector<Release> &releases() const { return history; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

signals:
    void historyRead();
    void readFailed(const QString &error);

private:
    RegisterReader *reader;
    qint64 cycleId;
    quint64 ticket = 0;
    QVector<Release> history;
};
