#include "gui/controls/TFlatPanelUnit.h"

#include <QFontMetrics>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

using namespace clipvane;

namespace {

const QColor HostColour(200, 220, 240);

// A parent with its own background colour and a large unsmoothed font, so that text pixels carry
// exactly the pen's colour.
class THost final : public QWidget {
public:
    THost() {
        QPalette colours = palette();
        colours.setColor(QPalette::Window, HostColour);
        colours.setColor(QPalette::WindowText, Qt::black);
        colours.setColor(QPalette::Light, Qt::yellow);
        colours.setColor(QPalette::Dark, Qt::blue);
        setPalette(colours);
        QFont big(QStringLiteral("DejaVu Sans"));
        big.setPixelSize(16);
        big.setStyleStrategy(QFont::NoAntialias);
        setFont(big);
        resize(300, 200);
    }
};

// Columns and rows of the pixels inside the frame that have `colour`.
QRect PixelsOf(const QImage& image, const QColor& colour) {
    QRect found;
    for (int y = 1; y < image.height() - 1; ++y)
        for (int x = 1; x < image.width() - 1; ++x)
            if (image.pixelColor(x, y) == colour)
                found |= QRect(x, y, 1, 1);
    return found;
}

// Where the `count` pixels from `from` on, one `step` apart, first differ from `colour`; empty if nowhere.
QString Mismatch(const QImage& image, QPoint from, QPoint step, int count, const QColor& colour) {
    for (int i = 0; i < count; ++i, from += step)
        if (image.pixelColor(from) != colour)
            return QStringLiteral("%1,%2").arg(from.x()).arg(from.y());
    return {};
}

} // namespace

class tst_FlatPanel final : public QObject {
    Q_OBJECT

private slots:
    void frame_data() {
        QTest::addColumn<QColor>("highlight");
        QTest::addColumn<QColor>("shadow");
        QTest::newRow("white over black: raised edge") << QColor(Qt::white) << QColor(Qt::black);
        QTest::newRow("both black: plain frame") << QColor(Qt::black) << QColor(Qt::black);
        QTest::newRow("defaults") << TFlatPanel::DefaultBorderColor << TFlatPanel::DefaultBorderColor;
    }
    void frame() {
        QFETCH(QColor, highlight);
        QFETCH(QColor, shadow);
        THost host;
        TFlatPanel panel(&host);
        if (highlight != TFlatPanel::DefaultBorderColor) {
            panel.SetColorHighLight(highlight);
            panel.SetColorShadow(shadow);
        }
        QCOMPARE(panel.size(), QSize(185, 41));
        const QImage shot = panel.grab().toImage();
        const int right = shot.width() - 1;
        const int bottom = shot.height() - 1;
        QCOMPARE(Mismatch(shot, {0, bottom - 1}, {0, -1}, bottom, highlight), QString()); // left
        QCOMPARE(Mismatch(shot, {0, 0}, {1, 0}, right, highlight), QString());            // top
        QCOMPARE(Mismatch(shot, {right, 0}, {0, 1}, bottom + 1, shadow), QString());      // right
        QCOMPARE(Mismatch(shot, {right, bottom}, {-1, 0}, right + 1, shadow), QString()); // bottom
        // Filled with the parent's colour inside the ring.
        QCOMPARE(PixelsOf(shot, HostColour), QRect(1, 1, right - 1, bottom - 1));
    }

    void captionPlacement_data() {
        QTest::addColumn<Qt::Alignment>("alignment");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("expectedCentreX"); // -1: not checked
        QTest::newRow("left, at the left edge") << Qt::Alignment(Qt::AlignLeft) << 41 << -1;
        QTest::newRow("right, at the right edge") << Qt::Alignment(Qt::AlignRight) << 41 << -1;
        QTest::newRow("centre, in the middle") << Qt::Alignment(Qt::AlignHCenter) << 41 << 100;
        QTest::newRow("centre in a tall panel") << Qt::Alignment(Qt::AlignHCenter) << 90 << 100;
        QTest::newRow("left in a tall panel") << Qt::Alignment(Qt::AlignLeft) << 90 << -1;
        QTest::newRow("vertical flags are ignored")
            << Qt::Alignment(Qt::AlignRight | Qt::AlignTop) << 90 << -1;
    }
    void captionPlacement() {
        QFETCH(Qt::Alignment, alignment);
        QFETCH(int, height);
        QFETCH(int, expectedCentreX);
        THost host;
        TFlatPanel panel(&host);
        panel.resize(200, height);
        panel.SetAlignment(alignment);
        panel.SetCaption(QStringLiteral("HH"));
        const QRect text = PixelsOf(panel.grab().toImage(), Qt::black);
        QVERIFY(!text.isEmpty());
        // "H" stands on the baseline, so the line's centre is a little below the letters' centre.
        const QFontMetrics metrics(panel.font());
        const int lineTop = (height - metrics.height()) / 2;
        QVERIFY2(qAbs(text.bottom() + 1 - (lineTop + metrics.ascent())) <= 1,
                 qPrintable(QStringLiteral("text bottom %1").arg(text.bottom())));
        if (alignment & Qt::AlignLeft)
            QVERIFY2(text.left() <= 3, qPrintable(QStringLiteral("left %1").arg(text.left())));
        if (alignment & Qt::AlignRight)
            QVERIFY2(text.right() >= 196, qPrintable(QStringLiteral("right %1").arg(text.right())));
        if (expectedCentreX >= 0)
            QVERIFY2(qAbs(text.center().x() - expectedCentreX) <= 1,
                     qPrintable(QStringLiteral("centre %1").arg(text.center().x())));
    }

    void mnemonic_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("underlined");
        QTest::newRow("& is hidden and underlines") << QStringLiteral("&HH") << QStringLiteral("HH") << true;
        QTest::newRow("&& shows one &") << QStringLiteral("H&&H") << QStringLiteral("H&H") << false;
        QTest::newRow("no & at all") << QStringLiteral("HH") << QStringLiteral("HH") << false;
    }
    void mnemonic() {
        QFETCH(QString, caption);
        QFETCH(QString, shown);
        QFETCH(bool, underlined);
        THost host;
        TFlatPanel panel(&host);
        panel.SetAlignment(Qt::AlignLeft);
        panel.SetCaption(caption);
        const QRect text = PixelsOf(panel.grab().toImage(), Qt::black);
        const QFontMetrics metrics(panel.font());
        QVERIFY2(qAbs(text.right() + 1 - metrics.horizontalAdvance(shown)) <= 2,
                 qPrintable(QStringLiteral("text ends at %1").arg(text.right())));
        const int baseline = (panel.height() - metrics.height()) / 2 + metrics.ascent();
        QCOMPARE(text.bottom() >= baseline, underlined);
    }

    void disabledCaptionIsEmbossed_data() {
        QTest::addColumn<bool>("enabled");
        QTest::newRow("enabled: plain text") << true;
        QTest::newRow("disabled: light copy lower right under a dark one") << false;
    }
    void disabledCaptionIsEmbossed() {
        QFETCH(bool, enabled);
        THost host;
        TFlatPanel panel(&host);
        panel.SetCaption(QStringLiteral("Wm"));
        panel.setEnabled(enabled);
        const QImage shot = panel.grab().toImage();
        const QColor light(Qt::yellow);
        const QColor dark(Qt::blue);
        QCOMPARE(PixelsOf(shot, Qt::black).isEmpty(), !enabled);
        QCOMPARE(PixelsOf(shot, light).isEmpty(), enabled);
        QCOMPARE(PixelsOf(shot, dark).isEmpty(), enabled);
        for (int y = 1; y < shot.height() - 1; ++y) {
            for (int x = 1; x < shot.width() - 1; ++x) {
                // Each light pixel is the dark shape moved by one; where they overlap the dark one wins.
                if (shot.pixelColor(x, y) == light)
                    QVERIFY2(shot.pixelColor(x - 1, y - 1) == dark,
                             qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
                if (shot.pixelColor(x, y) == dark) {
                    const QColor below = shot.pixelColor(x + 1, y + 1);
                    QVERIFY2(below == light || below == dark,
                             qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
                }
            }
        }
    }

    void transparency_data() {
        QTest::addColumn<bool>("transparent");
        QTest::addColumn<bool>("withParent");
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("opaque: own colour") << false << true << QRect(40, 10, 40, 20);
        QTest::newRow("transparent: the parent's picture behind it") << true << true << QRect(40, 10, 40, 20);
        QTest::newRow("transparent, sticking out of the parent") << true << true << QRect(-20, -5, 100, 20);
        QTest::newRow("transparent without a parent: own colour") << true << false << QRect(40, 10, 40, 20);
    }
    void transparency() {
        QFETCH(bool, transparent);
        QFETCH(bool, withParent);
        QFETCH(QRect, geometry);
        // Magenta left of x = 60, cyan from there on, its background colour yellow.
        class TTwoTone final : public QWidget {
            void paintEvent(QPaintEvent*) override {
                QPainter painter(this);
                painter.fillRect(0, 0, 60, height(), Qt::magenta);
                painter.fillRect(60, 0, width() - 60, height(), Qt::cyan);
            }
        } host;
        QPalette colours = host.palette();
        colours.setColor(QPalette::Window, Qt::yellow);
        host.setPalette(colours);
        host.resize(120, 60);
        TFlatPanel panel(withParent ? &host : nullptr);
        panel.setGeometry(geometry);
        panel.SetColor(Qt::red);
        panel.SetTransparent(transparent);
        const QImage shot = panel.grab().toImage();
        const int y = 10;
        for (int x = 1; x < geometry.width() - 1; ++x) {
            const int hostX = geometry.x() + x;
            const QColor expected = !transparent || !withParent         ? QColor(Qt::red)
                                    : hostX < 0 || geometry.y() + y < 0 ? QColor(Qt::yellow)
                                    : hostX < 60                        ? QColor(Qt::magenta)
                                                                        : QColor(Qt::cyan);
            QVERIFY2(shot.pixelColor(x, y) == expected, qPrintable(QStringLiteral("x=%1").arg(x)));
        }
        QCOMPARE(shot.pixelColor(0, y), TFlatPanel::DefaultBorderColor);
    }

    void parentThatPaintsItsChildrenDoesNotRecurse() {
        class TCompositing final : public QWidget {
            void paintEvent(QPaintEvent*) override {
                QPainter painter(this);
                painter.fillRect(rect(), Qt::cyan);
                for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                    child->render(&painter, child->pos(), QRegion(), QWidget::DrawChildren);
            }
        } host;
        // Re-entered painting falls back to the background colour, so both paths give cyan.
        QPalette colours = host.palette();
        colours.setColor(QPalette::Window, Qt::cyan);
        host.setPalette(colours);
        host.resize(100, 60);
        TFlatPanel panel(&host);
        panel.setGeometry(10, 10, 40, 20);
        panel.SetTransparent(true);
        QCOMPARE(panel.grab().toImage().pixelColor(20, 10), QColor(Qt::cyan));
    }

    void click_data() {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<int>("clicks");
        QTest::newRow("left clicks") << Qt::LeftButton << 1;
        QTest::newRow("right does not") << Qt::RightButton << 0;
    }
    void click() {
        QFETCH(Qt::MouseButton, button);
        QFETCH(int, clicks);
        THost host;
        TFlatPanel panel(&host);
        QSignalSpy clicked(&panel, &TFlatPanel::clicked);
        QTest::mouseClick(&panel, button, {}, QPoint(10, 10));
        QCOMPARE(clicked.count(), clicks);
    }
};

QTEST_MAIN(tst_FlatPanel)
#include "tst_FlatPanel.moc"
