#pragma once
// Turns the encoder's output into progress reports: "Duration:" gives the length of the input,
// each "time=" line the position reached. Pure: the clock and the report sink are passed in.

#include "core/ProcessInfo.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace clipvane {

// The encoder's last lines that were no progress: what it said about a file it rejected. A small
// ring, so that an encoder that floods its output costs no more than one that says little.
class TKeptLines final {
public:
    static constexpr std::size_t kMaxLines = 8;
    static constexpr std::size_t kMaxLength = 300; // bytes; a longer line is cut

    void Add(std::string_view line);
    void Clear();
    // Oldest first.
    std::vector<std::string> Lines() const;

private:
    std::array<std::string, kMaxLines> m_ring;
    std::size_t m_next = 0;
    std::size_t m_count = 0;
};

// The unfinished last line of one pipe's read: the next read of the same pipe completes it before
// it is parsed. The two pipes are read separately, so each has its own.
struct TPipeTail {
    static constexpr std::size_t kMaxLength = 4096; // beyond this the rest of the line is dropped
    std::string Text;
};

// Parser state that lives in the runner across chunks of one file.
struct TParseState {
    std::int64_t TotalSeconds = 0; // 0 until a duration has been read
    double StartTime = 0;          // local wall clock, fractional days, when the duration was read
    bool HasProgress = false;      // a line containing "time=" has been seen
    bool OutputUnfinished = false; // the encoder said it could not finish writing its output
    TKeptLines Kept;               // the last lines that were no progress
};

// Local wall-clock time in fractional days (the unit StartTime is kept in).
using TClock = double (*)(void* context);
double LocalNow(void* context = nullptr);

// Parses one chunk; calls `post` for every progress report, in line order, and keeps the lines that
// were no progress (the encoder's version banner aside) in state.Kept. With a `tail`, the chunk's
// lines are whole lines: the one the previous chunk of the same pipe left unfinished comes first, and
// the one this chunk leaves unfinished waits there. Without one each chunk is parsed exactly as read.
void ParseOutput(std::string_view chunk, TParseState& state, TClock now, void* clockContext,
                 const std::function<void(const TProcessInfo&)>& post, TPipeTail* tail = nullptr);

// The encoder the encoder program says it does not have ("Unknown encoder 'libx264'"), from its
// kept lines; empty when none says so.
std::string MissingEncoder(const std::vector<std::string>& lines);

// Whether one of the encoder's lines says the output could not be finished: on a full disk ffmpeg
// reports the failed trailer or close and still exits 0, leaving a cut or empty file.
bool SaysOutputUnfinished(std::string_view line);

// Parses what waits in `tail` as a last line (the pipe has ended) and empties it.
void FlushTail(TPipeTail& tail, TParseState& state, TClock now, void* clockContext,
               const std::function<void(const TProcessInfo&)>& post);

} // namespace clipvane
