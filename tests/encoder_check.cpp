// What the encoder sees and says on Windows: the composed command line reaches it exactly and splits
// into the arguments a Linux encoder is given, and its progress, written through a text-mode C runtime,
// parses as the same output does on Linux. The encoder is fake_encoder.exe from this program's folder.

#include "Check.h"
#include "CheckWindows.h"
#include "core/CommandLine.h"
#include "core/OutputParser.h"
#include "core/platform/Files.h"
#include "core/profiles/ProfileCatalog.h"

#include <string>
#include <vector>

namespace {

using namespace clipvane;
using namespace clipvane::check;

std::string g_fake;

struct TSeen {
    std::string Line;
    std::vector<std::string> Args;
};

// The fake encoder's "line:" and "arg:" records, appended to its output file.
TSeen SeenBy(const std::string& outputFile) {
    TSeen seen;
    const std::string records = ReadBytes(outputFile);
    for (std::size_t start = 0; start < records.size();) {
        const std::size_t end = std::min(records.find('\n', start), records.size());
        const std::string record = records.substr(start, end - start);
        if (record.starts_with("line:"))
            seen.Line = record.substr(5);
        else if (record.starts_with("arg:"))
            seen.Args.push_back(record.substr(4));
        start = end + 1;
    }
    return seen;
}

std::string Listed(const std::vector<std::string>& args) {
    std::string text;
    for (const std::string& arg : args)
        text += "[" + arg + "]";
    return text;
}

struct TCommandRow {
    std::string Name;
    bool NotUseAnotherFFmpeg = false;
    bool Overwrite = false;
    std::string Input;
    std::string Params;
    std::string Output;
};

void CommandLineReachesTheEncoder() {
    const std::string folder = ScratchFolder("command line " + kForeignName);
    const std::string another = folder + "my encoders " + kForeignName + "\\ffmpeg.exe";
    platform::ForceDirectories(folder + "my encoders " + kForeignName);
    Check(::CopyFileW(Wide(g_fake).c_str(), Wide(another).c_str(), FALSE) != 0,
          "an encoder is put in a folder with blanks and foreign letters");
    // The bare name "ffmpeg" is looked up beside the program first.
    const std::string beside = platform::ProgramFolder() + "ffmpeg.exe";
    Check(::CopyFileW(Wide(g_fake).c_str(), Wide(beside).c_str(), FALSE) != 0,
          "an encoder is put beside the program");

    std::vector<TCommandRow> rows = {
        {"blanks in every path", false, false, folder + "in put  file.avi", "-vn ", folder + "out put.mp3"},
        {"foreign letters in every path", false, true, folder + kForeignName + ".avi", "-c:v libx264 ",
         folder + kForeignName + " out.mp4"},
        {"the bare name runs the encoder beside the program", true, true, folder + "clip.avi", "-vn ",
         folder + "clip.wav"},
    };
    for (const TProfile& profile : ProfileCatalog()) {
        if (profile.FFmpegParams.find("  ") != std::string_view::npos)
            rows.push_back({"doubled blanks of " + std::string(profile.Caption), false, false,
                            folder + "in.avi", std::string(profile.FFmpegParams),
                            folder + "out" + std::string(profile.OutputExt)});
    }

    for (const TCommandRow& row : rows) {
        const std::string params = "--write-args " + row.Params;
        const std::string line = ComposeCommandLine(row.NotUseAnotherFFmpeg, another, row.Overwrite,
                                                    row.Input, params, row.Output);
        std::vector<std::string> expected =
            ComposeArguments(row.NotUseAnotherFFmpeg, another, row.Overwrite, row.Input, params, row.Output);
        // The first argument is the program as the line names it.
        expected.front() = row.NotUseAnotherFFmpeg ? "ffmpeg" : another;
        ::DeleteFileW(Wide(row.Output).c_str());

        const TChildRun run = RunChild(line);
        const TSeen seen = SeenBy(row.Output);
        Check(run.Exited && seen.Line == line, row.Name + ": the command line arrives unchanged",
              "sent: " + line + "\n     seen: " + seen.Line);
        Check(seen.Args == expected, row.Name + ": the arguments are the ones a Linux encoder gets",
              "expected: " + Listed(expected) + "\n     seen:     " + Listed(seen.Args));
    }
    ::DeleteFileW(Wide(beside).c_str());
}

// A clock that moves one second per reading, so both parses see the same times.
double NextSecond(void* context) {
    double& now = *static_cast<double*>(context);
    now += 1.0 / 86400.0;
    return now;
}

std::vector<TProcessInfo> Parsed(const std::vector<std::string>& chunks) {
    std::vector<TProcessInfo> reports;
    TParseState state;
    double now = 45000.0;
    for (const std::string& chunk : chunks)
        ParseOutput(chunk, state, &NextSecond, &now,
                    [&](const TProcessInfo& info) { reports.push_back(info); });
    return reports;
}

std::string Listed(const std::vector<TProcessInfo>& reports) {
    std::string text;
    for (const TProcessInfo& r : reports)
        text += "[" + std::to_string(r.Percent) + " " + r.TimeElapsed + " " + r.TimeEstimated + "]";
    return text;
}

// Undoes the C runtime's text mode, giving the bytes the same program writes on Linux.
std::string AsOnLinux(std::string bytes) {
    for (std::size_t p = 0; (p = bytes.find("\r\n", p)) != std::string::npos;)
        bytes.erase(p, 1);
    return bytes;
}

void ProgressInTextModeParsesAsOnLinux() {
    const std::string folder = ScratchFolder("progress");
    struct TRow {
        const char* Name;
        const char* Eol;
        const char* Present; // what the text mode makes of the line end
        const char* Absent;
    };
    const TRow rows[] = {
        {"lines ending in CR LF", "crlf", "x\r\r\n", "x\r\n"},
        {"lines ending in LF", "lf", "x\r\n", "\r\r"},
        {"progress ending in CR", "cr", "x\r", "\n"},
    };
    for (const TRow& row : rows) {
        const std::string line = "\"" + g_fake + "\" -i \"in.avi\" --eol " + row.Eol +
                                 " --duration 00:00:10.00 --time 00:00:02.50 --time 00:00:05.00"
                                 " --time 00:00:10.00 \"" +
                                 folder + "out.mp4\"";
        const TChildRun run = RunChild(line);
        const std::string bytes = Joined(run.Err);
        Check(run.Exited && bytes.find(row.Present) != std::string::npos &&
                  bytes.find(row.Absent) == std::string::npos,
              std::string(row.Name) + ": the encoder's line ends arrive as the text mode writes them");
        const std::vector<TProcessInfo> windows = Parsed(run.Err);
        const std::vector<TProcessInfo> linux = Parsed({AsOnLinux(bytes)});
        Check(windows.size() == 3 && windows.front().Percent == 20 && windows.back().Percent == 100,
              std::string(row.Name) + ": every progress line is reported", Listed(windows));
        Check(Listed(windows) == Listed(linux),
              std::string(row.Name) + ": the reports are those of Linux output",
              "windows: " + Listed(windows) + "\n     linux:   " + Listed(linux));
    }
}

} // namespace

int main() {
    g_fake = platform::ProgramFolder() + "fake_encoder.exe";
    if (!Check(platform::FileExists(g_fake), "the fake encoder is beside this check"))
        return Summary();
    CommandLineReachesTheEncoder();
    ProgressInTextModeParsesAsOnLinux();
    return Summary();
}
