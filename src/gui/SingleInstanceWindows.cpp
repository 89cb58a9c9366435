// The hand-over as Windows programs do it: the running instance's hidden window, found by its class.
#include "core/ProcessInfo.h"
#include "core/platform/ClassWindowWindows.h"
#include "gui/SingleInstance.h"
#include "gui/SingleInstanceRequest.h"

namespace clipvane {

using instance::FileLines;
using instance::FileOfLine;
using instance::kMaxFiles;

QString TSingleInstance::ServerName() const {
    return m_key; // a named pipe: per session, no folder
}

bool TSingleInstance::SendShowRequest(const QStringList& files) {
    // As Windows programs do: find the running one's window by its class and post it the request;
    // files go along in a WM_COPYDATA, which waits until the window has taken them.
    if (files.isEmpty())
        return platform::PostToClassWindow(kWindowClassName, WM_SHOWMAIN);
    return platform::SendToClassWindow(kWindowClassName, WM_SHOWMAIN, FileLines(files).toStdString());
}

bool TSingleInstance::Listen() {
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
}

void TSingleInstance::StopListening() {
    platform::DestroyClassWindow(m_window);
}

} // namespace clipvane
