#include "core/BatchProgress.h"

#include <algorithm>
#include <cmath>

namespace clipvane {

TBatchProgress::TBatchProgress(std::size_t files)
    : m_files(files) {}

void TBatchProgress::Report(std::size_t index, std::int32_t percent, std::int64_t durationSeconds) {
    TFile& file = m_files.at(index);
    // A report can only move a file forward: an end already counted stays whole.
    file.Done = std::max(file.Done, std::clamp(percent, 0, 100) / 100.0);
    if (durationSeconds > 0)
        file.Duration = durationSeconds;
}

void TBatchProgress::Ended(std::size_t index) {
    m_files.at(index).Done = 1;
}

double TBatchProgress::Fraction() const {
    double known = 0;
    std::size_t knownCount = 0;
    for (const TFile& file : m_files) {
        if (file.Duration > 0) {
            known += static_cast<double>(file.Duration);
            ++knownCount;
        }
    }
    const double unknownWeight = knownCount > 0 ? known / static_cast<double>(knownCount) : 1.0;
    double total = 0;
    double done = 0;
    for (const TFile& file : m_files) {
        const double weight = file.Duration > 0 ? static_cast<double>(file.Duration) : unknownWeight;
        total += weight;
        done += weight * file.Done;
    }
    return total > 0 ? done / total : 0;
}

std::int32_t TBatchProgress::Percent() const {
    // Floored, so that 100% means every file has ended.
    return static_cast<std::int32_t>(std::floor(Fraction() * 100.0 + 1e-9));
}

std::int64_t TBatchProgress::EstimatedSeconds(std::int64_t elapsedSeconds) const {
    const double fraction = Fraction();
    if (fraction <= 0)
        return 0;
    return std::llround(static_cast<double>(std::max<std::int64_t>(0, elapsedSeconds)) / fraction);
}

} // namespace clipvane
