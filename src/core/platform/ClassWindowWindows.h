#pragma once
// Windows only: the single-instance hand-over as Windows does it. The running program owns a hidden
// top-level window of a known class, which a later start finds by that class and posts a message.
// Plain C++ over Win32; the class name is UTF-8 here.

#include "core/platform/Handle.h"

#include <cstddef>
#include <string>

namespace clipvane::platform {

// Creates the window; `onMessage` runs on
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

} // namespace clipvane::platform
