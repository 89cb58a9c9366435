#pragma once
// What a later start hands the running instance, the same over either transport: the files it was
// started with, one line each.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace clipvane::instance {

// A request is the message number of "show yourself", with the number of files when it hands any
// over, and a line end; then one line per file. Longer lines and more files than any real start
// gives are no second start's.
inline constexpr qint64 kMaxLine = 64 * 1024;
inline constexpr int kMaxFiles = 100000;

QByteArray FileLines(const QStringList& files);
QString FileOfLine(const QByteArray& line);

} // namespace clipvane::instance
