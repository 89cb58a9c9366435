#include "core/CommandLine.h"

#include "core/platform/Files.h"

namespace clipvane {

std::string ComposeCommandLine(bool notUseAnotherFFmpeg, const std::string& ffmpegPath, bool overwrite,
                               const std::string& inputFile, const std::string& ffmpegParams,
                               const std::string& outputFile) {
    std::string line = notUseAnotherFFmpeg ? std::string("ffmpeg ") : "\"" + ffmpegPath + "\" ";
    if (overwrite)
        line += "-y ";
    line += "-i \"" + inputFile + "\" ";
    line += ffmpegParams;
    line += "\"" + outputFile + "\"";
    return line;
}

std::vector<std::string> SplitArguments(const std::string& arguments) {
    std::vector<std::string> result;
    const char* p = arguments.c_str();
    const char* const end = p + arguments.size();
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    for (;;) {
        while (p < end && blank(*p))
            ++p;
        if (p >= end)
            break;
        std::string arg;
        bool quoted = false;
        for (;;) {
            bool copy = true;
            std::size_t slashes = 0;
            while (p < end && *p == '\\') {
                ++p;
                ++slashes;
            }
            if (p < end && *p == '"') {
                if (slashes % 2 == 0) {
                    if (quoted && p + 1 < end && p[1] == '"')
                        ++p; // "" inside quotes is a literal quote, and the quotes go on
                    else {
                        copy = false;
                        quoted = !quoted;
                    }
                }
                slashes /= 2;
            }
            arg.append(slashes, '\\');
            if (p >= end || (!quoted && blank(*p)))
                break;
            if (copy)
                arg += *p;
            ++p;
        }
        result.push_back(std::move(arg));
    }
    return result;
}

std::vector<std::string> ComposeArguments(bool notUseAnotherFFmpeg, const std::string& ffmpegPath,
                                          bool overwrite, const std::string& inputFile,
                                          const std::string& ffmpegParams, const std::string& outputFile) {
    std::vector<std::string> argv{notUseAnotherFFmpeg ? std::string(platform::EncoderFileName())
                                                      : ffmpegPath};
    if (overwrite)
        argv.emplace_back("-y");
    argv.emplace_back("-i");
    argv.push_back(inputFile);
    for (std::string& arg : SplitArguments(ffmpegParams))
        argv.push_back(std::move(arg));
    argv.push_back(outputFile);
    return argv;
}

} // namespace clipvane
