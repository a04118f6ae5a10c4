#pragma once
// Independent pieces of work spread over the processor's cores.

#include <cstddef>
#include <functional>

namespace cli
{

/// How many threads a batch is worth: the processor's cores, at least one.
std::size_t availableWorkers();

/// Calls work(index, worker) once for every index below `count`, on up to `workers` threads (the caller's
/// among them). A worker number, below `workers`, is used by one thread at a time, so it can pick state of
/// that thread's own. Returns when all calls have returned; `work` must not throw.
void forEachInParallel(
    std::size_t count, std::size_t workers, const std::function<void(std::size_t index, std::size_t worker)> &work);

} // namespace cli
