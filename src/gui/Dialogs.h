#pragma once
// The one seam through which the program asks the user or the shell anything: message boxes,
// file and folder pickers, and the shell's "open". Tests install a scripted double instead.

#include "core/Question.h"

#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <string>

class QWidget;

namespace clipvane {

class TDialogs {
public:
    virtual ~TDialogs() = default;

    // A non-empty `details` goes behind the box's "Show Details..." button.
    virtual QMessageBox::StandardButton Message(QWidget* parent, QMessageBox::Icon icon,
                                                const QString& caption, const QString& text,
                                                QMessageBox::StandardButtons buttons,
                                                const QString& details = QString()) = 0;
    virtual QStringList OpenFileNames(QWidget* parent, const QString& caption, const QString& folder,
                                      const QString& filter) = 0;
    virtual QString OpenFileName(QWidget* parent, const QString& caption, const QString& folder,
                                 const QString& filter) = 0;
    virtual QString ExistingDirectory(QWidget* parent, const QString& caption, const QString& folder) = 0;
    virtual bool OpenUrl(const QUrl& url) = 0;

    // The implementation in use: the Qt one unless a test installed another.
    static TDialogs& Instance();
    // Installs `dialogs` (not owned); nullptr restores the Qt implementation.
    static void SetInstance(TDialogs* dialogs);
};

// Real dialogs and the desktop's URL handler.
class TQtDialogs final : public TDialogs {
public:
    QMessageBox::StandardButton Message(QWidget* parent, QMessageBox::Icon icon, const QString& caption,
                                        const QString& text, QMessageBox::StandardButtons buttons,
                                        const QString& details = QString()) override;
    QStringList OpenFileNames(QWidget* parent, const QString& caption, const QString& folder,
                              const QString& filter) override;
    QString OpenFileName(QWidget* parent, const QString& caption, const QString& folder,
                         const QString& filter) override;
    QString ExistingDirectory(QWidget* parent, const QString& caption, const QString& folder) override;
    bool OpenUrl(const QUrl& url) override;
};

// A message box captioned with the product name.
QMessageBox::StandardButton ShowMessage(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                                        QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                        const QString& details = QString());

// The height a message box with this text (and, behind its button, these details) wants.
int MessageBoxHeight(QWidget* parent, const QString& text, const QString& details = QString());
// The tallest message box that keeps its buttons on the screen, even with its details shown.
int MessageBoxHeightLimit(QWidget* parent);

// The summary after a batch: the failed names, each followed by ", ", then "file conversion failed.".
// When that box would be taller than the screen allows, as many names as fit, then "and N more, ".
QString FailureSummary(QWidget* parent, const QStringList& names, const QString& details);

// The application's general error display: product caption, error icon, OK, a final "." added
// when the message's last character sorts after ".".
void ShowErrorMessage(QWidget* parent, const std::string& message);

// The runner's overwrite question as a Yes/No message box with the information icon, owned by the
// active window.
class TMessageBoxQuestion final : public TQuestion {
public:
    bool AskYesNo(const std::string& text) override;
};

} // namespace clipvane
