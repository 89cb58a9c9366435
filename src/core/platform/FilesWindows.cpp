// Windows side of files, folders and paths.
#include "core/platform/Files.h"
#include "core/platform/Utf16Windows.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <shlobj.h>

// windows.h maps this name to its A/W variant; ours is a plain function of our own namespace.
#undef ReplaceFile

#include <algorithm>
#include <cstdint>

namespace clipvane::platform {

namespace {

std::string WithSeparator(std::string path) {
    if (path.empty() || (path.back() != '\\' && path.back() != '/'))
        path += '\\';
    return path;
}

DWORD Attributes(const std::string& path) {
    return path.empty() ? INVALID_FILE_ATTRIBUTES : ::GetFileAttributesW(Wide(path).c_str());
}

} // namespace

std::string ProgramFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0)
            return ".\\";
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(path.size() * 2);
    }
    const std::string narrow = Narrow(path);
    return narrow.substr(0, narrow.find_last_of("\\/") + 1);
}

std::string AbsolutePath(const std::string& path) {
    const std::wstring wide = Wide(path);
    const DWORD size = ::GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (size == 0)
        return path;
    std::wstring full(size, L'\0');
    const DWORD n = ::GetFullPathNameW(wide.c_str(), size, full.data(), nullptr);
    if (n == 0 || n >= size)
        return path;
    full.resize(n);
    return Narrow(full);
}

bool FileExists(const std::string& path) {
    const DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool DirectoryExists(const std::string& path) {
    const DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

PathType GetPathType(const std::string& path) {
    const DWORD attributes = Attributes(path);
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return PathType::None;
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT)
        return PathType::Link;
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? PathType::Folder : PathType::File;
}

bool IsFileInUse(const std::string& fileName) {
    if (!FileExists(fileName))
        return false;
    const HANDLE file = ::CreateFileW(Wide(fileName).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return true;
    ::CloseHandle(file);
    return false;
}

bool IsReadOnlyFile(const std::string& fileName) {
    const DWORD attributes = Attributes(fileName);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
           (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

int NameError(const std::string& path) {
    const std::wstring wide = Wide(path);
    const auto slash = wide.find_last_of(L"\\/");
    const std::size_t nameLength = slash == std::wstring::npos ? wide.size() : wide.size() - slash - 1;
    // A component is at most 255 characters on every Windows file system.
    return nameLength > 255 ? ERROR_FILENAME_EXCED_RANGE : 0;
}

std::string FallbackAppDataFolder() {
    return {};
}

std::string AppDataFolder() {
    wchar_t folder[MAX_PATH];
    if (FAILED(::SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder)))
        return {};
    return WithSeparator(Narrow(folder));
}

bool ForceDirectories(const std::string& path) {
    if (path.empty())
        return false;
    if (DirectoryExists(path))
        return true;
    std::string trimmed = path;
    while (trimmed.size() > 1 && (trimmed.back() == '\\' || trimmed.back() == '/'))
        trimmed.pop_back();
    const auto slash = trimmed.find_last_of("\\/");
    // Stop at a drive ("C:") or a root.
    if (slash != std::string::npos && slash > 0 && trimmed[slash - 1] != ':' &&
        !ForceDirectories(trimmed.substr(0, slash)))
        return false;
    return ::CreateDirectoryW(Wide(trimmed).c_str(), nullptr) || DirectoryExists(trimmed);
}

namespace {
bool FileIdentity(const std::string& path, BY_HANDLE_FILE_INFORMATION& info) {
    // No access asked for and everything shared: a file another program holds open is still named.
    const HANDLE file =
        ::CreateFileW(Wide(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                      OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    const bool known = ::GetFileInformationByHandle(file, &info) != 0;
    ::CloseHandle(file);
    return known;
}
} // namespace

bool IsSameFile(const std::string& a, const std::string& b) {
    BY_HANDLE_FILE_INFORMATION ia{};
    BY_HANDLE_FILE_INFORMATION ib{};
    return !a.empty() && !b.empty() && FileIdentity(a, ia) && FileIdentity(b, ib) &&
           ia.dwVolumeSerialNumber == ib.dwVolumeSerialNumber && ia.nFileIndexHigh == ib.nFileIndexHigh &&
           ia.nFileIndexLow == ib.nFileIndexLow;
}

bool ListFolder(const std::string& folder, std::vector<std::string>& names) {
    names.clear();
    WIN32_FIND_DATAW found;
    const HANDLE search = ::FindFirstFileW(
        Wide(WithSeparator(folder.empty() ? std::string(".") : folder) + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return ::GetLastError() == ERROR_FILE_NOT_FOUND; // a drive's empty root lists nothing, not even "."
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..")
            names.push_back(Narrow(name));
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
    return true;
}

static bool ReadUpTo(const std::string& path, std::size_t limit, std::string& contents) {
    contents.clear();
    // Shared for delete too, so a writer replacing the file meanwhile is not refused.
    const HANDLE file = ::CreateFileW(Wide(path).c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    if (::GetFileType(file) != FILE_TYPE_DISK) {
        ::CloseHandle(file);
        ::SetLastError(ERROR_INVALID_PARAMETER);
        return false;
    }
    char buffer[8192];
    DWORD read = 0;
    BOOL ok = TRUE;
    while (
        contents.size() < limit &&
        (ok = ::ReadFile(file, buffer, static_cast<DWORD>(std::min(sizeof buffer, limit - contents.size())),
                         &read, nullptr)) &&
        read > 0)
        contents.append(buffer, read);
    const DWORD error = ::GetLastError();
    ::CloseHandle(file);
    ::SetLastError(error);
    return ok != 0;
}

bool ReadWholeFile(const std::string& path, std::string& contents) {
    return ReadUpTo(path, std::string::npos, contents);
}

bool ReadFileStart(const std::string& path, std::size_t count, std::string& contents) {
    return ReadUpTo(path, count, contents);
}

namespace {

// Attributes a user may have given a file that a rewrite must not drop. Read-only stays off the new
// copy: a target that refuses writing refuses the replace as well, and the copy must stay deletable.
constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                                  FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

// ReplaceFileW keeps the target's identity (creation time, security, streams); a plain rename would
// give it the source's. A missing target is simply renamed onto.
bool MoveOver(const std::wstring& source, const std::wstring& target) {
    const DWORD existing = ::GetFileAttributesW(target.c_str());
    // A folder is never replaced by a file (Wine's ReplaceFileW would not refuse it as Windows does).
    if (existing != INVALID_FILE_ATTRIBUTES && (existing & FILE_ATTRIBUTE_DIRECTORY)) {
        ::SetLastError(ERROR_ACCESS_DENIED);
        return false;
    }
    if (existing != INVALID_FILE_ATTRIBUTES) {
        if (::ReplaceFileW(target.c_str(), source.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                           nullptr))
            return true;
        if (::GetLastError() != ERROR_FILE_NOT_FOUND)
            return false;
    }
    return ::MoveFileExW(source.c_str(), target.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

} // namespace

bool ReplaceFile(const std::string& source, const std::string& target) {
    return MoveOver(Wide(source), Wide(target));
}

bool MoveFileTo(const std::string& source, const std::string& target, bool replaceExisting) {
    const DWORD flags = MOVEFILE_WRITE_THROUGH | (replaceExisting ? MOVEFILE_REPLACE_EXISTING : 0);
    return ::MoveFileExW(Wide(source).c_str(), Wide(target).c_str(), flags) != 0;
}

bool RemoveFile(const std::string& path) {
    return ::DeleteFileW(Wide(path).c_str()) != 0 || ::GetLastError() == ERROR_FILE_NOT_FOUND ||
           ::GetLastError() == ERROR_PATH_NOT_FOUND;
}

bool WriteFileAtomically(const std::string& path, const std::string& contents) {
    const std::wstring target = Wide(path);
    std::wstring temp;
    HANDLE file = INVALID_HANDLE_VALUE;
    // CREATE_NEW with a fresh name each try: never truncates a file someone else is writing.
    for (int attempt = 0; attempt < 100 && file == INVALID_HANDLE_VALUE; ++attempt) {
        temp = target + L".tmp-" + std::to_wstring(::GetCurrentProcessId()) + L"-" + std::to_wstring(attempt);
        file = ::CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                             nullptr);
        if (file == INVALID_HANDLE_VALUE && ::GetLastError() != ERROR_FILE_EXISTS)
            return false;
    }
    if (file == INVALID_HANDLE_VALUE)
        return false;
    bool ok = true;
    for (std::size_t done = 0; ok && done < contents.size();) {
        DWORD written = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(contents.size() - done, 1u << 30));
        ok = ::WriteFile(file, contents.data() + done, chunk, &written, nullptr) != 0;
        done += written;
    }
    ok = ::FlushFileBuffers(file) != 0 && ok;
    ok = ::CloseHandle(file) != 0 && ok;
    // Not every system's ReplaceFileW carries the attributes over, so the new copy takes them first.
    const DWORD kept = ::GetFileAttributesW(target.c_str());
    if (ok && kept != INVALID_FILE_ATTRIBUTES && !(kept & FILE_ATTRIBUTE_DIRECTORY) &&
        (kept & kKeptAttributes))
        ok = ::SetFileAttributesW(temp.c_str(), kept & kKeptAttributes) != 0;
    ok = ok && MoveOver(temp, target);
    if (!ok) {
        const DWORD error = ::GetLastError();
        ::DeleteFileW(temp.c_str());
        ::SetLastError(error);
    }
    return ok;
}

char PathSeparator() {
    return '\\';
}

const char* EncoderFileName() {
    return "ffmpeg.exe";
}

const char* AllFilesPattern() {
    return "*.*";
}

bool NamesMayHoldQuestionMark() {
    return false;
}

// The designed silent fallback to the program's folder.
bool TellsSettingsFallback() {
    return false;
}

} // namespace clipvane::platform
