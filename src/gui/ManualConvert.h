#pragma once
// The dialog in which the user types encoder arguments and an output extension by hand. It
// composes them into a manual command line, which the caller puts into the profile box.

#include <QDialog>
#include <QString>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace clipvane {

class TfrmManualConvert final : public QDialog {
    Q_OBJECT

public:
    // `profileText` is the profile box's caption; a manual command line in it fills the edits.
    TfrmManualConvert(QWidget* owner, QString profileText);

    // The composed manual command line; read after exec() returned Accepted.
    QString CommandLine() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void eCommandLineChange();
    void bOKClick();

    QString m_profileText;

    QLabel* Label1 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QLineEdit* eCommandLine = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QLineEdit* eOutputFile = nullptr;
    QGroupBox* GroupBox3 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QPushButton* bOK = nullptr;
    QPushButton* bCancel = nullptr;
};

} // namespace clipvane
