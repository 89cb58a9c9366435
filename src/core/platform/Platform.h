#pragma once
// Operating-system services the program needs, one implementation file per OS.
// Plain C++ over the OS API: no Qt here, so the Windows side cross-builds on its own.
// Every path and command line is UTF-8 here; the Windows side turns it into UTF-16 at each call.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace clipvane::platform {

#ifdef _WIN32
using Handle = void*;
inline const Handle kNoHandle = nullptr;
#else
using Handle = int;
inline constexpr Handle kNoHandle = -1;
#endif

// The OS error code of the calling thread's last failed call (errno / GetLastError).
int LastError();
void SetLastError(int code);

// Closes the handle if it is one and sets it to kNoHandle.
void CloseHandle(Handle& handle);

// An anonymous pipe whose ends are not inherited by children unless passed explicitly.
bool CreatePipe(Handle& readEnd, Handle& writeEnd);

// Readies the end of a pipe that a child will get as a standard handle. Windows replaces it by an
// inheritable duplicate (closing the original); on POSIX the spawn passes it explicitly, so it stays.
bool PrepareChildEnd(Handle& childEnd);

// A second handle to the same pipe or file, owned by the caller and not inherited.
bool CopyHandle(Handle source, Handle& copy);

// Bytes waiting in a pipe, without reading them. False when the handle is not a readable pipe.
bool PeekPipe(Handle readEnd, std::uint32_t& bytesAvailable);

// Blocking read of at most `size` bytes; the number read, or -1 on failure (LastError set).
std::int64_t ReadPipe(Handle readEnd, void* buffer, std::uint32_t size);

struct ChildProcess {
    Handle process = kNoHandle; // pidfd on Linux, process handle on Windows
    Handle thread = kNoHandle;  // primary thread handle on Windows, unused elsewhere
    Handle job = kNoHandle;     // Windows: the kill-on-close job the child runs in; unused elsewhere
    std::int64_t pid = 0;
    std::int64_t threadId = 0;
};

// Starts a hidden child with the three given standard handles and nothing else inherited.
// POSIX uses `argv` (argv[0] is looked up with FindExecutable when it holds no separator);
// Windows passes `commandLine` as it stands. False on failure, with LastError set.
// The child dies with this process, however it ends (Linux: a death signal, which follows the
// calling thread, so call it from one that lives as long as the program; Windows: a job object
// that kills on close), and it heads a process group (a job) that TerminateChild ends whole.
bool SpawnHidden(const std::vector<std::string>& argv, const std::string& commandLine, Handle stdIn,
                 Handle stdOut, Handle stdErr, ChildProcess& child);

enum class WaitResult { Exited, Timeout, Failed };

// Waits at most `timeoutMs` for the child to end. May return Timeout early when one of the
// optional pipes becomes readable, which lets the caller drain output sooner.
WaitResult WaitForChild(const ChildProcess& child, int timeoutMs, Handle wakeOnData1 = kNoHandle,
                        Handle wakeOnData2 = kNoHandle);

// A second handle to the same child, owned by the caller (for a watcher that outlives the owner's);
// it does not hold the job, so closing it kills nothing.
bool DuplicateChild(const ChildProcess& child, ChildProcess& copy);

// Kills the child and whatever else runs in its group or job; does not reap it.
bool TerminateChild(const ChildProcess& child, std::uint32_t exitCode);

// How a child ended.
struct ExitStatus {
    bool known = false; // false: the OS could not say (the child was reaped elsewhere)
    int code = 0;       // the exit code
    int signal = 0;     // POSIX: the signal that ended it, else 0
    bool Succeeded() const { return known && code == 0 && signal == 0; }
};

// Waits at most `timeoutMs` (negative: for as long as it takes) for the child to be gone, reaps it,
// closes its handles and clears the record. False when it still runs at the timeout: the record
// is kept. True on an empty record.
bool ReapChild(ChildProcess& child, int timeoutMs, ExitStatus* status = nullptr);

// Waits for the child to be gone (reaping it where the OS needs that), then closes its handles
// and clears the record. Safe on an empty record.
void ReleaseChild(ChildProcess& child);

// Closes the record's handles without reaping (for a duplicate record).
void CloseChild(ChildProcess& child);

// How many more children this process can run at once, each holding `handlesPerChild` descriptors
// of ours and costing `tasksPerChild` processes or threads: the open-file limit less what is open now
// and `reserve`, and the user's process limit less what the user runs now. SIZE_MAX where the OS sets
// neither limit (Windows).
std::size_t ChildrenAllowed(std::size_t handlesPerChild, std::size_t tasksPerChild, std::size_t reserve);

// True when the OS error code says a resource ran short (descriptors, processes, memory) rather than
// that the program cannot be run at all: the same start may work once other children have ended.
bool IsResourceShortage(int code);

// The local time zone's offset from UTC in seconds at a moment given in seconds since 1970 (UTC).
// A change of the zone while the program runs shows at the next call.
std::int64_t UtcOffsetSeconds(std::int64_t unixSeconds);

// CPU time this process has used so far (user + system, all threads, children excluded), in seconds.
double ProcessCpuSeconds();

// The full path of the executable that a bare program name runs: the program's own folder first,
// then the search path. Empty when none is found. A name with a separator is returned unchanged.
std::string FindExecutable(const std::string& name);

// True when the file exists and cannot be opened exclusively for reading and writing.
bool IsFileInUse(const std::string& fileName);

// True when the file exists and is marked read-only (POSIX: no write permission for us).
bool IsReadOnlyFile(const std::string& fileName);

// 0 when the file system can hold a file of this name, else the OS error code that refuses it
// (the name or the whole path too long). Nothing is created.
int NameError(const std::string& path);

// The OS's own words for an error code ("No such file or directory"), without a final period.
std::string ErrorText(int code);

// The per-user application-data folder, ending with a separator; empty when the OS names none.
std::string AppDataFolder();

// A folder of the user's own for the settings when the application-data folder cannot be used, ending
// with a separator; empty where there is none (Windows: the program's folder serves, as designed).
// Linux: the home folder the user database names + "/.config/", else a private folder under the
// temporary folder.
std::string FallbackAppDataFolder();

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

// The whole contents of a file. False on failure, with LastError set.
bool ReadWholeFile(const std::string& path, std::string& contents);

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

enum class TStream { Input, Output, Error };

// The program's arguments, argv[0] first, as UTF-8. Windows reads them from the UTF-16 command line, so
// no name passes through the ANSI code page; elsewhere they are argv's bytes.
std::vector<std::string> ProgramArguments(int argc, char** argv);

// Text that an earlier build or another program may have written in the ANSI code page (Windows), as
// UTF-8. Text that is valid UTF-8 already, and any text on Linux, comes back unchanged.
std::string Utf8FromLegacyText(const std::string& text);

// Writes UTF-8 text to the stream as characters when it is a Windows console, which shows bytes in its
// own code page. False, with nothing written, where the stream takes the bytes as they are.
bool WriteConsoleText(TStream stream, const std::string& text);

// True when the process's standard stream is an interactive terminal (console).
bool IsTerminal(TStream stream);

// Catches the user's interrupt (Ctrl+C, SIGINT/SIGTERM/SIGHUP, SIGPIPE once the reader of our
// output has gone, or a console close) from now on: instead of
// ending the process, it is remembered for InterruptRequested() to report.
void InstallInterruptHandler();
bool InterruptRequested();

// For the desktop program: catches the requests to end it (SIGTERM, SIGINT, SIGHUP; Windows: a
// console's close or Ctrl+C), so that it can end as if its window were closed. From then on such a
// request only sets QuitRequested() and makes QuitNoticeHandle() readable (kNoHandle where the OS
// has no such handle: poll QuitRequested() there).
void InstallQuitHandler();
bool QuitRequested();
Handle QuitNoticeHandle();
// Empties QuitNoticeHandle(), so that a watcher of it is woken once per request, not without end.
void DrainQuitNotice();

#ifdef _WIN32
// The single-instance hand-over as Windows does it: the running program owns a hidden top-level window
// of a known class, which a later start finds by that class and posts a message. `onMessage` runs on
// the thread that created the window, from its message loop, when `message` arrives. Null on failure.
// A WM_COPYDATA tagged with `message` goes to `onData` (which must copy what it keeps), and
// `quitMessage` to `onQuit`, when given.
using MessageCallback = void (*)(void* context);
using DataCallback = void (*)(void* context, const char* data, std::size_t size);
Handle CreateClassWindow(const std::string& className, unsigned message, MessageCallback onMessage,
                         void* context, DataCallback onData = nullptr, unsigned quitMessage = 0,
                         MessageCallback onQuit = nullptr);
void DestroyClassWindow(Handle& window);
// Lets the window's owner come to the foreground, then posts it `message`. False when no window of
// the class exists (or the post failed).
bool PostToClassWindow(const std::string& className, unsigned message);
// As PostToClassWindow, with `data` in a WM_COPYDATA tagged `message`; waits until the window has
// taken it (a few seconds at most). False when it was not taken.
bool SendToClassWindow(const std::string& className, unsigned message, const std::string& data);
#endif

enum class TReadLine { Line, End, Interrupted };
// Reads one line of standard input (without its line end). Once InstallInterruptHandler has run,
// an interrupt ends the wait at once with Interrupted, however long the user takes to answer.
TReadLine ReadInputLine(std::string& line);

} // namespace clipvane::platform
