#pragma once
// A label or picture that reports a click, as the main window's title, icon and "Advanced" label do.

#include "gui/controls/ClickTracker.h"
#include "gui/controls/FlatUtilitys.h"

#include <QLabel>
#include <QPainter>

namespace clipvane {

class TClickLabel final : public QLabel {
    Q_OBJECT

public:
    explicit TClickLabel(QWidget* parent = nullptr)
        : QLabel(parent) {
        setCursor(Qt::PointingHandCursor);
    }

    // What a click does; also run by Space or Return while the label has the focus.
    void Click() { emit clicked(); }

signals:
    // A left press and release both on the label, or Click.
    void clicked();

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (TClickTracker::ClickKey(event))
            Click();
        else
            QLabel::keyPressEvent(event);
    }
    void paintEvent(QPaintEvent* event) override {
        QLabel::paintEvent(event);
        QPainter painter(this);
        DrawFocusIndication(painter, *this, rect());
    }
    void mousePressEvent(QMouseEvent* event) override {
        QLabel::mousePressEvent(event);
        m_click.Press(event);
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (m_click.Release(event, rect()))
            Click();
        QLabel::mouseReleaseEvent(event);
    }

private:
    TClickTracker m_click;
};

} // namespace clipvane
