#include "gui/controls/SUIURLLabel.h"

#include "ScriptedDialogs.h"

#include <QApplication>
#include <QEnterEvent>
#include <QSignalSpy>
#include <QTest>

using namespace clipvane;

namespace {

// Offscreen windows get no enter/leave from the pointer, so they are delivered by hand.
void Enter(QWidget& widget) {
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(&widget, &enter);
}

void Leave(QWidget& widget) {
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&widget, &leave);
}

// Pixels drawn in exactly `colour`: the underline is a solid line, whatever the text smoothing.
int PixelsOf(const QWidget& widget, const QColor& colour) {
    const QImage shot = const_cast<QWidget&>(widget).grab().toImage();
    int count = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            count += shot.pixelColor(x, y) == colour ? 1 : 0;
    return count;
}

} // namespace

class tst_SUIURLLabel final : public QObject {
    Q_OBJECT

private slots:
    void click_data() {
        QTest::addColumn<QString>("url");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<QList<QUrl>>("opened");
        QTest::addColumn<int>("clicks");
        const QString address = QStringLiteral("https://clipvane.example/update");
        QTest::newRow("address opens") << address << Qt::LeftButton << QList<QUrl>{QUrl(address)} << 1;
        QTest::newRow("surrounding blanks are passed on")
            << QStringLiteral(" https://a.example/ ") << Qt::LeftButton
            << QList<QUrl>{QUrl(QStringLiteral(" https://a.example/ "))} << 1;
        QTest::newRow("blanks only: nothing opens, still a click")
            << QStringLiteral("   ") << Qt::LeftButton << QList<QUrl>{} << 1;
        QTest::newRow("tabs and line breaks count as blanks")
            << QStringLiteral("\t \r\n") << Qt::LeftButton << QList<QUrl>{} << 1;
        QTest::newRow("empty: nothing opens, still a click")
            << QString() << Qt::LeftButton << QList<QUrl>{} << 1;
        QTest::newRow("right button is no click") << address << Qt::RightButton << QList<QUrl>{} << 0;
    }
    void click() {
        QFETCH(QString, url);
        QFETCH(Qt::MouseButton, button);
        QFETCH(QList<QUrl>, opened);
        QFETCH(int, clicks);
        TScriptedDialogs dialogs;
        TsuiURLLabel label;
        label.SetURL(url);
        QSignalSpy clicked(&label, &TsuiURLLabel::clicked);
        QTest::mouseClick(&label, button, {}, QPoint(2, 2));
        QCOMPARE(dialogs.openedUrls, opened);
        QCOMPARE(clicked.count(), clicks);
    }

    void colours() {
        TsuiURLLabel label;
        QCOMPARE(label.FontColor(), QColor(Qt::blue));
        QVERIFY(PixelsOf(label, Qt::blue) > 0);

        // A new hover colour waits for the next entry.
        label.SetFontHoverColor(Qt::green);
        QCOMPARE(PixelsOf(label, Qt::green), 0);
        Enter(label);
        QCOMPARE(label.FontColor(), QColor(Qt::green));
        QVERIFY(PixelsOf(label, Qt::green) > 0);
        Leave(label);
        QCOMPARE(label.FontColor(), QColor(Qt::blue));

        // A new link colour shows at once, and is what leaving goes back to.
        label.SetFontLinkColor(Qt::magenta);
        QVERIFY(PixelsOf(label, Qt::magenta) > 0);
        QCOMPARE(PixelsOf(label, Qt::blue), 0);
        Enter(label);
        label.SetFontColor(Qt::white);
        Leave(label);
        QCOMPARE(label.FontColor(), QColor(Qt::magenta));
    }

    void autoSize() {
        TsuiURLLabel label;
        QVERIFY(label.font().underline());
        QCOMPARE(label.cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(!label.text().isEmpty());
        QCOMPARE(label.size(), label.sizeHint());
        const int before = label.width();
        label.SetCaption(QStringLiteral("Check for updates... and a good deal more text"));
        QVERIFY(label.width() > before);
        QCOMPARE(label.size(), label.sizeHint());
        label.SetAutoSize(false);
        label.SetCaption(QStringLiteral("x"));
        QVERIFY(label.width() > label.sizeHint().width());
    }
};

QTEST_MAIN(tst_SUIURLLabel)
#include "tst_SUIURLLabel.moc"
