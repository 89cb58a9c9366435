#pragma once
// The program's arguments, its console or terminal, and the requests to end it (signals, Ctrl+C, a
// console's close).

#include "core/platform/Handle.h"

#include <string>
#include <vector>

namespace clipvane::platform {

enum class TStream { Input, Output, Error };

// Opens the null device on whichever of the standard streams the process was started without, so
// that the first files it opens cannot take their numbers and receive what is meant for the
// console. First thing in main. (Windows keeps its standard handles apart: nothing to do there.)
void CoverStandardStreams();

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

enum class TReadLine { Line, End, Interrupted };
// Reads one line of standard input (without its line end). Once InstallInterruptHandler has run,
// an interrupt ends the wait at once with Interrupted, however long the user takes to answer.
TReadLine ReadInputLine(std::string& line);

} // namespace clipvane::platform
