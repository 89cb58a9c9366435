#pragma once
// The encoder's command line: the one string shown to users and given to Windows, and the argv
// that POSIX gets, built from the same job fields.

#include <string>
#include <vector>

namespace clipvane {

// Builds the encoder command line exactly as shown to users and Windows.
std::string ComposeCommandLine(bool notUseAnotherFFmpeg, const std::string& ffmpegPath, bool overwrite,
                               const std::string& inputFile, const std::string& ffmpegParams,
                               const std::string& outputFile);

// Splits an argument string the way the Windows C runtime splits a command line.
std::vector<std::string> SplitArguments(const std::string& arguments);

// The child's argv: the paths stay single elements, so no file name can smuggle in an option.
std::vector<std::string> ComposeArguments(bool notUseAnotherFFmpeg, const std::string& ffmpegPath,
                                          bool overwrite, const std::string& inputFile,
                                          const std::string& ffmpegParams, const std::string& outputFile);

} // namespace clipvane
