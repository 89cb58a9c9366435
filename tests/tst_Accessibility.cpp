#include "ScriptedDialogs.h"
#include "core/ConvertThread.h"
#include "gui/About.h"
#include "gui/ConvertHint.h"
#include "gui/Links.h"
#include "gui/Main.h"
#include "gui/controls/Accessibles.h"
#include "gui/controls/TFlatPanelUnit.h"
#include "gui/profiles/ProfileMenu.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <memory>

using namespace clipvane;
using namespace Qt::StringLiterals;

namespace {

const QString kMp3 = u"MP3 - MPEG Layer-3 Audio"_s;

// The three windows the table reads, built as the program builds them.
struct TWindows {
    QTemporaryDir dir;
    TScriptedDialogs dialogs;
    TConvertProcess runner;
    std::unique_ptr<QWidget> window;

    explicit TWindows(const QString& which) {
        if (which == u"main"_s) {
            auto main = std::make_unique<TfrmMain>([this] { return dir.path().toStdString() + '/'; });
            main->Picker().SetProfileText(kMp3);
            window = std::move(main);
        } else if (which == u"about"_s) {
            window = std::make_unique<TfrmAbout>(nullptr);
        } else {
            window = std::make_unique<TfrmConvert>(
                nullptr, runner, std::vector<std::string>{dir.filePath(u"a.avi"_s).toStdString()});
        }
        window->show();
        if (!QTest::qWaitForWindowActive(window.get()))
            qFatal("window not active");
    }
    QWidget* Find(const QString& name) const {
        if (window->objectName() == name)
            return window.get();
        QWidget* found = window->findChild<QWidget*>(name);
        if (!found)
            qFatal("no %s", qPrintable(name));
        return found;
    }
};

QStringList LabelNames(QAccessibleInterface& iface) {
    QStringList names;
    for (const auto& [label, relation] : iface.relations(QAccessible::Label))
        names << label->text(QAccessible::Name);
    return names;
}

// What an action or a key did: the named menu is up, or the address was opened.
void VerifyEffect(const TWindows& windows, const QString& menu, const QUrl& url) {
    if (!menu.isEmpty()) {
        auto* popup = windows.window->findChild<QMenu*>(menu);
        QVERIFY(popup);
        QTRY_VERIFY(popup->isVisible());
        popup->hide();
    }
    if (!url.isEmpty())
        QTRY_COMPARE(windows.dialogs.openedUrls, QList<QUrl>{url});
}

} // namespace

class tst_Accessibility final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InstallAccessibles(); }

    // Every control that acts, and every box, as a screen reader finds it: role, name, value, label,
    // and what its action does.
    void controls_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("object");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value"); // not checked when empty
        QTest::addColumn<QString>("label"); // a label it is labelled by, or empty
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("menu"); // the menu the action opens
        QTest::addColumn<QUrl>("url");     // the page the action opens
        const QString press = QAccessibleActionInterface::pressAction();
        const QString show = QAccessibleActionInterface::showMenuAction();
        const int link = QAccessible::Link;
        const int button = QAccessible::Button;
        QTest::newRow("the profile box opens the profile menu")
            << u"main"_s << u"fpType"_s << int(QAccessible::ComboBox) << u"Profile: "_s + kMp3 << kMp3
            << u"Profile:"_s << show << u"pmType"_s << QUrl();
        QTest::newRow("and so does its press")
            << u"main"_s << u"fpType"_s << int(QAccessible::ComboBox) << u"Profile: "_s + kMp3 << kMp3
            << u"Profile:"_s << press << u"pmType"_s << QUrl();
        QTest::newRow("the arrow") << u"main"_s << u"suiArrowButton3"_s << button << u"Profile list"_s
                                   << QString() << QString() << press << u"pmType"_s << QUrl();
        QTest::newRow("the gear") << u"main"_s << u"WlmShiftImage1"_s << button << u"Advanced menu"_s
                                  << QString() << QString() << press << u"suiPopupMenu1"_s << QUrl();
        QTest::newRow("Advanced") << u"main"_s << u"lbEAddress"_s << link << u"Advanced"_s << QString()
                                  << QString() << press << u"suiPopupMenu1"_s << QUrl();
        QTest::newRow("updates") << u"main"_s << u"lUpdate"_s << link << u"Check for updates..."_s
                                 << QString() << QString() << press << QString() << UpdatePageUrl();
        QTest::newRow("the title") << u"main"_s << u"lTitle"_s << link << MakerSiteName() << QString()
                                   << QString() << press << QString() << MakerSiteUrl();
        QTest::newRow("the icon") << u"main"_s << u"Image1"_s << link << u"Home Page"_s << QString()
                                  << QString() << press << QString() << HomePageUrl();
        QTest::newRow("the output folder box")
            << u"main"_s << u"eOutputFolder"_s << int(QAccessible::EditableText) << u"Output Folder:"_s
            << QString() << u"Output Folder:"_s << QString() << QString() << QUrl();
        QTest::newRow("the main window")
            << u"main"_s << u"frmMain"_s << int(QAccessible::Window) << u"Tarvix Clipvane"_s << QString()
            << QString() << QString() << QString() << QUrl();
        QTest::newRow("the About link") << u"about"_s << u"lbEAddress"_s << link << MakerSiteName()
                                        << QString() << QString() << press << QString() << HomePageUrl();
        QTest::newRow("the progress bar")
            << u"batch"_s << u"suiProgressBar2"_s << int(QAccessible::ProgressBar) << u"Conversion progress"_s
            << u"0"_s << QString() << QString() << QString() << QUrl();
        QTest::newRow("time elapsed")
            << u"batch"_s << u"lTimeElapsed"_s << int(QAccessible::StaticText) << u"00:00"_s << QString()
            << u"Time elapsed: "_s << QString() << QString() << QUrl();
        QTest::newRow("time estimated")
            << u"batch"_s << u"lTimeEstimated"_s << int(QAccessible::StaticText) << u"00:00"_s << QString()
            << u"Time estimated: "_s << QString() << QString() << QUrl();
    }
    void controls() {
        QFETCH(QString, window);
        QFETCH(QString, object);
        QFETCH(int, role);
        QFETCH(QString, name);
        QFETCH(QString, value);
        QFETCH(QString, label);
        QFETCH(QString, action);
        QFETCH(QString, menu);
        QFETCH(QUrl, url);
        TWindows windows(window);
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(windows.Find(object));
        QVERIFY(iface);
        QCOMPARE(int(iface->role()), role);
        QCOMPARE(iface->text(QAccessible::Name), name);
        if (!value.isEmpty())
            QCOMPARE(iface->text(QAccessible::Value), value);
        if (!label.isEmpty())
            QVERIFY2(LabelNames(*iface).contains(label), qPrintable(LabelNames(*iface).join(u'|')));
        if (action.isEmpty())
            return;
        QAccessibleActionInterface* actions = iface->actionInterface();
        QVERIFY(actions);
        QVERIFY2(actions->actionNames().contains(action), qPrintable(actions->actionNames().join(u'|')));
        actions->doAction(action);
        VerifyEffect(windows, menu, url);
    }

    // The menu's items are the box's children, and choosing one renames the box. (That the reader is
    // told comes through the bus, in atspi_walk.py: offscreen, Qt sends no accessibility events.)
    void profileBoxFollowsTheChoice() {
        TWindows windows(u"main"_s);
        auto* box = static_cast<TFlatPanel*>(windows.Find(u"fpType"_s));
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(box);
        QCOMPARE(iface->childCount(), 1);
        QAccessibleInterface* menu = iface->child(0);
        QCOMPARE(menu->role(), QAccessible::PopupMenu);
        QCOMPARE(iface->indexOfChild(menu), 0);
        QAccessibleInterface* group = menu->child(0);
        QAccessibleInterface* item = group->child(0)->child(4); // General Audio Format > WAV
        QCOMPARE(item->text(QAccessible::Name), u"WAV - Waveform Audio"_s);

        iface->actionInterface()->doAction(QAccessibleActionInterface::showMenuAction());
        QTRY_VERIFY(windows.window->findChild<QMenu*>(u"pmType"_s)->isVisible());
        item->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(box->Caption(), u"WAV - Waveform Audio"_s);
        QCOMPARE(iface->text(QAccessible::Name), u"Profile: WAV - Waveform Audio"_s);
        // Chosen by the reader, as by a click, the menus close.
        QVERIFY(!QApplication::activePopupWidget());
    }

    // Tab reaches each acting control after the designed order, draws its focus, and Space or Return
    // does what a click does.
    void keyboard_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("object");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QUrl>("url");
        QTest::newRow("profile box, Space")
            << u"main"_s << u"fpType"_s << int(Qt::Key_Space) << u"pmType"_s << QUrl();
        QTest::newRow("profile box, Return")
            << u"main"_s << u"fpType"_s << int(Qt::Key_Return) << u"pmType"_s << QUrl();
        QTest::newRow("Advanced") << u"main"_s << u"lbEAddress"_s << int(Qt::Key_Space) << u"suiPopupMenu1"_s
                                  << QUrl();
        QTest::newRow("updates") << u"main"_s << u"lUpdate"_s << int(Qt::Key_Return) << QString()
                                 << UpdatePageUrl();
        QTest::newRow("the title") << u"main"_s << u"lTitle"_s << int(Qt::Key_Space) << QString()
                                   << MakerSiteUrl();
        QTest::newRow("the About link")
            << u"about"_s << u"lbEAddress"_s << int(Qt::Key_Space) << QString() << HomePageUrl();
    }
    void keyboard() {
        QFETCH(QString, window);
        QFETCH(QString, object);
        QFETCH(int, key);
        QFETCH(QString, menu);
        QFETCH(QUrl, url);
        TWindows windows(window);
        // Each window still opens with the focus where it always had it.
        QCOMPARE(QApplication::focusWidget(),
                 windows.Find(window == u"main"_s ? u"eOutputFolder"_s : u"bOK"_s));
        QWidget* target = windows.Find(object);
        const QImage unfocused = target->grab().toImage();
        for (int tabs = 0; tabs < 20 && !target->hasFocus(); ++tabs)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(target->hasFocus());
        QVERIFY2(target->grab().toImage() != unfocused, "the focus is not drawn");
        QTest::keyClick(target, Qt::Key(key));
        VerifyEffect(windows, menu, url);
    }

    // A window opened from the keyboard shows its focus from the start; opened by the mouse, it looks
    // as it always has.
    void batchWindowShowsTheFocus_data() {
        QTest::addColumn<bool>("tabbed");
        QTest::newRow("after Tab") << true;
        QTest::newRow("mouse only") << false;
    }
    void batchWindowShowsTheFocus() {
        QFETCH(bool, tabbed);
        TWindows windows(u"main"_s);
        if (tabbed)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        TfrmConvert batch(windows.window.get(), windows.runner,
                          {windows.dir.filePath(u"a.avi"_s).toStdString()});
        batch.Job().NotUseAnotherFFmpeg = false;
        batch.Job().FFmpegPath = windows.dir.filePath(u"none"_s).toStdString(); // starts nothing
        batch.show();
        QVERIFY(QTest::qWaitForWindowActive(&batch));
        QTRY_COMPARE(batch.focusWidget(), batch.findChild<QWidget*>(u"bStop"_s));
        QCOMPARE(batch.testAttribute(Qt::WA_KeyboardFocusChange), tabbed);
        batch.done(QDialog::Rejected);
    }

    // The whole road to a profile by keys: Ctrl+P, the arrows, Return.
    void keysChooseAProfile() {
        TWindows windows(u"main"_s);
        QTest::keyClick(windows.window.get(), Qt::Key_P, Qt::ControlModifier);
        QTRY_VERIFY(QApplication::activePopupWidget());
        for (Qt::Key key : {Qt::Key_Down, Qt::Key_Right, Qt::Key_Return}) {
            QTest::keyClick(QApplication::activePopupWidget(), key);
            QTest::qWait(20);
        }
        QTRY_VERIFY(!QApplication::activePopupWidget());
        QCOMPARE(static_cast<TFlatPanel*>(windows.Find(u"fpType"_s))->Caption(),
                 u"AC3 - Dolby Digital AC-3"_s);
    }

    // The failure details behind "Show Details..." can be reached and read with the keyboard.
    void failureDetailsByKeyboard() {
        QWidget owner;
        owner.show();
        bool reached = false;
        QTimer::singleShot(10000, &owner, [] { // a watchdog, should a check below fail
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                box->done(QMessageBox::Ok);
        });
        QTimer::singleShot(0, &owner, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            QAbstractButton* details = nullptr;
            for (QAbstractButton* button : box->findChildren<QAbstractButton*>())
                if (button->text().contains(u"Details"_s))
                    details = button;
            QVERIFY(details);
            QVERIFY(QTest::qWaitForWindowActive(box));
            for (int tabs = 0; tabs < 5 && !details->hasFocus(); ++tabs)
                QTest::keyClick(box, Qt::Key_Tab);
            QVERIFY(details->hasFocus());
            QTest::keyClick(details, Qt::Key_Space);
            auto* text = box->findChild<QTextEdit*>();
            QTRY_VERIFY(text && text->isVisible());
            for (int tabs = 0; tabs < 5 && !text->hasFocus(); ++tabs)
                QTest::keyClick(box, Qt::Key_Tab);
            reached = text->hasFocus() && text->textInteractionFlags().testFlag(Qt::TextSelectableByKeyboard);
            box->done(QMessageBox::Ok);
        });
        TQtDialogs().Message(&owner, QMessageBox::Information, u"Tarvix Clipvane"_s,
                             u"a.avi, file conversion failed."_s, QMessageBox::Ok,
                             u"a.avi:\nThe encoder ended with exit code 1."_s);
        QVERIFY(reached);
    }
};

QTEST_MAIN(tst_Accessibility)
#include "tst_Accessibility.moc"
