// Windows side of handles and error codes.
#include "core/platform/Handle.h"
#include "core/platform/Utf16Windows.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

namespace clipvane::platform {

int LastError() {
    return static_cast<int>(::GetLastError());
}

void SetLastError(int code) {
    ::SetLastError(static_cast<DWORD>(code));
}

void CloseHandle(Handle& handle) {
    if (handle != kNoHandle) {
        const DWORD saved = ::GetLastError();
        ::CloseHandle(handle);
        ::SetLastError(saved);
        handle = kNoHandle;
    }
}

bool CopyHandle(Handle source, Handle& copy) {
    HANDLE duplicate = nullptr;
    const HANDLE self = ::GetCurrentProcess();
    if (!::DuplicateHandle(self, source, self, &duplicate, 0, FALSE, DUPLICATE_SAME_ACCESS))
        return false;
    copy = duplicate;
    return true;
}

std::string ErrorText(int code) {
    wchar_t* buffer = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        static_cast<DWORD>(code), 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text = length > 0 && buffer ? std::wstring(buffer, length) : std::wstring();
    if (buffer)
        ::LocalFree(buffer);
    while (!text.empty() &&
           (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' ' || text.back() == L'.'))
        text.pop_back();
    return text.empty() ? "Error " + std::to_string(code) : Narrow(text);
}

} // namespace clipvane::platform
