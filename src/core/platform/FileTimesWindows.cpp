// Windows side of file times: GetFileTime and SetFileTime on handles opened for attributes alone.
#include "core/platform/FileTimes.h"
#include "core/platform/Utf16Windows.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

namespace clipvane::platform {

namespace {

// Shared every way, so that neither a reader nor the encoder that just let go of the file is refused.
HANDLE OpenForAttributes(const std::string& path, DWORD access) {
    return ::CreateFileW(Wide(path).c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                         nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

bool LastWriteTime(const std::string& path, FILETIME& time) {
    const HANDLE file = OpenForAttributes(path, FILE_READ_ATTRIBUTES);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    const BOOL read = ::GetFileTime(file, nullptr, nullptr, &time);
    const DWORD error = ::GetLastError();
    ::CloseHandle(file);
    ::SetLastError(error);
    return read != 0;
}

} // namespace

bool ModifiedTime(const std::string& path, std::int64_t& unixNs) {
    FILETIME time{};
    if (!LastWriteTime(path, time))
        return false;
    // 100-nanosecond steps since 1601.
    const std::int64_t ticks = (static_cast<std::int64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    unixNs = (ticks - 116444736000000000LL) * 100;
    return true;
}

bool CopyModifiedTime(const std::string& source, const std::string& target) {
    FILETIME time{};
    if (!LastWriteTime(source, time))
        return false;
    const HANDLE file = OpenForAttributes(target, FILE_WRITE_ATTRIBUTES);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    const BOOL set = ::SetFileTime(file, nullptr, nullptr, &time);
    const DWORD error = ::GetLastError();
    ::CloseHandle(file);
    ::SetLastError(error);
    return set != 0;
}

} // namespace clipvane::platform
