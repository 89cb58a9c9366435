#pragma once
// The small modal window that converts a list of files one after another and can stop the batch.

#include "core/BatchClock.h"
#include "core/ConvertBatch.h"
#include "gui/ConvertHintSlots.h"

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

namespace clipvane {

class TPaced;

struct TProcessInfo;

class TfrmConvert final : public QDialog {
    Q_OBJECT

public:
    // With `atOnce` above one, that many files convert at once and the window shows the batch as a
    // whole; the runners beyond `runner` are the window's own.
    TfrmConvert(QWidget* owner, TConvertProcess& runner, std::vector<std::string> fileList,
                std::size_t atOnce = 1);
    ~TfrmConvert() override;

    // The job, set by the main window before the window is shown.
    ConversionJob& Job() { return m_batch.Job; }
    // Read each time a file starts: the main window's "Same as the input file" and output folder.
    std::function<bool()> SameInput = [] { return true; };
    std::function<std::string()> OutputFolder = [] { return std::string(); };
    // What the times and the stall notice run by, and how long an encoder may write nothing before
    // the notice shows; read when the window is shown.
    TBatchClock::TNow SteadyClock = &TBatchClock::SteadyMs;
    std::int64_t StallMs = TBatchClock::kStallMs;

    // Failed input names, each followed by ", "; read after the modal call returns.
    const std::string& FailedFiles() const { return m_batch.FailedFiles; }
    const TConvertBatch& Batch() const { return m_batch; }
    // For the journal's hooks, set before the window is shown.
    TConvertBatch& Batch() { return m_batch; }

    // Closes the window however it is asked to: Stop, the title bar, Escape or the end of the batch.
    void done(int result) override;
    // Whether the user was looking at the program when the batch ended.
    bool EndedInView() const { return m_endedInView; }

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void FormClose();
    void bStopClick();
    // Holds every encoder and the clock, or lets them go on.
    void bPauseClick();
    void WMProcessInfo(const TProcessInfo& info, std::size_t slot = 0);
    void ShowCurrentFile();
    void ShowName(bool tell = true);
    void PaintPaced();
    // Starts the batch (`first`) or its next file; a start that fails is shown and ends the batch.
    void StartFiles(bool first);
    // Moves the times by the clock and shows whether an encoder has gone silent.
    void Tick();
    void ShowFileElapsed();
    // For a catch block: whatever reached the window ends the batch as a failed start does, every file
    // not converted failed, the error's box first, then the window closes for the main window's summary.
    void EndOnError();

    TConvertSlots m_slots; // before the batch, which converts with its runners
    TConvertBatch m_batch;
    bool m_shown = false;
    bool m_endedInView = false;
    TBatchClock m_clock;
    QTimer* m_tick = nullptr;
    TPaced* m_paced = nullptr;
    // The file started last, which the window names at most every so often.
    QString m_shownName;
    std::size_t m_shownNumber = 0;
    bool m_namePending = false;
    std::int64_t m_reportedSeconds = 0; // the current file's elapsed time as its last report gave it

    QGroupBox* GroupBox2 = nullptr; // "Converting": frames the file's name, its progress and times
    QLabel* lConvertName = nullptr;
    QProgressBar* suiProgressBar2 = nullptr; // the file's percent, or the batch's with several at once
    QLabel* Label5 = nullptr;                // the caption "Time elapsed: " before lTimeElapsed
    QLabel* lTimeElapsed = nullptr;
    QLabel* Label6 = nullptr; // the caption "Time estimated: " before lTimeEstimated
    QLabel* lTimeEstimated = nullptr;
    QLabel* Image2 = nullptr; // the converting picture beside the buttons
    QLabel* lStall = nullptr;
    QPushButton* bPause = nullptr;
    QPushButton* bStop = nullptr;
};

} // namespace clipvane
