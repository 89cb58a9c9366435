#include "core/WorkFile.h"

#include "core/Path.h"
#include "core/platform/Files.h"
#include "core/platform/Ownership.h"

#include <atomic>
#include <cctype>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <random>
#include <string_view>
#include <system_error>
#include <unordered_map>
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

std::uint64_t NameHash(std::string_view text) {
    std::uint64_t hash = 0xcbf29ce484222325ULL; // FNV-1a: names apart, not a secret
    for (const char c : text)
        hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001b3ULL;
    return hash;
}

std::string Hex8(std::uint64_t value) {
    return Hex(value).substr(8);
}

const std::string& OwnMachineTag() {
    static const std::string tag = Hex8(NameHash(platform::MachineIdentity()) >> 32);
    return tag;
}

// "<machine>-<pid>-<start>" of a running process, empty when it does not run.
std::string WriterTag(std::int64_t pid) {
    std::string stamp;
    if (platform::ProcessStart(pid, stamp) != platform::ProcessLife::Running)
        return {};
    return OwnMachineTag() + "-" + std::to_string(pid) + "-" + Hex8(NameHash(stamp));
}

constexpr std::string_view kInfix = ".clipvane-";
constexpr std::string_view kMarkPrefix = "clipvane work file ";

// "." + the stem as cut, and the extension.
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
    return {"." + stem, ext};
}

struct TWorkName {
    std::size_t infix = 0; // where ".clipvane-" starts
    std::string_view hash; // of the output's whole name
    std::string_view machine;
    std::int64_t pid = 0;
    std::string_view start; // of the writing process
    std::string_view ext;
};

bool IsLowerHex(std::string_view text) {
    for (const char c : text)
        if (!std::isdigit(static_cast<unsigned char>(c)) && (c < 'a' || c > 'f'))
            return false;
    return true;
}

// Takes `digits` hex digits and the '-' after them off the front of `rest`.
bool TakeHex(std::string_view& rest, std::size_t digits, std::string_view& field) {
    if (rest.size() < digits + 1 || rest[digits] != '-' || !IsLowerHex(rest.substr(0, digits)))
        return false;
    field = rest.substr(0, digits);
    rest.remove_prefix(digits + 1);
    return true;
}

// Only a name of exactly the form WorkFileFor makes.
bool ParseWorkName(std::string_view name, TWorkName& parts) {
    parts.infix = name.rfind(kInfix);
    if (name.empty() || name[0] != '.' || parts.infix == std::string_view::npos || parts.infix == 0)
        return false;
    std::string_view rest = name.substr(parts.infix + kInfix.size());
    if (!TakeHex(rest, 16, parts.hash) || !TakeHex(rest, 8, parts.machine))
        return false;
    std::size_t digits = 0;
    parts.pid = 0;
    while (digits < rest.size() && digits < 10 && std::isdigit(static_cast<unsigned char>(rest[digits])))
        parts.pid = parts.pid * 10 + (rest[digits++] - '0');
    if (digits == 0 || rest[0] == '0' || digits >= rest.size() || rest[digits] != '-')
        return false;
    rest.remove_prefix(digits + 1);
    if (!TakeHex(rest, 8, parts.start) || rest.size() < 8 || !IsLowerHex(rest.substr(0, 8)))
        return false;
    parts.ext = rest.substr(8);
    return parts.ext.empty() || parts.ext[0] == '.';
}

// The writer is a process of this machine that no longer runs (its id may have gone to another).
bool WriterIsGone(const TWorkName& parts) {
    if (parts.machine != OwnMachineTag())
        return false; // another machine's: nothing here can tell whether it runs
    std::string stamp;
    switch (platform::ProcessStart(parts.pid, stamp)) {
    case platform::ProcessLife::Gone:
        return true;
    case platform::ProcessLife::Running:
        return Hex8(NameHash(stamp)) != parts.start;
    case platform::ProcessLife::Unknown:
        break;
    }
    return false;
}

void RemoveIfProvablyLeft(const std::string& path) {
    platform::Handle lock = platform::kNoHandle;
    if (!platform::TryLockFile(path, lock))
        return; // a writer holds it, wherever it runs
    std::string mark;
    const std::string identity = platform::LockedFileIdentity(lock);
    if (!identity.empty() && platform::LockedFileIsOurs(lock) && platform::ReadOwnerMark(lock, path, mark) &&
        mark == std::string(kMarkPrefix) + identity)
        platform::RemoveLockedFile(lock, path);
    else
        platform::CloseHandle(lock);
}

// True once a minute per folder: leftovers appear only when a run dies, and a batch must not read a
// folder of thousands of files at each of its files.
bool SweepDue(const std::string& folder) {
    static std::mutex mutex;
    static std::unordered_map<std::string, std::chrono::steady_clock::time_point> swept;
    const auto now = std::chrono::steady_clock::now();
    std::lock_guard lock(mutex);
    const auto [at, fresh] = swept.try_emplace(folder, now);
    if (!fresh && now - at->second < std::chrono::minutes(1))
        return false;
    at->second = now;
    return true;
}

} // namespace

bool IsWorkFileOf(const std::string& name, const std::string& outputName) {
    const auto [head, ext] = WorkNameParts(outputName);
    TWorkName parts;
    return ParseWorkName(name, parts) && parts.infix == head.size() &&
           name.compare(0, head.size(), head) == 0 && parts.hash == Hex(NameHash(outputName)) &&
           parts.ext == ext;
}

void RemoveStaleWorkFiles(const std::string& output) {
    const std::string folder = ExtractFilePath(output);
    if (!SweepDue(AbsolutePath(folder.empty() ? std::string(".") : folder)))
        return;
    std::vector<std::string> names;
    platform::ListFolder(folder, names);
    for (const std::string& name : names) {
        TWorkName parts;
        if (ParseWorkName(name, parts) && WriterIsGone(parts))
            RemoveIfProvablyLeft(folder + name);
    }
}

static std::string WorkFileWithTag(const std::string& output, const std::string& writer) {
    if (writer.empty())
        return {};
    const std::size_t nameStart = FileNameStart(output);
    const std::string outputName = output.substr(nameStart);
    const auto [head, ext] = WorkNameParts(outputName);
    const std::string prefix = output.substr(0, nameStart) + head + std::string(kInfix) +
                               Hex(NameHash(outputName)) + "-" + writer + "-";
    std::string candidate;
    for (int attempt = 0; attempt < 100; ++attempt) {
        candidate = prefix + Hex8(RandomBits()) + ext;
        if (platform::GetPathType(candidate) == platform::PathType::None)
            break;
    }
    return candidate;
}

std::string WorkFileFor(const std::string& output, std::int64_t writerPid) {
    return WorkFileWithTag(output, WriterTag(writerPid));
}

std::string WorkFileFor(const std::string& output) {
    // Our own start does not change: read once, not at every file of a big batch (a fork would
    // make us another writer, hence the check of the id).
    static std::mutex mutex;
    static std::int64_t pid = 0;
    static std::string tag;
    const std::int64_t own = platform::OwnProcessId();
    std::unique_lock lock(mutex);
    if (own != pid || tag.empty()) {
        tag = WriterTag(own);
        pid = own;
    }
    return WorkFileWithTag(output, tag);
}

bool TWorkFileLock::TryTake(const std::string& workFile) {
    if (Held())
        return true;
    if (!platform::TryLockFile(workFile, m_handle))
        return false;
    m_path = workFile;
    const std::string identity = platform::LockedFileIdentity(m_handle);
    if (!identity.empty())
        platform::WriteOwnerMark(m_handle, m_path, std::string(kMarkPrefix) + identity);
    return true;
}

void TWorkFileLock::Release() {
    if (!Held())
        return;
    platform::ClearOwnerMark(m_handle, m_path);
    platform::CloseHandle(m_handle);
    m_path.clear();
}

} // namespace clipvane
