// The encoder's output parser against arbitrary bytes: reports stay in range and well formed, and
// the progress mark is set exactly when a line holds "time=".
#include "FuzzCheck.h"
#include "core/OutputParser.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>
#include <vector>

using namespace clipvane;

namespace {

struct TSteppingClock {
    double now = 45000.0;
    double step = 0; // in days; negative: the wall clock steps back
};

double Tick(void* context) {
    auto& clock = *static_cast<TSteppingClock*>(context);
    clock.now += clock.step;
    return clock.now;
}

// MM:SS with at least two digits of minutes and exactly two of seconds below 60.
bool IsTimeText(const std::string& text) {
    const auto colon = text.find(':');
    if (colon == std::string::npos || colon < 2 || text.size() != colon + 3)
        return false;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (i != colon && (text[i] < '0' || text[i] > '9'))
            return false;
    return text[colon + 1] < '6';
}

bool HoldsTimeKey(const std::string& text) {
    for (std::size_t i = 0; i + 5 <= text.size(); ++i) {
        const auto lower = [&](std::size_t k) { return static_cast<char>(text[i + k] | 0x20); };
        if (lower(0) == 't' && lower(1) == 'i' && lower(2) == 'm' && lower(3) == 'e' && text[i + 4] == '=')
            return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    TSteppingClock clock;
    clock.step = input.ConsumeIntegralInRange<int>(-3600, 3600) / 86400.0;
    const std::string chunk = input.ConsumeRemainingBytesAsString();

    TParseState state;
    std::vector<TProcessInfo> reports;
    ParseOutput(chunk, state, &Tick, &clock, [&](const TProcessInfo& info) { reports.push_back(info); });

    FUZZ_CHECK(state.HasProgress == HoldsTimeKey(chunk));
    // Every digit of the hours counts (never a sign), held at 999999999; minutes and seconds take two
    // characters.
    FUZZ_CHECK(state.TotalSeconds >= -(99 * 60 + 99) &&
               state.TotalSeconds <= std::int64_t{999999999} * 3600 + 99 * 60 + 99);
    for (const TProcessInfo& report : reports) {
        FUZZ_CHECK(report.Percent >= 1 && report.Percent <= 100);
        FUZZ_CHECK(report.Status == 0 && !report.IsEndNotice());
        FUZZ_CHECK(IsTimeText(report.TimeElapsed) && IsTimeText(report.TimeEstimated));
        // The whole never takes less than the part already done.
        FUZZ_CHECK(report.TimeEstimated.size() > report.TimeElapsed.size() ||
                   (report.TimeEstimated.size() == report.TimeElapsed.size() &&
                    report.TimeEstimated >= report.TimeElapsed));
    }
    FUZZ_CHECK(reports.empty() || state.HasProgress);
    return 0;
}
