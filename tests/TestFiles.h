#pragma once
// Small file helpers shared by the tests that check what lands on disk.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTest>

inline bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Empty when the file cannot be read.
inline QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// For void test functions: fails the test at once when the write fails.
inline void WriteBytes(const QString& path, const QByteArray& bytes) {
    QVERIFY2(WriteFile(path, bytes), qPrintable(path));
}

// Tells an unreadable file apart from an empty one in a failure message.
inline QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}
