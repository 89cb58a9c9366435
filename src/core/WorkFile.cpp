#include "core/WorkFile.h"

#include "core/Path.h"
#include "core/platform/Platform.h"

#include <atomic>
#include <cctype>
#include <chrono>
#include <cstdint>
#include <random>
#include <vector>

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

// The parts of a work file's name around its random digits: "." + stem + ".clipvane-", and the extension.
std::pair<std::string, std::string> WorkNameParts(const std::string& outputName) {
    const std::size_t dot = outputName.rfind('.');
    const std::string ext = dot == std::string::npos ? std::string() : outputName.substr(dot);
    std::string stem = outputName.substr(0, dot == std::string::npos ? outputName.size() : dot);
    if (stem.size() > kMaxStem) {
        std::size_t cut = kMaxStem;
        while (cut > 0 && (static_cast<unsigned char>(stem[cut]) & 0xC0) == 0x80)
            --cut; // never in the middle of a UTF-8 character
        stem.resize(cut);
    }
    return {"." + stem + ".clipvane-", ext};
}

} // namespace

bool IsWorkFileOf(const std::string& name, const std::string& outputName) {
    const auto [head, ext] = WorkNameParts(outputName);
    if (name.size() != head.size() + 16 + ext.size() || name.compare(0, head.size(), head) != 0 ||
        name.compare(name.size() - ext.size(), ext.size(), ext) != 0)
        return false;
    for (std::size_t i = head.size(); i < head.size() + 16; ++i)
        if (!std::isxdigit(static_cast<unsigned char>(name[i])) ||
            std::isupper(static_cast<unsigned char>(name[i])))
            return false;
    return true;
}

void RemoveStaleWorkFiles(const std::string& output) {
    const std::string folder = ExtractFilePath(output);
    const std::string outputName = ExtractFileName(output);
    std::vector<std::string> names;
    platform::ListFolder(folder, names);
    for (const std::string& name : names) {
        if (!IsWorkFileOf(name, outputName))
            continue;
        const std::string path = folder + name;
        // In use: another run (this program's or a second one's) is writing it right now.
        if (platform::GetPathType(path) == platform::PathType::File && !platform::IsFileInUse(path))
            platform::RemoveFile(path);
    }
}

std::string WorkFileFor(const std::string& output) {
    const std::string folder = ExtractFilePath(output);
    const auto [head, ext] = WorkNameParts(ExtractFileName(output));
    std::string candidate;
    for (int attempt = 0; attempt < 100; ++attempt) {
        candidate = folder + head + Hex(RandomBits()) + ext;
        if (platform::GetPathType(candidate) == platform::PathType::None)
            break;
    }
    return candidate;
}

} // namespace clipvane
