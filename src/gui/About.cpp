#include "gui/About.h"

#include "core/Global.h"
#include "gui/DialogLayout.h"
#include "gui/Dialogs.h"
#include "gui/Links.h"
#include "gui/Pictures.h"
#include "gui/controls/SUIURLLabel.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

namespace clipvane {

TfrmAbout::TfrmAbout(QWidget* owner)
    : QDialog(owner) {
    setObjectName(QStringLiteral("frmAbout"));
    SetDesignFont(*this);
    SetDialogBorder(*this, QSize(360, 249));
    setWindowTitle(tr("About Clipvane"));

    Image2 = new QLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(0, 0, 360, 50);
    Image2->setPixmap(Banner(Image2->size()));

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(20, 61, 32, 32);
    Image1->setPixmap(ProgramIcon(32));

    // Filled in by FormShow; sized for its bold text there.
    Label1 = MakeDesignLabel(this, "Label1", QString(), 80, 62);
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);
    Label2 = MakeDesignLabel(this, "Label2", tr("Version: 3.0   Build 20260602"), 80, 84);
    lPoweredBy = MakeDesignLabel(this, "lPoweredBy", tr("Powered by:"), 80, 107);
    lCopywrite = MakeDesignLabel(this, "lCopywrite", tr("Copyright (C) 2024-2026 Tarvix Software"), 80, 129);
    Label3 = MakeDesignLabel(this, "Label3", tr("Support: support@tarvix.example"), 80, 152);

    Panel2 = new QFrame(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    Panel2->setGeometry(80, 176, 262, 2);

    lbEAddress = new TsuiURLLabel(this);
    lbEAddress->setObjectName(QStringLiteral("lbEAddress"));
    // The page comes from the links, not from the text shown, so the label opens nothing itself.
    lbEAddress->SetURL(QString());
    lbEAddress->SetFontHoverColor(TsuiURLLabel::DefaultLinkColor);
    lbEAddress->move(80, 186);
    lbEAddress->SetCaption(MakerSiteName());
    connect(lbEAddress, &TsuiURLLabel::clicked, this, &TfrmAbout::lbEAddressClick);

    bOK = MakeDesignButton(this, "bOK", tr("&OK"), QRect(260, 211, 79, 23));
    bOK->setDefault(true);
    connect(bOK, &QPushButton::clicked, this, &QDialog::accept);

    // The link is reached by Tab after OK, which keeps the focus the box opens with.
    lbEAddress->setFocusPolicy(Qt::TabFocus);
    setTabOrder(bOK, lbEAddress);
    bOK->setFocus();
}

void TfrmAbout::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmAbout::FormShow() {
    Label1->setText(QString::fromUtf8(kProductName));
    Label1->adjustSize();
}

void TfrmAbout::lbEAddressClick() {
    TDialogs::Instance().OpenUrl(HomePageUrl());
}

} // namespace clipvane
