// Windows side of the program's arguments, its console and the console's close and Ctrl+C.
#include "core/platform/Console.h"
#include "core/platform/Utf16Windows.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <shellapi.h>

#include <algorithm>

namespace clipvane::platform {

namespace {
volatile LONG g_interrupted = 0;

BOOL WINAPI OnConsoleControl(DWORD type) {
    if (type == CTRL_C_EVENT || type == CTRL_BREAK_EVENT || type == CTRL_CLOSE_EVENT) {
        ::InterlockedExchange(&g_interrupted, 1);
        return TRUE;
    }
    return FALSE;
}
} // namespace

std::vector<std::string> ProgramArguments(int argc, char** argv) {
    int count = 0;
    wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (!wide)
        return std::vector<std::string>(argv, argv + argc);
    std::vector<std::string> args;
    for (int i = 0; i < count; ++i)
        args.push_back(Narrow(wide[i]));
    ::LocalFree(wide);
    return args;
}

std::string Utf8FromLegacyText(const std::string& text) {
    const int length = static_cast<int>(text.size());
    if (text.empty() ||
        ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), length, nullptr, 0) > 0)
        return text;
    const int size = ::MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, text.data(), length, wide.data(), size);
    return Narrow(wide);
}

bool WriteConsoleText(TStream stream, const std::string& text) {
    const HANDLE handle = ::GetStdHandle(stream == TStream::Error ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    DWORD mode = 0;
    if (stream == TStream::Input || !::GetConsoleMode(handle, &mode))
        return false;
    const std::wstring wide = Wide(text);
    for (std::size_t done = 0; done < wide.size();) {
        DWORD written = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(wide.size() - done, 16384));
        if (!::WriteConsoleW(handle, wide.data() + done, chunk, &written, nullptr) || written == 0)
            break;
        done += written;
    }
    return true;
}

bool IsTerminal(TStream stream) {
    const DWORD id = stream == TStream::Input    ? STD_INPUT_HANDLE
                     : stream == TStream::Output ? STD_OUTPUT_HANDLE
                                                 : STD_ERROR_HANDLE;
    DWORD mode = 0;
    return ::GetConsoleMode(::GetStdHandle(id), &mode) != 0;
}

void CoverStandardStreams() {}

void InstallInterruptHandler() {
    ::SetConsoleCtrlHandler(OnConsoleControl, TRUE);
}

void InstallQuitHandler() {
    ::SetConsoleCtrlHandler(OnConsoleControl, TRUE);
}

bool QuitRequested() {
    return InterruptRequested();
}

Handle QuitNoticeHandle() {
    return kNoHandle;
}

void DrainQuitNotice() {} // no notice handle here

bool InterruptRequested() {
    return ::InterlockedCompareExchange(&g_interrupted, 0, 0) != 0;
}

TReadLine ReadInputLine(std::string& line) {
    line.clear();
    const HANDLE input = ::GetStdHandle(STD_INPUT_HANDLE);
    for (;;) {
        if (InterruptRequested())
            return TReadLine::Interrupted;
        char c = 0;
        DWORD read = 0;
        if (!::ReadFile(input, &c, 1, &read, nullptr) || read == 0) {
            // Ctrl+C aborts a console read; its handler runs on a thread of its own, a moment later.
            for (int i = 0; i < 10 && !InterruptRequested(); ++i)
                ::Sleep(10);
            if (InterruptRequested())
                return TReadLine::Interrupted;
            return line.empty() ? TReadLine::End : TReadLine::Line;
        }
        if (c == '\n') {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            return TReadLine::Line;
        }
        line += c;
    }
}

} // namespace clipvane::platform
