#pragma once
// The notices the engine posts to the window that follows a conversion.

#include <cstdint>
#include <string>
#include <vector>

namespace clipvane {

inline constexpr int WM_PROCESSINFO = 5890;
inline constexpr int WM_SHOWMAIN = 5891;
// Windows: sent by the installer and the uninstaller to the class window, to end the program as a
// close of its window would before they touch its files.
inline constexpr int WM_QUITMAIN = 5892;
inline constexpr std::int32_t kEndNoticePercent = 1000;
// An end notice's TimeElapsed when a "time=" line was seen; empty when none was.
inline constexpr char kProgressMark[] = "some";

// An end notice's Status: why the file was refused. Readers of --machine see the numbers, so they
// never change.
enum class TEndStatus : std::int32_t {
    // Nothing refused: the encoder ended (converted or not), or the existing output was kept.
    Finished = 0,
    // The existing output is in use or a folder: it cannot be replaced, nothing was started.
    OutputInUse = 2,
    OutputIsFolder = 4,
    // The file converted but could not take the output's name (something else got there meanwhile).
    OutputNotReplaced = 5,
    // The output names a file the batch must keep, so the encoder was not run: the input itself (the
    // encoder would truncate its own input), another input of the batch, converted yet or not, or an
    // output this batch has written.
    OutputIsInput = 3,
    OutputIsBatchFile = 6,
    OutputWrittenByBatch = 7,
    // The encoder could not be started for lack of resources (descriptors, processes, memory), and no
    // other file of the batch was running to free them.
    NotStarted = 8,
    // The existing output is read-only; the file system refuses the output's name (OSError says why).
    OutputReadOnly = 11,
    OutputBadName = 12,
};

// A progress report (Percent 1..100) or an end notice (Percent 1000, TimeElapsed the progress mark).
struct TProcessInfo {
    std::int32_t Percent = 0;
    std::string TimeElapsed;
    std::string TimeEstimated;
    std::int32_t Status = 0;        // end notice: a TEndStatus
    std::int32_t ExitCode = 0;      // end notice: the encoder's exit code (0 when none ran), -1 unknown
    std::int32_t ExitSignal = 0;    // end notice: the signal that ended the encoder, 0 when none did
    bool Ran = false;               // end notice: an encoder was started for the file
    bool NoOutput = false;          // end notice: the encoder ended well but wrote no output file
    bool OutputUnfinished = false;  // end notice: the encoder said it could not finish its output
    bool Skipped = false;           // end notice: the output exists and was kept without asking
    int OSError = 0;                // end notice: the OS error code that refused the output, else 0
    std::vector<std::string> Lines; // end notice: the encoder's last lines that were no progress

    // An end notice with nothing but its status and progress mark set.
    static TProcessInfo EndNotice(TEndStatus status, bool progressSeen = false) {
        TProcessInfo info;
        info.Percent = kEndNoticePercent;
        info.TimeElapsed = progressSeen ? kProgressMark : "";
        info.Status = static_cast<std::int32_t>(status);
        return info;
    }

    bool IsEndNotice() const { return Percent == kEndNoticePercent; }
    TEndStatus EndStatus() const { return static_cast<TEndStatus>(Status); }
    // The encoder reported a time position before the file ended.
    bool ProgressSeen() const { return !TimeElapsed.empty(); }
    // The file converted: progress was seen, nothing was refused, and the encoder ended well.
    // A full disk or a crash after the first "time=" line still fails the file.
    bool Converted() const {
        return ProgressSeen() && EndStatus() == TEndStatus::Finished && ExitCode == 0 && ExitSignal == 0 &&
               !NoOutput && !OutputUnfinished;
    }
};

} // namespace clipvane
