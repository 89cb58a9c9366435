#pragma once
// What the tests ask the system about processes and descriptors: after a Stop, the child's pid must
// be gone and no descriptor may be left, not just a flag cleared.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QString>

#include <cstdint>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <tlhelp32.h>

// windows.h maps these names to its A/W variants; the OS layer's are meant in the tests.
#undef ReplaceFile
#undef FindExecutable

// The running processes: an ended one is left out even while a handle holds it, since Wine lets
// such a process be opened after its last handle closed too.
inline QList<PROCESSENTRY32W> RunningProcesses() {
    QList<PROCESSENTRY32W> processes;
    const HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return processes;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = ::Process32FirstW(snapshot, &entry); more; more = ::Process32NextW(snapshot, &entry))
        processes << entry;
    ::CloseHandle(snapshot);
    return processes;
}
#endif

// True while the process exists, a zombie included (Windows: while it runs).
inline bool ProcessExists(std::int64_t pid) {
#ifdef _WIN32
    // Not /proc: under Wine that is Linux's, where the small Windows pid may name a kernel thread.
    for (const PROCESSENTRY32W& entry : RunningProcesses())
        if (pid > 0 && entry.th32ProcessID == static_cast<DWORD>(pid))
            return true;
    return false;
#else
    return pid > 0 && QFileInfo::exists(QStringLiteral("/proc/%1").arg(pid));
#endif
}

// True while the process runs: neither gone nor a zombie.
inline bool ProcessAlive(std::int64_t pid) {
#ifdef _WIN32
    return ProcessExists(pid); // the snapshot lists running processes only
#else
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (pid <= 0 || !stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray line = stat.readAll();
    const qsizetype close = line.lastIndexOf(')');
    const char state = close >= 0 && close + 2 < line.size() ? line[close + 2] : 'X';
    return state != 'Z' && state != 'X';
#endif
}

// True while the process is held (stopped by a signal; Windows: every thread suspended).
inline bool ProcessHeld(std::int64_t pid) {
#ifdef _WIN32
    bool any = false, held = true;
    const HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = ::Thread32First(snapshot, &entry); more; more = ::Thread32Next(snapshot, &entry)) {
        if (entry.th32OwnerProcessID != static_cast<DWORD>(pid))
            continue;
        // Suspending once more tells the count it had; the thread is let go again at once.
        if (const HANDLE thread = ::OpenThread(THREAD_SUSPEND_RESUME, FALSE, entry.th32ThreadID)) {
            any = true;
            held = held && ::SuspendThread(thread) > 0;
            ::ResumeThread(thread);
            ::CloseHandle(thread);
        }
    }
    ::CloseHandle(snapshot);
    return any && held;
#else
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (pid <= 0 || !stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray line = stat.readAll();
    const qsizetype close = line.lastIndexOf(')');
    return close >= 0 && close + 2 < line.size() && line[close + 2] == 'T';
#endif
}

inline int OpenDescriptors() {
#ifdef _WIN32
    // Not /proc/self/fd: under Wine that lists the descriptors Wine itself caches, which come and
    // go. Wine 8 counts no handles (always 0), so there only a real Windows checks this.
    DWORD handles = 0;
    ::GetProcessHandleCount(::GetCurrentProcess(), &handles);
    return static_cast<int>(handles);
#else
    return static_cast<int>(QDir(QStringLiteral("/proc/self/fd"))
                                .entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)
                                .size());
#endif
}

// The pids of a process's running children.
inline QList<qint64> ChildrenOf(qint64 pid) {
    QList<qint64> children;
#ifdef _WIN32
    for (const PROCESSENTRY32W& entry : RunningProcesses())
        if (entry.th32ParentProcessID == static_cast<DWORD>(pid) && entry.th32ProcessID != 0)
            children << qint64(entry.th32ProcessID);
#else
    const QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile file(tasks.filePath(task + QStringLiteral("/children")));
        if (file.open(QIODevice::ReadOnly))
            for (const QByteArray& word : file.readAll().split(' '))
                if (!word.trimmed().isEmpty())
                    children << word.trimmed().toLongLong();
    }
#endif
    return children;
}
