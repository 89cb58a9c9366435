// clipvane-cli: the catalog and the batch of the desktop program, from a terminal.
#include "cli/CliJournal.h"
#include "cli/CliOptions.h"
#include "cli/CliSession.h"
#include "cli/ConsoleOutput.h"
#include "core/Path.h"
#include "core/Settings.h"
#include "core/Translations.h"
#include "core/platform/Console.h"
#include "core/platform/Files.h"
#include "core/profiles/ProfileCatalog.h"

#include <QCoreApplication>
#include <QTimer>

#include <iostream>
#include <thread>

using namespace clipvane;
using namespace clipvane::cli;

namespace {

void PrintList() {
    for (const TProfile& profile : ProfileCatalog())
        std::cout << profile.GroupCaption << '\t' << profile.Caption << '\t' << profile.OutputExt << '\t'
                  << profile.FFmpegParams << '\n';
    std::cout << std::flush;
}

int UsageError(const std::string& message) {
    std::cerr << "clipvane-cli: " << message << "\nTry 'clipvane-cli --help' for more information.\n";
    return kExitUsage;
}

} // namespace

int main(int argc, char* argv[]) {
    platform::CoverStandardStreams(); // before the journal, or Qt's own files, can take 1 or 2
    QCoreApplication app(argc, argv);
    // Bytes as given on Linux (a file name need not be valid UTF-8, and a trip through QString would
    // change it); the whole names on Windows, whatever the ANSI code page.
    std::vector<std::string> args = platform::ProgramArguments(argc, argv);
    if (!args.empty())
        args.erase(args.begin());
    TConsoleOutput out(std::cout, platform::TStream::Output);
    TConsoleOutput err(std::cerr, platform::TStream::Error);

    TCliOptions options;
    std::string error;
    if (!ParseCliArguments(args, options, error))
        return UsageError(error);
    if (options.Help) {
        // The only text that follows the user's language: the rest is read by scripts.
        LoadTranslations(QLocale::system());
        std::cout << QCoreApplication::translate("TCliOptions", CliUsage()).toStdString()
                  << QCoreApplication::translate("TCliOptions", CliLongBatchUsage()).toStdString();
        return kExitConverted;
    }
    if (options.Version) {
        std::cout << "clipvane-cli " << CLIPVANE_VERSION << '\n';
        return kExitConverted;
    }
    if (options.List) {
        PrintList();
        return kExitConverted;
    }

    ConversionJob job;
    std::vector<std::string> files;
    std::string outputFolder;
    TJournalBatch journaled;
    std::string journalPath;
    if (!options.Resume.empty()) {
        journalPath = AbsolutePath(options.Resume);
        switch (LoadResume(journalPath, journaled, error)) {
        case TResume::Refused:
            return UsageError(error);
        case TResume::NothingLeft:
            platform::RemoveFile(journalPath);
            std::cerr << "clipvane-cli: every file of the batch in " << journalPath << " has ended\n";
            return kExitConverted;
        case TResume::Run:
            break;
        }
        job = journaled.Job;
        files = journaled.Files;
        if (!journaled.SameInput) {
            outputFolder = journaled.OutputFolder;
            if (!platform::ForceDirectories(outputFolder))
                return UsageError("cannot create the output folder " + outputFolder);
        }
    } else {
        job.OutputExt = GetOutputExt(options.Profile);
        job.FFmpegParams = GetFFmpegParams(options.Profile);
        if (job.OutputExt.empty() || job.FFmpegParams.empty()) {
            std::string message = "no profile \"" + options.Profile + "\". Closest:";
            for (const std::string& caption : ClosestCaptions(options.Profile, 3))
                message += "\n  " + caption;
            return UsageError(message);
        }
        for (const std::string& file : options.Files)
            files.push_back(AbsolutePath(file));
        if (!options.OutputDir.empty()) {
            outputFolder = AbsolutePath(options.OutputDir);
            if (!platform::ForceDirectories(outputFolder))
                return UsageError("cannot create the output folder " + outputFolder);
        }
        journaled.SameInput = options.OutputDir.empty();
        if (!options.Journal.empty()) {
            journalPath = AbsolutePath(options.Journal);
            if (!CheckNewJournal(journalPath, error))
                return UsageError(error);
        }
    }
    if (!options.FFmpeg.empty() || options.Resume.empty()) {
        job.NotUseAnotherFFmpeg = options.FFmpeg.empty();
        // Absolute, so that no relative name can be taken for an encoder option.
        job.FFmpegPath = options.FFmpeg.empty() ? std::string() : AbsolutePath(options.FFmpeg);
    }
    job.AnotherEncoderHint = "Choose another one with --ffmpeg PATH.";
    // A batch taken up again keeps its own choice; --keep-dates may add it.
    job.KeepDates = job.KeepDates || options.KeepDates;
    if (!options.OverwriteGiven)
        options.Overwrite = platform::IsTerminal(platform::TStream::Input) ? TOverwrite::Ask : TOverwrite::No;
    // yes and no are standing answers: a file kept by "no" is skipped, not failed. A batch taken up
    // again keeps its own, unless told otherwise.
    if (options.Resume.empty() || options.OverwriteGiven || job.ExistingOutput == TExistingOutput::Ask)
        job.ExistingOutput = options.Overwrite == TOverwrite::Yes  ? TExistingOutput::Replace
                             : options.Overwrite == TOverwrite::No ? TExistingOutput::Skip
                                                                   : TExistingOutput::Ask;

    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    const std::size_t jobs =
        RunnersFor(static_cast<std::int32_t>(options.Jobs), files.size(), cores, EncodersAllowed(cores));
    if (options.Jobs > jobs && files.size() > jobs && !options.Machine)
        std::cerr << "clipvane-cli: " << jobs << " files at once, the most this machine allows\n";
    TBatchJournal journal;
    if (!journalPath.empty()) {
        journaled.Job = job;
        journaled.Profile = options.Resume.empty() ? options.Profile : journaled.Profile;
        journaled.OutputFolder = outputFolder;
        journaled.Files = files;
        if (!journal.Begin(journalPath, journaled)) {
            std::cerr << "clipvane-cli: " << JournalFailureText(journalPath, journal) << '\n';
            // Two runs converting the same files side by side would only collide.
            if (journal.InUse())
                return kExitUsage;
        }
        journal.OnFailure = [&journalPath, &journal](int) {
            std::cerr << "clipvane-cli: " << JournalFailureText(journalPath, journal) << std::endl;
        };
    }
    const bool sameFolder = options.Resume.empty() ? options.OutputDir.empty() : journaled.SameInput;
    TCliSession session(options, std::move(job), std::move(files), sameFolder, outputFolder, jobs);
    session.KeepJournal(journal);
    QObject::connect(&session, &TCliSession::finished, &app, [&app](int code) { app.exit(code); });
    // Begin inside the loop, so that a batch that ends at once still reaches exit().
    QTimer::singleShot(0, &session, &TCliSession::Begin);
    return app.exec();
}
