#pragma once
// The file the encoder writes while it converts: a fresh name beside the output that becomes the
// output only once the file has converted. A stopped, failed or crashed encoder never leaves a
// half-written file under the output's name, and an older output it was to replace stays until then.

#include "core/platform/Handle.h"

#include <cstdint>
#include <string>

namespace clipvane {

// A name that does not exist yet, in the output's folder, ending in the output's extension (so the
// encoder picks the same format), that says who writes it:
// "<folder>/.<stem>.clipvane-<hash of the output's name>-<machine>-<process id>-<process
// start>-<random><ext>" (hashes in lower-case hex; the stem is cut to 160 bytes, the hash keeps long names
// apart).
std::string WorkFileFor(const std::string& output);

// The same for another running process of this machine, as if it were the writer; empty when it
// does not run.
std::string WorkFileFor(const std::string& output, std::int64_t writerPid);

// True when `name` (a file name without folder) is a work file of the output named `outputName`.
bool IsWorkFileOf(const std::string& name, const std::string& outputName);

// Deletes the work files in the output's folder that a crashed or killed run of this program left:
// only a name of the form above written by a process of this machine that provably no longer runs,
// a file of this user whose lock nobody holds, and that carries the mark its writer put on that very
// file (so a copy under the same name stays). Whatever cannot be proved stays. A folder is looked
// through at most once a minute, so that a big batch does not read it at every file.
void RemoveStaleWorkFiles(const std::string& output);

// The writer's hold on its work file, from the moment the encoder has created it until the file is
// renamed or removed: the lock another run's cleanup cannot take, and the mark that proves the file
// was ours should we die.
class TWorkFileLock final {
public:
    TWorkFileLock() = default;
    TWorkFileLock(const TWorkFileLock&) = delete;
    TWorkFileLock& operator=(const TWorkFileLock&) = delete;
    ~TWorkFileLock() { Release(); }

    // False while the file does not exist yet (or someone else holds it).
    bool TryTake(const std::string& workFile);
    bool Held() const { return m_handle != platform::kNoHandle; }
    // Takes the mark off and lets go: the file is about to be renamed or removed.
    void Release();

private:
    platform::Handle m_handle = platform::kNoHandle;
    std::string m_path;
};

} // namespace clipvane
