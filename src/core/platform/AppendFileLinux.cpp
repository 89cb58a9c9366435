// Linux side of the append-only file.
#include "core/platform/AppendFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace clipvane::platform {

bool OpenForAppend(const std::string& path, Handle& file) {
    file = kNoHandle;
    const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC | O_NOFOLLOW | O_NOCTTY);
    if (fd < 0)
        return false;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        errno = EINVAL;
        return false;
    }
    file = fd;
    return true;
}

bool AppendAndFlush(Handle file, const std::string& data, bool flush) {
    const char* at = data.data();
    std::size_t left = data.size();
    while (left > 0) {
        const ssize_t n = ::write(file, at, left);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
        at += n;
        left -= static_cast<std::size_t>(n);
    }
    return !flush || ::fdatasync(file) == 0;
}

bool OpenFlushHandle(Handle file, Handle& flush) {
    flush = ::fcntl(file, F_DUPFD_CLOEXEC, 0);
    return flush >= 0;
}

} // namespace clipvane::platform
