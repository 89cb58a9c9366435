#include "core/FileSet.h"

#include "core/platform/Ownership.h"

namespace clipvane {

void TFileSet::Add(const std::string& path) {
    m_names.insert(path);
    std::uint64_t volume = 0, index = 0;
    if (platform::FileId(path, volume, index))
        m_files.emplace(volume, index);
}

bool TFileSet::Contains(const std::string& path) const {
    if (m_names.count(path) != 0)
        return true;
    std::uint64_t volume = 0, index = 0;
    return platform::FileId(path, volume, index) && m_files.count({volume, index}) != 0;
}

} // namespace clipvane
