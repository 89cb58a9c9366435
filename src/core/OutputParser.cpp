#include "core/OutputParser.h"

#include "core/Global.h"
#include "core/platform/Clock.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>

namespace clipvane {

namespace {

constexpr double kSecondsPerDay = 86400.0;
constexpr double kUnixEpochInDays = 25569.0; // 1970-01-01 counted from 1899-12-30

// Blanks and control characters, as trimming sees them (bytes above 127 are text).
bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

std::string_view Trimmed(std::string_view s) {
    std::size_t first = 0;
    std::size_t last = s.size();
    while (first < last && IsBlank(s[first]))
        ++first;
    while (last > first && IsBlank(s[last - 1]))
        --last;
    return s.substr(first, last - first);
}

// `word` is lower-case letters only, so OR-ing 0x20 folds exactly 'A'-'Z' onto it and nothing else.
bool EqualsLetters(std::string_view text, std::string_view word) {
    for (std::size_t i = 0; i < word.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) | 0x20) != static_cast<unsigned char>(word[i]))
            return false;
    }
    return true;
}

// Index just past the first `word` + `terminator` in `line`, ignoring ASCII case; npos if none.
// Searching for the terminator first keeps this a memchr over the line instead of a compare per byte.
std::size_t FindKey(std::string_view line, std::string_view word, char terminator) {
    for (std::size_t p = line.find(terminator, word.size()); p != std::string_view::npos;
         p = line.find(terminator, p + 1)) {
        if (EqualsLetters(line.substr(p - word.size()), word))
            return p + 1;
    }
    return std::string_view::npos;
}

// Whole seconds, a tie going to the even neighbour (the runtime's Round).
std::int64_t RoundHalfEven(double x) {
    if (!(std::fabs(x) < 9.0e18)) // NaN or beyond 64 bits: a broken clock, not a time
        return 0;
    const double floor = std::floor(x);
    const double fraction = x - floor;
    double result = floor;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(floor, 2.0) != 0.0))
        result += 1.0;
    return static_cast<std::int64_t>(result);
}

struct TChunkFields {
    std::int64_t Hours = 0;
    std::int32_t Minutes = 0;
    std::int32_t Seconds = 0;
    std::int32_t Position = 0; // t
    std::int32_t Percent = 0;
};

void ParseDuration(std::string_view rest, TChunkFields& fields) {
    rest = Trimmed(rest);
    if (auto p = rest.find(':'); p != std::string_view::npos) {
        fields.Hours = HoursBefore(rest, p);
        rest = rest.substr(p + 1);
    }
    if (auto p = rest.find(':'); p != std::string_view::npos) {
        fields.Minutes = NumberBefore(rest, p);
        rest = rest.substr(p + 1);
    }
    if (auto p = rest.find('.'); p != std::string_view::npos)
        fields.Seconds = NumberBefore(rest, p);
}

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The encoder's version banner ("ffmpeg version", "built with", "configuration:" and one
// "libavutil      57. 28.100 / 57. 28.100" line per library) comes before every file: it would
// push what the encoder said about the file out of the few lines that are kept.
bool IsBannerLine(std::string_view line) {
    if (StartsWith(line, "ffmpeg version ") || StartsWith(line, "built with ") ||
        StartsWith(line, "configuration:"))
        return true;
    if (!StartsWith(line, "lib"))
        return false;
    std::size_t i = 3;
    while (i < line.size() && line[i] >= 'a' && line[i] <= 'z')
        ++i;
    const std::size_t letters = i - 3;
    while (i < line.size() && line[i] == ' ')
        ++i;
    return letters > 0 && i < line.size() && IsDigit(line[i]) &&
           line.find(" / ", i) != std::string_view::npos;
}

// Returns whether the line was a progress line ("Duration:" or "time=").
bool ParseLine(std::string_view line, TChunkFields& fields, TParseState& state, TClock now,
               void* clockContext, const std::function<void(const TProcessInfo&)>& post) {
    const auto durationKey = FindKey(line, "duration", ':');
    if (auto key = durationKey; key != std::string_view::npos) {
        ParseDuration(line.substr(key), fields);
        state.TotalSeconds =
            fields.Hours * 3600 + std::int64_t{fields.Minutes} * 60 + std::int64_t{fields.Seconds};
        state.StartTime = now(clockContext);
    }

    const std::size_t key = FindKey(line, "time", '=');
    if (key == std::string_view::npos)
        return durationKey != std::string_view::npos;
    state.HasProgress = true;
    const std::string_view rest = line.substr(key);
    if (auto dot = rest.find('.'); dot != std::string_view::npos)
        fields.Position = TimeToSeconds(rest.substr(0, dot), ":");
    // Percent is deliberately not reset here: a line that yields no new figure repeats the last one.
    if (fields.Position > 0 && state.TotalSeconds > 0)
        fields.Percent = static_cast<std::int32_t>(std::int64_t{fields.Position} * 100 / state.TotalSeconds);
    if (fields.Percent < 1 || fields.Percent > 100)
        return true;

    // The wall clock can step back (daylight saving, a clock sync): show 0, never a negative time.
    const std::int64_t elapsed =
        std::max<std::int64_t>(0, RoundHalfEven((now(clockContext) - state.StartTime) * kSecondsPerDay));
    const std::int64_t estimated = RoundHalfEven(static_cast<double>(elapsed) * 100.0 / fields.Percent);
    TProcessInfo info;
    info.Percent = fields.Percent;
    info.TimeElapsed = SecondsToText(elapsed);
    info.TimeEstimated = SecondsToText(estimated);
    info.Status = 0;
    post(info);
    return true;
}

void AppendBounded(std::string& text, std::string_view piece) {
    text.append(piece.substr(0, TPipeTail::kMaxLength - std::min(text.size(), TPipeTail::kMaxLength)));
}

// One whole line: its progress is reported, or it is kept when it says something else.
void TakeLine(std::string_view raw, TChunkFields& fields, TParseState& state, TClock now, void* clockContext,
              const std::function<void(const TProcessInfo&)>& post) {
    const std::string_view line = Trimmed(raw);
    if (line.empty() || ParseLine(line, fields, state, now, clockContext, post))
        return;
    if (IsBannerLine(line))
        return;
    state.Kept.Add(line);
    if (SaysOutputUnfinished(line))
        state.OutputUnfinished = true;
}

} // namespace

void TKeptLines::Add(std::string_view line) {
    m_ring[m_next].assign(line.substr(0, kMaxLength));
    m_next = (m_next + 1) % kMaxLines;
    m_count = std::min(m_count + 1, kMaxLines);
}

void TKeptLines::Clear() {
    m_next = 0;
    m_count = 0;
}

std::vector<std::string> TKeptLines::Lines() const {
    std::vector<std::string> lines;
    lines.reserve(m_count);
    for (std::size_t i = 0; i < m_count; ++i)
        lines.push_back(m_ring[(m_next + kMaxLines - m_count + i) % kMaxLines]);
    return lines;
}

void FlushTail(TPipeTail& tail, TParseState& state, TClock now, void* clockContext,
               const std::function<void(const TProcessInfo&)>& post) {
    // The pipe has ended: its last line needs no ending, and it is a read of its own.
    TChunkFields fields;
    TakeLine(tail.Text, fields, state, now, clockContext, post);
    tail.Text.clear();
}

double LocalNow(void* /*context*/) {
    using namespace std::chrono;
    const std::int64_t micros = duration_cast<microseconds>(system_clock::now().time_since_epoch()).count();
    const std::int64_t second = micros >= 0 ? micros / 1000000 : (micros - 999999) / 1000000;

    // Asking the system for the zone offset costs microseconds; reports can come by the million, so the
    // offset is looked up once per wall-clock second. A zone or daylight-saving change shows within a second.
    thread_local std::int64_t cachedSecond = std::numeric_limits<std::int64_t>::min();
    thread_local std::int64_t cachedOffset = 0;
    if (second != cachedSecond) {
        cachedOffset = platform::UtcOffsetSeconds(second);
        cachedSecond = second;
    }
    const double fraction = static_cast<double>(micros - second * 1000000) / 1e6;
    return kUnixEpochInDays + (static_cast<double>(second + cachedOffset) + fraction) / kSecondsPerDay;
}

void ParseOutput(std::string_view chunk, TParseState& state, TClock now, void* clockContext,
                 const std::function<void(const TProcessInfo&)>& post, TPipeTail* tail) {
    TChunkFields fields;
    std::size_t start = 0;
    // Every CR and every LF ends a line: a CR LF pair then leaves an empty line between them, and
    // empty lines are skipped, so this is the same as treating the pair as one ending.
    // The next CR and LF are remembered, so each byte is searched once however the two mix.
    std::size_t nextCr = chunk.find('\r');
    std::size_t nextLf = chunk.find('\n');
    // The encoder writes a line in pieces ("  Duration: ", "00:10:00.00", ", bitrate: ..."), and a read
    // can end between any two: a line the last read of this pipe left unfinished is completed first.
    if (tail && !tail->Text.empty()) {
        const std::size_t end = std::min({nextCr, nextLf, chunk.size()});
        AppendBounded(tail->Text, chunk.substr(0, end));
        if (end == chunk.size())
            return;
        TakeLine(tail->Text, fields, state, now, clockContext, post);
        tail->Text.clear(); // its room stays for the next unfinished line
        start = end + 1;
    }
    while (start < chunk.size()) {
        if (nextCr < start)
            nextCr = chunk.find('\r', start);
        if (nextLf < start)
            nextLf = chunk.find('\n', start);
        const std::size_t end = std::min({nextCr, nextLf, chunk.size()});
        const std::string_view raw = chunk.substr(start, end - start);
        if (tail && end == chunk.size()) {
            // Unfinished: it waits for the next read of the same pipe.
            AppendBounded(tail->Text, raw);
            return;
        }
        TakeLine(raw, fields, state, now, clockContext, post);
        start = end + 1;
    }
}

bool SaysOutputUnfinished(std::string_view line) {
    // ffmpeg 6 and later put the output's "[out#0/mp3 @ 0x...] " before it; 5.x names the file after it.
    if (StartsWith(line, "[")) {
        const std::size_t tagEnd = line.find("] ");
        if (tagEnd == std::string_view::npos)
            return false;
        line = line.substr(tagEnd + 2);
    }
    return StartsWith(line, "Error writing trailer") || StartsWith(line, "Error closing file");
}

std::string MissingEncoder(const std::vector<std::string>& lines) {
    // What ffmpeg says of an -c/-vcodec/-acodec name it was built without, in every version since
    // 0.x; newer ones put the output's "[out#0/mp4 @ ...]" before it.
    constexpr std::string_view kMark = "Unknown encoder '";
    for (const std::string& line : lines) {
        const std::size_t start = line.find(kMark);
        if (start == std::string::npos)
            continue;
        const std::size_t name = start + kMark.size();
        const std::size_t end = line.find('\'', name);
        if (end != std::string::npos && end > name)
            return line.substr(name, end - name);
    }
    return {};
}

} // namespace clipvane
