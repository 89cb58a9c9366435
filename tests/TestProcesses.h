#pragma once
// What the tests ask the system about processes and descriptors: after a Stop, the child's pid must
// be gone and no descriptor may be left, not just a flag cleared.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QString>

#include <cstdint>

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

// The pids of a process's children.
inline QList<qint64> ChildrenOf(qint64 pid) {
    QList<qint64> children;
    const QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile file(tasks.filePath(task + QStringLiteral("/children")));
        if (file.open(QIODevice::ReadOnly))
            for (const QByteArray& word : file.readAll().split(' '))
                if (!word.trimmed().isEmpty())
                    children << word.trimmed().toLongLong();
    }
    return children;
}
