#include "QueuedQuestion.h"
#include "TestFiles.h"
#include "TestProcesses.h"
#include "core/BatchProgress.h"
#include "core/ConvertBatch.h"
#include "core/platform/Files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <vector>

#ifndef _WIN32
#include <sys/resource.h>

#include <fcntl.h>
#include <unistd.h>
#endif

using namespace clipvane;

Q_DECLARE_METATYPE(clipvane::TExistingOutput)
using namespace Qt::StringLiterals;

namespace {

// Collects the end notices and progress reports posted to it, taking ownership of each record.
class TNoticeSink final : public QObject {
public:
    std::vector<TProcessInfo> notices;
    bool event(QEvent* event) override {
        if (event->type() != static_cast<QEvent::Type>(WM_PROCESSINFO))
            return QObject::event(event);
        if (auto info = static_cast<TProcessInfoEvent*>(event)->Take())
            notices.push_back(*info);
        return true;
    }
};

TProcessInfo EndNotice(const QString& mark, int status = 0) {
    TProcessInfo info;
    info.Percent = kEndNoticePercent;
    info.TimeElapsed = mark.toStdString();
    info.Status = status;
    return info;
}

std::string Utf8(const QString& text) {
    return text.toStdString();
}

// A std::filesystem::path made from a std::string would take the ANSI code page on Windows.
std::filesystem::path FsPath(const QString& path) {
    const QByteArray utf8 = path.toUtf8();
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

#ifndef _WIN32
// Leaves this process exactly `free` descriptors to open while it lives: the holes below the highest
// open one are filled first, then the open-file limit is set just above.
class TDescriptorLimit final {
public:
    explicit TDescriptorLimit(int free) {
        ::getrlimit(RLIMIT_NOFILE, &m_saved);
        int highest = 2;
        for (const QString& name :
             QDir(u"/proc/self/fd"_s).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot))
            highest = std::max(highest, name.toInt());
        const rlimit full{rlim_t(highest + 1), m_saved.rlim_max};
        ::setrlimit(RLIMIT_NOFILE, &full);
        for (int fd; (fd = ::open("/dev/null", O_RDONLY | O_CLOEXEC)) >= 0;)
            m_fillers.push_back(fd);
        const rlimit limit{rlim_t(highest + 1 + free), m_saved.rlim_max};
        ::setrlimit(RLIMIT_NOFILE, &limit);
    }
    ~TDescriptorLimit() {
        for (const int fd : m_fillers)
            ::close(fd);
        ::setrlimit(RLIMIT_NOFILE, &m_saved);
    }
    TDescriptorLimit(const TDescriptorLimit&) = delete;
    TDescriptorLimit& operator=(const TDescriptorLimit&) = delete;

private:
    rlimit m_saved{};
    std::vector<int> m_fillers;
};
#endif

} // namespace

class tst_ConvertBatch final : public QObject {
    Q_OBJECT

private slots:
    // The batch seen as one job: "r I P D" reports P% of file I, D its duration (0 unknown), "e I" ends it,
    // "s I B" gives its size in bytes.
    void batchProgress_data() {
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<int>("percent");
        QTest::addColumn<int>("estimated"); // after 30 s
        // clang-format off
        QTest::newRow("nothing yet")                  << QStringList{} << 0 << 0;
        QTest::newRow("no duration known: all equal") << QStringList{u"r 0 50 0"_s, u"r 1 10 0"_s} << 20 << 150;
        QTest::newRow("weighted by duration")         << QStringList{u"r 1 10 300"_s, u"r 0 50 100"_s, u"r 2 25 200"_s} << 21 << 138;
        QTest::newRow("unknown weighs the average")   << QStringList{u"r 1 10 300"_s, u"r 0 50 100"_s, u"r 2 0 0"_s} << 13 << 225;
        QTest::newRow("an ended file counts whole")   << QStringList{u"r 0 40 100"_s, u"e 0"_s, u"r 1 0 100"_s} << 33 << 90;
        QTest::newRow("a late report changes no end") << QStringList{u"e 0"_s, u"r 0 10 100"_s, u"r 1 0 100"_s} << 33 << 90;
        QTest::newRow("every file ended")             << QStringList{u"e 0"_s, u"e 1"_s, u"e 2"_s} << 100 << 30;
        QTest::newRow("a late duration holds the bar")  << QStringList{u"r 0 100 2"_s, u"e 0"_s, u"r 1 100 2"_s, u"e 1"_s, u"r 2 1 120"_s} << 66 << 715;
        QTest::newRow("unknown duration weighs its size") << QStringList{u"s 0 350000"_s, u"s 1 350000"_s, u"s 2 21000000"_s, u"r 0 100 2"_s, u"e 0"_s, u"r 1 100 2"_s, u"e 1"_s} << 3 << 930;
        // clang-format on
    }
    void batchProgress() {
        QFETCH(QStringList, events);
        QFETCH(int, percent);
        QFETCH(int, estimated);
        TBatchProgress progress(3);
        for (const QString& event : events) {
            const QStringList f = event.split(u' ');
            if (f[0] == u"e")
                progress.Ended(f[1].toUInt());
            else if (f[0] == u"s")
                progress.SetSize(f[1].toUInt(), f[2].toLongLong());
            else
                progress.Report(f[1].toUInt(), f[2].toInt(), f[3].toLongLong());
        }
        QCOMPARE(progress.Percent(), percent);
        QCOMPARE(progress.EstimatedSeconds(30), std::int64_t{estimated});
    }

    void outputPath_data() {
        QTest::addColumn<QString>("input");
        QTest::addColumn<bool>("sameInput");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("output");
        const QString none;
        QTest::newRow("beside the input") << "/v/clip.avi" << true << none << "/v/clip.mp3";
        QTest::newRow("no extension gets one") << "/v/clip" << true << none << "/v/clip.mp3";
        QTest::newRow("dot in a folder name is not the extension")
            << "/v.x/clip" << true << none << "/v.x/clip.mp3";
        QTest::newRow("only the last extension is replaced")
            << "/v/clip.part.avi" << true << none << "/v/clip.part.mp3";
        QTest::newRow("same extension gives the input path")
            << "/v/song.mp3" << true << none << "/v/song.mp3";
        QTest::newRow("hidden file: the whole name is the extension")
            << "/v/.clip" << true << none << "/v/.mp3";
        // The program adds the system's own separator; one already there is kept.
        const auto joined = [](const char* folder, const char* name) -> QString {
            return QString::fromUtf8(folder) + QDir::separator() + QString::fromUtf8(name);
        };
        QTest::newRow("folder without trailing separator")
            << "/v/clip.avi" << false << "/out" << joined("/out", "clip.mp3");
        QTest::newRow("folder with trailing separator") << "/v/clip.avi" << false << "/out/"
                                                        << "/out/clip.mp3";
        QTest::newRow("folder: input's own folders are dropped")
            << "/v.x/sub/clip.part.avi" << false << "/out" << joined("/out", "clip.part.mp3");
        QTest::newRow("folder: dotted folder, bare name")
            << "/v/clip" << false << "/out.d" << joined("/out.d", "clip.mp3");
#ifdef _WIN32
        QTest::newRow("backslash separates folders on Windows") << "/v/a\\b.avi" << false << "/out\\"
                                                                << "/out\\b.mp3";
#else
        QTest::newRow("backslash is part of a Linux file name") << "/v/a\\b.avi" << false << "/out"
                                                                << "/out/a\\b.mp3";
#endif
        QTest::newRow("non-ASCII bytes pass through")
            << "/v/čas.avi" << false << "/ven" << joined("/ven", "čas.mp3");
    }
    void outputPath() {
        QFETCH(QString, input);
        QFETCH(bool, sameInput);
        QFETCH(QString, folder);
        QFETCH(QString, output);
        QCOMPARE(QString::fromStdString(OutputPathFor(Utf8(input), sameInput, Utf8(folder), ".mp3")), output);
    }

    void sameFile_data() {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<bool>("same");
        QTest::newRow("identical path") << "d/clip.mp3"
                                        << "d/clip.mp3" << true;
        QTest::newRow("through a parent step") << "d/clip.mp3"
                                               << "d/../d/clip.mp3" << true;
        QTest::newRow("folder reached through a link") << "d/clip.mp3"
                                                       << "linked/clip.mp3" << true;
        QTest::newRow("hard link") << "d/clip.mp3"
                                   << "d/hard.mp3" << true;
        QTest::newRow("different file") << "d/clip.mp3"
                                        << "d/other.mp3" << false;
        QTest::newRow("missing output") << "d/clip.mp3"
                                        << "d/none.mp3" << false;
        QTest::newRow("both missing, same text") << "d/none.mp3"
                                                 << "d/none.mp3" << false;
    }
    void sameFile() {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(bool, same);
#ifdef _WIN32
        if (b.startsWith(u"linked/"_s))
            QSKIP("QFile::link makes a .lnk shortcut on Windows, not a link the file system follows");
#endif
        QTemporaryDir dir(ScriptsFolderTemplate());
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("d")));
        QVERIFY(WriteFile(dir.filePath(QStringLiteral("d/clip.mp3")), "x"));
        QVERIFY(WriteFile(dir.filePath(QStringLiteral("d/other.mp3")), "x"));
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("d")), dir.filePath(QStringLiteral("linked"))));
        std::error_code error;
        std::filesystem::create_hard_link(FsPath(dir.filePath(QStringLiteral("d/clip.mp3"))),
                                          FsPath(dir.filePath(QStringLiteral("d/hard.mp3"))), error);
        QVERIFY(!error);
        QCOMPARE(platform::IsSameFile(Utf8(dir.filePath(a)), Utf8(dir.filePath(b))), same);
    }

    void endNotices_data() {
        QTest::addColumn<QStringList>("marks");
        QTest::addColumn<QList<int>>("statuses");
        QTest::addColumn<QString>("failed");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QString>("actions"); // N: start next, C: close
        const QList<int> ok{0, 0, 0};
        QTest::newRow("all converted")
            << QStringList{u"some"_s, u"some"_s, u"some"_s} << ok << QString() << QStringList() << "NNC";
        QTest::newRow("two failures of three: names in order, each with comma and blank")
            << QStringList{u""_s, u"some"_s, u""_s} << ok << "a.avi, c.avi, " << QStringList() << "NNC";
        QTest::newRow("output in use: reported, failed, batch goes on")
            << QStringList{u"some"_s, u""_s, u"some"_s} << QList<int>{0, 2, 0} << "b.mkv, "
            << QStringList{u"/out/b.mp3 may be used, convert process failed!"_s} << "NNC";
        QTest::newRow("read-only output: said so, failed")
            << QStringList{u"some"_s, u""_s, u"some"_s} << QList<int>{0, 11, 0} << "b.mkv, "
            << QStringList{u"/out/b.mp3 is read-only, convert process failed!"_s} << "NNC";
        QTest::newRow("output is the input: reported, failed")
            << QStringList{u""_s, u"some"_s, u"some"_s} << QList<int>{3, 0, 0} << "a.avi, "
            << QStringList{u"/out/a.mp3 is the input file itself, convert process failed!"_s} << "NNC";
    }
    void endNotices() {
        QFETCH(QStringList, marks);
        QFETCH(QList<int>, statuses);
        QFETCH(QString, failed);
        QFETCH(QStringList, shown);
        QFETCH(QString, actions);
        TConvertProcess runner;
        TConvertBatch batch(runner, {"/in/a.avi", "/in/b.mkv", "/in/c.avi"});
        QStringList messages;
        QString seen;
        for (qsizetype i = 0; i < marks.size(); ++i) {
            runner.OutputFile = "/out/" + std::string(1, char('a' + i)) + ".mp3";
            const auto action =
                batch.OnEndNotice(EndNotice(marks[i], statuses[i]), [&](const std::string& text) {
                    messages.append(QString::fromStdString(text));
                });
            seen += action == TConvertBatch::TEndAction::StartNext ? u'N'
                    : action == TConvertBatch::TEndAction::Close   ? u'C'
                                                                   : u'I';
        }
        QCOMPARE(seen, actions);
        QCOMPARE(QString::fromStdString(batch.FailedFiles), failed);
        QCOMPARE(messages, shown);
        QCOMPARE(batch.CurrentIndex(), std::size_t(3));
    }

    // A notice that was already queued when the user stopped must not move the batch on.
    void noticeAfterStopIsIgnored() {
        TConvertProcess runner;
        TConvertBatch batch(runner, {"/in/a.avi", "/in/b.avi", "/in/c.avi"});
        QCOMPARE(batch.OnEndNotice(EndNotice(QString()), {}), TConvertBatch::TEndAction::StartNext);
        batch.Stop();
        QVERIFY(batch.Stopped());
        QCOMPARE(batch.OnEndNotice(EndNotice(QString()), {}), TConvertBatch::TEndAction::Ignore);
        QCOMPARE(batch.CurrentIndex(), std::size_t(1));
        QCOMPARE(QString::fromStdString(batch.FailedFiles), QStringLiteral("a.avi, "));
        batch.StartCurrent(); // starts nothing: no job fields are written
        QVERIFY(runner.InputFile.empty());
    }

    // Stop pressed while the in-use message is up: the file still counts, nothing further starts.
    void stopWhileMessageIsUp() {
        TConvertProcess runner;
        TConvertBatch batch(runner, {"/in/a.avi", "/in/b.avi"});
        const auto action =
            batch.OnEndNotice(EndNotice(QString(), 2), [&](const std::string&) { batch.Stop(); });
        QCOMPARE(action, TConvertBatch::TEndAction::Ignore);
        QCOMPARE(QString::fromStdString(batch.FailedFiles), QStringLiteral("a.avi, "));
    }

    // Every start writes the job fields afresh, and reads the folder choice at that moment.
    void jobFieldsAreWrittenAtEachStart() {
        QTemporaryDir dir;
        const QString in1 = dir.filePath(QStringLiteral("one.avi"));
        const QString in2 = dir.filePath(QStringLiteral("two.avi"));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("o1")) && QDir(dir.path()).mkdir(QStringLiteral("o2")));
        // Existing outputs and a No answer: the runner posts a skip notice and starts no child.
        QVERIFY(WriteFile(dir.filePath(QStringLiteral("o1/one.ogg")), "old"));
        QVERIFY(WriteFile(dir.filePath(QStringLiteral("o2/two.ogg")), "old"));
        TQueuedQuestion question;
        TNoticeSink sink;
        TConvertProcess runner;
        runner.Question = &question;
        TConvertBatch batch(runner, {Utf8(in1), Utf8(in2)});
        batch.Job.OutputExt = ".ogg";
        batch.Job.FFmpegParams = "-vn ";
        batch.Job.FFmpegPath = "/opt/enc";
        batch.Job.NotUseAnotherFFmpeg = false;
        std::string folder = Utf8(dir.filePath(QStringLiteral("o1")));
        batch.SameInput = [] { return false; };
        batch.OutputFolder = [&] { return folder; };
        batch.NotifyWindow = &sink;
        batch.FailedFiles = "stale, ";
        batch.Begin();
        QVERIFY(batch.FailedFiles.empty());
        QCOMPARE(runner.InputFile, Utf8(in1));
        QCOMPARE(runner.OutputFile,
                 Utf8(dir.filePath(QStringLiteral("o1")) + QDir::separator() + u"one.ogg"_s));
        QCOMPARE(runner.FFmpegParams, std::string("-vn "));
        QCOMPARE(runner.FFmpegPath, std::string("/opt/enc"));
        QVERIFY(!runner.NotUseAnotherFFmpeg);
        QCOMPARE(runner.NotifyWindow.data(), &sink);
        QVERIFY(runner.Running);
        QTRY_COMPARE(sink.notices.size(), std::size_t(1));
        QCOMPARE(batch.OnEndNotice(sink.notices[0], {}), TConvertBatch::TEndAction::StartNext);
        folder = Utf8(dir.filePath(QStringLiteral("o2/")));
        batch.StartCurrent();
        QCOMPARE(runner.OutputFile, Utf8(dir.filePath(QStringLiteral("o2/two.ogg"))));
        QCOMPARE(question.asked.size(), 2);
        batch.Stop();
        QVERIFY(!runner.Running);
    }

    // The user stops the batch while the overwrite question is up and then answers Yes.
    void stopDuringTheQuestionLeavesNoEncoderRunning() {
        QTemporaryDir dir;
        const QString input = dir.filePath(QStringLiteral("a.avi"));
        QVERIFY(WriteFile(input, "input"));
        QVERIFY(WriteFile(dir.filePath(QStringLiteral("a.mp3")), "old"));
        TNoticeSink sink;
        TConvertProcess runner;
        TConvertBatch batch(runner, {Utf8(input)});
        TQueuedQuestion question;
        question.answers.enqueue(true);
        question.whileAsked = [&] { batch.Stop(); };
        runner.Question = &question;
        batch.Job.OutputExt = ".mp3";
        batch.Job.FFmpegParams = "--hang ";
        batch.Job.FFmpegPath = FAKE_ENCODER_PATH;
        batch.Job.NotUseAnotherFFmpeg = false;
        batch.NotifyWindow = &sink;
        batch.Begin();
        QCOMPARE(question.asked.size(), 1);
        QVERIFY(!runner.HasWorker());
        QVERIFY(!runner.Running);
    }

    // Whatever the answer, no file of a batch replaces an input of it or an output it wrote.
    void batchNeverOverwritesItsOwnFiles_data() {
        QTest::addColumn<QStringList>("inputs"); // in the temporary folder; all exist
        QTest::addColumn<QString>("ext");
        QTest::addColumn<QString>("folder"); // empty: beside each input
        QTest::addColumn<bool>("answer");
        QTest::addColumn<QList<int>>("statuses");
        QTest::addColumn<QString>("failed");
        QTest::addColumn<TExistingOutput>("mode");
        QTest::addColumn<int>("skipped");
        const auto ask = TExistingOutput::Ask;
        QTest::newRow("song.mp3 song.wav into WAV beside them")
            << QStringList{u"song.mp3"_s, u"song.wav"_s} << u".wav"_s << QString() << true
            << QList<int>{int(TEndStatus::OutputIsBatchFile), int(TEndStatus::OutputIsInput)}
            << u"song.mp3, song.wav, "_s << ask << 0;
        QTest::newRow("two inputs of one base name into one folder")
            << QStringList{u"a/clip.avi"_s, u"b/clip.mkv"_s} << u".mp3"_s << u"out"_s << true
            << QList<int>{0, int(TEndStatus::OutputWrittenByBatch)} << u"clip.mkv, "_s << ask << 0;
        QTest::newRow("the same input twice")
            << QStringList{u"a/clip.avi"_s, u"a/clip.avi"_s} << u".mp3"_s << QString() << true
            << QList<int>{0, int(TEndStatus::OutputWrittenByBatch)} << u"clip.avi, "_s << ask << 0;
        QTest::newRow("answer No: skipped quietly, counted as failed as designed")
            << QStringList{u"song.mp3"_s, u"song.wav"_s} << u".wav"_s << QString() << false
            << QList<int>{0, 0} << u"song.mp3, song.wav, "_s << ask << 0;
        QTest::newRow("Replace: nothing asked, the batch's own files still refused")
            << QStringList{u"song.mp3"_s, u"song.wav"_s} << u".wav"_s << QString() << false
            << QList<int>{int(TEndStatus::OutputIsBatchFile), int(TEndStatus::OutputIsInput)}
            << u"song.mp3, song.wav, "_s << TExistingOutput::Replace << 0;
        QTest::newRow("Replace: an output this batch wrote is still refused")
            << QStringList{u"a/clip.avi"_s, u"b/clip.mkv"_s} << u".mp3"_s << u"out"_s << false
            << QList<int>{0, int(TEndStatus::OutputWrittenByBatch)} << u"clip.mkv, "_s
            << TExistingOutput::Replace << 0;
        QTest::newRow("Skip: the batch's own files are skipped, not failed")
            << QStringList{u"song.mp3"_s, u"song.wav"_s} << u".wav"_s << QString() << true << QList<int>{0, 0}
            << QString() << TExistingOutput::Skip << 2;
        QTest::newRow("Skip: an output this batch wrote is skipped")
            << QStringList{u"a/clip.avi"_s, u"b/clip.mkv"_s} << u".mp3"_s << u"out"_s << true
            << QList<int>{0, 0} << QString() << TExistingOutput::Skip << 1;
    }
    void batchNeverOverwritesItsOwnFiles() {
        QFETCH(QStringList, inputs);
        QFETCH(QString, ext);
        QFETCH(QString, folder);
        QFETCH(bool, answer);
        QFETCH(QList<int>, statuses);
        QFETCH(QString, failed);
        QFETCH(TExistingOutput, mode);
        QFETCH(int, skipped);
        QTemporaryDir dir;
        std::vector<std::string> files;
        for (const QString& name : inputs) {
            QVERIFY(QDir(dir.path()).mkpath(QFileInfo(name).path()));
            QVERIFY(WriteFile(dir.filePath(name), name.toUtf8()));
            files.push_back(Utf8(dir.filePath(name)));
        }
        QVERIFY(QDir(dir.path()).mkpath(folder.isEmpty() ? u"."_s : folder));
        TQueuedQuestion question;
        question.answers = QQueue<bool>({answer, answer});
        TNoticeSink sink;
        TConvertProcess runner;
        runner.Question = &question;
        TConvertBatch batch(runner, files);
        batch.Job.OutputExt = Utf8(ext);
        batch.Job.FFmpegParams = "--write-args --time 00:00:01.00 ";
        batch.Job.FFmpegPath = FAKE_ENCODER_PATH;
        batch.Job.NotUseAnotherFFmpeg = false;
        batch.Job.ExistingOutput = mode;
        batch.SameInput = [&] { return folder.isEmpty(); };
        batch.OutputFolder = [&] { return Utf8(dir.filePath(folder)); };
        batch.NotifyWindow = &sink;
        QStringList shown, expectedShown;
        QList<int> seen;
        batch.Begin();
        for (auto action = TConvertBatch::TEndAction::StartNext;
             action == TConvertBatch::TEndAction::StartNext;) {
            QTRY_COMPARE_WITH_TIMEOUT(sink.notices.size(), std::size_t(1), 20000);
            const TProcessInfo end = sink.notices.front();
            sink.notices.clear();
            seen << end.Status;
            if (const std::string reason = RefusalText(end.EndStatus(), runner.OutputFile); !reason.empty())
                expectedShown << QString::fromStdString(reason);
            action = batch.OnEndNotice(
                end, [&](const std::string& text) { shown << QString::fromStdString(text); });
            if (action == TConvertBatch::TEndAction::StartNext)
                batch.StartCurrent();
        }
        QCOMPARE(seen, statuses);
        QCOMPARE(shown, expectedShown);
        QCOMPARE(QString::fromStdString(batch.FailedFiles), failed);
        QCOMPARE(batch.Skipped(), std::size_t(skipped));
        // Nothing is asked that no answer could change: about an output this batch wrote, say.
        if (mode != TExistingOutput::Ask || statuses.last() == int(TEndStatus::OutputWrittenByBatch))
            QCOMPARE(question.asked, QStringList());
        for (const QString& name : inputs)
            QCOMPARE(ReadFile(dir.filePath(name)), name.toUtf8()); // every input as it was
        if (statuses.first() == 0 && answer &&
            mode == TExistingOutput::Ask) { // the first output holds the first file's conversion
            const QByteArray firstInput = "arg:" + dir.filePath(inputs[0]).toUtf8();
            const std::string firstOutput =
                OutputPathFor(files[0], folder.isEmpty(), Utf8(dir.filePath(folder)), Utf8(ext));
            QVERIFY(ReadFile(QString::fromStdString(firstOutput)).contains(firstInput));
        }
    }

    // Out of descriptors: the file fails with the OS's words and the batch goes on, or, while another
    // file's encoder runs, the file waits for that one to end and free what it holds.
    void startWithoutDescriptors_data() {
        QTest::addColumn<int>("runners");
        QTest::addColumn<int>("free"); // descriptors left to open
        QTest::addColumn<QString>("failed");
        QTest::newRow("no other encoder runs: each file fails, the batch ends")
            << 1 << 3 << u"a.wav, b.wav, "_s;
    }
    void startWithoutDescriptors() {
#if defined(_WIN32)
        QSKIP("Windows sets no open-file limit");
#elif defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
        QSKIP("the sanitizers' runtime needs descriptors of its own to check memory");
#else
        QFETCH(int, runners);
        QFETCH(int, free);
        QFETCH(QString, failed);
        QTemporaryDir dir;
        std::vector<std::string> files;
        for (const QString& name : {u"a.wav"_s, u"b.wav"_s}) {
            QVERIFY(WriteFile(dir.filePath(name), "input"));
            files.push_back(Utf8(dir.filePath(name)));
        }
        std::vector<std::unique_ptr<TConvertProcess>> own;
        std::vector<TConvertProcess*> pointers;
        for (int i = 0; i < runners; ++i)
            pointers.push_back(own.emplace_back(std::make_unique<TConvertProcess>()).get());
        TNoticeSink sinks[2];
        TConvertBatch batch(pointers, files);
        batch.Job.OutputExt = ".mp3";
        batch.Job.FFmpegParams = "--time 00:00:01.00 ";
        batch.Job.FFmpegPath = FAKE_ENCODER_PATH;
        batch.Job.NotUseAnotherFFmpeg = false;
        batch.NotifyWindow = &sinks[0];
        batch.SetSlotNotifyWindow(1 % runners, &sinks[1 % runners]);
        QStringList shown;
        {
            const TDescriptorLimit limit(free);
            batch.Begin();
            for (auto action = TConvertBatch::TEndAction::StartNext;
                 action != TConvertBatch::TEndAction::Close;) {
                const auto ended = [&] {
                    for (std::size_t slot = 0; slot < std::size_t(runners); ++slot)
                        for (const TProcessInfo& info : sinks[slot].notices)
                            if (info.IsEndNotice())
                                return int(slot);
                    return -1;
                };
                QTRY_VERIFY_WITH_TIMEOUT(ended() >= 0, 20000);
                const auto slot = std::size_t(ended());
                const TProcessInfo end = sinks[slot].notices.back();
                sinks[slot].notices.clear();
                action = batch.OnEndNotice(
                    end, [&](const std::string& text) { shown << QString::fromStdString(text); }, slot);
                if (action == TConvertBatch::TEndAction::StartNext)
                    batch.StartCurrent(slot);
            }
        }
        QCOMPARE(QString::fromStdString(batch.FailedFiles), failed);
        QVERIFY2(shown.isEmpty(), qPrintable(shown.join(u'\n')));
        if (!failed.isEmpty())
            QCOMPARE(QString::fromStdString(batch.Reason(1).at(0)),
                     dir.filePath(u"b.mp3"_s) +
                         u" was not written: the encoder could not be started (Too many open files)."_s);
        for (const QString& name : {u"a.mp3"_s, u"b.mp3"_s})
            QCOMPARE(QFile::exists(dir.filePath(name)), failed.isEmpty());
#endif
    }

    // Files whose encoders have ended are kept when a later start finds no encoder, even when the
    // event loop has not yet turned to hand their ends over.
    void finishedFileIsKeptWhenALaterStartFails() {
        QTemporaryDir dir;
        std::vector<std::string> files;
        for (const QString& name : {u"a.wav"_s, u"b.wav"_s}) {
            QVERIFY(WriteFile(dir.filePath(name), "input"));
            files.push_back(Utf8(dir.filePath(name)));
        }
        TConvertProcess first, second;
        TNoticeSink sink;
        TConvertBatch batch({&first, &second}, files);
        batch.Job.OutputExt = ".mp3";
        batch.Job.FFmpegParams = "--write-args --time 00:00:01.00 ";
        batch.Job.FFmpegPath = FAKE_ENCODER_PATH;
        batch.Job.NotUseAnotherFFmpeg = false;
        batch.NotifyWindow = &sink;
        batch.SetSlotNotifyWindow(1, &sink);
        // A journal makes its start line lasting here: before the output has its name, not after.
        std::vector<bool> outputThere;
        batch.OutputNaming = [&] { outputThere.push_back(QFile::exists(dir.filePath(u"a.mp3"_s))); };
        QVERIFY(batch.StartCurrent(0));
        const std::int64_t pid = first.ProcessInformation.pid;
        for (int i = 0; i < 2000 && ProcessAlive(pid); ++i)
            QThread::msleep(5); // waits on the encoder's exit, not on the event loop
        QVERIFY(!ProcessAlive(pid));
        batch.Job.FFmpegPath = Utf8(dir.filePath(u"missing"_s));
        QVERIFY_THROWS_EXCEPTION(EOSError, batch.StartCurrent(1));
        QVERIFY(ReadFile(dir.filePath(u"a.mp3"_s))
                    .contains(QByteArray("arg:" + dir.filePath(u"a.wav"_s).toUtf8())));
        QCOMPARE(batch.Converted(), std::size_t(1));
        QCOMPARE(QString::fromStdString(batch.FailedFiles), u"b.wav, "_s);
        QCOMPARE(outputThere, std::vector<bool>{false});
    }

    void outputThatIsTheInputIsNeverEncoded_data() {
        QTest::addColumn<bool>("yes");
        QTest::addColumn<int>("status");
        QTest::newRow("No: skipped quietly") << false << 0;
        QTest::newRow("Yes: refused and reported") << true << int(TEndStatus::OutputIsInput);
    }
    void outputThatIsTheInputIsNeverEncoded() {
        QFETCH(bool, yes);
        QFETCH(int, status);
        QTemporaryDir dir;
        const QString input = dir.filePath(QStringLiteral("song.mp3"));
        QVERIFY(WriteFile(input, "precious"));
        TQueuedQuestion question;
        question.answers.enqueue(yes);
        TNoticeSink sink;
        TConvertProcess runner;
        runner.Question = &question;
        runner.Parse.HasProgress = true; // left over from an earlier file
        TConvertBatch batch(runner, {Utf8(input)});
        batch.Job.OutputExt = ".mp3";
        batch.NotifyWindow = &sink;
        batch.Begin();
        QCOMPARE(question.asked, QStringList{input + u" has existed,overite it?"_s});
        QTRY_COMPARE(sink.notices.size(), std::size_t(1));
        QVERIFY(sink.notices[0].IsEndNotice());
        QCOMPARE(sink.notices[0].Status, status);
        QVERIFY(sink.notices[0].TimeElapsed.empty());
        QVERIFY(!runner.HasWorker());
        QVERIFY(runner.CommandLine().empty());
        QCOMPARE(ReadFile(input), QByteArray("precious"));
        QCOMPARE(batch.OnEndNotice(sink.notices[0], {}), TConvertBatch::TEndAction::Close);
        QCOMPARE(QString::fromStdString(batch.FailedFiles), QStringLiteral("song.mp3, "));
    }
};

QTEST_GUILESS_MAIN(tst_ConvertBatch)
#include "tst_ConvertBatch.moc"
