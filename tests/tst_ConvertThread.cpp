#include "QueuedQuestion.h"
#include "TestFiles.h"
#include "TestProcesses.h"
#include "core/ConvertBatch.h"
#include "core/ConvertThread.h"
#include "core/WorkFile.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <deque>
#include <memory>

using namespace clipvane;

Q_DECLARE_METATYPE(clipvane::TExistingOutput)
using namespace Qt::StringLiterals;

namespace {

const std::string kFake = FAKE_ENCODER_PATH;
constexpr int kSentinel = QEvent::User + 77;
#ifdef _WIN32
// The fake encoder records first the command line it received, then the arguments.
const QByteArray kFirstRecord = "line:";
constexpr int kFirstArg = 1;
// No signals: a crash leaves the exception's status as the exit code, abort() leaves 3.
constexpr int kCrashCode = int(0xC0000005u), kCrashSignal = 0, kAbortCode = 3, kAbortSignal = 0;
#else
const QByteArray kFirstRecord = "arg:";
constexpr int kFirstArg = 0;
constexpr int kCrashCode = 0, kCrashSignal = 11, kAbortCode = 0, kAbortSignal = 6;
#endif
const QString kDurationOnStdout = QStringLiteral("  Duration: 00:01:40.00, start: 0.000000\\n");

// Collects the notices posted to the batch window, in arrival order.
class TReceiver final : public QObject {
public:
    std::vector<TProcessInfo> notices;
    bool sentinelSeen = false;

    bool event(QEvent* event) override {
        if (event->type() == static_cast<QEvent::Type>(WM_PROCESSINFO)) {
            notices.push_back(*static_cast<TProcessInfoEvent*>(event)->Take());
            return true;
        }
        if (event->type() == static_cast<QEvent::Type>(kSentinel)) {
            sentinelSeen = true;
            return true;
        }
        return QObject::event(event);
    }
    int EndNotices() const {
        return static_cast<int>(std::count_if(notices.begin(), notices.end(),
                                              [](const TProcessInfo& i) { return i.IsEndNotice(); }));
    }
    bool Ended() const { return EndNotices() > 0; }
    QList<int> Percents() const {
        QList<int> list;
        for (const TProcessInfo& info : notices)
            if (!info.IsEndNotice())
                list << info.Percent;
        return list;
    }
    // Everything posted before this call has been handled once it returns true.
    bool Flush() {
        sentinelSeen = false;
        QCoreApplication::postEvent(this, new QEvent(static_cast<QEvent::Type>(kSentinel)));
        QDeadlineTimer deadline(10000);
        while (!sentinelSeen && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        return sentinelSeen;
    }
};

// An argument string for the fake encoder: words with blanks or quotes are quoted the C runtime's way.
std::string Script(const QStringList& words) {
    std::string text;
    for (const QString& word : words) {
        std::string w = word.toStdString();
        if (w.find_first_of(" \t\"") != std::string::npos) {
            std::string quoted = "\"";
            for (char c : w)
                quoted += c == '"' ? std::string("\\\"") : std::string(1, c);
            w = quoted + "\"";
        }
        text += w + " ";
    }
    return text;
}

QByteArrayList RecordedLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll().split('\n');
}

// Runs a helper program to its end and returns its standard output. Through the platform layer
// rather than QProcess, whose fork does not mix with the thread sanitizer.
QByteArray RunTool(const QStringList& words) {
    using namespace platform;
    std::vector<std::string> argv;
    for (const QString& word : words)
        argv.push_back(word.toStdString());
    Handle inRead = kNoHandle, inWrite = kNoHandle, outRead = kNoHandle, outWrite = kNoHandle,
           errRead = kNoHandle, errWrite = kNoHandle;
    ChildProcess child;
    QByteArray output;
    if (CreatePipe(inRead, inWrite) && CreatePipe(outRead, outWrite) && CreatePipe(errRead, errWrite) &&
        SpawnHidden(argv, {}, inRead, outWrite, errWrite, child)) {
        const auto drain = [&](Handle pipe, bool keep) {
            std::uint32_t bytes = 0;
            while (PeekPipe(pipe, bytes) && bytes > 0) {
                std::string buffer(bytes, '\0');
                const auto n = ReadPipe(pipe, buffer.data(), bytes);
                if (keep && n > 0)
                    output.append(buffer.data(), n);
            }
        };
        QDeadlineTimer deadline(120000);
        for (bool ended = false; !ended && !deadline.hasExpired();) {
            ended = WaitForChild(child, 100, outRead, errRead) == WaitResult::Exited;
            drain(outRead, true);
            drain(errRead, false);
        }
        TerminateChild(child, 0);
        ReleaseChild(child);
    }
    for (Handle* h : {&inRead, &inWrite, &outRead, &outWrite, &errRead, &errWrite})
        platform::CloseHandle(*h);
    return output;
}

// Waits without running the event loop, so a hand-off the worker asked for stays unserved.
bool WaitForPendingHandOff(const TConvertProcess& runner) {
    QDeadlineTimer deadline(10000);
    while (!runner.HandOffPending() && !deadline.hasExpired())
        QThread::msleep(2);
    return runner.HandOffPending();
}

} // namespace

class tst_ConvertThread final : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir{ScriptsFolderTemplate()};
    TReceiver m_receiver;
    TQueuedQuestion m_question;
    int m_baseline = 0;

    std::unique_ptr<TConvertProcess> NewRunner(const QStringList& script, const QString& output = {}) {
        auto runner = std::make_unique<TConvertProcess>();
        runner->NotifyWindow = &m_receiver;
        runner->Question = &m_question;
        runner->InputFile = m_dir.filePath(QStringLiteral("input.avi")).toStdString();
        runner->OutputFile =
            (output.isEmpty() ? m_dir.filePath(QStringLiteral("output.txt")) : output).toStdString();
        runner->FFmpegPath = kFake;
        runner->NotUseAnotherFFmpeg = false;
        runner->FFmpegParams = Script(script);
        runner->Running = true;
        return runner;
    }

    // The runner and its worker have released every descriptor and the child is reaped.
    bool AllReleased(std::int64_t pid) { return OpenDescriptors() == m_baseline && !ProcessExists(pid); }

private slots:
    void init() {
        QVERIFY(m_dir.isValid());
        QDir(m_dir.path()).removeRecursively();
        QVERIFY(QDir().mkpath(m_dir.path()));
        m_receiver.notices.clear();
        m_question.answers.clear();
        m_question.asked.clear();
        m_baseline = OpenDescriptors();
    }

    void existingOutput_data() {
        QTest::addColumn<bool>("exists");
        QTest::addColumn<bool>("hasQuestion");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<bool>("holdOpen");
        QTest::addColumn<int>("status"); // -1: the encoder runs
        QTest::addColumn<TExistingOutput>("mode");
        const auto ask = TExistingOutput::Ask;

        QTest::newRow("absent: no question, runs without -y") << false << true << true << false << -1 << ask;
        QTest::newRow("answer No: skipped with status 0") << true << true << false << false << 0 << ask;
        QTest::newRow("nobody to ask counts as No") << true << false << true << false << 0 << ask;
        QTest::newRow("answer Yes but held open: status 2") << true << true << true << true << 2 << ask;
        QTest::newRow("answer Yes but read-only: said so") << true << true << true << false << 11 << ask;
        QTest::newRow("name longer than the file system takes: refused first")
            << false << true << true << false << 12 << ask;
        QTest::newRow("answer Yes and free: runs with -y") << true << true << true << false << -1 << ask;
        QTest::newRow("Skip: kept without a question, marked skipped")
            << true << true << true << false << 0 << TExistingOutput::Skip;
        QTest::newRow("Replace: runs with -y without a question")
            << true << true << false << false << -1 << TExistingOutput::Replace;
        QTest::newRow("Replace, read-only: still refused")
            << true << true << false << false << 11 << TExistingOutput::Replace;
        QTest::newRow("Skip, absent: runs") << false << true << false << false << -1 << TExistingOutput::Skip;
    }
    void existingOutput() {
        QFETCH(bool, exists);
        QFETCH(bool, hasQuestion);
        QFETCH(bool, answer);
        QFETCH(bool, holdOpen);
        QFETCH(int, status);
        QFETCH(TExistingOutput, mode);

        const QString output = m_dir.filePath(
            status == int(TEndStatus::OutputBadName) ? QString(QString(300, u'n') + u".mp3") : u"out.mp3"_s);
        QFile existing(output);
        if (exists) {
            QVERIFY(existing.open(QIODevice::WriteOnly));
            existing.write("old");
            if (!holdOpen)
                existing.close();
        }
        if (status == int(TEndStatus::OutputReadOnly)) {
            QVERIFY(existing.setPermissions(QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        }
        auto runner = NewRunner(
            {QStringLiteral("--time"), QStringLiteral("00:00:01.00"), QStringLiteral("--write-args")},
            output);
        if (!hasQuestion)
            runner->Question = nullptr;
        runner->ExistingOutput = mode;
        m_question.answers = QQueue<bool>({answer});
        runner->Start();

        const QStringList expectedQuestion{output + QStringLiteral(" has existed,overite it?")};
        QCOMPARE(m_question.asked,
                 exists && hasQuestion && mode == TExistingOutput::Ask ? expectedQuestion : QStringList());
        if (status >= 0) {
            QCOMPARE(runner->ProcessInformation.pid, 0);
            QVERIFY(!runner->HasWorker());
            QCOMPARE(runner->StdOutRead, platform::kNoHandle);
            QVERIFY(m_receiver.Flush());
            QCOMPARE(m_receiver.notices.size(), std::size_t(1));
            QCOMPARE(m_receiver.notices[0].Percent, kEndNoticePercent);
            QCOMPARE(m_receiver.notices[0].Status, status);
            QCOMPARE(m_receiver.notices[0].TimeElapsed, std::string());
            QCOMPARE(m_receiver.notices[0].Skipped, mode == TExistingOutput::Skip);
#ifndef Q_OS_WIN
            if (status == int(TEndStatus::OutputBadName))
                QCOMPARE(
                    RefusalText(TEndStatus::OutputBadName, "x.mp3", m_receiver.notices[0].OSError),
                    std::string("x.mp3 cannot be created (File name too long), convert process failed!"));
#endif
            if (!exists)
                return;
            existing.close();
            QVERIFY(existing.open(QIODevice::ReadOnly));
            QCOMPARE(existing.readAll(), QByteArray("old")); // untouched
            return;
        }
        QTRY_VERIFY_WITH_TIMEOUT(m_receiver.Ended(), 20000);
        const bool overwrite = exists;
        QCOMPARE(QString::fromStdString(runner->CommandLine())
                     .startsWith(QString::fromStdString("\"" + kFake + "\" -y -i ")),
                 overwrite);
        QCOMPARE(RecordedLines(output).contains("arg:-y"), overwrite);
        QCOMPARE(m_receiver.notices.back().TimeElapsed, std::string("some"));
    }

    void missingEncoder_data() {
        QTest::addColumn<bool>("bareName");
        QTest::addColumn<QString>("ffmpegPath");
        QTest::newRow("chosen encoder does not exist") << false << QStringLiteral("/nonexistent/bin/ffmpeg");
        QTest::newRow("bare name not on the search path") << true << QString();
    }
    void missingEncoder() {
        QFETCH(bool, bareName);
        QFETCH(QString, ffmpegPath);
        QTemporaryDir emptyFolder;
        const QByteArray savedPath = qgetenv("PATH");
        qputenv("PATH", emptyFolder.path().toUtf8());
        auto runner = NewRunner({});
        runner->NotUseAnotherFFmpeg = bareName;
        runner->FFmpegPath = ffmpegPath.toStdString();
        QString message;
        try {
            runner->Start();
        } catch (const Exception& error) {
            message = QString::fromStdString(error.what());
        }
        qputenv("PATH", savedPath);
        QCOMPARE(message, QStringLiteral("Error while creating convert process!2"));
        QCOMPARE(runner->StdInRead, platform::kNoHandle);
        QCOMPARE(runner->StdOutRead, platform::kNoHandle);
        QCOMPARE(runner->StdErrWrite, platform::kNoHandle);
        QCOMPARE(runner->ProcessInformation.process, platform::kNoHandle);
        QVERIFY(!runner->HasWorker());
        QCOMPARE(OpenDescriptors(), m_baseline);
        QVERIFY(m_receiver.Flush());
        QVERIFY(m_receiver.notices.empty());
    }

    void naturalEnd_data() {
        QTest::addColumn<QStringList>("script");
        QTest::addColumn<QList<int>>("percents");
        QTest::addColumn<QString>("mark");

        const QString d = QStringLiteral("--duration"), t = QStringLiteral("--time"),
                      eol = QStringLiteral("--eol");
        QTest::newRow("duration then progress")
            << QStringList{d, QStringLiteral("00:00:10.00"), t, QStringLiteral("00:00:05.00")}
            << QList<int>{50} << QStringLiteral("some");
        for (const char* ending : {"cr", "crlf", "crcrlf"})
            QTest::newRow(qPrintable(QStringLiteral("lines ended by ") + QLatin1String(ending)))
                << QStringList{eol, QLatin1String(ending),         d, QStringLiteral("00:01:40.00"),
                               t,   QStringLiteral("00:00:10.00"), t, QStringLiteral("00:00:20.00")}
                << QList<int>{10, 20} << QStringLiteral("some");
        QTest::newRow("standard output is parsed too")
            << QStringList{QStringLiteral("--out"), QStringLiteral("Duration: 00:01:40.00, start: 0\\n"),
                           QStringLiteral("--out"), QStringLiteral("time=00:00:25.00 bitrate=1\\r")}
            << QList<int>{25} << QStringLiteral("some");
        QTest::newRow("no time= line: no mark")
            << QStringList{d, QStringLiteral("00:00:10.00"), QStringLiteral("--err"),
                           QStringLiteral("error\\n")}
            << QList<int>{} << QString();
        QTest::newRow("time= without a duration: mark, no reports")
            << QStringList{t, QStringLiteral("00:00:05.00")} << QList<int>{} << QStringLiteral("some");
        QTest::newRow("exit code leaves the progress mark as it is")
            << QStringList{t, QStringLiteral("00:00:05.00"), QStringLiteral("--exit"), QStringLiteral("1")}
            << QList<int>{} << QStringLiteral("some");
        // Each pipe carries its own duration line: the two pipes are read in no fixed order.
        QTest::newRow("output written right before exit is all parsed")
            << QStringList{d,
                           QStringLiteral("00:01:40.00"),
                           QStringLiteral("--out"),
                           kDurationOnStdout,
                           QStringLiteral("--flood"),
                           QStringLiteral("3")}
            << QList<int>{1, 1, 2, 2, 3, 3} << QStringLiteral("some");
        QTest::newRow("quiet child is waited for") << QStringList{QStringLiteral("--sleep"),
                                                                  QStringLiteral("350"),
                                                                  d,
                                                                  QStringLiteral("00:00:10.00"),
                                                                  t,
                                                                  QStringLiteral("00:00:09.00")}
                                                   << QList<int>{90} << QStringLiteral("some");
    }
    void naturalEnd() {
        QFETCH(QStringList, script);
        QFETCH(QList<int>, percents);
        QFETCH(QString, mark);
        auto runner = NewRunner(script);
        runner->Start();
        const std::int64_t pid = runner->ProcessInformation.pid;
        QVERIFY(pid > 0);
        QVERIFY(runner->HasWorker());
        QTRY_VERIFY_WITH_TIMEOUT(m_receiver.Ended(), 20000);
        QTRY_VERIFY_WITH_TIMEOUT(AllReleased(pid), 20000);
        QVERIFY(m_receiver.Flush());
        QCOMPARE(m_receiver.EndNotices(), 1);
        QVERIFY(m_receiver.notices.back().IsEndNotice()); // every report came before it
        QCOMPARE(m_receiver.notices.back().Status, 0);
        QCOMPARE(QString::fromStdString(m_receiver.notices.back().TimeElapsed), mark);
        QList<int> got = m_receiver.Percents();
        std::sort(got.begin(), got.end()); // stdout and stderr interleave freely
        QCOMPARE(got, percents);
        QVERIFY(runner->Running); // only Stop clears it
        QVERIFY(!runner->HasWorker());
        QCOMPARE(runner->StdErrRead, platform::kNoHandle);
        QCOMPARE(runner->ProcessInformation.process, platform::kNoHandle);
    }

    // The encoder is held where it is, and the time it was held is not counted as its own.
    void pausedTimeIsNotTheEncoders() {
        double now = 45000.0; // fractional days, as the parser's clock gives them
        auto runner = NewRunner({QStringLiteral("--duration"), QStringLiteral("00:01:40.00"),
                                 QStringLiteral("--ticks"), QStringLiteral("1"), QStringLiteral("3000")});
        runner->Clock = [](void* context) { return *static_cast<double*>(context); };
        runner->ClockContext = &now;
        runner->Start();
        const std::int64_t pid = runner->ProcessInformation.pid;
        QTRY_VERIFY_WITH_TIMEOUT(runner->Parse.TotalSeconds == 100, 10000);
        runner->SetPaused(true);
        QTRY_VERIFY(ProcessHeld(pid));
        now += 1.0 / 24; // an hour held
        runner->SetPaused(false);
        QTRY_VERIFY(!ProcessHeld(pid));
        now += 10.0 / 86400;
        QTRY_VERIFY_WITH_TIMEOUT(m_receiver.Ended(), 20000);
        QCOMPARE(m_receiver.Percents(), QList<int>{1});
        QCOMPARE(QString::fromStdString(m_receiver.notices.front().TimeElapsed), u"00:10"_s);
        QVERIFY(m_receiver.notices.back().Converted());
    }

    void exitStatusDecidesAfterProgress_data() {
        QTest::addColumn<QStringList>("script");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<int>("exitSignal");
        QTest::addColumn<bool>("converted");
        const QStringList progress{QStringLiteral("--time"), QStringLiteral("00:00:05.00")};
        QTest::newRow("exit 0 after progress: converted") << progress << 0 << 0 << true;
        QTest::newRow("exit 1 after progress (disk full): failed")
            << progress + QStringList{QStringLiteral("--exit"), QStringLiteral("1")} << 1 << 0 << false;
        QTest::newRow("crash after progress: failed")
            << progress + QStringList{QStringLiteral("--signal"), QStringLiteral("11")} << kCrashCode
            << kCrashSignal << false;
        QTest::newRow("abort after progress: failed")
            << progress + QStringList{QStringLiteral("--signal"), QStringLiteral("6")} << kAbortCode
            << kAbortSignal << false;
        QTest::newRow("exit 0 after progress without an output file: failed")
            << progress + QStringList{QStringLiteral("--no-output")} << 0 << 0 << false;
        QTest::newRow("exit 69 without progress: failed")
            << QStringList{QStringLiteral("--exit"), QStringLiteral("69")} << 69 << 0 << false;
    }
    void exitStatusDecidesAfterProgress() {
        QFETCH(QStringList, script);
        QFETCH(int, exitCode);
        QFETCH(int, exitSignal);
        QFETCH(bool, converted);
        auto runner = NewRunner(script);
        runner->Start();
        QTRY_VERIFY_WITH_TIMEOUT(m_receiver.Ended(), 20000);
        const TProcessInfo& end = m_receiver.notices.back();
        QCOMPARE(end.ExitCode, exitCode);
        QCOMPARE(end.ExitSignal, exitSignal);
        QCOMPARE(end.Converted(), converted);
    }

    // The encoder writes beside the output; only a converted file takes the output's name.
    void outputAppearsOnlyWhenConverted_data() {
        QTest::addColumn<bool>("older");      // an older output exists, the user agreed to replace it
        QTest::addColumn<QString>("ending");  // of the script after its progress; "stop": Stop midway
        QTest::addColumn<QByteArray>("left"); // the output afterwards: "old", "new" (records) or none
        QTest::addColumn<int>("status");
        QTest::newRow("converted") << false << QString() << QByteArray("new") << 0;
        QTest::newRow("converted over the older output") << true << QString() << QByteArray("new") << 0;
        QTest::newRow("failed: no half file") << false << u"--exit 1"_s << QByteArray() << 0;
        QTest::newRow("failed: the older output stays") << true << u"--exit 1"_s << QByteArray("old") << 0;
        QTest::newRow("crashed: the older output stays") << true << u"--signal 9"_s << QByteArray("old") << 0;
        QTest::newRow("stopped: no half file") << false << u"stop"_s << QByteArray() << -1;
        QTest::newRow("stopped: the older output stays") << true << u"stop"_s << QByteArray("old") << -1;
        QTest::newRow("a file appeared at the output meanwhile: kept, refused")
            << false << u"--touch OUT"_s << QByteArray("intruder") << int(TEndStatus::OutputNotReplaced);
    }
    void outputAppearsOnlyWhenConverted() {
        QFETCH(bool, older);
        QFETCH(QString, ending);
        QFETCH(QByteArray, left);
        QFETCH(int, status);
        const QString output = m_dir.filePath(QStringLiteral("out.mp3"));
        if (older)
            QVERIFY(WriteFile(output, "old"));
        m_question.answers = QQueue<bool>({true});
        QStringList script{QStringLiteral("--write-args"), QStringLiteral("--time"),
                           QStringLiteral("00:00:01.00")};
        if (ending == u"stop"_s)
            script << QStringLiteral("--hang");
        else if (!ending.isEmpty())
            for (QString word : ending.split(u' ')) // the output's name may hold blanks
                script << word.replace(u"OUT"_s, output);
        auto runner = NewRunner(script, output);
        runner->Start();
        const QString work = QString::fromStdString(runner->WorkFile());
        QVERIFY(work != output && work.endsWith(u".mp3"_s));
        if (status < 0) {
            QTRY_VERIFY_WITH_TIMEOUT(ReadFile(work).contains("arg:"), 20000);
            QCOMPARE(ReadFile(output), older ? QByteArray("old") : QByteArray()); // not touched meanwhile
            runner->Stop(0);
        } else {
            QTRY_VERIFY_WITH_TIMEOUT(m_receiver.Ended(), 20000);
            QCOMPARE(m_receiver.notices.back().Status, status);
        }
        const QByteArray got = ReadFile(output);
        QCOMPARE(left == "new" ? got.left(kFirstRecord.size()) : got, left == "new" ? kFirstRecord : left);
        const QStringList all =
            QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        QCOMPARE(all, left.isEmpty() ? QStringList() : QStringList{QStringLiteral("out.mp3")});
    }

    // Outputs whose names share their first 160 bytes still get work files apart.
    void longNamesSharingTheirStartKeepApart() {
        const std::string shared(170, 'n');
        const std::string work =
            WorkFileFor(m_dir.filePath(QString::fromStdString(shared + "a.mp3")).toStdString());
        const std::string name = work.substr(work.rfind('/') + 1);
        QVERIFY(IsWorkFileOf(name, shared + "a.mp3"));
        QVERIFY(!IsWorkFileOf(name, shared + "b.mp3"));
        QVERIFY(name.size() <= 255);
    }

    // A link at the output name is an existing output; it is replaced, never written through.
    void linkAtTheOutputIsNeverFollowed_data() {
        QTest::addColumn<QString>("target"); // what the link points to, in the temporary folder
        QTest::addColumn<bool>("answer");
        QTest::newRow("dangling link, answer No: nothing created") << u"planted.mp3"_s << false;
        QTest::newRow("dangling link, answer Yes: the link is replaced") << u"planted.mp3"_s << true;
        QTest::newRow("link to a file, answer Yes: the file stays as it was") << u"victim.mp3"_s << true;
        QTest::newRow("link to a read-only file: replaced, not taken as in use") << u"locked.mp3"_s << true;
        QTest::newRow("link to a folder, answer Yes: the folder stays") << u"folder"_s << true;
    }
    void linkAtTheOutputIsNeverFollowed() {
#ifdef _WIN32
        QSKIP("QFile::link makes a .lnk shortcut on Windows, not a link the file system follows");
#endif
        QFETCH(QString, target);
        QFETCH(bool, answer);
        QVERIFY(WriteFile(m_dir.filePath(u"victim.mp3"_s), "victim"));
        QVERIFY(WriteFile(m_dir.filePath(u"locked.mp3"_s), "locked"));
        QVERIFY(QFile(m_dir.filePath(u"locked.mp3"_s)).setPermissions(QFile::ReadOwner));
        QVERIFY(QDir(m_dir.path()).mkdir(u"folder"_s));
        const QString output = m_dir.filePath(u"out.mp3"_s);
        QVERIFY(QFile::link(m_dir.filePath(target), output));
        m_question.answers = QQueue<bool>({answer});
        auto runner = NewRunner({u"--write-args"_s, u"--time"_s, u"00:00:01.00"_s}, output);
        runner->Start();
        QTRY_VERIFY_WITH_TIMEOUT(m_receiver.Ended(), 20000);
        QCOMPARE(m_question.asked.size(), 1);
        QCOMPARE(m_receiver.notices.back().Converted(), answer);
        QCOMPARE(QFileInfo(output).isSymLink(), !answer);
        if (answer)
            QVERIFY(ReadFile(output).startsWith("arg:"));
        QVERIFY(!QFileInfo::exists(m_dir.filePath(u"planted.mp3"_s)));
        QCOMPARE(ReadFile(m_dir.filePath(u"victim.mp3"_s)), QByteArray("victim"));
        QCOMPARE(ReadFile(m_dir.filePath(u"locked.mp3"_s)), QByteArray("locked"));
        QVERIFY(QDir(m_dir.filePath(u"folder"_s)).isEmpty());
    }

    // Nothing may make the batch wait for ever on a question the encoder asks on its own input.
    void neverWaitsOnTheEncodersQuestion_data() {
        QTest::addColumn<bool>("folder"); // an existing folder at the output path
        QTest::addColumn<bool>("answer");
        QTest::addColumn<int>("status");   // -1: the encoder runs
        QTest::addColumn<int>("exitCode"); // of the encoder that ran
        QTest::newRow("folder, answer Yes: refused, no encoder")
            << true << true << int(TEndStatus::OutputIsFolder) << 0;
        QTest::newRow("folder, answer No: skipped") << true << false << 0 << 0;
        QTest::newRow("encoder asks anyway: reads end of file, fails") << false << true << -1 << 1;
    }
    void neverWaitsOnTheEncodersQuestion() {
        QFETCH(bool, folder);
        QFETCH(bool, answer);
        QFETCH(int, status);
        QFETCH(int, exitCode);
        const QString output = m_dir.filePath(QStringLiteral("out.mp3"));
        if (folder)
            QVERIFY(QDir().mkpath(output + QStringLiteral("/inside")));
        auto runner = NewRunner(
            {QStringLiteral("--time"), QStringLiteral("00:00:01.00"), QStringLiteral("--ask")}, output);
        m_question.answers = QQueue<bool>({answer});
        runner->Start();
        QCOMPARE(m_question.asked.size(), folder ? 1 : 0);
        QCOMPARE(runner->StdInWrite, platform::kNoHandle); // nothing ever goes to the encoder
        QTRY_VERIFY_WITH_TIMEOUT(m_receiver.Ended(), 20000);
        const TProcessInfo& end = m_receiver.notices.back();
        QCOMPARE(end.Status, status < 0 ? 0 : status);
        QCOMPARE(end.ExitCode, exitCode);
        QVERIFY(!end.Converted());
        QCOMPARE(QFileInfo(output).isDir(), folder);
        if (folder)
            QVERIFY(QFileInfo::exists(output + QStringLiteral("/inside")));
    }

    void floodOfBothPipesIsReadCompletely() {
        const int lines = 30000; // about 3 MB on each pipe
        auto runner =
            NewRunner({QStringLiteral("--duration"), QStringLiteral("00:01:40.00"), QStringLiteral("--out"),
                       kDurationOnStdout, QStringLiteral("--flood"), QString::number(lines)});
        runner->Start();
        const std::int64_t pid = runner->ProcessInformation.pid;
        QTRY_VERIFY_WITH_TIMEOUT(m_receiver.Ended(), 120000);
        QCOMPARE(m_receiver.Percents().size(), 2 * lines);
        QVERIFY(m_receiver.notices.back().IsEndNotice());
        QTRY_VERIFY_WITH_TIMEOUT(AllReleased(pid), 20000);
    }

    // Each child is stopped once it is going: its arguments written, and a flood's output read.
    void stop_data() {
        QTest::addColumn<QStringList>("script");
        QTest::addColumn<bool>("output");
        QTest::newRow("quiet child") << QStringList{QStringLiteral("--write-args"), QStringLiteral("--hang")}
                                     << false;
        QTest::newRow("child with output waiting")
            << QStringList{QStringLiteral("--write-args"), QStringLiteral("--time"),
                           QStringLiteral("00:00:01.00"), QStringLiteral("--hang")}
            << false;
        QTest::newRow("child blocked on full pipes")
            << QStringList{QStringLiteral("--write-args"), QStringLiteral("--flood"),
                           QStringLiteral("1000000")}
            << true;
    }
    void stop() {
        QFETCH(QStringList, script);
        QFETCH(bool, output);
        auto runner = NewRunner(script);
        runner->Start();
        const std::int64_t pid = runner->ProcessInformation.pid;
        QTRY_VERIFY_WITH_TIMEOUT(ReadFile(QString::fromStdString(runner->WorkFile())).contains("arg:"),
                                 20000);
        if (output) // read by the worker: handed over, or waiting to be
            QTRY_VERIFY_WITH_TIMEOUT(runner->HandOffPending() || !m_receiver.notices.empty(), 20000);
        runner->Stop(0);
        QVERIFY(!runner->Running);
        QVERIFY(!runner->HasWorker());
        QCOMPARE(runner->StdOutRead, platform::kNoHandle);
        QCOMPARE(runner->StdInWrite, platform::kNoHandle);
        runner->Stop(0); // a second Stop does nothing
        QTRY_VERIFY_WITH_TIMEOUT(AllReleased(pid), 20000);
        QVERIFY(m_receiver.Flush());
        QCOMPARE(m_receiver.EndNotices(), 0);
    }

    void destroyWhileBusy_data() {
        QTest::addColumn<QStringList>("script");
        QTest::addColumn<bool>("waitForHandOff");
        QTest::addColumn<bool>("running");
        QTest::newRow("child running") << QStringList{QStringLiteral("--hang")} << false << true;
        QTest::newRow("read hand-off waiting")
            << QStringList{QStringLiteral("--err"), QStringLiteral("x"), QStringLiteral("--hang")} << true
            << true;
        QTest::newRow("end hand-off waiting") << QStringList{} << true << true;
        QTest::newRow("flooding child")
            << QStringList{QStringLiteral("--flood"), QStringLiteral("1000000")} << true << true;
        QTest::newRow("child running though Running was cleared")
            << QStringList{QStringLiteral("--hang")} << false << false;
    }
    void destroyWhileBusy() {
        QFETCH(QStringList, script);
        QFETCH(bool, waitForHandOff);
        QFETCH(bool, running);
        auto runner = NewRunner(script);
        runner->Start();
        runner->Running = running;
        const std::int64_t pid = runner->ProcessInformation.pid;
        if (waitForHandOff)
            QVERIFY(WaitForPendingHandOff(*runner));
        runner.reset();
        QTRY_VERIFY_WITH_TIMEOUT(AllReleased(pid), 20000);
        QVERIFY(m_receiver.Flush());
        QCOMPARE(m_receiver.EndNotices(), 0);
    }

    // Reaped before the call returns, not later by a worker or an init that may never do it.
    void stopReapsBeforeItReturns_data() {
        QTest::addColumn<QStringList>("script");
        QTest::addColumn<bool>("waitForHandOff");
        QTest::addColumn<int>("how"); // 0 Stop, 1 destroy the runner, 2 the next Start without Stop
        const QStringList hang{QStringLiteral("--hang")};
        QTest::newRow("Stop, quiet child") << hang << false << 0;
        QTest::newRow("Stop, child blocked on full pipes")
            << QStringList{QStringLiteral("--flood"), QStringLiteral("1000000")} << true << 0;
        QTest::newRow("Stop while a read hand-off waits")
            << QStringList{QStringLiteral("--err"), QStringLiteral("x"), QStringLiteral("--hang")} << true
            << 0;
        QTest::newRow("destroy, child running") << hang << false << 1;
        QTest::newRow("next Start without Stop") << hang << false << 2;
    }
    void stopReapsBeforeItReturns() {
        QFETCH(QStringList, script);
        QFETCH(bool, waitForHandOff);
        QFETCH(int, how);
        // An earlier test's killed child may still be on its way out (Wine ends them late under load);
        // counted below, it would pass for this runner's.
        QTRY_VERIFY_WITH_TIMEOUT(ChildrenOf(QCoreApplication::applicationPid()).isEmpty(), 20000);
        auto runner = NewRunner(script);
        runner->Start();
        const std::int64_t pid = runner->ProcessInformation.pid;
        if (waitForHandOff)
            QVERIFY(WaitForPendingHandOff(*runner));
        if (how == 0)
            runner->Stop(0);
        else if (how == 1)
            runner.reset();
        else
            runner->Start();
        QVERIFY2(!ProcessExists(pid), "the stopped child is still there");
        QCOMPARE(QList<qint64>(ChildrenOf(QCoreApplication::applicationPid())).size(), how == 2 ? 1 : 0);
    }

    // Once an event loop has ended, a later one must still serve the worker's hand-offs.
    void handOffsAreServedAfterAnEventLoopEnded() {
        auto runner = NewRunner({QStringLiteral("--time"), QStringLiteral("00:00:01.00")});
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        QCoreApplication::exec(); // ends with aboutToQuit
        runner->Start();
        QTRY_VERIFY_WITH_TIMEOUT(m_receiver.Ended(), 20000);
        QVERIFY(m_receiver.notices.back().Converted());
    }

    void stopJustAsTheChildEnds() {
        // The end hand-off already waits when Stop comes: it still runs afterwards and posts its notice.
        auto runner = NewRunner({});
        runner->Start();
        const std::int64_t pid = runner->ProcessInformation.pid;
        QVERIFY(WaitForPendingHandOff(*runner));
        runner->Stop(0);
        QTRY_VERIFY_WITH_TIMEOUT(AllReleased(pid), 20000);
        QVERIFY(m_receiver.Flush());
        QCOMPARE(m_receiver.EndNotices(), 1);
        QCOMPARE(m_receiver.notices.back().TimeElapsed, std::string());
    }

    void earlierWorkerNeverTouchesTheNextChild() {
        // The first child's read waits for the GUI thread while it is stopped and a second one starts:
        // that read must not take bytes from the second child's pipe.
        auto runner = NewRunner({QStringLiteral("--err"), QStringLiteral("Duration: 00:00:10.00, x\\n"),
                                 QStringLiteral("--hang")});
        runner->Start();
        const std::int64_t first = runner->ProcessInformation.pid;
        QVERIFY(WaitForPendingHandOff(*runner));
        runner->Stop(0);
        runner->Running = true;
        runner->FFmpegParams = Script({QStringLiteral("--duration"), QStringLiteral("00:00:10.00"),
                                       QStringLiteral("--time"), QStringLiteral("00:00:03.00")});
        runner->Start();
        const std::int64_t second = runner->ProcessInformation.pid;
        QTRY_VERIFY_WITH_TIMEOUT(m_receiver.Ended(), 20000);
        QTRY_VERIFY_WITH_TIMEOUT(AllReleased(first) && AllReleased(second), 20000);
        QCOMPARE(m_receiver.Percents(), QList<int>{30});
        QCOMPARE(m_receiver.notices.back().TimeElapsed, std::string("some"));
    }

    void startReleasesWhatAnUnstoppedChildLeft() {
        auto runner = NewRunner({QStringLiteral("--hang")});
        runner->Start();
        const std::int64_t first = runner->ProcessInformation.pid;
        runner->FFmpegParams = Script({QStringLiteral("--time"), QStringLiteral("00:00:01.00")});
        runner->Start(); // no Stop in between
        const std::int64_t second = runner->ProcessInformation.pid;
        QTRY_VERIFY_WITH_TIMEOUT(m_receiver.Ended(), 20000);
        QTRY_VERIFY_WITH_TIMEOUT(AllReleased(first) && AllReleased(second), 20000);
        QCOMPARE(m_receiver.EndNotices(), 1);
    }

    void awkwardFileNamesReachTheChildWhole() {
#ifdef _WIN32
        // No quote can stand in a Windows file name: blanks, a leading dash and what cmd.exe would read.
        const QString input = m_dir.filePath(QStringLiteral("-y 'Ünïcode' clip  -f null & 100%.avi"));
        const QString output = m_dir.filePath(QStringLiteral("-out 'q' é^.txt"));
#else
        const QString input = m_dir.filePath(QStringLiteral("-y \"Ünïcode\" clip  -f null.avi"));
        const QString output = m_dir.filePath(QStringLiteral("-out \"q\" é.txt"));
#endif
        // With progress, so that the file converts and the records reach the output.
        auto runner = NewRunner({QStringLiteral("--time"), QStringLiteral("00:00:01.00"),
                                 QStringLiteral("--write-args"), QStringLiteral("--list-fds")},
                                output);
        runner->InputFile = input.toStdString();
        runner->Start();
        const QByteArray work = QByteArray::fromStdString(runner->WorkFile());
        const std::int64_t pid = runner->ProcessInformation.pid;
        QTRY_VERIFY_WITH_TIMEOUT(m_receiver.Ended(), 20000);
        QTRY_VERIFY_WITH_TIMEOUT(AllReleased(pid), 20000);
        const QByteArrayList lines = RecordedLines(output);
        const QByteArrayList args = lines.mid(kFirstArg);
        QVERIFY2(args.size() >= 9, lines.join('|').constData());
        QCOMPARE(args[1], QByteArray("arg:-i"));
        QCOMPARE(args[2], "arg:" + input.toUtf8());
        QCOMPARE(args[7], "arg:" + work); // beside the output, whole
        const QByteArray beside = (m_dir.path() + u"/."_s + QFileInfo(output).completeBaseName()).toUtf8();
        QVERIFY2(work.startsWith(QByteArray(beside + ".clipvane-")) && work.endsWith(".txt"),
                 work.constData());
#ifndef _WIN32
        QCOMPARE(args[8], QByteArray("fds: 0 1 2")); // nothing of ours leaks into the encoder
#endif
    }

    void realEncoder_data() {
        QTest::addColumn<bool>("bareName");
        QTest::addColumn<QString>("params");
        QTest::addColumn<QString>("outputName");
        QTest::addColumn<QString>("codec");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<bool>("video"); // the generated input has a picture, else sound only
        QTest::newRow("audio profile, bare name")
            << true << QStringLiteral("-vn -acodec libmp3lame -ab 128k -ac 2 -ar 44100 ")
            << QStringLiteral("out.mp3") << QStringLiteral("mp3") << 3 << true;
        QTest::newRow("video profile, chosen path")
            << false << QStringLiteral("-vcodec mpeg4 -c:a aac -b:v 1800k -ar 44100 -b:a 128k -ac 2 ")
            << QStringLiteral("out.mp4") << QStringLiteral("mpeg4") << 3 << true;
        QTest::newRow("awkward output name")
            << true << QStringLiteral("-vcodec mpeg4 -c:a aac -b:v 1800k ")
            << QStringLiteral("-x \"q\" é  ü.mp4") << QStringLiteral("mpeg4") << 3 << true;
        // The encoder writes its "Duration:" line in pieces: progress must show whatever the reads cut.
        QTest::newRow("long WAV to MP3")
            << true << QStringLiteral("-vn -acodec libmp3lame -ab 128k -ac 2 -ar 44100 ")
            << QStringLiteral("long.mp3") << QStringLiteral("mp3") << 240 << false;
    }
    void realEncoder() {
        QFETCH(bool, bareName);
        QFETCH(QString, params);
        QFETCH(QString, outputName);
        QFETCH(QString, codec);
        QFETCH(int, seconds);
        QFETCH(bool, video);
        const QString ffmpeg = QStandardPaths::findExecutable(QStringLiteral("ffmpeg"));
        const QString ffprobe = QStandardPaths::findExecutable(QStringLiteral("ffprobe"));
        if (ffmpeg.isEmpty() || ffprobe.isEmpty())
            QSKIP("ffmpeg is not installed");

        const QString input = m_dir.filePath(video ? QStringLiteral("-in \"clip\" ä.mkv") : u"long.wav"_s);
        const QString length = QString::number(seconds);
        QStringList generate{ffmpeg, QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-y")};
        if (video)
            generate << QStringLiteral("-f") << QStringLiteral("lavfi") << QStringLiteral("-i")
                     << u"testsrc=duration=%1:size=160x120:rate=25"_s.arg(length) << QStringLiteral("-c:v")
                     << QStringLiteral("mpeg4");
        generate << QStringLiteral("-f") << QStringLiteral("lavfi") << QStringLiteral("-i")
                 << u"sine=frequency=440:duration=%1"_s.arg(length) << QStringLiteral("-c:a")
                 << QStringLiteral("pcm_s16le") << QStringLiteral("-shortest")
                 << QStringLiteral("file:") + input;
        RunTool(generate);
        QVERIFY(QFileInfo(input).size() > 0);

        const QString output = m_dir.filePath(outputName);
        auto runner = NewRunner({}, output);
        runner->InputFile = input.toStdString();
        runner->FFmpegParams = params.toStdString();
        runner->NotUseAnotherFFmpeg = bareName;
        runner->FFmpegPath = ffmpeg.toStdString();
        runner->Start();
        const std::int64_t pid = runner->ProcessInformation.pid;
        QTRY_VERIFY_WITH_TIMEOUT(m_receiver.Ended(), 120000);
        QTRY_VERIFY_WITH_TIMEOUT(AllReleased(pid), 20000);
        QCOMPARE(m_receiver.notices.back().TimeElapsed, std::string("some"));
        const QList<int> percents = m_receiver.Percents();
        QVERIFY(!percents.isEmpty());
        QVERIFY(std::is_sorted(percents.begin(), percents.end()));
        QVERIFY(percents.last() >= 90 && percents.last() <= 100);

        const QString described = QString::fromUtf8(
            RunTool({ffprobe, QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-show_entries"),
                     QStringLiteral("stream=codec_name:format=duration"), QStringLiteral("-of"),
                     QStringLiteral("default=nw=1:nk=1"), QStringLiteral("file:") + output}));
        QVERIFY2(described.contains(codec), qPrintable(described));
        const QStringList fields = described.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QVERIFY(!fields.isEmpty());
        QVERIFY2(qAbs(fields.last().toDouble() - seconds) < 0.2, qPrintable(described));
    }
};

QTEST_GUILESS_MAIN(tst_ConvertThread)
#include "tst_ConvertThread.moc"
