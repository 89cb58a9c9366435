// POSIX (Linux) implementation of the platform services.
#include "core/platform/Pause.h"
#include "core/platform/Platform.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <initializer_list>
#include <linux/close_range.h>
#include <poll.h>
#include <pthread.h>
#include <pwd.h>
#include <sched.h>
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

// A folder of ours alone under the temporary folder: one planted there by someone else is not used.
static std::string PrivateTempFolder() {
    const char* tmp = std::getenv("TMPDIR");
    const std::string folder =
        std::string(tmp && *tmp == '/' ? tmp : "/tmp") + "/clipvane-" + std::to_string(::getuid());
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
        return {};
    struct stat st {};
    if (::lstat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::getuid() ||
        (st.st_mode & (S_IWGRP | S_IWOTH)) != 0)
        return {};
    return folder + "/";
}

std::string FallbackAppDataFolder() {
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found &&
        found->pw_dir && *found->pw_dir == '/') {
        const std::string config = WithSeparator(found->pw_dir) + ".config/";
        if (ForceDirectories(config) && ::access(config.c_str(), W_OK | X_OK) == 0)
            return config;
    }
    return PrivateTempFolder();
}

std::string ProgramFolder() {
    char buffer[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0)
        return "./";
    std::string path(buffer, static_cast<std::size_t>(n));
    return path.substr(0, path.rfind('/') + 1);
}

std::string AbsolutePath(const std::string& path) {
    std::string full = path;
    if (path.empty() || path.front() != '/') {
        std::string current(PATH_MAX, '\0');
        while (!::getcwd(current.data(), current.size())) {
            if (errno != ERANGE)
                return path;
            current.resize(current.size() * 2);
        }
        current.resize(std::char_traits<char>::length(current.c_str()));
        full = current + "/" + path;
    }
    std::vector<std::string_view> steps;
    std::string_view rest(full);
    while (!rest.empty()) {
        const auto slash = rest.find('/');
        const std::string_view step = rest.substr(0, slash);
        rest = slash == std::string_view::npos ? std::string_view() : rest.substr(slash + 1);
        if (step.empty() || step == ".")
            continue;
        if (step == "..") {
            if (!steps.empty())
                steps.pop_back();
            continue;
        }
        steps.push_back(step);
    }
    std::string clean;
    for (const std::string_view step : steps) {
        clean += '/';
        clean += step;
    }
    return clean.empty() ? std::string("/") : clean;
}

bool FileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool DirectoryExists(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

PathType GetPathType(const std::string& path) {
    struct stat st {};
    if (path.empty() || ::lstat(path.c_str(), &st) != 0)
        return PathType::None;
    if (S_ISLNK(st.st_mode))
        return PathType::Link;
    if (S_ISDIR(st.st_mode))
        return PathType::Folder;
    return S_ISREG(st.st_mode) ? PathType::File : PathType::Other;
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

// True when a descriptor of a process we can see refers to the file. It cannot see the processes
// of other users (their descriptors are closed to us unless we are root), processes in another PID
// namespace or on another machine sharing the file system, nor a mapping whose descriptor is closed.
static bool OpenByAProcess(dev_t device, ino_t inode) {
    DIR* processes = ::opendir("/proc");
    if (!processes)
        return false;
    bool found = false;
    while (const dirent* process = ::readdir(processes)) {
        if (process->d_name[0] < '0' || process->d_name[0] > '9')
            continue;
        const std::string folder = std::string("/proc/") + process->d_name + "/fd";
        DIR* descriptors = ::opendir(folder.c_str());
        if (!descriptors)
            continue; // gone, or not ours to look at
        while (const dirent* descriptor = ::readdir(descriptors)) {
            struct stat st {};
            if (descriptor->d_name[0] != '.' &&
                ::stat((folder + "/" + descriptor->d_name).c_str(), &st) == 0 && st.st_dev == device &&
                st.st_ino == inode) {
                found = true;
                break;
            }
        }
        ::closedir(descriptors);
        if (found)
            break;
    }
    ::closedir(processes);
    return found;
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
    if (::fcntl(fd, F_SETLEASE, F_WRLCK) == 0) {
        ::fcntl(fd, F_SETLEASE, F_UNLCK);
        ::close(fd);
        return false;
    }
    const int leaseError = errno;
    ::close(fd);
    if (leaseError == EAGAIN || leaseError == EBUSY)
        return true;
    // No lease for us: the file is another user's (EACCES) or its file system has none (EINVAL).
    return OpenByAProcess(st.st_dev, st.st_ino);
}

bool IsReadOnlyFile(const std::string& fileName) {
    struct stat st {};
    if (::stat(fileName.c_str(), &st) != 0 || S_ISDIR(st.st_mode))
        return false;
    if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        return true;
    return ::access(fileName.c_str(), W_OK) != 0 && (errno == EACCES || errno == EROFS);
}

int NameError(const std::string& path) {
    if (path.size() >= PATH_MAX)
        return ENAMETOOLONG;
    const auto slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash == 0 ? 1 : slash);
    const std::size_t nameLength = slash == std::string::npos ? path.size() : path.size() - slash - 1;
    const long limit = ::pathconf(folder.c_str(), _PC_NAME_MAX);
    return nameLength > static_cast<std::size_t>(limit > 0 ? limit : NAME_MAX) ? ENAMETOOLONG : 0;
}

std::string ErrorText(int code) {
    char buffer[256] = {};
    return ::strerror_r(code, buffer, sizeof buffer);
}

bool IsSameFile(const std::string& a, const std::string& b) {
    struct stat sa {};
    struct stat sb {};
    return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

bool ListFolder(const std::string& folder, std::vector<std::string>& names) {
    names.clear();
    DIR* listing = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!listing)
        return false;
    while (const dirent* entry = ::readdir(listing)) {
        const std::string_view name = entry->d_name;
        if (name != "." && name != "..")
            names.emplace_back(name);
    }
    ::closedir(listing);
    return true;
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

bool MoveFileTo(const std::string& source, const std::string& target, bool replaceExisting) {
    if (replaceExisting)
        return ::rename(source.c_str(), target.c_str()) == 0;
    if (::renameat2(AT_FDCWD, source.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // A file system without no-replace renames: a hard link is refused just as atomically.
    if (::link(source.c_str(), target.c_str()) != 0)
        return false;
    ::unlink(source.c_str());
    return true;
}

bool RemoveFile(const std::string& path) {
    return ::unlink(path.c_str()) == 0 || errno == ENOENT;
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
    // Every descriptor is close-on-exec; the spawn hands the child exactly its three.
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

namespace {

// What the child needs to become the encoder, all made by the parent before the clone.
struct TChildStart {
    const char* program = nullptr;
    char* const* args = nullptr;
    char* const* env = nullptr;
    int ends[3] = {-1, -1, -1}; // standard input, output, error
    int errorPipe = -1;
    pid_t parent = 0;
    long openMax = 1024;
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
    for (int signal = 1; signal < NSIG; ++signal)
        ::syscall(SYS_rt_sigaction, signal, &defaults, nullptr, sizeof defaults.mask);
    const unsigned long none = 0;
    ::syscall(SYS_rt_sigprocmask, SIG_SETMASK, &none, nullptr, sizeof none);
    // Above 2 first, so that a pipe end that happens to be 0, 1 or 2 is not overwritten on the way.
    long high[3];
    for (int fd = 0; fd < 3; ++fd)
        high[fd] = ::syscall(SYS_fcntl, start.ends[fd], F_DUPFD_CLOEXEC, 3);
    for (int fd = 0; fd < 3; ++fd)
        if (high[fd] < 0 || ::syscall(SYS_dup3, high[fd], fd, 0) != fd)
            FailChild(start.errorPipe);
    // Descriptors this process holds without close-on-exec must not reach the encoder either.
    if (::syscall(SYS_close_range, 3u, ~0u, CLOSE_RANGE_CLOEXEC) != 0)
        for (long fd = 3; fd < start.openMax; ++fd)
            ::syscall(SYS_fcntl, fd, F_SETFD, FD_CLOEXEC);
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
    start.openMax = ::sysconf(_SC_OPEN_MAX);
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

namespace {
// The handler runs on whichever thread the signal lands on, an encoder's reader as often as the
// main thread: atomics, not volatile, which orders nothing between threads. Lock-free, so safe in a
// handler.
std::atomic<int> g_interrupted{0};
static_assert(std::atomic<int>::is_always_lock_free);
// Written by the handler, so that a blocking wait for input wakes up: a restarted read would not.
std::atomic<int> g_wakeRead{-1};
std::atomic<int> g_wakeWrite{-1};

extern "C" void OnInterruptSignal(int) {
    g_interrupted = 1;
    const int saved = errno;
    if (const int wake = g_wakeWrite; wake >= 0)
        (void)!::write(wake, "!", 1);
    errno = saved;
}
} // namespace

std::vector<std::string> ProgramArguments(int argc, char** argv) {
    return std::vector<std::string>(argv, argv + argc);
}

std::string Utf8FromLegacyText(const std::string& text) {
    return text; // names are bytes here: nothing tells another encoding apart
}

bool WriteConsoleText(TStream /*stream*/, const std::string& /*text*/) {
    return false; // a terminal takes UTF-8 bytes
}

bool IsTerminal(TStream stream) {
    const int fd = stream == TStream::Input    ? STDIN_FILENO
                   : stream == TStream::Output ? STDOUT_FILENO
                                               : STDERR_FILENO;
    return ::isatty(fd) == 1;
}

namespace {
// Routes the signals to OnInterruptSignal, which records them and wakes the self-pipe.
void CatchSignals(std::initializer_list<int> signals) {
    if (g_wakeRead < 0) {
        int ends[2];
        if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) == 0) {
            g_wakeRead = ends[0];
            g_wakeWrite = ends[1];
        }
    }
    struct sigaction action {};
    action.sa_handler = OnInterruptSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : signals)
        ::sigaction(signal, &action, nullptr);
}
} // namespace

void InstallInterruptHandler() {
    // A closed terminal and a reader of our output that went away end the batch like Ctrl+C:
    // otherwise the encoder would be left converting for nobody.
    CatchSignals({SIGINT, SIGTERM, SIGHUP, SIGPIPE});
}

void InstallQuitHandler() {
    CatchSignals({SIGINT, SIGTERM, SIGHUP});
}

bool QuitRequested() {
    return g_interrupted != 0;
}

Handle QuitNoticeHandle() {
    return g_wakeRead;
}

void DrainQuitNotice() {
    char bytes[64];
    while (g_wakeRead >= 0 && ::read(g_wakeRead, bytes, sizeof bytes) > 0) {
    }
}

bool InterruptRequested() {
    if (g_interrupted != 0)
        return true;
    // A reader that went away while we have nothing to write would only show at the next write.
    struct stat st {};
    if (::fstat(STDOUT_FILENO, &st) == 0 && (S_ISFIFO(st.st_mode) || S_ISSOCK(st.st_mode))) {
        pollfd out{STDOUT_FILENO, 0, 0};
        if (::poll(&out, 1, 0) == 1 && (out.revents & (POLLERR | POLLHUP)))
            g_interrupted = 1;
    }
    return g_interrupted != 0;
}

TReadLine ReadInputLine(std::string& line) {
    line.clear();
    for (;;) {
        if (g_interrupted != 0)
            return TReadLine::Interrupted;
        // Ctrl+Z while the question waits holds the encoders as it does elsewhere; the stop signal
        // has no pipe of its own, so the wait looks again now and then.
        HandleTerminalStop();
        pollfd fds[2] = {{STDIN_FILENO, POLLIN, 0}, {g_wakeRead, POLLIN, 0}};
        const int ready = ::poll(fds, 2, 250);
        if (ready < 0) {
            if (errno == EINTR)
                continue;
            return TReadLine::End;
        }
        if (g_interrupted != 0)
            return TReadLine::Interrupted;
        if (ready == 0 || fds[0].revents == 0)
            continue;
        // One byte at a time: what follows the line stays for the next question.
        char c = 0;
        const ssize_t n = ::read(STDIN_FILENO, &c, 1);
        if (n < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        if (n <= 0)
            return line.empty() ? TReadLine::End : TReadLine::Line;
        if (c == '\n') {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            return TReadLine::Line;
        }
        line += c;
    }
}

} // namespace clipvane::platform
