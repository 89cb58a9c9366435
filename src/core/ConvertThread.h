#pragma once
// Holds `TConvertProcess`, the encoder process runner (one encoder child at a time), not a thread:
// the file keeps the unit's historical name, ConvertThread, which callers and the build know it by.

#include "core/CommandLine.h"
#include "core/Global.h"
#include "core/OutputParser.h"
#include "core/ProcessInfoEvent.h"
#include "core/Question.h"
#include "core/WorkFile.h"
#include "core/platform/Process.h"

#include <QObject>
#include <QPointer>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace clipvane {

struct THandOffHub;
struct TWorkerLink;

// The question asked before an existing `output` is replaced, in the user's language.
std::string OverwriteQuestion(const std::string& output);

// How many encoders this process can run at once on a machine with `cores` processor cores, by its
// open-file and process limits (what one running encoder holds, and the threads the encoder runs).
std::size_t EncodersAllowed(unsigned cores);

class TConvertProcess final {
public:
    TConvertProcess();
    ~TConvertProcess(); // Destroy: stops a running conversion first
    TConvertProcess(const TConvertProcess&) = delete;
    TConvertProcess& operator=(const TConvertProcess&) = delete;

    // Job fields, written by the batch before every Start.
    QPointer<QObject> NotifyWindow;
    std::string InputFile;
    std::string OutputFile;
    bool Running = false;
    std::string FFmpegParams;
    std::string FFmpegPath;
    bool NotUseAnotherFFmpeg = true;

    // Asks before an existing output is overwritten; without one the answer is No.
    TQuestion* Question = nullptr;
    // Replace or Skip answer for the user, without asking.
    TExistingOutput ExistingOutput = TExistingOutput::Ask;
    // Called just before a converted file takes OutputFile's name.
    std::function<void()> BeforeOutputNamed;
    // The parser's clock; tests replace it.
    TClock Clock = &LocalNow;
    void* ClockContext = nullptr;

    // Converts InputFile into OutputFile; returns at once. Throws Exception on pipe/process failure.
    void Start();
    // Ends the running conversion at once; no end notice. Does nothing unless Running.
    void Stop(std::uint32_t ExitCode);
    // When the encoder has exited but its end has not been handed over yet: ends the file as that
    // would (its output kept when it converted) and gives the end notice in `end` instead of posting it.
    bool EndIfExited(TProcessInfo& end);
    // Holds the running encoder, and any it starts while held, without ending it; false lets it go
    // on. The encoder's own elapsed time leaves the held time out.
    void SetPaused(bool paused);
    bool Paused() const { return m_paused; }

    // The file the running encoder writes; it becomes OutputFile once the file has converted.
    const std::string& WorkFile() const { return m_workFile; }
    // The command line of the last Start, as composed for display and for Windows.
    const std::string& CommandLine() const { return m_commandLine; }
    // The argv the child got on POSIX (the argument string split like the Windows C runtime does).
    const std::vector<std::string>& Arguments() const { return m_arguments; }

    // Runner state, visible for tests and the worker's hand-off.
    platform::Handle StdInRead = platform::kNoHandle;
    platform::Handle StdInWrite = platform::kNoHandle;
    platform::Handle StdOutRead = platform::kNoHandle;
    platform::Handle StdOutWrite = platform::kNoHandle;
    platform::Handle StdErrRead = platform::kNoHandle;
    platform::Handle StdErrWrite = platform::kNoHandle;
    std::uint32_t BytesAvailable = 0;
    platform::ChildProcess ProcessInformation;
    TParseState Parse; // TotalSeconds, StartTime, HasProgress

    // For the batch's clock: whether an encoder runs, how many this runner has started and how many
    // reads of their output it has made (both only ever grow).
    bool EncoderRunning() const { return ProcessInformation.process != platform::kNoHandle; }
    std::uint64_t EncoderStarts() const { return m_starts; }
    std::uint64_t OutputReads() const { return m_reads; }

    // A worker watches the current child and has not been told to terminate ("Worker" is set).
    bool HasWorker() const { return m_worker != nullptr; }
    // A worker waits for the GUI thread to run one of the calls below.
    bool HandOffPending() const;

    // Run on the GUI thread by the worker's hand-off.
    void ReadStdOut();
    void ReadStdErr();
    void ProcessEnded();
    // `osError`: the OS error code that refused the output, 0 when none did.
    void PostEnd(TEndStatus Status, int osError = 0);
    void ParseOutput(const char* Buffer, std::int32_t Count, TPipeTail* tail = nullptr);
    void CreatePipes();
    void ClosePipes();
    [[noreturn]] static void RaiseError(const std::string& Text);

private:
    friend class TGuiSide;
    void ServeHandOffs();
    void AskWorkerToTerminate();
    void Teardown(std::uint32_t exitCode);
    bool ReapOrHandOver(platform::ExitStatus* status, const std::string& discard);
    // Start's pipes, encoder and worker; on failure nothing of them is left.
    void Launch();
    void StartWorker();
    TEndStatus EndExited();
    void DrainPipes();
    TProcessInfo EndInfo(TEndStatus Status, int osError) const;
    void ReadPipe(platform::Handle pipe, const char* errorText, TPipeTail& tail);
    void Post(const TProcessInfo& info);
    void FlushTails();

    static constexpr platform::ExitStatus kNothingRan{true, 0, 0};
    // How long Stop and the end wait for the child to be reaped before a thread takes it over.
    static constexpr int kReapMs = 2000;

    platform::ExitStatus m_exit = kNothingRan; // how the last encoder ended
    bool m_overwrite = false;                  // the user agreed to replace the existing output
    bool m_ran = false;                        // an encoder was started for the current file
    bool m_noOutput = false;                   // it ended well without writing its work file
    bool m_paused = false;
    double m_pausedAt = 0;     // by Clock, when the pause began
    bool m_skipped = false;    // the existing output was kept by the standing answer
    std::string m_runWorkFile; // the work file of the current file, kept past its end
    std::uint64_t m_starts = 0;
    std::uint64_t m_reads = 0;
    TPipeTail m_outTail;
    TPipeTail m_errTail;
    std::string m_workFile;   // what the running encoder writes, empty when none
    TWorkFileLock m_workLock; // held from when the encoder has created m_workFile
    std::string m_commandLine;
    std::vector<std::string> m_arguments;
    std::shared_ptr<THandOffHub> m_hub;
    std::shared_ptr<TWorkerLink> m_worker;  // set while "Worker" is
    std::shared_ptr<TWorkerLink> m_current; // the worker of the recorded child; older ones are refused
    std::unique_ptr<QObject> m_guiSide;     // receives the hand-off requests on the GUI thread
};

} // namespace clipvane
