// The journal of a batch: what a crash at any moment leaves of it, and what a second run may do to it.
#include "TestFiles.h"
#include "core/BatchJournal.h"
#include "core/platform/Files.h"
#include "core/platform/Ownership.h"

#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <new>

#ifndef Q_OS_WIN
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#endif

using namespace clipvane;
using namespace Qt::StringLiterals;

class tst_BatchJournal final : public QObject {
    Q_OBJECT

    static std::string Utf8(const QString& text) { return text.toUtf8().toStdString(); }

private slots:
    // Each row runs steps on a journal of three files, then reads it back as the next start would.
    //   sN / eN: file N starts / ends;   out N: file N's output appears (as its rename would make it)
    //   old N: file N's output was there before the batch;   tear TEXT: a cut line is appended
    void unfinishedFiles_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("unfinished"); // the files' numbers
        QTest::newRow("nothing started: all") << QStringList{} << u"012"_s;
        QTest::newRow("ended files are done") << QStringList{u"s0"_s, u"e0"_s, u"s1"_s, u"e1"_s} << u"2"_s;
        QTest::newRow("killed while converting: not done")
            << QStringList{u"s0"_s, u"e0"_s, u"s1"_s} << u"12"_s;
        QTest::newRow("killed between its rename and its end line: done")
            << QStringList{u"s0"_s, u"out 0"_s} << u"12"_s;
        QTest::newRow("an older output left as it was: not done")
            << QStringList{u"old 1"_s, u"s1"_s} << u"012"_s;
        QTest::newRow("an older output replaced: done")
            << QStringList{u"old 1"_s, u"s1"_s, u"out 1"_s} << u"02"_s;
        QTest::newRow("a torn last line is left out")
            << QStringList{u"s0"_s, u"e0"_s, u"tear 1a2b3c4d done 2"_s} << u"12"_s;
    }
    void unfinishedFiles() {
        QFETCH(QStringList, steps);
        QFETCH(QString, unfinished);
        QTemporaryDir dir(ScriptsFolderTemplate());
        TJournalBatch batch;
        batch.Job.OutputExt = ".mp3";
        batch.Job.FFmpegParams = "-vn ";
        batch.Job.ExistingOutput = TExistingOutput::Skip;
        batch.Job.KeepDates = true;
        batch.Profile = "MP3 - MPEG Layer-3 Audio";
        batch.SameInput = false;
        batch.OutputFolder = Utf8(dir.path());
        // Names a line-based file could take apart: a line break, a backslash before an "n" (on
        // Windows, which allows neither in a name, a blank and a percent escape).
#ifdef Q_OS_WIN
        const QStringList names{u"a b.avi"_s, u"c%0Ad.avi"_s, u"東京 é.avi"_s};
#else
        const QStringList names{u"a\nb.avi"_s, u"c\\nd.avi"_s, u"東京 é.avi"_s};
#endif
        QStringList outputs;
        for (const QString& name : names) {
            batch.Files.push_back(Utf8(dir.filePath(name)));
            outputs << dir.filePath(QString(name).replace(u".avi"_s, u".mp3"_s));
        }
        const std::string path = Utf8(dir.filePath(u"batch.journal"_s));
        for (const QString& step : steps)
            if (step.startsWith(u"old "_s))
                QVERIFY(WriteFile(outputs[step.mid(4).toInt()], "old"));
        {
            TBatchJournal journal;
            QVERIFY(journal.Begin(path, batch));
            for (const QString& step : steps) {
                const int n = step.section(u' ', -1).toInt();
                if (step.startsWith(u's'))
                    journal.Starting(std::size_t(step.mid(1).toInt()), Utf8(outputs[step.mid(1).toInt()]));
                else if (step.startsWith(u'e'))
                    journal.Ended(std::size_t(step.mid(1).toInt()));
                else if (step.startsWith(u"out "_s)) {
                    const QString work = outputs[n] + u".work"_s;
                    QVERIFY(WriteFile(work, "new"));
                    QVERIFY(platform::MoveFileTo(Utf8(work), Utf8(outputs[n]), true));
                } else if (step.startsWith(u"tear "_s)) {
                    QFile file(QString::fromStdString(path));
                    QVERIFY(file.open(QIODevice::Append));
                    file.write(step.mid(5).toUtf8()); // no line end: the crash came first
                }
            }
            QCOMPARE(journal.Error(), 0);
        } // let go without Finish, as a killed run does
        TJournalBatch read;
        std::vector<std::string> left;
        QCOMPARE(ReadJournal(path, read, left), TJournalRead::Read);
        QString numbers;
        for (const std::string& file : left)
            numbers += QString::number(std::find(batch.Files.begin(), batch.Files.end(), file) -
                                       batch.Files.begin());
        QCOMPARE(numbers, unfinished);
        QCOMPARE(read.Files, batch.Files);
        QCOMPARE(read.Job.OutputExt, batch.Job.OutputExt);
        QCOMPARE(read.Job.FFmpegParams, batch.Job.FFmpegParams);
        QCOMPARE(read.Job.ExistingOutput, TExistingOutput::Skip);
        QCOMPARE(read.Job.KeepDates, true);
        QCOMPARE(read.Profile, batch.Profile);
        QCOMPARE(read.SameInput, false);
        QCOMPARE(read.OutputFolder, batch.OutputFolder);
    }

    // While one run keeps a journal, another may neither replace it nor take it over; once the batch
    // has ended the journal is gone.
    void oneRunPerJournal() {
        QTemporaryDir dir;
        const std::string path = Utf8(dir.filePath(u"j"_s));
        TJournalBatch batch;
        batch.Job.OutputExt = ".wav";
        batch.Files = {"/in/a.avi"};
        TBatchJournal first;
        QVERIFY(first.Begin(path, batch));
        TBatchJournal second;
        batch.Files = {"/in/b.avi"};
        QVERIFY(!second.Begin(path, batch));
        QVERIFY(second.InUse());
        TJournalBatch read;
        std::vector<std::string> left;
        QCOMPARE(ReadJournal(path, read, left), TJournalRead::Read);
        QCOMPARE(left, std::vector<std::string>{"/in/a.avi"});
        first.Finish();
        QCOMPARE(ReadJournal(path, read, left), TJournalRead::Missing);
    }

    void notAJournal_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("a video") << QByteArray("RIFF\0\0\0\0AVI LIST", 16);
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("a head cut short") << QByteArray("5d0ad8e1 clipvane-journal 1\n");
    }
    void notAJournal() {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        QVERIFY(WriteFile(dir.filePath(u"j"_s), bytes));
        TJournalBatch read;
        std::vector<std::string> left;
        QCOMPARE(ReadJournal(Utf8(dir.filePath(u"j"_s)), read, left), TJournalRead::NotAJournal);
    }

#ifndef Q_OS_WIN
    // "--resume" given a pipe: read, it would keep the program waiting for a writer, or take whatever
    // a writer sends for a journal.
    void pipeIsNoJournal() {
        QTemporaryDir dir;
        const std::string written = Utf8(dir.filePath(u"written"_s));
        TJournalBatch batch;
        batch.Job.OutputExt = ".wav";
        batch.Files = {"/in/a.avi"};
        {
            TBatchJournal journal;
            QVERIFY(journal.Begin(written, batch));
        }
        std::string bytes;
        QVERIFY(platform::ReadWholeFile(written, bytes));
        // A writer whose reader has gone must not end the test.
        const auto previous = std::signal(SIGPIPE, SIG_IGN);
        const auto restore = qScopeGuard([previous] { std::signal(SIGPIPE, previous); });
        const std::string pipe = Utf8(dir.filePath(u"pipe"_s));
        QCOMPARE(::mkfifo(pipe.c_str(), 0600), 0);
        // Sends a sound journal to whoever opens the pipe to read.
        std::thread writer([&] {
            const int fd = ::open(pipe.c_str(), O_WRONLY | O_CLOEXEC);
            if (fd >= 0) {
                [[maybe_unused]] const ssize_t sent = ::write(fd, bytes.data(), bytes.size());
                ::close(fd);
            }
        });
        const auto release = qScopeGuard([&] {
            // Lets the writer's open return when the journal was never read.
            const int fd = ::open(pipe.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
            writer.join();
            if (fd >= 0)
                ::close(fd);
        });
        TJournalBatch read;
        std::vector<std::string> left;
        QCOMPARE(ReadJournal(pipe, read, left), TJournalRead::NotAJournal);
        QVERIFY(left.empty());
    }

    // "--resume" given a video by mistake: only its start is read, not gigabytes of it (a 3 GB one
    // took 45 s and 6 GB of memory before it was found no journal).
    void videoIsNotReadWhole() {
        QTemporaryDir dir;
        const QString video = dir.filePath(u"video.avi"_s);
        QVERIFY(WriteFile(video, QByteArray("RIFF\0\0\0\0AVI LIST", 16)));
        QVERIFY(QFile::resize(video, qint64(1) << 30)); // sparse: it takes no disk
        QFile statm(u"/proc/self/statm"_s);
        QVERIFY(statm.open(QIODevice::ReadOnly));
        const rlim_t used =
            statm.readAll().split(' ').first().toULongLong() * rlim_t(::sysconf(_SC_PAGESIZE));
        // Less room than the file takes: read whole, it cannot fit.
        rlimit previous{};
        QCOMPARE(::getrlimit(RLIMIT_AS, &previous), 0);
        const rlimit limit{used + (rlim_t(256) << 20), previous.rlim_max};
        TJournalRead result = TJournalRead::Read;
        bool fitted = true;
        TJournalBatch read;
        std::vector<std::string> left;
        {
            const auto restore = qScopeGuard([previous] { ::setrlimit(RLIMIT_AS, &previous); });
            QCOMPARE(::setrlimit(RLIMIT_AS, &limit), 0);
            try {
                result = ReadJournal(Utf8(video), read, left);
            } catch (const std::bad_alloc&) {
                fitted = false;
            }
        }
        QVERIFY(fitted);
        QCOMPARE(result, TJournalRead::NotAJournal);
    }

    // A journal that cannot be kept whole (a full disk, here a file size limit) is not left behind:
    // after a crash it would offer again files this run converts.
    void journalNotKeptIsNotLeft_data() {
        QTest::addColumn<bool>("headFails");
        QTest::newRow("a batch taken up again cannot write its head: the old journal goes") << true;
        QTest::newRow("a line cannot be added: the journal goes") << false;
    }
    void journalNotKeptIsNotLeft() {
        QFETCH(bool, headFails);
        QTemporaryDir dir;
        const std::string path = Utf8(dir.filePath(u"j"_s));
        TJournalBatch batch;
        batch.Job.OutputExt = ".wav";
        batch.Files = {"/in/a.avi", "/in/b.avi"};
        {
            TBatchJournal killed; // let go unfinished
            QVERIFY(killed.Begin(path, batch));
        }
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit previous{};
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &previous), 0);
        const auto restore = qScopeGuard([previous] { ::setrlimit(RLIMIT_FSIZE, &previous); });
        const auto limitTo = [&](rlim_t bytes) {
            const rlimit limit{bytes, previous.rlim_max};
            return ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
        };
        TBatchJournal journal;
        int told = 0;
        journal.OnFailure = [&](int) { ++told; };
        if (headFails) {
            QVERIFY(limitTo(8));
            QVERIFY(!journal.Begin(path, batch));
        } else {
            QVERIFY(journal.Begin(path, batch));
            QVERIFY(limitTo(rlim_t(QFileInfo(QString::fromStdString(path)).size())));
            journal.Starting(0, "/out/a.wav");
            journal.Ended(0);
        }
        QCOMPARE(journal.Error(), int(EFBIG));
        QCOMPARE(told, headFails ? 0 : 1);
        TJournalBatch read;
        std::vector<std::string> left;
        QCOMPARE(ReadJournal(path, read, left), TJournalRead::Missing);
    }

    // A folder that takes no new file: said once, and the batch goes on without its journal.
    void unwritableJournal() {
        QTemporaryDir dir;
        QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
        if (QFile(dir.filePath(u"probe"_s)).open(QIODevice::WriteOnly))
            QSKIP("run as root: permissions do not hold");
        TBatchJournal journal;
        int told = 0;
        journal.OnFailure = [&](int) { ++told; };
        TJournalBatch batch;
        batch.Job.OutputExt = ".wav";
        batch.Files = {"/in/a.avi"};
        const std::string path = Utf8(dir.filePath(u"j"_s));
        QVERIFY(!journal.Begin(path, batch));
        QVERIFY(!journal.InUse());
        QCOMPARE(
            JournalFailureText(path, journal),
            path + " could not be written (Permission denied): this batch cannot be resumed after a crash.");
        journal.Starting(0, "/out/a.wav");
        journal.Ended(0);
        journal.Finish();
        QCOMPARE(told, 0); // Begin's failure is the caller's to say
        QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    }
#endif
};

QTEST_GUILESS_MAIN(tst_BatchJournal)
#include "tst_BatchJournal.moc"
