#pragma once

#include <QString>

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

// Makes the run journal survive a power cut without the GUI thread waiting
// for the disk: the journal is written on the GUI thread (so a crash of the
// station loses nothing written), and synced to disk here, on a thread of
// its own, in the order the syncs were asked for. A sync asked for while an
// earlier one of the same file still waits adds nothing: the waiting one
// covers everything written before it starts.
class JournalSyncer
{
public:
    // Makes what was written through the handle survive a power cut; on a
    // slow disk it takes its time. The default is fsync().
    using SyncFunction = std::function<void(int handle)>;

    explicit JournalSyncer(SyncFunction sync = {});
    // Carries out the syncs still waiting: a journal kept for the next
    // start is complete on disk once its station has ended.
    ~JournalSyncer();

    JournalSyncer(const JournalSyncer &) = delete;
    JournalSyncer &operator=(const JournalSyncer &) = delete;

    // Syncs what has been written to the file by now. The handle is
    // duplicated, so the file may be closed at once.
    void syncFile(const QString &fileName, int handle);
    // Syncs the folder's entries: a file created, renamed or removed in it.
    void syncFolder(const QString &folder);
    // Forgets the file's syncs that still wait: the file is gone.
    void dropFile(const QString &fileName);

private:
    struct Job {
        QString path;
        int handle = -1; // a duplicate to sync and close; -1: the folder at path
    };

    void enqueue(Job job);
    void run();

    SyncFunction sync;
    std::mutex mutex;
    std::condition_variable wake;
    std::deque<Job> waiting;
    bool quit = false;
    std::thread thread; // started with the first sync
};
