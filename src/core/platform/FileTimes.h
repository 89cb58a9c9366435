#pragma once
// A file's modification time, read and carried over to another file, so that an output sorts with its
// source.

#include <cstdint>
#include <string>

namespace clipvane::platform {

// Nanoseconds since 1970 (UTC), as precise as the file system keeps it. False on failure (LastError).
bool ModifiedTime(const std::string& path, std::int64_t& unixNs);

// Gives `target` the modification time of `source`; its other times stay. False on failure, with
// LastError set: the source cannot be read, or the file system or the file's owner refuses the time.
bool CopyModifiedTime(const std::string& source, const std::string& target);

} // namespace clipvane::platform
