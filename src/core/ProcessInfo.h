#pragma once
// The notices the engine posts to the window that follows a conversion.

#include <cstdint>
#include <string>

namespace clipvane {

inline constexpr int WM_PROCESSINFO = 5890;
inline constexpr int WM_SHOWMAIN = 5891;
inline constexpr std::int32_t kEndNoticePercent = 1000;

// A progress report (Percent 1..100) or an end notice (Percent 1000, TimeElapsed the progress mark).
struct TProcessInfo {
    std::int32_t Percent = 0;
    std::string TimeElapsed;
    std::string TimeEstimated;
    std::int32_t Status = 0; // end notice: 0 finished or skipped, 2 output in use

    bool IsEndNotice() const { return Percent == kEndNoticePercent; }
};

} // namespace clipvane
