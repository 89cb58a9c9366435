#pragma once
// The program's main window: the profile box, the output folder, and the commands that start a batch.

#include "core/BatchJournal.h"
#include "gui/Dialogs.h"

#include <QStringList>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class QAction;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QMimeData;
class QPushButton;
class QToolButton;

namespace clipvane {

class TConvertBatch;
class TConvertProcess;
class TfrmConvert;
class TNotifier;
class TFlatPanel;
class TProfilePicker;
class TWlmShiftImage;
class TsuiURLLabel;
class TClickLabel;
class TExistingOutputMenu;

// The local files a drop of `data` offers, in its order: a file as it is, a folder as the regular,
// non-hidden files directly inside it, sorted by name. Anything else (web addresses, text, missing
// paths) is left out, and so is a file already listed.
QStringList DroppedFiles(const QMimeData& data);
// The files `paths` name, listed as a drop lists them.
QStringList ListedFiles(const QStringList& paths);

// Narrows the label's font until its text fits `width`, and keeps the label within it.
void FitToWidth(QLabel& label, int width);

class TfrmMain final : public QWidget {
    Q_OBJECT

public:
    // `settingsFolder` names the folder of "settings.ini"; it is asked anew at each load and save.
    explicit TfrmMain(std::function<std::string()> settingsFolder, QWidget* parent = nullptr);
    ~TfrmMain() override;

    // The remembered output folder: loaded, refreshed by Convert, saved at close.
    std::string OutputDirectory;
    // Folder (with its separator) of the first file of the last accepted selection made while
    // "Same as the input file" was checked; never saved.
    std::string SameInputFolder;
    // Folder (with its separator) of the first file of the last accepted selection; never saved.
    std::string LastInputFolder;
    std::string AnotherFFmpeg;
    bool NotUseAnotherFFmpeg = true;
    // Files a batch converts at once: 1 one after another, 0 one per processor core, N up to N.
    std::int32_t ConvertAtOnce = 1;
    // Each converted output takes its source's modification time.
    bool KeepDates = false;

    // Asked after each save: a text for the user when the settings could not go where they belong.
    std::function<std::string()> SettingsNotice;

    // Reads (true) or writes (false) the settings.
    void LoadSaveSettings(bool load);

    void bConvertClick();
    void cbSameInputClick();
    void bExitClick();
    void miManualConvertClick();
    void bBrowserClick();
    void bShowFilesClick();
    // Pops the Advanced menu up at the mouse pointer, its check mark refreshed first.
    void iAboutClick();
    void Homepage1Click();
    void Donate1Click();
    void lTitleClick();
    void UseanotherFFMpeg1Click();
    void About1Click();
    void miConvertAtOnceClick();
    void miKeepDatesClick();
    QString AtOnceText() const;
    // A later start asked for the window: shown, restored and brought to the front, and with it the
    // dialog or question that is up.
    void WMShowMain();
    // Files named on the command line or handed over by a later start (absolute paths): converted as
    // a drop is, at once or, while a batch or a dialog is up, as the next batch once it has ended.
    void ConvertFiles(const QStringList& paths);
    // Once a run: a batch the program did not finish is offered, and converted or forgotten.
    void OfferResume();
    // The program is asked to end (a signal, the end of the session): handled as a close of the
    // window, whatever dialog is up; the event loops end.
    void EndSession();

    // The program's encoder runner, alive until the window closes.
    TConvertProcess* Runner() const { return m_runner.get(); }
    TProfilePicker& Picker() const { return *m_picker; }
    // The profile box's caption as bytes; the text read from the settings keeps its exact bytes.
    std::string ProfileText() const;
    // The output folder box's text as a path; the folder read from the settings keeps its bytes.
    std::string OutputFolderText() const;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreateControls();
    void CreateAdvancedMenu();
    void AddKeepDatesItem();
    // After a batch: what failed, and what converted without its source's date.
    void ShowBatchSummary(const TConvertBatch& batch, std::size_t skipped);
    void FormCreate();
    void FormShow();
    void FormClose();
    // The Convert command with `selectFiles` asking for the input files; errors are reported.
    void RunConvert(const std::function<QStringList()>& selectFiles);
    void Convert(const std::function<QStringList()>& selectFiles);
    // True when a drop would be taken now, if it offers any file.
    bool TakesDrops() const;
    // Runs the waiting files as one batch when the window is free.
    void ConvertWaitingFiles();
    bool CheckOutputFolder();
    // Converts `files` with `job` as one batch, which keeps its journal, and says how it ended.
    void RunBatch(std::vector<std::string> files, ConversionJob job, const std::string& profile,
                  const std::function<bool()>& sameInput, const std::function<std::string()>& outputFolder);
    // The journal beside settings.ini, and what is said, once a run, when it cannot be kept.
    std::string JournalPath() const;
    void BeginJournal(TBatchJournal& journal, const TJournalBatch& batch);
    void TellJournalFailure(const TBatchJournal& journal);

    std::function<std::string()> m_settingsFolder;
    std::unique_ptr<TConvertProcess> m_runner;
    TfrmConvert* m_batchWindow = nullptr; // the batch window while it is up
    TMessageBoxQuestion m_question;
    std::unique_ptr<TNotifier> m_notifier;
    TProfilePicker* m_picker = nullptr;
    // What the settings held, to write back unchanged when the user did not change it.
    std::string m_loadedFormat;
    bool m_closed = false;
    bool m_ending = false;      // EndSession runs: no box may wait for an answer
    bool m_noticeShown = false; // SettingsNotice is said once
    bool m_resumeOffered = false;
    bool m_journalFailureTold = false;
    // While a Convert command runs, and from a drop until the command it asks for has ended.
    bool m_converting = false;
    // Whether the drag over the window now offers anything usable, found when it entered.
    bool m_dragUsable = false;
    // Handed-over files that wait for the window to be free, in the order they came.
    QStringList m_waitingFiles;

    QLabel* imgTitle = nullptr;
    TClickLabel* Image1 = nullptr;
    TClickLabel* lTitle = nullptr;
    QLabel* lTitleHint = nullptr;
    QLabel* iUpdate = nullptr;
    TsuiURLLabel* lUpdate = nullptr;
    QWidget* pSingleMode = nullptr;
    QLabel* lVideo = nullptr;
    QLabel* lUrl = nullptr;
    QFrame* Panel2 = nullptr;
    QLabel* lConvertTo = nullptr;
    QLabel* lExtName = nullptr;
    TFlatPanel* fpType = nullptr;
    QToolButton* suiArrowButton3 = nullptr;
    QWidget* Panel1 = nullptr;
    QLabel* lOutputFolder = nullptr;
    QLineEdit* eOutputFolder = nullptr;
    QPushButton* bBrowser = nullptr;
    QCheckBox* cbSameInput = nullptr;
    QFrame* pLine = nullptr;
    TWlmShiftImage* WlmShiftImage1 = nullptr;
    TClickLabel* lbEAddress = nullptr;
    QPushButton* bConvert = nullptr;
    QPushButton* bShowFiles = nullptr;
    QPushButton* bExit = nullptr;
    QAction* aTotal = nullptr;
    QAction* Action1 = nullptr;
    QMenu* suiPopupMenu1 = nullptr;
    QAction* UseanotherFFMpeg1 = nullptr;
    QAction* miConvertAtOnce = nullptr;
    QAction* miKeepDates = nullptr;
    TExistingOutputMenu* m_existingOutput = nullptr;
};

} // namespace clipvane
