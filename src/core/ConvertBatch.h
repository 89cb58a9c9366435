#pragma once
// The batch logic shared by the batch window and the console front end: which file runs next,
// where its output goes, and which files failed.

#include "core/BatchJournal.h"
#include "core/ConversionJob.h"
#include "core/ConvertThread.h"
#include "core/FileEnd.h"
#include "core/FileSet.h"
#include "core/Path.h"

#include <QPointer>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <vector>

class QObject;

namespace clipvane {

// The path with the extension of its file-name part replaced by `ext` (appended when there is none).
std::string ChangeFileExt(const std::string& path, const std::string& ext);

// The output path of one input: beside it when `sameInput`, else in `outputFolder`.
std::string OutputPathFor(const std::string& input, bool sameInput, const std::string& outputFolder,
                          const std::string& outputExt);

// One failed file: its name (as in FailedFiles) and why it failed, one line each.
struct TFailure {
    std::string Name;
    std::vector<std::string> Reason;
};

// Converts a list of files with one runner, or with several at once (one file per runner). Slot 0 is
// the single runner's; the batch window uses only that one.
class TConvertBatch final {
public:
    TConvertBatch(TConvertProcess& runner, std::vector<std::string> fileList);
    TConvertBatch(std::vector<TConvertProcess*> runners, std::vector<std::string> fileList);

    ConversionJob Job;
    // Read afresh each time a file starts, as the main window's controls are.
    std::function<bool()> SameInput = [] { return true; };
    std::function<std::string()> OutputFolder = [] { return std::string(); };
    // Receives the notices of slot 0's runner; further slots name their own receivers.
    QPointer<QObject> NotifyWindow;
    void SetSlotNotifyWindow(std::size_t slot, QObject* window);

    // Failed input names in the list's order, each followed by ", "; empty when nothing failed.
    std::string FailedFiles;

    // For a journal: told before a file's encoder may start, with the output it is to write, and
    // when a file has ended (converted, failed or skipped).
    std::function<void(std::size_t index, const std::string& output)> FileStarting;
    std::function<void(std::size_t index)> FileEnded;
    // Told just before a converted file's output takes its name, on the thread that ends the file.
    std::function<void()> OutputNaming;

    // The failed files in the list's order, each with its reason.
    std::vector<TFailure> Failures() const;
    // Why the file at `index` failed; empty while it has not.
    const std::vector<std::string>& Reason(std::size_t index) const { return m_reasons[index]; }

    // Converted files that carry a note, in the list's order: why the source's date was not kept.
    std::vector<TFailure> Notes() const;
    const std::string& Note(std::size_t index) const { return m_notes[index]; }

    // How many files have converted so far.
    std::size_t Converted() const { return m_written.size(); }
    // How many files were skipped because their output exists (the Skip choice); not failures.
    std::size_t Skipped() const { return m_skippedCount; }
    const std::vector<std::string>& FileList() const { return m_fileList; }
    // The index of the file slot 0 converts (the only one with a single runner).
    std::size_t CurrentIndex() const { return SlotIndex(0); }
    // The index of the file a slot converts; Count() once the slot has nothing left to do.
    std::size_t SlotIndex(std::size_t slot) const { return m_slotIndex[slot]; }
    std::size_t Count() const { return m_fileList.size(); }
    std::size_t Slots() const { return m_runners.size(); }
    bool Stopped() const { return m_stopped; }
    TConvertProcess& Runner(std::size_t slot = 0) { return *m_runners[slot]; }
    const TConvertProcess& Runner(std::size_t slot = 0) const { return *m_runners[slot]; }

    // Starts the first file of every slot, then empties FailedFiles. Throws what the runner's Start
    // throws; the batch has then ended (see StartCurrent).
    void Begin();
    // Sets the slot's runner's job fields and starts the slot's file. An output that is one of the
    // batch's inputs or an output it wrote is never handed to the encoder, whatever the answer: after
    // the usual overwrite question the batch posts an end notice of its own (status 0 on No, the
    // refusal's status on Yes); about an output it wrote nothing is asked, the file fails at once. A
    // file whose output another slot is writing waits until that slot's file has ended, and the slot
    // takes the next file meanwhile.
    // A start that fails for lack of resources leaves the file to the next slot that frees while
    // another slot is busy, and fails it with the OS's words (TEndStatus::NotStarted) when none is.
    // When the encoder cannot be started at all, the batch ends: files whose encoders have ended are
    // kept, every other encoder stops, the file and every file not converted yet fail with the OS's
    // reason, and Start's error is thrown on.
    // False when the slot is left without a file.
    bool StartCurrent(std::size_t slot = 0);

    // Idle: the slot has nothing left while other slots still convert.
    enum class TEndAction { Ignore, StartNext, Close, Idle };
    // Handles an end notice of a slot: records a failure, reports an output that could not be
    // written through `showFailure` (which may run a nested event loop), then gives the slot the next
    // file. A notice after Stop changes nothing.
    TEndAction OnEndNotice(const TProcessInfo& info,
                           const std::function<void(const std::string&)>& showFailure, std::size_t slot = 0);

    // What a front end does once a slot's file has ended; a step left empty does nothing.
    struct TEndSteps {
        // The file at `index` has ended; not called for a notice after Stop.
        std::function<void(std::size_t index, TFileOutcome outcome)> Ended = nullptr;
        std::function<void()> StartNext = nullptr; // the slot has its next file
        std::function<void()> Idle = nullptr;      // the slot has nothing left while others convert
        std::function<void()> Close = nullptr;     // every file has ended
    };
    // OnEndNotice, then the steps its action calls for.
    void FollowEnd(const TProcessInfo& info, const std::function<void(const std::string&)>& showFailure,
                   const TEndSteps& steps, std::size_t slot = 0);

    // Stops every running encoder and starts no further file.
    void Stop();
    // Holds every encoder where it is, and those that start meanwhile; false lets them all go on.
    void Pause(bool paused);
    bool Paused() const { return m_paused; }
    // Ends the batch on an error of the program's own (not the encoder's): every encoder stops, and
    // every file not converted yet fails, those under way with `why`.
    void EndOnError(const std::string& why);

private:
    TEndStatus FileOfThisBatch(std::size_t slot, const std::string& output) const;
    bool OtherSlotWrites(std::size_t slot, const std::string& output) const;
    bool OtherSlotBusy(std::size_t slot) const;
    // The next file to hand out: one put aside first, in the list's order, skipping `tried`.
    std::size_t NextFile(const std::set<std::size_t>& tried = {});
    void Refuse(std::size_t slot, TEndStatus status);
    void PostEnd(std::size_t slot, TEndStatus status, int osError, bool skipped = false);
    void Record(std::size_t slot, const TFileEnd& end);
    void KeepDate(std::size_t index, const std::string& output);
    void CollectFailures();
    void EndOnStartFailure(std::size_t slot, const std::string& why);
    // Fails every file that has neither failed nor converted, with the reason `reasonOf` gives it.
    void FailTheRest(const std::function<std::string(std::size_t)>& reasonOf);

    std::vector<TConvertProcess*> m_runners;
    std::vector<QPointer<QObject>> m_slotNotify;
    std::vector<std::string> m_fileList;
    std::vector<std::size_t> m_slotIndex;            // per slot: the file it converts, or Count()
    std::vector<std::string> m_slotOutput;           // per slot: the output it is writing
    std::vector<bool> m_failed;                      // per file
    std::vector<bool> m_converted;                   // per file
    std::vector<bool> m_skipped;                     // per file
    std::vector<std::vector<std::string>> m_reasons; // per file, why it failed
    std::vector<std::string> m_notes;                // per file, what a converted file lacks
    std::size_t m_nextIndex = 0;
    std::set<std::size_t> m_putAside; // files that wait for an output or for resources to free
    std::size_t m_ended = 0;
    std::size_t m_skippedCount = 0;
    std::vector<std::string> m_written; // outputs of files that converted
    // The inputs and the written outputs by identity, so that checking a file costs the same
    // whatever the size of the batch. The inputs are looked at when the first file starts.
    mutable TFileSet m_inputFiles;
    mutable TFileSet m_writtenBefore; // by the run this batch takes up again
    mutable bool m_inputFilesKnown = false;
    TFileSet m_writtenFiles;
    bool m_stopped = false;
    bool m_paused = false;
};

// Keeps `journal` (begun already) up to date with `batch`'s files.
void KeepJournal(TConvertBatch& batch, TBatchJournal& journal);

} // namespace clipvane
