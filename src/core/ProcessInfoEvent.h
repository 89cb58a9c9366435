#pragma once
// The posted event that carries a TProcessInfo to the window that follows a conversion.

#include "core/ProcessInfo.h"

#include <QEvent>

#include <memory>

namespace clipvane {

// The receiver owns the record: it takes it with Take(), and a record nobody took is freed with the
// event (also when the receiver is gone).
class TProcessInfoEvent final : public QEvent {
public:
    explicit TProcessInfoEvent(std::unique_ptr<TProcessInfo> info)
        : QEvent(static_cast<QEvent::Type>(WM_PROCESSINFO))
        , m_info(std::move(info)) {}
    std::unique_ptr<TProcessInfo> Take() { return std::move(m_info); }

private:
    std::unique_ptr<TProcessInfo> m_info;
};

} // namespace clipvane
