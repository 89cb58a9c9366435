#include "OutputParser.h"

#include "Global.h"

#include <QDateTime>

#include <cmath>

namespace clipvane {

double LocalNow(void*) {
    const QDateTime now = QDateTime::currentDateTime();
    const double localMs = static_cast<double>(now.toMSecsSinceEpoch()) + now.offsetFromUtc() * 1000.0;
    return localMs / 86400000.0 + 25569.0;
}

static std::string Lower(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

static std::string_view Trim(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ')
        text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ')
        text.remove_suffix(1);
    return text;
}

void ParseOutput(std::string_view chunk, TParseState& state, TClock now, void* clockContext,
                 const std::function<void(const TProcessInfo&)>& post) {
    std::int64_t hours = 0, minutes = 0, seconds = 0, t = 0;
    std::size_t start = 0;
    while (start < chunk.size()) {
        std::size_t end = chunk.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = chunk.size();
        const std::string_view line = chunk.substr(start, end - start);
        start = end;
        if (start < chunk.size() && chunk[start] == '\r' && start + 1 < chunk.size() &&
            chunk[start + 1] == '\n')
            start += 2;
        else if (start < chunk.size())
            start += 1;
        if (Trim(line).empty())
            continue;
        const std::string lower = Lower(line);
        if (const auto d = lower.find("duration:"); d != std::string::npos) {
            std::string rest(Trim(std::string_view(line).substr(d + 9)));
            if (const auto p = rest.find(':'); p != std::string::npos) {
                hours = NumberBefore(rest, p);
                rest = rest.substr(p + 1);
            }
            if (const auto p = rest.find(':'); p != std::string::npos) {
                minutes = NumberBefore(rest, p);
                rest = rest.substr(p + 1);
            }
            if (const auto p = rest.find('.'); p != std::string::npos)
                seconds = NumberBefore(rest, p);
            state.TotalSeconds = hours * 3600 + minutes * 60 + seconds;
            state.StartTime = now(clockContext);
        }
        if (const auto k = lower.find("time="); k != std::string::npos) {
            state.HasProgress = true;
            const std::string_view rest = std::string_view(line).substr(k + 5);
            if (const auto p = rest.find('.'); p != std::string_view::npos)
                t = TimeToSeconds(rest.substr(0, p), ":");
            if (t > 0 && state.TotalSeconds > 0) {
                const std::int64_t percent = t * 100 / state.TotalSeconds;
                if (percent >= 1 && percent <= 100) {
                    const double elapsed = std::nearbyint((now(clockContext) - state.StartTime) * 86400.0);
                    const double estimated = std::nearbyint(elapsed * 100.0 / static_cast<double>(percent));
                    TProcessInfo info;
                    info.Percent = static_cast<std::int32_t>(percent);
                    info.TimeElapsed = SecondsToText(static_cast<std::int64_t>(elapsed));
                    info.TimeEstimated = SecondsToText(static_cast<std::int64_t>(estimated));
                    post(info);
                }
            }
        }
    }
}

} // namespace clipvane
