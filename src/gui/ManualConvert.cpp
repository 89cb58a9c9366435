#include "gui/ManualConvert.h"

#include "gui/DialogLayout.h"
#include "gui/Dialogs.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

#include <utility>

namespace clipvane {

namespace {

const QString kFront = QStringLiteral("ffmpeg -i %1 ");
const QString kOutputMark = QStringLiteral("%1.");

// What a group box's frame and a line edit's frame and margins take from the width for the text.
constexpr int kTitleMargin = 8;
constexpr int kEditMargin = 12;

const char* const kHelpLines[] = {
    QT_TRANSLATE_NOOP("clipvane::TfrmManualConvert", "-i = Input file (%1 it's the file selected)"),
    QT_TRANSLATE_NOOP("clipvane::TfrmManualConvert", "-s = Video size (Width x Height)"),
    QT_TRANSLATE_NOOP("clipvane::TfrmManualConvert", "-r = Video frame rate (Fps)"),
    QT_TRANSLATE_NOOP("clipvane::TfrmManualConvert", "-b = Video bitrate (b/s)"),
    QT_TRANSLATE_NOOP("clipvane::TfrmManualConvert", "-ar = Audio sample rate (Hz)"),
    QT_TRANSLATE_NOOP("clipvane::TfrmManualConvert", "-ab = Audio bitrate (b/s)"),
    QT_TRANSLATE_NOOP("clipvane::TfrmManualConvert", "-ac = Audio channels (1 mono, 2 stereo)"),
    QT_TRANSLATE_NOOP("clipvane::TfrmManualConvert", "%1.xxx = Output file (.xxx the format to convert!)"),
};

QLineEdit* MakeEdit(QWidget* parent, const char* name, const QString& text, int left, int top, int width) {
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(QLatin1String(name));
    edit->setGeometry(left, top, width, 21);
    return edit;
}

QString Compose(const QString& arguments, const QString& extension) {
    return kFront + arguments + u' ' + kOutputMark + extension;
}

// Splits a manual command line the way this dialog reads it back: false when `text` is none.
bool Decompose(const QString& text, QString& arguments, QString& extension) {
    if (!text.startsWith(QStringLiteral("ffmpeg"), Qt::CaseInsensitive))
        return false;
    // Without the output mark the line has no split; the conversion's lookups select nothing
    // for it either, so it is not taken for a manual command line.
    const qsizetype mark = text.indexOf(kOutputMark);
    if (mark < 0)
        return false;
    // The arguments start after the 13 characters of the front and stop before the blank that
    // precedes the mark; a mark inside the front leaves them empty.
    const qsizetype start = kFront.size();
    arguments = mark - 1 > start ? text.mid(start, mark - 1 - start) : QString();
    extension = text.mid(mark + kOutputMark.size());
    return true;
}

} // namespace

TfrmManualConvert::TfrmManualConvert(QWidget* owner, QString profileText)
    : QDialog(owner)
    , m_profileText(std::move(profileText)) {
    setObjectName(QStringLiteral("frmManualConvert"));
    SetDesignFont(*this);
    SetDialogBorder(*this, QSize(540, 363));
    setWindowTitle(tr("Manual conversion"));

    Label1 =
        MakeDesignLabel(this, "Label1", tr("Please input the command line and output file extension:"), 8, 8);

    GroupBox1 = new QGroupBox(tr("Command Line (no -i or output file):"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(8, 27, 267, 65);
    eCommandLine = MakeEdit(GroupBox1, "eCommandLine",
                            QStringLiteral("-s 320x240 -r 14 -b 50k -ar 22050 -ab 56k -ac 1"), 8, 24, 249);

    GroupBox2 = new QGroupBox(tr("Output File Extension (no \".\")"), this);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    GroupBox2->setGeometry(284, 27, 152, 65);
    eOutputFile = MakeEdit(GroupBox2, "eOutputFile", QStringLiteral("mov"), 16, 24, 121);
    // The two texts wider than their places in common desktop fonts: the title (the edit in the
    // box keeps the window's font) and the default arguments, which should show whole.
    NarrowToFit(*GroupBox2, GroupBox2->title(), GroupBox2->width() - kTitleMargin);
    eOutputFile->setFont(font());
    NarrowToFit(*eCommandLine, eCommandLine->text(), eCommandLine->width() - kEditMargin);

    GroupBox3 = new QGroupBox(this);
    GroupBox3->setObjectName(QStringLiteral("GroupBox3"));
    GroupBox3->setGeometry(8, 98, 429, 255);
    Label2 =
        MakeDesignLabel(GroupBox3, "Label2", tr("The software will use the following (Read Only):"), 16, 12);
    Edit1 = MakeEdit(GroupBox3, "Edit1", Compose(eCommandLine->text(), eOutputFile->text()), 16, 31, 398);
    Edit1->setReadOnly(true);
    // The line made of the default arguments shows whole too: some font engines round every glyph's
    // advance up (Windows: 3 % wider than Linux in the same face and size).
    NarrowToFit(*Edit1, Edit1->text(), Edit1->width() - kEditMargin);
    int top = 60;
    int number = 3;
    for (const char* line : kHelpLines) {
        const QByteArray name = "Label" + QByteArray::number(number++);
        MakeDesignLabel(GroupBox3, name.constData(), tr(line), 16, top);
        top += 24;
    }

    bOK = MakeDesignButton(this, "bOK", tr("&OK"), QRect(449, 281, 80, 27));
    bOK->setDefault(true);
    bCancel = MakeDesignButton(this, "bCancel", tr("&Cancel"), QRect(449, 325, 80, 27));

    connect(eCommandLine, &QLineEdit::textChanged, this, &TfrmManualConvert::eCommandLineChange);
    connect(eOutputFile, &QLineEdit::textChanged, this, &TfrmManualConvert::eCommandLineChange);
    connect(bOK, &QPushButton::clicked, this, &TfrmManualConvert::bOKClick);
    connect(bCancel, &QPushButton::clicked, this, &QDialog::reject);

    setTabOrder(eCommandLine, eOutputFile);
    setTabOrder(eOutputFile, Edit1);
    setTabOrder(Edit1, bOK);
    setTabOrder(bOK, bCancel);
}

QString TfrmManualConvert::CommandLine() const {
    return Edit1->text();
}

void TfrmManualConvert::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmManualConvert::FormShow() {
    QString arguments, extension;
    if (Decompose(m_profileText, arguments, extension)) {
        eCommandLine->setText(arguments);
        eOutputFile->setText(extension);
    }
    // Selected, so typing replaces the arguments, with the cursor at the start so that long
    // arguments show from their beginning.
    eCommandLine->setFocus(Qt::OtherFocusReason);
    eCommandLine->setSelection(int(eCommandLine->text().size()), -int(eCommandLine->text().size()));
}

void TfrmManualConvert::eCommandLineChange() {
    Edit1->setText(Compose(eCommandLine->text(), eOutputFile->text()));
    Edit1->setCursorPosition(0);
}

void TfrmManualConvert::bOKClick() {
    // Only emptiness counts: the encoder is the judge of the arguments.
    if (!eCommandLine->text().isEmpty() && !eOutputFile->text().isEmpty()) {
        accept();
        return;
    }
    ShowMessage(this, QMessageBox::Information, tr("Please check the insertion of parameters!"));
}

} // namespace clipvane
