#pragma once
// Runs one batch from the terminal: receives the runner's notices and reports them on stdout.

#include "cli/CliOptions.h"
#include "core/BatchClock.h"
#include "core/BatchJournal.h"
#include "core/ConvertBatch.h"

#include <QObject>
#include <QTimer>

#include <memory>
#include <string>
#include <vector>

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
    // The question waiting for its answer; empty when none is.
    const std::string& Asking() const { return m_asking; }

private:
    TOverwrite m_mode;
    std::string m_asking;
};

// Hands one runner's notices to the session, saying which slot they come from.
class TSlotReceiver final : public QObject {
public:
    TSlotReceiver(class TCliSession& session, std::size_t slot)
        : m_session(session)
        , m_slot(slot) {}

protected:
    bool event(QEvent* event) override;

private:
    TCliSession& m_session;
    std::size_t m_slot;
};

class TCliSession final : public QObject {
    Q_OBJECT

public:
    // `jobs` runners convert at once (at least one, at most one per file).
    TCliSession(const TCliOptions& options, ConversionJob job, std::vector<std::string> files,
                bool sameFolder, std::string outputFolder, std::size_t jobs = 1);
    ~TCliSession() override;

    // Starts the first file; the exit code arrives through finished().
    void Begin();
    // Keeps `journal` (begun already) up to date, and removes it once the batch has ended. An
    // interrupted batch, or one whose encoder could not be started, keeps it for --resume.
    void KeepJournal(TBatchJournal& journal);

signals:
    void finished(int exitCode);

public:
    // A notice of the runner in `slot`.
    void OnNotice(std::size_t slot, const TProcessInfo& info);

private:
    void StartNext(std::size_t slot);
    void OnProgress(std::size_t slot, const TProcessInfo& info);
    void OnEnd(std::size_t slot, const TProcessInfo& info);
    void PrintReason(std::size_t index, const std::string& prefix);
    // A converted file's note (its source's date not kept), as a warning.
    void PrintNote(std::size_t index, const std::string& prefix);
    // Ctrl+Z: the encoders and the clock are held while the program itself is stopped.
    void Hold(bool hold);
    void OnStartFailure(const std::exception& error);
    void Finish(int exitCode);
    void PollInterrupt();
    // Says when an encoder has written nothing for a while: on its line on a terminal, else once on stderr.
    void WatchSilence();
    bool FinishIfInterrupted();
    void DrawProgressLine(std::size_t slot, const std::string& tail);
    void DrawBlock();
    void EraseBlock();
    void PrintAboveBlock(const std::string& line);
    std::string FileLabel(std::size_t slot) const;
    // "N " before a machine line when several files run at once, so a reader can tell them apart.
    std::string MachinePrefix(std::size_t slot) const;

    bool m_machine = false;
    bool m_terminal = false;
    bool m_done = false;
    TCliQuestion m_question;
    TBatchJournal* m_journal = nullptr;
    std::vector<std::unique_ptr<TConvertProcess>> m_runners;
    std::vector<std::unique_ptr<TSlotReceiver>> m_receivers;
    std::unique_ptr<TConvertBatch> m_batch;
    QTimer m_interruptPoll;
    std::size_t m_lineWidth = 0;
    // With several slots on a terminal: one line per slot, redrawn in place.
    std::vector<std::string> m_slotLines;
    std::vector<bool> m_reasonShown; // per file: its reason has been printed
    std::size_t m_blockHeight = 0;   // lines drawn, the cursor on the last
    TBatchClock m_clock{1};
    std::vector<std::string> m_tails;        // per slot: the progress its line shows
    std::vector<std::int64_t> m_silentShown; // per slot: the silence said, in seconds; -1 none
};

} // namespace clipvane::cli
