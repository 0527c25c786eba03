#include "records/journalsyncer.h"

#include "app/logging.h"

#include <QFile>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

JournalSyncer::JournalSyncer(SyncFunction sync)
    : sync(sync ? std::move(sync) : [](int handle) {
#ifdef Q_OS_UNIX
          ::fsync(handle);
#else
          Q_UNUSED(handle)
#endif
      })
{
}

JournalSyncer::~JournalSyncer()
{
    {
        const std::lock_guard<std::mutex> hold(mutex);
        quit = true;
    }
    wake.notify_one();
    if (thread.joinable())
        thread.join();
}

void JournalSyncer::syncFile(const QString &fileName, [[maybe_unused]] int handle)
{
#ifdef Q_OS_UNIX
    {
        const std::lock_guard<std::mutex> hold(mutex);
        if (!waiting.empty() && waiting.back().handle >= 0 && waiting.back().path == fileName)
            return;
    }
    const int duplicate = ::fcntl(handle, F_DUPFD_CLOEXEC, 0);
    if (duplicate < 0) {
        qCDebug(lcRecords) << "journal" << fileName << "cannot be synced";
        return;
    }
    enqueue({fileName, duplicate});
#endif
}

void JournalSyncer::syncFolder([[maybe_unused]] const QString &folder)
{
#ifdef Q_OS_UNIX
    enqueue({folder, -1});
#endif
}

void JournalSyncer::dropFile(const QString &fileName)
{
    const std::lock_guard<std::mutex> hold(mutex);
    const auto dropped = std::remove_if(waiting.begin(), waiting.end(), [&](const Job &job) {
        return job.handle >= 0 && job.path == fileName;
    });
#ifdef Q_OS_UNIX
    for (auto job = dropped; job != waiting.end(); ++job)
        ::close(job->handle);
#endif
    waiting.erase(dropped, waiting.end());
}

void JournalSyncer::enqueue(Job job)
{
    {
        const std::lock_guard<std::mutex> hold(mutex);
        waiting.push_back(std::move(job));
        if (!thread.joinable())
            thread = std::thread(&JournalSyncer::run, this);
    }
    wake.notify_one();
}

void JournalSyncer::run()
{
#ifdef Q_OS_UNIX
    std::unique_lock<std::mutex> hold(mutex);
    for (;;) {
        wake.wait(hold, [this] { return quit || !waiting.empty(); });
        if (waiting.empty())
            return; // quit, and nothing is left to sync
        const Job job = waiting.front();
        waiting.pop_front();
        hold.unlock();
        if (job.handle >= 0) {
            sync(job.handle);
            ::close(job.handle);
        } else {
            const int folder = ::open(QFile::encodeName(job.path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            if (folder >= 0) {
                sync(folder);
                ::close(folder);
            }
        }
        hold.lock();
    }
#endif
}
