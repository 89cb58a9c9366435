#pragma once
// What the Windows checks share: UTF-16 for their own set-up calls, scratch folders whose names no ANSI
// code page can spell, and a child run to its end through the OS layer, its output kept chunk by chunk.

#include "core/platform/Files.h"
#include "core/platform/Handle.h"
#include "core/platform/Process.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <shellapi.h>

// windows.h maps these names to its A/W variants; the OS layer's are meant here.
#undef ReplaceFile
#undef FindExecutable

#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

namespace clipvane::check {

// Latin, Greek and CJK letters: a narrow (ANSI) file call cannot name a path that holds them.
inline const std::string kForeignName = "Jos\u00e9 \u03a9\u03bc\u03ad\u03b3\u03b1 \u65e5\u672c";

inline std::wstring Wide(const std::string& text) {
    std::wstring wide(text.size(), L'\0');
    const int n = ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                                        static_cast<int>(wide.size()));
    wide.resize(static_cast<std::size_t>(n > 0 ? n : 0));
    return wide;
}

inline std::string Utf8(const std::wstring& wide) {
    std::string text(wide.size() * 3, '\0');
    const int n = ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), text.data(),
                                        static_cast<int>(text.size()), nullptr, nullptr);
    text.resize(static_cast<std::size_t>(n > 0 ? n : 0));
    return text;
}

inline bool UnderWine() {
    return ::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

// An empty folder "<temp>\clipvane-checks\<name>\", with a separator at the end.
inline std::string ScratchFolder(const std::string& name) {
    wchar_t temp[MAX_PATH + 1];
    const DWORD n = ::GetTempPathW(MAX_PATH + 1, temp);
    const std::string folder = Utf8(std::wstring(temp, n)) + "clipvane-checks\\" + name + "\\";
    std::error_code error;
    std::filesystem::remove_all(Wide(folder), error);
    platform::ForceDirectories(folder);
    return folder;
}

inline bool WriteBytes(const std::string& path, const std::string& bytes) {
    const HANDLE file = ::CreateFileW(Wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool ok = ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                    written == bytes.size();
    return ::CloseHandle(file) && ok;
}

inline std::string ReadBytes(const std::string& path) {
    std::string bytes;
    platform::ReadWholeFile(path, bytes);
    return bytes;
}

struct TChildRun {
    bool Started = false;
    bool Exited = false;
    std::vector<std::string> Out; // each read of standard output, as it came
    std::vector<std::string> Err; // each read of standard error
};

// Starts the command line with three fresh pipes and reads whatever the pipes hold while it runs, the
// way the conversion worker does: a wait of at most 100 ms, then a peek and a read of what it counted.
inline TChildRun RunChild(const std::string& commandLine, int timeoutMs = 20000) {
    using namespace platform;
    TChildRun run;
    Handle inRead = kNoHandle, inWrite = kNoHandle, outRead = kNoHandle, outWrite = kNoHandle,
           errRead = kNoHandle, errWrite = kNoHandle;
    ChildProcess child;
    if (CreatePipe(inRead, inWrite) && PrepareChildEnd(inRead) && CreatePipe(outRead, outWrite) &&
        PrepareChildEnd(outWrite) && CreatePipe(errRead, errWrite) && PrepareChildEnd(errWrite))
        run.Started = SpawnHidden({}, commandLine, inRead, outWrite, errWrite, child);
    const auto drain = [](Handle pipe, std::vector<std::string>& chunks) {
        std::uint32_t count = 0;
        while (PeekPipe(pipe, count) && count > 0) {
            std::string chunk(count, '\0');
            const std::int64_t n = ReadPipe(pipe, chunk.data(), count);
            if (n <= 0)
                return;
            chunk.resize(static_cast<std::size_t>(n));
            chunks.push_back(std::move(chunk));
        }
    };
    for (int waited = 0; run.Started && !run.Exited && waited < timeoutMs; waited += 100) {
        run.Exited = WaitForChild(child, 100) == WaitResult::Exited;
        drain(outRead, run.Out);
        drain(errRead, run.Err);
    }
    if (run.Started && !run.Exited)
        TerminateChild(child, 1);
    ReleaseChild(child);
    for (Handle* h : {&inRead, &inWrite, &outRead, &outWrite, &errRead, &errWrite})
        platform::CloseHandle(*h);
    return run;
}

inline std::string Joined(const std::vector<std::string>& chunks) {
    std::string all;
    for (const std::string& chunk : chunks)
        all += chunk;
    return all;
}

} // namespace clipvane::check
