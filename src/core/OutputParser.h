#pragma once
// Turns the encoder's output into progress reports: "Duration:" gives the length of the input,
// each "time=" line the position reached. Pure: the clock and the report sink are passed in.

#include "core/ProcessInfo.h"

#include <cstdint>
#include <functional>
#include <string_view>

namespace clipvane {

// Parser state that lives in the runner across chunks of one file.
struct TParseState {
    std::int64_t TotalSeconds = 0; // 0 until a duration has been read
    double StartTime = 0;          // local wall clock, fractional days, when the duration was read
    bool HasProgress = false;      // a line containing "time=" has been seen
};

// Local wall-clock time in fractional days (the unit StartTime is kept in).
using TClock = double (*)(void* context);
double LocalNow(void* context = nullptr);

// Parses one chunk exactly as read; calls `post` for every progress report, in line order.
void ParseOutput(std::string_view chunk, TParseState& state, TClock now, void* clockContext,
                 const std::function<void(const TProcessInfo&)>& post);

} // namespace clipvane
