#include "gui/Paced.h"

#include <algorithm>
#include <utility>

namespace clipvane {

TPaced::TPaced(QObject* parent, int periodMs, std::function<void()> later)
    : QObject(parent)
    , m_periodMs(periodMs)
    , m_later(std::move(later)) {
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        Done();
        m_later();
    });
}

void TPaced::Later() {
    if (m_timer.isActive())
        return;
    const qint64 waited = m_last.isValid() ? m_last.elapsed() : m_periodMs;
    m_timer.start(static_cast<int>(std::max<qint64>(0, m_periodMs - waited)));
}

} // namespace clipvane
