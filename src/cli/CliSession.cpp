#include "cli/CliSession.h"

#include "core/platform/Console.h"
#include "core/platform/Pause.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdio>
#include <iostream>

namespace clipvane::cli {

bool TCliQuestion::AskYesNo(const std::string& text) {
    if (m_mode != TOverwrite::Ask)
        return m_mode == TOverwrite::Yes;
    std::cerr << text << " [y/N] " << std::flush;
    std::string answer;
    m_asking = text;
    const platform::TReadLine read = platform::ReadInputLine(answer);
    m_asking.clear();
    if (read == platform::TReadLine::Interrupted)
        std::cerr << '\n'; // the session ends the program as soon as the question returns
    if (read != platform::TReadLine::Line)
        return false;
    return answer == "y" || answer == "Y" || answer == "yes" || answer == "Yes" || answer == "YES";
}

namespace {
// What a terminal shows after a file's name when it has ended.
std::string EndWord(TFileOutcome outcome) {
    switch (outcome) {
    case TFileOutcome::Converted:
        return "  done";
    case TFileOutcome::Skipped:
        return "  skipped";
    case TFileOutcome::Failed:
        break;
    }
    return "  failed";
}

std::vector<TConvertProcess*> RunnerPointers(const std::vector<std::unique_ptr<TConvertProcess>>& runners) {
    std::vector<TConvertProcess*> pointers;
    for (const auto& runner : runners)
        pointers.push_back(runner.get());
    return pointers;
}

std::vector<std::unique_ptr<TConvertProcess>> MakeRunners(std::size_t count) {
    std::vector<std::unique_ptr<TConvertProcess>> runners;
    for (std::size_t i = 0; i < count; ++i)
        runners.push_back(std::make_unique<TConvertProcess>());
    return runners;
}
} // namespace

bool TSlotReceiver::event(QEvent* event) {
    if (event->type() != static_cast<QEvent::Type>(WM_PROCESSINFO))
        return QObject::event(event);
    if (const std::unique_ptr<TProcessInfo> info = static_cast<TProcessInfoEvent*>(event)->Take())
        m_session.OnNotice(m_slot, *info);
    return true;
}

TCliSession::TCliSession(const TCliOptions& options, ConversionJob job, std::vector<std::string> files,
                         bool sameFolder, std::string outputFolder, std::size_t jobs)
    : m_machine(options.Machine)
    , m_terminal(!options.Machine && platform::IsTerminal(platform::TStream::Output))
    , m_question(options.Overwrite)
    , m_runners(MakeRunners(std::clamp<std::size_t>(jobs, 1, std::max<std::size_t>(files.size(), 1))))
    , m_batch(std::make_unique<TConvertBatch>(RunnerPointers(m_runners), std::move(files))) {
    m_batch->Job = std::move(job);
    m_batch->SameInput = [sameFolder] { return sameFolder; };
    m_batch->OutputFolder = [folder = std::move(outputFolder)] { return folder; };
    for (std::size_t slot = 0; slot < m_runners.size(); ++slot) {
        m_runners[slot]->Question = &m_question;
        m_receivers.push_back(std::make_unique<TSlotReceiver>(*this, slot));
        m_batch->SetSlotNotifyWindow(slot, m_receivers.back().get());
    }
    m_batch->NotifyWindow = m_receivers.front().get();
    m_slotLines.resize(m_runners.size());
    m_reasonShown.resize(m_batch->Count());
    m_clock = TBatchClock(m_runners.size());
    m_tails.resize(m_runners.size());
    m_silentShown.assign(m_runners.size(), -1);

    m_interruptPoll.setInterval(50);
    connect(&m_interruptPoll, &QTimer::timeout, this, &TCliSession::PollInterrupt);
}

TCliSession::~TCliSession() {
    platform::CatchTerminalStop(nullptr); // the hold refers to this session
    // The batch refers to the runners; each runner stops its child as it goes.
    m_batch.reset();
    m_runners.clear();
}

void TCliSession::KeepJournal(TBatchJournal& journal) {
    m_journal = &journal;
    clipvane::KeepJournal(*m_batch, journal);
}

void TCliSession::Begin() {
    platform::InstallInterruptHandler();
    platform::CatchTerminalStop([this](bool hold) { Hold(hold); });
    m_clock.Start();
    m_interruptPoll.start();
    try {
        // One slot at a time, so that an interrupt at an overwrite question starts nothing more.
        for (std::size_t slot = 0; slot < m_runners.size(); ++slot) {
            m_batch->StartCurrent(slot);
            if (FinishIfInterrupted())
                return;
            DrawProgressLine(slot, ""); // none for a slot left without a file
        }
        m_batch->FailedFiles.clear();
    } catch (const std::exception& error) {
        OnStartFailure(error);
    }
}

void TCliSession::StartNext(std::size_t slot) {
    m_tails[slot].clear();
    try {
        m_batch->StartCurrent(slot);
        if (FinishIfInterrupted())
            return;
        DrawProgressLine(slot, "");
    } catch (const std::exception& error) {
        OnStartFailure(error);
    }
}

// The encoder could not be started: the batch has ended, and every file it left says why.
void TCliSession::OnStartFailure(const std::exception& error) {
    if (m_terminal && m_runners.size() > 1)
        EraseBlock();
    else if (m_terminal && m_lineWidth > 0)
        std::cout << '\n';
    m_lineWidth = 0;
    std::cerr << ErrorDisplayText(error.what()) << '\n';
    for (std::size_t index = 0; index < m_batch->Count(); ++index)
        if (!m_reasonShown[index] && !m_batch->Reason(index).empty())
            PrintReason(index, "");
    Finish(kExitNoEncoder);
}

void TCliSession::OnNotice(std::size_t slot, const TProcessInfo& info) {
    if (m_done)
        return;
    if (info.IsEndNotice())
        OnEnd(slot, info);
    else
        OnProgress(slot, info);
}

std::string TCliSession::FileLabel(std::size_t slot) const {
    const std::size_t index = std::min(m_batch->SlotIndex(slot), m_batch->Count() - 1);
    return "[" + std::to_string(index + 1) + "/" + std::to_string(m_batch->Count()) + "] " +
           ExtractFileName(m_runners[slot]->OutputFile);
}

std::string TCliSession::MachinePrefix(std::size_t slot) const {
    return m_runners.size() > 1 ? std::to_string(m_batch->SlotIndex(slot) + 1) + " " : std::string();
}

void TCliSession::DrawProgressLine(std::size_t slot, const std::string& tail) {
    if (!m_terminal)
        return;
    if (m_runners.size() > 1) {
        m_slotLines[slot] = m_batch->SlotIndex(slot) < m_batch->Count() ? FileLabel(slot) + tail : "";
        DrawBlock();
        return;
    }
    std::string line = FileLabel(slot) + tail;
    const std::size_t width = line.size();
    if (width < m_lineWidth)
        line.append(m_lineWidth - width, ' ');
    m_lineWidth = width;
    std::cout << '\r' << line << std::flush;
}

void TCliSession::EraseBlock() {
    if (m_blockHeight > 1)
        std::cout << "\r\033[" << m_blockHeight - 1 << 'A';
    std::cout << "\r\033[J";
    m_blockHeight = 0;
}

// The running files' lines, in slot order; a slot with nothing left to do shows none.
void TCliSession::DrawBlock() {
    EraseBlock();
    for (const std::string& line : m_slotLines) {
        if (line.empty())
            continue;
        std::cout << (m_blockHeight > 0 ? "\n" : "") << line;
        ++m_blockHeight;
    }
    std::cout << std::flush;
}

// A finished file's line stays on screen above the running ones.
void TCliSession::PrintAboveBlock(const std::string& line) {
    EraseBlock();
    std::cout << line << '\n';
    DrawBlock();
}

void TCliSession::OnProgress(std::size_t slot, const TProcessInfo& info) {
    if (m_machine) {
        std::cout << MachinePrefix(slot) << "progress " << info.Percent << ' ' << info.TimeElapsed << ' '
                  << info.TimeEstimated << std::endl;
        return;
    }
    std::string percent = std::to_string(info.Percent) + "%";
    if (percent.size() < 4)
        percent.insert(0, 4 - percent.size(), ' ');
    m_tails[slot] = " " + percent + "  " + info.TimeElapsed + " / " + info.TimeEstimated;
    m_silentShown[slot] = -1;
    DrawProgressLine(slot, m_tails[slot]);
}

void TCliSession::OnEnd(std::size_t slot, const TProcessInfo& info) {
    // Read before the batch hands the slot its next file.
    const std::size_t index = m_batch->SlotIndex(slot);
    const std::string prefix = MachinePrefix(slot);
    const TFileOutcome outcome = OutcomeOf(info);
    if (m_machine) {
        // How the encoder failed comes first, so that the end line stays "end STATUS MARK".
        if (info.ExitSignal != 0)
            std::cout << prefix << "signal " << info.ExitSignal << '\n';
        else if (info.ExitCode != 0)
            std::cout << prefix << "exit " << info.ExitCode << '\n';
        // The mark says whether the file converted: progress followed by a failure is no success.
        std::cout << prefix << "end " << info.Status << ' '
                  << (outcome == TFileOutcome::Converted ? info.TimeElapsed : "-") << '\n';
        if (outcome == TFileOutcome::Skipped)
            std::cout << prefix << "skipped " << ExtractFileName(m_batch->FileList()[index]) << '\n';
        std::cout << std::flush;
    } else if (m_terminal && m_runners.size() > 1) {
        PrintAboveBlock(FileLabel(slot) + EndWord(outcome));
    } else if (m_terminal) {
        DrawProgressLine(slot, EndWord(outcome));
        std::cout << '\n';
        m_lineWidth = 0;
    }
    m_batch->FollowEnd(
        info, [](const std::string& message) { std::cerr << message << '\n'; },
        {.Ended =
             [this, prefix](std::size_t ended, TFileOutcome judged) {
                 if (judged == TFileOutcome::Failed)
                     PrintReason(ended, prefix);
                 else if (judged == TFileOutcome::Converted)
                     PrintNote(ended, prefix);
             },
         .StartNext = [this, slot] { StartNext(slot); },
         .Idle = [this, slot] { DrawProgressLine(slot, ""); },
         .Close = [this] { Finish(m_batch->FailedFiles.empty() ? kExitConverted : kExitSomeFailed); }},
        slot);
}

// Under the file's own line on a terminal; elsewhere on stderr, or as "reason" lines for a program.
void TCliSession::PrintReason(std::size_t index, const std::string& prefix) {
    m_reasonShown[index] = true;
    const std::string name = ExtractFileName(m_batch->FileList()[index]);
    const std::vector<std::string>& reason = m_batch->Reason(index);
    if (m_machine) {
        for (const std::string& line : reason)
            std::cout << prefix << "reason " << name << ' ' << line << '\n';
        std::cout << std::flush;
    } else if (m_terminal && m_runners.size() > 1) {
        for (const std::string& line : reason)
            PrintAboveBlock("    " + line);
    } else if (m_terminal) {
        for (const std::string& line : reason)
            std::cout << "    " << line << '\n';
        std::cout << std::flush;
    } else {
        std::cerr << name << ":\n";
        for (const std::string& line : reason)
            std::cerr << "    " << line << '\n';
    }
}

void TCliSession::PrintNote(std::size_t index, const std::string& prefix) {
    const std::string& note = m_batch->Note(index);
    if (note.empty())
        return;
    const std::string name = ExtractFileName(m_batch->FileList()[index]);
    if (m_machine)
        std::cout << prefix << "warning " << name << ' ' << note << std::endl;
    else if (m_terminal && m_runners.size() > 1)
        PrintAboveBlock("    warning: " + note);
    else if (m_terminal)
        std::cout << "    warning: " << note << std::endl;
    else
        std::cerr << name << ": warning: " << note << std::endl;
}

void TCliSession::Hold(bool hold) {
    if (m_done)
        return;
    m_batch->Pause(hold);
    hold ? m_clock.Pause() : m_clock.Resume();
    // Stopped at the question: the shell has written over it, and the program waits for its answer.
    if (!hold && !m_question.Asking().empty()) {
        std::cerr << m_question.Asking() << " [y/N] " << std::flush;
        return;
    }
    if (!m_terminal)
        return;
    // The shell says "Stopped" below the progress, which is drawn afresh once the batch goes on.
    if (hold) {
        std::cout << '\n' << std::flush;
        m_lineWidth = 0;
        m_blockHeight = 0;
        return;
    }
    for (std::size_t slot = 0; slot < m_runners.size(); ++slot)
        DrawProgressLine(slot, m_tails[slot]);
}

void TCliSession::Finish(int exitCode) {
    if (m_done)
        return;
    m_done = true;
    m_interruptPoll.stop();
    m_batch->Stop();
    if (m_journal && (exitCode == kExitConverted || exitCode == kExitSomeFailed))
        m_journal->Finish();
    if (m_terminal && m_runners.size() > 1)
        EraseBlock();
    else if (m_terminal && m_lineWidth > 0)
        std::cout << '\n';
    if (!m_batch->FailedFiles.empty() && exitCode != kExitInterrupted) {
        if (m_machine)
            std::cout << "failed " << m_batch->FailedFiles << std::endl;
        else
            std::cerr << m_batch->FailedFiles << "file conversion failed." << std::endl;
    }
    if (const std::size_t skipped = m_batch->Skipped(); skipped > 0 && !m_machine)
        std::cerr << (skipped == 1 ? "1 file skipped: its output exists."
                                   : std::to_string(skipped) + " files skipped: their outputs exist.")
                  << std::endl;
    std::cout << std::flush;
    emit finished(exitCode);
}

void TCliSession::PollInterrupt() {
    platform::HandleTerminalStop();
    if (!FinishIfInterrupted())
        WatchSilence();
}

void TCliSession::WatchSilence() {
    for (std::size_t slot = 0; slot < m_runners.size(); ++slot) {
        const TConvertProcess& runner = *m_runners[slot];
        m_clock.Observe(slot, runner.EncoderRunning(), runner.EncoderStarts(), runner.OutputReads());
        const std::int64_t silentMs = m_clock.SilentMs(slot);
        const std::int64_t shown = silentMs >= TBatchClock::kStallMs ? silentMs / 1000 : -1;
        if (shown == m_silentShown[slot])
            continue;
        const bool began = m_silentShown[slot] < 0;
        m_silentShown[slot] = shown;
        const std::string notice = "encoder silent for " + SecondsToText(std::max<std::int64_t>(shown, 0));
        if (m_terminal)
            DrawProgressLine(slot, m_tails[slot] + (shown >= 0 ? "  " + notice : ""));
        else if (!m_machine && began && shown >= 0)
            std::cerr << ExtractFileName(runner.InputFile) << ": " << notice << std::endl;
    }
}

// Also right after a start: an interrupt at the overwrite question ends the program there.
bool TCliSession::FinishIfInterrupted() {
    if (!platform::InterruptRequested())
        return false;
    Finish(kExitInterrupted);
    return true;
}

} // namespace clipvane::cli
