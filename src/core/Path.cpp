#include "core/Path.h"

#include "core/platform/Files.h"

namespace clipvane {

bool IsPathSeparator(char c) {
    return c == '/' || c == platform::PathSeparator();
}

std::size_t FileNameStart(const std::string& path) {
    std::size_t start = path.size();
    while (start > 0 && !IsPathSeparator(path[start - 1]))
        --start;
    return start;
}

std::string ExtractFileName(const std::string& path) {
    return path.substr(FileNameStart(path));
}

std::string ExtractFilePath(const std::string& path) {
    return path.substr(0, FileNameStart(path));
}

std::string WithSeparator(std::string folder) {
    if (folder.empty() || !IsPathSeparator(folder.back()))
        folder += platform::PathSeparator();
    return folder;
}

std::string AbsolutePath(const std::string& path) {
    return platform::AbsolutePath(path);
}

} // namespace clipvane
