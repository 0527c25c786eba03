#pragma once

#include "device/communicationmanager.h"
#include "records/journalsyncer.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class QLockFile;

// The journal of the run in progress: its record, appended line by line as
// it grows, so that a crash or a power cut never takes the record along.
// One file per run in the station's data folder, held by a lock while its
// station runs. Each line carries a CRC-32 of its content; a line torn by a
// crash fails it and is left out when the journal is read back. Every line
// is written at once and synced to disk in the background (JournalSyncer),
// so that a slow disk never holds up the window.
class RunJournal
{
public:
    // What a journal holds, as a run record ready for its log.
    struct Run {
        CommunicationManager::Program record;
        QString basePath; // where the log was to go, without ".txt"
    };

    // The status of a run whose station stopped before the run ended.
    static constexpr char stoppedStatus[] = "Station stopped during the run";

    // The journals of this user: the station's data folder.
    static QString defaultFolder();

    // The run a journal's content holds. A run that had not ended gets
    // stoppedStatus and, as its finish time, the time of its last sample
    // (its start when it has none). Nothing when the content is no journal.
    static std::optional<Run> parse(const QByteArray &content);

    // CRC-32 (as in zip and PNG) of the bytes.
    static quint32 crc32(const QByteArray &bytes);

    explicit RunJournal(const QString &folder = defaultFolder(), JournalSyncer::SyncFunction sync = {});
    // Closes the journal, keeping it, and waits until it is synced to disk.
    ~RunJournal();

    // Starts the journal of a new run with the record's fields. A journal
    // still open is closed and kept. False when no journal could be made.
    bool begin(const CommunicationManager::Program &record, const QString &basePath);
    // Appends the fields of the record (not its samples) that changed since
    // they were last journalled.
    void recordFields(const CommunicationManager::Program &record);
    // Appends one sample as it goes into the record's data points.
    void recordSample(const QString &key, const QString &value);
    // Deletes the journal: its run is saved, or discarded on purpose.
    void remove();
    // Closes the journal and keeps it for the next start to recover; it is
    // still synced to disk.
    void close();
    bool isOpen() const;

    // Journals in the folder, oldest first, whether a station holds them or not.
    QStringList journals() const;
    // Takes over a journal that no running station holds, and reads it.
    // False when another station holds it or it cannot be read.
    bool adopt(const QString &fileName, QByteArray *content);

private:
    void append(const QByteArray &lines);

    QString folder;
    QString path; // of the journal open or adopted
    QFile file;
    std::unique_ptr<QLockFile> lock;
    CommunicationManager::Program journalled; // the fields as the journal has them
    // Destroyed first: a journal is kept locked until it is on disk.
    JournalSyncer syncer;
};
