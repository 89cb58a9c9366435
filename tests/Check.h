#pragma once
// The assertion harness of the Qt-free checks, which also run as Windows programs under Wine, where
// there is no Qt Test: one line per check, then "N passed, M failed"; the exit code is 1 on a failure.

#include <cstdio>
#include <filesystem>
#include <string>

namespace clipvane::check {

inline int g_passed = 0;
inline int g_failed = 0;

inline bool Check(bool ok, const std::string& what) {
    std::printf("%s %s\n", ok ? "PASS" : "FAIL", what.c_str());
    std::fflush(stdout);
    ++(ok ? g_passed : g_failed);
    return ok;
}

// A check whose failure is worth a detail (what was seen instead).
inline bool Check(bool ok, const std::string& what, const std::string& detail) {
    Check(ok, what);
    if (!ok)
        std::printf("     %s\n", detail.c_str());
    return ok;
}

// Paths are UTF-8 here as in the program; a std::filesystem::path made from or turned into a plain
// std::string goes through the ANSI code page on Windows.
inline std::filesystem::path FsPath(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

inline std::string Utf8Of(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

inline int Summary() {
    std::printf("%d passed, %d failed\n", g_passed, g_failed);
    return g_failed == 0 ? 0 : 1;
}

} // namespace clipvane::check
