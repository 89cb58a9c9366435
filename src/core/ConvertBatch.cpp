#include "core/ConvertBatch.h"

#include "core/platform/FileTimes.h"
#include "core/platform/Files.h"
#include "core/platform/Handle.h"
#include "core/platform/Process.h"

#include <QCoreApplication>

#include <memory>

namespace clipvane {

std::string ChangeFileExt(const std::string& path, const std::string& ext) {
    const std::size_t nameStart = FileNameStart(path);
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos || dot < nameStart)
        return path + ext;
    return path.substr(0, dot) + ext;
}

std::string OutputPathFor(const std::string& input, bool sameInput, const std::string& outputFolder,
                          const std::string& outputExt) {
    if (sameInput)
        return ChangeFileExt(input, outputExt);
    return WithSeparator(outputFolder) + ChangeFileExt(ExtractFileName(input), outputExt);
}

TConvertBatch::TConvertBatch(TConvertProcess& runner, std::vector<std::string> fileList)
    : TConvertBatch(std::vector<TConvertProcess*>{&runner}, std::move(fileList)) {}

TConvertBatch::TConvertBatch(std::vector<TConvertProcess*> runners, std::vector<std::string> fileList)
    : m_runners(std::move(runners))
    , m_slotNotify(m_runners.size())
    , m_fileList(std::move(fileList))
    , m_slotOutput(m_runners.size())
    , m_failed(m_fileList.size(), false)
    , m_converted(m_fileList.size(), false)
    , m_skipped(m_fileList.size(), false)
    , m_reasons(m_fileList.size())
    , m_notes(m_fileList.size()) {
    // Files are handed out in order, one to each slot to begin with.
    for (std::size_t slot = 0; slot < m_runners.size(); ++slot)
        m_slotIndex.push_back(m_nextIndex < m_fileList.size() ? m_nextIndex++ : m_fileList.size());
}

void TConvertBatch::SetSlotNotifyWindow(std::size_t slot, QObject* window) {
    m_slotNotify[slot] = window;
}

void TConvertBatch::Begin() {
    for (std::size_t slot = 0; slot < m_runners.size() && !m_stopped; ++slot)
        StartCurrent(slot);
    FailedFiles.clear();
}

bool TConvertBatch::StartCurrent(std::size_t slot) {
    std::set<std::size_t> tried;
    for (;;) {
        const std::size_t index = m_slotIndex[slot];
        if (m_stopped || index >= m_fileList.size())
            return false;
        TConvertProcess& runner = *m_runners[slot];
        runner.InputFile = m_fileList[index];
        runner.OutputFile = OutputPathFor(runner.InputFile, SameInput(), OutputFolder(), Job.OutputExt);
        // Its output does not exist until the other encoder is done: asked now, the user would be
        // asked about a file that is not there.
        if (OtherSlotWrites(slot, runner.OutputFile)) {
            tried.insert(index);
            m_putAside.insert(index);
            m_slotIndex[slot] = NextFile(tried);
            continue;
        }
        runner.Running = true;
        runner.NotifyWindow = slot == 0 ? NotifyWindow : m_slotNotify[slot];
        runner.FFmpegParams = Job.FFmpegParams;
        runner.FFmpegPath = Job.FFmpegPath;
        runner.NotUseAnotherFFmpeg = Job.NotUseAnotherFFmpeg;
        runner.ExistingOutput = Job.ExistingOutput;
        runner.BeforeOutputNamed = OutputNaming;
        // The encoder truncates its output before it reads its input: it would destroy the file. And
        // no "Yes" may make one file of the batch destroy another.
        if (const TEndStatus refusal = FileOfThisBatch(slot, runner.OutputFile);
            refusal != TEndStatus::Finished) {
            Refuse(slot, refusal);
            return true;
        }
        m_slotOutput[slot] = runner.OutputFile;
        if (FileStarting)
            FileStarting(index, runner.OutputFile);
        try {
            runner.Start();
        } catch (const EOSError& error) {
            if (!platform::IsResourceShortage(error.Code)) {
                EndOnStartFailure(slot, platform::ErrorText(error.Code));
                throw;
            }
            runner.Running = false;
            m_slotOutput[slot].clear();
            if (!OtherSlotBusy(slot)) {
                PostEnd(slot, TEndStatus::NotStarted, error.Code);
                return true;
            }
            // What another file's encoder holds is freed when it ends: the next slot to free tries
            // this file again, and this slot rests, as the machine cannot run that many.
            m_putAside.insert(index);
            m_slotIndex[slot] = m_fileList.size();
            return false;
        } catch (const std::exception& error) {
            EndOnStartFailure(slot, error.what());
            throw;
        }
        // Stopped while Start asked about an existing output: Start went on regardless, and nobody
        // would ever stop that encoder.
        if (m_stopped) {
            runner.Running = true;
            runner.Stop(0);
        }
        return true;
    }
}

std::size_t TConvertBatch::NextFile(const std::set<std::size_t>& tried) {
    for (auto it = m_putAside.begin(); it != m_putAside.end(); ++it) {
        if (tried.count(*it) == 0) {
            const std::size_t index = *it;
            m_putAside.erase(it);
            return index;
        }
    }
    return m_nextIndex < m_fileList.size() ? m_nextIndex++ : m_fileList.size();
}

bool TConvertBatch::OtherSlotWrites(std::size_t slot, const std::string& output) const {
    for (std::size_t other = 0; other < m_slotOutput.size(); ++other)
        if (other != slot && m_slotOutput[other] == output)
            return true;
    return false;
}

bool TConvertBatch::OtherSlotBusy(std::size_t slot) const {
    for (std::size_t other = 0; other < m_slotIndex.size(); ++other)
        if (other != slot && m_slotIndex[other] < m_fileList.size())
            return true;
    return false;
}

TEndStatus TConvertBatch::FileOfThisBatch(std::size_t slot, const std::string& output) const {
    // One look at the output for every question below: a batch of small files asks them per file.
    const TFileKey key = TFileKey::Of(output);
    if (key.exists && TFileKey::Of(m_fileList[m_slotIndex[slot]]) == key)
        return TEndStatus::OutputIsInput;
    if (!m_inputFilesKnown) {
        for (const std::string& input : m_fileList)
            m_inputFiles.Add(input);
        for (const std::string& written : Job.WrittenBefore)
            m_writtenBefore.Add(written);
        m_inputFilesKnown = true;
    }
    if (m_inputFiles.Contains(output, key))
        return TEndStatus::OutputIsBatchFile;
    if (m_writtenFiles.Contains(output, key) || m_writtenBefore.Contains(output, key))
        return TEndStatus::OutputWrittenByBatch;
    return TEndStatus::Finished;
}

void TConvertBatch::Refuse(std::size_t slot, TEndStatus status) {
    TConvertProcess& runner = *m_runners[slot];
    // Decided like any existing output, so No still means a quiet skip, and Replace is still refused.
    if (Job.ExistingOutput == TExistingOutput::Skip) {
        PostEnd(slot, TEndStatus::Finished, 0, true);
        return;
    }
    // Another file of this batch wrote it just now: no answer could let this one replace it, so the
    // user is not asked, and the file fails with that reason.
    if (status == TEndStatus::OutputWrittenByBatch) {
        PostEnd(slot, status, 0);
        return;
    }
    const bool yes = Job.ExistingOutput == TExistingOutput::Replace ||
                     (runner.Question && runner.Question->AskYesNo(OverwriteQuestion(runner.OutputFile)));
    PostEnd(slot, yes ? status : TEndStatus::Finished, 0);
}

void TConvertBatch::PostEnd(std::size_t slot, TEndStatus status, int osError, bool skipped) {
    const TConvertProcess& runner = *m_runners[slot];
    auto info = std::make_unique<TProcessInfo>(TProcessInfo::EndNotice(status));
    info->OSError = osError;
    info->Skipped = skipped;
    if (runner.NotifyWindow)
        QCoreApplication::postEvent(runner.NotifyWindow, new TProcessInfoEvent(std::move(info)));
}

void TConvertBatch::EndOnStartFailure(std::size_t slot, const std::string& why) {
    const std::size_t index = m_slotIndex[slot];
    const std::string encoder =
        Job.NotUseAnotherFFmpeg ? std::string(platform::EncoderFileName()) : Job.FFmpegPath;
    // An encoder that has finished its file is done with it, whatever happens to the files after it.
    for (std::size_t other = 0; other < m_runners.size(); ++other) {
        TProcessInfo end;
        if (other != slot && m_slotIndex[other] < m_fileList.size() && m_runners[other]->EndIfExited(end))
            Record(other, ClassifyEnd(end, m_runners[other]->OutputFile, Job.AnotherEncoderHint));
    }
    Stop();
    FailTheRest([&](std::size_t i) {
        return i == index
                   ? Substitute(Tr("TConvertBatch", "The encoder %1 could not be started: %2."),
                                {encoder, why})
                   : Substitute(Tr("TConvertBatch", "Not converted: the encoder could not be started (%1)."),
                                {why});
    });
}

void TConvertBatch::EndOnError(const std::string& why) {
    std::vector<bool> underWay(m_fileList.size(), false);
    for (const std::size_t index : m_slotIndex)
        if (index < m_fileList.size())
            underWay[index] = true;
    Stop();
    FailTheRest([&](std::size_t i) {
        return underWay[i]
                   ? why
                   : Substitute(Tr("TConvertBatch", "Not converted: the batch ended on an error (%1)."),
                                {why});
    });
}

void TConvertBatch::FailTheRest(const std::function<std::string(std::size_t)>& reasonOf) {
    for (std::size_t i = 0; i < m_fileList.size(); ++i) {
        if (m_failed[i] || m_converted[i] || m_skipped[i])
            continue;
        m_failed[i] = true;
        m_reasons[i] = {reasonOf(i)};
    }
    CollectFailures();
}

void TConvertBatch::CollectFailures() {
    FailedFiles.clear();
    for (std::size_t i = 0; i < m_fileList.size(); ++i)
        if (m_failed[i])
            FailedFiles += ExtractFileName(m_fileList[i]) + ", ";
}

std::vector<TFailure> TConvertBatch::Failures() const {
    std::vector<TFailure> failures;
    for (std::size_t i = 0; i < m_fileList.size(); ++i)
        if (m_failed[i])
            failures.push_back({ExtractFileName(m_fileList[i]), m_reasons[i]});
    return failures;
}

TConvertBatch::TEndAction
TConvertBatch::OnEndNotice(const TProcessInfo& info,
                           const std::function<void(const std::string&)>& showFailure, std::size_t slot) {
    const std::size_t index = m_slotIndex[slot];
    if (m_stopped || index >= m_fileList.size())
        return TEndAction::Ignore;
    const TFileEnd end = ClassifyEnd(info, m_runners[slot]->OutputFile, Job.AnotherEncoderHint);
    Record(slot, end);
    CollectFailures();
    if (showFailure && !end.Message.empty())
        showFailure(end.Message);
    // The user may have stopped the batch while the message was up.
    if (m_stopped)
        return TEndAction::Ignore;
    ++m_ended;
    m_slotIndex[slot] = NextFile();
    if (m_ended == m_fileList.size())
        return TEndAction::Close;
    return m_slotIndex[slot] < m_fileList.size() ? TEndAction::StartNext : TEndAction::Idle;
}

void TConvertBatch::FollowEnd(const TProcessInfo& info,
                              const std::function<void(const std::string&)>& showFailure,
                              const TEndSteps& steps, std::size_t slot) {
    const std::size_t index = m_slotIndex[slot];
    const TEndAction action = OnEndNotice(info, showFailure, slot);
    if (action == TEndAction::Ignore)
        return;
    if (steps.Ended)
        steps.Ended(index, OutcomeOf(info));
    const std::function<void()>& step = action == TEndAction::StartNext ? steps.StartNext
                                        : action == TEndAction::Idle    ? steps.Idle
                                                                        : steps.Close;
    if (step)
        step();
}

void TConvertBatch::Record(std::size_t slot, const TFileEnd& end) {
    const std::size_t index = m_slotIndex[slot];
    const TConvertProcess& runner = *m_runners[slot];
    if (end.Outcome == TFileOutcome::Skipped) {
        m_skipped[index] = true;
        ++m_skippedCount;
    } else if (end.Outcome == TFileOutcome::Failed) {
        m_failed[index] = true;
        m_reasons[index] = end.Reason;
    } else {
        m_converted[index] = true;
        m_written.push_back(runner.OutputFile);
        m_writtenFiles.Add(runner.OutputFile);
        if (Job.KeepDates)
            KeepDate(index, runner.OutputFile);
    }
    m_slotOutput[slot].clear();
    if (FileEnded)
        FileEnded(index);
}

// A date the file system refuses costs the file nothing: it converted, and the note says why it
// carries the time it was written instead.
void TConvertBatch::KeepDate(std::size_t index, const std::string& output) {
    if (platform::CopyModifiedTime(m_fileList[index], output))
        return;
    m_notes[index] = Substitute(Tr("TConvertBatch", "The source's date could not be kept on %1: %2."),
                                {output, platform::ErrorText(platform::LastError())});
}

std::vector<TFailure> TConvertBatch::Notes() const {
    std::vector<TFailure> notes;
    for (std::size_t i = 0; i < m_fileList.size(); ++i)
        if (m_converted[i] && !m_notes[i].empty())
            notes.push_back({ExtractFileName(m_fileList[i]), {m_notes[i]}});
    return notes;
}

void TConvertBatch::Stop() {
    m_stopped = true;
    // Several encoders are all killed before any is waited for, so that they die side by side and
    // Stop takes as long as the slowest, not as long as all of them together.
    if (m_runners.size() > 1)
        for (TConvertProcess* runner : m_runners)
            if (runner->Running && runner->ProcessInformation.process != platform::kNoHandle)
                platform::TerminateChild(runner->ProcessInformation, 0);
    for (TConvertProcess* runner : m_runners)
        if (runner->Running)
            runner->Stop(0);
    Pause(false);
}

void TConvertBatch::Pause(bool paused) {
    if (m_stopped && paused)
        return;
    m_paused = paused;
    for (TConvertProcess* runner : m_runners)
        runner->SetPaused(paused);
}

void KeepJournal(TConvertBatch& batch, TBatchJournal& journal) {
    batch.FileStarting = [&journal](std::size_t index, const std::string& output) {
        journal.Starting(index, output);
    };
    batch.FileEnded = [&journal](std::size_t index) { journal.Ended(index); };
    batch.OutputNaming = [&journal] { journal.Settle(); };
}

} // namespace clipvane
