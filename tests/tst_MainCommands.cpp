#include "DialogChecks.h"
#include "ScriptedDialogs.h"
#include "TestFiles.h"
#include "gui/Links.h"
#include "gui/Main.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCursor>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <functional>
#include <memory>

using namespace clipvane;
using namespace Qt::StringLiterals;

namespace {

struct TSetup {
    QTemporaryDir dir{ScriptsFolderTemplate()};
    TScriptedDialogs dialogs;
    std::unique_ptr<TfrmMain> window =
        std::make_unique<TfrmMain>([this] { return dir.path().toStdString() + '/'; });

    QString T(QString text) const { return text.replace(u"%T"_s, dir.path()); }
    QString Untemp(QString text) const {
        return text.replace(dir.path(), u"%T"_s).replace(QDir::toNativeSeparators(dir.path()), u"%T"_s);
    }
    QLineEdit& Box() const { return *Child<QLineEdit>(*window, "eOutputFolder"); }
    QAction& Item(const char* name) const { return *Child<QAction>(*window, name); }
    QStringList Messages() const {
        QStringList seen;
        for (const auto& asked : dialogs.messages)
            seen << (asked.icon == QMessageBox::Critical ? u"error: "_s : u"info: "_s) + Untemp(asked.text);
        return seen;
    }
};

// Runs `during` inside the next modal dialog's own loop.
void InModal(const std::function<void(QWidget&)>& during) {
    QTimer::singleShot(0, qApp, [during] {
        if (QWidget* dialog = QApplication::activeModalWidget())
            during(*dialog);
    });
}

} // namespace

class tst_MainCommands final : public QObject {
    Q_OBJECT

private slots:
    void showFiles_data() {
        QTest::addColumn<bool>("sameInput");
        QTest::addColumn<QString>("inputFolder"); // SameInputFolder; "%T" is the temporary folder
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("opened"); // the folder handed to the shell, empty for none
        QTest::addColumn<QStringList>("seen");
        const QString missing = u"error: %T/gone, the output directory does not exist."_s;
        QTest::newRow("the box's folder")
            << false << QString() << u"%T/out"_s << u"%T/out"_s << QStringList();
        QTest::newRow("an input folder is ignored while the box counts")
            << false << u"%T/in/"_s << u"%T/out"_s << u"%T/out"_s << QStringList();
        QTest::newRow("same as input before any selection: the box's folder")
            << true << QString() << u"%T/out"_s << u"%T/out"_s << QStringList();
        QTest::newRow("same as input after a selection: its folder")
            << true << u"%T/in/"_s << u"%T/gone"_s << u"%T/in"_s << QStringList();
        QTest::newRow("missing folder")
            << false << QString() << u"%T/gone"_s << QString() << QStringList{missing};
        QTest::newRow("missing input folder")
            << true << u"%T/gone"_s << u"%T/out"_s << QString() << QStringList{missing};
        QTest::newRow("empty box") << false << QString() << QString() << QString()
                                   << QStringList{u"error: , the output directory does not exist."_s};
        QTest::newRow("a relative folder is the one under the working folder")
            << false << QString() << u"out"_s << u"%T/out"_s << QStringList();
    }
    void showFiles() {
        QFETCH(bool, sameInput);
        QFETCH(QString, inputFolder);
        QFETCH(QString, box);
        QFETCH(QString, opened);
        QFETCH(QStringList, seen);
        TSetup setup;
        QVERIFY(QDir(setup.dir.path()).mkpath(u"out"_s) && QDir(setup.dir.path()).mkpath(u"in"_s));
        const QString working = QDir::currentPath();
        QDir::setCurrent(setup.dir.path());
        setup.Box().setText(setup.T(box));
        Child<QCheckBox>(*setup.window, "cbSameInput")->setChecked(sameInput);
        setup.window->SameInputFolder = setup.T(inputFolder).toStdString();
        Child<QPushButton>(*setup.window, "bShowFiles")->click();
        QDir::setCurrent(working);
        QCOMPARE(setup.Messages(), seen);
        QList<QUrl> urls;
        if (!opened.isEmpty())
            urls << QUrl::fromLocalFile(setup.T(opened));
        QCOMPARE(setup.dialogs.openedUrls, urls);
        // What was looked at is remembered, found or not.
        QCOMPARE(QString::fromStdString(setup.window->OutputDirectory),
                 setup.T(sameInput && !inputFolder.isEmpty() ? inputFolder : box));
    }

    void browse_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("chosen"); // empty: cancelled
        QTest::addColumn<QString>("startedAt");
        QTest::addColumn<QString>("after"); // the box's text and OutputDirectory afterwards
        // A chosen folder is shown with the system's own separators; a typed one stays as typed.
        const QString out = QDir::toNativeSeparators(u"%T/out"_s);
        QTest::newRow("existing folder, chosen") << u"%T"_s << u"%T/out"_s << u"%T"_s << out;
        QTest::newRow("missing folder starts nowhere") << u"%T/gone"_s << u"%T/out"_s << QString() << out;
        QTest::newRow("cancel changes nothing") << u"%T/gone"_s << QString() << QString() << u"%T/gone"_s;
    }
    void browse() {
        QFETCH(QString, box);
        QFETCH(QString, chosen);
        QFETCH(QString, startedAt);
        QFETCH(QString, after);
        TSetup setup;
        setup.window->OutputDirectory = setup.T(u"%T/gone"_s).toStdString();
        setup.Box().setText(setup.T(box));
        setup.dialogs.folders.enqueue(setup.T(chosen));
        Child<QPushButton>(*setup.window, "bBrowser")->click();
        QCOMPARE(setup.dialogs.folderPickers.size(), 1);
        QCOMPARE(setup.dialogs.folderPickers[0].caption, u"Please select the directory to output"_s);
        QCOMPARE(setup.Untemp(setup.dialogs.folderPickers[0].folder), startedAt);
        QCOMPARE(setup.Untemp(setup.Box().text()), after);
        QCOMPARE(setup.Untemp(QString::fromStdString(setup.window->OutputDirectory)), after);
    }

    void encoderChoice_data() {
        QTest::addColumn<bool>("notUseBefore");
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("notUse");
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("mark");
        QTest::addColumn<QString>("stored");
        QTest::newRow("OK with another encoder marks the item")
            << true << u"%T/encoder"_s << false << u"bOK"_s << true << u"%T/encoder"_s;
        QTest::newRow("OK with Don't use it clears the mark")
            << false << u"%T/typed"_s << true << u"bOK"_s << false << u"%T/typed"_s;
        QTest::newRow("Cancel keeps the mark of the default encoder")
            << true << u"%T/encoder"_s << false << u"bCancel"_s << false << u"/old"_s;
        QTest::newRow("Cancel keeps the mark of another encoder")
            << false << QString() << true << u"bCancel"_s << true << u"/old"_s;
    }
    void encoderChoice() {
        QFETCH(bool, notUseBefore);
        QFETCH(QString, path);
        QFETCH(bool, notUse);
        QFETCH(QString, button);
        QFETCH(bool, mark);
        QFETCH(QString, stored);
        TSetup setup;
        QVERIFY(WriteFile(setup.dir.filePath(u"encoder"_s), "x"));
        setup.window->AnotherFFmpeg = "/old";
        setup.window->NotUseAnotherFFmpeg = notUseBefore;
        setup.window->iAboutClick(); // the mark as the menu shows it
        Child<QMenu>(*setup.window, "suiPopupMenu1")->hide();
        InModal([&](QWidget& dialog) {
            Child<QLineEdit>(dialog, "Edit1")->setText(setup.T(path));
            Child<QCheckBox>(dialog, "cbNotUseAnother")->setChecked(notUse);
            Child<QPushButton>(dialog, qPrintable(button))->click();
        });
        setup.Item("UseanotherFFMpeg1").trigger(); // as a click on the item does, toggling its mark
        QCOMPARE(setup.Item("UseanotherFFMpeg1").isChecked(), mark);
        QCOMPARE(setup.Untemp(QString::fromStdString(setup.window->AnotherFFmpeg)), stored);
        QCOMPARE(setup.window->NotUseAnotherFFmpeg, !mark);
    }

    // Each "About..." is a window of its own, gone when it closes.
    void aboutTwice() {
        TSetup setup;
        QList<QPointer<QWidget>> shown;
        for (int round = 0; round < 2; ++round) {
            InModal([&](QWidget& about) {
                shown << &about;
                Child<QPushButton>(about, "bOK")->click();
            });
            setup.Item("About1").trigger();
            QCOMPARE(shown.size(), round + 1);
            QVERIFY(shown.back().isNull());
        }
        QCOMPARE(setup.dialogs.messages.size(), 0);
    }

    void menuEntries() {
        TSetup setup;
        QStringList entries;
        for (const QAction* action : Child<QMenu>(*setup.window, "suiPopupMenu1")->actions())
            entries << (action->isSeparator() ? u"-"_s : action->text());
        QCOMPARE(entries,
                 (QStringList{u"&Home Page"_s, u"-"_s, u"&Use another FFmpeg"_s, u"-"_s, u"&Donate"_s, u"-"_s,
                              u"Convert several files at once (up to %1)"_s.arg(QThread::idealThreadCount()),
                              u"&Keep the source's dates"_s, u"&When an output exists"_s, u"-"_s,
                              u"&About..."_s}));
    }

    // One of Ask, Replace and Skip is checked, as settings.ini says; a click chooses and is saved.
    void whenOutputExistsItems_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("checked");
        QTest::addColumn<QString>("click");
        QTest::addColumn<QByteArray>("saved");
        QTest::newRow("missing: the question, as designed")
            << QByteArray() << u"miExistingAsk"_s << u"miExistingSkip"_s << QByteArray("WhenOutputExists=2");
        QTest::newRow("1: replace") << QByteArray("WhenOutputExists=1") << u"miExistingReplace"_s
                                    << u"miExistingAsk"_s << QByteArray("WhenOutputExists=0");
        QTest::newRow("unknown value: the question")
            << QByteArray("WhenOutputExists=9") << u"miExistingAsk"_s << u"miExistingReplace"_s
            << QByteArray("WhenOutputExists=1");
    }
    void whenOutputExistsItems() {
        QFETCH(QByteArray, stored);
        QFETCH(QString, checked);
        QFETCH(QString, click);
        QFETCH(QByteArray, saved);
        TSetup setup;
        setup.window.reset();
        const QString ini = setup.dir.filePath(u"settings.ini"_s);
        QVERIFY(WriteFile(ini, "[Options]\n" + stored + "\n"));
        setup.window = std::make_unique<TfrmMain>([&setup] { return setup.dir.path().toStdString() + '/'; });
        for (const char* name : {"miExistingAsk", "miExistingReplace", "miExistingSkip"})
            QCOMPARE(setup.Item(name).isChecked(), checked == QLatin1String(name));
        setup.Item(click.toLatin1().constData()).trigger();
        QVERIFY(setup.Item(click.toLatin1().constData()).isChecked());
        QVERIFY(!setup.Item(checked.toLatin1().constData()).isChecked());
        setup.window->close();
        QVERIFY2(ReadFile(ini).contains(QByteArray(saved + "\n")), ReadFile(ini).constData());
    }

    // The mark shows whether files convert at once; a click switches and the choice is saved.
    void convertAtOnceItem_data() {
        QTest::addColumn<QByteArray>("stored"); // the key's line in settings.ini, empty: none
        QTest::addColumn<bool>("mark");
        QTest::addColumn<QByteArray>("saved");
        QTest::addColumn<int>("upTo"); // the count the item names; 0: one per core
        const QByteArray zero("ConvertAtOnce=0"), one("ConvertAtOnce=1");
        QTest::newRow("missing: one at a time") << QByteArray() << false << zero << 0;
        QTest::newRow("1") << one << false << zero << 0;
        QTest::newRow("0: one per core") << zero << true << one << 0;
        QTest::newRow("hand-set 3") << QByteArray("ConvertAtOnce=3") << true << one << 3;
        QTest::newRow("hand-set 1000: four per core at most")
            << QByteArray("ConvertAtOnce=1000") << true << one << 4 * QThread::idealThreadCount();
    }
    void convertAtOnceItem() {
        QFETCH(QByteArray, stored);
        QFETCH(bool, mark);
        QFETCH(QByteArray, saved);
        QFETCH(int, upTo);
        TSetup setup;
        setup.window.reset();
        const QString ini = setup.dir.filePath(u"settings.ini"_s);
        QVERIFY(WriteFile(ini, "[Options]\n" + stored + "\n"));
        setup.window = std::make_unique<TfrmMain>([&setup] { return setup.dir.path().toStdString() + '/'; });
        setup.window->iAboutClick();
        Child<QMenu>(*setup.window, "suiPopupMenu1")->hide();
        QCOMPARE(setup.Item("miConvertAtOnce").isChecked(), mark);
        QCOMPARE(setup.Item("miConvertAtOnce").text(), u"Convert several files at once (up to %1)"_s.arg(
                                                           upTo == 0 ? QThread::idealThreadCount() : upTo));
        setup.Item("miConvertAtOnce").trigger(); // as a click on the item does, toggling its mark
        setup.window->close();
        QVERIFY2(ReadFile(ini).contains(QByteArray(saved + "\n")), ReadFile(ini).constData());
    }

    // Off unless the settings say so; a click switches, and the choice is saved after the designed keys.
    void keepDatesItem_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<bool>("mark");
        QTest::addColumn<QByteArray>("saved");
        QTest::newRow("missing: off")
            << QByteArray() << false << QByteArray("ConvertAtOnce=1\nKeepDates=1\n");
        QTest::newRow("1: on") << QByteArray("KeepDates=1") << true << QByteArray("KeepDates=0\n");
    }
    void keepDatesItem() {
        QFETCH(QByteArray, stored);
        QFETCH(bool, mark);
        QFETCH(QByteArray, saved);
        TSetup setup;
        setup.window.reset();
        const QString ini = setup.dir.filePath(u"settings.ini"_s);
        QVERIFY(WriteFile(ini, "[Options]\n" + stored + "\n"));
        setup.window = std::make_unique<TfrmMain>([&setup] { return setup.dir.path().toStdString() + '/'; });
        setup.window->iAboutClick();
        Child<QMenu>(*setup.window, "suiPopupMenu1")->hide();
        QCOMPARE(setup.Item("miKeepDates").isChecked(), mark);
        setup.Item("miKeepDates").trigger();
        QCOMPARE(setup.window->KeepDates, !mark);
        setup.window->close();
        QVERIFY2(ReadFile(ini).contains(saved), ReadFile(ini).constData());
    }

    // Image, label and Ctrl+A (wherever the focus is) each open the menu at the pointer, with the mark of the
    // current choice.
    void menuOpensAtThePointer() {
        TSetup setup;
        setup.window->show();
        QVERIFY(QTest::qWaitForWindowActive(setup.window.get()));
        QMenu* menu = Child<QMenu>(*setup.window, "suiPopupMenu1");
        const std::function<void()> ways[] = {
            [&] { QTest::mouseClick(Child<QWidget>(*setup.window, "WlmShiftImage1"), Qt::LeftButton); },
            [&] { QTest::mouseClick(Child<QWidget>(*setup.window, "lbEAddress"), Qt::LeftButton); },
            [&] { QTest::keyClick(setup.window.get(), Qt::Key_A, Qt::ControlModifier); },
            [&] { // also from the output folder box, which has the focus when the window opens
                setup.Box().setFocus();
                QTest::keyClick(&setup.Box(), Qt::Key_A, Qt::ControlModifier);
            },
        };
        int round = 0;
        for (const auto& way : ways) {
            const QPoint pointer(150 + 20 * round, 100 + 10 * round);
            setup.window->NotUseAnotherFFmpeg = round % 2 == 0;
            QCursor::setPos(pointer);
            way();
            QTRY_VERIFY(menu->isVisible());
            QCOMPARE(menu->pos(), pointer);
            QCOMPARE(setup.Item("UseanotherFFMpeg1").isChecked(), round % 2 != 0);
            menu->hide();
            QVERIFY(QTest::qWaitForWindowActive(setup.window.get()));
            ++round;
        }
    }

    void webPages_data() {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QUrl>("url");
        QTest::newRow("program icon") << u"Image1"_s << HomePageUrl();
        QTest::newRow("Home Page") << u"Homepage1"_s << HomePageUrl();
        QTest::newRow("Donate") << u"Donate1"_s << DonatePageUrl();
        QTest::newRow("title") << u"lTitle"_s << MakerSiteUrl();
    }
    void webPages() {
        QFETCH(QString, source);
        QFETCH(QUrl, url);
        TSetup setup;
        setup.window->show();
        if (QAction* item = Child<QAction>(*setup.window, qPrintable(source)))
            item->trigger();
        else
            QTest::mouseClick(Child<QWidget>(*setup.window, qPrintable(source)), Qt::LeftButton);
        QCOMPARE(setup.dialogs.openedUrls, QList<QUrl>{url});
    }
};

QTEST_MAIN(tst_MainCommands)
#include "tst_MainCommands.moc"
