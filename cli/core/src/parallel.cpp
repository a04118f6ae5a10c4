#include "cli/parallel.h"

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

namespace cli
{

std::size_t availableWorkers()
{
    return std::max(1u, std::thread::hardware_concurrency());
}

void forEachInParallel(
    std::size_t count, std::size_t workers, const std::function<void(std::size_t index, std::size_t worker)> &work)
{
    workers = std::clamp<std::size_t>(workers, 1, std::max<std::size_t>(count, 1));
    // Indices are handed out one at a time, so a slow piece does not hold up a whole share.
    std::atomic<std::size_t> next { 0 };
    const auto run = [&](std::size_t worker) {
        for (std::size_t index = next++; index < count; index = next++) {
            work(index, worker);
        }
    };
    std::vector<std::jthread> threads;
    threads.reserve(workers - 1);
    for (std::size_t worker = 1; worker < workers; ++worker) {
        threads.emplace_back(run, worker);
    }
    run(0);
}

} // namespace cli
