#include "gui/SingleInstance.h"

#include "TestFiles.h"
#include "core/ProcessInfo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <memory>

#ifndef Q_OS_WIN
#include <poll.h>
#include <sys/inotify.h>
#include <unistd.h>
#endif

#ifdef Q_OS_WIN
#include <windows.h>
#endif

using namespace clipvane;
using namespace Qt::StringLiterals;

namespace {

// The real program, pointed at the test's folders and drawing nowhere.
std::unique_ptr<QProcess> StartProgram(const QTemporaryDir& dir, const QStringList& arguments = {},
                                       const QString& folder = {}, const QString& settings = {}) {
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"CLIPVANE_INSTANCE_DIR"_s, dir.path());
    env.insert(u"CLIPVANE_SETTINGS_DIR"_s, settings.isEmpty() ? dir.filePath(u"settings"_s) : settings);
    env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    process->setProcessEnvironment(env);
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->setWorkingDirectory(folder.isEmpty() ? dir.path() : folder);
    process->start(QStringLiteral(CLIPVANE_PATH), arguments);
    return process;
}

// Whether an instance answers show requests: its socket on Linux, its window of the class on Windows.
bool Answering(const TSingleInstance& instance) {
#ifdef Q_OS_WIN
    Q_UNUSED(instance);
    return ::FindWindowW(QString::fromLatin1(kWindowClassName).toStdWString().c_str(), nullptr) != nullptr;
#else
    return QFileInfo::exists(instance.ServerName());
#endif
}

// A later start: it must hand over and end with 0, without a window of its own.
bool HandsOver(const QTemporaryDir& dir, const QStringList& arguments = {}, const QString& folder = {}) {
    auto later = StartProgram(dir, arguments, folder);
    // Waiting with the event loop running: on Windows the files arrive by a sent window message, which
    // this process must be free to answer.
    QSignalSpy finished(later.get(), &QProcess::finished);
    return (later->state() == QProcess::NotRunning || finished.wait(10000)) &&
           later->exitStatus() == QProcess::NormalExit && later->exitCode() == 0;
}

#ifndef Q_OS_WIN
// Whether the process has a handler of its own for the signal (Linux: the caught mask in /proc).
bool Catches(qint64 pid, int signal) {
    QFile status(u"/proc/%1/status"_s.arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("SigCgt:"))
            return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (signal - 1)) & 1;
    return false;
}

// Sees another process read a file: a start that finds the lock taken reads whose it is.
class TReadWatch final {
public:
    explicit TReadWatch(const QString& path)
        : m_fd(::inotify_init1(IN_CLOEXEC)) {
        if (m_fd >= 0 &&
            ::inotify_add_watch(m_fd, QFile::encodeName(path).constData(), IN_CLOSE_NOWRITE) < 0) {
            ::close(m_fd);
            m_fd = -1;
        }
    }
    ~TReadWatch() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    TReadWatch(const TReadWatch&) = delete;
    TReadWatch& operator=(const TReadWatch&) = delete;

    bool WaitForRead(int timeoutMs) const {
        pollfd fd{m_fd, POLLIN, 0};
        return m_fd >= 0 && ::poll(&fd, 1, timeoutMs) == 1;
    }

private:
    int m_fd = -1;
};
#endif

} // namespace

class tst_SingleInstance final : public QObject {
    Q_OBJECT

private slots:
    // The files go along whole, named against the later start's own folder ("%F": that folder).
    void secondStartHandsOver_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("files");
        QTest::newRow("no files: shown only") << QStringList() << QStringList();
        QTest::newRow("relative and absolute names, blanks and any script")
            << QStringList{u"clip one.avi"_s, u"../Música/東京 😀.wav"_s, u"%F/x%41.mp4"_s}
            << QStringList{u"%F/clip one.avi"_s, u"%P/Música/東京 😀.wav"_s, u"%F/x%41.mp4"_s};
    }
    void secondStartHandsOver() {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, files);
        QTemporaryDir dir;
        const QString folder = dir.filePath(u"here"_s);
        QVERIFY(QDir().mkpath(folder));
        const auto place = [&](QStringList names) {
            return names.replaceInStrings(u"%F"_s, folder).replaceInStrings(u"%P"_s, dir.path());
        };
        TSingleInstance first(dir.path(), InstanceKey());
        QCOMPARE(first.Claim(0), TSingleInstance::TClaim::Primary);
        QVERIFY(first.Listen());
        QSignalSpy shown(&first, &TSingleInstance::showRequested);
        QSignalSpy handed(&first, &TSingleInstance::filesHandedOver);
        QVERIFY(HandsOver(dir, place(arguments), folder));
        QTRY_COMPARE(shown.size(), 1);
        if (files.isEmpty()) {
            QCOMPARE(handed.size(), 0);
            return;
        }
        QTRY_COMPARE(handed.size(), 1);
        QStringList got = handed[0][0].toStringList();
        QCOMPARE(QDir::fromNativeSeparators(got.join(u'|')).split(u'|'), place(files));
    }

    void lockHolderThatDoesNotListenIsUnreachable() {
        QTemporaryDir dir;
        TSingleInstance first(dir.path(), u"key"_s);
        QCOMPARE(first.Claim(0), TSingleInstance::TClaim::Primary);
        TSingleInstance second(dir.path(), u"key"_s);
        QCOMPARE(second.Claim(200), TSingleInstance::TClaim::Unreachable);
        QVERIFY(first.Listen());
        QSignalSpy shown(&first, &TSingleInstance::showRequested);
        QCOMPARE(second.Claim(200), TSingleInstance::TClaim::HandedOver);
        QTRY_COMPARE(shown.size(), 1);
    }

    void crashedInstanceIsReplaced() {
        QTemporaryDir dir;
        TSingleInstance probe(dir.path(), InstanceKey());
        auto crashed = StartProgram(dir);
        QVERIFY(crashed->waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(Answering(probe), 10000);
        crashed->kill(); // leaves its lock file (and on Linux its socket) behind
        QVERIFY(crashed->waitForFinished());
        QVERIFY(QFileInfo::exists(probe.LockPath()));
        QCOMPARE(probe.Claim(1000), TSingleInstance::TClaim::Primary);
        QVERIFY(probe.Listen());
        QSignalSpy shown(&probe, &TSingleInstance::showRequested);
        QVERIFY(HandsOver(dir));
        QTRY_COMPARE(shown.size(), 1);
    }

    // A dead instance's lock may name the process id this process has now: Wine hands out the same few.
    void deadLockWithOurOwnIdIsReplaced() {
        QTemporaryDir dir;
        TSingleInstance probe(dir.path(), u"key"_s);
        QFile lock(probe.LockPath());
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write(QByteArray::number(QCoreApplication::applicationPid()) + '\n' +
                   QCoreApplication::applicationName().toUtf8() + '\n' +
                   QSysInfo::machineHostName().toUtf8() + '\n');
        lock.close();
        QCOMPARE(probe.Claim(300), TSingleInstance::TClaim::Primary);
    }

    void waitingStartTakesOverWhenTheHolderEnds() {
        QTemporaryDir dir;
        auto holder = std::make_unique<TSingleInstance>(dir.path(), InstanceKey());
        QCOMPARE(holder->Claim(0), TSingleInstance::TClaim::Primary); // holds the lock, does not listen
        TSingleInstance probe(dir.path(), InstanceKey());
#ifndef Q_OS_WIN
        const TReadWatch watch(probe.LockPath());
#endif
        auto waiting = StartProgram(dir);
        QVERIFY(waiting->waitForStarted());
#ifdef Q_OS_WIN
        QTest::qWait(300); // Windows tells no one of a read: time for the start to reach the lock
#else
        QVERIFY2(watch.WaitForRead(10000), "the later start never looked at the lock");
#endif
        QCOMPARE(waiting->state(), QProcess::Running);
        holder.reset();
        QTRY_VERIFY_WITH_TIMEOUT(Answering(probe), 10000);
        QCOMPARE(waiting->state(), QProcess::Running);
        QVERIFY(HandsOver(dir));
        waiting->kill();
        waiting->waitForFinished();
    }

    void simultaneousStartsGiveOneInstance() {
        QTemporaryDir dir;
        auto a = StartProgram(dir);
        auto b = StartProgram(dir);
        QVERIFY(a->waitForStarted() && b->waitForStarted());
        // One of them hands over and ends; the other keeps running with the window.
        QTRY_VERIFY_WITH_TIMEOUT(a->state() == QProcess::NotRunning || b->state() == QProcess::NotRunning,
                                 10000);
        QProcess& ended = a->state() == QProcess::NotRunning ? *a : *b;
        QProcess& running = &ended == a.get() ? *b : *a;
        QCOMPARE(ended.exitCode(), 0);
        // A third start handed over: the one left is the instance, up and answering.
        QVERIFY(HandsOver(dir));
        QCOMPARE(running.state(), QProcess::Running);
        running.kill();
        running.waitForFinished();
    }

    // A logout, kill or Ctrl+C (on Windows the quit message, as an installer sends) ends the program as
    // a close of its window: the settings are saved, in a folder named in any script.
    void quitSignalEndsLikeAClose_data() {
        QTest::addColumn<int>("signal");
#ifdef Q_OS_WIN
        QTest::newRow("quit message") << 0;
#else
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGINT") << int(SIGINT);
        QTest::newRow("SIGHUP") << int(SIGHUP);
#endif
    }
    void quitSignalEndsLikeAClose() {
        QFETCH(int, signal);
        QTemporaryDir dir;
        QTemporaryDir settings(ScriptsFolderTemplate());
        QVERIFY(settings.isValid());
        WriteBytes(settings.filePath(u"settings.ini"_s), "[Options]\nSameInput=1\n");
        auto program = StartProgram(dir, {}, {}, settings.path());
        QVERIFY(program->waitForStarted());
#ifdef Q_OS_WIN
        Q_UNUSED(signal);
        TSingleInstance probe(dir.path(), InstanceKey());
        QTRY_VERIFY_WITH_TIMEOUT(Answering(probe), 30000);
        const HWND window =
            ::FindWindowW(QString::fromLatin1(kWindowClassName).toStdWString().c_str(), nullptr);
        QVERIFY(::PostMessageW(window, static_cast<UINT>(WM_QUITMAIN), 0, 0));
#else
        QTRY_VERIFY_WITH_TIMEOUT(Catches(program->processId(), signal), 30000); // its handler is in place
        QVERIFY(::kill(static_cast<pid_t>(program->processId()), signal) == 0);
#endif
        QVERIFY(program->waitForFinished(10000));
        QCOMPARE(program->exitStatus(), QProcess::NormalExit);
        QCOMPARE(program->exitCode(), 0);
        const QByteArray saved = ReadBytes(settings.filePath(u"settings.ini"_s));
        QVERIFY2(saved.contains("SameInput=1") && saved.contains("NotUseAnotherFFmpeg=1"), saved.constData());
    }
};

QTEST_GUILESS_MAIN(tst_SingleInstance)
#include "tst_SingleInstance.moc"
