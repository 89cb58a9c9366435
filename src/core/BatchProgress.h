#pragma once
// The progress of a batch that converts several files at once, seen as one job: one percentage and
// one estimated total time for all files together.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace clipvane {

class TBatchProgress final {
public:
    explicit TBatchProgress(std::size_t files);

    // A progress report of the file at `index`: its percentage and, once the encoder has said it,
    // its duration in seconds (0 while unknown).
    void Report(std::size_t index, std::int32_t percent, std::int64_t durationSeconds);
    // The file has ended, converted or not: it counts whole from now on.
    void Ended(std::size_t index);

    // The whole batch done, 0 to 100. Each file weighs its duration; a file whose duration is not
    // known yet weighs the average of the known ones (all weigh the same while none is known).
    double Fraction() const;
    std::int32_t Percent() const;
    // The batch's estimated total time after `elapsedSeconds`; 0 while nothing has progressed.
    std::int64_t EstimatedSeconds(std::int64_t elapsedSeconds) const;

private:
    struct TFile {
        double Done = 0; // 0 to 1
        std::int64_t Duration = 0;
    };
    std::vector<TFile> m_files;
};

} // namespace clipvane
