#pragma once
// The About box: product name, version, maker, support address and a link to the home page.

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

namespace clipvane {

class TsuiURLLabel;

class TfrmAbout final : public QDialog {
    Q_OBJECT

public:
    explicit TfrmAbout(QWidget* owner);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void lbEAddressClick();

    QLabel* Image2 = nullptr; // the banner across the top
    QLabel* Image1 = nullptr; // the program's icon
    QLabel* Label1 = nullptr; // the program's name, bold
    QLabel* Label2 = nullptr; // the version and build
    QLabel* lPoweredBy = nullptr;
    QLabel* lCopywrite = nullptr;
    QLabel* Label3 = nullptr; // the support address
    QFrame* Panel2 = nullptr; // the rule above the links
    TsuiURLLabel* lbEAddress = nullptr;
    QPushButton* bOK = nullptr;
};

} // namespace clipvane
