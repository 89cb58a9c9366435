// Peeking, reading, duplicating and files are also checked Qt-free by platform_check.cpp.
#include "TestProcesses.h"
#include "core/platform/Platform.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <QScopeGuard>

#include <cerrno>
#include <cstdio>

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
        std::FILE* heldOpen =
            std::fopen(QFile::encodeName(dir.filePath(QStringLiteral("held"))).constData(), "w");
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
};

QTEST_GUILESS_MAIN(tst_Platform)
#include "tst_Platform.moc"
