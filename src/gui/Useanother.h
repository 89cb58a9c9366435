#pragma once
// The dialog that points the program at an encoder other than the default one, or back at it.

#include <QDialog>
#include <QString>

#include <functional>
#include <string>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace clipvane {

class TfrmUseFFmpeg final : public QDialog {
    Q_OBJECT

public:
    explicit TfrmUseFFmpeg(QWidget* owner);

    // The main window's choice, set before the dialog is shown.
    void SetChoice(const QString& path, bool notUseAnother);
    // The choice as the user left it; read after exec() returned Accepted.
    QString Path() const;
    bool NotUseAnother() const;

    // The folder "&Default" looks in, ending with a separator: the program's own folder.
    std::function<std::string()> ProgramFolder;

    // The file picker's filter: only files with the encoder's name are listed.
    static QString EncoderFilter();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void bBrowserClick();
    void bDefaultClick();
    void bOKClick();

    QGroupBox* GroupBox1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QPushButton* bBrowser = nullptr;
    QCheckBox* cbNotUseAnother = nullptr;
    QPushButton* bDefault = nullptr;
    QPushButton* bOK = nullptr;
    QPushButton* bCancel = nullptr;
};

// Shows the dialog over `owner` with the current choice and, on OK, stores the new one (the path
// as typed, also when it is not to be used). True when OK was pressed.
bool RunUseAnotherFFmpeg(QWidget* owner, std::string& anotherFFmpeg, bool& notUseAnotherFFmpeg);

} // namespace clipvane
