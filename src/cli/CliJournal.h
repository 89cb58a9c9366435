#pragma once
// The journal clipvane-cli keeps with --journal, and the batch that --resume takes up again.

#include "core/BatchJournal.h"

#include <string>

namespace clipvane::cli {

enum class TResume { Run, NothingLeft, Refused };

// For --resume: the journal's batch in `batch`, its files cut down to those that have not ended.
// Refused with `error` set when `path` holds no journal.
TResume LoadResume(const std::string& path, TJournalBatch& batch, std::string& error);

// For --journal: false with `error` set when `path` holds something a new journal must not replace:
// a file that is no journal, or the journal of a batch that has not ended.
bool CheckNewJournal(const std::string& path, std::string& error);

} // namespace clipvane::cli
