#pragma once
// What it takes to prove that a file is a leftover of a run of this program that has died: who wrote
// it (this machine, a process and its start), a lock the writer holds while it lives, and a mark
// that names the very file it was put on, so that a copy under the same name does not carry it.

#include "core/platform/Handle.h"

#include <cstdint>
#include <string>

namespace clipvane::platform {

// This machine: its host name and, where the OS keeps one, the id of its installation.
std::string MachineIdentity();

std::int64_t OwnProcessId();

enum class ProcessLife { Running, Gone, Unknown };

// Whether the process `pid` runs; when it does, `stamp` tells it apart from every other process that
// had or will have that id on this machine (Linux: the boot and the start time). Unknown when the OS
// will not say (another user's process hidden from us, say).
ProcessLife ProcessStart(std::int64_t pid, std::string& stamp);

// Opens an existing regular file, never through a link, and takes its exclusive lock without waiting:
// an open-file-description lock on Linux, which NFS passes on to the server; LockFileEx on Windows,
// on a byte far past any data, so that the writer's own writes are never refused. The lock lasts
// while `lock` is open. False when another holds it or the file cannot be opened.
bool TryLockFile(const std::string& path, Handle& lock);

// Who the locked file is on its volume (device, index and, where the file system keeps it, birth):
// the file itself, which a copy under the same name is not. Empty on failure.
std::string LockedFileIdentity(Handle lock);

// The mark kept with the file (an extended attribute; Windows: a named stream), not in its data.
// False where the file system keeps none.
bool WriteOwnerMark(Handle lock, const std::string& path, const std::string& mark);
bool ReadOwnerMark(Handle lock, const std::string& path, std::string& mark);
void ClearOwnerMark(Handle lock, const std::string& path);

// True when the locked file belongs to the user this program runs as (Windows: always; an other
// user's file there is refused by its permissions).
bool LockedFileIsOurs(Handle lock);

// Deletes the file at `path` if it still is the locked file, and closes the lock.
bool RemoveLockedFile(Handle& lock, const std::string& path);

// The file's identity on its volume, following links; false when it does not exist.
bool FileId(const std::string& path, std::uint64_t& volume, std::uint64_t& index);

} // namespace clipvane::platform
