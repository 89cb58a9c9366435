#include "gui/controls/FlatUtilitys.h"

#include <QColor>
#include <QPainter>
#include <QPalette>
#include <QPen>
#include <QRect>
#include <QRegion>
#include <QString>
#include <QWidget>

namespace clipvane {

void DrawFrame(QPainter& painter, const QRect& rect, const QColor& highlight, const QColor& shadow) {
    if (rect.isEmpty())
        return;
    const int w = rect.width();
    const int h = rect.height();
    const int x = rect.left();
    const int y = rect.top();
    // Filled one-pixel rectangles rather than pen lines: exact pixels whatever the pen and the scale.
    painter.fillRect(QRect(x, y, 1, h - 1), highlight);
    painter.fillRect(QRect(x, y, w - 1, 1), highlight);
    painter.fillRect(QRect(x + w - 1, y, 1, h), shadow);
    painter.fillRect(QRect(x, y + h - 1, w, 1), shadow);
}

int CaptionTextFlags(Qt::Alignment alignment) {
    int horizontal = Qt::AlignHCenter;
    if (alignment & Qt::AlignLeft)
        horizontal = Qt::AlignLeft;
    else if (alignment & Qt::AlignRight)
        horizontal = Qt::AlignRight;
    return Qt::TextSingleLine | Qt::TextShowMnemonic | Qt::AlignVCenter | horizontal;
}

void DrawDisabledText(QPainter& painter, const QRect& rect, int flags, const QString& text,
                      const QPalette& palette) {
    // The active group's colours: the emboss itself says "disabled", and the disabled group's paler
    // shadow would all but vanish against the background.
    painter.save();
    painter.setPen(palette.color(QPalette::Active, QPalette::Light));
    painter.drawText(rect.translated(1, 1), flags, text);
    painter.setPen(palette.color(QPalette::Active, QPalette::Dark));
    painter.drawText(rect, flags, text);
    painter.restore();
}

void PaintParentBackground(const QWidget& control, QPainter& painter) {
    QWidget* parent = control.parentWidget();
    if (!parent)
        return;
    // A parent that paints nothing of its own still shows its background colour; so does whatever
    // part of the control lies outside its parent.
    painter.fillRect(control.rect(), parent->palette().brush(parent->backgroundRole()));
    const QRect behind = control.geometry() & parent->rect();
    if (behind.isEmpty())
        return;
    const QPoint target = behind.topLeft() - control.pos();
    painter.save();
    parent->render(&painter, target, QRegion(behind), QWidget::DrawWindowBackground);
    painter.restore();
}

void DrawFocusIndication(QPainter& painter, const QWidget& control, const QRect& rect) {
    if (!control.hasFocus() || rect.isEmpty())
        return;
    // A dotted frame in the control's own text colour, rather than the style's focus frame: the
    // links stand on the dark title banner, where the style's tinted frame cannot be seen.
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(control.palette().color(control.foregroundRole()), 1, Qt::DotLine));
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    painter.restore();
}

} // namespace clipvane
