#include "gui/SingleInstance.h"
#include "gui/SingleInstanceRequest.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QStandardPaths>
#include <QThread>

#include <atomic>
#include <optional>

namespace clipvane {

// Percent-encoded UTF-8, so that no character of a name can split or end its line.
QByteArray instance::FileLines(const QStringList& files) {
    QByteArray lines;
    for (const QString& file : files)
        lines += file.toUtf8().toPercentEncoding() + '\n';
    return lines;
}

QString instance::FileOfLine(const QByteArray& line) {
    return QString::fromUtf8(QByteArray::fromPercentEncoding(line));
}

namespace {

// Instance locks this process holds (tests hold several).
std::atomic<int> g_locksHeld{0};

// Letters, digits and ".-_" only, so the key is a safe file name on every system.
QString FileNameSafe(const QString& text) {
    QString safe;
    for (const QChar c : text)
        safe += (c.isLetterOrNumber() && c.unicode() < 128) || c == u'.' || c == u'-' || c == u'_' ? c : u'-';
    return safe;
}

} // namespace

QString InstanceFolder() {
    const QString chosen = qEnvironmentVariable("CLIPVANE_INSTANCE_DIR");
    if (!chosen.isEmpty())
        return chosen;
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

QString InstanceKey() {
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = qEnvironmentVariable("LOGNAME");
    if (user.isEmpty())
        user = qEnvironmentVariable("USERNAME");
    if (user.isEmpty())
        user = QDir::home().dirName();
    return FileNameSafe(QString::fromLatin1(kWindowClassName) + QLatin1Char('.') + user);
}

TSingleInstance::TSingleInstance(const QString& folder, const QString& key)
    : m_folder(QDir::cleanPath(folder))
    , m_key(key)
    , m_lock(LockPath()) {
    // The lock is held for the program's whole run: only a holder that is gone makes it stale.
    m_lock.setStaleLockTime(0);
}

TSingleInstance::~TSingleInstance() {
    if (m_lock.isLocked())
        --g_locksHeld;
    StopListening();
}

TSingleInstance::TClaim TSingleInstance::Claim(int timeoutMs, const QStringList& files) {
    QDir().mkpath(m_folder);
    std::optional<QCoreApplication> probe;
    int argc = 1;
    char name[] = "clipvane";
    char* argv[] = {name, nullptr};
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        // A lock left by a crashed instance is recognised by its dead owner and taken over here.
        if (m_lock.tryLock(0)) {
            ++g_locksHeld;
            return TClaim::Primary;
        }
        if (m_lock.error() != QLockFile::LockFailedError)
            return TClaim::Primary; // no lock can be made here at all: better one window too many than none
        // A dead instance's lock naming the process id the system has since given to this very process
        // (Wine hands out the same few ids after every restart) looks alive to QLockFile: it is not.
        qint64 holder = 0;
        if (g_locksHeld == 0 && m_lock.getLockInfo(&holder, nullptr, nullptr) &&
            holder == QCoreApplication::applicationPid() && m_lock.removeStaleLockFile())
            continue;
        if (!QCoreApplication::instance() && !probe)
            probe.emplace(argc, argv);
        if (SendShowRequest(files))
            return TClaim::HandedOver;
        // The holder may be starting up and not listening yet.
        if (deadline.hasExpired())
            return TClaim::Unreachable;
        QThread::msleep(20);
    }
}

void TSingleInstance::HandOver(const QStringList& files) {
    emit showRequested();
    if (!files.isEmpty())
        emit filesHandedOver(files);
}

} // namespace clipvane
