// Windows implementation of the platform services. Strings are UTF-8 in the program and UTF-16 at
// the Win32 edge.
#include "core/platform/Platform.h"
#include "core/platform/Utf16Windows.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>

// windows.h maps these names to its A/W variants; ours are plain functions of our own namespace.
#undef ReplaceFile
#undef FindExecutable
#undef CreateProcess

#include <algorithm>
#include <cstdint>
#include <memory>

namespace clipvane::platform {

std::wstring Wide(const std::string& text) {
    if (text.empty())
        return {};
    const int size =
        ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), size);
    return wide;
}

std::string Narrow(const std::wstring& wide) {
    if (wide.empty())
        return {};
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                           nullptr, nullptr);
    std::string text(static_cast<std::size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), text.data(), size, nullptr,
                          nullptr);
    return text;
}

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

bool CreatePipe(Handle& readEnd, Handle& writeEnd) {
    // Not inheritable: the child's ends become inheritable duplicates in PrepareChildEnd, and the
    // spawn lists exactly those three for inheritance.
    HANDLE r = nullptr;
    HANDLE w = nullptr;
    if (!::CreatePipe(&r, &w, nullptr, 0))
        return false;
    readEnd = r;
    writeEnd = w;
    return true;
}

bool PrepareChildEnd(Handle& childEnd) {
    HANDLE inheritable = nullptr;
    const HANDLE self = ::GetCurrentProcess();
    if (!::DuplicateHandle(self, childEnd, self, &inheritable, 0, TRUE,
                           DUPLICATE_SAME_ACCESS | DUPLICATE_CLOSE_SOURCE))
        return false;
    childEnd = inheritable;
    return true;
}

bool CopyHandle(Handle source, Handle& copy) {
    HANDLE duplicate = nullptr;
    const HANDLE self = ::GetCurrentProcess();
    if (!::DuplicateHandle(self, source, self, &duplicate, 0, FALSE, DUPLICATE_SAME_ACCESS))
        return false;
    copy = duplicate;
    return true;
}

bool PeekPipe(Handle readEnd, std::uint32_t& bytesAvailable) {
    DWORD total = 0;
    if (!::PeekNamedPipe(readEnd, nullptr, 0, nullptr, &total, nullptr))
        return false;
    bytesAvailable = total;
    return true;
}

std::int64_t ReadPipe(Handle readEnd, void* buffer, std::uint32_t size) {
    DWORD read = 0;
    if (!::ReadFile(readEnd, buffer, size, &read, nullptr))
        return -1;
    return read;
}

bool SpawnHidden(const std::vector<std::string>& /*argv*/, const std::string& commandLine, Handle stdIn,
                 Handle stdOut, Handle stdErr, ChildProcess& child) {
    child = {};
    // Only the three standard handles are inherited, whatever else is inheritable in this process.
    SIZE_T size = 0;
    ::InitializeProcThreadAttributeList(nullptr, 1, 0, &size);
    auto storage = std::make_unique<char[]>(size);
    auto* attributes = reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(storage.get());
    if (!::InitializeProcThreadAttributeList(attributes, 1, 0, &size))
        return false;
    HANDLE inherited[3] = {stdIn, stdOut, stdErr};
    if (!::UpdateProcThreadAttribute(attributes, 0, PROC_THREAD_ATTRIBUTE_HANDLE_LIST, inherited,
                                     sizeof inherited, nullptr, nullptr)) {
        const DWORD error = ::GetLastError();
        ::DeleteProcThreadAttributeList(attributes);
        ::SetLastError(error);
        return false;
    }

    STARTUPINFOEXW startup{};
    startup.StartupInfo.cb = sizeof startup;
    startup.StartupInfo.dwFlags = STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES;
    startup.StartupInfo.wShowWindow = SW_HIDE;
    startup.StartupInfo.hStdInput = stdIn;
    startup.StartupInfo.hStdOutput = stdOut;
    startup.StartupInfo.hStdError = stdErr;
    startup.lpAttributeList = attributes;

    // The job kills the encoder and everything it starts once its last handle closes, which
    // happens at the latest when this process ends, however it ends.
    HANDLE job = ::CreateJobObjectW(nullptr, nullptr);
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    if (!job || !::SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof limits)) {
        const DWORD error = ::GetLastError();
        if (job)
            ::CloseHandle(job);
        ::DeleteProcThreadAttributeList(attributes);
        ::SetLastError(error);
        return false;
    }

    std::wstring line = Wide(commandLine); // CreateProcessW may write into the command line
    line.push_back(L'\0');
    PROCESS_INFORMATION info{};
    // Suspended until it is in the job, so that nothing it starts can escape it.
    const BOOL created =
        ::CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE,
                         NORMAL_PRIORITY_CLASS | EXTENDED_STARTUPINFO_PRESENT | CREATE_SUSPENDED, nullptr,
                         nullptr, &startup.StartupInfo, &info);
    DWORD error = ::GetLastError();
    ::DeleteProcThreadAttributeList(attributes);
    if (!created) {
        ::CloseHandle(job);
        ::SetLastError(error);
        return false;
    }
    if (!::AssignProcessToJobObject(job, info.hProcess)) {
        // Inside a job that allows no nested one (before Windows 8): converting matters more.
        ::CloseHandle(job);
        job = nullptr;
    }
    if (::ResumeThread(info.hThread) == DWORD(-1)) {
        error = ::GetLastError();
        ::TerminateProcess(info.hProcess, 1);
        ::CloseHandle(info.hProcess);
        ::CloseHandle(info.hThread);
        if (job)
            ::CloseHandle(job);
        ::SetLastError(error);
        return false;
    }
    child.process = info.hProcess;
    child.thread = info.hThread;
    child.job = job;
    child.pid = info.dwProcessId;
    child.threadId = info.dwThreadId;
    return true;
}

WaitResult WaitForChild(const ChildProcess& child, int timeoutMs, Handle /*wakeOnData1*/,
                        Handle /*wakeOnData2*/) {
    // Anonymous pipes cannot be waited on here, so only the process wakes us.
    switch (::WaitForSingleObject(child.process, static_cast<DWORD>(timeoutMs))) {
    case WAIT_OBJECT_0:
        return WaitResult::Exited;
    case WAIT_TIMEOUT:
        return WaitResult::Timeout;
    default:
        return WaitResult::Failed;
    }
}

bool DuplicateChild(const ChildProcess& child, ChildProcess& copy) {
    copy = {};
    if (child.process == kNoHandle) {
        ::SetLastError(ERROR_INVALID_HANDLE);
        return false;
    }
    if (!CopyHandle(child.process, copy.process))
        return false;
    copy.pid = child.pid;
    copy.threadId = child.threadId;
    return true;
}

bool TerminateChild(const ChildProcess& child, std::uint32_t exitCode) {
    if (child.process == kNoHandle) {
        ::SetLastError(ERROR_INVALID_HANDLE);
        return false;
    }
    if (child.job != kNoHandle && ::TerminateJobObject(child.job, exitCode))
        return true;
    return ::TerminateProcess(child.process, exitCode) != 0;
}

bool ReapChild(ChildProcess& child, int timeoutMs, ExitStatus* status) {
    ExitStatus result;
    if (child.process != kNoHandle) {
        const DWORD saved = ::GetLastError();
        const DWORD waited =
            ::WaitForSingleObject(child.process, timeoutMs < 0 ? INFINITE : static_cast<DWORD>(timeoutMs));
        if (waited == WAIT_TIMEOUT) {
            ::SetLastError(saved);
            return false;
        }
        DWORD code = 0;
        if (waited == WAIT_OBJECT_0 && ::GetExitCodeProcess(child.process, &code) && code != STILL_ACTIVE) {
            result.known = true;
            result.code = static_cast<int>(code); // a crash shows as an NTSTATUS such as 0xC0000005
        }
        ::SetLastError(saved);
    }
    CloseChild(child);
    if (status)
        *status = result;
    return true;
}

void ReleaseChild(ChildProcess& child) {
    // Nothing to reap on Windows; waiting a moment lets a killed encoder let go of its output file.
    if (!ReapChild(child, 5000))
        CloseChild(child);
}

void CloseChild(ChildProcess& child) {
    CloseHandle(child.process);
    CloseHandle(child.thread);
    CloseHandle(child.job); // the last handle of the job: what still runs in it is killed
    child = {};
}

// Windows caps neither the handles nor the processes of a user in a way a start would meet first.
std::size_t ChildrenAllowed(std::size_t, std::size_t, std::size_t) {
    return SIZE_MAX;
}

bool IsResourceShortage(int code) {
    switch (code) {
    case ERROR_TOO_MANY_OPEN_FILES:
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
    case ERROR_NO_SYSTEM_RESOURCES:
    case ERROR_COMMITMENT_LIMIT:
    case ERROR_NOT_ENOUGH_QUOTA:
        return true;
    default:
        return false;
    }
}

double ProcessCpuSeconds() {
    FILETIME created, exited, kernel, user;
    if (!::GetProcessTimes(::GetCurrentProcess(), &created, &exited, &kernel, &user))
        return 0;
    const auto seconds = [](const FILETIME& t) {
        return static_cast<double>((static_cast<unsigned long long>(t.dwHighDateTime) << 32) |
                                   t.dwLowDateTime) /
               1e7;
    };
    return seconds(kernel) + seconds(user);
}

std::int64_t UtcOffsetSeconds(std::int64_t unixSeconds) {
    constexpr std::int64_t kSecondsFrom1601To1970 = 11644473600LL;
    constexpr std::int64_t kTicksPerSecond = 10000000LL;
    const auto toFileTime = [](std::int64_t ticks) {
        return FILETIME{static_cast<DWORD>(ticks),
                        static_cast<DWORD>(static_cast<std::uint64_t>(ticks) >> 32)};
    };
    const std::int64_t utcTicks =
        (std::max<std::int64_t>(unixSeconds, 0) + kSecondsFrom1601To1970) * kTicksPerSecond;
    const FILETIME utc = toFileTime(utcTicks);
    SYSTEMTIME utcTime, localTime;
    FILETIME local;
    if (!::FileTimeToSystemTime(&utc, &utcTime) ||
        !::SystemTimeToTzSpecificLocalTime(nullptr, &utcTime, &localTime) ||
        !::SystemTimeToFileTime(&localTime, &local))
        return 0;
    const std::int64_t localTicks = static_cast<std::int64_t>(
        (static_cast<std::uint64_t>(local.dwHighDateTime) << 32) | local.dwLowDateTime);
    return (localTicks - utcTicks) / kTicksPerSecond;
}

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

std::string FindExecutable(const std::string& name) {
    if (name.empty())
        return {};
    if (name.find_first_of("\\/:") != std::string::npos)
        return name;
    if (const std::string own = ProgramFolder() + name; FileExists(own))
        return own;
    const std::wstring wide = Wide(name);
    wchar_t found[MAX_PATH];
    const DWORD n = ::SearchPathW(nullptr, wide.c_str(), L".exe", MAX_PATH, found, nullptr);
    if (n == 0 || n >= MAX_PATH)
        return {};
    return Narrow(std::wstring(found, n));
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

bool ReadWholeFile(const std::string& path, std::string& contents) {
    contents.clear();
    // Shared for delete too, so a writer replacing the file meanwhile is not refused.
    const HANDLE file = ::CreateFileW(Wide(path).c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    char buffer[8192];
    DWORD read = 0;
    BOOL ok = TRUE;
    while ((ok = ::ReadFile(file, buffer, sizeof buffer, &read, nullptr)) && read > 0)
        contents.append(buffer, read);
    const DWORD error = ::GetLastError();
    ::CloseHandle(file);
    ::SetLastError(error);
    return ok != 0;
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

namespace {
volatile LONG g_interrupted = 0;

BOOL WINAPI OnConsoleControl(DWORD type) {
    if (type == CTRL_C_EVENT || type == CTRL_BREAK_EVENT || type == CTRL_CLOSE_EVENT) {
        ::InterlockedExchange(&g_interrupted, 1);
        return TRUE;
    }
    return FALSE;
}
} // namespace

std::vector<std::string> ProgramArguments(int argc, char** argv) {
    int count = 0;
    wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (!wide)
        return std::vector<std::string>(argv, argv + argc);
    std::vector<std::string> args;
    for (int i = 0; i < count; ++i)
        args.push_back(Narrow(wide[i]));
    ::LocalFree(wide);
    return args;
}

std::string Utf8FromLegacyText(const std::string& text) {
    const int length = static_cast<int>(text.size());
    if (text.empty() ||
        ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), length, nullptr, 0) > 0)
        return text;
    const int size = ::MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, text.data(), length, wide.data(), size);
    return Narrow(wide);
}

bool WriteConsoleText(TStream stream, const std::string& text) {
    const HANDLE handle = ::GetStdHandle(stream == TStream::Error ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    DWORD mode = 0;
    if (stream == TStream::Input || !::GetConsoleMode(handle, &mode))
        return false;
    const std::wstring wide = Wide(text);
    for (std::size_t done = 0; done < wide.size();) {
        DWORD written = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(wide.size() - done, 16384));
        if (!::WriteConsoleW(handle, wide.data() + done, chunk, &written, nullptr) || written == 0)
            break;
        done += written;
    }
    return true;
}

bool IsTerminal(TStream stream) {
    const DWORD id = stream == TStream::Input    ? STD_INPUT_HANDLE
                     : stream == TStream::Output ? STD_OUTPUT_HANDLE
                                                 : STD_ERROR_HANDLE;
    DWORD mode = 0;
    return ::GetConsoleMode(::GetStdHandle(id), &mode) != 0;
}

void InstallInterruptHandler() {
    ::SetConsoleCtrlHandler(OnConsoleControl, TRUE);
}

void InstallQuitHandler() {
    ::SetConsoleCtrlHandler(OnConsoleControl, TRUE);
}

bool QuitRequested() {
    return InterruptRequested();
}

Handle QuitNoticeHandle() {
    return kNoHandle;
}

void DrainQuitNotice() {} // no notice handle here

bool InterruptRequested() {
    return ::InterlockedCompareExchange(&g_interrupted, 0, 0) != 0;
}

namespace {
struct ClassWindowTarget {
    unsigned message = 0;
    MessageCallback onMessage = nullptr;
    void* context = nullptr;
    DataCallback onData = nullptr;
    unsigned quitMessage = 0;
    MessageCallback onQuit = nullptr;
};

LRESULT CALLBACK ClassWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    } else if (const auto* target =
                   reinterpret_cast<const ClassWindowTarget*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
               target && message == target->message) {
        target->onMessage(target->context);
        return 0;
    } else if (target && message == WM_COPYDATA && target->onData) {
        const auto* copy = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        if (!copy || copy->dwData != target->message)
            return FALSE;
        target->onData(target->context, static_cast<const char*>(copy->lpData), copy->cbData);
        return TRUE;
    } else if (target && target->quitMessage != 0 && message == target->quitMessage && target->onQuit) {
        target->onQuit(target->context);
        return 0;
    } else if (message == WM_NCDESTROY) {
        delete target;
        ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}
} // namespace

Handle CreateClassWindow(const std::string& className, unsigned message, MessageCallback onMessage,
                         void* context, DataCallback onData, unsigned quitMessage, MessageCallback onQuit) {
    const std::wstring name = Wide(className);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = ClassWindowProc;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = name.c_str();
    if (!::RegisterClassExW(&windowClass) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        return kNoHandle;
    // Top-level, so FindWindow sees it (a message-only window it would not); never shown.
    auto* target = new ClassWindowTarget{message, onMessage, context, onData, quitMessage, onQuit};
    HWND window = ::CreateWindowExW(WS_EX_TOOLWINDOW, name.c_str(), L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                                    nullptr, windowClass.hInstance, target);
    if (!window)
        delete target;
    return window;
}

void DestroyClassWindow(Handle& window) {
    if (window)
        ::DestroyWindow(static_cast<HWND>(window));
    window = kNoHandle;
}

namespace {
// Windows lets only the foreground process hand the foreground on; a later start is it.
HWND ClassWindowLettingItForward(const std::string& className) {
    HWND window = ::FindWindowW(Wide(className).c_str(), nullptr);
    if (!window)
        return nullptr;
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    ::AllowSetForegroundWindow(owner);
    return window;
}
} // namespace

bool PostToClassWindow(const std::string& className, unsigned message) {
    HWND window = ClassWindowLettingItForward(className);
    return window && ::PostMessageW(window, message, 0, 0) != 0;
}

bool SendToClassWindow(const std::string& className, unsigned message, const std::string& data) {
    HWND window = ClassWindowLettingItForward(className);
    if (!window)
        return false;
    COPYDATASTRUCT copy{};
    copy.dwData = message;
    copy.cbData = static_cast<DWORD>(data.size());
    copy.lpData = const_cast<char*>(data.data());
    DWORD_PTR taken = FALSE;
    // A window busy for longer (or hung) is treated as not answering, as a missing one is.
    return ::SendMessageTimeoutW(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&copy), SMTO_ABORTIFHUNG,
                                 5000, &taken) != 0 &&
           taken == TRUE;
}

TReadLine ReadInputLine(std::string& line) {
    line.clear();
    const HANDLE input = ::GetStdHandle(STD_INPUT_HANDLE);
    for (;;) {
        if (InterruptRequested())
            return TReadLine::Interrupted;
        char c = 0;
        DWORD read = 0;
        if (!::ReadFile(input, &c, 1, &read, nullptr) || read == 0) {
            // Ctrl+C aborts a console read; its handler runs on a thread of its own, a moment later.
            for (int i = 0; i < 10 && !InterruptRequested(); ++i)
                ::Sleep(10);
            if (InterruptRequested())
                return TReadLine::Interrupted;
            return line.empty() ? TReadLine::End : TReadLine::Line;
        }
        if (c == '\n') {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            return TReadLine::Line;
        }
        line += c;
    }
}

} // namespace clipvane::platform
