#pragma once
// A file that only ever grows, each flushed addition on the disk before the call returns: what a
// journal needs so that a crash or a power cut loses at most the lines not flushed yet.

#include "core/platform/Handle.h"

#include <string>

namespace clipvane::platform {

// Opens an existing regular file (never through a link) for writing at its end, not inherited by
// children. False on failure, with LastError set.
bool OpenForAppend(const std::string& path, Handle& file);

// Writes all of `data` at the file's end and, unless `flush` is false, flushes the file to the disk
// (what was added unflushed before goes with it). False on failure (a full disk, say), with LastError
// set; part of `data` may then have been written.
bool AppendAndFlush(Handle file, const std::string& data, bool flush = true);

// A second handle on the open `file`, through which another thread flushes it: on Windows a
// synchronous handle serves one request at a time, so a flush through the writer's own handle would
// hold up its next line. False on failure, with LastError set; the caller then uses `file` itself.
bool OpenFlushHandle(Handle file, Handle& flush);

} // namespace clipvane::platform
