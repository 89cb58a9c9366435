#include "core/BatchClock.h"

#include <algorithm>
#include <chrono>

namespace clipvane {

std::int64_t TBatchClock::SteadyMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

TBatchClock::TBatchClock(std::size_t slots, TNow now)
    : m_now(std::move(now))
    , m_slots(std::max<std::size_t>(slots, 1)) {}

std::int64_t TBatchClock::Now() const {
    return (m_paused ? m_pausedAt : m_now()) - m_pausedTotal;
}

void TBatchClock::Pause() {
    if (m_paused)
        return;
    m_pausedAt = m_now();
    m_paused = true;
}

void TBatchClock::Resume() {
    if (!m_paused)
        return;
    m_pausedTotal += m_now() - m_pausedAt;
    m_paused = false;
}

void TBatchClock::Start() {
    m_start = Now();
    m_started = true;
}

void TBatchClock::Observe(std::size_t slot, bool running, std::uint64_t starts, std::uint64_t reads) {
    TSlot& s = m_slots.at(slot);
    const std::int64_t now = Now();
    if (running && (!s.Running || starts != s.Starts)) {
        s.StartedAt = now;
        s.HeardAt = now;
    } else if (reads != s.Reads) {
        s.HeardAt = now;
    }
    s.Running = running;
    s.Starts = starts;
    s.Reads = reads;
}

std::int64_t TBatchClock::ElapsedMs() const {
    return m_started ? std::max<std::int64_t>(0, Now() - m_start) : 0;
}

std::int64_t TBatchClock::EncoderMs(std::size_t slot) const {
    const TSlot& s = m_slots.at(slot);
    return s.Running ? std::max<std::int64_t>(0, Now() - s.StartedAt) : 0;
}

std::int64_t TBatchClock::SilentMs() const {
    std::int64_t silent = 0;
    for (std::size_t slot = 0; slot < m_slots.size(); ++slot)
        silent = std::max(silent, SilentMs(slot));
    return silent;
}

std::int64_t TBatchClock::SilentMs(std::size_t slot) const {
    const TSlot& s = m_slots.at(slot);
    return s.Running ? std::max<std::int64_t>(0, Now() - s.HeardAt) : 0;
}

} // namespace clipvane
