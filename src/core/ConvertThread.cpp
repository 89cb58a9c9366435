#include "core/ConvertThread.h"

#include "core/ConvertWorker.h"
#include "core/Path.h"
#include "core/WorkFile.h"
#include "core/platform/Files.h"
#include "core/platform/Pause.h"

#include <QCoreApplication>
#include <QEvent>

#include <algorithm>
#include <system_error>
#include <thread>
#include <utility>

namespace clipvane {

namespace {

void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
    if (from.empty())
        return;
    for (std::size_t p = text.find(from); p != std::string::npos; p = text.find(from, p + to.size()))
        text.replace(p, from.size(), to);
}

// The user knows the output's name, not the hidden work file the encoder was given: the encoder's
// lines name the output in its place, as a full path and as a bare name.
std::string ShowOutputName(std::string line, const std::string& workFile, const std::string& output) {
    ReplaceAll(line, workFile, output);
    ReplaceAll(line, ExtractFileName(workFile), ExtractFileName(output));
    return line;
}

} // namespace

// Lives on the GUI thread and runs the hand-offs the workers ask for.
class TGuiSide final : public QObject {
public:
    TGuiSide(TConvertProcess* runner, std::shared_ptr<THandOffHub> hub)
        : m_runner(runner)
        , m_hub(std::move(hub)) {}

    bool event(QEvent* event) override {
        // The worker made this event while holding the hub's lock: taking it here orders that
        // before our look at the event (and before Qt frees it) in a way race detectors can see.
        { std::lock_guard lock(m_hub->Mutex); }
        if (event->type() != TConvertThread::HandOffEventType())
            return QObject::event(event);
        m_runner->ServeHandOffs();
        return true;
    }

private:
    TConvertProcess* m_runner;
    std::shared_ptr<THandOffHub> m_hub;
};

TConvertProcess::TConvertProcess()
    : m_hub(std::make_shared<THandOffHub>())
    , m_guiSide(std::make_unique<TGuiSide>(this, m_hub)) {
    m_hub->Target = m_guiSide.get();
    if (auto* app = QCoreApplication::instance()) {
        // Once the event loop is ending nobody serves a hand-off: waiting workers give up.
        QObject::connect(app, &QCoreApplication::aboutToQuit, m_guiSide.get(), [hub = m_hub] {
            std::lock_guard lock(hub->Mutex);
            hub->Stopping = true;
            hub->Changed.notify_all();
        });
    }
}

TConvertProcess::~TConvertProcess() {
    if (Running) {
        AskWorkerToTerminate();
        Stop(0);
    }
    // Whatever is still there (a child started without Running, pipes of a failed Start) goes too,
    // so no encoder outlives the program.
    Teardown(0);
    {
        std::lock_guard lock(m_hub->Mutex);
        m_hub->OwnerGone = true;
        m_hub->Target = nullptr;
        m_hub->Requests.clear();
        m_hub->Changed.notify_all();
    }
    m_guiSide.reset(); // drops its queued hand-off requests with it
}

void TConvertProcess::Start() {
    // Leftovers of a file that was never stopped would otherwise leak with the fields overwritten.
    Teardown(0);
    {
        // A Start means the GUI thread serves hand-offs again, even after an event loop ended.
        std::lock_guard lock(m_hub->Mutex);
        m_hub->Stopping = false;
    }
    Parse.HasProgress = false;
    Parse.OutputUnfinished = false;
    Parse.Kept.Clear();
    m_outTail.Text.clear();
    m_errTail.Text.clear();
    m_ran = false;
    m_noOutput = false;
    m_skipped = false;
    m_runWorkFile.clear();
    m_exit = kNothingRan;

    // Refused before anything runs: the encoder would convert it all for a name that cannot exist.
    if (const int error = platform::NameError(OutputFile); error != 0) {
        PostEnd(TEndStatus::OutputBadName, error);
        return;
    }

    bool overwrite = false;
    // Whatever is there counts, a link dangling or not: the encoder would otherwise ask about a
    // folder itself, or create a file wherever a planted link points.
    if (const auto existing = platform::GetPathType(OutputFile); existing != platform::PathType::None) {
        if (ExistingOutput == TExistingOutput::Skip) {
            m_skipped = true;
            PostEnd(TEndStatus::Finished);
            return;
        }
        const bool yes = ExistingOutput == TExistingOutput::Replace ||
                         (Question && Question->AskYesNo(OverwriteQuestion(OutputFile)));
        if (!yes) {
            PostEnd(TEndStatus::Finished);
            return;
        }
        if (existing == platform::PathType::Folder) {
            PostEnd(TEndStatus::OutputIsFolder);
            return;
        }
        // A link is replaced itself, never written through: what it points to does not matter.
        if (existing != platform::PathType::Link && platform::IsReadOnlyFile(OutputFile)) {
            PostEnd(TEndStatus::OutputReadOnly);
            return;
        }
        if (existing != platform::PathType::Link && IsFileInUse(OutputFile)) {
            PostEnd(TEndStatus::OutputInUse);
            return;
        }
        overwrite = true;
    }

    // What a killed program left of this output goes before a new work file joins it.
    RemoveStaleWorkFiles(OutputFile);
    m_overwrite = overwrite;
    const std::uint64_t ended = TConvertThread::EndedSoFar();
    try {
        Launch();
    } catch (const EOSError& error) {
        // The worker of an encoder that has just ended closes its handles a moment after the end
        // notice: under a tight open-file or process limit, this start waits for that once.
        if (!platform::IsResourceShortage(error.Code) || !TConvertThread::AwaitEnded(ended, kReapMs))
            throw;
        Launch();
    }
}

void TConvertProcess::Launch() {
    try {
        CreatePipes();
    } catch (...) {
        // Out of descriptors: the ends made so far must not stay with a runner that may never start again.
        ClosePipes();
        throw;
    }
    m_workFile = WorkFileFor(OutputFile);
    m_runWorkFile = m_workFile;
    m_commandLine =
        ComposeCommandLine(NotUseAnotherFFmpeg, FFmpegPath, m_overwrite, InputFile, FFmpegParams, m_workFile);
    m_arguments =
        ComposeArguments(NotUseAnotherFFmpeg, FFmpegPath, m_overwrite, InputFile, FFmpegParams, m_workFile);
    Parse.TotalSeconds = 0;

    try {
        if (!platform::SpawnHidden(m_arguments, m_commandLine, StdInRead, StdOutWrite, StdErrWrite,
                                   ProcessInformation))
            RaiseError(Tr("TConvertProcess", "Error while creating convert process!"));
        m_ran = true;
        ++m_starts;
        // Started while the batch is held (a file that ended just before the pause): held at once.
        if (m_paused)
            platform::SuspendChild(ProcessInformation);
        // The child has its own copies. Nothing is ever written to its input, so it reads end of
        // file at once: an encoder that asks a question of its own gets No instead of waiting.
        platform::CloseHandle(StdInWrite);
        platform::CloseHandle(StdInRead);
        platform::CloseHandle(StdOutWrite);
        platform::CloseHandle(StdErrWrite);
        StartWorker();
    } catch (...) {
        ClosePipes();
        if (ProcessInformation.process != platform::kNoHandle) {
            // A child nobody would watch is not left running.
            platform::TerminateChild(ProcessInformation, 0);
            ReapOrHandOver(nullptr, std::exchange(m_workFile, {}));
        }
        ProcessInformation = {};
        m_workLock.Release();
        m_workFile.clear();
        throw;
    }
}

void TConvertProcess::StartWorker() {
    TWatchHandles handles;
    if (!platform::CopyHandle(StdOutRead, handles.StdOutRead) ||
        !platform::CopyHandle(StdErrRead, handles.StdErrRead) ||
        !platform::DuplicateChild(ProcessInformation, handles.Child)) {
        const int code = platform::LastError();
        handles.Close();
        platform::SetLastError(code);
        RaiseError(Tr("TConvertProcess", "Error while creating convert process!"));
    }
    auto link = std::make_shared<TWorkerLink>();
    try {
        TConvertThread::Launch(m_hub, link, handles);
    } catch (const std::system_error& error) {
        platform::SetLastError(error.code().value());
        RaiseError(Tr("TConvertProcess", "Error while creating convert process!"));
    }
    m_current = link;
    m_worker = std::move(link);
}

void TConvertProcess::Stop(std::uint32_t ExitCode) {
    if (!Running)
        return;
    Running = false;
    Teardown(ExitCode);
    m_paused = false; // the runner's next batch starts unheld
}

void TConvertProcess::SetPaused(bool paused) {
    if (paused == m_paused)
        return;
    m_paused = paused;
    const double now = Clock(ClockContext);
    if (paused)
        m_pausedAt = now;
    else if (Parse.TotalSeconds > 0)
        Parse.StartTime += now - std::max(m_pausedAt, Parse.StartTime);
    if (EncoderRunning())
        paused ? platform::SuspendChild(ProcessInformation) : platform::ResumeChild(ProcessInformation);
}

void TConvertProcess::Teardown(std::uint32_t exitCode) {
    AskWorkerToTerminate();
    ClosePipes();
    m_workLock.Release();
    if (ProcessInformation.process != platform::kNoHandle) {
        platform::TerminateChild(ProcessInformation, exitCode);
        // A held encoder is let go, so that nothing of its group waits stopped for a kill it cannot see.
        if (m_paused)
            platform::ResumeChild(ProcessInformation);
        // Whatever the encoder wrote goes with it: no half file is ever left.
        ReapOrHandOver(nullptr, std::exchange(m_workFile, {}));
    }
}

// A killed child is gone within a moment: it is reaped here, before Stop returns, so that none is
// left for an init that may never reap it. One stuck in the kernel gets a thread of its own.
// The work file to discard goes once the child can no longer write it.
bool TConvertProcess::ReapOrHandOver(platform::ExitStatus* status, const std::string& discard) {
    if (platform::ReapChild(ProcessInformation, kReapMs, status)) {
        if (!discard.empty())
            platform::RemoveFile(discard);
        return true;
    }
    platform::ChildProcess stuck = std::exchange(ProcessInformation, {});
    try {
        std::thread([stuck, discard]() mutable {
            platform::ReleaseChild(stuck);
            if (!discard.empty())
                platform::RemoveFile(discard);
        }).detach();
    } catch (const std::system_error&) {
        platform::CloseChild(stuck); // no thread to spare: the OS takes it over when we end
    }
    return false;
}

void TConvertProcess::AskWorkerToTerminate() {
    if (!m_worker)
        return;
    TConvertThread::Terminate(*m_hub, *m_worker);
    m_worker.reset();
}

bool TConvertProcess::HandOffPending() const {
    std::lock_guard lock(m_hub->Mutex);
    return !m_hub->Requests.empty();
}

void TConvertProcess::ServeHandOffs() {
    std::unique_lock lock(m_hub->Mutex);
    while (!m_hub->Requests.empty()) {
        const std::shared_ptr<TWorkerLink> link = m_hub->Requests.front();
        m_hub->Requests.pop_front();
        const TCall call = link->Call;
        const std::uint32_t bytes = link->Bytes;
        lock.unlock();

        bool ok = false;
        // A worker of an earlier child must not read or tear down the current one.
        if (link == m_current) {
            // An encoder's last lines and its exit come together: the file then ends here rather
            // than after the worker has noticed the exit too and handed that over as well, which a
            // batch of small files would wait for at every file.
            const bool exited = call != TCall::ProcessEnded && EncoderRunning() &&
                                platform::WaitForChild(ProcessInformation, 0) == platform::WaitResult::Exited;
            // The encoder creates its output some time after it starts: the first hand-off after
            // that takes the lock, which tells another run's cleanup that the file is alive. A file
            // whose encoder has ended is renamed next, and nobody's cleanup removes it unmarked.
            if (!exited && !m_workLock.Held() && !m_workFile.empty())
                m_workLock.TryTake(m_workFile);
            BytesAvailable = bytes;
            try {
                switch (call) {
                case TCall::ReadStdOut:
                    ReadStdOut();
                    break;
                case TCall::ReadStdErr:
                    ReadStdErr();
                    break;
                case TCall::ProcessEnded:
                    ProcessEnded();
                    break;
                case TCall::None:
                    break;
                }
                ok = true;
                if (exited && EncoderRunning()) {
                    DrainPipes();
                    m_current.reset(); // the worker's own hand-over of this end is refused
                    ProcessEnded();
                }
            } catch (...) {
                // A failed read ends the worker quietly: nothing is shown, no end notice follows.
            }
        }

        lock.lock();
        link->Done = true;
        link->Failed = !ok;
        m_hub->Changed.notify_all();
    }
}

void TConvertProcess::ReadStdOut() {
    ReadPipe(StdOutRead, QT_TRANSLATE_NOOP("TConvertProcess", "Error reading STDOUT pipe : "), m_outTail);
}

void TConvertProcess::ReadStdErr() {
    ReadPipe(StdErrRead, QT_TRANSLATE_NOOP("TConvertProcess", "Error reading STDERR pipe : "), m_errTail);
}

void TConvertProcess::ReadPipe(platform::Handle pipe, const char* errorText, TPipeTail& tail) {
    std::string buffer(BytesAvailable, '\0');
    const std::int64_t count = platform::ReadPipe(pipe, buffer.data(), BytesAvailable);
    if (count < 0) {
        const int code = platform::LastError();
        AskWorkerToTerminate();
        platform::SetLastError(code);
        RaiseError(Tr("TConvertProcess", errorText));
    }
    if (count > 0)
        ++m_reads;
    ParseOutput(buffer.data(), static_cast<std::int32_t>(count), &tail);
}

void TConvertProcess::ParseOutput(const char* Buffer, std::int32_t Count, TPipeTail* tail) {
    clipvane::ParseOutput(
        std::string_view(Buffer, static_cast<std::size_t>(Count)), Parse, Clock, ClockContext,
        [this](const TProcessInfo& info) { Post(info); }, tail);
}

void TConvertProcess::ProcessEnded() {
    PostEnd(EndExited());
}

bool TConvertProcess::EndIfExited(TProcessInfo& end) {
    if (!Running || !m_worker || ProcessInformation.process == platform::kNoHandle ||
        platform::WaitForChild(ProcessInformation, 0) != platform::WaitResult::Exited)
        return false;
    DrainPipes();
    // The worker may have asked to hand over this same end meanwhile: it must not end the file twice.
    m_current.reset();
    const TEndStatus status = EndExited();
    FlushTails();
    end = EndInfo(status, 0);
    Running = false;
    return true;
}

// What the encoder wrote last is read here, as the worker would have before handing over the end;
// bounded, in case something it left behind still writes.
void TConvertProcess::DrainPipes() {
    for (int reads = 0; reads < 64; ++reads) {
        std::uint32_t outBytes = 0, errBytes = 0;
        const bool out = platform::PeekPipe(StdOutRead, outBytes) && outBytes > 0;
        const bool err = platform::PeekPipe(StdErrRead, errBytes) && errBytes > 0;
        if (!out && !err)
            break;
        try {
            BytesAvailable = out ? outBytes : errBytes;
            out ? ReadStdOut() : ReadStdErr();
        } catch (...) {
            break;
        }
    }
}

TEndStatus TConvertProcess::EndExited() {
    AskWorkerToTerminate();
    ClosePipes();
    // The pipes are drained: a last line without an ending still counts (it may be the only "time=").
    FlushTails();
    // What the encoder left running in its group (a wrapper's children) must not write on into a
    // file that is about to become the output.
    platform::TerminateChild(ProcessInformation, 0);
    // The child has exited: reaping it does not block.
    platform::ExitStatus exit; // unknown unless reaped: the file then fails
    const std::string work = std::exchange(m_workFile, {});
    m_workLock.Release(); // the file is renamed or removed now, or handed to a reaper
    TEndStatus status = TEndStatus::Finished;
    if (!platform::ReapChild(ProcessInformation, kReapMs, &exit)) {
        ReapOrHandOver(nullptr, work); // it said it ended, yet it is still there
    } else if (work.empty()) {
        // Stopped just as it ended: Stop has already reaped it and removed its file.
    } else if (exit.Succeeded() && platform::GetPathType(work) == platform::PathType::None) {
        // It ended well yet wrote nothing (a null output, a wrapper that lies): nothing converted.
        m_noOutput = true;
    } else if (!Parse.HasProgress || !exit.Succeeded() || Parse.OutputUnfinished) {
        // A cut file never takes the output's name, nor replaces what the user had there.
        platform::RemoveFile(work);
    } else {
        if (BeforeOutputNamed)
            BeforeOutputNamed();
        // Only a converted file takes the output's name; without a confirmed overwrite, a file
        // that appeared there meanwhile is kept and this one fails.
        if (!platform::MoveFileTo(work, OutputFile, m_overwrite)) {
            status = TEndStatus::OutputNotReplaced;
            platform::RemoveFile(work);
        }
    }
    m_exit = exit;
    return status;
}

void TConvertProcess::PostEnd(TEndStatus Status, int osError) {
    if (m_ran)
        FlushTails();
    Post(EndInfo(Status, osError));
}

TProcessInfo TConvertProcess::EndInfo(TEndStatus Status, int osError) const {
    TProcessInfo info = TProcessInfo::EndNotice(Status, Parse.HasProgress);
    info.OSError = osError;
    // An encoder that wrote progress and then failed (full disk, crash) did not convert the file.
    info.ExitCode = m_exit.known ? m_exit.code : -1;
    info.ExitSignal = m_exit.signal;
    info.Ran = m_ran;
    info.NoOutput = m_noOutput;
    info.OutputUnfinished = m_ran && Parse.OutputUnfinished;
    info.Skipped = m_skipped;
    if (m_ran) {
        info.Lines = Parse.Kept.Lines();
        for (std::string& line : info.Lines)
            line = ShowOutputName(line, m_runWorkFile, OutputFile);
    }
    return info;
}

void TConvertProcess::FlushTails() {
    const auto post = [this](const TProcessInfo& info) { Post(info); };
    FlushTail(m_outTail, Parse, Clock, ClockContext, post);
    FlushTail(m_errTail, Parse, Clock, ClockContext, post);
}

void TConvertProcess::Post(const TProcessInfo& info) {
    if (NotifyWindow)
        QCoreApplication::postEvent(NotifyWindow,
                                    new TProcessInfoEvent(std::make_unique<TProcessInfo>(info)));
}

void TConvertProcess::CreatePipes() {
    if (!platform::CreatePipe(StdInRead, StdInWrite))
        RaiseError(Tr("TConvertProcess", "Error on STDIN pipe creation : "));
    if (!platform::PrepareChildEnd(StdInRead))
        RaiseError(Tr("TConvertProcess", "Error on STDIN pipe duplication : "));
    if (!platform::CreatePipe(StdOutRead, StdOutWrite))
        RaiseError(Tr("TConvertProcess", "Error on STDOUT pipe creation : "));
    if (!platform::PrepareChildEnd(StdOutWrite))
        RaiseError(Tr("TConvertProcess", "Error on STDOUT pipe duplication : "));
    if (!platform::CreatePipe(StdErrRead, StdErrWrite))
        RaiseError(Tr("TConvertProcess", "Error on STDERR pipe creation : "));
    if (!platform::PrepareChildEnd(StdErrWrite))
        RaiseError(Tr("TConvertProcess", "Error on STDERR pipe duplication : "));
}

void TConvertProcess::ClosePipes() {
    platform::CloseHandle(StdInRead);
    platform::CloseHandle(StdInWrite);
    platform::CloseHandle(StdOutRead);
    platform::CloseHandle(StdOutWrite);
    platform::CloseHandle(StdErrRead);
    platform::CloseHandle(StdErrWrite);
}

std::size_t EncodersAllowed(unsigned cores) {
    // Held while an encoder runs: the read ends of its output pipes and its process handle, and the
    // worker's copies of all three.
    constexpr std::size_t kHandles = 6;
    // Left for the program itself and for the pipes of the one encoder being started.
    constexpr std::size_t kSpare = 32;
    // The encoder, about a thread per core of its own, and the worker that watches it.
    const std::size_t tasks = std::size_t{2} + std::max(1u, cores);
    return platform::ChildrenAllowed(kHandles, tasks, kSpare);
}

std::string OverwriteQuestion(const std::string& output) {
    return Substitute(Tr("TConvertProcess", "%1 has existed,overite it?"), {output});
}

void TConvertProcess::RaiseError(const std::string& Text) {
    const int code = platform::LastError();
    throw EOSError(Text + std::to_string(code), code);
}

} // namespace clipvane
