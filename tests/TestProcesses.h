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
