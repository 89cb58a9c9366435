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

// End-notice statuses of the runner: the existing output cannot be replaced, nothing was started.
inline constexpr std::int32_t kStatusOutputInUse = 2;
inline constexpr std::int32_t kStatusOutputIsFolder = 4;
// The file converted but could not take the output's name (something else got there meanwhile).
inline constexpr std::int32_t kStatusOutputNotReplaced = 5;
// The existing output is read-only; the file system refuses the output's name (OSError says why).
inline constexpr std::int32_t kStatusOutputReadOnly = 11;
inline constexpr std::int32_t kStatusOutputBadName = 12;

// A progress report (Percent 1..100) or an end notice (Percent 1000, TimeElapsed the progress mark).
struct TProcessInfo {
    std::int32_t Percent = 0;
    std::string TimeElapsed;
    std::string TimeEstimated;
    std::int32_t Status = 0;        // end notice: 0 finished or skipped, else why the file was refused
    std::int32_t ExitCode = 0;      // end notice: the encoder's exit code (0 when none ran), -1 unknown
    std::int32_t ExitSignal = 0;    // end notice: the signal that ended the encoder, 0 when none did
    bool Ran = false;               // end notice: an encoder was started for the file
    bool NoOutput = false;          // end notice: the encoder ended well but wrote no output file
    bool OutputUnfinished = false;  // end notice: the encoder said it could not finish its output
    bool Skipped = false;           // end notice: the output exists and was kept without asking
    int OSError = 0;                // end notice: the OS error code that refused the output, else 0
    std::vector<std::string> Lines; // end notice: the encoder's last lines that were no progress

    bool IsEndNotice() const { return Percent == kEndNoticePercent; }
    // The file converted: progress was seen, nothing was refused, and the encoder ended well.
    // A full disk or a crash after the first "time=" line still fails the file.
    bool Converted() const {
        return !TimeElapsed.empty() && Status == 0 && ExitCode == 0 && ExitSignal == 0 && !NoOutput &&
               !OutputUnfinished;
    }
};

} // namespace clipvane
