// Windows side of the append-only file.
#include "core/platform/AppendFile.h"
#include "core/platform/Utf16Windows.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <algorithm>

namespace clipvane::platform {

bool OpenForAppend(const std::string& path, Handle& file) {
    file = kNoHandle;
    // Appending access alone makes every write land at the end; sharing everything lets the
    // writer's own lock on the file, and its removal at the end, go on beside it.
    HANDLE handle =
        ::CreateFileW(Wide(path).c_str(), FILE_APPEND_DATA | SYNCHRONIZE,
                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                      FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return false;
    BY_HANDLE_FILE_INFORMATION info{};
    if (!::GetFileInformationByHandle(handle, &info) ||
        (info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) != 0) {
        ::CloseHandle(handle);
        ::SetLastError(ERROR_INVALID_PARAMETER);
        return false;
    }
    file = handle;
    return true;
}

bool AppendAndFlush(Handle file, const std::string& data, bool flush) {
    for (std::size_t done = 0; done < data.size();) {
        DWORD written = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(data.size() - done, 1u << 30));
        if (!::WriteFile(file, data.data() + done, chunk, &written, nullptr))
            return false;
        if (written == 0) {
            ::SetLastError(ERROR_DISK_FULL);
            return false;
        }
        done += written;
    }
    return !flush || ::FlushFileBuffers(file) != 0;
}

bool OpenFlushHandle(Handle file, Handle& flush) {
    // Its own file object: what the writer's handle queues does not wait for this one's flush.
    const HANDLE handle = ::ReOpenFile(file, FILE_APPEND_DATA | SYNCHRONIZE,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, 0);
    flush = handle == INVALID_HANDLE_VALUE ? kNoHandle : handle;
    return flush != kNoHandle;
}

} // namespace clipvane::platform
