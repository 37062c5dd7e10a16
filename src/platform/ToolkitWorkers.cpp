#include "platform/internal/ToolkitWorkers.h"

#include <QSemaphore>
#include <QThreadPool>

#include <malloc.h>
#include <memory>

namespace {

// Enough for the toolkit's fill and conversion tasks, which use little stack.
constexpr unsigned kWorkerStackBytes = 512 * 1024;

} // namespace

bool StartToolkitWorkers()
{
    // Every thread would otherwise get a heap of its own, each reserving
    // 64 MB of address space; the program's work runs on one thread and the
    // workers hardly allocate, so all share the main heap.
    mallopt(M_ARENA_MAX, 1);
    QThreadPool* pool = QThreadPool::globalInstance();
    pool->setStackSize(kWorkerStackBytes);
    pool->setExpiryTimeout(-1);
    // As many tasks as the pool has workers, each holding its worker until
    // all have started, so that every worker is started once. The semaphores
    // outlive this function in case a worker could not start now.
    const int workers = pool->maxThreadCount();
    auto started = std::make_shared<QSemaphore>();
    auto release = std::make_shared<QSemaphore>();
    for (int i = 0; i < workers; ++i) {
        pool->start([started, release] {
            started->release();
            release->acquire();
        });
    }
    // A worker that could not start never runs its task: the wait ends
    // unanswered.
    const bool bAllStarted = started->tryAcquire(workers, 5000);
    release->release(workers);
    return bAllStarted;
}
