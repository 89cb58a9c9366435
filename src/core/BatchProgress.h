#pragma once
// The progress of a batch that converts several files at once, seen as one job: one percentage and
// one estimated total time for all files together.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace clipvane {

class TBatchProgress final {
public:
    explicit TBatchProgress(std::size_t files);

    // The input's size in bytes (0 when unknown): what a file weighs until its duration is known.
    void SetSize(std::size_t index, std::int64_t bytes);
    // SetSize for every file from the file system; a file that cannot be read weighs as unknown.
    void ReadSizes(const std::vector<std::string>& files);
    // A progress report of the file at `index`: its percentage and, once the encoder has said it,
    // its duration in seconds (0 while unknown).
    void Report(std::size_t index, std::int32_t percent, std::int64_t durationSeconds);
    // The file has ended, converted or not: it counts whole from now on.
    void Ended(std::size_t index);

    // The best guess of the whole batch done, 0 to 1, which may go down when a duration comes in.
    // Each file weighs its duration; one whose duration is not known yet weighs its size at the
    // seconds per byte of the files known both ways, else the average of the known durations (all
    // weigh the same while nothing is known).
    double Fraction() const;
    // What the bar shows, 0 to 100: never less than before. When a guess goes down the bar holds and
    // then moves on at the pace that brings it to 100 with the last file's end.
    std::int32_t Percent() const;
    // The batch's estimated total time after `elapsedSeconds`, from the best guess; 0 while nothing
    // has progressed.
    std::int64_t EstimatedSeconds(std::int64_t elapsedSeconds) const;

private:
    void Update();

    struct TFile {
        double Done = 0; // 0 to 1
        std::int64_t Duration = 0;
        std::int64_t Size = 0;
    };
    std::vector<TFile> m_files;
    double m_guess = 0;  // Fraction() as last seen
    double m_shown = 0;  // what the bar shows, 0 to 1
    double m_anchor = 0; // the guess at the last time it went down, where m_anchorShown was shown
    double m_anchorShown = 0;
};

} // namespace clipvane
