#pragma once
// The batch's own clock: how long the batch, or the encoder a slot runs, has run, and how long the
// running encoders have said nothing. Read on a timer, so the times move while no encoder writes.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace clipvane {

class TBatchClock final {
public:
    // Milliseconds of a clock that never steps back; tests drive their own.
    using TNow = std::function<std::int64_t()>;
    static std::int64_t SteadyMs();
    // How long an encoder may say nothing before the user is told.
    static constexpr std::int64_t kStallMs = 60000;

    explicit TBatchClock(std::size_t slots, TNow now = &SteadyMs);

    void SetNow(TNow now) { m_now = std::move(now); }
    // The batch begins.
    void Start();
    // What the slot's runner shows now: whether an encoder runs, how many it has started and how many
    // reads of their output it has made. A new start restarts the slot's times; a new read, its silence.
    void Observe(std::size_t slot, bool running, std::uint64_t starts, std::uint64_t reads);

    // While paused every time stands still: the batch's, each encoder's, and each silence.
    void Pause();
    void Resume();
    bool Paused() const { return m_paused; }

    std::int64_t ElapsedMs() const;
    // Since the slot's running encoder started; 0 when none runs.
    std::int64_t EncoderMs(std::size_t slot) const;
    // The longest a running encoder has gone without a read of its output; 0 when none runs.
    std::int64_t SilentMs() const;
    std::int64_t SilentMs(std::size_t slot) const;

private:
    struct TSlot {
        bool Running = false;
        std::uint64_t Starts = 0;
        std::uint64_t Reads = 0;
        std::int64_t StartedAt = 0;
        std::int64_t HeardAt = 0;
    };
    // The clock less the time spent paused: what every time here is measured by.
    std::int64_t Now() const;

    TNow m_now;
    bool m_paused = false;
    std::int64_t m_pausedAt = 0;    // by m_now
    std::int64_t m_pausedTotal = 0; // of the pauses that have ended
    std::int64_t m_start = 0;
    bool m_started = false;
    std::vector<TSlot> m_slots;
};

} // namespace clipvane
