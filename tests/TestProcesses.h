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
#endif

// True while the process exists, a zombie included.
inline bool ProcessExists(std::int64_t pid) {
    return pid > 0 && QFileInfo::exists(QStringLiteral("/proc/%1").arg(pid));
}

// True while the process runs: neither gone nor a zombie.
inline bool ProcessAlive(std::int64_t pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (pid <= 0 || !stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray line = stat.readAll();
    const qsizetype close = line.lastIndexOf(')');
    const char state = close >= 0 && close + 2 < line.size() ? line[close + 2] : 'X';
    return state != 'Z' && state != 'X';
}

inline int OpenDescriptors() {
    return static_cast<int>(QDir(QStringLiteral("/proc/self/fd"))
                                .entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)
                                .size());
}

// The pids of a process's running children.
inline QList<qint64> ChildrenOf(qint64 pid) {
    QList<qint64> children;
#ifdef _WIN32
    const HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return children;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = ::Process32FirstW(snapshot, &entry); more; more = ::Process32NextW(snapshot, &entry))
        if (entry.th32ParentProcessID == static_cast<DWORD>(pid) && entry.th32ProcessID != 0)
            children << qint64(entry.th32ProcessID);
    ::CloseHandle(snapshot);
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
