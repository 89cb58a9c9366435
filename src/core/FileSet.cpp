#include "core/FileSet.h"

#include "core/platform/Ownership.h"

namespace clipvane {

void TFileSet::Add(const std::string& path) {
    m_names.insert(path);
    std::uint64_t volume = 0, index = 0;
    if (platform::FileId(path, volume, index))
        m_files.emplace(volume, index);
}

TFileKey TFileKey::Of(const std::string& path) {
    TFileKey key;
    key.exists = platform::FileId(path, key.volume, key.index);
    return key;
}

bool TFileSet::Contains(const std::string& path, const TFileKey& key) const {
    return m_names.count(path) != 0 || (key.exists && m_files.count({key.volume, key.index}) != 0);
}

} // namespace clipvane
