#pragma once
// Pipes and the hidden child processes that read and write them. Every command line is UTF-8 here;
// the Windows side turns it into UTF-16.

#include "core/platform/Handle.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace clipvane::platform {

// An anonymous pipe whose ends are not inherited by children unless passed explicitly.
bool CreatePipe(Handle& readEnd, Handle& writeEnd);

// Readies the end of a pipe that a child will get as a standard handle. Windows replaces it by an
// inheritable duplicate (closing the original); on POSIX the spawn passes it explicitly, so it stays.
bool PrepareChildEnd(Handle& childEnd);

// Bytes waiting in a pipe, without reading them. False when the handle is not a readable pipe.
bool PeekPipe(Handle readEnd, std::uint32_t& bytesAvailable);

// Blocking read of at most `size` bytes; the number read, or -1 on failure (LastError set).
std::int64_t ReadPipe(Handle readEnd, void* buffer, std::uint32_t size);

struct ChildProcess {
    Handle process = kNoHandle; // pidfd on Linux, process handle on Windows
    Handle thread = kNoHandle;  // primary thread handle on Windows, unused elsewhere
    Handle job = kNoHandle;     // Windows: the kill-on-close job the child runs in; unused elsewhere
    std::int64_t pid = 0;
    std::int64_t threadId = 0;
};

// Starts a hidden child with the three given standard handles and nothing else inherited.
// POSIX uses `argv` (argv[0] is looked up with FindExecutable when it holds no separator);
// Windows passes `commandLine` as it stands. False on failure, with LastError set.
// The child dies with this process, however it ends (Linux: a death signal, which follows the
// calling thread, so call it from one that lives as long as the program; Windows: a job object
// that kills on close), and it heads a process group (a job) that TerminateChild ends whole.
bool SpawnHidden(const std::vector<std::string>& argv, const std::string& commandLine, Handle stdIn,
                 Handle stdOut, Handle stdErr, ChildProcess& child);

enum class WaitResult { Exited, Timeout, Failed };

// Waits at most `timeoutMs` for the child to end. May return Timeout early when one of the
// optional pipes becomes readable, which lets the caller drain output sooner.
WaitResult WaitForChild(const ChildProcess& child, int timeoutMs, Handle wakeOnData1 = kNoHandle,
                        Handle wakeOnData2 = kNoHandle);

// A second handle to the same child, owned by the caller (for a watcher that outlives the owner's);
// it does not hold the job, so closing it kills nothing.
bool DuplicateChild(const ChildProcess& child, ChildProcess& copy);

// Kills the child and whatever else runs in its group or job; does not reap it.
bool TerminateChild(const ChildProcess& child, std::uint32_t exitCode);

// How a child ended.
struct ExitStatus {
    bool known = false; // false: the OS could not say (the child was reaped elsewhere)
    int code = 0;       // the exit code
    int signal = 0;     // POSIX: the signal that ended it, else 0
    bool Succeeded() const { return known && code == 0 && signal == 0; }
};

// Waits at most `timeoutMs` (negative: for as long as it takes) for the child to be gone, reaps it,
// closes its handles and clears the record. False when it still runs at the timeout: the record
// is kept. True on an empty record.
bool ReapChild(ChildProcess& child, int timeoutMs, ExitStatus* status = nullptr);

// Waits for the child to be gone (reaping it where the OS needs that), then closes its handles
// and clears the record. Safe on an empty record.
void ReleaseChild(ChildProcess& child);

// Closes the record's handles without reaping (for a duplicate record).
void CloseChild(ChildProcess& child);

// How many more children this process can run at once, each holding `handlesPerChild` descriptors
// of ours and costing `tasksPerChild` processes or threads: the open-file limit less what is open now
// and `reserve`, and the user's process limit less what the user runs now. SIZE_MAX where the OS sets
// neither limit (Windows).
std::size_t ChildrenAllowed(std::size_t handlesPerChild, std::size_t tasksPerChild, std::size_t reserve);

// True when the OS error code says a resource ran short (descriptors, processes, memory) rather than
// that the program cannot be run at all: the same start may work once other children have ended.
bool IsResourceShortage(int code);

// The full path of the executable that a bare program name runs: the program's own folder first,
// then the search path. Empty when none is found. A name with a separator is returned unchanged.
std::string FindExecutable(const std::string& name);

} // namespace clipvane::platform
