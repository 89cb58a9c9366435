// POSIX side of the clock and the process's CPU time.
#include "core/platform/Clock.h"

#include <ctime>
#include <sys/resource.h>
#include <time.h>

namespace clipvane::platform {

std::int64_t UtcOffsetSeconds(std::int64_t unixSeconds) {
    ::tzset(); // localtime_r alone never rereads TZ
    const auto moment = static_cast<std::time_t>(unixSeconds);
    std::tm local{};
    if (!::localtime_r(&moment, &local))
        return 0;
    return local.tm_gmtoff;
}

double ProcessCpuSeconds() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

} // namespace clipvane::platform
