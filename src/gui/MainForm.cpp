// The main window's controls: where each stands, what it says and which handler it runs.
#include "gui/DialogLayout.h"
#include "gui/Links.h"
#include "gui/Main.h"
#include "gui/Pictures.h"
#include "gui/controls/ClickLabel.h"
#include "gui/controls/SUIURLLabel.h"
#include "gui/controls/TFlatPanelUnit.h"
#include "gui/controls/WlmShiftImage.h"
#include "gui/profiles/ProfileMenu.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

#include <algorithm>
#include <initializer_list>

namespace clipvane {

namespace {

template <class T> T* Make(QWidget* parent, const char* name, int left, int top) {
    auto* widget = new T(parent);
    widget->setObjectName(QLatin1String(name));
    widget->move(left, top);
    return widget;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text, const QString& hint, int left,
                        int top) {
    auto* button = MakeDesignButton(parent, name, text, QRect(left, top, 80, 23));
    button->setToolTip(hint);
    return button;
}

QFrame* MakeRule(QWidget* parent, const char* name, int left, int top, int width) {
    auto* rule = Make<QFrame>(parent, name, left, top);
    rule->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    rule->resize(width, 2);
    return rule;
}

} // namespace

void FitToWidth(QLabel& label, int width) {
    NarrowToFit(label, label.text(), width);
    label.adjustSize();
    label.resize(std::min(label.width(), width), label.height());
}

namespace {

void SetTextColour(QWidget& widget, const QColor& colour) {
    QPalette colours = widget.palette();
    colours.setColor(QPalette::WindowText, colour);
    widget.setPalette(colours);
}

} // namespace

void TfrmMain::CreateControls() {
    imgTitle = Make<QLabel>(this, "imgTitle", 0, 0);
    imgTitle->setScaledContents(true);

    Image1 = Make<TClickLabel>(this, "Image1", 8, 8);
    Image1->resize(32, 32);
    Image1->setPixmap(ProgramIcon(32));
    connect(Image1, &TClickLabel::clicked, this, &TfrmMain::Homepage1Click);

    lTitle = Make<TClickLabel>(this, "lTitle", 49, 8);
    QFont titleFont = font();
    titleFont.setBold(true);
    titleFont.setPixelSize(15);
    lTitle->setFont(titleFont);
    SetTextColour(*lTitle, Qt::white);
    lTitle->setText(MakerSiteName());
    lTitle->adjustSize();
    connect(lTitle, &TClickLabel::clicked, this, &TfrmMain::lTitleClick);

    lTitleHint = MakeDesignLabel(this, "lTitleHint", tr("Convert video files between many formats"), 50, 27);
    lTitleHint->resize(266, lTitleHint->height());
    SetTextColour(*lTitleHint, Qt::white);

    iUpdate = Make<QLabel>(this, "iUpdate", 0, 24);
    iUpdate->setPixmap(UpdatePicture());
    iUpdate->adjustSize();

    lUpdate = Make<TsuiURLLabel>(this, "lUpdate", 0, 24);
    lUpdate->SetCaption(tr("Check for updates..."));
    lUpdate->SetURL(UpdatePageUrl().toString());

    pSingleMode = Make<QWidget>(this, "pSingleMode", 8, 50);
    pSingleMode->resize(393, 234);
    lVideo = MakeDesignLabel(pSingleMode, "lVideo",
                             tr("1. Click 'Profile:' combobox to choose an output format."), 0, 8);
    lUrl = MakeDesignLabel(
        pSingleMode, "lUrl",
        tr("2. Click 'Convert...' button to select one or more files and start converting."), 0, 26);
    FitToWidth(*lVideo, pSingleMode->width());
    FitToWidth(*lUrl, pSingleMode->width());
    Panel2 = MakeRule(pSingleMode, "Panel2", 0, 50, 390);
    lConvertTo = MakeDesignLabel(pSingleMode, "lConvertTo", tr("Profile:"), 0, 58);
    lConvertTo->setToolTip(tr("'Ctrl + P' to popup the profile list"));
    FitToWidth(*lConvertTo, 35); // the extension label follows at 37
    lExtName = MakeDesignLabel(pSingleMode, "lExtName", QStringLiteral("(*)"), 37, 58);
    // A word too long even narrowed keeps its width and pushes the extension label along.
    if (const int end = lConvertTo->fontMetrics().horizontalAdvance(lConvertTo->text()); end > 35) {
        lConvertTo->resize(end + 1, lConvertTo->height());
        lExtName->move(end + 3, 58);
    }
    lExtName->setEnabled(false);

    Panel1 = Make<QWidget>(pSingleMode, "Panel1", 0, 107);
    Panel1->resize(401, 67);
    lOutputFolder = MakeDesignLabel(Panel1, "lOutputFolder", tr("Output Folder:"), 0, 3);
    eOutputFolder = Make<QLineEdit>(Panel1, "eOutputFolder", 0, 22);
    eOutputFolder->resize(300, 20);
    eOutputFolder->setAcceptDrops(false); // files dropped on the box are converted, as anywhere else
    bBrowser =
        MakeButton(Panel1, "bBrowser", tr("Browser..."), tr("Select folder for output files"), 310, 20);
    cbSameInput = Make<QCheckBox>(Panel1, "cbSameInput", 0, 46);
    cbSameInput->setText(tr("Same as the input file"));
    cbSameInput->adjustSize();
    connect(cbSameInput, &QCheckBox::toggled, this, &TfrmMain::cbSameInputClick);
    connect(bBrowser, &QPushButton::clicked, this, &TfrmMain::bBrowserClick);

    pLine = MakeRule(pSingleMode, "pLine", 0, 179, 390);
    WlmShiftImage1 = Make<TWlmShiftImage>(pSingleMode, "WlmShiftImage1", 3, 189);
    WlmShiftImage1->resize(32, 32);
    WlmShiftImage1->SetPicture(AdvancedPicture(false));
    WlmShiftImage1->SetNoFocusedPicture(AdvancedPicture(false));
    WlmShiftImage1->SetFocusedPicture(AdvancedPicture(true));
    WlmShiftImage1->setCursor(Qt::PointingHandCursor);
    WlmShiftImage1->setToolTip(tr("Click to popup the menu"));

    lbEAddress = Make<TClickLabel>(pSingleMode, "lbEAddress", 37, 207);
    QFont linkFont = font();
    linkFont.setBold(true);
    linkFont.setUnderline(true);
    lbEAddress->setFont(linkFont);
    SetTextColour(*lbEAddress, Qt::blue);
    lbEAddress->setText(tr("Advanced"));
    lbEAddress->setToolTip(tr("Click to popup the menu (Ctrl + A)"));
    lbEAddress->adjustSize();

    bConvert = MakeButton(pSingleMode, "bConvert", tr("Convert..."),
                          tr("Select one or more video files and start converting"), 122, 197);
    bShowFiles =
        MakeButton(pSingleMode, "bShowFiles", tr("Show Files..."), tr("Open Destination Folder"), 216, 197);
    bExit = MakeButton(pSingleMode, "bExit", tr("Exit"), tr("Exit the software"), 310, 197);
    connect(bConvert, &QPushButton::clicked, this, &TfrmMain::bConvertClick);
    connect(bShowFiles, &QPushButton::clicked, this, &TfrmMain::bShowFilesClick);
    connect(bExit, &QPushButton::clicked, this, &TfrmMain::bExitClick);

    CreateAdvancedMenu();
    setAcceptDrops(true);
    connect(WlmShiftImage1, &TWlmShiftImage::clicked, this, &TfrmMain::iAboutClick);
    connect(lbEAddress, &TClickLabel::clicked, this, &TfrmMain::iAboutClick);

    // The profile box and its arrow stand in the client area, over the body panel.
    fpType = Make<TFlatPanel>(this, "fpType", 6, 127);
    fpType->resize(371, 21);
    fpType->SetColorHighLight(Qt::black);
    fpType->SetColorShadow(Qt::black);
    suiArrowButton3 = Make<QToolButton>(this, "suiArrowButton3", 375, 127);
    suiArrowButton3->resize(21, 21);
    suiArrowButton3->setArrowType(Qt::DownArrow);
    suiArrowButton3->setFocusPolicy(Qt::NoFocus);

    m_picker = new TProfilePicker(this, fpType, lExtName);
    connect(fpType, &TFlatPanel::clicked, this, [this] { m_picker->fpTypeClick(fpType); });
    connect(suiArrowButton3, &QToolButton::clicked, this, [this] { m_picker->fpTypeClick(suiArrowButton3); });
    connect(m_picker->miManualConvert(), &QAction::triggered, this, &TfrmMain::miManualConvertClick);

    aTotal = new QAction(tr("Popup Profile Menu"), this);
    aTotal->setObjectName(QStringLiteral("aTotal"));
    aTotal->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    connect(aTotal, &QAction::triggered, this, [this] { m_picker->fpTypeClick(aTotal); });
    Action1 = new QAction(tr("Advanced"), this);
    Action1->setObjectName(QStringLiteral("Action1"));
    Action1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    connect(Action1, &QAction::triggered, this, &TfrmMain::iAboutClick);
    addActions({aTotal, Action1});
    // Carried by the controls whose click they stand for, so that screen readers tell the keys.
    fpType->addAction(aTotal);
    lbEAddress->addAction(Action1);

    setTabOrder(bConvert, bShowFiles);
    setTabOrder(bShowFiles, bExit);
    setTabOrder(bExit, eOutputFolder);
    setTabOrder(eOutputFolder, cbSameInput);
    setTabOrder(cbSameInput, bBrowser);

    // For screen readers and the keyboard: names for the controls that show only a picture, labels
    // tied to their boxes, and the acting labels and the profile box reachable by Tab, after the
    // designed order so that the window still opens with the focus in the folder box.
    lConvertTo->setBuddy(fpType);
    lOutputFolder->setBuddy(eOutputFolder);
    fpType->SetPopupMenu(m_picker->pmType());
    suiArrowButton3->setAccessibleName(tr("Profile list"));
    Image1->setAccessibleName(tr("Home Page"));
    WlmShiftImage1->setAccessibleName(tr("Advanced menu"));
    QWidget* previous = bBrowser;
    for (QWidget* next : std::initializer_list<QWidget*>{fpType, lbEAddress, lUpdate, lTitle}) {
        next->setFocusPolicy(Qt::TabFocus);
        setTabOrder(previous, next);
        previous = next;
    }
}

} // namespace clipvane
