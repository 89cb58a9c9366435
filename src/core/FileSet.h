#pragma once
// Files known by what they are rather than by how their names are spelt: a path that names one of
// them through another spelling or a link is found too, at the cost of one look at the disk per
// question, however many files the set holds.

#include <cstdint>
#include <set>
#include <string>
#include <unordered_set>
#include <utility>

namespace clipvane {

// Which existing file a path names; `exists` false when it names none.
struct TFileKey {
    bool exists = false;
    std::uint64_t volume = 0;
    std::uint64_t index = 0;

    static TFileKey Of(const std::string& path);
    bool operator==(const TFileKey&) const = default;
};

class TFileSet final {
public:
    // A file that does not exist yet is known by its name alone.
    void Add(const std::string& path);
    // True when `path` is, or names the same existing file as, one that was added.
    bool Contains(const std::string& path) const { return Contains(path, TFileKey::Of(path)); }
    // The same, with the path's key already looked up: several sets asked about one path look once.
    bool Contains(const std::string& path, const TFileKey& key) const;
    bool Empty() const { return m_names.empty(); }

private:
    std::unordered_set<std::string> m_names;
    std::set<std::pair<std::uint64_t, std::uint64_t>> m_files; // volume, index
};

} // namespace clipvane
