// Linux side of file times: stat and utimensat, to the nanosecond the file system keeps.
#include "core/platform/FileTimes.h"

#include <fcntl.h>
#include <sys/stat.h>

namespace clipvane::platform {

bool ModifiedTime(const std::string& path, std::int64_t& unixNs) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return false;
    unixNs = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    return true;
}

bool CopyModifiedTime(const std::string& source, const std::string& target) {
    struct stat st {};
    if (::stat(source.c_str(), &st) != 0)
        return false;
    // The access time is the reader's business, not the source's.
    const timespec times[2] = {{0, UTIME_OMIT}, st.st_mtim};
    return ::utimensat(AT_FDCWD, target.c_str(), times, 0) == 0;
}

} // namespace clipvane::platform
