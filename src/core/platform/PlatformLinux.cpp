// POSIX (Linux) implementation of the platform services.
#include "core/platform/Platform.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <string_view>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace clipvane::platform {

int LastError() {
    return errno;
}

void SetLastError(int code) {
    errno = code;
}

void CloseHandle(Handle& handle) {
    if (handle != kNoHandle) {
        const int saved = errno;
        ::close(handle);
        errno = saved;
        handle = kNoHandle;
    }
}

char PathSeparator() {
    return '/';
}

const char* EncoderFileName() {
    return "ffmpeg";
}

static std::string WithSeparator(std::string path) {
    if (path.empty() || path.back() != '/')
        path += '/';
    return path;
}

std::string AppDataFolder() {
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg == '/')
        return WithSeparator(xdg);
    if (const char* home = std::getenv("HOME"); home && *home)
        return WithSeparator(std::string(home) + "/.config");
    return {};
}

std::string ProgramFolder() {
    char buffer[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0)
        return "./";
    std::string path(buffer, static_cast<std::size_t>(n));
    return path.substr(0, path.rfind('/') + 1);
}

bool FileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool DirectoryExists(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool ForceDirectories(const std::string& path) {
    if (path.empty())
        return false;
    if (DirectoryExists(path))
        return true;
    std::string trimmed = path;
    while (trimmed.size() > 1 && trimmed.back() == '/')
        trimmed.pop_back();
    const auto slash = trimmed.rfind('/');
    if (slash != std::string::npos && slash > 0 && !ForceDirectories(trimmed.substr(0, slash)))
        return false;
    return ::mkdir(trimmed.c_str(), 0777) == 0 || (errno == EEXIST && DirectoryExists(trimmed));
}

bool IsFileInUse(const std::string& fileName) {
    struct stat st {};
    if (::stat(fileName.c_str(), &st) != 0 || S_ISDIR(st.st_mode))
        return false;
    // A file nobody may write is read-only, as on Windows, even for root, whom open() would let through.
    if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        return true;
    const int fd = ::open(fileName.c_str(), O_RDWR | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return true; // read-only, or not ours to write: an exclusive open would fail too
    // A write lease is refused while any other descriptor has the file open.
    bool inUse = false;
    if (::fcntl(fd, F_SETLEASE, F_WRLCK) == 0)
        ::fcntl(fd, F_SETLEASE, F_UNLCK);
    else
        inUse = errno == EAGAIN || errno == EBUSY;
    ::close(fd);
    return inUse;
}

bool ReadWholeFile(const std::string& path, std::string& contents) {
    contents.clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return false;
    char buffer[8192];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            const int saved = errno;
            ::close(fd);
            errno = saved;
            return n == 0;
        }
        contents.append(buffer, static_cast<std::size_t>(n));
    }
}

bool ReplaceFile(const std::string& source, const std::string& target) {
    return std::rename(source.c_str(), target.c_str()) == 0;
}

static bool WriteAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

bool WriteFileAtomically(const std::string& path, const std::string& contents) {
    static std::atomic<unsigned> counter{0};
    std::string temp;
    int fd = -1;
    // O_EXCL with a fresh name each try: never truncates a file someone else is writing.
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = path + ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
        if (fd < 0 && errno != EEXIST)
            return false;
    }
    if (fd < 0)
        return false;
    if (struct stat st{}; ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode))
        (void)::fchmod(fd, st.st_mode & 07777); // best effort: the content matters more than the mode
    bool ok = WriteAll(fd, contents.data(), contents.size()) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok) {
        const int saved = errno;
        ::unlink(temp.c_str());
        errno = saved;
        return false;
    }
    // The rename itself is only durable once the folder is flushed.
    const auto slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash == 0 ? 1 : slash);
    if (const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

bool CreatePipe(Handle& readEnd, Handle& writeEnd) {
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0)
        return false;
    readEnd = ends[0];
    writeEnd = ends[1];
    return true;
}

bool PrepareChildEnd(Handle& childEnd) {
    // Every descriptor is close-on-exec; the spawn's file actions hand the child exactly its three.
    return childEnd != kNoHandle;
}

bool CopyHandle(Handle source, Handle& copy) {
    copy = ::fcntl(source, F_DUPFD_CLOEXEC, 3);
    return copy >= 0;
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

double ProcessCpuSeconds() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

std::int64_t UtcOffsetSeconds(std::int64_t unixSeconds) {
    ::tzset(); // localtime_r alone never rereads TZ
    const auto moment = static_cast<std::time_t>(unixSeconds);
    std::tm local{};
    if (!::localtime_r(&moment, &local))
        return 0;
    return local.tm_gmtoff;
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

    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attributes;
    ::posix_spawn_file_actions_init(&actions);
    ::posix_spawnattr_init(&attributes);
    ::posix_spawn_file_actions_adddup2(&actions, stdIn, 0);
    ::posix_spawn_file_actions_adddup2(&actions, stdOut, 1);
    ::posix_spawn_file_actions_adddup2(&actions, stdErr, 2);
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 34))
    // Descriptors this process inherited without close-on-exec must not reach the encoder either.
    ::posix_spawn_file_actions_addclosefrom_np(&actions, 3);
#endif
    // The child starts with default dispositions and nothing blocked, whatever this process set up.
    sigset_t defaults;
    sigset_t mask;
    ::sigfillset(&defaults);
    ::sigdelset(&defaults, SIGKILL);
    ::sigdelset(&defaults, SIGSTOP);
    ::sigemptyset(&mask);
    ::posix_spawnattr_setsigdefault(&attributes, &defaults);
    ::posix_spawnattr_setsigmask(&attributes, &mask);
    ::posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);

    pid_t pid = 0;
    const int rc = ::posix_spawn(&pid, program.c_str(), &actions, &attributes, args.data(), environ);
    ::posix_spawn_file_actions_destroy(&actions);
    ::posix_spawnattr_destroy(&attributes);
    if (rc != 0) {
        errno = rc;
        return false;
    }
    const int pidfd = PidfdOpen(pid);
    if (pidfd < 0) {
        const int saved = errno;
        ::kill(pid, SIGKILL);
        while (::waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
        }
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
    if (child.process >= 0)
        return ::syscall(SYS_pidfd_send_signal, child.process, SIGKILL, nullptr, 0) == 0;
    if (child.pid > 0)
        return ::kill(static_cast<pid_t>(child.pid), SIGKILL) == 0;
    errno = ESRCH;
    return false;
}

void ReleaseChild(ChildProcess& child) {
    const int saved = errno;
    if (child.process >= 0) {
        siginfo_t info{};
        while (::waitid(P_PIDFD, static_cast<id_t>(child.process), &info, WEXITED) < 0 && errno == EINTR) {
        }
    } else if (child.pid > 0) {
        while (::waitpid(static_cast<pid_t>(child.pid), nullptr, 0) < 0 && errno == EINTR) {
        }
    }
    errno = saved;
    CloseChild(child);
}

void CloseChild(ChildProcess& child) {
    CloseHandle(child.process);
    CloseHandle(child.thread);
    child = {};
}

namespace {
volatile std::sig_atomic_t g_interrupted = 0;

extern "C" void OnInterruptSignal(int) {
    g_interrupted = 1;
}
} // namespace

bool IsTerminal(TStream stream) {
    const int fd = stream == TStream::Input    ? STDIN_FILENO
                   : stream == TStream::Output ? STDOUT_FILENO
                                               : STDERR_FILENO;
    return ::isatty(fd) == 1;
}

void InstallInterruptHandler() {
    struct sigaction action {};
    action.sa_handler = OnInterruptSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGTERM, &action, nullptr);
}

bool InterruptRequested() {
    return g_interrupted != 0;
}

} // namespace clipvane::platform
