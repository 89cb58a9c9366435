#include "core/FileEnd.h"

#include "core/Global.h"
#include "core/OutputParser.h"
#include "core/platform/Handle.h"

#include <QCoreApplication>

namespace clipvane {

namespace {

// What the user is told of a refused output: in the failure message box, and among the reasons.
struct TRefusal {
    const char* Message;
    const char* Reason;
};

TRefusal Refusal(TEndStatus status) {
    switch (status) {
    case TEndStatus::OutputReadOnly:
        return {QT_TRANSLATE_NOOP("TConvertBatch", "%1 is read-only, convert process failed!"),
                QT_TRANSLATE_NOOP("TConvertBatch", "%1 is read-only.")};
    case TEndStatus::OutputBadName:
        return {QT_TRANSLATE_NOOP("TConvertBatch", "%1 cannot be created (%2), convert process failed!"),
                QT_TRANSLATE_NOOP("TConvertBatch", "%1 cannot be created (%2).")};
    case TEndStatus::OutputInUse:
        return {QT_TRANSLATE_NOOP("TConvertBatch", "%1 may be used, convert process failed!"),
                QT_TRANSLATE_NOOP("TConvertBatch", "%1 may be used.")};
    case TEndStatus::OutputIsInput:
        return {QT_TRANSLATE_NOOP("TConvertBatch", "%1 is the input file itself, convert process failed!"),
                QT_TRANSLATE_NOOP("TConvertBatch", "%1 is the input file itself.")};
    case TEndStatus::OutputIsFolder:
        return {QT_TRANSLATE_NOOP("TConvertBatch", "%1 is a folder, convert process failed!"),
                QT_TRANSLATE_NOOP("TConvertBatch", "%1 is a folder.")};
    case TEndStatus::OutputNotReplaced:
        return {QT_TRANSLATE_NOOP("TConvertBatch", "%1 could not be replaced, convert process failed!"),
                QT_TRANSLATE_NOOP("TConvertBatch", "%1 could not be replaced.")};
    case TEndStatus::OutputIsBatchFile:
        return {QT_TRANSLATE_NOOP("TConvertBatch", "%1 is a file of this batch, convert process failed!"),
                QT_TRANSLATE_NOOP("TConvertBatch", "%1 is a file of this batch.")};
    case TEndStatus::OutputWrittenByBatch:
        return {QT_TRANSLATE_NOOP("TConvertBatch",
                                  "%1 was written by this batch already, convert process failed!"),
                QT_TRANSLATE_NOOP("TConvertBatch", "%1 was written by this batch already.")};
    // No message box: the batch goes on, and the summary names the file with its reason.
    case TEndStatus::NotStarted:
        return {nullptr, QT_TRANSLATE_NOOP("TConvertBatch",
                                           "%1 was not written: the encoder could not be started (%2).")};
    case TEndStatus::Finished:
        break;
    }
    // Also a number no runner posts: the file still fails, with its output named.
    return {nullptr, nullptr};
}

} // namespace

TFileOutcome OutcomeOf(const TProcessInfo& info) {
    if (info.Skipped)
        return TFileOutcome::Skipped;
    return info.Converted() ? TFileOutcome::Converted : TFileOutcome::Failed;
}

TFileEnd ClassifyEnd(const TProcessInfo& info, const std::string& output,
                     const std::string& anotherEncoderHint) {
    TFileEnd end;
    end.Outcome = OutcomeOf(info);
    if (end.Outcome == TFileOutcome::Failed)
        end.Reason = FailureReason(info, output, anotherEncoderHint);
    end.Message = RefusalText(info.EndStatus(), output, info.OSError);
    return end;
}

std::string RefusalText(TEndStatus status, const std::string& output, int osError) {
    const TRefusal refusal = Refusal(status);
    if (!refusal.Message)
        return {};
    return Substitute(Tr("TConvertBatch", refusal.Message), {output, platform::ErrorText(osError)});
}

std::vector<std::string> FailureReason(const TProcessInfo& info, const std::string& output,
                                       const std::string& anotherEncoderHint) {
    if (info.EndStatus() != TEndStatus::Finished) {
        const TRefusal refusal = Refusal(info.EndStatus());
        if (!refusal.Reason)
            return {output + "."};
        return {Substitute(Tr("TConvertBatch", refusal.Reason), {output, platform::ErrorText(info.OSError)})};
    }
    if (!info.Ran)
        return {Substitute(Tr("TConvertBatch", "%1 exists and was not overwritten."), {output})};
    if (info.NoOutput)
        return {Tr("TConvertBatch", "The encoder wrote no output file.")};
    std::vector<std::string> reason = info.Lines;
    // Said in the user's words: the encoder's own line names the encoder it lacks, not what to do.
    if (const std::string missing = MissingEncoder(info.Lines); !missing.empty()) {
        reason.push_back(Substitute(Tr("TConvertBatch", "This encoder has no %1 encoder."), {missing}));
        if (!anotherEncoderHint.empty())
            reason.push_back(anotherEncoderHint);
    }
    // A crash is worth saying even after lines that look harmless.
    if (info.ExitSignal != 0)
        reason.push_back(Substitute(Tr("TConvertBatch", "The encoder was ended by signal %1."),
                                    {std::to_string(info.ExitSignal)}));
    else if (!reason.empty())
        return reason;
    // What a shell says when it cannot find or run the program it was to start.
    else if (info.ExitCode == 127)
        reason.push_back(Tr("TConvertBatch", "The encoder could not be started (exit code 127)."));
    else if (info.ExitCode > 0)
        reason.push_back(Substitute(Tr("TConvertBatch", "The encoder ended with exit code %1."),
                                    {std::to_string(info.ExitCode)}));
    else if (info.ExitCode < 0)
        reason.push_back(Tr("TConvertBatch", "The encoder ended in an unknown way."));
    else
        reason.push_back(Tr("TConvertBatch", "The encoder ended without converting anything."));
    return reason;
}

} // namespace clipvane
