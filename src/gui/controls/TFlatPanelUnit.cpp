#include "gui/controls/TFlatPanelUnit.h"

#include "gui/controls/FlatUtilitys.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QScopedValueRollback>

namespace clipvane {

TFlatPanel::TFlatPanel(QWidget* parent)
    : QWidget(parent) {
    // Every pixel is painted from the off-screen pixmap, so nothing needs to be drawn underneath first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(185, 41);
}

void TFlatPanel::SetTransparent(bool transparent) {
    m_transparent = transparent;
    update();
}

void TFlatPanel::SetCaption(const QString& caption) {
    if (caption == m_caption)
        return;
    m_caption = caption;
    update();
    // A screen reader reads the caption in the panel's name.
    QAccessibleEvent changed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

QColor TFlatPanel::Color() const {
    return m_parentColor ? palette().color(QPalette::Window) : m_color;
}

void TFlatPanel::SetColor(const QColor& color) {
    m_color = color;
    m_parentColor = false;
    update();
}

void TFlatPanel::SetParentColor(bool parentColor) {
    if (!parentColor && m_parentColor)
        m_color = Color(); // keep showing what it showed until a colour of its own is set
    m_parentColor = parentColor;
    update();
}

void TFlatPanel::SetBorderColor(int index, const QColor& color) {
    if (index < 0 || index > 1)
        return;
    m_borderColors[index] = color;
    update();
}

void TFlatPanel::SetAlignment(Qt::Alignment alignment) {
    m_alignment = alignment;
    update();
}

QSize TFlatPanel::sizeHint() const {
    return {185, 41};
}

void TFlatPanel::paintEvent(QPaintEvent*) {
    const QRect client = rect();
    // A parent that paints its children would bring us back here while we paint it for transparency.
    if (client.isEmpty() || m_painting)
        return;
    const QScopedValueRollback painting(m_painting, true);
    // Begun before the parent is painted, which may disturb this widget's paint redirection.
    QPainter onScreen(this);
    const qreal ratio = devicePixelRatioF();
    QPixmap buffer(client.size() * ratio);
    buffer.setDevicePixelRatio(ratio);
    {
        QPainter painter(&buffer);
        // Without a parent there is nothing to show through: fill rather than leave the pixmap undefined.
        if (m_transparent && parentWidget())
            PaintParentBackground(*this, painter);
        else
            painter.fillRect(client, Color());
        DrawFrame(painter, client, m_borderColors[0], m_borderColors[1]);
        painter.setFont(font());
        const int flags = CaptionTextFlags(m_alignment);
        if (isEnabled()) {
            painter.setPen(palette().color(QPalette::WindowText));
            painter.drawText(client, flags, m_caption);
        } else {
            DrawDisabledText(painter, client, flags, m_caption, palette());
        }
        DrawFocusIndication(painter, *this, client.adjusted(2, 2, -2, -2));
    }
    onScreen.drawPixmap(0, 0, buffer);
}

void TFlatPanel::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        update();
}

void TFlatPanel::mousePressEvent(QMouseEvent* event) {
    QWidget::mousePressEvent(event);
    m_click.Press(event);
}

void TFlatPanel::mouseReleaseEvent(QMouseEvent* event) {
    if (m_click.Release(event, rect()))
        Click();
    QWidget::mouseReleaseEvent(event);
}

void TFlatPanel::keyPressEvent(QKeyEvent* event) {
    // Alt+Down opens a combo box's list; the panel stands for one.
    const bool altDown = event->key() == Qt::Key_Down && event->modifiers() == Qt::AltModifier;
    if (TClickTracker::ClickKey(event) || altDown)
        Click();
    else
        QWidget::keyPressEvent(event);
}

} // namespace clipvane
