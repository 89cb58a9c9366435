#include "gui/SingleInstance.h"

#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

using namespace clipvane;
using namespace Qt::StringLiterals;

namespace {

// The real program, pointed at the test's folders and drawing nowhere.
std::unique_ptr<QProcess> StartProgram(const QTemporaryDir& dir) {
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"CLIPVANE_INSTANCE_DIR"_s, dir.path());
    env.insert(u"CLIPVANE_SETTINGS_DIR"_s, dir.filePath(u"settings"_s));
    env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    process->setProcessEnvironment(env);
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->start(QStringLiteral(CLIPVANE_PATH), {});
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
bool HandsOver(const QTemporaryDir& dir) {
    auto later = StartProgram(dir);
    return later->waitForFinished(10000) && later->exitStatus() == QProcess::NormalExit &&
           later->exitCode() == 0;
}

} // namespace

class tst_SingleInstance final : public QObject {
    Q_OBJECT

private slots:
    void secondStartHandsOver() {
        QTemporaryDir dir;
        TSingleInstance first(dir.path(), InstanceKey());
        QCOMPARE(first.Claim(0), TSingleInstance::TClaim::Primary);
        QVERIFY(first.Listen());
        QSignalSpy shown(&first, &TSingleInstance::showRequested);
        QVERIFY(HandsOver(dir));
        QTRY_COMPARE(shown.size(), 1);
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

    void waitingStartTakesOverWhenTheHolderEnds() {
        QTemporaryDir dir;
        auto holder = std::make_unique<TSingleInstance>(dir.path(), InstanceKey());
        QCOMPARE(holder->Claim(0), TSingleInstance::TClaim::Primary); // holds the lock, does not listen
        TSingleInstance probe(dir.path(), InstanceKey());
        auto waiting = StartProgram(dir);
        QVERIFY(waiting->waitForStarted());
        QTest::qWait(300);
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
        QTest::qWait(300);
        QCOMPARE(running.state(), QProcess::Running);
        QVERIFY(HandsOver(dir));
        running.kill();
        running.waitForFinished();
    }
};

QTEST_GUILESS_MAIN(tst_SingleInstance)
#include "tst_SingleInstance.moc"
