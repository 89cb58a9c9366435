#include "gui/controls/WlmShiftImage.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>

namespace clipvane {

TWlmShiftImage::TWlmShiftImage(QWidget* parent)
    : QWidget(parent) {}

void TWlmShiftImage::SetPicture(const QPixmap& picture) {
    m_picture = picture;
    updateGeometry();
    update();
}

QSize TWlmShiftImage::sizeHint() const {
    return m_picture.isNull() ? QWidget::sizeHint() : m_picture.deviceIndependentSize().toSize();
}

bool TWlmShiftImage::event(QEvent* event) {
    // Enter and leave are taken here rather than in enterEvent/leaveEvent so that a disabled image
    // still reports them, whatever the widget layer decides for disabled widgets.
    switch (event->type()) {
    case QEvent::Enter: {
        const bool handled = QWidget::event(event);
        MouseEnter();
        return handled;
    }
    case QEvent::Leave: {
        const bool handled = QWidget::event(event);
        MouseLeave();
        return handled;
    }
    default:
        return QWidget::event(event);
    }
}

void TWlmShiftImage::MouseEnter() {
    emit mouseEntered();
    if (isEnabled())
        SetPicture(m_focusedPicture);
}

void TWlmShiftImage::MouseLeave() {
    emit mouseLeft();
    if (isEnabled())
        SetPicture(m_noFocusedPicture);
}

void TWlmShiftImage::paintEvent(QPaintEvent*) {
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
}

void TWlmShiftImage::mousePressEvent(QMouseEvent* event) {
    QWidget::mousePressEvent(event);
    m_click.Press(event);
    move(pos() + PressShift);
}

void TWlmShiftImage::mouseReleaseEvent(QMouseEvent* event) {
    // The position is taken while the image still sits where it was pressed.
    if (m_click.Release(event, rect()))
        Click();
    QWidget::mouseReleaseEvent(event);
    move(pos() - PressShift);
}

} // namespace clipvane
