#pragma once

#include <QThread>

#include <atomic>
#include <thread>
#include <vector>

namespace Parallel {

// Calls work(i) for every i from 0 to count - 1 on all cores (this thread
// included) and returns when all are done. Each i is taken by one thread.
template<typename Work>
void forEach(int count, Work &&work)
{
    std::atomic<int> next{0};
    const auto run = [&] {
        for (int i = next++; i < count; i = next++)
            work(i);
    };
    std::vector<std::thread> helpers;
    for (int n = 1; n < qMin(QThread::idealThreadCount(), count); ++n)
        helpers.emplace_back(run);
    run();
    for (std::thread &helper : helpers)
        helper.join();
}

} // namespace Parallel
