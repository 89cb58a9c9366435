#pragma once
// Holds `TConvertThread`, the watcher thread; named ConvertWorker because ConvertThread.h already
// carries the unit's name for the runner, `TConvertProcess`.
// The worker that watches one encoder child, and the hand-off through which it has the GUI thread
// run the runner's reads and tear-down. Internal to the runner.

#include "core/platform/Process.h"

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>

class QObject;

namespace clipvane {

class TConvertProcess;

enum class TCall { None, ReadStdOut, ReadStdErr, ProcessEnded };

// One worker's side of the hand-off. Guarded by THandOffHub::Mutex.
struct TWorkerLink {
    bool Terminated = false; // the runner's terminate request
    TCall Call = TCall::None;
    std::uint32_t Bytes = 0; // the peek that asked for a read
    bool Done = false;
    bool Failed = false;
    bool Finished = false; // the worker's thread has closed its handles and is ending
};

// Shared by the runner and all its workers, so that a worker never touches a runner that is gone.
struct THandOffHub {
    std::mutex Mutex;
    std::condition_variable Changed;
    bool OwnerGone = false;    // the runner has been destroyed
    bool Stopping = false;     // the GUI event loop is ending: nobody will serve a hand-off
    QObject* Target = nullptr; // lives on the GUI thread; valid while !OwnerGone
    std::deque<std::shared_ptr<TWorkerLink>> Requests;
};

// What the worker watches: its own copies, so a handle the GUI thread closes (and the OS reuses)
// is never polled by mistake.
struct TWatchHandles {
    platform::Handle StdOutRead = platform::kNoHandle;
    platform::Handle StdErrRead = platform::kNoHandle;
    platform::ChildProcess Child;

    void Close();
};

class TConvertThread final {
public:
    // Starts watching at once on a thread of its own, which owns the worker and frees it as it ends.
    // Takes the handles; throws std::system_error when no thread can be made (the handles are closed).
    static void Launch(std::shared_ptr<THandOffHub> hub, std::shared_ptr<TWorkerLink> link,
                       TWatchHandles handles);

    ~TConvertThread();
    TConvertThread(const TConvertThread&) = delete;
    TConvertThread& operator=(const TConvertThread&) = delete;

    // The event type of a hand-off request posted to the hub's target.
    static int HandOffEventType();
    // Asks the worker to end; it closes its handles as its thread ends, a moment later.
    static void Terminate(THandOffHub& hub, TWorkerLink& link);
    // How many workers asked to end have closed their handles so far.
    static std::uint64_t EndedSoFar();
    // Waits at most `timeoutMs` for the workers asked to end to have closed their handles: true when
    // all now have and some did since EndedSoFar() gave `since`.
    static bool AwaitEnded(std::uint64_t since, int timeoutMs);

private:
    TConvertThread(std::shared_ptr<THandOffHub> hub, std::shared_ptr<TWorkerLink> link,
                   TWatchHandles handles);
    void Execute();
    bool Pass(bool& idle);
    bool Synchronize(TCall call, std::uint32_t bytes);
    bool TerminateRequested();

    std::shared_ptr<THandOffHub> m_hub;
    std::shared_ptr<TWorkerLink> m_link;
    TWatchHandles m_handles;
};

} // namespace clipvane
