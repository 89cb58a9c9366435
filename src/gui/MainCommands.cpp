// The main window's secondary commands: the output folder's browser and viewer, the Advanced menu
// and the web pages.
#include "core/ConvertThread.h"
#include "core/Path.h"
#include "core/Settings.h"
#include "core/platform/Files.h"
#include "gui/About.h"
#include "gui/ExistingOutputMenu.h"
#include "gui/Global.h"
#include "gui/Links.h"
#include "gui/Main.h"
#include "gui/Useanother.h"
#include "gui/controls/MenuCurrent.h"

#include <QAction>
#include <QCheckBox>
#include <QCursor>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QThread>

#include <algorithm>
#include <cstdint>

namespace clipvane {

void TfrmMain::CreateAdvancedMenu() {
    suiPopupMenu1 = new QMenu(this);
    suiPopupMenu1->setObjectName(QStringLiteral("suiPopupMenu1"));
    const auto item = [this](const char* name, const QString& text, void (TfrmMain::*handler)()) {
        QAction* action = suiPopupMenu1->addAction(text);
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    item("Homepage1", tr("&Home Page"), &TfrmMain::Homepage1Click);
    suiPopupMenu1->addSeparator();
    UseanotherFFMpeg1 =
        item("UseanotherFFMpeg1", tr("&Use another FFmpeg"), &TfrmMain::UseanotherFFMpeg1Click);
    UseanotherFFMpeg1->setCheckable(true);
    suiPopupMenu1->addSeparator();
    item("Donate1", tr("&Donate"), &TfrmMain::Donate1Click);
    suiPopupMenu1->addSeparator();
    miConvertAtOnce = item("miConvertAtOnce", AtOnceText(), &TfrmMain::miConvertAtOnceClick);
    miConvertAtOnce->setCheckable(true);
    AddKeepDatesItem();
    m_existingOutput = new TExistingOutputMenu(*suiPopupMenu1);
    suiPopupMenu1->addSeparator();
    item("About1", tr("&About..."), &TfrmMain::About1Click);
    // The box would take Ctrl+A as "select all", and the menu the label promises would not open
    // while the box has the focus, as it has when the window opens.
    eOutputFolder->installEventFilter(this);
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == eOutputFolder && Action1 && event->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent*>(event)->keyCombination() == Action1->shortcut()[0])
        return true; // left unaccepted, so the window's shortcut runs
    return QWidget::eventFilter(watched, event);
}

void TfrmMain::bBrowserClick() {
    QString folder = eOutputFolder->text();
    if (!platform::DirectoryExists(OutputFolderText()))
        folder.clear();
    if (!BrowseForFolder(this, tr("Please select the directory to output"), folder))
        return;
    eOutputFolder->setText(folder);
    eOutputFolder->setCursorPosition(0);
    OutputDirectory = OutputFolderText();
}

void TfrmMain::bShowFilesClick() {
    if (cbSameInput->isChecked() && !SameInputFolder.empty())
        OutputDirectory = SameInputFolder;
    else
        OutputDirectory = OutputFolderText();
    if (!platform::DirectoryExists(OutputDirectory)) {
        ShowMessage(this, QMessageBox::Critical,
                    tr("%1, the output directory does not exist.").arg(PathText(OutputDirectory)));
        return;
    }
    // A relative folder is the one the batch writes to: under the working folder, as Convert has it.
    TDialogs::Instance().OpenUrl(QUrl::fromLocalFile(QDir(PathText(OutputDirectory)).absolutePath()));
}

// How many files the item's choice converts at once on this machine: the hand-set count or one per
// core (what checking the item gives), as the machine allows.
QString TfrmMain::AtOnceText() const {
    const auto cores = static_cast<unsigned>(std::max(1, QThread::idealThreadCount()));
    const std::size_t count =
        RunnersFor(ConvertAtOnce == 1 ? 0 : ConvertAtOnce, SIZE_MAX, cores, EncodersAllowed(cores));
    return tr("Convert several files at once (up to %1)").arg(count);
}

void TfrmMain::iAboutClick() {
    UseanotherFFMpeg1->setChecked(!NotUseAnotherFFmpeg);
    miConvertAtOnce->setChecked(ConvertAtOnce != 1);
    miConvertAtOnce->setText(AtOnceText());
    miKeepDates->setChecked(KeepDates);
    PopupWithCurrent(*suiPopupMenu1, QCursor::pos());
}

void TfrmMain::Homepage1Click() {
    TDialogs::Instance().OpenUrl(HomePageUrl());
}

void TfrmMain::Donate1Click() {
    TDialogs::Instance().OpenUrl(DonatePageUrl());
}

void TfrmMain::lTitleClick() {
    TDialogs::Instance().OpenUrl(MakerSiteUrl());
}

void TfrmMain::UseanotherFFMpeg1Click() {
    RunUseAnotherFFmpeg(this, AnotherFFmpeg, NotUseAnotherFFmpeg);
    // Choosing the item toggled its mark already: a cancelled dialog must not leave it showing a
    // choice that was never made.
    UseanotherFFMpeg1->setChecked(!NotUseAnotherFFmpeg);
}

void TfrmMain::miConvertAtOnceClick() {
    // A hand-set count (say 3) is dropped by unchecking, and checking asks for one per core.
    ConvertAtOnce = miConvertAtOnce->isChecked() ? 0 : 1;
}

void TfrmMain::About1Click() {
    TfrmAbout about(this);
    about.exec();
}

} // namespace clipvane
