#pragma once
// The command line of clipvane-cli.

#include <string>
#include <vector>

namespace clipvane::cli {

enum class TOverwrite { Ask, Yes, No };

struct TCliOptions {
    bool List = false;
    bool Help = false;
    bool Version = false;
    bool Machine = false;
    std::string Profile;
    bool HasProfile = false;
    std::string OutputDir; // empty: beside each input
    std::string FFmpeg;    // empty: the bare name
    TOverwrite Overwrite = TOverwrite::Ask;
    bool OverwriteGiven = false;
    unsigned Jobs = 1; // files converted at once; 0 asks for one per processor core
    bool KeepDates = false;
    std::string Journal; // --journal: where this batch keeps its journal
    std::string Resume;  // --resume: the journal of a batch to take up again
    std::vector<std::string> Files;
};

// Parses the arguments after the program name. On a usage error returns false with `error` set.
bool ParseCliArguments(const std::vector<std::string>& args, TCliOptions& options, std::string& error);

// Catalog captions closest to a text that selects nothing, best first.
std::vector<std::string> ClosestCaptions(const std::string& text, std::size_t count);

const char* CliUsage();
// The options and keys for long batches, shown after the usage.
const char* CliLongBatchUsage();

} // namespace clipvane::cli
