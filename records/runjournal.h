#pragma once

#include "device/communicationmanager.h"
#include "records/journalsyncer.h"
#include "register/cycle.h"

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QVector>

#include <memory>
#include <optional>

class QLockFile;

// The journal of a run: its record, appended line by line as it grows, so
// that a crash or a power cut never takes the record along. One file per run
// in the station's data folder, held by a lock while its station runs. Each
// line carries a CRC-32 of its content; a line torn by a crash fails it and
// is left out when the journal is read back. Every line is written at once
// and synced to disk in the background (JournalSyncer), so that a slow disk
// never holds up the window.
//
// Once the run's log is saved (or the run discarded) the journal says so and
// is kept: it is the run's register entry until the register holds it, and
// only then is it deleted.
class RunJournal
{
public:
    // Where the run's log went, as the journal's "logged" line says.
    struct Log {
        QString path;
        QString sha256; // of the bytes written, lowercase hex
        Cycle::Origin origin = Cycle::Origin::Recorded;
    };

    // What a journal holds: a run record ready for its log, and what the
    // register needs besides.
    struct Run {
        // Its steps are the program's as read when the run started; empty
        // when unknown.
        CommunicationManager::Program record;
        QString basePath;  // where the log was to go, without ".txt"
        int programNumber = 0; // as the controller counts, 1 to 6; 0 when unknown
        bool adopted = false;  // the recording began after the program had
        // The run's start and end as instants with their UTC offset; the end
        // of a run that had not ended is its last sample. Journals of the
        // first layout give them as this computer's local time.
        QDateTime started;
        QDateTime finished;
        // Every sample journalled, in the order taken. Journals of the first
        // layout kept whole seconds and one sample per second.
        QVector<CycleSample> samples;
        std::optional<Log> log; // once the log is saved
        bool discarded = false; // the user chose to keep no log
        // Its end is settled: its log is saved, or it was discarded.
        bool settled() const { return log || discarded; }
    };

    // What is known of a run when it starts, besides its record.
    struct Start {
        int programNumber = 0; // 0 when unknown
        bool adopted = false;
        QDateTime at; // with its UTC offset
    };

    // The status of a run whose station stopped before the run ended.
    static constexpr char stoppedStatus[] = "Station stopped during the run";
    // The status of a run the user chose not to log.
    static constexpr char discardedStatus[] = "Discarded by the user";

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

    // Starts the journal of a new run with the record's fields (and steps).
    // A journal still open is closed and kept. False when no journal could
    // be made.
    bool begin(const CommunicationManager::Program &record, const QString &basePath, const Start &start);
    // Appends the fields of the record (not its samples or steps) that
    // changed since they were last journalled.
    void recordFields(const CommunicationManager::Program &record);
    // Appends one sample as it goes into the record's data points, with its
    // time since the start in milliseconds.
    void recordSample(const QString &key, const QString &value, qint64 elapsedMs);
    // Appends the instant the run ended.
    void recordEnd(const QDateTime &at);
    // Appends where the run's log was saved: the run is settled. Also on a
    // journal adopted from an earlier start.
    void recordLogged(const Log &log);
    // Appends that the user chose to keep no log: the run is settled.
    void recordDiscarded();
    // Deletes the journal: its run is in the register, or nothing is to be kept.
    void remove();
    // Closes the journal and keeps it; it is still synced to disk.
    void close();
    bool isOpen() const;
    // The journal open or adopted; empty when there is none.
    QString fileName() const;

    // Journals in the folder, oldest first, whether a station holds them or not.
    QStringList journals() const;
    // Takes over a journal that no running station holds, and reads it; what
    // is recorded next is appended to it. False when another station holds
    // it or it cannot be read.
    bool adopt(const QString &fileName, QByteArray *content);

private:
    void append(const QByteArray &lines);

    QString folder;
    QString path; // of the journal open or adopted
    QFile file;
    std::unique_ptr<QLockFile> lock;
    CommunicationManager::Program journalled; // the fields as the journal has them
    // An adopted journal whose last line was torn: the next line starts a
    // line of its own.
    bool tornEnd = false;
    // Destroyed first: a journal is kept locked until it is on disk.
    JournalSyncer syncer;
};
