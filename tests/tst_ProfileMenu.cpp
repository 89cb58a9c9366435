#include "core/profiles/ProfileCatalog.h"
#include "gui/controls/TFlatPanelUnit.h"
#include "gui/profiles/ProfileMenu.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QTest>

using namespace clipvane;
using namespace Qt::StringLiterals;

namespace {

// The picker's controls on a window of their own, placed as on the main window.
struct TPickerWindow {
    QWidget window;
    TFlatPanel* box = new TFlatPanel(&window);
    QLabel* extName = new QLabel(&window);
    TProfilePicker picker{&window, box, extName};

    TPickerWindow() {
        window.resize(405, 284);
        box->setGeometry(6, 127, 371, 21);
        picker.BindItems();
    }
    QAction* Item(const QString& group, const QString& caption) const {
        for (QAction* top : picker.pmType()->actions())
            if (top->menu() && RemoveFirstAmpersand(top->text()) == group)
                for (QAction* item : top->menu()->actions())
                    if (RemoveFirstAmpersand(item->text()) == caption)
                        return item;
        return nullptr;
    }
};

QString FromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The accelerator keys of a menu's items, each once: a repeated key would make one item unreachable.
bool AcceleratorsDistinct(const QMenu& menu) {
    QString keys;
    for (const QAction* action : menu.actions()) {
        const qsizetype amp = action->text().indexOf(u'&');
        if (amp < 0)
            continue;
        const QChar key = action->text().at(amp + 1).toLower();
        if (keys.contains(key))
            return false;
        keys += key;
    }
    return true;
}

} // namespace

class tst_ProfileMenu final : public QObject {
    Q_OBJECT

private slots:
    void menuFollowsTheCatalog() {
        TPickerWindow w;
        const QList<QAction*> top = w.picker.pmType()->actions();
        const auto groups = ProfileGroups();
        QCOMPARE(top.size(), qsizetype(groups.size()) + 2);
        QVERIFY(AcceleratorsDistinct(*w.picker.pmType()));
        int items = 0;
        for (std::size_t g = 0; g < groups.size(); ++g) {
            QMenu* submenu = top[qsizetype(g)]->menu();
            QVERIFY(submenu);
            QCOMPARE(RemoveFirstAmpersand(submenu->title()), FromView(groups[g].Caption));
            QCOMPARE(submenu->actions().size(), qsizetype(groups[g].Profiles.size()));
            QVERIFY(AcceleratorsDistinct(*submenu));
            for (std::size_t i = 0; i < groups[g].Profiles.size(); ++i, ++items)
                QCOMPARE(RemoveFirstAmpersand(submenu->actions()[qsizetype(i)]->text()),
                         FromView(groups[g].Profiles[i].Caption));
        }
        QCOMPARE(items, 103);
        QVERIFY(top[top.size() - 2]->isSeparator());
        QCOMPARE(top.last(), w.picker.miManualConvert());
        QCOMPARE(RemoveFirstAmpersand(top.last()->text()), u"Manual conversion"_s);
        QCOMPARE(top.last()->toolTip(), u"Asks for the insertion of parameters"_s);
        QVERIFY(w.picker.pmType()->toolTipsVisible());
    }

    void choosingAnItem_data() {
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("label");
        QTest::newRow("accelerator inside the caption")
            << u"General Audio Format"_s << kMp3() << u"(*.mp3)"_s;
        QTest::newRow("caption with an asterisk")
            << u"General Video Format"_s << u"MPEG-2 (*.mpg)"_s << u"(*.mpg)"_s;
        QTest::newRow("last item of the last group")
            << u"WMV"_s << FromView(ProfileCatalog().back().Caption)
            << u"(*%1)"_s.arg(FromView(ProfileCatalog().back().OutputExt));
    }
    void choosingAnItem() {
        QFETCH(QString, group);
        QFETCH(QString, caption);
        QFETCH(QString, label);
        TPickerWindow w;
        QAction* item = w.Item(group, caption);
        QVERIFY(item);
        QVERIFY(item->text().contains(u'&'));
        for (int i = 0; i < 2; ++i) { // the same choice twice changes nothing
            item->trigger();
            QCOMPARE(w.box->Caption(), caption);
            QCOMPARE(w.box->toolTip(), caption);
            QCOMPARE(w.extName->text(), label);
        }
    }

    void longTextsStayReadable_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("whole"); // fits the box once narrowed, so it stays centred
        QTest::newRow("catalog caption") << kMp3() << true;
        QTest::newRow("the manual preset line, narrowed")
            << u"ffmpeg -i %1 -s 320x240 -r 14 -b 50k -ar 22050 -ab 56k -ac 1 %1.mov"_s << true;
        QTest::newRow("a hand-edited line of 2047 characters shows its start")
            << QString(2047, u'p') << false;
    }
    void longTextsStayReadable() {
        QFETCH(QString, text);
        QFETCH(bool, whole);
        TPickerWindow w;
        w.picker.SetProfileText(u"x"_s + text); // a wide text first: the next one starts afresh
        w.picker.SetProfileText(text);
        QCOMPARE(w.box->Caption(), text);
        QCOMPARE(w.box->toolTip(), text);
        QCOMPARE(QFontMetrics(w.box->font()).horizontalAdvance(text) <= w.box->width() - 4, whole);
        QCOMPARE(w.box->Alignment(), whole ? Qt::AlignHCenter : Qt::AlignLeft);
        QCOMPARE(w.box->font().stretch() == QFont::AnyStretch || w.box->font().stretch() == 100,
                 text == kMp3());
    }

    void removeFirstAmpersand() {
        QCOMPARE(RemoveFirstAmpersand(u"&AVI"_s), u"AVI"_s);
        QCOMPARE(RemoveFirstAmpersand(u"A&B&C"_s), u"AB&C"_s); // only the first
        QCOMPARE(RemoveFirstAmpersand(u"AVI (*.avi)"_s), u"AVI (*.avi)"_s);
    }

    void menuOpensAtThePoint() {
        TPickerWindow w;
        QList<QPoint> tops;
        for (const QPoint at : {QPoint(100, 20), QPoint(160, 80)}) {
            w.window.move(at);
            w.window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&w.window));
            const QPoint client = w.window.mapToGlobal(QPoint(0, 0));
            const QPoint expected = ProfileMenuPoint(client, w.box->geometry());
            QCOMPARE(w.picker.PopupPoint(), expected);
            w.picker.fpTypeClick(nullptr);
            QMenu* menu = w.picker.pmType();
            QTRY_VERIFY(menu->isVisible());
            QCOMPARE(menu->geometry().top(), expected.y());
            QVERIFY(qAbs(menu->geometry().center().x() - expected.x()) <= 1);
            tops << menu->geometry().topLeft();
            menu->hide();
        }
        QCOMPARE(tops[1] - tops[0], QPoint(60, 30)); // right by as much, down by half as much
        // Above the screen's top the half is truncated toward zero, as the window's own arithmetic does.
        QCOMPARE(ProfileMenuPoint(QPoint(-10, -3), w.box->geometry()), QPoint(70, -1));
    }

private:
    static QString kMp3() { return u"MP3 - MPEG Layer-3 Audio"_s; }
};

QTEST_MAIN(tst_ProfileMenu)
#include "tst_ProfileMenu.moc"
