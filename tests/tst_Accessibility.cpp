#include "ScriptedDialogs.h"
#include "core/ConvertThread.h"
#include "gui/About.h"
#include "gui/BatchSpoken.h"
#include "gui/ConvertHint.h"
#include "gui/Links.h"
#include "gui/Main.h"
#include "gui/Useanother.h"
#include "gui/controls/Accessibles.h"
#include "gui/controls/Announcement.h"
#include "gui/controls/TFlatPanelUnit.h"
#include "gui/profiles/ProfileMenu.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <functional>
#include <memory>

using namespace clipvane;
using namespace Qt::StringLiterals;

namespace {

const QString kMp3 = u"MP3 - MPEG Layer-3 Audio"_s;

// The windows the table reads, built as the program builds them.
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
        } else if (which == u"ffmpeg"_s) {
            window = std::make_unique<TfrmUseFFmpeg>(nullptr);
        } else {
            window = std::make_unique<TfrmConvert>(
                nullptr, runner, std::vector<std::string>{dir.filePath(u"a.avi"_s).toStdString()});
        }
        if (which == u"batch"_s)
            return; // shown, it would start converting; it is read as it is
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

// The announcements made in a window, and its description each time its title changes (before the
// window describes the file it turns to).
class TSaidWatch final : public QObject {
public:
    explicit TSaidWatch(QWidget& window) { window.installEventFilter(this); }
    QStringList said;
    QStringList described;
    std::function<void()> onSaid;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::WindowTitleChange)
            described << static_cast<QWidget*>(watched)->accessibleDescription();
        if (event->type() != QEvent::ChildAdded)
            return false;
        if (auto* announcement = qobject_cast<TAnnouncement*>(static_cast<QChildEvent*>(event)->child())) {
            said << announcement->Text();
            if (onSaid)
                onSaid();
        }
        return false;
    }
};

QStringList LabelNames(QAccessibleInterface& iface) {
    QStringList names;
    for (const auto& [label, relation] : iface.relations(QAccessible::Label))
        names << label->text(QAccessible::Name);
    return names;
}

// Presses Tab in `window` until `target` has the focus; false if it never comes.
bool TabTo(QWidget& window, const QWidget& target) {
    for (int tabs = 0; tabs < 20 && !target.hasFocus(); ++tabs)
        QTest::keyClick(&window, Qt::Key_Tab);
    return target.hasFocus();
}

// What an action or a key did: the menu named `effect` is up, on the item `current` if one is given,
// or the address `effect` was opened.
void VerifyEffect(const TWindows& windows, const QString& effect, const QString& current = {}) {
    if (effect.startsWith(u"https:"_s)) {
        QTRY_COMPARE(windows.dialogs.openedUrls, QList<QUrl>{QUrl(effect)});
        return;
    }
    auto* popup = windows.window->findChild<QMenu*>(effect);
    QVERIFY(popup);
    QTRY_VERIFY(popup->isVisible());
    if (!current.isEmpty()) {
        auto* open = qobject_cast<QMenu*>(QApplication::activePopupWidget()); // a submenu, maybe
        QVERIFY(open && open->activeAction());
        QCOMPARE(open->activeAction()->iconText(), current);
    }
    while (QWidget* open = QApplication::activePopupWidget())
        open->close();
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
        QTest::addColumn<QString>("label"); // a label it is labelled by, or empty
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("effect");   // see VerifyEffect
        QTest::addColumn<QString>("shortcut"); // the window's key for the action, or empty
        const auto row = [](const char* tag, const char* window, const char* object, QAccessible::Role role,
                            const QString& name, const QString& label, const QString& action = {},
                            const QString& effect = {}, const QString& shortcut = {}) {
            QTest::newRow(tag) << QString::fromLatin1(window) << QString::fromLatin1(object) << int(role)
                               << name << label << action << effect << shortcut;
        };
        const QString press = QAccessibleActionInterface::pressAction();
        const QString show = QAccessibleActionInterface::showMenuAction();
        const QString profile = u"Profile: "_s + kMp3;
        row("profile box, show menu", "main", "fpType", QAccessible::ComboBox, profile, u"Profile:"_s, show,
            u"pmType"_s, u"Ctrl+P"_s);
        row("profile box, press", "main", "fpType", QAccessible::ComboBox, profile, u"Profile:"_s, press,
            u"pmType"_s, u"Ctrl+P"_s);
        row("arrow", "main", "suiArrowButton3", QAccessible::Button, u"Profile list"_s, {}, press,
            u"pmType"_s);
        row("gear", "main", "WlmShiftImage1", QAccessible::Button, u"Advanced menu"_s, {}, press,
            u"suiPopupMenu1"_s);
        row("Advanced", "main", "lbEAddress", QAccessible::Link, u"Advanced"_s, {}, press, u"suiPopupMenu1"_s,
            u"Ctrl+A"_s);
        row("updates", "main", "lUpdate", QAccessible::Link, u"Check for updates..."_s, {}, press,
            UpdatePageUrl().toString());
        row("title", "main", "lTitle", QAccessible::Link, MakerSiteName(), {}, press,
            MakerSiteUrl().toString());
        row("icon", "main", "Image1", QAccessible::Link, u"Home Page"_s, {}, press, HomePageUrl().toString());
        row("output folder", "main", "eOutputFolder", QAccessible::EditableText, u"Output Folder:"_s,
            u"Output Folder:"_s);
        row("main window", "main", "frmMain", QAccessible::Window, u"Tarvix Clipvane"_s, {});
        row("About link", "about", "lbEAddress", QAccessible::Link, MakerSiteName(), {}, press,
            HomePageUrl().toString());
        row("FFmpeg browser", "ffmpeg", "bBrowser", QAccessible::Button, u"Browse for FFmpeg"_s, {});
        row("progress", "batch", "suiProgressBar2", QAccessible::ProgressBar, u"Conversion progress"_s, {});
        row("time elapsed", "batch", "lTimeElapsed", QAccessible::StaticText, u"00:00"_s,
            u"Time elapsed: "_s);
        row("time estimated", "batch", "lTimeEstimated", QAccessible::StaticText, u"00:00"_s,
            u"Time estimated: "_s);
    }
    void controls() {
        QFETCH(QString, window);
        QFETCH(QString, object);
        QFETCH(int, role);
        QFETCH(QString, name);
        QFETCH(QString, label);
        QFETCH(QString, action);
        QFETCH(QString, effect);
        QFETCH(QString, shortcut);
        TWindows windows(window);
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(windows.Find(object));
        QVERIFY(iface);
        QCOMPARE(int(iface->role()), role);
        QCOMPARE(iface->text(QAccessible::Name), name);
        if (!label.isEmpty())
            QVERIFY2(LabelNames(*iface).contains(label), qPrintable(LabelNames(*iface).join(u'|')));
        if (action.isEmpty())
            return;
        QVERIFY2(iface->actionInterface()->actionNames().contains(action),
                 qPrintable(iface->actionInterface()->actionNames().join(u'|')));
        if (!shortcut.isEmpty()) {
            // AT-SPI's "mnemonic;path;accelerator", and UI Automation's accelerator.
            const QStringList keys = iface->actionInterface()->keyBindingsForAction(action);
            QCOMPARE(keys, (QStringList{{}, {}, shortcut}));
            QCOMPARE(iface->text(QAccessible::Accelerator), shortcut);
        }
        iface->actionInterface()->doAction(action);
        VerifyEffect(windows, effect);
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

        QVERIFY(iface->state().collapsed && !iface->state().expanded);
        iface->actionInterface()->doAction(QAccessibleActionInterface::showMenuAction());
        QTRY_VERIFY(windows.window->findChild<QMenu*>(u"pmType"_s)->isVisible());
        QVERIFY(iface->state().expanded && !iface->state().collapsed);
        item->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(box->Caption(), u"WAV - Waveform Audio"_s);
        QCOMPARE(iface->text(QAccessible::Name), u"Profile: WAV - Waveform Audio"_s);
        QCOMPARE(iface->text(QAccessible::Value), u"WAV - Waveform Audio"_s);
        // Chosen by the reader, as by a click, the menus close.
        QVERIFY(!QApplication::activePopupWidget());
    }

    // Tab reaches each acting control after the designed order, draws its focus, and Space or Return
    // does what a click does.
    void keyboard_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("object");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("effect");  // see VerifyEffect
        QTest::addColumn<QString>("current"); // the item a menu opens on
        QTest::newRow("profile box, Space")
            << u"main"_s << u"fpType"_s << int(Qt::Key_Space) << u"pmType"_s << kMp3;
        QTest::newRow("profile box, Return")
            << u"main"_s << u"fpType"_s << int(Qt::Key_Return) << u"pmType"_s << kMp3;
        QTest::newRow("profile box, Alt+Down")
            << u"main"_s << u"fpType"_s << (Qt::Key_Down | Qt::AltModifier).toCombined() << u"pmType"_s
            << kMp3;
        QTest::newRow("Advanced") << u"main"_s << u"lbEAddress"_s << int(Qt::Key_Space) << u"suiPopupMenu1"_s
                                  << u"Home Page"_s;
        QTest::newRow("updates") << u"main"_s << u"lUpdate"_s << int(Qt::Key_Return)
                                 << UpdatePageUrl().toString() << QString();
        QTest::newRow("title") << u"main"_s << u"lTitle"_s << int(Qt::Key_Space) << MakerSiteUrl().toString()
                               << QString();
        QTest::newRow("About link") << u"about"_s << u"lbEAddress"_s << int(Qt::Key_Space)
                                    << HomePageUrl().toString() << QString();
    }
    void keyboard() {
        QFETCH(QString, window);
        QFETCH(QString, object);
        QFETCH(int, key);
        QFETCH(QString, effect);
        QFETCH(QString, current);
        TWindows windows(window);
        // Each window still opens with the focus where it always had it.
        QCOMPARE(QApplication::focusWidget(),
                 windows.Find(window == u"main"_s ? u"eOutputFolder"_s : u"bOK"_s));
        QWidget* target = windows.Find(object);
        const QImage unfocused = target->grab().toImage();
        QVERIFY(TabTo(*windows.window, *target));
        QVERIFY2(target->grab().toImage() != unfocused, "the focus is not drawn");
        QTest::keyClick(target, Qt::Key(key & ~Qt::KeyboardModifierMask),
                        Qt::KeyboardModifiers(key & Qt::KeyboardModifierMask));
        VerifyEffect(windows, effect, current);
    }

    // A window opened from the keyboard shows its focus from the start, as the batch window's Stop
    // must; opened by the mouse, it looks as it always has.
    void windowFromTheKeyboardShowsTheFocus_data() {
        QTest::addColumn<bool>("tabbed");
        QTest::newRow("after Tab") << true;
        QTest::newRow("mouse only") << false;
    }
    void windowFromTheKeyboardShowsTheFocus() {
        QFETCH(bool, tabbed);
        TWindows windows(u"main"_s);
        if (tabbed)
            QTest::keyClick(windows.window.get(), Qt::Key_Tab);
        QDialog batch(windows.window.get());
        auto* stop = new QPushButton(u"Stop"_s, &batch);
        batch.show();
        QVERIFY(QTest::qWaitForWindowActive(&batch));
        QTRY_COMPARE(batch.focusWidget(), stop);
        QCOMPARE(batch.testAttribute(Qt::WA_KeyboardFocusChange), tabbed);
    }

    // The whole road to a profile by keys: Ctrl+P opens on the current profile, Down, Return.
    void keysChooseAProfile() {
        TWindows windows(u"main"_s);
        QTest::keyClick(windows.window.get(), Qt::Key_P, Qt::ControlModifier);
        QTRY_VERIFY(QApplication::activePopupWidget());
        for (Qt::Key key : {Qt::Key_Down, Qt::Key_Return}) {
            QTest::keyClick(QApplication::activePopupWidget(), key);
            QTest::qWait(20);
        }
        QTRY_VERIFY(!QApplication::activePopupWidget());
        QCOMPARE(static_cast<TFlatPanel*>(windows.Find(u"fpType"_s))->Caption(), u"OGG - Ogg Vobis Audio"_s);
    }

    // How a batch ended, as a screen reader says it.
    void batchEndSpoken_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("converted");
        QTest::addColumn<int>("failed");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("skipped");
        QTest::newRow("one") << 1 << 1 << 0 << u"1 file converted."_s << 0;
        QTest::newRow("all") << 3 << 3 << 0 << u"3 files converted."_s << 0;
        QTest::newRow("failures") << 3 << 2 << 1 << u"2 files converted, 1 failed."_s << 0;
        QTest::newRow("stopped") << 5 << 2 << 1 << u"Stopped: 2 of 5 files converted."_s << 0;
        QTest::newRow("stopped at once") << 1 << 0 << 0 << u"Stopped: 0 of 1 file converted."_s << 0;
        QTest::newRow("skipped files ended the batch, apart from failures")
            << 5 << 2 << 1 << u"2 files converted, 1 failed, 2 skipped."_s << 2;
        QTest::newRow("stopped after a skip") << 5 << 1 << 0 << u"Stopped: 1 of 5 files converted."_s << 1;
    }
    void batchEndSpoken() {
        QFETCH(int, count);
        QFETCH(int, converted);
        QFETCH(int, failed);
        QFETCH(QString, text);
        QFETCH(int, skipped);
        QCOMPARE(BatchEndSpokenText(converted, failed, count, skipped), text);
    }

    // The batch window says the file it turns to with its times, and the main window, active again,
    // says how the batch ended: as notifications, which show nothing.
    void batchIsSpoken_data() {
        QTest::addColumn<QString>("params");
        QTest::addColumn<bool>("stop");
        QTest::addColumn<QString>("end");
        // Each file long enough to be named: the window passes over files that come faster.
        QTest::newRow("converted") << u"--duration 00:00:10.00 --time 00:00:05.00 --sleep 120 "_s << false
                                   << u"3 files converted."_s;
        QTest::newRow("stopped in the second")
            << u"--duration 00:00:10.00 --time 00:00:05.00 --only-for b.avi --hang "_s << true
            << u"Stopped: 1 of 3 files converted."_s;
    }
    void batchIsSpoken() {
        QFETCH(QString, params);
        QFETCH(bool, stop);
        QFETCH(QString, end);
        QTemporaryDir dir;
        std::vector<std::string> files;
        for (const QString& name : {u"a.avi"_s, u"b.avi"_s, u"c.avi"_s}) {
            QFile input(dir.filePath(name));
            QVERIFY(input.open(QIODevice::WriteOnly) && input.write("input") == 5);
            files.push_back(input.fileName().toStdString());
        }
        QWidget owner;
        owner.show();
        QVERIFY(QTest::qWaitForWindowActive(&owner));
        TConvertProcess runner;
        TfrmConvert batch(&owner, runner, files);
        batch.Job().OutputExt = ".mp3";
        batch.Job().FFmpegParams = params.toStdString();
        batch.Job().FFmpegPath = FAKE_ENCODER_PATH;
        batch.Job().NotUseAnotherFFmpeg = false;
        TSaidWatch batchSaid(batch);
        TSaidWatch ownerSaid(owner);
        if (stop)
            batchSaid.onSaid = [&batch] {
                QMetaObject::invokeMethod(batch.findChild<QPushButton*>(u"bStop"_s), &QPushButton::click,
                                          Qt::QueuedConnection);
            };
        QTimer::singleShot(30000, &batch, [&batch] { batch.done(99); });
        batch.exec();
        // Read with the window as it opens: the first file; said as they come: the others.
        QVERIFY2(batchSaid.described.value(1).startsWith(u"a.mp3, Time elapsed: "_s),
                 qPrintable(batchSaid.described.join(u'|')));
        QCOMPARE(batchSaid.said.size(), stop ? 1 : 2);
        QVERIFY2(batchSaid.said[0].startsWith(u"b.mp3, Time elapsed: "_s), qPrintable(batchSaid.said[0]));
        QVERIFY(batchSaid.said[0].contains(u", Time estimated: "_s));
        QCOMPARE(batch.accessibleDescription(), batchSaid.said.last());
        // Said once the main window is back, where the reader would otherwise drown it.
        owner.activateWindow();
        QTRY_COMPARE(ownerSaid.said, QStringList{end});
        auto* announcement = owner.findChild<TAnnouncement*>();
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(announcement);
        QCOMPARE(iface->role(), QAccessible::Notification);
        QCOMPARE(iface->text(QAccessible::Name), end);
        QCOMPARE(iface->parent()->object(), &owner);
    }

    // The failure details behind "Show Details..." can be reached and read with the keyboard, and the
    // button's new name is said each time it changes.
    void failureDetailsByKeyboard() {
        bool reached = false;
        QTimer::singleShot(0, qApp, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box && QTest::qWaitForWindowActive(box));
            const auto close = qScopeGuard([box] { box->done(QMessageBox::Ok); });
            TSaidWatch said(*box);
            QAbstractButton* details = box->buttons().value(1); // after OK
            QVERIFY(details && TabTo(*box, *details));
            QTest::keyClick(details, Qt::Key_Space);
            QTRY_COMPARE(said.said, QStringList{u"Hide Details..."_s});
            auto* text = box->findChild<QTextEdit*>();
            QVERIFY(text && TabTo(*box, *text));
            QVERIFY(text->textInteractionFlags().testFlag(Qt::TextSelectableByKeyboard));
            QVERIFY(TabTo(*box, *details));
            QTest::keyClick(details, Qt::Key_Space);
            QTRY_COMPARE(said.said, (QStringList{u"Hide Details..."_s, u"Show Details..."_s}));
            reached = true;
        });
        TQtDialogs().Message(nullptr, QMessageBox::Information, u"Tarvix Clipvane"_s,
                             u"a.avi, file conversion failed."_s, QMessageBox::Ok,
                             u"a.avi:\nThe encoder ended with exit code 1."_s);
        QVERIFY(reached);
    }
};

QTEST_MAIN(tst_Accessibility)
#include "tst_Accessibility.moc"
