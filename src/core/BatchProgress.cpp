#include "core/BatchProgress.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <limits>
#include <system_error>

namespace clipvane {

TBatchProgress::TBatchProgress(std::size_t files)
    : m_files(files) {}

void TBatchProgress::SetSize(std::size_t index, std::int64_t bytes) {
    m_files.at(index).Size = std::max<std::int64_t>(0, bytes);
    Update();
}

void TBatchProgress::ReadSizes(const std::vector<std::string>& files) {
    for (std::size_t i = 0; i < files.size() && i < m_files.size(); ++i) {
        // UTF-8 bytes in, as every path of the batch.
        const std::filesystem::path path(std::u8string(files[i].begin(), files[i].end()));
        std::error_code error;
        const auto bytes = std::filesystem::file_size(path, error);
        m_files[i].Size = error ? 0
                                : static_cast<std::int64_t>(std::min<std::uintmax_t>(
                                      bytes, std::numeric_limits<std::int64_t>::max()));
    }
    Update();
}

void TBatchProgress::Report(std::size_t index, std::int32_t percent, std::int64_t durationSeconds) {
    TFile& file = m_files.at(index);
    // A report can only move a file forward: an end already counted stays whole.
    file.Done = std::max(file.Done, std::clamp(percent, 0, 100) / 100.0);
    if (durationSeconds > 0)
        file.Duration = durationSeconds;
    Update();
}

void TBatchProgress::Ended(std::size_t index) {
    m_files.at(index).Done = 1;
    Update();
}

double TBatchProgress::Fraction() const {
    // Seconds per byte, from the files whose duration and size are both known.
    double pairedSeconds = 0;
    double pairedBytes = 0;
    bool anyDuration = false;
    for (const TFile& file : m_files) {
        anyDuration = anyDuration || file.Duration > 0;
        if (file.Duration > 0 && file.Size > 0) {
            pairedSeconds += static_cast<double>(file.Duration);
            pairedBytes += static_cast<double>(file.Size);
        }
    }
    // Before any duration is known, sizes alone say how the files compare.
    const double perByte = pairedBytes > 0 ? pairedSeconds / pairedBytes : anyDuration ? 0 : 1;
    const auto weightOf = [perByte](const TFile& file) {
        return file.Duration > 0 ? static_cast<double>(file.Duration)
                                 : static_cast<double>(file.Size) * perByte;
    };
    double weighed = 0;
    std::size_t weighedCount = 0;
    for (const TFile& file : m_files) {
        if (const double weight = weightOf(file); weight > 0) {
            weighed += weight;
            ++weighedCount;
        }
    }
    const double unknownWeight = weighedCount > 0 ? weighed / static_cast<double>(weighedCount) : 1.0;
    double total = 0;
    double done = 0;
    for (const TFile& file : m_files) {
        const double known = weightOf(file);
        const double weight = known > 0 ? known : unknownWeight;
        total += weight;
        done += weight * file.Done;
    }
    return total > 0 ? done / total : 0;
}

void TBatchProgress::Update() {
    const double guess = Fraction();
    // A guess that goes down would pull the bar back: the bar holds, and from here the rest of the
    // guess is spread over the rest of the bar.
    if (guess < m_guess) {
        m_anchor = guess;
        m_anchorShown = m_shown;
    }
    m_guess = guess;
    const double mapped =
        m_anchor >= 1 ? 1 : m_anchorShown + (1 - m_anchorShown) * (guess - m_anchor) / (1 - m_anchor);
    m_shown = std::clamp(std::max(m_shown, mapped), 0.0, 1.0);
}

std::int32_t TBatchProgress::Percent() const {
    // Floored, so that 100% means every file has ended.
    return static_cast<std::int32_t>(std::floor(m_shown * 100.0 + 1e-9));
}

std::int64_t TBatchProgress::EstimatedSeconds(std::int64_t elapsedSeconds) const {
    if (m_guess <= 0)
        return 0;
    return std::llround(static_cast<double>(std::max<std::int64_t>(0, elapsedSeconds)) / m_guess);
}

} // namespace clipvane
