#pragma once
// Paths in the program are UTF-8 byte strings (std::string): the OS layer hands them to the system as
// UTF-16 on Windows and as they stand elsewhere. This is the one place a path is taken apart, and the
// one place it crosses to and from QString, so that no name passes through the ANSI code page.

#include <cstddef>
#include <string>

class QString;

namespace clipvane {

// '/' and the system's own separator ('\' on Windows).
bool IsPathSeparator(char c);

// Where the file-name part starts: just after the last separator, or 0.
std::size_t FileNameStart(const std::string& path);

// The file-name part of a path (after the last separator).
std::string ExtractFileName(const std::string& path);

// The folder part of a path, with its separator; empty when the path names no folder.
std::string ExtractFilePath(const std::string& path);

// The folder with a separator at its end: the system's own, unless it ends with one already.
std::string WithSeparator(std::string folder);

// The path made absolute against the current folder, in the system's manner (platform::AbsolutePath).
std::string AbsolutePath(const std::string& path);

// A path from the GUI (a dialog, a drop, a box) as the program's UTF-8 bytes, and back. Never
// QFile::encodeName: that is the ANSI code page on Windows. Defined in the Qt part of the core.
std::string PathBytes(const QString& path);
QString PathText(const std::string& path);

} // namespace clipvane
