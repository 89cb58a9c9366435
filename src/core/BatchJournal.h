#pragma once
// A batch's journal: its files, job and output folder, and which files have ended, so that a batch
// the program could not finish (killed, a logout, a power cut) can be taken up again. The head is
// written whole (a new file, flushed, renamed over the old); each file's start and end is one line
// added with its own checksum, so that a crash at any moment leaves it readable: a torn last line is
// seen and left out.

#include "core/ConversionJob.h"
#include "core/platform/Handle.h"

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace clipvane {

// The desktop program's journal, beside settings.ini.
inline constexpr const char* kJournalFileName = "batch.journal";

// What a batch needs to run again.
struct TJournalBatch {
    ConversionJob Job; // its hint for another encoder is the front end's own, and not kept
    std::string Profile;
    bool SameInput = true;
    std::string OutputFolder;
    std::vector<std::string> Files;
};

enum class TJournalRead { Missing, NotAJournal, Read };

// Reads the journal at `path`: its batch, and the files of it that have not ended, in the list's
// order. A file that had started and whose output is now another file than when it started counts as
// ended: it took its output's name just before the program died. Such outputs join the job's
// WrittenBefore.
TJournalRead ReadJournal(const std::string& path, TJournalBatch& batch, std::vector<std::string>& unfinished);

class TBatchJournal final {
public:
    TBatchJournal() = default;
    TBatchJournal(const TBatchJournal&) = delete;
    TBatchJournal& operator=(const TBatchJournal&) = delete;
    // Lets go of the file and leaves it: a batch that did not end is found there.
    ~TBatchJournal();

    // Starts the journal of a new batch at `path`, replacing a journal there. False when it cannot
    // be written (Error() says why; what was there goes too) or another run holds it (InUse()); the
    // batch then runs without.
    bool Begin(const std::string& path, const TJournalBatch& batch);
    // Before the file at `index` may write `output`, and once it has ended however it ended. The
    // start line reaches the disk beside the encoder's run, not before it: a flush costs a small
    // file as much as its whole conversion.
    void Starting(std::size_t index, const std::string& output);
    void Ended(std::size_t index);
    // Before a file's output takes its name: waits until every start line is on the disk, so that
    // after a power cut the journal never lacks the start of an output that was renamed.
    void Settle();
    // The batch has ended: the journal goes.
    void Finish();

    bool Active() const { return m_file != platform::kNoHandle; }
    bool InUse() const { return m_inUse; }
    // The OS error code of the first write that failed; 0 while none has.
    int Error() const { return m_error; }
    // Run once, at the first failure after Begin; the journal has gone by then.
    std::function<void(int osError)> OnFailure;

private:
    void NoteError();
    void Append(const std::string& payload, bool flush = true);
    void Fail();
    void Close();
    // Asks the flushing thread to flush what has been added so far.
    void FlushBeside();
    void Flusher();
    void StopFlusher();

    std::string m_path;
    platform::Handle m_file = platform::kNoHandle;
    platform::Handle m_lock = platform::kNoHandle;
    int m_error = 0;
    bool m_inUse = false;

    std::thread m_flusher;
    platform::Handle m_flushFile = platform::kNoHandle; // the flusher's own handle on m_file
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::uint64_t m_asked = 0;   // flushes asked for
    std::uint64_t m_flushed = 0; // of those, done
    int m_flushError = 0;
    bool m_quit = false;
};

// Another run keeps the journal at `path`: its batch is under way, not left.
bool JournalInUse(const std::string& path);

// What the user is told when the journal at `path` could not be kept.
std::string JournalFailureText(const std::string& path, const TBatchJournal& journal);

} // namespace clipvane
