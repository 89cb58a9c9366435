#include "ScriptedDialogs.h"
#include "TestFiles.h"
#include "core/BatchJournal.h"
#include "core/ProcessInfo.h"
#include "gui/Main.h"
#include "gui/controls/TFlatPanelUnit.h"
#include "gui/profiles/ProfileMenu.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

using namespace clipvane;
using namespace Qt::StringLiterals;

namespace {

const QString kMp3 = u"MP3 - MPEG Layer-3 Audio"_s;

// One line per message box: its kind and its text, so a table can list what the user saw.
QStringList Seen(const TScriptedDialogs& dialogs) {
    QStringList seen;
    for (const auto& asked : dialogs.messages) {
        const QString kind = asked.buttons.testFlag(QMessageBox::No) ? u"ask"_s
                             : asked.icon == QMessageBox::Critical   ? u"error"_s
                                                                     : u"info"_s;
        seen << kind + u": "_s + asked.text;
    }
    return seen;
}

struct TMainSetup {
    QTemporaryDir dir{ScriptsFolderTemplate()};
    TScriptedDialogs dialogs;

    QString Path(const QString& name) const { return dir.filePath(name); }
    std::string Folder() const { return dir.path().toStdString() + '/'; }
    std::unique_ptr<TfrmMain> Window() {
        return std::make_unique<TfrmMain>([this] { return Folder(); });
    }
};

template <class T> T* Child(QWidget& window, const char* name) {
    auto* child = window.findChild<T*>(QLatin1String(name));
    if (!child)
        qFatal("no %s", name);
    return child;
}

void SetBox(TfrmMain& window, const QString& folder, const QString& profile) {
    Child<QLineEdit>(window, "eOutputFolder")->setText(folder);
    Child<TFlatPanel>(window, "fpType")->SetCaption(profile);
}

} // namespace

class tst_Main final : public QObject {
    Q_OBJECT

private slots:
    void noTextIsClipped() {
        TMainSetup setup;
        auto window = setup.Window();
        window->show();
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            QString text;
            if (auto* label = qobject_cast<QLabel*>(widget))
                text = label->text();
            else if (auto* button = qobject_cast<QAbstractButton*>(widget))
                text = button->text();
            if (text.isEmpty() || !widget->isVisible())
                continue;
            const QString name = widget->objectName();
            QVERIFY2(widget->sizeHint().width() <= widget->width(), qPrintable(name));
            QVERIFY2(widget->parentWidget()->rect().contains(widget->geometry()), qPrintable(name));
        }
        // The update picture and link stay clear of the title's second line.
        QVERIFY(Child<QLabel>(*window, "lTitleHint")->geometry().right() <
                Child<QLabel>(*window, "iUpdate")->geometry().left());
    }

    void tabOrder() {
        TMainSetup setup;
        auto window = setup.Window();
        window->show();
        QWidget* widget = Child<QWidget>(*window, "bConvert");
        QStringList order;
        for (int i = 0; i < 6; ++i, widget = widget->nextInFocusChain()) {
            while (!(widget->focusPolicy() & Qt::TabFocus))
                widget = widget->nextInFocusChain();
            order << widget->objectName();
        }
        QCOMPARE(order, (QStringList{u"bConvert"_s, u"bShowFiles"_s, u"bExit"_s, u"eOutputFolder"_s,
                                     u"cbSameInput"_s, u"bBrowser"_s}));
    }

    void threeWaysOpenTheSameMenu() {
        TMainSetup setup;
        auto window = setup.Window();
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QMenu* menu = Child<QMenu>(*window, "pmType");
        QList<QRect> places;
        const std::function<void()> ways[] = {
            [&] { QTest::mouseClick(Child<QWidget>(*window, "fpType"), Qt::LeftButton, {}, QPoint(300, 5)); },
            [&] { QTest::mouseClick(Child<QWidget>(*window, "suiArrowButton3"), Qt::LeftButton); },
            [&] { QTest::keyClick(window.get(), Qt::Key_P, Qt::ControlModifier); },
        };
        for (const auto& way : ways) {
            way();
            QTRY_VERIFY(menu->isVisible());
            places << menu->geometry();
            menu->hide();
            QVERIFY(QTest::qWaitForWindowActive(window.get()));
        }
        QCOMPARE(places.size(), 3);
        QCOMPARE(places[1], places[0]);
        QCOMPARE(places[2], places[0]);
    }

    void manualConversion_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("label");
        QTest::newRow("OK puts the line into the box and the label follows")
            << u"bOK"_s << u"ffmpeg -i %1 -s 320x240 -r 14 -b 50k -ar 22050 -ab 56k -ac 1 %1.mov"_s
            << u"(*.mov)"_s;
        QTest::newRow("Cancel leaves the box alone") << u"bCancel"_s << kMp3 << u"(*.mp3)"_s;
    }
    void manualConversion() {
        QFETCH(QString, button);
        QFETCH(QString, caption);
        QFETCH(QString, label);
        TMainSetup setup;
        auto window = setup.Window();
        Child<TFlatPanel>(*window, "fpType")->SetCaption(kMp3);
        window->Picker().RefreshExtName();
        QTimer::singleShot(0, window.get(), [&button] {
            if (QWidget* dialog = QApplication::activeModalWidget())
                Child<QAbstractButton>(*dialog, qPrintable(button))->click();
        });
        window->Picker().miManualConvert()->trigger();
        QCOMPARE(Child<TFlatPanel>(*window, "fpType")->Caption(), caption);
        QCOMPARE(Child<TFlatPanel>(*window, "fpType")->toolTip(), button == u"bOK"_s ? caption : QString());
        QCOMPARE(Child<QLabel>(*window, "lExtName")->text(), label);
    }

    void convertChecks_data() {
        QTest::addColumn<bool>("sameInput");
        QTest::addColumn<QString>("folder"); // "%T" stands for the temporary folder, here and below
        QTest::addColumn<QString>("profile");
        QTest::addColumn<QString>("another"); // empty: the default encoder
        QTest::addColumn<bool>("yes");        // the answer to a question
        QTest::addColumn<QStringList>("selection");
        QTest::addColumn<QStringList>("seen");
        QTest::addColumn<bool>("picker");
        const QString missing = u"%T/new/out"_s, format = u"info: Please choose the output format!"_s;
        const QString ask = u"ask: %1, the output directory does not exist.\r\ncreates a new directory?"_s;
        const QStringList none;
        QTest::newRow("missing folder, No ends the command")
            << false << missing << kMp3 << QString() << false << none << QStringList{ask.arg(missing)}
            << false;
        QTest::newRow("missing folder, Yes creates it and goes on")
            << false << missing << kMp3 << QString() << true << none << QStringList{ask.arg(missing)} << true;
        QTest::newRow("folder that cannot be created is reported")
            << false << u"%T/file/out"_s << kMp3 << QString() << true << none
            << QStringList{ask.arg(u"%T/file/out"_s), u"error: Cannot create %T/file/out."_s} << false;
        QTest::newRow("folder question comes before the empty profile")
            << false << missing << QString() << QString() << true << none
            << QStringList{ask.arg(missing), format} << false;
        QTest::newRow("missing other encoder")
            << false << u"%T"_s << kMp3 << u"%T/none/ffmpeg"_s << false << none
            << QStringList{u"info: %T/none/ffmpeg. This FFmpeg.exe file does not exist."_s} << false;
        QTest::newRow("cancelled file dialog")
            << false << u"%T"_s << kMp3 << QString() << false << none << none << true;
#ifdef Q_OS_WIN
        QTest::newRow("a ? in the second of three names converts nothing")
            << false << u"%T"_s << kMp3 << QString() << false
            << QStringList{u"%T/a.avi"_s, u"%T/b?.avi"_s, u"%T/c.avi"_s}
            << QStringList{u"info: File name contains special characters.\r\nPlease rename the file and try again."_s}
            << true;
#endif
        QTest::newRow("same as input ignores the box")
            << true << missing << QString() << QString() << false << none << QStringList{format} << false;
    }
    void convertChecks() {
        QFETCH(bool, sameInput);
        QFETCH(QString, folder);
        QFETCH(QString, profile);
        QFETCH(QString, another);
        QFETCH(bool, yes);
        QFETCH(QStringList, selection);
        QFETCH(QStringList, seen);
        QFETCH(bool, picker);
        TMainSetup setup;
        const QString temp = setup.dir.path();
        WriteBytes(setup.Path(u"file"_s), "not a folder");
        auto window = setup.Window();
        SetBox(*window, QString(folder).replace(u"%T"_s, temp), profile);
        Child<QCheckBox>(*window, "cbSameInput")->setChecked(sameInput);
        window->NotUseAnotherFFmpeg = another.isEmpty();
        window->AnotherFFmpeg = QString(another).replace(u"%T"_s, temp).toStdString();
        setup.dialogs.answers.enqueue(yes ? QMessageBox::Yes : QMessageBox::No);
        setup.dialogs.fileNames.enqueue(selection.replaceInStrings(u"%T"_s, temp));
        window->bConvertClick();
        QCOMPARE(Seen(setup.dialogs).replaceInStrings(temp, u"%T"_s), seen);
        QCOMPARE(setup.dialogs.filePickers.size(), picker ? 1 : 0);
        QVERIFY(window->LastInputFolder.empty());
        if (!sameInput) // the box's text is remembered, whatever came of it
            QCOMPARE(QString::fromStdString(window->OutputDirectory).replace(temp, u"%T"_s), folder);
        QCOMPARE(QDir(temp + u"/new/out"_s).exists(), yes && folder == u"%T/new/out"_s);
    }

    void lastInputFolder() {
        TMainSetup setup;
        QVERIFY(QDir(setup.dir.path()).mkpath(u"in"_s));
        WriteBytes(setup.Path(u"in/a.avi"_s), "input");
        WriteBytes(setup.Path(u"a.mp3"_s), "old"); // declined, so no encoder is needed
        auto window = setup.Window();
        SetBox(*window, setup.dir.path(), kMp3);
        const QString in = QDir::toNativeSeparators(setup.Path(u"in/"_s)); // as a Windows user reads it
        for (int i = 0; i < 2; ++i)
            setup.dialogs.fileNames.enqueue({setup.Path(u"in/a.avi"_s)});
        window->bConvertClick();
        window->bConvertClick(); // opens where the first selection was
        setup.dialogs.fileNames.enqueue({});
        window->bConvertClick(); // cancelled: remembered folder kept
        QVERIFY(QDir(in).removeRecursively());
        window->bConvertClick(); // the folder is gone: the dialog starts where the system puts it
        QStringList folders;
        for (const auto& picker : setup.dialogs.filePickers)
            folders << picker.folder;
        QCOMPARE(folders, (QStringList{QString(), in, in, QString()}));
        QCOMPARE(QString::fromStdString(window->LastInputFolder), in);
        QVERIFY(window->SameInputFolder.empty());
        // The output folder joined with the system's own separator.
        const QString output = QDir::toNativeSeparators(setup.dir.path()) + QDir::separator() + u"a.mp3"_s;
        // The runner asks through a message box: without one every existing output would be skipped unasked.
        QCOMPARE(Seen(setup.dialogs).mid(0, 2), (QStringList{u"ask: %1 has existed,overite it?"_s.arg(output),
                                                             u"info: a.avi, file conversion failed."_s}));
        // Behind "Show Details...": the file, and that its output was kept.
        QCOMPARE(setup.dialogs.messages[1].details,
                 u"a.avi:\n%1 exists and was not overwritten."_s.arg(output));
        QVERIFY(!QFile::exists(setup.Path(u"batch.journal"_s))); // the batches ended
    }

    // With Skip chosen, existing outputs are neither asked about nor counted as failures: the summary
    // says how many were skipped after the failed names.
    void skippedOutputsAreNoFailures() {
        TMainSetup setup;
        for (const QString& name : {u"a"_s, u"b"_s, u"c"_s})
            WriteBytes(setup.Path(name + u".avi"_s), "input");
        WriteBytes(setup.Path(u"a.mp3"_s), "old");
        WriteBytes(setup.Path(u"b.mp3"_s), "old");
        auto window = setup.Window();
        SetBox(*window, setup.dir.path(), u"ffmpeg -i %1 --exit 1 %1.mp3"_s);
        window->NotUseAnotherFFmpeg = false;
        window->AnotherFFmpeg = FAKE_ENCODER_PATH;
        Child<QAction>(*window, "miExistingSkip")->trigger();
        setup.dialogs.fileNames.enqueue(
            {setup.Path(u"a.avi"_s), setup.Path(u"b.avi"_s), setup.Path(u"c.avi"_s)});
        window->bConvertClick();
        QCOMPARE(
            Seen(setup.dialogs),
            QStringList{u"info: c.avi, file conversion failed.\r\n2 files skipped: their outputs exist."_s});
        QCOMPARE(ReadBytes(setup.Path(u"a.mp3"_s)), QByteArray("old"));
    }

    // A batch the last run did not finish is offered once: Yes converts exactly its unfinished files
    // with its own job and folder, No forgets them.
    void resumeOffer_data() {
        QTest::addColumn<bool>("yes");
        QTest::addColumn<bool>("held"); // another run still keeps the journal
        QTest::newRow("Yes converts the two left") << true << false;
        QTest::newRow("No forgets them") << false << false;
        QTest::newRow("a batch another run converts is not offered") << true << true;
    }
    void resumeOffer() {
        QFETCH(bool, yes);
        QFETCH(bool, held);
        TMainSetup setup;
        TJournalBatch left;
        left.Job.OutputExt = ".wav";
        left.Job.FFmpegParams = "--time 00:00:01.00 ";
        left.Job.FFmpegPath = FAKE_ENCODER_PATH;
        left.Job.NotUseAnotherFFmpeg = false;
        left.SameInput = false;
        left.OutputFolder = setup.Path(u"out"_s).toStdString();
        for (const QString& name : {u"a.avi"_s, u"b.avi"_s, u"c.avi"_s}) {
            WriteBytes(setup.Path(name), "input");
            left.Files.push_back(setup.Path(name).toStdString());
        }
        auto journal = std::make_unique<TBatchJournal>();
        QVERIFY(journal->Begin(setup.Folder() + kJournalFileName, left));
        journal->Starting(0, setup.Path(u"out/a.wav"_s).toStdString());
        journal->Ended(0);
        if (!held)
            journal.reset(); // let go unfinished, as a killed run leaves it
        auto window = setup.Window();
        setup.dialogs.answers.enqueue(yes ? QMessageBox::Yes : QMessageBox::No);
        window->OfferResume();
        window->OfferResume(); // once a run
        if (held) {
            QCOMPARE(Seen(setup.dialogs), QStringList());
            QVERIFY(!QFile::exists(setup.Path(u"out/b.wav"_s)));
            QVERIFY(QFile::exists(setup.Path(u"batch.journal"_s)));
            return;
        }
        QCOMPARE(Seen(setup.dialogs).value(0),
                 u"ask: 2 files of the last batch were not converted. Convert them now?"_s);
        QCOMPARE(setup.dialogs.messages.size(), 1);
        QVERIFY(!QFile::exists(setup.Path(u"out/a.wav"_s)));
        QCOMPARE(QFile::exists(setup.Path(u"out/b.wav"_s)), yes);
        QCOMPARE(QFile::exists(setup.Path(u"out/c.wav"_s)), yes);
        QVERIFY(!QFile::exists(setup.Path(u"batch.journal"_s)));
    }

#ifndef Q_OS_WIN
    // Only a Windows ANSI name turns characters into "?"; here it is a character like any other.
    void questionMarkInANameIsConverted() {
        TMainSetup setup;
        for (const QString& name : {u"a"_s, u"b?"_s, u"c"_s}) {
            WriteBytes(setup.Path(name + u".avi"_s), "input");
            WriteBytes(setup.Path(name + u".mp3"_s), "old"); // declined: no encoder is needed
        }
        auto window = setup.Window();
        SetBox(*window, setup.dir.path(), kMp3);
        setup.dialogs.fileNames.enqueue(
            {setup.Path(u"a.avi"_s), setup.Path(u"b?.avi"_s), setup.Path(u"c.avi"_s)});
        window->bConvertClick();
        QStringList expected;
        for (const QString& name : {u"a"_s, u"b?"_s, u"c"_s})
            expected << u"ask: %1 has existed,overite it?"_s.arg(setup.Path(name + u".mp3"_s));
        expected << u"info: a.avi, b?.avi, c.avi, file conversion failed."_s;
        QCOMPARE(Seen(setup.dialogs), expected);
    }
#endif

    // A quit request during a batch (a signal, a logout) is a close of the window: the encoder and
    // its work file go, the settings are saved, and no box waits for an answer.
    void quitDuringABatch() {
        TMainSetup setup;
        WriteBytes(setup.Path(u"a.avi"_s), "input");
        auto window = setup.Window();
        const QString profile = u"ffmpeg -i %1 --write-args --time 00:00:01.00 --hang %1.mp3"_s;
        SetBox(*window, setup.dir.path(), profile);
        window->NotUseAnotherFFmpeg = false;
        window->AnotherFFmpeg = FAKE_ENCODER_PATH;
        setup.dialogs.fileNames.enqueue({setup.Path(u"a.avi"_s)});
        const auto workFiles = [&] {
            return QDir(setup.dir.path()).entryList({u".a.clipvane-*.mp3"_s}, QDir::Files | QDir::Hidden);
        };
        bool wasWriting = false;
        QTimer::singleShot(0, window.get(), [&] {
            QTRY_VERIFY_WITH_TIMEOUT(wasWriting = !workFiles().isEmpty(), 20000);
            window->EndSession();
        });
        window->bConvertClick(); // returns once the batch window's loop has ended
        QVERIFY(wasWriting);
        QVERIFY(workFiles().isEmpty());
        QVERIFY(!QFile::exists(setup.Path(u"a.mp3"_s)));
        QCOMPARE(Seen(setup.dialogs), QStringList());
        // The batch did not end: its journal stays for the next start to offer.
        QVERIFY(QFile::exists(setup.Path(u"batch.journal"_s)));
        QFile ini(setup.Path(u"settings.ini"_s));
        QVERIFY(ini.open(QIODevice::ReadOnly));
        QVERIFY(ini.readAll().contains(QByteArray(QByteArray("OutputFormat=") + profile.toUtf8())));
    }

    void realEncoderReportsTheCorruptFile() {
        if (QStandardPaths::findExecutable(u"ffmpeg"_s).isEmpty())
            QSKIP("ffmpeg is not installed");
        TMainSetup setup;
        QVERIFY(QDir(setup.dir.path()).mkpath(u"out"_s));
        WriteBytes(setup.Path(u"tone \"one\".wav"_s), ToneWav());
        WriteBytes(setup.Path(u"-corrupt é.avi"_s), QByteArray(4096, '\x5a'));
        auto window = setup.Window();
        SetBox(*window, setup.Path(u"out"_s), kMp3);
        setup.dialogs.fileNames.enqueue({setup.Path(u"tone \"one\".wav"_s), setup.Path(u"-corrupt é.avi"_s)});
        QTimer::singleShot(60000, window.get(), [] {
            if (QWidget* batch = QApplication::activeModalWidget())
                batch->close();
        });
        window->bConvertClick();
        QCOMPARE(Seen(setup.dialogs), QStringList{u"info: -corrupt é.avi, file conversion failed."_s});
        QVERIFY(ReadFile(setup.Path(u"out/tone \"one\".mp3"_s)).size() > 1000);
        // The encoder's own last word on the file, and only the failed file has a block.
        const QStringList details = setup.dialogs.messages[0].details.split(u'\n');
        QCOMPARE(details.first(), u"-corrupt é.avi:"_s);
        QVERIFY2(details.last().endsWith(u"-corrupt é.avi: Invalid data found when processing input"_s),
                 qPrintable(details.last()));
        QVERIFY(details.size() <= 9);
        QVERIFY(!setup.dialogs.messages[0].details.contains(u"one\".wav:"_s));
    }

    void settingsRoundTrip() {
        TMainSetup setup;
        QVERIFY(QDir(setup.dir.path()).mkpath(u"out"_s));
        {
            auto window = setup.Window();
            window->show();
            auto* box = Child<QLineEdit>(*window, "eOutputFolder");
            QCOMPARE(box->text(), QString::fromStdString(setup.Folder())); // first start
            QCOMPARE(Child<QLabel>(*window, "lExtName")->text(), u"(*)"_s);
            SetBox(*window, setup.Path(u"out"_s), kMp3);
            Child<QCheckBox>(*window, "cbSameInput")->setChecked(true);
            window->close();
        }
        auto window = setup.Window();
        window->show();
        QCOMPARE(Child<QLineEdit>(*window, "eOutputFolder")->text(), setup.Path(u"out"_s));
        QVERIFY(!Child<QLineEdit>(*window, "eOutputFolder")->isEnabled());
        QCOMPARE(Child<TFlatPanel>(*window, "fpType")->toolTip(), kMp3);
        QCOMPARE(Child<QLabel>(*window, "lExtName")->text(), u"(*.mp3)"_s);
    }

    void badSettingsFile_data() {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("format");  // what the profile box shows
        QTest::addColumn<QByteArray>("kept"); // bytes the rewritten file still holds
        QByteArray garbage(64 * 1024, '\0');
        for (int i = 0; i < garbage.size(); ++i)
            garbage[i] = char((i * 7919) % 256);
        QTest::newRow("binary garbage") << garbage << QString() << QByteArray();
        QTest::newRow("10 MB of one line") << QByteArray(10 * 1024 * 1024, 'x') << QString() << QByteArray();
        QTest::newRow("5000 characters of profile, read as 2047")
            << "[Options]\nOutputFormat=" + QByteArray(5000, 'p') << QString(2047, u'p') << QByteArray();
        QTest::newRow("control characters in the output folder")
            << QByteArray(
                   "[Options]\nOutputDirectory=/x\x01\x1b\t\ry\nOutputFormat=MP3 - MPEG Layer-3 Audio\n")
            << kMp3 << QByteArray("OutputDirectory=/x\x01\x1b\ty\n");
#ifdef Q_OS_WIN
        const QString legacy = AnsiCodePageName();
        QTest::newRow(
            "a file an earlier build wrote in the ANSI code page reads whole, is rewritten as UTF-8")
            << "[Options]\r\nOutputDirectory=C:\\" + legacy.toLocal8Bit() +
                   "\r\nOutputFormat=ffmpeg -i %1 -ab 1 " + legacy.toLocal8Bit() + "\r\n"
            << u"ffmpeg -i %1 -ab 1 "_s + legacy << "OutputDirectory=C:\\" + legacy.toUtf8() + "\r\n";
#else
        const QByteArray latin1 =
            "[Options]\r\nOutputDirectory=/m\xe9\r\nOutputFormat=ffmpeg -i %1 -ab 1 %1.\xff\r\n";
        QTest::newRow("bytes that are no UTF-8 are written back unchanged")
            << latin1 << u"ffmpeg -i %1 -ab 1 %1.\ufffd"_s << latin1;
#endif
    }
    void badSettingsFile() {
        QFETCH(QByteArray, contents);
        QFETCH(QString, format);
        QFETCH(QByteArray, kept);
        TMainSetup setup;
        WriteBytes(setup.Path(u"settings.ini"_s), contents);
        {
            auto window = setup.Window();
            window->show();
            QCOMPARE(Child<TFlatPanel>(*window, "fpType")->Caption(), format);
            Child<QCheckBox>(*window, "cbSameInput")->setChecked(true);
            window->close();
        }
        QCOMPARE(Seen(setup.dialogs), QStringList()); // closed normally, everything written
        QVERIFY(ReadFile(setup.Path(u"settings.ini"_s)).contains(kept));
        QVERIFY(Child<QCheckBox>(*setup.Window(), "cbSameInput")->isChecked());
    }

    void failedSaveIsReported() {
        TMainSetup setup;
        QVERIFY(QDir(setup.dir.path()).mkdir(u"settings.ini"_s)); // nothing can be written there
        setup.Window()->close();
        QCOMPARE(Seen(setup.dialogs), QStringList{u"error: Unable to write to %1settings.ini."_s.arg(
                                          QString::fromStdString(setup.Folder()))});
    }

    void showRequestRestoresTheWindow() {
        TMainSetup setup;
        auto window = setup.Window();
        window->showMinimized();
        QCoreApplication::postEvent(window.get(), new QEvent(static_cast<QEvent::Type>(WM_SHOWMAIN)));
        QCoreApplication::sendPostedEvents(window.get());
        QVERIFY(window->isVisible());
        QVERIFY(!window->isMinimized());
    }

    // A later start during a question must not bury the question under the window it was asked over.
    void showRequestBringsTheQuestionForward() {
        TMainSetup setup;
        auto window = setup.Window();
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QDialog batch(window.get());
        batch.open();
        QDialog question(&batch);
        question.open();
        QVERIFY(QTest::qWaitForWindowActive(&question));
        window->activateWindow(); // the user clicked the main window meanwhile
        batch.raise();
        batch.activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), &batch);
        QCoreApplication::postEvent(window.get(), new QEvent(static_cast<QEvent::Type>(WM_SHOWMAIN)));
        QCoreApplication::sendPostedEvents(window.get());
        QTRY_COMPARE(QApplication::activeWindow(), &question);
    }
};

QTEST_MAIN(tst_Main)
#include "tst_Main.moc"
