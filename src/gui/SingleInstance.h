#pragma once
// One running program per user: the first start holds a lock file and answers show requests (on a
// local socket; on Windows, by a hidden window of the program's class); a later start finds the lock
// taken, asks the running one to come forward, hands it the files it was started with, and ends.
// The transport is one file per system: SingleInstanceLocal.cpp, SingleInstanceWindows.cpp.

#include "core/platform/Handle.h"

#include <QLockFile>
#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class QLocalServer;
class QLocalSocket;

namespace clipvane {

// The name by which a second start finds the first.
inline constexpr const char* kWindowClassName = "Tarvix Clipvane Made by Tarvix Software";

// Where the lock and the socket live: $CLIPVANE_INSTANCE_DIR, else the user's private runtime folder,
// else the temporary folder.
QString InstanceFolder();

// The window class name and the user, as one file name.
QString InstanceKey();

class TSingleInstance final : public QObject {
    Q_OBJECT

public:
    enum class TClaim {
        Primary,    // this process is the one instance (or, when no lock can be made at all, runs unguarded)
        HandedOver, // another instance was told to show itself
        Unreachable // another instance holds the lock but did not take the request in time
    };

    TSingleInstance(const QString& folder, const QString& key);
    ~TSingleInstance() override;

    // Takes the lock, or sends the running instance the show request with `files` (absolute paths).
    // Waits at most `timeoutMs` for an instance that holds the lock but is not listening yet. Needs an
    // application object only when another instance is found (one is made for the call if there is none).
    TClaim Claim(int timeoutMs, const QStringList& files = {});

    // After Primary, with an application object: answers show requests from now on, replacing a socket
    // that a crashed instance left behind. False when nothing can listen.
    bool Listen();

    QString LockPath() const { return m_folder + QLatin1Char('/') + m_key + QStringLiteral(".lock"); }
    QString ServerName() const;

signals:
    // A later start asked this instance to show its window.
    void showRequested();
    // ... and to convert these files (after showRequested).
    void filesHandedOver(const QStringList& files);
    // Windows: an installer asks the program to end before it replaces or removes its files.
    void quitRequested();

private:
    bool SendShowRequest(const QStringList& files);
    void ReadRequest(QLocalSocket* socket);
    void HandOver(const QStringList& files);
    void StopListening();

    QString m_folder;
    QString m_key;
    QLockFile m_lock;
    QLocalServer* m_server = nullptr; // the local socket's transport
    platform::Handle m_window =
        platform::kNoHandle; // Windows': the hidden window a later start finds by class
};

} // namespace clipvane
