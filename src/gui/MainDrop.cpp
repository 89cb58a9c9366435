// Files dragged from a file manager onto the main window, or named on the command line, are
// converted as if chosen in the file dialog.
#include "gui/Main.h"

#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QSet>
#include <QTimer>
#include <QUrl>

#include <utility>

namespace clipvane {

QStringList DroppedFiles(const QMimeData& data) {
    if (!data.hasUrls())
        return {};
    QStringList paths;
    for (const QUrl& url : data.urls())
        if (url.isLocalFile())
            paths << url.toLocalFile();
    return ListedFiles(paths);
}

QStringList ListedFiles(const QStringList& paths) {
    QStringList files;
    QSet<QString> listed;
    const auto add = [&](const QString& path) {
        if (!listed.contains(path)) {
            listed.insert(path);
            files << path;
        }
    };
    for (const QString& path : paths) {
        const QFileInfo item(path);
        if (item.isDir()) {
            const QFileInfoList inside =
                QDir(item.absoluteFilePath()).entryInfoList(QDir::Files, QDir::Name | QDir::IgnoreCase);
            for (const QFileInfo& file : inside)
                add(file.absoluteFilePath());
        } else if (item.isFile()) {
            add(item.absoluteFilePath());
        }
    }
    return files;
}

bool TfrmMain::TakesDrops() const {
    // A modal window (the batch, a dialog, a question) owns the user's attention until it closes.
    return !m_closed && !m_converting && !QApplication::activeModalWidget();
}

void TfrmMain::dragEnterEvent(QDragEnterEvent* event) {
    // Listing a dropped folder can take a while: done once here, not at every move.
    m_dragUsable = (event->possibleActions() & Qt::CopyAction) && TakesDrops() && event->mimeData() &&
                   !DroppedFiles(*event->mimeData()).isEmpty();
    if (!m_dragUsable) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void TfrmMain::dragMoveEvent(QDragMoveEvent* event) {
    if (!m_dragUsable || m_converting) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void TfrmMain::dropEvent(QDropEvent* event) {
    const QStringList files =
        TakesDrops() && event->mimeData() ? DroppedFiles(*event->mimeData()) : QStringList();
    m_dragUsable = false;
    if (files.isEmpty()) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    // The file manager waits for the drop to end: the batch must not run inside it.
    m_converting = true;
    QTimer::singleShot(0, this, [this, files] {
        m_converting = false;
        if (!m_closed)
            RunConvert([files] { return files; });
    });
}

void TfrmMain::ConvertFiles(const QStringList& paths) {
    // Explorer starts one program per file of an "Open with": what comes while a batch runs joins
    // the next one instead of being lost. A name the user gave that is no file (gone, or bytes Qt
    // cannot hold on Linux) fails in the batch's summary with its reason, never in silence.
    QStringList named;
    for (const QString& path : paths) {
        const QFileInfo item(path);
        if (item.isDir())
            named << ListedFiles({path});
        else
            named << item.absoluteFilePath();
    }
    for (const QString& file : named)
        if (!m_waitingFiles.contains(file))
            m_waitingFiles << file;
    QTimer::singleShot(0, this, &TfrmMain::ConvertWaitingFiles);
}

void TfrmMain::ConvertWaitingFiles() {
    // Tried again when the batch has ended or the dialog has closed.
    if (m_waitingFiles.isEmpty() || !TakesDrops())
        return;
    const QStringList files = std::exchange(m_waitingFiles, {});
    RunConvert([files] { return files; });
}

} // namespace clipvane
