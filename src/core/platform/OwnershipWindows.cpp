// Windows side of the proof of a file's writer.
#include "core/platform/Ownership.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

namespace clipvane::platform {

namespace {

// Far past any data the encoder writes: Windows refuses writes inside a locked range.
constexpr DWORD kLockOffsetHigh = 0x40000000;
constexpr const wchar_t* kMarkStream = L":clipvane.owner";

std::wstring WideText(const std::string& text) {
    const int size =
        ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size > 0 ? size : 0), L'\0');
    if (size > 0)
        ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), size);
    return wide;
}

std::string Utf8(const wchar_t* wide) {
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1)
        return {};
    std::string text(static_cast<std::size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide, -1, text.data(), size, nullptr, nullptr);
    text.resize(static_cast<std::size_t>(size - 1));
    return text;
}

std::string Stamp(const FILETIME& time) {
    return std::to_string((static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime);
}

} // namespace

std::string MachineIdentity() {
    wchar_t name[256] = {};
    DWORD size = 255;
    ::GetComputerNameExW(ComputerNamePhysicalDnsFullyQualified, name, &size);
    return Utf8(name);
}

std::int64_t OwnProcessId() {
    return static_cast<std::int64_t>(::GetCurrentProcessId());
}

ProcessLife ProcessStart(std::int64_t pid, std::string& stamp) {
    stamp.clear();
    if (pid <= 0)
        return ProcessLife::Unknown;
    HANDLE process = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(pid));
    if (!process)
        return ::GetLastError() == ERROR_INVALID_PARAMETER ? ProcessLife::Gone : ProcessLife::Unknown;
    DWORD code = 0;
    FILETIME created{}, exited{}, kernel{}, user{};
    ProcessLife life = ProcessLife::Unknown;
    if (::GetExitCodeProcess(process, &code) && code != STILL_ACTIVE)
        life = ProcessLife::Gone; // ended, its handle kept open by someone
    else if (::GetProcessTimes(process, &created, &exited, &kernel, &user)) {
        stamp = Stamp(created); // creation times are absolute: no boot needed
        life = ProcessLife::Running;
    }
    ::CloseHandle(process);
    return life;
}

bool TryLockFile(const std::string& path, Handle& lock) {
    lock = kNoHandle;
    const std::wstring name = WideText(path);
    const DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    // The right to delete lets a cleanup remove exactly the file it holds; an encoder that has the
    // file open without sharing deletion refuses it, and the writer's lock needs only to read.
    HANDLE file = ::CreateFileW(name.c_str(), GENERIC_READ | DELETE, share, nullptr, OPEN_EXISTING,
                                FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (file == INVALID_HANDLE_VALUE && ::GetLastError() == ERROR_SHARING_VIOLATION)
        file = ::CreateFileW(name.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING,
                             FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    BY_HANDLE_FILE_INFORMATION info{};
    OVERLAPPED at{};
    at.OffsetHigh = kLockOffsetHigh;
    if (!::GetFileInformationByHandle(file, &info) ||
        (info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) != 0 ||
        !::LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at)) {
        ::CloseHandle(file);
        return false;
    }
    lock = file;
    return true;
}

std::string LockedFileIdentity(Handle lock) {
    BY_HANDLE_FILE_INFORMATION info{};
    if (lock == kNoHandle || !::GetFileInformationByHandle(lock, &info))
        return {};
    return std::to_string(info.dwVolumeSerialNumber) + ":" +
           std::to_string((static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow) +
           ":" + Stamp(info.ftCreationTime);
}

bool WriteOwnerMark(Handle, const std::string& path, const std::string& mark) {
    HANDLE stream = ::CreateFileW((WideText(path) + kMarkStream).c_str(), GENERIC_WRITE,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (stream == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool ok = ::WriteFile(stream, mark.data(), static_cast<DWORD>(mark.size()), &written, nullptr) &&
                    written == mark.size();
    ::CloseHandle(stream);
    return ok;
}

bool ReadOwnerMark(Handle, const std::string& path, std::string& mark) {
    HANDLE stream = ::CreateFileW((WideText(path) + kMarkStream).c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (stream == INVALID_HANDLE_VALUE)
        return false;
    char buffer[512];
    DWORD size = 0;
    const bool ok = ::ReadFile(stream, buffer, sizeof buffer, &size, nullptr);
    ::CloseHandle(stream);
    if (ok)
        mark.assign(buffer, size);
    return ok;
}

void ClearOwnerMark(Handle, const std::string& path) {
    ::DeleteFileW((WideText(path) + kMarkStream).c_str());
}

bool LockedFileIsOurs(Handle) {
    return true;
}

bool RemoveLockedFile(Handle& lock, const std::string&) {
    // Deletes the very file the handle holds, whatever now bears its name.
    FILE_DISPOSITION_INFO dispose{};
    dispose.DeleteFile = TRUE;
    const bool removed =
        ::SetFileInformationByHandle(lock, FileDispositionInfo, &dispose, sizeof dispose) != FALSE;
    CloseHandle(lock);
    return removed;
}

bool FileId(const std::string& path, std::uint64_t& volume, std::uint64_t& index) {
    HANDLE file =
        ::CreateFileW(WideText(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    BY_HANDLE_FILE_INFORMATION info{};
    const bool ok = ::GetFileInformationByHandle(file, &info) != FALSE;
    ::CloseHandle(file);
    volume = info.dwVolumeSerialNumber;
    index = (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
    return ok;
}

} // namespace clipvane::platform
