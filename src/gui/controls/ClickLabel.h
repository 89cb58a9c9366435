#pragma once
// A label or picture that reports a click, as the main window's title, icon and "Advanced" label do.

#include "gui/controls/ClickTracker.h"

#include <QLabel>

namespace clipvane {

class TClickLabel final : public QLabel {
    Q_OBJECT

public:
    explicit TClickLabel(QWidget* parent = nullptr)
        : QLabel(parent) {
        setCursor(Qt::PointingHandCursor);
    }

signals:
    // A left press and release both on the label.
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override {
        QLabel::mousePressEvent(event);
        m_click.Press(event);
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (m_click.Release(event, rect()))
            emit clicked();
        QLabel::mouseReleaseEvent(event);
    }

private:
    TClickTracker m_click;
};

} // namespace clipvane
