#pragma once
// The click rule the custom controls share: a left press and a left release both inside the control,
// as with a button.

#include <QMouseEvent>
#include <QRect>

namespace clipvane {

class TClickTracker final {
public:
    // Accepts the press, so that the parent does not take it as well.
    void Press(QMouseEvent* event) {
        event->accept();
        if (event->button() == Qt::LeftButton)
            m_leftPressed = true;
    }
    // True when this release completes a click on `rect` (the control's own rectangle).
    bool Release(const QMouseEvent* event, const QRect& rect) {
        if (event->button() != Qt::LeftButton)
            return false;
        const bool click = m_leftPressed && rect.contains(event->position().toPoint());
        m_leftPressed = false;
        return click;
    }

private:
    bool m_leftPressed = false;
};

} // namespace clipvane
