#include "gui/SingleInstance.h"

#include "core/ProcessInfo.h"
#include "core/platform/Platform.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

#include <atomic>
#include <optional>

namespace clipvane {

namespace {

// Instance locks this process holds (tests hold several).
std::atomic<int> g_locksHeld{0};

// A request is the message number of "show yourself", with the number of files when it hands any
// over, and a line end; then one line per file. Longer lines and more files than any real start
// gives are no second start's.
constexpr qint64 kMaxLine = 64 * 1024;
constexpr int kMaxFiles = 100000;

// Percent-encoded UTF-8, so that no character of a name can split or end its line.
QByteArray FileLines(const QStringList& files) {
    QByteArray lines;
    for (const QString& file : files)
        lines += file.toUtf8().toPercentEncoding() + '\n';
    return lines;
}

QString FileOfLine(const QByteArray& line) {
    return QString::fromUtf8(QByteArray::fromPercentEncoding(line));
}

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
#ifdef Q_OS_WIN
    platform::DestroyClassWindow(m_window);
#endif
}

QString TSingleInstance::ServerName() const {
#ifdef Q_OS_WIN
    return m_key; // a named pipe: per session, no folder
#else
    return m_folder + QLatin1Char('/') + m_key;
#endif
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

bool TSingleInstance::SendShowRequest(const QStringList& files) {
#ifdef Q_OS_WIN
    // As Windows programs do: find the running one's window by its class and post it the request;
    // files go along in a WM_COPYDATA, which waits until the window has taken them.
    if (files.isEmpty())
        return platform::PostToClassWindow(kWindowClassName, WM_SHOWMAIN);
    return platform::SendToClassWindow(kWindowClassName, WM_SHOWMAIN, FileLines(files).toStdString());
#else
    QLocalSocket socket;
    socket.connectToServer(ServerName());
    if (!socket.waitForConnected(500))
        return false;
    QByteArray request = QByteArray::number(WM_SHOWMAIN);
    if (!files.isEmpty())
        request += ' ' + QByteArray::number(files.size());
    socket.write(request + '\n' + FileLines(files));
    while (socket.bytesToWrite() > 0 && socket.waitForBytesWritten(1000)) {
    }
    const bool sent = socket.bytesToWrite() == 0;
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(500);
    return sent;
#endif
}

void TSingleInstance::HandOver(const QStringList& files) {
    emit showRequested();
    if (!files.isEmpty())
        emit filesHandedOver(files);
}

bool TSingleInstance::Listen() {
#ifdef Q_OS_WIN
    if (!m_window) {
        m_window = platform::CreateClassWindow(
            kWindowClassName, WM_SHOWMAIN,
            [](void* self) { static_cast<TSingleInstance*>(self)->HandOver({}); }, this,
            [](void* self, const char* data, std::size_t size) {
                QStringList files;
                for (const QByteArray& line : QByteArray(data, qsizetype(size)).split('\n'))
                    if (!line.isEmpty() && files.size() < kMaxFiles)
                        files << FileOfLine(line);
                static_cast<TSingleInstance*>(self)->HandOver(files);
            },
            WM_QUITMAIN, [](void* self) { emit static_cast<TSingleInstance*>(self)->quitRequested(); });
    }
    return m_window != platform::kNoHandle;
#else
    if (m_server)
        return m_server->isListening();
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // Whatever socket is there was left by a crash: the lock says no other instance runs.
    QLocalServer::removeServer(ServerName());
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] { ReadRequest(socket); });
            ReadRequest(socket);
        }
    });
    return m_server->listen(ServerName());
#endif
}

void TSingleInstance::ReadRequest(QLocalSocket* socket) {
    // What a connection has read so far lives on the connection.
    static constexpr const char* kFilesDue = "clipvaneFilesDue";
    static constexpr const char* kFilesRead = "clipvaneFilesRead";
    const QByteArray show = QByteArray::number(WM_SHOWMAIN);
    while (socket->canReadLine()) {
        QByteArray line = socket->readLine(kMaxLine);
        if (!line.endsWith('\n')) {
            socket->abort();
            return;
        }
        line.chop(1);
        int due = socket->property(kFilesDue).toInt();
        if (due > 0) {
            QStringList files = socket->property(kFilesRead).toStringList() << FileOfLine(line);
            socket->setProperty(kFilesDue, --due);
            socket->setProperty(kFilesRead, due > 0 ? QVariant(files) : QVariant());
            if (due == 0)
                HandOver(files);
            continue;
        }
        const QList<QByteArray> words = line.split(' ');
        bool counted = false;
        const int count = words.size() == 2 ? words[1].toInt(&counted) : 0;
        if (words[0] != show || words.size() > 2 ||
            (words.size() == 2 && (!counted || count < 1 || count > kMaxFiles))) {
            // Not a second start of ours.
            socket->abort();
            return;
        }
        if (count == 0)
            HandOver({});
        else
            socket->setProperty(kFilesDue, count);
    }
    if (socket->bytesAvailable() >= kMaxLine)
        socket->abort();
}

} // namespace clipvane
