// The hand-over on a local socket (a Unix domain socket beside the lock).
#include "core/ProcessInfo.h"
#include "gui/SingleInstance.h"
#include "gui/SingleInstanceRequest.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QVariant>

namespace clipvane {

using instance::FileLines;
using instance::FileOfLine;
using instance::kMaxFiles;
using instance::kMaxLine;

QString TSingleInstance::ServerName() const {
    return m_folder + QLatin1Char('/') + m_key;
}

bool TSingleInstance::SendShowRequest(const QStringList& files) {
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
}

bool TSingleInstance::Listen() {
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
}

// The server is a child of this object and closes with it.
void TSingleInstance::StopListening() {}

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
