// Windows side of the proof of a file's writer.
#include "core/platform/Ownership.h"
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

// Far past any data the encoder writes: Windows refuses writes inside a locked range.
constexpr DWORD kLockOffsetHigh = 0x40000000;
constexpr const wchar_t* kMarkStream = L":clipvane.owner";

std::string Stamp(const FILETIME& time) {
    return std::to_string((static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime);
}

} // namespace

std::string MachineIdentity() {
    wchar_t name[256] = {};
    DWORD size = 255;
    ::GetComputerNameExW(ComputerNamePhysicalDnsFullyQualified, name, &size);
    return Narrow(name);
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
    const std::wstring name = Wide(path);
    // Reading only, and sharing everything: an encoder that opens its output again (to append, or to
    // move its index to the front) must never be refused because we hold the file.
    const DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    HANDLE file = ::CreateFileW(name.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING,
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
    HANDLE stream = ::CreateFileW((Wide(path) + kMarkStream).c_str(), GENERIC_WRITE,
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
    HANDLE stream = ::CreateFileW((Wide(path) + kMarkStream).c_str(), GENERIC_READ,
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
    ::DeleteFileW((Wide(path) + kMarkStream).c_str());
}

bool LockedFileIsOurs(Handle) {
    return true;
}

bool RemoveLockedFile(Handle& lock, const std::string& path) {
    // The lock has no right to delete, so the name is opened once more for that, and the file is
    // deleted only while that name still is the locked file.
    bool removed = false;
    HANDLE file = ::CreateFileW(Wide(path).c_str(), DELETE | FILE_READ_ATTRIBUTES,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        BY_HANDLE_FILE_INFORMATION held{};
        BY_HANDLE_FILE_INFORMATION named{};
        if (::GetFileInformationByHandle(lock, &held) && ::GetFileInformationByHandle(file, &named) &&
            held.dwVolumeSerialNumber == named.dwVolumeSerialNumber &&
            held.nFileIndexHigh == named.nFileIndexHigh && held.nFileIndexLow == named.nFileIndexLow) {
            FILE_DISPOSITION_INFO dispose{};
            dispose.DeleteFile = TRUE;
            removed =
                ::SetFileInformationByHandle(file, FileDispositionInfo, &dispose, sizeof dispose) != FALSE;
        }
        ::CloseHandle(file);
    }
    ::CloseHandle(lock);
    lock = kNoHandle;
    return removed;
}

bool FileId(const std::string& path, std::uint64_t& volume, std::uint64_t& index) {
    HANDLE file = ::CreateFileW(Wide(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
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
