// POSIX (Linux) side of files, folders and paths.
#include "core/platform/Files.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace clipvane::platform {

char PathSeparator() {
    return '/';
}

const char* EncoderFileName() {
    return "ffmpeg";
}

const char* AllFilesPattern() {
    return "*";
}

bool NamesMayHoldQuestionMark() {
    return true;
}

bool TellsSettingsFallback() {
    return true;
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

static bool ReadUpTo(const std::string& path, std::size_t limit, std::string& contents) {
    contents.clear();
    // Not blocked in open by a pipe that has no writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return false;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        errno = EINVAL;
        return false;
    }
    char buffer[8192];
    while (contents.size() < limit) {
        const ssize_t n = ::read(fd, buffer, std::min(sizeof buffer, limit - contents.size()));
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
    ::close(fd);
    return true;
}

bool ReadWholeFile(const std::string& path, std::string& contents) {
    return ReadUpTo(path, std::string::npos, contents);
}

bool ReadFileStart(const std::string& path, std::size_t count, std::string& contents) {
    return ReadUpTo(path, count, contents);
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

} // namespace clipvane::platform
