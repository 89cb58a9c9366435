#pragma once
// UTF-8 (the program's paths and texts) to UTF-16 (the Win32 W calls) and back: the one conversion
// every Windows file of the OS layer uses, so that no name passes through the ANSI code page.

#include <string>

namespace clipvane::platform {

std::wstring Wide(const std::string& text);
std::string Narrow(const std::wstring& wide);

} // namespace clipvane::platform
