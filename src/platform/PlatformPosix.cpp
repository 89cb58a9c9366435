// POSIX (Linux) implementation of the platform services.
#include "Platform.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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
    if (!FileExists(fileName))
        return false;
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

} // namespace clipvane::platform
