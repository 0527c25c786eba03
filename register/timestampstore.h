#pragma once

#include "register/chainposition.h"
#include "register/timestamp.h"

#include <QSqlDatabase>
#include <QString>
#include <QVector>

#include <optional>

// The register's time stamps, and the text they stamp.
namespace TimeStampStore {

// The head of every chain the register holds now, by serial number.
std::optional<QVector<ChainPosition>> currentHeads(const QSqlDatabase &db, QString *error);

// One line per position, "RG100001 #1234 <the full hash>" (the serial
// number percent-encoded), in the order given; what a token stamps.
QString stampedText(const QVector<ChainPosition> &positions);
// The positions of a stamped text; nothing when a line is not one.
std::optional<QVector<ChainPosition>> positions(const QString &stampedText);

// Stores it and fills in its id.
bool insert(const QSqlDatabase &db, TimeStamp &stamp, QString *error);
// Every stamp, oldest first.
std::optional<QVector<TimeStamp>> all(const QSqlDatabase &db, QString *error);
// The authority's time of the newest stamp; invalid when there is none.
std::optional<QDateTime> newest(const QSqlDatabase &db, QString *error);

} // namespace TimeStampStore
