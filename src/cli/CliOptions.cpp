#include "cli/CliOptions.h"

#include "core/profiles/ProfileCatalog.h"

#include <QtGlobal>

#include <algorithm>
#include <cctype>

namespace clipvane::cli {

const char* CliUsage() {
    return QT_TRANSLATE_NOOP(
        "TCliOptions",
        "Usage: clipvane-cli --list\n"
        "       clipvane-cli -p PROFILE [-o DIR | --same-folder] [--ffmpeg PATH]\n"
        "                    [--overwrite ask|yes|no] [--jobs N] [--journal FILE] [--machine] FILE...\n"
        "       clipvane-cli --resume FILE [--ffmpeg PATH] [--overwrite ask|yes|no] [--jobs N] [--machine]\n"
        "\n"
        "Converts each FILE with the encoder, one after another unless --jobs says otherwise.\n"
        "\n"
        "  -p, --profile PROFILE   a profile caption as --list shows it, or a manual command\n"
        "                          line such as \"ffmpeg -i %1 -vn -ac 1 %1.wav\"\n"
        "  -o, --output DIR        write the outputs into DIR (created if missing)\n"
        "      --same-folder       write each output beside its input (the default)\n"
        "      --ffmpeg PATH       use this encoder instead of \"ffmpeg\" found on the search path\n"
        "      --overwrite MODE    ask before replacing an existing output (default on a terminal),\n"
        "                          or answer yes or no without asking (no: the default otherwise)\n"
        "                          a file kept by no is skipped, which is no failure\n"
        "  -j, --jobs N            convert up to N files at once (0: one per processor core;\n"
        "                          default 1), never more than 4 per core or than the limits\n"
        "                          on open files and processes allow\n"
        "      --journal FILE      keep the batch's journal in FILE, so that --resume can take\n"
        "                          up the batch should it be killed or interrupted\n"
        "      --resume FILE       convert the files of FILE's batch that had not ended, with\n"
        "                          its profile and folder; the journal goes once the batch ends\n"
        "      --machine           print one line per notice: progress/exit/signal/end/skipped/failed\n"
        "  -l, --list              list the profiles: group, caption, extension, arguments\n"
        "  -h, --help              show this help\n"
        "  -V, --version           show the version\n"
        "\n"
        "Exit status: 0 all converted, 1 some failed, 2 usage error, 3 the encoder could not\n"
        "be started, 130 interrupted.\n");
}

const char* CliLongBatchUsage() {
    return QT_TRANSLATE_NOOP("TCliOptions",
                             "\n"
                             "Long batches:\n"
                             "      --keep-dates        give each output its source's modification time\n"
                             "  Ctrl+Z pauses the encoders with the program; fg resumes them.\n");
}
namespace {
// A batch taken up again keeps its files, profile and folder: the journal has them.
bool CheckResume(const TCliOptions& options, bool sameFolder, std::string& error) {
    if (options.HasProfile || !options.OutputDir.empty() || sameFolder || !options.Files.empty() ||
        !options.Journal.empty()) {
        error = "--resume takes the files, the profile and the folder from its journal";
        return false;
    }
    return true;
}
} // namespace

bool ParseCliArguments(const std::vector<std::string>& args, TCliOptions& options, std::string& error) {
    bool sameFolder = false;
    bool onlyFiles = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&](std::string& into) {
            if (i + 1 >= args.size()) {
                error = "option " + arg + " needs a value";
                return false;
            }
            into = args[++i];
            return true;
        };
        if (onlyFiles || arg == "-" || arg.empty() || arg[0] != '-') {
            options.Files.push_back(arg);
        } else if (arg == "--") {
            onlyFiles = true;
        } else if (arg == "-l" || arg == "--list") {
            options.List = true;
        } else if (arg == "-h" || arg == "--help") {
            options.Help = true;
        } else if (arg == "-V" || arg == "--version") {
            options.Version = true;
        } else if (arg == "--machine") {
            options.Machine = true;
        } else if (arg == "--keep-dates") {
            options.KeepDates = true;
        } else if (arg == "--same-folder") {
            sameFolder = true;
        } else if (arg == "-p" || arg == "--profile") {
            if (!value(options.Profile))
                return false;
            options.HasProfile = true;
        } else if (arg == "-o" || arg == "--output") {
            if (!value(options.OutputDir))
                return false;
            if (options.OutputDir.empty()) {
                error = "the output folder is empty";
                return false;
            }
        } else if (arg == "--ffmpeg") {
            if (!value(options.FFmpeg))
                return false;
            if (options.FFmpeg.empty()) {
                error = "the encoder path is empty";
                return false;
            }
        } else if (arg == "-j" || arg == "--jobs") {
            std::string count;
            if (!value(count))
                return false;
            if (count.empty() || count.size() > 3 ||
                !std::all_of(count.begin(), count.end(), [](unsigned char c) { return std::isdigit(c); })) {
                error = "--jobs takes a number from 0 to 999, not \"" + count + "\"";
                return false;
            }
            options.Jobs = static_cast<unsigned>(std::stoul(count));
        } else if (arg == "--journal" || arg == "--resume") {
            std::string& into = arg == "--journal" ? options.Journal : options.Resume;
            if (!value(into))
                return false;
            if (into.empty()) {
                error = "the journal path is empty";
                return false;
            }
        } else if (arg == "--overwrite") {
            std::string mode;
            if (!value(mode))
                return false;
            if (mode == "ask")
                options.Overwrite = TOverwrite::Ask;
            else if (mode == "yes")
                options.Overwrite = TOverwrite::Yes;
            else if (mode == "no")
                options.Overwrite = TOverwrite::No;
            else {
                error = "--overwrite takes ask, yes or no, not \"" + mode + "\"";
                return false;
            }
            options.OverwriteGiven = true;
        } else {
            error = "unknown option " + arg;
            return false;
        }
    }
    if (sameFolder && !options.OutputDir.empty()) {
        error = "-o and --same-folder exclude each other";
        return false;
    }
    if (options.Help || options.Version || options.List)
        return true;
    if (!options.Resume.empty())
        return CheckResume(options, sameFolder, error);
    if (!options.HasProfile) {
        error = "no profile given (-p PROFILE; --list shows them)";
        return false;
    }
    if (options.Files.empty()) {
        error = "no input files given";
        return false;
    }
    return true;
}

namespace {
std::string Lower(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

std::vector<std::string> Words(const std::string& text) {
    std::vector<std::string> words;
    std::string word;
    for (const char c : text + ' ') {
        if (std::isalnum(static_cast<unsigned char>(c))) {
            word += c;
        } else if (!word.empty()) {
            words.push_back(word);
            word.clear();
        }
    }
    return words;
}

std::size_t EditDistance(const std::string& a, const std::string& b) {
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}
} // namespace

std::vector<std::string> ClosestCaptions(const std::string& text, std::size_t count) {
    const std::string wanted = Lower(text);
    const std::vector<std::string> words = Words(wanted);
    struct TScore {
        bool contains;
        std::size_t wordsFound;
        std::size_t distance;
        std::string_view caption;
    };
    std::vector<TScore> scored;
    for (const TProfile& profile : ProfileCatalog()) {
        const std::string caption = Lower(profile.Caption);
        // A caption that contains the text beats one sharing more words, which beats spelling distance.
        const bool contains = !wanted.empty() && caption.find(wanted) != std::string::npos;
        std::size_t found = 0;
        for (const std::string& word : words)
            found += caption.find(word) != std::string::npos ? 1 : 0;
        scored.push_back({contains, found, EditDistance(wanted, caption), profile.Caption});
    }
    std::stable_sort(scored.begin(), scored.end(), [](const TScore& a, const TScore& b) {
        if (a.contains != b.contains)
            return a.contains;
        if (a.wordsFound != b.wordsFound)
            return a.wordsFound > b.wordsFound;
        return a.distance < b.distance;
    });
    std::vector<std::string> out;
    for (std::size_t i = 0; i < scored.size() && i < count; ++i)
        out.emplace_back(scored[i].caption);
    return out;
}

} // namespace clipvane::cli
