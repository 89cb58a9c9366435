// Windows side of holding encoders: every process of the encoder's job suspended and resumed whole.
#include "core/platform/Pause.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <vector>

namespace clipvane::platform {

namespace {

using TNtProcessCall = LONG(NTAPI*)(HANDLE);

// ntdll's calls hold and release every thread of a process at once, threads it starts meanwhile
// included, which suspending thread by thread cannot promise.
TNtProcessCall NtCall(const char* name) {
    const HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
    return ntdll ? reinterpret_cast<TNtProcessCall>(reinterpret_cast<void*>(::GetProcAddress(ntdll, name)))
                 : nullptr;
}

// The ids of the processes in the child's job (a wrapper's children too); the child alone without one.
std::vector<DWORD> JobProcesses(const ChildProcess& child) {
    std::vector<DWORD> ids;
    if (child.job != kNoHandle) {
        struct {
            JOBOBJECT_BASIC_PROCESS_ID_LIST list;
            ULONG_PTR more[255];
        } buffer{};
        if (::QueryInformationJobObject(child.job, JobObjectBasicProcessIdList, &buffer, sizeof buffer,
                                        nullptr))
            for (DWORD i = 0; i < buffer.list.NumberOfProcessIdsInList; ++i)
                ids.push_back(static_cast<DWORD>(buffer.list.ProcessIdList[i]));
    }
    if (ids.empty())
        ids.push_back(static_cast<DWORD>(child.pid));
    return ids;
}

bool CallOnJob(const ChildProcess& child, const char* name) {
    const TNtProcessCall call = NtCall(name);
    if (!call || child.process == kNoHandle) {
        ::SetLastError(call ? ERROR_INVALID_HANDLE : ERROR_PROC_NOT_FOUND);
        return false;
    }
    bool held = false;
    for (const DWORD id : JobProcesses(child)) {
        // The child through our own handle; the others opened for the call alone.
        const bool own = id == static_cast<DWORD>(child.pid);
        const HANDLE process = own ? child.process : ::OpenProcess(PROCESS_SUSPEND_RESUME, FALSE, id);
        if (!process)
            continue;
        const LONG status = call(process);
        if (own)
            held = status >= 0;
        else
            ::CloseHandle(process);
    }
    if (!held)
        ::SetLastError(ERROR_ACCESS_DENIED);
    return held;
}

} // namespace

bool SuspendChild(const ChildProcess& child) {
    return CallOnJob(child, "NtSuspendProcess");
}

bool ResumeChild(const ChildProcess& child) {
    return CallOnJob(child, "NtResumeProcess");
}

void CatchTerminalStop(std::function<void(bool)> /*hold*/) {}

bool HandleTerminalStop() {
    return false;
}

} // namespace clipvane::platform
