#include "gui/Dialogs.h"

#include "core/Global.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QTextEdit>

#include <algorithm>

namespace clipvane {

namespace {
TQtDialogs g_qtDialogs;
TDialogs* g_current = nullptr;
} // namespace

TDialogs& TDialogs::Instance() {
    return g_current ? *g_current : static_cast<TDialogs&>(g_qtDialogs);
}

void TDialogs::SetInstance(TDialogs* dialogs) {
    g_current = dialogs;
}

QMessageBox::StandardButton TQtDialogs::Message(QWidget* parent, QMessageBox::Icon icon,
                                                const QString& caption, const QString& text,
                                                QMessageBox::StandardButtons buttons,
                                                const QString& details) {
    QMessageBox box(icon, caption, text, buttons, parent ? parent : QApplication::activeWindow());
    if (!details.isEmpty()) {
        box.setDetailedText(details);
        // The encoder's lines are long: room for them, so that they are not wrapped out of shape.
        if (auto* edit = box.findChild<QTextEdit*>()) {
            const QFontMetrics metrics(edit->font());
            int widest = 0;
            const QStringList lines = details.split(u'\n');
            for (const QString& line : lines)
                widest = std::max(widest, metrics.horizontalAdvance(line));
            QScreen* screen = box.screen();
            const int limit = screen ? screen->availableGeometry().width() * 3 / 5 : 800;
            edit->setMinimumWidth(std::min(widest + 40, limit));
            edit->setFixedHeight(
                metrics.lineSpacing() * std::min<int>(lines.size() + 1, 14) +
                2 * (edit->frameWidth() + static_cast<int>(edit->document()->documentMargin())));
        }
    }
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

QStringList TQtDialogs::OpenFileNames(QWidget* parent, const QString& caption, const QString& folder,
                                      const QString& filter) {
    return QFileDialog::getOpenFileNames(parent, caption, folder, filter);
}

QString TQtDialogs::OpenFileName(QWidget* parent, const QString& caption, const QString& folder,
                                 const QString& filter) {
    return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}

QString TQtDialogs::ExistingDirectory(QWidget* parent, const QString& caption, const QString& folder) {
    QFileDialog dialog(parent, caption);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (!folder.isEmpty()) {
        // Opened on the folder it starts from, in the middle of the screen rather than over the
        // owner, so that the folder tree has room around it.
        dialog.setDirectory(folder);
        dialog.adjustSize();
        QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
        if (screen) {
            const QRect area = screen->availableGeometry();
            dialog.move(area.x() + (area.width() - dialog.width()) / 2,
                        area.y() + (area.height() - dialog.height()) / 2);
        }
    }
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.selectedFiles().value(0);
}

bool TQtDialogs::OpenUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

QMessageBox::StandardButton ShowMessage(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                                        QMessageBox::StandardButtons buttons, const QString& details) {
    return TDialogs::Instance().Message(parent, icon, QString::fromUtf8(kProductName), text, buttons,
                                        details);
}

void ShowErrorMessage(QWidget* parent, const std::string& message) {
    ShowMessage(parent, QMessageBox::Critical, QString::fromStdString(ErrorDisplayText(message)));
}

bool TMessageBoxQuestion::AskYesNo(const std::string& text) {
    return ShowMessage(nullptr, QMessageBox::Information, QString::fromStdString(text),
                       QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

} // namespace clipvane
