#include "gui/Main.h"

#include "core/ConvertThread.h"
#include "core/Global.h"
#include "core/Path.h"
#include "core/ProcessInfo.h"
#include "core/Settings.h"
#include "core/platform/Files.h"
#include "core/profiles/ProfileCatalog.h"
#include "gui/Application.h"
#include "gui/BatchNotice.h"
#include "gui/ConvertHint.h"
#include "gui/DialogLayout.h"
#include "gui/ExistingOutputMenu.h"
#include "gui/ManualConvert.h"
#include "gui/Pictures.h"
#include "gui/controls/SUIURLLabel.h"
#include "gui/controls/TFlatPanelUnit.h"
#include "gui/profiles/ProfileMenu.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QScopeGuard>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cstdio>

namespace clipvane {

namespace {

const QString kAllFiles = QString::fromLatin1(platform::AllFilesPattern());

// An INI value is one line: a line break read from a hand-edited file cannot be written back, and
// would stop every key after it from being saved.
std::string OneLine(std::string value) {
    std::erase_if(value, [](char c) { return c == '\r' || c == '\n'; });
    return value;
}

// One block per failed file: its name, then why it failed.
QString FailureDetails(const std::vector<TFailure>& failures) {
    QStringList blocks;
    for (const TFailure& failure : failures) {
        QString block = PathText(failure.Name) + QStringLiteral(":");
        for (const std::string& line : failure.Reason)
            block += QStringLiteral("\n") + QString::fromStdString(line);
        blocks << block;
    }
    return blocks.join(QStringLiteral("\n\n"));
}

} // namespace

TfrmMain::TfrmMain(std::function<std::string()> settingsFolder, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , m_settingsFolder(std::move(settingsFolder)) {
    setObjectName(QStringLiteral("frmMain"));
    SetDesignFont(*this);
    setFixedSize(405, 284);
    setWindowIcon(ProgramWindowIcon());
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    CreateControls();
    FormCreate();
}

TfrmMain::~TfrmMain() {
    if (!m_closed)
        FormClose();
}

void TfrmMain::FormCreate() {
    pLine->move(0, pLine->y());
    setWindowTitle(QString::fromUtf8(kProductName));
    m_runner = std::make_unique<TConvertProcess>();
    m_runner->Question = &m_question;
    m_notifier = MakeDesktopNotifier(this);
    try {
        LoadSaveSettings(true);
    } catch (...) {
        ShowCurrentException(this);
    }
    // Files handed over while a dialog was up wait for it to close, which moves the focus.
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, [this] {
        if (!m_waitingFiles.isEmpty())
            QTimer::singleShot(0, this, &TfrmMain::ConvertWaitingFiles);
    });
    lUpdate->SetFontLinkColor(Qt::white);
    SameInputFolder.clear();
    LastInputFolder.clear();
    m_picker->RefreshExtName();
}

void TfrmMain::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // A restore from the task bar is no new showing: it must not overwrite what the user typed.
    if (event->spontaneous())
        return;
    try {
        FormShow();
    } catch (...) {
        ShowCurrentException(this);
    }
}

void TfrmMain::FormShow() {
    eOutputFolder->setText(PathText(OutputDirectory));
    eOutputFolder->setCursorPosition(0);
    imgTitle->setGeometry(0, 0, width(), 50);
    imgTitle->setPixmap(Banner(imgTitle->size()));
    imgTitle->lower();
    lUpdate->move(width() - lUpdate->width() - 10, lUpdate->y());
    iUpdate->move(lUpdate->x() - 20, lUpdate->y() + (lUpdate->height() - iUpdate->height()) / 2);
    FitToWidth(*lTitleHint, std::min(266, iUpdate->x() - 4 - lTitleHint->x()));
    m_picker->BindItems();
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    if (!m_closed)
        FormClose();
    event->accept();
}

void TfrmMain::FormClose() {
    m_closed = true;
    try {
        LoadSaveSettings(false);
    } catch (...) {
        // The choices of this run are lost: say so rather than end as if they were kept.
        ShowCurrentException(this);
    }
    m_runner.reset();
}

void TfrmMain::EndSession() {
    if (m_closed)
        return;
    // As a close of the window: every menu and dialog ends as if cancelled (the batch window stops
    // its encoder and removes the work file), the settings are saved, the window closes.
    while (QWidget* popup = QApplication::activePopupWidget())
        if (!popup->close())
            break;
    for (QWidget* modal = QApplication::activeModalWidget(); modal;) {
        auto* dialog = qobject_cast<QDialog*>(modal);
        if (!dialog)
            break;
        dialog->done(QDialog::Rejected);
        QWidget* next = QApplication::activeModalWidget();
        modal = next == modal ? nullptr : next;
    }
    if (m_batchWindow)
        m_batchWindow->done(QDialog::Rejected);
    // The runner stays until the window is destroyed: a Start may still be on the stack below us.
    m_closed = true;
    m_ending = true;
    try {
        LoadSaveSettings(false);
    } catch (const std::exception& error) {
        // No box now: nobody may be there to close it.
        std::fprintf(stderr, "clipvane: %s\n", ErrorDisplayText(error.what()).c_str());
    }
    close();
}

bool TfrmMain::event(QEvent* event) {
    if (event->type() == static_cast<QEvent::Type>(WM_SHOWMAIN)) {
        WMShowMain();
        return true;
    }
    return QWidget::event(event);
}

void TfrmMain::WMShowMain() {
    if (m_closed)
        return; // closing already: the runner is gone and the program is about to end
    show();
    if (isMinimized())
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    raise();
    activateWindow();
    // Raising the window brings up what it owns in any order: the batch window could cover the
    // question asked over it. The topmost dialog comes last, and keeps the keyboard.
    if (QWidget* modal = QApplication::activeModalWidget(); modal && modal != this) {
        modal->raise();
        modal->activateWindow();
    }
}

std::string TfrmMain::ProfileText() const {
    const QString caption = fpType->Caption();
    return caption == QString::fromUtf8(m_loadedFormat) ? m_loadedFormat : caption.toUtf8().toStdString();
}

std::string TfrmMain::OutputFolderText() const {
    const QString text = eOutputFolder->text();
    return text == PathText(OutputDirectory) ? OutputDirectory : PathBytes(text);
}

void TfrmMain::LoadSaveSettings(bool load) {
    const std::string folder = m_settingsFolder();
    if (load) {
        const TSettings settings = LoadSettings(folder);
        OutputDirectory = settings.OutputDirectory;
        m_loadedFormat = settings.OutputFormat;
        m_picker->SetProfileText(QString::fromUtf8(settings.OutputFormat));
        cbSameInput->setChecked(settings.SameInput);
        cbSameInputClick(); // also when the box keeps its state
        AnotherFFmpeg = settings.AnotherFFmpeg;
        NotUseAnotherFFmpeg = settings.NotUseAnotherFFmpeg;
        ConvertAtOnce = settings.ConvertAtOnce;
        KeepDates = settings.KeepDates;
        m_existingOutput->SetSettingValue(settings.WhenOutputExists);
        return;
    }
    OutputDirectory = ChooseOutputDirectory(OutputFolderText(), OutputDirectory);
    TSettings settings;
    settings.OutputDirectory = OneLine(OutputDirectory);
    settings.OutputFormat = OneLine(ProfileText());
    settings.SameInput = cbSameInput->isChecked();
    settings.AnotherFFmpeg = OneLine(AnotherFFmpeg);
    settings.NotUseAnotherFFmpeg = NotUseAnotherFFmpeg;
    settings.ConvertAtOnce = ConvertAtOnce;
    settings.KeepDates = KeepDates;
    settings.WhenOutputExists = m_existingOutput->SettingValue();
    SaveSettings(folder, settings);
    const std::string notice = SettingsNotice && !m_noticeShown ? SettingsNotice() : std::string();
    if (notice.empty())
        return;
    m_noticeShown = true;
    if (m_ending)
        std::fprintf(stderr, "clipvane: %s\n", notice.c_str());
    else
        ShowMessage(this, QMessageBox::Information, QString::fromStdString(notice));
}

void TfrmMain::cbSameInputClick() {
    eOutputFolder->setEnabled(!cbSameInput->isChecked());
}

void TfrmMain::bExitClick() {
    close();
}

void TfrmMain::miManualConvertClick() {
    TfrmManualConvert dialog(this, fpType->Caption());
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_picker->SetProfileText(dialog.CommandLine());
    // The label follows the box, as it does for a profile from the menu.
    m_picker->RefreshExtName();
}

void TfrmMain::bConvertClick() {
    RunConvert([this] {
        const QString startFolder =
            platform::DirectoryExists(LastInputFolder) ? PathText(LastInputFolder) : QString();
        return TDialogs::Instance().OpenFileNames(this, tr("Select one or more video files"), startFolder,
                                                  kAllFiles);
    });
}

void TfrmMain::RunConvert(const std::function<QStringList()>& selectFiles) {
    m_converting = true;
    const auto done = qScopeGuard([this] {
        m_converting = false;
        if (!m_waitingFiles.isEmpty())
            QTimer::singleShot(0, this, &TfrmMain::ConvertWaitingFiles);
    });
    try {
        Convert(selectFiles);
    } catch (...) {
        ShowCurrentException(this);
    }
}

bool TfrmMain::CheckOutputFolder() {
    OutputDirectory = OutputFolderText();
    if (platform::DirectoryExists(OutputDirectory))
        return true;
    const QString question = tr("%1, the output directory does not exist.").arg(PathText(OutputDirectory)) +
                             QStringLiteral("\r\n") + tr("creates a new directory?");
    if (ShowMessage(this, QMessageBox::Information, question, QMessageBox::Yes | QMessageBox::No) !=
        QMessageBox::Yes)
        return false;
    if (!platform::ForceDirectories(OutputDirectory))
        throw Exception(tr("Cannot create %1").arg(PathText(OutputDirectory)).toStdString());
    return true;
}

void TfrmMain::Convert(const std::function<QStringList()>& selectFiles) {
    if (!cbSameInput->isChecked() && !CheckOutputFolder())
        return;
    const std::string profile = ProfileText();
    if (profile.empty()) {
        ShowMessage(this, QMessageBox::Information, tr("Please choose the output format!"));
        return;
    }
    if (!NotUseAnotherFFmpeg && !platform::FileExists(AnotherFFmpeg)) {
        ShowMessage(this, QMessageBox::Information,
                    PathText(AnotherFFmpeg) + QStringLiteral(". ") +
                        tr("This FFmpeg.exe file does not exist."));
        return;
    }
    const QStringList names = selectFiles();
    if (names.isEmpty())
        return;
    // An ANSI name turns the characters it cannot hold into "?": such a name opens no file. Where a
    // name may hold "?" it is an ordinary character.
    for (const QString& name : names) {
        if (!platform::NamesMayHoldQuestionMark() && name.contains(u'?')) {
            ShowMessage(this, QMessageBox::Information,
                        tr("File name contains special characters.") + QStringLiteral("\r\n") +
                            tr("Please rename the file and try again."));
            return;
        }
    }
    // Qt's pickers and drops give "/" on Windows too: the paths shown, and the folders taken from
    // them, use the system's own separator, as the output folder box does.
    std::vector<std::string> files;
    for (const QString& name : names)
        files.push_back(PathBytes(QDir::toNativeSeparators(name)));
    if (cbSameInput->isChecked())
        SameInputFolder = ExtractFilePath(files.front());
    LastInputFolder = ExtractFilePath(files.front());

    ConversionJob job;
    job.OutputExt = GetOutputExt(profile);
    job.FFmpegParams = GetFFmpegParams(profile);
    job.FFmpegPath = AnotherFFmpeg;
    job.NotUseAnotherFFmpeg = NotUseAnotherFFmpeg;
    job.ExistingOutput = m_existingOutput->Choice();
    job.KeepDates = KeepDates;
    // Absolute, so that a folder typed as "-x" can never reach the encoder as an option.
    RunBatch(
        std::move(files), job, profile, [this] { return cbSameInput->isChecked(); },
        [this] { return AbsolutePath(OutputFolderText()); });
}

void TfrmMain::RunBatch(std::vector<std::string> files, ConversionJob job, const std::string& profile,
                        const std::function<bool()>& sameInput,
                        const std::function<std::string()>& outputFolder) {
    // A batch left unfinished is offered before a new journal takes its place.
    OfferResume();
    if (m_closed)
        return;
    const auto cores = static_cast<unsigned>(std::max(1, QThread::idealThreadCount()));
    const std::size_t atOnce = RunnersFor(ConvertAtOnce, files.size(), cores, EncodersAllowed(cores));
    job.AnotherEncoderHint = tr("Choose another one with Advanced > \"Use another FFmpeg\".").toStdString();
    TBatchJournal journal;
    BeginJournal(journal, {job, profile, sameInput(), outputFolder(), files});
    TfrmConvert batch(this, *m_runner, std::move(files), atOnce);
    batch.Job() = job;
    batch.SameInput = sameInput;
    batch.OutputFolder = outputFolder;
    KeepJournal(batch.Batch(), journal);
    m_batchWindow = &batch;
    const auto gone = qScopeGuard([this] { m_batchWindow = nullptr; });
    QElapsedTimer took;
    took.start();
    batch.exec();
    // Ended by a request to quit: nothing more is shown, and the journal stays for the next start.
    if (m_closed)
        return;
    journal.Finish();
    TellJournalFailure(journal);
    const std::size_t skipped = batch.Batch().Skipped();
    TellBatchEnd(*this, batch.EndedInView(), took.elapsed(), batch.Batch().Converted(),
                 batch.Batch().Failures().size(), *m_notifier, skipped);
    ShowBatchSummary(batch.Batch(), skipped);
}

void TfrmMain::ShowBatchSummary(const TConvertBatch& batch, std::size_t skipped) {
    const std::vector<TFailure> notes = batch.Notes();
    // Skipped files are no failures; with none failed, a line says what was left out.
    if (batch.FailedFiles.empty()) {
        // Every file converted: said only when some lack their source's date.
        if (!notes.empty()) {
            QString text =
                tr("Converted; the source's date could not be kept on %1 of the files.").arg(notes.size());
            if (skipped > 0)
                text += QStringLiteral("\r\n") + SkippedText(skipped);
            ShowMessage(this, QMessageBox::Information, text, QMessageBox::Ok, FailureDetails(notes));
        } else if (skipped > 0) {
            ShowMessage(this, QMessageBox::Information, SkippedText(skipped));
        }
        return;
    }
    const std::vector<TFailure> failures = batch.Failures();
    QStringList failedNames;
    for (const TFailure& failure : failures)
        failedNames << PathText(failure.Name);
    QString details = FailureDetails(failures);
    if (!notes.empty())
        details += QStringLiteral("\n\n") + FailureDetails(notes);
    QString summary = FailureSummary(this, failedNames, details);
    if (skipped > 0)
        summary += QStringLiteral("\r\n") + SkippedText(skipped);
    ShowMessage(this, QMessageBox::Information, summary, QMessageBox::Ok, details);
}

} // namespace clipvane
