#pragma once
// Small file helpers shared by the tests that check what lands on disk.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTest>

#include <cmath>

inline bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A scratch folder's template whose name holds Latin, Cyrillic, Greek and CJK letters and a character
// beyond the BMP: no ANSI code page can spell it, so a path that passes through one is caught.
inline QString ScriptsFolderTemplate() {
    return QDir::tempPath() + QStringLiteral(u"/clipvane Música Рабочий Ωμέγα 東京 🎬-XXXXXX");
}

#ifdef Q_OS_WIN
// A name the ANSI code page in use holds whole: what an earlier build wrote to settings.ini in it.
inline QString AnsiCodePageName() {
    for (const QString& name : {QStringLiteral(u"Música Vidéos"), QStringLiteral(u"東京の動画"),
                                QStringLiteral(u"Рабочий стол"), QStringLiteral(u"Ωμέγα")})
        if (QString::fromLocal8Bit(name.toLocal8Bit()) == name)
            return name;
    return {};
}
#endif

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

// Two seconds of a 440 Hz tone as 8 kHz 16-bit mono PCM: a real input for the real encoder.
inline QByteArray ToneWav() {
    const int rate = 8000, samples = 2 * rate;
    QByteArray pcm;
    for (int i = 0; i < samples; ++i) {
        const auto value = static_cast<qint16>(8000 * std::sin(2 * M_PI * 440 * i / rate));
        pcm.append(char(value & 0xff)).append(char((value >> 8) & 0xff));
    }
    const auto le32 = [](quint32 v) {
        const char bytes[] = {char(v & 0xff), char((v >> 8) & 0xff), char((v >> 16) & 0xff), char(v >> 24)};
        return QByteArray(bytes, 4);
    };
    const auto le16 = [](quint16 v) {
        const char bytes[] = {char(v & 0xff), char(v >> 8)};
        return QByteArray(bytes, 2);
    };
    return "RIFF" + le32(36 + pcm.size()) + "WAVEfmt " + le32(16) + le16(1) + le16(1) + le32(rate) +
           le32(rate * 2) + le16(2) + le16(16) + "data" + le32(pcm.size()) + pcm;
}
