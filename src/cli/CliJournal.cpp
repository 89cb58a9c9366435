#include "cli/CliJournal.h"

#include <vector>

namespace clipvane::cli {

TResume LoadResume(const std::string& path, TJournalBatch& batch, std::string& error) {
    std::vector<std::string> unfinished;
    switch (ReadJournal(path, batch, unfinished)) {
    case TJournalRead::Missing:
        error = "no journal " + path + " (a batch that ended leaves none)";
        return TResume::Refused;
    case TJournalRead::NotAJournal:
        error = path + " is no journal of clipvane-cli";
        return TResume::Refused;
    case TJournalRead::Read:
        break;
    }
    batch.Files = std::move(unfinished);
    return batch.Files.empty() ? TResume::NothingLeft : TResume::Run;
}

bool CheckNewJournal(const std::string& path, std::string& error) {
    TJournalBatch batch;
    std::vector<std::string> unfinished;
    switch (ReadJournal(path, batch, unfinished)) {
    case TJournalRead::Missing:
        return true;
    case TJournalRead::NotAJournal:
        error = path + " exists and is no journal; name another file";
        return false;
    case TJournalRead::Read:
        break;
    }
    if (unfinished.empty())
        return true;
    error = path + " holds a batch that has not ended; take it up with --resume " + path + ", or remove it";
    return false;
}

} // namespace clipvane::cli
