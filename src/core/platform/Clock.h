#pragma once
// The local time zone and the process's CPU time, as the OS keeps them.

#include <cstdint>

namespace clipvane::platform {

// The local time zone's offset from UTC in seconds at a moment given in seconds since 1970 (UTC).
// A change of the zone while the program runs shows at the next call.
std::int64_t UtcOffsetSeconds(std::int64_t unixSeconds);

// CPU time this process has used so far (user + system, all threads, children excluded), in seconds.
double ProcessCpuSeconds();

} // namespace clipvane::platform
