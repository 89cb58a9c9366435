// POSIX (Linux) side of pipes and child processes.
#include "core/platform/Files.h"
#include "core/platform/Process.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <linux/close_range.h>
#include <poll.h>
#include <pthread.h>
#include <string_view>
#include <sys/ioctl.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace clipvane::platform {

bool CreatePipe(Handle& readEnd, Handle& writeEnd) {
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0)
        return false;
    readEnd = ends[0];
    writeEnd = ends[1];
    return true;
}

bool PrepareChildEnd(Handle& childEnd) {
    // Every descriptor is close-on-exec; the spawn hands the child exactly its three.
    return childEnd != kNoHandle;
}

bool PeekPipe(Handle readEnd, std::uint32_t& bytesAvailable) {
    int count = 0;
    if (readEnd < 0) {
        errno = EBADF;
        return false;
    }
    if (::ioctl(readEnd, FIONREAD, &count) != 0)
        return false;
    bytesAvailable = static_cast<std::uint32_t>(count);
    return true;
}

std::int64_t ReadPipe(Handle readEnd, void* buffer, std::uint32_t size) {
    for (;;) {
        const ssize_t n = ::read(readEnd, buffer, size);
        if (n >= 0 || errno != EINTR)
            return n;
    }
}

// Entries of a /proc folder whose names are numbers; -1 when it cannot be read.
static long CountNumberedEntries(const char* folder) {
    DIR* dir = ::opendir(folder);
    if (!dir)
        return -1;
    long count = 0;
    while (const dirent* entry = ::readdir(dir))
        count += entry->d_name[0] >= '0' && entry->d_name[0] <= '9' ? 1 : 0;
    ::closedir(dir);
    return count;
}

// The tasks (threads) of the processes of our real user: what RLIMIT_NPROC counts.
static std::size_t UserTasks() {
    const uid_t user = ::getuid();
    DIR* proc = ::opendir("/proc");
    if (!proc)
        return 0;
    std::size_t tasks = 0;
    while (const dirent* entry = ::readdir(proc)) {
        if (entry->d_name[0] < '0' || entry->d_name[0] > '9')
            continue;
        const std::string folder = std::string("/proc/") + entry->d_name;
        struct stat info {};
        if (::stat(folder.c_str(), &info) != 0 || info.st_uid != user)
            continue;
        const long count = CountNumberedEntries((folder + "/task").c_str());
        tasks += count > 0 ? static_cast<std::size_t>(count) : 1;
    }
    ::closedir(proc);
    return tasks;
}

std::size_t ChildrenAllowed(std::size_t handlesPerChild, std::size_t tasksPerChild, std::size_t reserve) {
    std::size_t allowed = SIZE_MAX;
    rlimit limit{};
    if (handlesPerChild > 0 && ::getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY) {
        // The listing's own descriptor is counted too: one of the reserve.
        const long open = CountNumberedEntries("/proc/self/fd");
        const std::size_t used = (open > 0 ? static_cast<std::size_t>(open) : 3) + reserve;
        const auto cap = static_cast<std::size_t>(limit.rlim_cur);
        allowed = std::min(allowed, cap > used ? (cap - used) / handlesPerChild : 0);
    }
    if (tasksPerChild > 0 && ::getrlimit(RLIMIT_NPROC, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY) {
        const std::size_t used = UserTasks();
        const auto cap = static_cast<std::size_t>(limit.rlim_cur);
        allowed = std::min(allowed, cap > used ? (cap - used) / tasksPerChild : 0);
    }
    return allowed;
}

bool IsResourceShortage(int code) {
    return code == EMFILE || code == ENFILE || code == EAGAIN || code == ENOMEM;
}

static bool IsExecutableFile(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

std::string FindExecutable(const std::string& name) {
    if (name.empty())
        return {};
    if (name.find('/') != std::string::npos)
        return name;
    if (const std::string own = ProgramFolder() + name; IsExecutableFile(own))
        return own;
    const char* path = std::getenv("PATH");
    std::string_view rest = path ? path : "";
    while (path) {
        const auto colon = rest.find(':');
        const std::string_view folder = rest.substr(0, colon);
        // An empty entry means the current folder.
        std::string candidate(folder.empty() ? std::string_view(".") : folder);
        candidate += '/';
        candidate += name;
        if (IsExecutableFile(candidate))
            return candidate;
        if (colon == std::string_view::npos)
            break;
        rest.remove_prefix(colon + 1);
    }
    return {};
}

static int PidfdOpen(pid_t pid) {
    return static_cast<int>(::syscall(SYS_pidfd_open, pid, 0));
}

namespace {

// What the child needs to become the encoder, all made by the parent before the clone.
struct TChildStart {
    const char* program = nullptr;
    char* const* args = nullptr;
    char* const* env = nullptr;
    int ends[3] = {-1, -1, -1}; // standard input, output, error
    int errorPipe = -1;
    pid_t parent = 0;
};

// The child shares our memory until its exec (vfork), which spares copying the page tables of a big
// process for every file. So it makes raw system calls only: no allocation, no libc
// state, and no sanitizer interceptor, whose tables are ours. Its failures reach errno, which is the
// waiting parent thread's and set again by it afterwards.
#define CLIPVANE_CHILD_CODE __attribute__((no_sanitize("address", "thread", "undefined"), noinline))

[[noreturn]] CLIPVANE_CHILD_CODE void FailChild(int errorPipe) {
    const int code = errno;
    ::syscall(SYS_write, errorPipe, &code, sizeof code);
    ::syscall(SYS_exit_group, 127);
    __builtin_unreachable();
}

// The hex mask after `field` ("SigCgt:\t") in a /proc status text; false when it is not there.
CLIPVANE_CHILD_CODE bool StatusMask(const char* text, long size, const char* field, std::uint64_t& mask) {
    long length = 0;
    while (field[length])
        ++length;
    for (long at = 0; at + length <= size; ++at) {
        if (at > 0 && text[at - 1] != '\n')
            continue;
        long i = 0;
        while (i < length && text[at + i] == field[i])
            ++i;
        if (i < length)
            continue;
        mask = 0;
        long digits = 0;
        for (long p = at + length; p < size && digits < 16; ++p, ++digits) {
            const char c = text[p];
            const int value = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
            if (value < 0)
                break;
            mask = mask << 4 | static_cast<std::uint64_t>(value);
        }
        return digits > 0;
    }
    return false;
}

// The signals this (child) process catches or ignores, by the kernel's own account; all of them
// when that cannot be read.
CLIPVANE_CHILD_CODE std::uint64_t SignalsToReset() {
    char text[4096];
    const long fd = ::syscall(SYS_openat, AT_FDCWD, "/proc/self/status", O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return ~std::uint64_t{0};
    long size = 0;
    for (long got;
         size < static_cast<long>(sizeof text) &&
         (got = ::syscall(SYS_read, fd, text + size, sizeof text - static_cast<std::size_t>(size))) > 0;)
        size += got;
    ::syscall(SYS_close, fd);
    std::uint64_t caught = 0, ignored = 0;
    if (!StatusMask(text, size, "SigCgt:\t", caught) || !StatusMask(text, size, "SigIgn:\t", ignored))
        return ~std::uint64_t{0};
    return caught | ignored;
}

[[noreturn]] CLIPVANE_CHILD_CODE void BecomeEncoder(const TChildStart* child) {
    const TChildStart& start = *child;
    // Dies with us, even when we are killed: nothing may go on writing after Clipvane is gone.
    if (::syscall(SYS_prctl, PR_SET_PDEATHSIG, SIGKILL, 0, 0, 0) != 0)
        FailChild(start.errorPipe);
    if (::syscall(SYS_getppid) != start.parent) // we died before the line above took effect
        ::syscall(SYS_exit_group, 127);
    // A group of its own, so that Stop also ends what a wrapper script started.
    ::syscall(SYS_setpgid, 0, 0);
    // Default dispositions and nothing blocked, whatever this process set up. The kernel's sigaction
    // layout: handler, flags, restorer, mask.
    struct {
        void (*handler)(int);
        unsigned long flags;
        void (*restorer)();
        unsigned long mask;
    } defaults{SIG_DFL, 0, nullptr, 0};
    // Only a caught or ignored signal needs it: one call for each of the 64 would cost the encoder's
    // start more than its whole run for a small file on a machine whose system calls are slow.
    const std::uint64_t touched = SignalsToReset();
    for (int signal = 1; signal < NSIG; ++signal)
        if (touched >> (signal - 1) & 1)
            ::syscall(SYS_rt_sigaction, signal, &defaults, nullptr, sizeof defaults.mask);
    const unsigned long none = 0;
    ::syscall(SYS_rt_sigprocmask, SIG_SETMASK, &none, nullptr, sizeof none);
    // Above 2 first when one of them is 0, 1 or 2, so that it is not overwritten on the way.
    long high[3];
    const bool clear = start.ends[0] > 2 && start.ends[1] > 2 && start.ends[2] > 2;
    for (int fd = 0; fd < 3; ++fd)
        high[fd] = clear ? start.ends[fd] : ::syscall(SYS_fcntl, start.ends[fd], F_DUPFD_CLOEXEC, 3);
    for (int fd = 0; fd < 3; ++fd)
        if (high[fd] < 0 || ::syscall(SYS_dup3, high[fd], fd, 0) != fd)
            FailChild(start.errorPipe);
    // Descriptors this process holds without close-on-exec must not reach the encoder either.
    if (::syscall(SYS_close_range, 3u, ~0u, CLOSE_RANGE_CLOEXEC) != 0) {
        // A kernel before 5.11: every descriptor up to the limit, looked up only on this path.
        rlimit limit{};
        const long openMax = ::syscall(SYS_prlimit64, 0, RLIMIT_NOFILE, nullptr, &limit) == 0 &&
                                     limit.rlim_cur != RLIM_INFINITY
                                 ? static_cast<long>(limit.rlim_cur)
                                 : 0;
        for (long fd = 3; fd < openMax; ++fd)
            ::syscall(SYS_fcntl, fd, F_SETFD, FD_CLOEXEC);
    }
    ::syscall(SYS_execve, start.program, start.args, start.env);
    FailChild(start.errorPipe);
}

#undef CLIPVANE_CHILD_CODE

} // namespace

bool SpawnHidden(const std::vector<std::string>& argv, const std::string& /*commandLine*/, Handle stdIn,
                 Handle stdOut, Handle stdErr, ChildProcess& child) {
    child = {};
    if (argv.empty()) {
        errno = EINVAL;
        return false;
    }
    const std::string program = FindExecutable(argv[0]);
    if (program.empty()) {
        errno = ENOENT;
        return false;
    }
    std::vector<char*> args;
    args.reserve(argv.size() + 1);
    for (const std::string& arg : argv)
        args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);

    // Tells the parent why exec failed; closed by a successful exec.
    int errorPipe[2];
    if (::pipe2(errorPipe, O_CLOEXEC) != 0)
        return false;
    // The death signal follows the thread that forks: this must be one that lives as long as the
    // program (the GUI thread).
    TChildStart start;
    start.program = program.c_str();
    start.args = args.data();
    start.env = environ;
    start.ends[0] = stdIn;
    start.ends[1] = stdOut;
    start.ends[2] = stdErr;
    start.errorPipe = errorPipe[1];
    start.parent = ::getpid();
    // No handler of ours may run in the child before it has reset them.
    sigset_t all, previous;
    ::sigfillset(&all);
    ::pthread_sigmask(SIG_SETMASK, &all, &previous);
    // This thread waits until the child has gone on to the encoder. (A sanitizer makes this a fork.)
    const pid_t pid = ::vfork();
    if (pid == 0)
        BecomeEncoder(&start);
    const int forkError = errno;
    ::pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    ::close(errorPipe[1]);
    if (pid < 0) {
        ::close(errorPipe[0]);
        errno = forkError;
        return false;
    }
    ::setpgid(pid, pid); // also from here, so that a Stop right after the start finds the group
    int execError = 0;
    ssize_t got;
    while ((got = ::read(errorPipe[0], &execError, sizeof execError)) < 0 && errno == EINTR) {
    }
    ::close(errorPipe[0]);
    const auto reap = [pid] {
        while (::waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
        }
    };
    if (got == static_cast<ssize_t>(sizeof execError)) {
        reap();
        errno = execError;
        return false;
    }
    const int pidfd = PidfdOpen(pid);
    if (pidfd < 0) {
        const int saved = errno;
        ::kill(-pid, SIGKILL);
        ::kill(pid, SIGKILL);
        reap();
        errno = saved;
        return false;
    }
    child.process = pidfd;
    child.pid = pid;
    return true;
}

WaitResult WaitForChild(const ChildProcess& child, int timeoutMs, Handle wakeOnData1, Handle wakeOnData2) {
    if (child.process < 0) {
        errno = EBADF;
        return WaitResult::Failed;
    }
    pollfd fds[3] = {{child.process, POLLIN, 0}, {wakeOnData1, POLLIN, 0}, {wakeOnData2, POLLIN, 0}};
    // poll() skips negative descriptors, so absent pipes simply never wake us.
    const int rc = ::poll(fds, 3, timeoutMs);
    if (rc < 0)
        return errno == EINTR ? WaitResult::Timeout : WaitResult::Failed;
    if (fds[0].revents & POLLIN)
        return WaitResult::Exited;
    if (fds[0].revents & (POLLERR | POLLNVAL))
        return WaitResult::Failed;
    const bool hungUp = ((fds[1].revents | fds[2].revents) & (POLLHUP | POLLERR | POLLNVAL)) != 0 &&
                        ((fds[1].revents | fds[2].revents) & POLLIN) == 0;
    if (rc > 0 && hungUp) {
        // A pipe with no writer left stays "ready" for ever; wait on the process alone instead.
        pollfd only{child.process, POLLIN, 0};
        if (::poll(&only, 1, timeoutMs) > 0 && (only.revents & POLLIN))
            return WaitResult::Exited;
    }
    return WaitResult::Timeout;
}

bool DuplicateChild(const ChildProcess& child, ChildProcess& copy) {
    copy = {};
    if (child.process < 0) {
        errno = EBADF;
        return false;
    }
    if (!CopyHandle(child.process, copy.process))
        return false;
    copy.pid = child.pid;
    return true;
}

bool TerminateChild(const ChildProcess& child, std::uint32_t /*exitCode*/) {
    // A killed process has no exit code of our choosing on POSIX; SIGKILL cannot be caught.
    // Its group goes too (a wrapper script's own children). The group's number is safe to use: it
    // is the child's pid, which stays ours until the child is reaped.
    if (child.pid > 0)
        ::kill(-static_cast<pid_t>(child.pid), SIGKILL);
    if (child.process >= 0)
        return ::syscall(SYS_pidfd_send_signal, child.process, SIGKILL, nullptr, 0) == 0;
    if (child.pid > 0)
        return ::kill(static_cast<pid_t>(child.pid), SIGKILL) == 0;
    errno = ESRCH;
    return false;
}

static long long MonotonicMs() {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

// Waits until the child has ended (it is then a zombie until reaped); false at the timeout.
static bool WaitUntilEnded(const ChildProcess& child, int timeoutMs) {
    if (timeoutMs < 0)
        return true; // the blocking reap below does the waiting
    const long long deadline = MonotonicMs() + timeoutMs;
    for (;;) {
        const long long left = deadline - MonotonicMs();
        if (child.process >= 0) {
            pollfd fd{child.process, POLLIN, 0};
            const int rc = ::poll(&fd, 1, static_cast<int>(left > 0 ? left : 0));
            if (rc > 0)
                return true;
            if (rc < 0 && errno != EINTR)
                return true; // the reap will tell
        } else {
            siginfo_t info{};
            if (::waitid(P_PID, static_cast<id_t>(child.pid), &info, WEXITED | WNOHANG | WNOWAIT) != 0 ||
                info.si_pid != 0)
                return true;
            ::usleep(1000);
        }
        if (left <= 0)
            return false;
    }
}

bool ReapChild(ChildProcess& child, int timeoutMs, ExitStatus* status) {
    const int saved = errno;
    ExitStatus result;
    if (child.process >= 0 || child.pid > 0) {
        if (!WaitUntilEnded(child, timeoutMs)) {
            errno = saved;
            return false;
        }
        siginfo_t info{};
        const idtype_t type = child.process >= 0 ? P_PIDFD : P_PID;
        const id_t id = static_cast<id_t>(child.process >= 0 ? child.process : child.pid);
        int rc;
        while ((rc = ::waitid(type, id, &info, WEXITED)) < 0 && errno == EINTR) {
        }
        if (rc == 0) {
            result.known = true;
            if (info.si_code == CLD_EXITED)
                result.code = info.si_status;
            else
                result.signal = info.si_status;
        }
    }
    errno = saved;
    CloseChild(child);
    if (status)
        *status = result;
    return true;
}

void ReleaseChild(ChildProcess& child) {
    ReapChild(child, -1);
}

void CloseChild(ChildProcess& child) {
    CloseHandle(child.process);
    CloseHandle(child.thread);
    CloseHandle(child.job);
    child = {};
}

} // namespace clipvane::platform
