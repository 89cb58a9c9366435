#pragma once
// What a file's end notice means for the file: converted, failed and why, or skipped.

#include "core/ProcessInfo.h"

#include <cstdint>
#include <string>
#include <vector>

namespace clipvane {

enum class TFileOutcome { Converted, Failed, Skipped };

struct TFileEnd {
    TFileOutcome Outcome = TFileOutcome::Failed;
    std::vector<std::string> Reason; // why it failed, one line each; empty unless it failed
    std::string Message;             // a refused output, to be said at once; empty when none was
};

// Whether an end notice's file converted, failed or was skipped. A notice says nothing of a Stop:
// one that arrives after it is the batch's to ignore.
TFileOutcome OutcomeOf(const TProcessInfo& info);

// The notice's file judged in full. `output` is the path the file was to be written to; when the
// encoder lacks an encoder the profile names, the reason says so, followed by `anotherEncoderHint`.
TFileEnd ClassifyEnd(const TProcessInfo& info, const std::string& output,
                     const std::string& anotherEncoderHint = {});

// What the user is told when the file was refused with this end-notice status, for the output
// `output`; empty for a status that is no refusal or that waits for the summary.
std::string RefusalText(TEndStatus status, const std::string& output, int osError = 0);

// Why a file failed, from its end notice: the encoder's last lines when it rejected the file, else
// the batch's own reason.
std::vector<std::string> FailureReason(const TProcessInfo& info, const std::string& output,
                                       const std::string& anotherEncoderHint = {});

} // namespace clipvane
