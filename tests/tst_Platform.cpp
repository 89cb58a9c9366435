// Peeking, reading, duplicating and files are also checked Qt-free by platform_check.cpp.
#include "TestProcesses.h"
#include "core/Path.h"
#include "core/platform/Console.h"
#include "core/platform/Files.h"
#include "core/platform/Handle.h"
#include "core/platform/Process.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <QScopeGuard>

#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace clipvane;
using namespace clipvane::platform;

namespace {

const std::string kFake = FAKE_ENCODER_PATH;

// The three pipes a child gets, closed on destruction.
struct Pipes {
    Handle inRead = kNoHandle, inWrite = kNoHandle, outRead = kNoHandle, outWrite = kNoHandle,
           errRead = kNoHandle, errWrite = kNoHandle;
    Pipes() {
        QVERIFY(CreatePipe(inRead, inWrite));
        QVERIFY(CreatePipe(outRead, outWrite));
        QVERIFY(CreatePipe(errRead, errWrite));
    }
    ~Pipes() {
        for (Handle* h : {&inRead, &inWrite, &outRead, &outWrite, &errRead, &errWrite})
            CloseHandle(*h);
    }
    bool Spawn(const std::vector<std::string>& argv, ChildProcess& child) {
        return SpawnHidden(argv, {}, inRead, outWrite, errWrite, child);
    }
};

void MakeExecutable(const QString& path) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\n");
    file.close();
    QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
}

} // namespace

class tst_Platform final : public QObject {
    Q_OBJECT

private slots:
    void onlyTheThreeStandardHandlesReachTheChild() {
        QTemporaryDir dir;
        // A descriptor opened without close-on-exec, as a library might leave one: it must not leak.
        std::FILE* heldOpen = std::fopen(PathBytes(dir.filePath(QStringLiteral("held"))).c_str(), "w");
        QVERIFY(heldOpen);
        const auto closeIt = qScopeGuard([heldOpen] { std::fclose(heldOpen); });
        Pipes pipes, unrelated;
        const QString record = dir.filePath(QStringLiteral("record"));
        ChildProcess child;
        QVERIFY(pipes.Spawn({kFake, "--list-fds", record.toStdString()}, child));
        QCOMPARE(WaitForChild(child, 10000), WaitResult::Exited);
        ReleaseChild(child);
        QFile file(record);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().trimmed(), QByteArray("fds: 0 1 2"));
    }

    void childStartsWithDefaultSignals() {
        // What a desktop or a wrapper may leave us: an ignored SIGPIPE, a caught signal, a blocked one.
        QTemporaryDir dir;
        const auto oldPipe = ::signal(SIGPIPE, SIG_IGN);
        const auto oldUsr2 = ::signal(SIGUSR2, [](int) {});
        sigset_t usr1, oldMask;
        sigemptyset(&usr1);
        sigaddset(&usr1, SIGUSR1);
        pthread_sigmask(SIG_BLOCK, &usr1, &oldMask);
        const auto restore = qScopeGuard([&] {
            ::signal(SIGPIPE, oldPipe);
            ::signal(SIGUSR2, oldUsr2);
            pthread_sigmask(SIG_SETMASK, &oldMask, nullptr);
        });
        Pipes pipes;
        const QString record = dir.filePath(QStringLiteral("record"));
        ChildProcess child;
        QVERIFY(pipes.Spawn({"/bin/sh", "-c", "exec grep -E '^Sig(Blk|Ign)' /proc/self/status > \"$0\"",
                             record.toStdString()},
                            child));
        QCOMPARE(WaitForChild(child, 10000), WaitResult::Exited);
        ReleaseChild(child);
        QFile file(record);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("SigBlk:\t0000000000000000\nSigIgn:\t0000000000000000\n"));
    }

    void missingProgramReportsNotFound_data() {
        QTest::addColumn<QString>("program");
        QTest::newRow("absent full path") << QStringLiteral("/nonexistent/folder/ffmpeg");
        QTest::newRow("bare name on no search path") << QStringLiteral("clipvane-no-such-encoder");
    }
    void missingProgramReportsNotFound() {
        QFETCH(QString, program);
        Pipes pipes;
        ChildProcess child;
        SetLastError(0);
        QVERIFY(!pipes.Spawn({program.toStdString(), "out"}, child));
        QCOMPARE(LastError(), 2);
        QCOMPARE(child.process, kNoHandle);
    }

    void findExecutable_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("path");  // PATH, with %1 for the temporary folder
        QTest::addColumn<QString>("found"); // %1 the temporary folder, %2 the program's own folder

        QTest::newRow("a name with a separator is kept")
            << QStringLiteral("./tool") << QStringLiteral("%1/a") << QStringLiteral("./tool");
        QTest::newRow("first PATH entry that has it wins")
            << QStringLiteral("tool") << QStringLiteral("%1/missing:%1/b:%1/a")
            << QStringLiteral("%1/b/tool");
        QTest::newRow("a file that is not executable is passed over")
            << QStringLiteral("plain") << QStringLiteral("%1/a:%1/b") << QStringLiteral("%1/b/plain");
        QTest::newRow("a folder of that name is passed over")
            << QStringLiteral("sub") << QStringLiteral("%1/a") << QString();
        QTest::newRow("the program's own folder comes before PATH")
            << QStringLiteral("tst_Platform") << QStringLiteral("%1/a") << QStringLiteral("%2tst_Platform");
        QTest::newRow("not found anywhere")
            << QStringLiteral("nothing-here") << QStringLiteral("%1/a:%1/b") << QString();
        QTest::newRow("no name") << QString() << QStringLiteral("%1/a") << QString();
    }
    void findExecutable() {
        QFETCH(QString, name);
        QFETCH(QString, path);
        QFETCH(QString, found);
        QTemporaryDir dir;
        const QString root = dir.path();
        QVERIFY(QDir(root).mkpath(QStringLiteral("a/sub")));
        QVERIFY(QDir(root).mkpath(QStringLiteral("b")));
        MakeExecutable(root + QStringLiteral("/a/tool"));
        MakeExecutable(root + QStringLiteral("/b/tool"));
        MakeExecutable(root + QStringLiteral("/a/tst_Platform"));
        MakeExecutable(root + QStringLiteral("/b/plain"));
        QFile plain(root + QStringLiteral("/a/plain"));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();

        const QByteArray savedPath = qgetenv("PATH");
        qputenv("PATH", QString(path).replace(QStringLiteral("%1"), root).toUtf8());
        const std::string result = FindExecutable(name.toStdString());
        qputenv("PATH", savedPath);
        found.replace(QStringLiteral("%1"), root)
            .replace(QStringLiteral("%2"), QString::fromStdString(ProgramFolder()));
        QCOMPARE(QString::fromStdString(result), found);
    }

    // Another user's file that we may write: no lease for us, yet an open descriptor must show.
    void inUseSeesOpenersOfAnotherUsersFile_data() {
        QTest::addColumn<int>("holder"); // 0 nobody, 1 the checking process, 2 another process of its user
        QTest::addColumn<bool>("inUse");
        QTest::newRow("nobody has it open") << 0 << false;
        QTest::newRow("held open by the checking process") << 1 << true;
        QTest::newRow("held open by another process of the same user") << 2 << true;
    }
    void inUseSeesOpenersOfAnotherUsersFile() {
        QFETCH(int, holder);
        QFETCH(bool, inUse);
        if (::geteuid() != 0)
            QSKIP("needs root, to act as two other users");
        QTemporaryDir dir;
        QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                                      QFile::ExeGroup | QFile::ExeOther));
        const std::string file = PathBytes(dir.filePath(QStringLiteral("theirs.mp3")));
        const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
        QVERIFY(fd >= 0);
        QCOMPARE(::fchmod(fd, 0666), 0);
        QCOMPARE(::fchown(fd, 1, 1), 0); // owned by "daemon"
        ::close(fd);
        const pid_t checker = ::fork();
        if (checker == 0) {
            // As "nobody", who may write the file but owns it not.
            if (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0)
                ::_exit(10);
            // Dumpable again, as a process the user started is: its /proc entries are the user's.
            ::prctl(PR_SET_DUMPABLE, 1);
            int held = -1;
            pid_t other = 0;
            int opened[2];
            if (::pipe(opened) != 0)
                ::_exit(11);
            if (holder == 1)
                held = ::open(file.c_str(), O_RDONLY);
            if (holder == 2 && (other = ::fork()) == 0) {
                const char ok = ::open(file.c_str(), O_RDONLY) >= 0 ? 'y' : 'n';
                (void)!::write(opened[1], &ok, 1);
                ::pause();
                ::_exit(0);
            }
            char ok = 'y';
            if (holder == 2 && ::read(opened[0], &ok, 1) != 1)
                ::_exit(11);
            if (ok != 'y')
                ::_exit(11);
            const bool result = IsFileInUse(file);
            if (other > 0)
                ::kill(other, SIGKILL);
            if (held >= 0)
                ::close(held);
            ::_exit(result ? 1 : 0);
        }
        int status = 0;
        QCOMPARE(::waitpid(checker, &status, 0), checker);
        QVERIFY(WIFEXITED(status));
        QVERIFY2(WEXITSTATUS(status) != 10, "could not become another user");
        QVERIFY2(WEXITSTATUS(status) != 11, "could not hold the file open");
        QCOMPARE(WEXITSTATUS(status) == 1, inUse);
    }

    void waitIsBoundedAndWakesOnExitOrData() {
        Pipes pipes;
        ChildProcess child;
        QVERIFY(pipes.Spawn({kFake, "--sleep", "400", "--out", "x", "--hang", "out"}, child));
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(WaitForChild(child, 100), WaitResult::Timeout);
        QVERIFY2(timer.elapsed() >= 90 && timer.elapsed() < 350,
                 QByteArray::number(timer.elapsed()).constData());
        // Data wakes the wait long before its timeout, while the child is still running.
        timer.restart();
        WaitResult result = WaitResult::Timeout;
        std::uint32_t bytes = 0;
        while (timer.elapsed() < 10000 && (PeekPipe(pipes.outRead, bytes), bytes == 0))
            result = WaitForChild(child, 5000, pipes.outRead, pipes.errRead);
        QCOMPARE(result, WaitResult::Timeout);
        QCOMPARE(bytes, 1u);
        QVERIFY2(timer.elapsed() < 4000, QByteArray::number(timer.elapsed()).constData());

        const std::int64_t pid = child.pid;
        QVERIFY(TerminateChild(child, 0));
        QCOMPARE(WaitForChild(child, 10000), WaitResult::Exited);
        QVERIFY(ProcessExists(pid)); // a zombie until reaped
        ReleaseChild(child);
        QVERIFY(!ProcessExists(pid));
        QCOMPARE(WaitForChild(child, 0), WaitResult::Failed); // the record is cleared
    }

    // A quit request wakes the watcher of its notice; read out, the notice is quiet again, so a
    // watcher that cannot act at once (a box is up) is not woken without end.
    void quitNoticeIsReadOut() {
        InstallQuitHandler();
        QVERIFY(QuitNoticeHandle() != kNoHandle);
        ::raise(SIGTERM);
        ::raise(SIGTERM);
        pollfd notice{QuitNoticeHandle(), POLLIN, 0};
        QCOMPARE(::poll(&notice, 1, 0), 1);
        DrainQuitNotice();
        QCOMPARE(::poll(&notice, 1, 0), 0);
        QVERIFY(QuitRequested());
    }
};

QTEST_GUILESS_MAIN(tst_Platform)
#include "tst_Platform.moc"
