// Windows side of the clock and the process's CPU time.
#include "core/platform/Clock.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <algorithm>
#include <cstdint>

namespace clipvane::platform {

std::int64_t UtcOffsetSeconds(std::int64_t unixSeconds) {
    constexpr std::int64_t kSecondsFrom1601To1970 = 11644473600LL;
    constexpr std::int64_t kTicksPerSecond = 10000000LL;
    const auto toFileTime = [](std::int64_t ticks) {
        return FILETIME{static_cast<DWORD>(ticks),
                        static_cast<DWORD>(static_cast<std::uint64_t>(ticks) >> 32)};
    };
    const std::int64_t utcTicks =
        (std::max<std::int64_t>(unixSeconds, 0) + kSecondsFrom1601To1970) * kTicksPerSecond;
    const FILETIME utc = toFileTime(utcTicks);
    SYSTEMTIME utcTime, localTime;
    FILETIME local;
    if (!::FileTimeToSystemTime(&utc, &utcTime) ||
        !::SystemTimeToTzSpecificLocalTime(nullptr, &utcTime, &localTime) ||
        !::SystemTimeToFileTime(&localTime, &local))
        return 0;
    const std::int64_t localTicks = static_cast<std::int64_t>(
        (static_cast<std::uint64_t>(local.dwHighDateTime) << 32) | local.dwLowDateTime);
    return (localTicks - utcTicks) / kTicksPerSecond;
}

double ProcessCpuSeconds() {
    FILETIME created, exited, kernel, user;
    if (!::GetProcessTimes(::GetCurrentProcess(), &created, &exited, &kernel, &user))
        return 0;
    const auto seconds = [](const FILETIME& t) {
        return static_cast<double>((static_cast<unsigned long long>(t.dwHighDateTime) << 32) |
                                   t.dwLowDateTime) /
               1e7;
    };
    return seconds(kernel) + seconds(user);
}

} // namespace clipvane::platform
