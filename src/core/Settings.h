#pragma once
// The main window's choices kept between runs, in "settings.ini" of the per-user settings folder.
// Everything here takes explicit folders, so the window's load/save is a thin call and tests never
// touch the user's own file.

#include <cstddef>
#include <cstdint>
#include <string>

namespace clipvane {

struct TSettings {
    std::string OutputDirectory;
    std::string OutputFormat;
    bool SameInput = false;
    std::string AnotherFFmpeg;
    bool NotUseAnotherFFmpeg = true;
    // Files converted at once by the desktop program: 1 one after another, 0 one per processor
    // core, N up to N (as the machine allows: see RunnersFor).
    std::int32_t ConvertAtOnce = 1;
    // Each converted output takes its source's modification time.
    bool KeepDates = false;
    // When an output exists: 0 ask (as designed), 1 replace, 2 skip; anything else reads as 0.
    std::int32_t WhenOutputExists = 0;

    bool operator==(const TSettings&) const = default;
};

inline constexpr const char* kSettingsFileName = "settings.ini";
inline constexpr const char* kSettingsSection = "Options";

// `appDataFolder` + "Tarvix/Clipvane/", created with its parents when missing; `programFolder` when
// `appDataFolder` is empty or the folder cannot be created. Both folders end with a separator.
std::string SettingsFolder(const std::string& appDataFolder, const std::string& programFolder);

// The settings folder of the user's application-data folder and this program's folder.
std::string DefaultSettingsFolder();

// Where the settings go, and where they could not.
struct TSettingsPlace {
    std::string Folder;    // the settings folder in use, ending with a separator
    bool FellBack = false; // the application-data folder could not take them
    std::string Missed;    // the settings folder that could not be used; empty when the OS names none
};

// `appDataFolder`'s settings folder; when that is empty or cannot be created, `fallbackFolder`'s (a
// folder of the user's own), and only then `programFolder`.
TSettingsPlace FindSettingsPlace(const std::string& appDataFolder, const std::string& fallbackFolder,
                                 const std::string& programFolder);
TSettingsPlace DefaultSettingsPlace();

// What the user is told when the settings are saved somewhere else than where they belong; empty
// when they are where they belong.
std::string SettingsPlaceNotice(const TSettingsPlace& place);

// The values of `folder`'s settings file; a missing file or key gives the default, and the
// default output folder is `folder` itself.
TSettings LoadSettings(const std::string& folder);

// Writes the values, each reaching the disk at once. Throws Exception("Unable to write to ...")
// when the file cannot be written; the values after the failing one are then not written.
void SaveSettings(const std::string& folder, const TSettings& settings);

// The output folder to remember at close: the box's text when it names an existing folder, else the
// folder remembered before.
std::string ChooseOutputDirectory(const std::string& boxText, const std::string& remembered);

// At most this many files convert at once per processor core: more only share the same cores.
inline constexpr std::size_t kRunnersPerCore = 4;

// How many runners a batch of `files` uses for the value of "ConvertAtOnce" (or --jobs) on a machine
// with `cores` processor cores where `allowed` encoders can run at once: at least one, never more than
// there are files, four per core or `allowed`.
std::size_t RunnersFor(std::int32_t convertAtOnce, std::size_t files, unsigned cores, std::size_t allowed);

} // namespace clipvane
