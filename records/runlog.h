#pragma once

#include "device/communicationmanager.h"

#include <QByteArray>
#include <QString>

// The text run log: the clinic's record of one sterilisation run.
namespace RunLog {

struct WriteResult {
    bool written = false;
    QString fileName;    // the file that was written, or that could not be
    QString errorString; // why it could not be written; empty when written
    QString sha256;      // of the bytes written, lowercase hex; empty when not written
};

// The bytes of the log file for a run record. Header fields, keys and values
// are in the system's 8-bit encoding, the degree sign of the column titles is
// always its UTF-8 form. Rows follow elapsed time, and every second one (the
// 1st, 3rd, ...) is written. Keys that name no elapsed time cannot be placed
// in time; they follow the timed ones in text order rather than being lost.
// A line break inside a field becomes a blank so that each field keeps its line.
QByteArray content(const CommunicationManager::Program &record);

// Writes the log atomically: the file is either complete or, on failure,
// left as it was before. A symbolic link at the name is refused, never followed.
WriteResult writeRunLog(const CommunicationManager::Program &record, const QString &fileName);

// Writes the log to basePath + ".txt", or to basePath + "_2.txt" and so on
// when that file exists, so that no earlier log is replaced.
WriteResult saveRunLog(const CommunicationManager::Program &record, const QString &basePath);

} // namespace RunLog
