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

    QLabel* Image2 = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* lPoweredBy = nullptr;
    QLabel* lCopywrite = nullptr;
    QLabel* Label3 = nullptr;
    QFrame* Panel2 = nullptr;
    TsuiURLLabel* lbEAddress = nullptr;
    QPushButton* bOK = nullptr;
};

} // namespace clipvane
