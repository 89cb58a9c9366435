#pragma once
// Holding a running encoder without ending it: it keeps its place in the file and uses no processor
// time until it is let go. And the terminal's own pause (Ctrl+Z), which must hold the encoders too:
// they run in groups of their own, so the terminal's stop never reaches them.

#include "core/platform/Process.h"

#include <functional>

namespace clipvane::platform {

// Stops the child and whatever runs in its group or job (POSIX: SIGSTOP to the group; Windows: every
// process of its job suspended). False when the child is gone or cannot be held.
bool SuspendChild(const ChildProcess& child);
// Lets a held child go on (SIGCONT; Windows: resumed as often as it was suspended).
bool ResumeChild(const ChildProcess& child);

// Catches the terminal's stop request (SIGTSTP) from now on; HandleTerminalStop then calls
// `hold(true)`, stops this process as the terminal asked and, once continued (fg, bg), `hold(false)`.
// Windows has no such request: nothing is caught there.
void CatchTerminalStop(std::function<void(bool)> hold);
// Handles a stop requested since the last call; false when none was.
bool HandleTerminalStop();

} // namespace clipvane::platform
