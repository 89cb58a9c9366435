#pragma once
// Runs one batch from the terminal: receives the runner's notices and reports them on stdout.

#include "cli/CliOptions.h"
#include "core/ConvertBatch.h"

#include <QObject>
#include <QTimer>

#include <memory>

namespace clipvane::cli {

inline constexpr int kExitConverted = 0;
inline constexpr int kExitSomeFailed = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitNoEncoder = 3;
inline constexpr int kExitInterrupted = 130;

// Answers the runner's overwrite question from the options or the terminal.
class TCliQuestion final : public TQuestion {
public:
    explicit TCliQuestion(TOverwrite mode)
        : m_mode(mode) {}
    bool AskYesNo(const std::string& text) override;

private:
    TOverwrite m_mode;
};

class TCliSession final : public QObject {
    Q_OBJECT

public:
    TCliSession(const TCliOptions& options, ConversionJob job, std::vector<std::string> files,
                bool sameFolder, std::string outputFolder);
    ~TCliSession() override;

    // Starts the first file; the exit code arrives through finished().
    void Begin();

signals:
    void finished(int exitCode);

protected:
    bool event(QEvent* event) override;

private:
    void StartNext();
    void OnProgress(const TProcessInfo& info);
    void OnEnd(const TProcessInfo& info);
    void Finish(int exitCode);
    void PollInterrupt();
    bool FinishIfInterrupted();
    void DrawProgressLine(const std::string& tail);
    std::string FileLabel() const;

    bool m_machine = false;
    bool m_terminal = false;
    bool m_done = false;
    TCliQuestion m_question;
    std::unique_ptr<TConvertProcess> m_runner;
    std::unique_ptr<TConvertBatch> m_batch;
    QTimer m_interruptPoll;
    std::size_t m_lineWidth = 0;
};

} // namespace clipvane::cli
