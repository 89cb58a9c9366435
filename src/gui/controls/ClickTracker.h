#pragma once
// The click rule the custom controls share: a left press and a left release both inside the control,
// as with a button.

#include <QKeyEvent>
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

    // Space, Return or Enter, unmodified: what presses a button that has the keyboard focus.
    static bool ClickKey(const QKeyEvent* event) {
        if (event->modifiers() & ~Qt::KeypadModifier)
            return false;
        return event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
               event->key() == Qt::Key_Enter;
    }

private:
    bool m_leftPressed = false;
};

} // namespace clipvane
