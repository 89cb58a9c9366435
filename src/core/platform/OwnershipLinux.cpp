// Linux side of the proof of a file's writer.
#include "core/platform/Ownership.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <string_view>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace clipvane::platform {

namespace {

constexpr const char* kMarkName = "user.clipvane.owner";

std::string FirstLine(const char* path) {
    std::string text;
    if (std::FILE* file = std::fopen(path, "re")) {
        char buffer[256];
        if (std::fgets(buffer, sizeof buffer, file))
            text = buffer;
        std::fclose(file);
    }
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    return text;
}

} // namespace

std::string MachineIdentity() {
    char host[256] = {};
    ::gethostname(host, sizeof host - 1);
    return std::string(host) + "\n" + FirstLine("/etc/machine-id");
}

std::int64_t OwnProcessId() {
    return ::getpid();
}

ProcessLife ProcessStart(std::int64_t pid, std::string& stamp) {
    stamp.clear();
    if (pid <= 0)
        return ProcessLife::Unknown;
    const std::string path = "/proc/" + std::to_string(pid) + "/stat";
    std::FILE* file = std::fopen(path.c_str(), "re");
    if (!file)
        return errno == ENOENT ? ProcessLife::Gone : ProcessLife::Unknown;
    char buffer[1024];
    const std::size_t size = std::fread(buffer, 1, sizeof buffer, file);
    std::fclose(file);
    // The name in parentheses may hold anything: the fields are counted after its last ')'.
    const std::string_view text(buffer, size);
    const std::size_t close = text.rfind(')');
    if (close == std::string_view::npos)
        return ProcessLife::Unknown;
    std::size_t field = 2, at = close + 1;
    while (field < 22 && at < text.size())
        if (text[at++] == ' ')
            ++field;
    const std::size_t end = text.find(' ', at);
    if (field != 22 || end == std::string_view::npos)
        return ProcessLife::Unknown;
    // A zombie has ended: it writes nothing any more.
    if (close + 2 < text.size() && text[close + 2] == 'Z')
        return ProcessLife::Gone;
    // Start times count from the boot, so the boot is part of the stamp.
    static const std::string boot = FirstLine("/proc/sys/kernel/random/boot_id");
    stamp = boot + ":" + std::string(text.substr(at, end - at));
    return ProcessLife::Running;
}

bool TryLockFile(const std::string& path, Handle& lock) {
    lock = kNoHandle;
    const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC | O_NOFOLLOW | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return false;
    struct stat st {};
    struct flock whole {};
    whole.l_type = F_WRLCK;
    whole.l_whence = SEEK_SET;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || ::fcntl(fd, F_OFD_SETLK, &whole) != 0) {
        ::close(fd);
        return false;
    }
    lock = fd;
    return true;
}

std::string LockedFileIdentity(Handle lock) {
    struct statx st {};
    if (lock == kNoHandle || ::statx(lock, "", AT_EMPTY_PATH, STATX_INO | STATX_BTIME, &st) != 0)
        return {};
    std::string id = std::to_string(st.stx_dev_major) + ":" + std::to_string(st.stx_dev_minor) + ":" +
                     std::to_string(st.stx_ino);
    // The index alone may be handed to a new file once this one is gone; its birth then differs.
    if (st.stx_mask & STATX_BTIME)
        id += ":" + std::to_string(st.stx_btime.tv_sec) + "." + std::to_string(st.stx_btime.tv_nsec);
    return id;
}

bool WriteOwnerMark(Handle lock, const std::string&, const std::string& mark) {
    return ::fsetxattr(lock, kMarkName, mark.data(), mark.size(), 0) == 0;
}

bool ReadOwnerMark(Handle lock, const std::string&, std::string& mark) {
    char buffer[512];
    const ssize_t size = ::fgetxattr(lock, kMarkName, buffer, sizeof buffer);
    if (size < 0)
        return false;
    mark.assign(buffer, static_cast<std::size_t>(size));
    return true;
}

void ClearOwnerMark(Handle lock, const std::string&) {
    ::fremovexattr(lock, kMarkName);
}

bool LockedFileIsOurs(Handle lock) {
    struct stat st {};
    return ::fstat(lock, &st) == 0 && st.st_uid == ::geteuid();
}

bool RemoveLockedFile(Handle& lock, const std::string& path) {
    struct stat held {
    }, named{};
    const bool same = ::fstat(lock, &held) == 0 && ::lstat(path.c_str(), &named) == 0 &&
                      held.st_dev == named.st_dev && held.st_ino == named.st_ino;
    const bool removed = same && ::unlink(path.c_str()) == 0;
    CloseHandle(lock);
    return removed;
}

bool FileId(const std::string& path, std::uint64_t& volume, std::uint64_t& index) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return false;
    volume = st.st_dev;
    index = st.st_ino;
    return true;
}

} // namespace clipvane::platform
