#include "cli/CliSession.h"

#include "core/platform/Platform.h"

#include <QCoreApplication>

#include <cstdio>
#include <iostream>

namespace clipvane::cli {

bool TCliQuestion::AskYesNo(const std::string& text) {
    if (m_mode != TOverwrite::Ask)
        return m_mode == TOverwrite::Yes;
    std::cerr << text << " [y/N] " << std::flush;
    std::string answer;
    const platform::TReadLine read = platform::ReadInputLine(answer);
    if (read == platform::TReadLine::Interrupted)
        std::cerr << '\n'; // the session ends the program as soon as the question returns
    if (read != platform::TReadLine::Line)
        return false;
    return answer == "y" || answer == "Y" || answer == "yes" || answer == "Yes" || answer == "YES";
}

TCliSession::TCliSession(const TCliOptions& options, ConversionJob job, std::vector<std::string> files,
                         bool sameFolder, std::string outputFolder)
    : m_machine(options.Machine)
    , m_terminal(!options.Machine && platform::IsTerminal(platform::TStream::Output))
    , m_question(options.Overwrite)
    , m_runner(std::make_unique<TConvertProcess>())
    , m_batch(std::make_unique<TConvertBatch>(*m_runner, std::move(files))) {
    m_runner->Question = &m_question;
    m_batch->Job = std::move(job);
    m_batch->SameInput = [sameFolder] { return sameFolder; };
    m_batch->OutputFolder = [folder = std::move(outputFolder)] { return folder; };
    m_batch->NotifyWindow = this;

    m_interruptPoll.setInterval(50);
    connect(&m_interruptPoll, &QTimer::timeout, this, &TCliSession::PollInterrupt);
}

TCliSession::~TCliSession() {
    // The batch refers to the runner; the runner stops its child as it goes.
    m_batch.reset();
    m_runner.reset();
}

void TCliSession::Begin() {
    platform::InstallInterruptHandler();
    m_interruptPoll.start();
    try {
        m_batch->Begin();
        if (FinishIfInterrupted())
            return;
        DrawProgressLine("");
    } catch (const std::exception& error) {
        std::cerr << ErrorDisplayText(error.what()) << '\n';
        Finish(kExitNoEncoder);
    }
}

void TCliSession::StartNext() {
    try {
        m_batch->StartCurrent();
        if (FinishIfInterrupted())
            return;
        DrawProgressLine("");
    } catch (const std::exception& error) {
        std::cerr << ErrorDisplayText(error.what()) << '\n';
        Finish(kExitNoEncoder);
    }
}

bool TCliSession::event(QEvent* event) {
    if (event->type() != static_cast<QEvent::Type>(WM_PROCESSINFO))
        return QObject::event(event);
    const std::unique_ptr<TProcessInfo> info = static_cast<TProcessInfoEvent*>(event)->Take();
    if (!info || m_done)
        return true;
    if (info->IsEndNotice())
        OnEnd(*info);
    else
        OnProgress(*info);
    return true;
}

std::string TCliSession::FileLabel() const {
    const std::size_t index = std::min(m_batch->CurrentIndex(), m_batch->Count() - 1);
    return "[" + std::to_string(index + 1) + "/" + std::to_string(m_batch->Count()) + "] " +
           ExtractFileName(m_runner->OutputFile);
}

void TCliSession::DrawProgressLine(const std::string& tail) {
    if (!m_terminal)
        return;
    std::string line = FileLabel() + tail;
    const std::size_t width = line.size();
    if (width < m_lineWidth)
        line.append(m_lineWidth - width, ' ');
    m_lineWidth = width;
    std::cout << '\r' << line << std::flush;
}

void TCliSession::OnProgress(const TProcessInfo& info) {
    if (m_machine) {
        std::cout << "progress " << info.Percent << ' ' << info.TimeElapsed << ' ' << info.TimeEstimated
                  << std::endl;
        return;
    }
    std::string percent = std::to_string(info.Percent) + "%";
    if (percent.size() < 4)
        percent.insert(0, 4 - percent.size(), ' ');
    DrawProgressLine(" " + percent + "  " + info.TimeElapsed + " / " + info.TimeEstimated);
}

void TCliSession::OnEnd(const TProcessInfo& info) {
    if (m_machine) {
        // How the encoder failed comes first, so that the end line stays "end STATUS MARK".
        if (info.ExitSignal != 0)
            std::cout << "signal " << info.ExitSignal << '\n';
        else if (info.ExitCode != 0)
            std::cout << "exit " << info.ExitCode << '\n';
        // The mark says whether the file converted: progress followed by a failure is no success.
        std::cout << "end " << info.Status << ' ' << (info.Converted() ? info.TimeElapsed : "-") << std::endl;
    } else if (m_terminal) {
        DrawProgressLine(info.Converted() ? "  done" : "  failed");
        std::cout << '\n';
        m_lineWidth = 0;
    }
    const auto action =
        m_batch->OnEndNotice(info, [](const std::string& message) { std::cerr << message << '\n'; });
    if (action == TConvertBatch::TEndAction::StartNext)
        StartNext();
    else if (action == TConvertBatch::TEndAction::Close)
        Finish(m_batch->FailedFiles.empty() ? kExitConverted : kExitSomeFailed);
}

void TCliSession::Finish(int exitCode) {
    if (m_done)
        return;
    m_done = true;
    m_interruptPoll.stop();
    m_batch->Stop();
    if (m_terminal && m_lineWidth > 0)
        std::cout << '\n';
    if (!m_batch->FailedFiles.empty() && exitCode != kExitInterrupted) {
        if (m_machine)
            std::cout << "failed " << m_batch->FailedFiles << std::endl;
        else
            std::cerr << m_batch->FailedFiles << "file conversion failed." << std::endl;
    }
    std::cout << std::flush;
    emit finished(exitCode);
}

void TCliSession::PollInterrupt() {
    FinishIfInterrupted();
}

// Also right after a start: an interrupt at the overwrite question ends the program there.
bool TCliSession::FinishIfInterrupted() {
    if (!platform::InterruptRequested())
        return false;
    Finish(kExitInterrupted);
    return true;
}

} // namespace clipvane::cli
