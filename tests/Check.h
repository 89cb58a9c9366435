#pragma once
// The assertion harness of the Qt-free checks, which also run as Windows programs under Wine, where
// there is no Qt Test: one line per check, then "N passed, M failed"; the exit code is 1 on a failure.

#include <cstdio>
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

inline int Summary() {
    std::printf("%d passed, %d failed\n", g_passed, g_failed);
    return g_failed == 0 ? 0 : 1;
}

} // namespace clipvane::check
