// POSIX side of handles and error codes.
#include "core/platform/Handle.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
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

bool CopyHandle(Handle source, Handle& copy) {
    copy = ::fcntl(source, F_DUPFD_CLOEXEC, 3);
    return copy >= 0;
}

std::string ErrorText(int code) {
    char buffer[256] = {};
    return ::strerror_r(code, buffer, sizeof buffer);
}

} // namespace clipvane::platform
