#include "DialogChecks.h"
#include "ScriptedDialogs.h"
#include "gui/About.h"
#include "gui/Links.h"

#include <QPointer>
#include <QPushButton>
#include <QTimer>

using namespace clipvane;
using namespace Qt::StringLiterals;

class tst_About final : public QObject {
    Q_OBJECT

private slots:
    void window() {
        QWidget owner;
        owner.setGeometry(120, 90, 700, 520);
        owner.show();
        TfrmAbout about(&owner);
        about.show();
        QCOMPARE(about.windowTitle(), u"About Clipvane"_s);
        VerifyFixedAndCentred(about, owner, QSize(360, 249));
        QCOMPARE(Child<QLabel>(about, "Label2")->text(), u"Version: 3.0   Build 20260602"_s);
        const QImage banner = Child<QLabel>(about, "Image2")->pixmap().toImage();
        QCOMPARE(banner.size(), QSize(360, 50));
        QCOMPARE(qAlpha(banner.pixel(359, 49)), 255); // filled to the corner behind the text
        QCOMPARE(qAlpha(Child<QLabel>(about, "Image1")->pixmap().toImage().pixel(0, 0)), 0); // a round icon
        VerifyNothingClipped(about);

        // The page comes from the links, not from the label's text, and the window stays open.
        TScriptedDialogs dialogs;
        auto* address = Child<QLabel>(about, "lbEAddress");
        QTest::mouseClick(address, Qt::LeftButton, {}, address->rect().center());
        QCOMPARE(dialogs.openedUrls, QList<QUrl>{HomePageUrl()});
        QVERIFY(about.isVisible());
    }

    // Each opening is a window of its own, named when shown and gone when closed.
    void openedTwice() {
        for (int round = 0; round < 2; ++round) {
            QPointer<TfrmAbout> about = new TfrmAbout(nullptr);
            about->setAttribute(Qt::WA_DeleteOnClose);
            QString name;
            QTimer::singleShot(0, about, [&] {
                name = Child<QLabel>(*about, "Label1")->text();
                Child<QPushButton>(*about, "bOK")->click();
            });
            QCOMPARE(about->exec(), int(QDialog::Accepted));
            QCOMPARE(name, u"Tarvix Clipvane"_s);
            QTRY_VERIFY(about.isNull());
        }
    }
};

QTEST_MAIN(tst_About)
#include "tst_About.moc"
