#include "gui/Dialogs.h"

#include "core/Global.h"
#include "gui/controls/Announcement.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QEvent>
#include <QFileDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QTextEdit>

#include <algorithm>

namespace clipvane {

namespace {
TQtDialogs g_qtDialogs;
TDialogs* g_current = nullptr;

// "Show Details..." grows the box downwards from where it was placed for its collapsed size: a
// tall box would reach past the screen's bottom, and its OK with it. Moved back on whenever it grows.
class TKeepOnScreen final : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* box = qobject_cast<QWidget*>(watched);
        if (box && box->isVisible() && (event->type() == QEvent::Resize || event->type() == QEvent::Show)) {
            if (const QScreen* screen = box->screen()) {
                const QRect area = screen->availableGeometry();
                const QRect frame = box->frameGeometry();
                const int x = std::max(area.left(), std::min(frame.left(), area.right() + 1 - frame.width()));
                const int y = std::max(area.top(), std::min(frame.top(), area.bottom() + 1 - frame.height()));
                if (x != frame.left() || y != frame.top())
                    box->move(x, y);
            }
        }
        return QObject::eventFilter(watched, event);
    }
};
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
    TKeepOnScreen keepOnScreen; // outlives the box it watches
    QMessageBox box(icon, caption, text, buttons, parent ? parent : QApplication::activeWindow());
    if (!details.isEmpty()) {
        box.setDetailedText(details);
        box.installEventFilter(&keepOnScreen);
        // The details button is the one button of the box that is not a standard one.
        for (QAbstractButton* button : box.buttons())
            if (box.standardButton(button) == QMessageBox::NoButton)
                AnnounceRenameOnClick(*button);
        // The encoder's lines are long: room for them, so that they are not wrapped out of shape.
        if (auto* edit = box.findChild<QTextEdit*>()) {
            // Qt keeps the details out of the Tab order: a keyboard or screen reader user could not
            // read them line by line.
            edit->setFocusPolicy(Qt::StrongFocus);
            edit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
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

int MessageBoxHeight(QWidget* parent, const QString& text, const QString& details) {
    QMessageBox box(QMessageBox::Information, QString::fromUtf8(kProductName), text, QMessageBox::Ok,
                    parent ? parent : QApplication::activeWindow());
    if (!details.isEmpty())
        box.setDetailedText(details);
    // The box wraps its text and fixes its size only when it is shown.
    box.setAttribute(Qt::WA_DontShowOnScreen);
    box.show();
    const int height = box.frameGeometry().height();
    box.hide();
    return height;
}

int MessageBoxHeightLimit(QWidget* parent) {
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const int available = screen ? screen->availableGeometry().height() : 600;
    // Room for the title bar and for the details, which the box shows below its text (14 lines).
    const QFontMetrics metrics(QApplication::font());
    return available - 48 - (15 * metrics.lineSpacing() + 24);
}

QString FailureSummary(QWidget* parent, const QStringList& names, const QString& details) {
    const QString failed = QCoreApplication::translate("TDialogs", "file conversion failed.");
    const auto text = [&](qsizetype shown) -> QString {
        QString summary;
        for (qsizetype i = 0; i < shown; ++i)
            summary += names[i] + QStringLiteral(", ");
        if (shown < names.size())
            summary += QCoreApplication::translate("TDialogs", "and %1 more, ").arg(names.size() - shown);
        return summary + failed;
    };
    const int limit = MessageBoxHeightLimit(parent);
    if (MessageBoxHeight(parent, text(names.size()), details) <= limit)
        return text(names.size());
    // The most names that still fit; a box's height grows with the names it lists.
    qsizetype low = 0, high = names.size() - 1;
    while (low < high) {
        const qsizetype middle = (low + high + 1) / 2;
        if (MessageBoxHeight(parent, text(middle), details) <= limit)
            low = middle;
        else
            high = middle - 1;
    }
    return text(low);
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
