#pragma once
// Test double for the dialog seam: answers come from queues, and every question asked is recorded.
// Construct one per test (it installs itself and uninstalls on destruction), so no answer leaks.

#include "gui/Dialogs.h"

#include <QQueue>

namespace clipvane {

class TScriptedDialogs final : public TDialogs {
public:
    struct Asked {
        QMessageBox::Icon icon;
        QString caption;
        QString text;
        QMessageBox::StandardButtons buttons;
        QString details; // behind "Show Details...", empty when none
    };

    TScriptedDialogs() { TDialogs::SetInstance(this); }
    ~TScriptedDialogs() override { TDialogs::SetInstance(nullptr); }
    TScriptedDialogs(const TScriptedDialogs&) = delete;
    TScriptedDialogs& operator=(const TScriptedDialogs&) = delete;

    QQueue<QMessageBox::StandardButton> answers;
    QQueue<QStringList> fileNames;
    QQueue<QString> folders;
    QList<Asked> messages;
    QList<QUrl> openedUrls;
    // How each picker was opened: its caption, initial folder and (file pickers only) filter.
    struct Opened {
        QString caption;
        QString folder;
        QString filter;
    };
    QList<Opened> filePickers;
    QList<Opened> folderPickers;

    QMessageBox::StandardButton Message(QWidget*, QMessageBox::Icon icon, const QString& caption,
                                        const QString& text, QMessageBox::StandardButtons buttons,
                                        const QString& details = QString()) override {
        messages.append({icon, caption, text, buttons, details});
        if (!answers.isEmpty())
            return answers.dequeue();
        // With no scripted answer the box's default button is taken: OK, or No for a question.
        return buttons.testFlag(QMessageBox::No) ? QMessageBox::No : QMessageBox::Ok;
    }
    QStringList OpenFileNames(QWidget*, const QString& caption, const QString& folder,
                              const QString& filter) override {
        filePickers.append({caption, folder, filter});
        return fileNames.isEmpty() ? QStringList() : fileNames.dequeue();
    }
    QString OpenFileName(QWidget* parent, const QString& caption, const QString& folder,
                         const QString& filter) override {
        const QStringList names = OpenFileNames(parent, caption, folder, filter);
        return names.isEmpty() ? QString() : names.first();
    }
    QString ExistingDirectory(QWidget*, const QString& caption, const QString& folder) override {
        folderPickers.append({caption, folder, {}});
        return folders.isEmpty() ? QString() : folders.dequeue();
    }
    bool OpenUrl(const QUrl& url) override {
        openedUrls.append(url);
        return true;
    }
};

} // namespace clipvane
