#pragma once
// The small modal window that converts a list of files one after another and can stop the batch.

#include "core/ConvertBatch.h"

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;

namespace clipvane {

struct TProcessInfo;

class TfrmConvert final : public QDialog {
    Q_OBJECT

public:
    TfrmConvert(QWidget* owner, TConvertProcess& runner, std::vector<std::string> fileList);
    ~TfrmConvert() override;

    // The job, set by the main window before the window is shown.
    ConversionJob& Job() { return m_batch.Job; }
    // Read each time a file starts: the main window's "Same as the input file" and output folder.
    std::function<bool()> SameInput = [] { return true; };
    std::function<std::string()> OutputFolder = [] { return std::string(); };

    // Failed input names, each followed by ", "; read after the modal call returns.
    const std::string& FailedFiles() const { return m_batch.FailedFiles; }
    const TConvertBatch& Batch() const { return m_batch; }

    // Closes the window however it is asked to: Stop, the title bar, Escape or the end of the batch.
    void done(int result) override;

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void FormClose();
    void bStopClick();
    void WMProcessInfo(const TProcessInfo& info);
    void ShowCurrentFile();
    // Starts the batch (`first`) or its next file; a start that fails is shown, and ends the batch
    // when the encoder could not be started.
    void StartFiles(bool first);

    TConvertBatch m_batch;
    bool m_shown = false;

    QGroupBox* GroupBox2 = nullptr;
    QLabel* lConvertName = nullptr;
    QProgressBar* suiProgressBar2 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* lTimeElapsed = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* lTimeEstimated = nullptr;
    QLabel* Image2 = nullptr;
    QPushButton* bStop = nullptr;
};

} // namespace clipvane
