#include "core/WorkFile.h"

#include "core/platform/Platform.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <random>

namespace clipvane {

namespace {

// Long stems are cut, so that the work file's name stays within the file system's limit.
constexpr std::size_t kMaxStem = 160;

std::uint64_t RandomBits() {
    static std::atomic<std::uint64_t> counter{0};
    std::uint64_t bits =
        counter.fetch_add(0x9E3779B97F4A7C15ULL) ^
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    try {
        std::random_device device;
        bits ^= (static_cast<std::uint64_t>(device()) << 32) ^ device();
    } catch (...) {
        // No random source: the clock and the counter still give a name nobody can guess in time.
    }
    return bits;
}

std::string Hex(std::uint64_t value) {
    static const char digits[] = "0123456789abcdef";
    std::string text(16, '0');
    for (int i = 15; i >= 0; --i, value >>= 4)
        text[static_cast<std::size_t>(i)] = digits[value & 15];
    return text;
}

bool IsSeparator(char c) {
    return c == '/' || c == platform::PathSeparator();
}

} // namespace

std::string WorkFileFor(const std::string& output) {
    std::size_t nameStart = output.size();
    while (nameStart > 0 && !IsSeparator(output[nameStart - 1]))
        --nameStart;
    const std::string folder = output.substr(0, nameStart);
    const std::string name = output.substr(nameStart);
    const std::size_t dot = name.rfind('.');
    const std::string ext = dot == std::string::npos ? std::string() : name.substr(dot);
    std::string stem = name.substr(0, dot == std::string::npos ? name.size() : dot);
    if (stem.size() > kMaxStem) {
        std::size_t cut = kMaxStem;
        while (cut > 0 && (static_cast<unsigned char>(stem[cut]) & 0xC0) == 0x80)
            --cut; // never in the middle of a UTF-8 character
        stem.resize(cut);
    }
    std::string candidate;
    for (int attempt = 0; attempt < 100; ++attempt) {
        candidate = folder + "." + stem + ".clipvane-" + Hex(RandomBits()) + ext;
        if (platform::GetPathType(candidate) == platform::PathType::None)
            break;
    }
    return candidate;
}

} // namespace clipvane
