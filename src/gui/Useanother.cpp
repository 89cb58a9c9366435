#include "gui/Useanother.h"

#include "core/Path.h"
#include "core/platform/Files.h"
#include "gui/DialogLayout.h"
#include "gui/Dialogs.h"

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

namespace clipvane {

TfrmUseFFmpeg::TfrmUseFFmpeg(QWidget* owner)
    : QDialog(owner)
    , ProgramFolder([] { return platform::ProgramFolder(); }) {
    setObjectName(QStringLiteral("frmUseFFmpeg"));
    SetDesignFont(*this);
    SetDialogBorder(*this, QSize(368, 139));
    setWindowTitle(tr("Use another FFmpeg"));

    GroupBox1 = new QGroupBox(tr("Select FFmpeg path"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(8, 8, 351, 81);
    Edit1 = new QLineEdit(GroupBox1);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(8, 33, 300, 20);
    bBrowser = MakeDesignButton(GroupBox1, "bBrowser", QStringLiteral("..."), QRect(313, 31, 30, 23));

    cbNotUseAnother = new QCheckBox(tr("Don't use it"), this);
    cbNotUseAnother->setObjectName(QStringLiteral("cbNotUseAnother"));
    cbNotUseAnother->setGeometry(QRect(QPoint(8, 104), cbNotUseAnother->sizeHint()));

    bDefault = MakeDesignButton(this, "bDefault", tr("&Default"), QRect(121, 102, 70, 27));
    bOK = MakeDesignButton(this, "bOK", tr("&OK"), QRect(204, 102, 70, 27));
    bOK->setDefault(true);
    bCancel = MakeDesignButton(this, "bCancel", tr("&Cancel"), QRect(287, 102, 70, 27));

    connect(bBrowser, &QPushButton::clicked, this, &TfrmUseFFmpeg::bBrowserClick);
    connect(bDefault, &QPushButton::clicked, this, &TfrmUseFFmpeg::bDefaultClick);
    connect(bOK, &QPushButton::clicked, this, &TfrmUseFFmpeg::bOKClick);
    connect(bCancel, &QPushButton::clicked, this, &QDialog::reject);

    // "..." says nothing to a screen reader.
    bBrowser->setAccessibleName(tr("Browse for FFmpeg"));

    setTabOrder(bCancel, bDefault);
    setTabOrder(bDefault, bOK);
    setTabOrder(bOK, Edit1);
    setTabOrder(Edit1, bBrowser);
    setTabOrder(bBrowser, cbNotUseAnother);
}

void TfrmUseFFmpeg::SetChoice(const QString& path, bool notUseAnother) {
    Edit1->setText(path);
    cbNotUseAnother->setChecked(notUseAnother);
}

QString TfrmUseFFmpeg::Path() const {
    return Edit1->text();
}

bool TfrmUseFFmpeg::NotUseAnother() const {
    return cbNotUseAnother->isChecked();
}

QString TfrmUseFFmpeg::EncoderFilter() {
    const QString name = QString::fromUtf8(platform::EncoderFileName());
    return name + QStringLiteral(" (") + name + u')';
}

void TfrmUseFFmpeg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmUseFFmpeg::FormShow() {
    // Set explicitly: Qt would otherwise hand the first focus to the default button.
    if (!Edit1->text().isEmpty())
        Edit1->setFocus(Qt::OtherFocusReason);
    else
        bCancel->setFocus(Qt::TabFocusReason);
}

void TfrmUseFFmpeg::bBrowserClick() {
    const QString chosen = TDialogs::Instance().OpenFileName(this, QString(), QString(), EncoderFilter());
    if (!chosen.isEmpty())
        Edit1->setText(QDir::toNativeSeparators(chosen));
}

void TfrmUseFFmpeg::bDefaultClick() {
    Edit1->setText(PathText(ProgramFolder()) + QString::fromUtf8(platform::EncoderFileName()));
}

void TfrmUseFFmpeg::bOKClick() {
    // A folder of the encoder's name is refused like a missing file: only a file can be run.
    if (cbNotUseAnother->isChecked() || platform::FileExists(PathBytes(Edit1->text()))) {
        accept();
        return;
    }
    ShowMessage(this, QMessageBox::Information, tr("This FFmpeg.exe file does not exist."));
}

bool RunUseAnotherFFmpeg(QWidget* owner, std::string& anotherFFmpeg, bool& notUseAnotherFFmpeg) {
    TfrmUseFFmpeg dialog(owner);
    dialog.SetChoice(PathText(anotherFFmpeg), notUseAnotherFFmpeg);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    anotherFFmpeg = PathBytes(dialog.Path());
    notUseAnotherFFmpeg = dialog.NotUseAnother();
    return true;
}

} // namespace clipvane
