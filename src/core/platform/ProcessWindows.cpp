// Windows side of pipes and child processes.
#include "core/platform/Files.h"
#include "core/platform/Process.h"
#include "core/platform/Utf16Windows.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

// windows.h maps these names to their A/W variants; ours are plain functions of our own namespace.
#undef FindExecutable
#undef CreateProcess

#include <cstdint>
#include <memory>

namespace clipvane::platform {

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

} // namespace clipvane::platform
