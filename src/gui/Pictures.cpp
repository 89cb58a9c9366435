#include "gui/Pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace clipvane {

namespace {

const QColor kFilmDark(0x3a, 0x4a, 0x5c);
const QColor kFilmLight(0xf2, 0xf2, 0xf2);
const QColor kArrowGreen(0x5c, 0xc8, 0x4a);

// The "convert" arrow pointing right, its shaft from `left` to `headLeft`, its tip at `tip`.
QPainterPath Arrow(qreal left, qreal headLeft, qreal tip, qreal middle, qreal shaft, qreal head) {
    QPainterPath arrow;
    arrow.moveTo(left, middle - shaft);
    arrow.lineTo(headLeft, middle - shaft);
    arrow.lineTo(headLeft, middle - head);
    arrow.lineTo(tip, middle);
    arrow.lineTo(headLeft, middle + head);
    arrow.lineTo(headLeft, middle + shaft);
    arrow.lineTo(left, middle + shaft);
    arrow.closeSubpath();
    return arrow;
}

QPixmap TransparentPixmap(QSize size) {
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    return picture;
}

} // namespace

QPixmap ProgramIcon(int size) {
    QPixmap picture = TransparentPixmap(QSize(size, size));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    // Designed on a 32 unit grid, the same grid as data/icons/clipvane.svg.
    painter.scale(size / 32.0, size / 32.0);

    QLinearGradient tile(0, 1, 0, 31);
    tile.setColorAt(0, QColor(0x3f, 0x7c, 0xc4));
    tile.setColorAt(1, QColor(0x17, 0x3a, 0x66));
    painter.setBrush(tile);
    painter.drawRoundedRect(QRectF(1, 1, 30, 30), 6, 6);

    painter.setBrush(QColor(0xf2, 0xf5, 0xf9));
    painter.drawRoundedRect(QRectF(4, 8, 24, 16), 2, 2);
    painter.setBrush(QColor(0x1f, 0x46, 0x75));
    for (qreal x = 5.75; x < 27; x += 4.5) {
        painter.drawRect(QRectF(x, 9.5, 2.5, 2));
        painter.drawRect(QRectF(x, 20.5, 2.5, 2));
    }
    painter.setBrush(QColor(0x3c, 0xa8, 0x32));
    painter.drawPath(Arrow(8, 17, 25, 16, 1.75, 4));
    return picture;
}

QIcon ProgramWindowIcon() {
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(ProgramIcon(size));
    return icon;
}

QPixmap Banner(QSize size) {
    QPixmap picture(size);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area(QPointF(0, 0), QSizeF(size));

    // Darkest under the title on the left, where the white text needs the most contrast.
    QLinearGradient ground(0, 0, size.width(), 0);
    ground.setColorAt(0, QColor(0x10, 0x2c, 0x52));
    ground.setColorAt(0.6, QColor(0x1c, 0x47, 0x7c));
    ground.setColorAt(1, QColor(0x2a, 0x5e, 0x9a));
    painter.fillRect(area, ground);

    QLinearGradient sheen(0, 0, 0, size.height());
    sheen.setColorAt(0, QColor(255, 255, 255, 34));
    sheen.setColorAt(0.5, QColor(255, 255, 255, 0));
    painter.fillRect(area, sheen);

    // A faint film strip fading in towards the right edge.
    const qreal strip = size.height() * 0.36;
    const qreal top = (size.height() - strip) / 2;
    const qreal left = size.width() * 0.5;
    const auto fadeIn = [&](int alpha) {
        QLinearGradient fade(left, 0, size.width() * 0.8, 0);
        fade.setColorAt(0, QColor(255, 255, 255, 0));
        fade.setColorAt(1, QColor(255, 255, 255, alpha));
        return QBrush(fade);
    };
    painter.setPen(Qt::NoPen);
    painter.setBrush(fadeIn(16));
    painter.drawRect(QRectF(left, top, size.width() - left, strip));
    painter.setBrush(fadeIn(24));
    const qreal hole = strip / 6;
    for (qreal x = left + hole; x + hole < size.width(); x += hole * 2.5) {
        painter.drawRect(QRectF(x, top + hole * 0.6, hole, hole * 0.8));
        painter.drawRect(QRectF(x, top + strip - hole * 1.4, hole, hole * 0.8));
    }

    painter.setPen(QColor(255, 255, 255, 60));
    painter.drawLine(QPointF(0, size.height() - 0.5), QPointF(size.width(), size.height() - 0.5));
    return picture;
}

QPixmap UpdatePicture() {
    QPixmap picture = TransparentPixmap(QSize(16, 16));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QRadialGradient ball(QPointF(6, 5), 10);
    ball.setColorAt(0, QColor(0x8d, 0xe0, 0x7a));
    ball.setColorAt(1, QColor(0x2f, 0x99, 0x27));
    painter.setPen(QPen(QColor(255, 255, 255, 200), 1));
    painter.setBrush(ball);
    painter.drawEllipse(QRectF(1, 1, 14, 14));

    // A down arrow: something new to fetch.
    QPainterPath arrow;
    arrow.moveTo(6.5, 4);
    arrow.lineTo(9.5, 4);
    arrow.lineTo(9.5, 8);
    arrow.lineTo(11.5, 8);
    arrow.lineTo(8, 12);
    arrow.lineTo(4.5, 8);
    arrow.lineTo(6.5, 8);
    arrow.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawPath(arrow);
    return picture;
}

QPixmap AdvancedPicture(bool focused) {
    QPixmap picture = TransparentPixmap(QSize(32, 32));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);

    // A gear: the menu behind it holds the program's settings and pages.
    const QPointF centre(16, 16);
    QPainterPath gear;
    gear.addEllipse(centre, 10.5, 10.5);
    for (int tooth = 0; tooth < 8; ++tooth) {
        QTransform turn;
        turn.translate(centre.x(), centre.y());
        turn.rotate(tooth * 45.0);
        QPainterPath shape;
        shape.addRoundedRect(QRectF(-2.75, -14.5, 5.5, 6), 1, 1);
        gear = gear.united(turn.map(shape));
    }
    QPainterPath hole;
    hole.addEllipse(centre, 4.5, 4.5);
    gear = gear.subtracted(hole);

    QLinearGradient fill(0, 2, 0, 30);
    if (focused) {
        fill.setColorAt(0, QColor(0x5a, 0x9c, 0xe6));
        fill.setColorAt(1, QColor(0x1d, 0x58, 0xa6));
    } else {
        fill.setColorAt(0, QColor(0x9a, 0xa6, 0xb2));
        fill.setColorAt(1, QColor(0x5e, 0x6b, 0x78));
    }
    painter.setPen(QPen(focused ? QColor(0x15, 0x3f, 0x78) : QColor(0x4a, 0x55, 0x60), 1));
    painter.setBrush(fill);
    painter.drawPath(gear);
    return picture;
}

QPixmap ConvertPicture() {
    QPixmap picture = TransparentPixmap(QSize(32, 32));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kFilmDark);
    painter.drawRoundedRect(QRectF(2, 4, 28, 24), 3, 3);
    painter.setBrush(kFilmLight);
    for (int x = 5; x < 28; x += 6) {
        painter.drawRect(QRectF(x, 6, 3, 3));
        painter.drawRect(QRectF(x, 23, 3, 3));
    }
    painter.setBrush(kArrowGreen);
    painter.drawPath(Arrow(8, 17, 25, 16, 2.5, 6));
    return picture;
}

} // namespace clipvane
