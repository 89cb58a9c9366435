#pragma once
// What the main window (or the console front end) hands to a batch besides its list of files.

#include "core/Question.h"

#include <string>
#include <vector>

namespace clipvane {

struct ConversionJob {
    std::string OutputExt;    // with its dot, e.g. ".mp3"
    std::string FFmpegParams; // the profile's argument string, passed to the encoder verbatim
    std::string FFmpegPath;   // another encoder's executable; ignored while NotUseAnotherFFmpeg
    bool NotUseAnotherFFmpeg = true;
    TExistingOutput ExistingOutput = TExistingOutput::Ask;
    // How this front end chooses another encoder, said when the encoder lacks one a profile names.
    std::string AnotherEncoderHint;
    // Each converted output takes its source's modification time.
    bool KeepDates = false;
    // Outputs the batch wrote before it was taken up again: no later file of it may replace them.
    std::vector<std::string> WrittenBefore;
};

} // namespace clipvane
