#pragma once
// The file the encoder writes while it converts: a fresh name beside the output that becomes the
// output only once the file has converted. A stopped, failed or crashed encoder never leaves a
// half-written file under the output's name, and an older output it was to replace stays until then.

#include <string>

namespace clipvane {

// A name that does not exist yet, in the output's folder, ending in the output's extension (so the
// encoder picks the same format): "<folder>/.<stem>.clipvane-<16 hex digits><ext>".
std::string WorkFileFor(const std::string& output);

// True when `name` (a file name without folder) is a work file of the output named `outputName`.
bool IsWorkFileOf(const std::string& name, const std::string& outputName);

// Deletes the work files of `output` that a crashed or killed program left behind: those no process
// holds open. A running encoder's work file stays.
void RemoveStaleWorkFiles(const std::string& output);

} // namespace clipvane
