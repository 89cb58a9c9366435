#include "QueuedQuestion.h"
#include "ScriptedDialogs.h"
#include "TestFiles.h"
#include "TestProcesses.h"
#include "core/platform/Process.h"
#include "gui/ConvertHint.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <tuple>
#include <utility>

using namespace clipvane;
using namespace Qt::StringLiterals;

namespace {

// Each reading is ten seconds after the one before, so the times shown are known in advance.
double SteppingClock(void* context) {
    int& calls = *static_cast<int*>(context);
    ++calls;
    return 45000.0 + calls * 10.0 / 86400.0;
}

template <class T> T* Child(QObject& window, const char* name) {
    return window.findChild<T*>(QLatin1String(name));
}

QString LabelText(QObject& window, const char* name) {
    auto* label = Child<QLabel>(window, name);
    return label ? label->text() : u"<no %1>"_s.arg(QLatin1String(name));
}

void Post(QObject* window, int percent, int status, const char* elapsed, const char* estimated) {
    auto info = std::make_unique<TProcessInfo>();
    info->Percent = percent;
    info->Status = status;
    info->TimeElapsed = elapsed;
    info->TimeEstimated = estimated;
    QCoreApplication::postEvent(window, new TProcessInfoEvent(std::move(info)));
}

// Everything one batch needs: a folder, the runner with a scripted question and a stepping clock.
struct TBatchSetup {
    QTemporaryDir dir;
    TConvertProcess runner;
    TQueuedQuestion question;
    int clockCalls = 0;

    TBatchSetup() {
        runner.Question = &question;
        runner.Clock = &SteppingClock;
        runner.ClockContext = &clockCalls;
    }
    QString Path(const QString& name) const { return dir.filePath(name); }

    // A window over the named inputs (created with some content), run by the fake encoder.
    std::unique_ptr<TfrmConvert> Window(const QStringList& names, const std::string& params,
                                        std::size_t atOnce = 1) {
        std::vector<std::string> files;
        for (const QString& name : names) {
            if (!QFile::exists(Path(name)))
                WriteFile(Path(name), "input");
            files.push_back(Path(name).toStdString());
        }
        auto window = std::make_unique<TfrmConvert>(nullptr, runner, std::move(files), atOnce);
        window->Job().OutputExt = ".mp3";
        window->Job().FFmpegParams = params;
        window->Job().FFmpegPath = FAKE_ENCODER_PATH;
        window->Job().NotUseAnotherFFmpeg = false;
        return window;
    }
};

// Shows the window modally; `during` runs inside its modal loop. A watchdog ends a stuck batch.
int RunModal(TfrmConvert& window, const std::function<void()>& during = {}) {
    if (during)
        QTimer::singleShot(0, &window, during);
    QTimer::singleShot(30000, &window, [&window] { window.done(99); });
    return window.exec();
}

constexpr int kAbort = 3;

// Handles what is queued now: a late notice, and a start deferred to the next turn, so that what
// either would start shows at once instead of after a wait.
void HandleQueued() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

} // namespace

class tst_ConvertHint final : public QObject {
    Q_OBJECT

private slots:
    void layout_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QRect>("geometry"); // an empty size: only the position is fixed
        QTest::addColumn<QString>("text");
        const QString box = u"GroupBox2"_s;
        const QString form = u"frmConvert"_s;
        QTest::newRow("group box") << u"GroupBox2"_s << form << QRect(8, 8, 239, 125) << u"Converting"_s;
        QTest::newRow("file name label") << u"lConvertName"_s << box << QRect(12, 20, 212, 13) << QString();
        QTest::newRow("progress bar") << u"suiProgressBar2"_s << box << QRect(12, 42, 212, 18) << u"0%"_s;
        QTest::newRow("elapsed caption") << u"Label5"_s << box << QRect(12, 72, 0, 0) << u"Time elapsed: "_s;
        QTest::newRow("elapsed value") << u"lTimeElapsed"_s << box << QRect(120, 72, 0, 0) << u"00:00"_s;
        QTest::newRow("estimated caption")
            << u"Label6"_s << box << QRect(12, 96, 0, 0) << u"Time estimated: "_s;
        QTest::newRow("estimated value") << u"lTimeEstimated"_s << box << QRect(120, 96, 0, 0) << u"00:00"_s;
        QTest::newRow("picture") << u"Image2"_s << form << QRect(280, 32, 32, 32) << QString();
        QTest::newRow("stop button") << u"bStop"_s << form << QRect(257, 104, 80, 27) << u"Stop"_s;
        QTest::newRow("pause button, above Stop")
            << u"bPause"_s << form << QRect(257, 72, 80, 27) << u"Pause"_s;
    }
    void layout() {
        QFETCH(QString, name);
        QFETCH(QString, parent);
        QFETCH(QRect, geometry);
        QFETCH(QString, text);
        TBatchSetup setup;
        auto window = setup.Window({u"a.avi"_s}, "");
        auto* widget = window->findChild<QWidget*>(name);
        QVERIFY2(widget, qPrintable(name));
        QCOMPARE(widget->parentWidget()->objectName(), parent);
        QCOMPARE(widget->pos(), geometry.topLeft());
        if (!geometry.size().isEmpty())
            QCOMPARE(widget->size(), geometry.size());
        QString shown;
        if (auto* label = qobject_cast<QLabel*>(widget))
            shown = label->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            shown = button->text();
        else if (auto* group = qobject_cast<QGroupBox*>(widget))
            shown = group->title();
        else if (auto* bar = qobject_cast<QProgressBar*>(widget))
            shown = bar->text();
        QCOMPARE(shown, text);
    }

    void fixedFrame() {
        TBatchSetup setup;
        auto window = setup.Window({u"a.avi"_s}, "");
        QCOMPARE(window->windowTitle(), u"Tarvix Clipvane"_s);
        QCOMPARE(window->size(), QSize(345, 144));
        QCOMPARE(window->minimumSize(), QSize(345, 144));
        QCOMPARE(window->maximumSize(), QSize(345, 144));
        auto* bar = Child<QProgressBar>(*window, "suiProgressBar2");
        QCOMPARE(bar->minimum(), 0);
        QCOMPARE(bar->maximum(), 100);
        const QImage picture = Child<QLabel>(*window, "Image2")->pixmap().toImage();
        QCOMPARE(picture.size(), QSize(32, 32));
        QCOMPARE(qAlpha(picture.pixel(0, 0)), 0); // drawn transparent
        QCOMPARE(qAlpha(picture.pixel(16, 16)), 255);
        // The first focus, where Space and Return act: Stop, as before Pause was there.
        QWidget* first = window->nextInFocusChain();
        while (first != window.get() && !(first->focusPolicy() & Qt::TabFocus))
            first = first->nextInFocusChain();
        QCOMPARE(first, static_cast<QWidget*>(Child<QPushButton>(*window, "bStop")));
    }

    // The layout was made for a smaller font than desktops use: every text must still fit.
    void textsFit_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("file name") << u"lConvertName"_s << u"clip.mp3"_s;
        QTest::newRow("elapsed caption") << u"Label5"_s << u"Time elapsed: "_s;
        QTest::newRow("estimated caption") << u"Label6"_s << u"Time estimated: "_s;
        QTest::newRow("elapsed, hours of minutes") << u"lTimeElapsed"_s << u"9999:59"_s;
        QTest::newRow("estimated, hours of minutes") << u"lTimeEstimated"_s << u"9999:59"_s;
        QTest::newRow("button") << u"bStop"_s << u"Stop"_s;
        QTest::newRow("pause button, paused") << u"bPause"_s << u"Resume"_s;
        QTest::newRow("group box title") << u"GroupBox2"_s << u"Converting"_s;
    }
    void textsFit() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        TBatchSetup setup;
        auto window = setup.Window({u"a.avi"_s}, "");
        auto* widget = window->findChild<QWidget*>(name);
        QVERIFY(widget);
        const QFontMetrics metrics = widget->fontMetrics();
        QVERIFY2(metrics.horizontalAdvance(text) <=
                     widget->width() - (qobject_cast<QLabel*>(widget) ? 0 : 16),
                 qPrintable(u"%1 px for %2 px"_s.arg(metrics.horizontalAdvance(text)).arg(widget->width())));
        QVERIFY2(metrics.height() <= widget->height(),
                 qPrintable(u"%1 px high in %2 px"_s.arg(metrics.height()).arg(widget->height())));
        // Nothing sticks out of its parent or runs into a neighbour.
        QVERIFY(widget->parentWidget()->rect().contains(widget->geometry()));
        for (auto* sibling : widget->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (sibling != widget)
                QVERIFY2(!sibling->geometry().intersects(widget->geometry()),
                         qPrintable(sibling->objectName()));
        }
    }

    void progressReports_data() {
        QTest::addColumn<int>("percent");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("elapsed");
        QTest::addColumn<QString>("estimated");
        QTest::addColumn<int>("bar");
        QTest::newRow("status 0 moves the bar and the times") << 40 << 0 << u"00:10"_s << u"00:25"_s << 40;
        QTest::newRow("other status: times only") << 40 << 1 << u"00:10"_s << u"00:25"_s << 7;
        QTest::newRow("complete") << 100 << 0 << u"01:00"_s << u"01:00"_s << 100;
        QTest::newRow("minutes past the hour") << 50 << 0 << u"66:40"_s << u"133:20"_s << 50;
    }
    void progressReports() {
        QFETCH(int, percent);
        QFETCH(int, status);
        QFETCH(QString, elapsed);
        QFETCH(QString, estimated);
        QFETCH(int, bar);
        TBatchSetup setup;
        auto window = setup.Window({u"a.avi"_s}, "");
        Post(window.get(), 7, 0, "00:01", "00:14");
        auto report = std::make_unique<TProcessInfo>();
        report->Percent = percent;
        report->Status = status;
        report->TimeElapsed = elapsed.toStdString();
        report->TimeEstimated = estimated.toStdString();
        QCoreApplication::sendPostedEvents(window.get());
        TProcessInfoEvent event(std::move(report));
        QCoreApplication::sendEvent(window.get(), &event);
        QVERIFY(!event.Take()); // the window took the record
        QCOMPARE(Child<QProgressBar>(*window, "suiProgressBar2")->value(), bar);
        QCOMPARE(Child<QProgressBar>(*window, "suiProgressBar2")->text(), u"%1%"_s.arg(bar));
        QCOMPARE(LabelText(*window, "lTimeElapsed"), elapsed);
        QCOMPARE(LabelText(*window, "lTimeEstimated"), estimated);
        QCOMPARE(window->windowTitle(), u"Tarvix Clipvane"_s); // a report starts nothing
    }

    void batchOfOneClosesByItself() {
        TBatchSetup setup;
        auto window = setup.Window({u"clip.avi"_s}, "--duration 00:01:40.00 --time 00:00:50.00 ");
        QCOMPARE(RunModal(*window), int(QDialog::Rejected));
        QCOMPARE(window->windowTitle(), u"Tarvix Clipvane (1/1)"_s);
        QVERIFY(window->FailedFiles().empty());
        QCOMPARE(LabelText(*window, "lConvertName"), u"clip.mp3"_s);
        QCOMPARE(Child<QProgressBar>(*window, "suiProgressBar2")->value(), 50);
        QCOMPARE(LabelText(*window, "lTimeElapsed"), u"00:10"_s);
        QCOMPARE(LabelText(*window, "lTimeEstimated"), u"00:20"_s);
        QVERIFY(!setup.runner.Running);
        QVERIFY(setup.question.asked.isEmpty());
    }

    // a and c have outputs the user will not overwrite; b converts.
    void twoFailuresOfThree() {
        TBatchSetup setup;
        QVERIFY(WriteFile(setup.Path(u"a.mp3"_s), "old"));
        QVERIFY(WriteFile(setup.Path(u"c.mp3"_s), "old"));
        auto window =
            setup.Window({u"a.avi"_s, u"b.mkv"_s, u"c.avi"_s}, "--duration 00:00:10.00 --time 00:00:05.00 ");
        QCOMPARE(RunModal(*window), int(QDialog::Rejected));
        QCOMPARE(QString::fromStdString(window->FailedFiles()), u"a.avi, c.avi, "_s);
        QCOMPARE(window->windowTitle(), u"Tarvix Clipvane (3/3)"_s);
        QCOMPARE(setup.question.asked.size(), 2);
        QCOMPARE(ReadFile(setup.Path(u"a.mp3"_s)), QByteArray("old"));
    }

    void stopInTheSecondOfThree() {
        TBatchSetup setup;
        QVERIFY(WriteFile(setup.Path(u"a.mp3"_s), "old")); // declined: the first file fails
        auto window = setup.Window({u"a.avi"_s, u"b.avi"_s, u"c.avi"_s},
                                   "--write-args --duration 00:01:40.00 --time 00:00:25.00 --hang ");
        QString work;
        const int result = RunModal(*window, [&] {
            QTRY_COMPARE(Child<QProgressBar>(*window, "suiProgressBar2")->value(), 25);
            QTRY_COMPARE(window->windowTitle(), u"Tarvix Clipvane (2/3)"_s); // named a moment later
            QVERIFY(setup.runner.Running);
            work = QString::fromStdString(setup.runner.WorkFile());
            Child<QPushButton>(*window, "bStop")->click();
        });
        QCOMPARE(result, kAbort);
        QVERIFY(!setup.runner.Running);
        QVERIFY(!work.isEmpty());
        QVERIFY2(!QFile::exists(work), "the stopped encoder's half file was left");
        QVERIFY(!QFile::exists(setup.Path(u"b.mp3"_s)));
        // Whatever was still queued when Stop came is handled now: a start would show at once.
        HandleQueued();
        QVERIFY2(!setup.runner.Running && !setup.runner.HasWorker(), "the third file was started");
        QVERIFY(!QFile::exists(setup.Path(u"c.mp3"_s)));
        QCOMPARE(setup.runner.InputFile, setup.Path(u"b.avi"_s).toStdString());
        QCOMPARE(QString::fromStdString(window->FailedFiles()), u"a.avi, "_s);
    }

    // However the window goes, the encoder stops and a notice still on its way starts nothing.
    void closingStopsAndLateNoticesStartNothing_data() {
        QTest::addColumn<int>("how"); // 0 Stop button, 1 title bar, 2 Escape
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("mark");
        QTest::newRow("Stop, late notice of a converted file") << 0 << kAbort << u"some"_s;
        QTest::newRow("Stop, late notice without progress") << 0 << kAbort << QString();
        QTest::newRow("title bar close") << 1 << int(QDialog::Rejected) << u"some"_s;
        QTest::newRow("Escape key") << 2 << int(QDialog::Rejected) << QString();
    }
    void closingStopsAndLateNoticesStartNothing() {
        QFETCH(int, how);
        QFETCH(int, result);
        QFETCH(QString, mark);
        TBatchSetup setup;
        auto window = setup.Window({u"a.avi"_s, u"b.avi"_s}, "--write-args --hang ");
        const int got = RunModal(*window, [&] {
            QTRY_VERIFY(ReadFile(QString::fromStdString(setup.runner.WorkFile())).contains("arg:"));
            if (how == 0)
                Child<QPushButton>(*window, "bStop")->click();
            else if (how == 1)
                window->close();
            else
                QTest::keyClick(window.get(), Qt::Key_Escape);
        });
        QCOMPARE(got, result);
        QVERIFY(!setup.runner.Running);
        QVERIFY(!setup.runner.HasWorker());
        auto notice = std::make_unique<TProcessInfo>();
        notice->Percent = kEndNoticePercent;
        notice->TimeElapsed = mark.toStdString();
        QCoreApplication::postEvent(window.get(), new TProcessInfoEvent(std::move(notice)));
        HandleQueued();
        QVERIFY2(!setup.runner.Running && !setup.runner.HasWorker(),
                 "a file was started after the batch stopped");
        QVERIFY(!QFile::exists(setup.Path(u"b.mp3"_s)));
        QCOMPARE(setup.runner.InputFile, setup.Path(u"a.avi"_s).toStdString());
        QCOMPARE(window->windowTitle(), u"Tarvix Clipvane (1/2)"_s);
        QVERIFY(window->FailedFiles().empty());
        QVERIFY(!window->isVisible());
    }

    // A window destroyed without being closed must not leave its encoder running.
    void destroyingTheWindowStopsTheEncoder() {
        TBatchSetup setup;
        auto window = setup.Window({u"a.avi"_s}, "--write-args --hang ");
        window->show();
        QTRY_VERIFY(setup.runner.HasWorker());
        window.reset();
        QVERIFY(!setup.runner.Running);
        QVERIFY(!setup.runner.HasWorker());
    }

    // The real message box, answered by a user, inside the real modal window.
    void outputInUseWithRealMessageBox() {
        TBatchSetup setup;
        QVERIFY(WriteFile(setup.Path(u"a.mp3"_s), "held"));
        QFile holder(setup.Path(u"a.mp3"_s));
        QVERIFY(holder.open(QIODevice::ReadOnly));
        setup.question.answers.enqueue(true);
        auto window = setup.Window({u"a.avi"_s, u"b.avi"_s}, "--duration 00:00:10.00 --time 00:00:05.00 ");
        QString text, caption, titleMeanwhile;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QWidget* owner = nullptr;
        bool windowOpenMeanwhile = false;
        QTimer answer;
        answer.setInterval(20);
        connect(&answer, &QTimer::timeout, this, [&] {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                auto* box = qobject_cast<QMessageBox*>(widget);
                if (!box || !box->isVisible())
                    continue;
                answer.stop();
                text = box->text();
                caption = box->windowTitle();
                icon = box->icon();
                owner = box->parentWidget();
                windowOpenMeanwhile = window->isVisible();
                titleMeanwhile = window->windowTitle();
                QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
            }
        });
        answer.start();
        QCOMPARE(RunModal(*window), int(QDialog::Rejected));
        QCOMPARE(text, setup.Path(u"a.mp3"_s) + u" may be used, convert process failed!"_s);
        QCOMPARE(caption, u"Tarvix Clipvane"_s);
        QCOMPARE(icon, QMessageBox::Critical);
        QCOMPARE(owner, window.get());
        QVERIFY(windowOpenMeanwhile);
        QCOMPARE(titleMeanwhile, u"Tarvix Clipvane (1/2)"_s); // the batch waits for the answer
        QCOMPARE(QString::fromStdString(window->FailedFiles()), u"a.avi, "_s);
        QCOMPARE(window->windowTitle(), u"Tarvix Clipvane (2/2)"_s);
    }

    void outputIsTheInput_data() {
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("No: skipped quietly") << false << QStringList();
        QTest::newRow("Yes: refused with a message")
            << true << QStringList{u"song.mp3 is the input file itself, convert process failed!"_s};
    }
    void outputIsTheInput() {
        QFETCH(bool, yes);
        QFETCH(QStringList, shown);
        TBatchSetup setup;
        TScriptedDialogs dialogs;
        QVERIFY(WriteFile(setup.Path(u"song.mp3"_s), "precious"));
        setup.question.answers.enqueue(yes);
        // Run, the fake encoder would append its arguments to the output, which is the input.
        auto window = setup.Window({u"song.mp3"_s}, "--write-args ");
        QCOMPARE(RunModal(*window), int(QDialog::Rejected));
        QCOMPARE(setup.question.asked,
                 QStringList{setup.Path(u"song.mp3"_s) + u" has existed,overite it?"_s});
        QStringList texts;
        for (const auto& message : dialogs.messages) {
            QCOMPARE(message.icon, QMessageBox::Critical);
            texts.append(message.text.mid(setup.dir.path().size() + 1));
        }
        QCOMPARE(texts, shown);
        QCOMPARE(ReadFile(setup.Path(u"song.mp3"_s)), QByteArray("precious"));
        QCOMPARE(QString::fromStdString(window->FailedFiles()), u"song.mp3, "_s);
    }

    // Each failure lands in the list; a refusal also says why, in the window's own message box.
    void failuresAreListedAndShown_data() {
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QString>("params");
        QTest::addColumn<bool>("sameInput"); // else into the folder "out"
        QTest::addColumn<QString>("failed");
        QTest::addColumn<QStringList>("shown"); // after the temporary folder's path
        QTest::newRow("encoder fails after progress: listed, nothing shown")
            << QStringList{u"a.avi"_s} << u"--time 00:00:05.00 --exit 1 "_s << true << u"a.avi, "_s
            << QStringList();
        QTest::newRow("output is another input of the batch")
            << QStringList{u"clip.avi"_s, u"clip.mp3"_s} << u"--time 00:00:05.00 "_s << true
            << u"clip.avi, clip.mp3, "_s
            << QStringList{u"clip.mp3 is a file of this batch, convert process failed!"_s,
                           u"clip.mp3 is the input file itself, convert process failed!"_s};
        QTest::newRow("output written by the batch already")
            << QStringList{u"a/clip.avi"_s, u"b/clip.avi"_s} << u"--write-args --time 00:00:05.00 "_s << false
            << u"clip.avi, "_s
            << QStringList{u"out"_s + QDir::separator() +
                           u"clip.mp3 was written by this batch already, convert process failed!"_s};
    }
    void failuresAreListedAndShown() {
        QFETCH(QStringList, inputs);
        QFETCH(QString, params);
        QFETCH(bool, sameInput);
        QFETCH(QString, failed);
        QFETCH(QStringList, shown);
        TBatchSetup setup;
        TScriptedDialogs dialogs;
        for (const QString& folder : {u"a"_s, u"b"_s, u"out"_s})
            QVERIFY(QDir(setup.dir.path()).mkpath(folder));
        setup.question.answers = QQueue<bool>({true, true});
        auto window = setup.Window(inputs, params.toStdString());
        window->SameInput = [sameInput] { return sameInput; };
        window->OutputFolder = [&setup] { return setup.Path(u"out"_s).toStdString(); };
        QCOMPARE(RunModal(*window), int(QDialog::Rejected));
        QStringList texts;
        for (const auto& message : dialogs.messages) {
            QCOMPARE(message.icon, QMessageBox::Critical);
            texts.append(message.text.mid(setup.dir.path().size() + 1));
        }
        QCOMPARE(texts, shown);
        QCOMPARE(QString::fromStdString(window->FailedFiles()), failed);
        for (const QString& name : inputs)
            QCOMPARE(ReadFile(setup.Path(name)), QByteArray("input"));
    }

    void secondFileStartsFromZero() {
        TBatchSetup setup;
        QVERIFY(WriteFile(setup.Path(u"b.mp3"_s), "old")); // declined: the second file never reports
        auto window = setup.Window({u"a.avi"_s, u"b.avi"_s}, "--duration 00:01:40.00 --time 00:00:25.00 ");
        QList<int> barValues;
        connect(Child<QProgressBar>(*window, "suiProgressBar2"), &QProgressBar::valueChanged, this,
                [&](int value) { barValues.append(value); });
        QCOMPARE(RunModal(*window), int(QDialog::Rejected));
        QCOMPARE(barValues, (QList<int>{25, 0}));
        QCOMPARE(window->windowTitle(), u"Tarvix Clipvane (2/2)"_s);
        QCOMPARE(LabelText(*window, "lConvertName"), u"b.mp3"_s);
        QCOMPARE(LabelText(*window, "lTimeElapsed"), u"00:10"_s);
        QCOMPARE(LabelText(*window, "lTimeEstimated"), u"00:40"_s);
        QCOMPARE(QString::fromStdString(window->FailedFiles()), u"b.avi, "_s);
    }

    // An encoder that cannot be started ends the batch: the designed error box, then every file not
    // converted fails with the OS's words, and the window closes for the main window's summary.
    void startFailureEndsTheBatch_data() {
        QTest::addColumn<QByteArray>("encoder"); // written as the encoder; empty: none there
        QTest::addColumn<bool>("executable");
        QTest::addColumn<bool>("secondFile");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("why");
        // With two at once the encoder (the fake one, `encoder` "fake") works for a.avi and b.avi and
        // loses its run bit before c.avi starts.
        QTest::addColumn<int>("atOnce");
#ifdef Q_OS_WIN
        // Windows words its errors in the user's language: the OS's own text for "not found".
        const QString missing = QString::fromStdString(platform::ErrorText(2));
#else
        const QString missing = u"No such file or directory"_s;
#endif
        QTest::newRow("missing, first file")
            << QByteArray() << false << false << u"Error while creating convert process!2."_s << missing << 1;
        QTest::newRow("missing, second file")
            << QByteArray() << false << true << u"Error while creating convert process!2."_s << missing << 1;
#ifndef Q_OS_WIN
        QTest::newRow("script without #!")
            << QByteArray("echo hi\n") << true << false << u"Error while creating convert process!8."_s
            << u"Exec format error"_s << 1;
        QTest::newRow("no run bit") << QByteArray("#!/bin/sh\n") << false << false
                                    << u"Error while creating convert process!13."_s << u"Permission denied"_s
                                    << 1;
        QTest::newRow("two at once: the run bit lost after two started")
            << QByteArray("fake") << true << false << u"Error while creating convert process!13."_s
            << u"Permission denied"_s << 2;
#endif
    }
    void startFailureEndsTheBatch() {
        QFETCH(QByteArray, encoder);
        QFETCH(bool, executable);
        QFETCH(bool, secondFile);
        QFETCH(QString, error);
        QFETCH(QString, why);
        QFETCH(int, atOnce);
        TBatchSetup setup;
        TScriptedDialogs dialogs;
        if (secondFile)
            QVERIFY(WriteFile(setup.Path(u"a.mp3"_s), "old")); // declined: a.avi fails, b.avi starts
        auto window = setup.Window({u"a.avi"_s, u"b.avi"_s, u"c.avi"_s}, atOnce > 1 ? "--hang " : "",
                                   std::size_t(atOnce));
        const QString path = setup.Path(u"encoder"_s);
        if (encoder == "fake")
            QVERIFY(QFile::copy(QStringLiteral(FAKE_ENCODER_PATH), path));
        else if (!encoder.isEmpty())
            QVERIFY(WriteFile(path, encoder));
        if (!encoder.isEmpty())
            QFile::setPermissions(path, executable ? QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                   : QFile::ReadOwner | QFile::WriteOwner);
        window->Job().FFmpegPath = path.toStdString();
        std::size_t started = secondFile ? 1 : 0, waiting = 2;
        const int result = RunModal(*window, [&] {
            if (atOnce == 1)
                return;
            QTRY_VERIFY(window->Batch().Runner(0).HasWorker() && window->Batch().Runner(1).HasWorker());
            QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
            // a.avi's encoder ends: its slot takes c.avi, whose encoder cannot start.
            platform::TerminateChild(window->Batch().Runner(0).ProcessInformation, 9);
        });
        if (atOnce > 1)
            std::tie(started, waiting) = std::pair(std::size_t(2), std::size_t(1));
        QCOMPARE(result, int(QDialog::Rejected));
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(dialogs.messages[0].icon, QMessageBox::Critical);
        QCOMPARE(dialogs.messages[0].text, error);
        QCOMPARE(QString::fromStdString(window->FailedFiles()), u"a.avi, b.avi, c.avi, "_s);
        const auto failures = window->Batch().Failures();
        QCOMPARE(failures.size(), std::size_t(3));
        QCOMPARE(QString::fromStdString(failures[started].Reason.at(0)),
                 u"The encoder %1 could not be started: %2."_s.arg(path, why));
        QCOMPARE(QString::fromStdString(failures[waiting].Reason.at(0)),
                 u"Not converted: the encoder could not be started (%1)."_s.arg(why));
        for (std::size_t slot = 0; slot < window->Batch().Slots(); ++slot) {
            QVERIFY(!window->Batch().Runner(slot).Running);
            QVERIFY(!window->Batch().Runner(slot).HasWorker());
        }
    }

    // a.avi and a.mkv into one a.mp3, two at once: a.mkv waits for a.avi, then fails for the true
    // reason, without a question that no answer could change.
    void twoAtOnceShareAnOutput() {
        TBatchSetup setup;
        TScriptedDialogs dialogs;
        setup.question.answers.enqueue(true);
        QList<bool> existed;
        setup.question.whileAsked = [&] { existed << QFile::exists(setup.Path(u"a.mp3"_s)); };
        auto window = setup.Window({u"a.avi"_s, u"a.mkv"_s},
                                   "--write-args --time 00:00:01.00 --only-for a.avi --sleep 300 ", 2);
        QCOMPARE(RunModal(*window), int(QDialog::Rejected));
        QCOMPARE(existed, QList<bool>{});
        QVERIFY(
            ReadFile(setup.Path(u"a.mp3"_s)).contains(QByteArray("arg:" + setup.Path(u"a.avi"_s).toUtf8())));
        QCOMPARE(QString::fromStdString(window->FailedFiles()), u"a.mkv, "_s);
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(dialogs.messages[0].text,
                 setup.Path(u"a.mp3"_s) + u" was written by this batch already, convert process failed!"_s);
        QCOMPARE(window->Batch().Failures().at(0).Reason,
                 std::vector<std::string>{setup.Path(u"a.mp3"_s).toStdString() +
                                          " was written by this batch already."});
    }

    // Any other error that reaches the window ends the batch the same way, instead of leaving the
    // window waiting at 0 % for an end notice that never comes.
    void errorDuringTheBatchEndsIt_data() {
        QTest::addColumn<int>("atOnce");
        QTest::addColumn<int>("failingStart"); // which start's output folder throws, counted from 0
        QTest::addColumn<QStringList>("reasons");
        const QString rest = u"Not converted: the batch ended on an error (No folder here)."_s;
        QTest::newRow("first file") << 1 << 0 << QStringList{u"No folder here"_s, rest, rest};
        QTest::newRow("second file, the first converted") << 1 << 1 << QStringList{u"No folder here"_s, rest};
        QTest::newRow("two at once, the second slot")
            << 2 << 1 << QStringList{u"No folder here"_s, u"No folder here"_s, rest};
    }
    void errorDuringTheBatchEndsIt() {
        QFETCH(int, atOnce);
        QFETCH(int, failingStart);
        QFETCH(QStringList, reasons);
        TBatchSetup setup;
        TScriptedDialogs dialogs;
        auto window = setup.Window({u"a.avi"_s, u"b.avi"_s, u"c.avi"_s},
                                   "--duration 00:00:10.00 --time 00:00:05.00 ", std::size_t(atOnce));
        int starts = 0;
        window->SameInput = [] { return false; };
        window->OutputFolder = [&] {
            if (starts++ == failingStart)
                throw Exception("No folder here");
            return setup.dir.path().toStdString();
        };
        QCOMPARE(RunModal(*window), int(QDialog::Rejected));
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(dialogs.messages[0].icon, QMessageBox::Critical);
        QCOMPARE(dialogs.messages[0].text, u"No folder here."_s);
        QStringList seen;
        for (const TFailure& failure : window->Batch().Failures())
            seen << QString::fromStdString(failure.Reason.at(0));
        QCOMPARE(seen, reasons);
        for (std::size_t slot = 0; slot < window->Batch().Slots(); ++slot)
            QVERIFY(!window->Batch().Runner(slot).Running);
    }

    void longNameIsCutWithTheWholeNameAsHint() {
        TBatchSetup setup;
        const QString stem = u"a rather long recording name from the summer holidays by the sea"_s;
        QVERIFY(WriteFile(setup.Path(stem + u".mp3"_s), "old")); // declined: no encoder needed
        auto window = setup.Window({stem + u".avi"_s}, "");
        RunModal(*window);
        auto* label = Child<QLabel>(*window, "lConvertName");
        QCOMPARE(label->toolTip(), stem + u".mp3"_s);
        QVERIFY(label->text() != label->toolTip());
        QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <= label->width());
    }

    // Two at once: one bar for the batch, each file weighted by its duration, or by its size until
    // that is known.
    void twoAtOnceShowTheBatchAsAWhole() {
        TBatchSetup setup;
        for (const auto& [name, bytes] : {std::pair{u"a.avi"_s, 100}, {u"b.avi"_s, 300}, {u"c.avi"_s, 200}})
            QVERIFY(WriteFile(setup.Path(name), QByteArray(bytes, 'x')));
        auto window =
            setup.Window({u"a.avi"_s, u"b.avi"_s, u"c.avi"_s},
                         "--write-args --only-for a.avi --duration 00:01:40.00 --time 00:00:50.00 "
                         "--only-for b.avi --duration 00:05:00.00 --time 00:00:30.00 --only-for . --hang ",
                         2);
        auto* bar = Child<QProgressBar>(*window, "suiProgressBar2");
        QStringList work;
        QList<std::int64_t> pids;
        const int result = RunModal(*window, [&] {
            // a 50% of 100 s, b 10% of 300 s, c not started and weighing its 200 bytes at a second each.
            QTRY_COMPARE(bar->value(), 80 * 100 / 600);
            QTRY_COMPARE(window->windowTitle(), u"Tarvix Clipvane (2/3)"_s);
            QCOMPARE(LabelText(*window, "lConvertName"), u"a.mp3, b.mp3"_s);
            QCOMPARE(Child<QLabel>(*window, "lConvertName")->toolTip(), u"a.mp3, b.mp3"_s);
            for (std::size_t slot = 0; slot < 2; ++slot) {
                QVERIFY(window->Batch().Runner(slot).Running);
                work << QString::fromStdString(window->Batch().Runner(slot).WorkFile());
                QTRY_VERIFY(ReadFile(work.back()).contains("arg:"));
                pids << window->Batch().Runner(slot).ProcessInformation.pid;
                QVERIFY(ProcessAlive(pids.back()));
            }
            Child<QPushButton>(*window, "bStop")->click();
        });
        QCOMPARE(result, kAbort);
        for (std::size_t slot = 0; slot < 2; ++slot) {
            QVERIFY(!window->Batch().Runner(slot).Running);
            QVERIFY(!window->Batch().Runner(slot).HasWorker());
        }
        for (const std::int64_t pid : pids)
            QVERIFY2(!ProcessExists(pid), "an encoder outlived Stop");
        for (const QString& file : work)
            QVERIFY2(!QFile::exists(file), qPrintable(file));
        HandleQueued();
        for (std::size_t slot = 0; slot < 2; ++slot)
            QVERIFY2(!window->Batch().Runner(slot).Running, "a file was started after Stop");
        for (const QString& name : {u"a.mp3"_s, u"b.mp3"_s, u"c.mp3"_s})
            QVERIFY2(!QFile::exists(setup.Path(name)), qPrintable(name));
        QVERIFY(window->FailedFiles().empty());
    }

    // An encoder that writes nothing: the time still runs, and after the stall interval the window
    // says so, with Stop as the way out. The window's clock is the test's.
    void silentEncoder_data() {
        QTest::addColumn<int>("atOnce");
        QTest::addColumn<int>("advanceMs");
        QTest::addColumn<int>("hold"); // 0 never paused; 1 paused for an hour; 2 then resumed
        QTest::addColumn<QString>("elapsed");
        QTest::addColumn<QString>("notice");
        QTest::newRow("one at a time: the time runs") << 1 << 5000 << 0 << u"00:05"_s << QString();
        QTest::newRow("one at a time: a minute silent")
            << 1 << 61000 << 0 << u"01:01"_s << u"Encoder silent for 01:01"_s;
        QTest::newRow("two at once: the time runs") << 2 << 5000 << 0 << u"00:05"_s << QString();
        QTest::newRow("two at once: a minute silent")
            << 2 << 60000 << 0 << u"01:00"_s << u"Encoder silent for 01:00"_s;
        QTest::newRow("one at a time: paused, it says so and Stop ends it")
            << 1 << 5000 << 1 << u"00:05"_s << u"Paused"_s;
        QTest::newRow("two at once: paused, both held and Stop ends them")
            << 2 << 5000 << 1 << u"00:05"_s << u"Paused"_s;
        QTest::newRow("one at a time: an hour paused counts neither as time nor as silence")
            << 1 << 5000 << 2 << u"00:10"_s << QString();
        QTest::newRow("two at once: an hour paused counts neither as time nor as silence")
            << 2 << 5000 << 2 << u"00:10"_s << QString();
    }
    void silentEncoder() {
        QFETCH(int, atOnce);
        QFETCH(int, advanceMs);
        QFETCH(int, hold);
        QFETCH(QString, elapsed);
        QFETCH(QString, notice);
        TBatchSetup setup;
        auto window = setup.Window({u"a.avi"_s, u"b.avi"_s}, "--hang ", static_cast<std::size_t>(atOnce));
        std::int64_t now = 1000000;
        window->SteadyClock = [&now] { return now; };
        auto* stall = Child<QLabel>(*window, "lStall");
        QVERIFY(stall);
        QList<qint64> encoders;
        const auto held = [&](bool wanted) {
            for (const qint64 pid : encoders)
                QTRY_COMPARE(ProcessHeld(pid), wanted);
        };
        const int result = RunModal(*window, [&] {
            for (int slot = 0; slot < atOnce; ++slot) {
                QTRY_VERIFY(window->Batch().Runner(slot).EncoderRunning());
                encoders << window->Batch().Runner(slot).ProcessInformation.pid;
            }
            now += advanceMs;
            if (hold > 0) {
                QTRY_COMPARE(LabelText(*window, "lTimeElapsed"), u"00:05"_s);
                auto* pause = Child<QPushButton>(*window, "bPause");
                pause->click();
                QCOMPARE(pause->text(), u"Resume"_s);
                held(true);
                now += 3600000;
                if (hold == 2) {
                    pause->click();
                    QCOMPARE(pause->text(), u"Pause"_s);
                    held(false);
                    now += 5000;
                }
            }
            QTRY_COMPARE(LabelText(*window, "lTimeElapsed"), elapsed);
            // The tick that moved the time has looked for silence too.
            QCOMPARE(stall->isVisible(), !notice.isEmpty());
            if (!notice.isEmpty())
                QCOMPARE(stall->text(), notice);
            Child<QPushButton>(*window, "bStop")->click();
        });
        QCOMPARE(result, kAbort);
        QVERIFY(!window->Batch().Runner().EncoderRunning());
        // A held encoder dies like any other, and its work file goes with it.
        for (const qint64 pid : encoders)
            QVERIFY(!ProcessAlive(pid));
        QCOMPARE(QDir(setup.dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
    }

    // Files end out of order; the failures are still named in the list's order.
    void twoAtOnceNameFailuresInListOrder() {
        TBatchSetup setup;
        auto window = setup.Window({u"a.avi"_s, u"b.avi"_s, u"c.avi"_s, u"d.avi"_s},
                                   "--only-for a.avi --time 00:00:05.00 --sleep 700 --exit 1 "
                                   "--only-for b.avi --exit 1 --only-for c.avi --err Unreadable --exit 1 "
                                   "--only-for d.avi --write-args --duration 00:00:10.00 --time 00:00:05.00 ",
                                   2);
        QCOMPARE(RunModal(*window), int(QDialog::Rejected));
        QCOMPARE(QString::fromStdString(window->FailedFiles()), u"a.avi, b.avi, c.avi, "_s);
        const std::vector<TFailure> failures = window->Batch().Failures();
        QCOMPARE(failures.size(), std::size_t{3});
        QCOMPARE(failures[2].Reason, std::vector<std::string>{"Unreadable"});
        QCOMPARE(window->windowTitle(), u"Tarvix Clipvane (4/4)"_s);
        QCOMPARE(Child<QProgressBar>(*window, "suiProgressBar2")->value(), 100);
        QVERIFY(ReadFile(setup.Path(u"d.mp3"_s)).size() > 0);
    }

    // While one overwrite question is up, another slot's file waits for its turn to ask.
    void twoAtOnceAskOneQuestionAtATime() {
        TBatchSetup setup;
        for (const QString& name : {u"a.mp3"_s, u"b.mp3"_s, u"c.mp3"_s})
            QVERIFY(WriteFile(setup.Path(name), "old"));
        int depth = 0;
        int deepest = 0;
        setup.question.whileAsked = [&] {
            deepest = std::max(deepest, ++depth);
            QTest::qWait(200); // the notices of the other slot arrive meanwhile
            --depth;
        };
        auto window = setup.Window({u"a.avi"_s, u"b.avi"_s, u"c.avi"_s}, "", 2);
        QCOMPARE(RunModal(*window), int(QDialog::Rejected));
        QCOMPARE(setup.question.asked.size(), 3);
        QCOMPARE(deepest, 1);
        QCOMPARE(QString::fromStdString(window->FailedFiles()), u"a.avi, b.avi, c.avi, "_s);
    }

    // Whether the user saw the end is asked before the window hides, which leaves no window active.
    void endedInView_data() {
        QTest::addColumn<bool>("elsewhere");
        QTest::newRow("the batch window active") << false;
        QTest::newRow("another window active") << true;
    }
    void endedInView() {
        QFETCH(bool, elsewhere);
        TBatchSetup setup;
        auto window = setup.Window({u"a.avi"_s}, "--duration 00:00:10.00 --time 00:00:05.00 --sleep 500 ");
        QWidget other;
        QWidget& active = elsewhere ? other : static_cast<QWidget&>(*window);
        window->show();
        active.show();
        active.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&active));
        QTRY_VERIFY(!window->isVisible());
        QCOMPARE(window->EndedInView(), !elsewhere);
    }

    void realEncoder_data() {
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QString>("failed");
        QTest::newRow("one file closes by itself") << QStringList{u"tone.wav"_s} << QString();
        QTest::newRow("two unreadable files of three")
            << QStringList{u"a.avi"_s, u"tone.wav"_s, u"c.avi"_s} << u"a.avi, c.avi, "_s;
    }
    void realEncoder() {
        QFETCH(QStringList, inputs);
        QFETCH(QString, failed);
        if (QStandardPaths::findExecutable(u"ffmpeg"_s).isEmpty())
            QSKIP("ffmpeg is not installed");
        TBatchSetup setup;
        QVERIFY(WriteFile(setup.Path(u"tone.wav"_s), ToneWav()));
        auto window = setup.Window(inputs, "-vn -ab 64k ");
        window->Job().NotUseAnotherFFmpeg = true;
        QCOMPARE(RunModal(*window), int(QDialog::Rejected));
        QCOMPARE(QString::fromStdString(window->FailedFiles()), failed);
        QCOMPARE(window->windowTitle(), u"Tarvix Clipvane (%1/%1)"_s.arg(inputs.size()));
        QVERIFY(ReadFile(setup.Path(u"tone.mp3"_s)).size() > 1000);
        QVERIFY(!QFile::exists(setup.Path(u"a.mp3"_s)));
    }
};

QTEST_MAIN(tst_ConvertHint)
#include "tst_ConvertHint.moc"
