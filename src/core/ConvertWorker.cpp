#include "core/ConvertWorker.h"

#include <QCoreApplication>
#include <QEvent>

#include <algorithm>
#include <chrono>
#include <functional>
#include <thread>
#include <utility>

namespace clipvane {

namespace {
// How long the worker waits on a quiet child before it looks at the pipes again.
constexpr int kWaitMs = 100;
// How long it waits for the end of an encoder that has just spoken after a quiet stretch: well
// within the few milliseconds a progress report may take to show.
constexpr int kGatherMs = 2;

// Workers of every runner asked to end whose handles are still open. Taken after a hub's mutex.
struct TEnding {
    std::mutex Mutex;
    std::condition_variable Changed;
    std::size_t Ending = 0;
    std::uint64_t Ended = 0;
};

// Never destroyed: a detached worker may still report its end while the program exits.
TEnding& Ending() {
    static TEnding* const ending = new TEnding;
    return *ending;
}

// How long a thread whose worker has ended waits for the next one before it ends too: a batch
// starts its next file within milliseconds, and a thread made for every small file costs more
// than the file.
constexpr auto kIdleWait = std::chrono::seconds(5);

// Threads that run workers one after another.
struct TPool {
    std::mutex Mutex;
    std::condition_variable Work;
    std::deque<std::function<void()>> Jobs;
    std::size_t Idle = 0; // threads waiting for a job
};

// Never destroyed, like Ending(): its threads are detached.
TPool& Pool() {
    static TPool* const pool = new TPool;
    return *pool;
}

void RunPool(TPool& pool, std::function<void()> job) {
    std::unique_lock lock(pool.Mutex);
    for (;;) {
        lock.unlock();
        job();
        job = nullptr; // what it held goes before the wait
        lock.lock();
        ++pool.Idle;
        const bool got = pool.Work.wait_for(lock, kIdleWait, [&pool] { return !pool.Jobs.empty(); });
        --pool.Idle;
        if (!got)
            return;
        job = std::move(pool.Jobs.front());
        pool.Jobs.pop_front();
    }
}

// Runs `job` on a waiting thread, or on a new one; throws std::system_error when none can be made.
void RunOnPool(std::function<void()> job) {
    TPool& pool = Pool();
    std::lock_guard lock(pool.Mutex);
    if (pool.Idle > pool.Jobs.size()) {
        pool.Jobs.push_back(std::move(job));
        pool.Work.notify_one();
        return;
    }
    std::thread(RunPool, std::ref(pool), std::move(job)).detach();
}
} // namespace

void TWatchHandles::Close() {
    platform::CloseHandle(StdOutRead);
    platform::CloseHandle(StdErrRead);
    platform::CloseChild(Child);
}

int TConvertThread::HandOffEventType() {
    static const int type = QEvent::registerEventType();
    return type;
}

TConvertThread::TConvertThread(std::shared_ptr<THandOffHub> hub, std::shared_ptr<TWorkerLink> link,
                               TWatchHandles handles)
    : m_hub(std::move(hub))
    , m_link(std::move(link))
    , m_handles(handles) {}

TConvertThread::~TConvertThread() {
    m_handles.Close();
}

void TConvertThread::Launch(std::shared_ptr<THandOffHub> hub, std::shared_ptr<TWorkerLink> link,
                            TWatchHandles handles) {
    std::unique_ptr<TConvertThread> worker(new TConvertThread(std::move(hub), std::move(link), handles));
    RunOnPool([self = worker.get(), hub = worker->m_hub, link = worker->m_link] {
        {
            const std::unique_ptr<TConvertThread> owned(self); // free-on-terminate
            owned->Execute();
        }
        std::lock_guard lock(hub->Mutex);
        link->Finished = true;
        if (link->Terminated) {
            TEnding& state = Ending();
            std::lock_guard ending(state.Mutex);
            --state.Ending;
            ++state.Ended;
            state.Changed.notify_all();
        }
    });
    worker.release();
}

void TConvertThread::Terminate(THandOffHub& hub, TWorkerLink& link) {
    std::lock_guard lock(hub.Mutex);
    if (link.Terminated)
        return;
    link.Terminated = true;
    if (!link.Finished) {
        std::lock_guard ending(Ending().Mutex);
        ++Ending().Ending;
    }
}

std::uint64_t TConvertThread::EndedSoFar() {
    std::lock_guard lock(Ending().Mutex);
    return Ending().Ended;
}

bool TConvertThread::AwaitEnded(std::uint64_t since, int timeoutMs) {
    TEnding& state = Ending();
    std::unique_lock lock(state.Mutex);
    return state.Changed.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&state] {
        return state.Ending == 0;
    }) && state.Ended != since;
}

bool TConvertThread::TerminateRequested() {
    std::lock_guard lock(m_hub->Mutex);
    return m_link->Terminated;
}

// Blocks until the GUI thread has run the call. False when it failed or will never run: the
// runner is gone, the event loop is ending, or the call belongs to a child that is no longer current.
bool TConvertThread::Synchronize(TCall call, std::uint32_t bytes) {
    std::unique_lock lock(m_hub->Mutex);
    if (m_hub->OwnerGone || m_hub->Stopping)
        return false;
    m_link->Call = call;
    m_link->Bytes = bytes;
    m_link->Done = false;
    m_link->Failed = false;
    m_hub->Requests.push_back(m_link);
    // Posted under the lock: the runner cannot delete the target meanwhile, and the GUI side's
    // lock of the same mutex orders this thread's allocation of the event before Qt frees it.
    QCoreApplication::postEvent(m_hub->Target, new QEvent(static_cast<QEvent::Type>(HandOffEventType())));
    // Not cut short when the runner stops: a hand-off already asked for still runs, as the end's must.
    m_hub->Changed.wait(lock, [this] { return m_link->Done || m_hub->OwnerGone || m_hub->Stopping; });
    if (!m_link->Done) {
        auto& requests = m_hub->Requests;
        requests.erase(std::remove(requests.begin(), requests.end(), m_link), requests.end());
        m_link->Call = TCall::None;
        return false;
    }
    return !m_link->Failed;
}

// One look at both pipes; whatever waits is read on the GUI thread. False: the worker must end.
bool TConvertThread::Pass(bool& idle) {
    std::uint32_t bytes = 0;
    if (platform::PeekPipe(m_handles.StdOutRead, bytes) && bytes > 0) {
        if (!Synchronize(TCall::ReadStdOut, bytes))
            return false;
        idle = false;
    }
    bytes = 0;
    if (platform::PeekPipe(m_handles.StdErrRead, bytes) && bytes > 0) {
        if (!Synchronize(TCall::ReadStdErr, bytes))
            return false;
        idle = false;
    }
    return true;
}

void TConvertThread::Execute() {
    try {
        bool heard = false; // output was read since the last wait
        for (;;) {
            bool idle = true;
            if (!Pass(idle))
                return;
            heard = heard || !idle;
            if (idle) {
                auto waited = platform::WaitForChild(m_handles.Child, kWaitMs, m_handles.StdOutRead,
                                                     m_handles.StdErrRead);
                // The first lines after a quiet stretch: a small file's encoder writes its last ones
                // and ends a moment later. Waiting that moment on the child alone reads both at once,
                // rather than having the GUI thread read and lock while the encoder still runs, which
                // slowed the encoder itself. An encoder that keeps writing is read at once.
                if (waited == platform::WaitResult::Timeout && !heard)
                    waited = platform::WaitForChild(m_handles.Child, kGatherMs);
                heard = false;
                if (waited == platform::WaitResult::Failed) {
                    // A wait that cannot work must not turn the loop into a busy one.
                    std::this_thread::sleep_for(std::chrono::milliseconds(kWaitMs));
                } else if (waited == platform::WaitResult::Exited) {
                    // Everything the child wrote before it ended is read before the tear-down.
                    do {
                        idle = true;
                        if (!Pass(idle))
                            return;
                    } while (!idle);
                    if (!TerminateRequested() && !Synchronize(TCall::ProcessEnded, 0))
                        return;
                }
            }
            if (idle && TerminateRequested())
                return;
        }
    } catch (...) {
        // The worker ends quietly; the runner learns nothing more from it.
    }
}

} // namespace clipvane
