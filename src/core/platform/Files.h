#pragma once
// Files, folders and paths. Every path is UTF-8 here; the Windows side turns it into UTF-16 at each
// call.

#include <string>
#include <vector>

namespace clipvane::platform {

// True when the file exists and cannot be opened exclusively for reading and writing.
bool IsFileInUse(const std::string& fileName);

// True when the file exists and is marked read-only (POSIX: no write permission for us).
bool IsReadOnlyFile(const std::string& fileName);

// 0 when the file system can hold a file of this name, else the OS error code that refuses it
// (the name or the whole path too long). Nothing is created.
int NameError(const std::string& path);

// The per-user application-data folder, ending with a separator; empty when the OS names none.
std::string AppDataFolder();

// A folder of the user's own for the settings when the application-data folder cannot be used, ending
// with a separator; empty where there is none (Windows: the program's folder serves, as designed).
// Linux: the home folder the user database names + "/.config/", else a private folder under the
// temporary folder.
std::string FallbackAppDataFolder();

// True where the user is told that the settings had to go to a fallback folder; Windows falls back to
// the program's folder silently.
bool TellsSettingsFallback();

// The folder of the running executable, ending with a separator.
std::string ProgramFolder();

// The path made absolute against the current folder, with "." and ".." steps and doubled
// separators taken out as text. Byte for byte otherwise: a Linux name may hold any byte but "/".
std::string AbsolutePath(const std::string& path);

// Creates the folder and every missing parent. True when the folder exists afterwards.
bool ForceDirectories(const std::string& path);

bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);

enum class PathType { None, File, Folder, Link, Other };
// What is at the path itself: a symbolic link (or another reparse point) is a link, never followed.
PathType GetPathType(const std::string& path);

// True when both paths name one existing file system object (links followed, case as the system has it).
bool IsSameFile(const std::string& a, const std::string& b);

// The names in a folder (without "." and ".."). False when it cannot be listed.
bool ListFolder(const std::string& folder, std::vector<std::string>& names);

// The whole contents of a regular file. False on failure, with LastError set: anything else (a pipe,
// a device) is refused unread, as it could keep the reader waiting, or feed it without end.
bool ReadWholeFile(const std::string& path, std::string& contents);
// At most the first `count` bytes of a regular file, as ReadWholeFile reads it.
bool ReadFileStart(const std::string& path, std::size_t count, std::string& contents);

// Atomically replaces `target` with `source` (rename over it). On Windows an existing target keeps its
// identity: creation time, security and attributes.
bool ReplaceFile(const std::string& source, const std::string& target);

// Renames `source` to `target` in one step. Without `replaceExisting` it fails (EEXIST /
// ERROR_ALREADY_EXISTS) when anything is at `target`; with it, what is there is replaced: a link
// itself, never the file it points to.
bool MoveFileTo(const std::string& source, const std::string& target, bool replaceExisting);

// Deletes a file (a link itself, not its target). True when nothing is left at the path.
bool RemoveFile(const std::string& path);

// Writes `contents` to a new file beside `path`, flushes it to disk and renames it over `path`, so a
// crash or a full disk leaves either the old file or the new one, never a torn one. An existing file's
// permissions (Windows: attributes such as hidden) carry over. False on failure (LastError set), with
// the old file untouched.
bool WriteFileAtomically(const std::string& path, const std::string& contents);

char PathSeparator();

// The encoder's file name on this OS: "ffmpeg" or "ffmpeg.exe".
const char* EncoderFileName();

// The file pattern that matches every name: Windows' "*.*" does; elsewhere it would hide the names
// without a dot.
const char* AllFilesPattern();

// False where a file name cannot hold "?" (Windows), so that one in a name stands for a character the
// ANSI code page could not spell.
bool NamesMayHoldQuestionMark();

} // namespace clipvane::platform
