#include "gui/controls/WlmShiftImage.h"

#include <QApplication>
#include <QEnterEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

using namespace clipvane;

namespace {

QPixmap Solid(const QColor& colour) {
    QPixmap pixmap(8, 8);
    pixmap.fill(colour);
    return pixmap;
}

QColor Shown(TWlmShiftImage& image) {
    return image.grab().toImage().pixelColor(4, 4);
}

// Offscreen windows get no enter/leave from the pointer, so they are delivered by hand.
void Enter(QWidget& widget) {
    QEnterEvent enter(QPointF(4, 4), QPointF(4, 4), QPointF(4, 4));
    QApplication::sendEvent(&widget, &enter);
}

void Leave(QWidget& widget) {
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&widget, &leave);
}

} // namespace

class tst_WlmShiftImage final : public QObject {
    Q_OBJECT

private slots:
    void hover_data() {
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QColor>("whileOver");
        QTest::addColumn<QColor>("afterLeaving");
        QTest::newRow("enabled: focused picture over it, no-focused picture after")
            << true << QColor(Qt::green) << QColor(Qt::blue);
        QTest::newRow("disabled: keeps its picture") << false << QColor(Qt::red) << QColor(Qt::red);
    }
    void hover() {
        QFETCH(bool, enabled);
        QFETCH(QColor, whileOver);
        QFETCH(QColor, afterLeaving);
        TWlmShiftImage image;
        image.resize(8, 8);
        image.SetPicture(Solid(Qt::red));
        image.SetFocusedPicture(Solid(Qt::green));
        image.SetNoFocusedPicture(Solid(Qt::blue));
        image.setEnabled(enabled);
        QSignalSpy entered(&image, &TWlmShiftImage::mouseEntered);
        QSignalSpy left(&image, &TWlmShiftImage::mouseLeft);
        // The events come before the picture changes.
        QList<QColor> shownAtSignal;
        connect(&image, &TWlmShiftImage::mouseEntered, this,
                [&] { shownAtSignal.append(image.Picture().toImage().pixelColor(0, 0)); });
        connect(&image, &TWlmShiftImage::mouseLeft, this,
                [&] { shownAtSignal.append(image.Picture().toImage().pixelColor(0, 0)); });

        Enter(image);
        QCOMPARE(entered.count(), 1);
        QCOMPARE(left.count(), 0);
        QCOMPARE(Shown(image), whileOver);
        Leave(image);
        QCOMPARE(entered.count(), 1);
        QCOMPARE(left.count(), 1);
        QCOMPARE(Shown(image), afterLeaving);
        QCOMPARE(shownAtSignal, QList<QColor>({QColor(Qt::red), whileOver}));
    }

    void pressSinksAndReleaseRestores_data() {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<QPoint>("releaseAt");
        QTest::addColumn<int>("clicks");
        QTest::newRow("left, released on it: a click") << Qt::LeftButton << QPoint(3, 3) << 1;
        QTest::newRow("left, released off it: no click") << Qt::LeftButton << QPoint(40, 40) << 0;
        QTest::newRow("right sinks too, no click") << Qt::RightButton << QPoint(3, 3) << 0;
        QTest::newRow("middle sinks too, no click") << Qt::MiddleButton << QPoint(3, 3) << 0;
    }
    void pressSinksAndReleaseRestores() {
        QFETCH(Qt::MouseButton, button);
        QFETCH(QPoint, releaseAt);
        QFETCH(int, clicks);
        QWidget host;
        host.resize(100, 100);
        TWlmShiftImage image(&host);
        image.setGeometry(10, 20, 32, 32);
        QSignalSpy clicked(&image, &TWlmShiftImage::clicked);

        QTest::mousePress(&image, button, {}, QPoint(3, 3));
        QCOMPARE(image.pos(), QPoint(12, 22));
        QTest::mouseRelease(&image, button, {}, releaseAt);
        QCOMPARE(image.pos(), QPoint(10, 20));
        QCOMPARE(clicked.count(), clicks);
    }

    void pictureIsDrawnTransparently() {
        QWidget host;
        host.setAutoFillBackground(true);
        QPalette colours = host.palette();
        colours.setColor(QPalette::Window, QColor(10, 200, 30));
        host.setPalette(colours);
        host.resize(40, 40);
        TWlmShiftImage image(&host);
        image.setGeometry(5, 5, 16, 16);
        // Left half opaque magenta, right half see-through; the widget is larger than the picture.
        QPixmap picture(8, 8);
        picture.fill(Qt::transparent);
        QPainter(&picture).fillRect(0, 0, 4, 8, Qt::magenta);
        image.SetPicture(picture);

        const QImage shot = host.grab().toImage();
        QCOMPARE(shot.pixelColor(5 + 1, 5 + 4), QColor(Qt::magenta));
        QCOMPARE(shot.pixelColor(5 + 6, 5 + 4), QColor(10, 200, 30));
        QCOMPARE(shot.pixelColor(5 + 12, 5 + 12), QColor(10, 200, 30));
    }
};

QTEST_MAIN(tst_WlmShiftImage)
#include "tst_WlmShiftImage.moc"
