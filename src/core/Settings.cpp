#include "core/Settings.h"

#include "core/Global.h"
#include "core/IniFile.h"
#include "core/Path.h"
#include "core/platform/Files.h"

#include <algorithm>
#include <array>

namespace clipvane {

namespace {

// One row per key, in the order the keys are read and written.
struct TSettingKey {
    const char* name;
    std::string TSettings::*text = nullptr;
    bool TSettings::*flag = nullptr;
    std::int32_t TSettings::*count = nullptr; // zero or more; anything else reads as the default
};

// ConvertAtOnce comes after the designed keys, so files written by the one-at-a-time program read
// unchanged.
const std::array<TSettingKey, 8> kKeys = {{
    {"OutputDirectory", &TSettings::OutputDirectory},
    {"OutputFormat", &TSettings::OutputFormat},
    {"SameInput", nullptr, &TSettings::SameInput},
    {"AnotherFFmpeg", &TSettings::AnotherFFmpeg},
    {"NotUseAnotherFFmpeg", nullptr, &TSettings::NotUseAnotherFFmpeg},
    {"ConvertAtOnce", nullptr, nullptr, &TSettings::ConvertAtOnce},
    {"KeepDates", nullptr, &TSettings::KeepDates},
    {"WhenOutputExists", nullptr, nullptr, &TSettings::WhenOutputExists},
}};

TIniFile SettingsFile(const std::string& folder) {
    return TIniFile(folder + kSettingsFileName);
}

} // namespace

namespace {
std::string ProductFolder(const std::string& appDataFolder) {
    const char separator = platform::PathSeparator();
    return WithSeparator(appDataFolder) + "Tarvix" + separator + "Clipvane" + separator;
}
} // namespace

std::string SettingsFolder(const std::string& appDataFolder, const std::string& programFolder) {
    return FindSettingsPlace(appDataFolder, std::string(), programFolder).Folder;
}

TSettingsPlace FindSettingsPlace(const std::string& appDataFolder, const std::string& fallbackFolder,
                                 const std::string& programFolder) {
    TSettingsPlace place;
    if (!appDataFolder.empty()) {
        place.Folder = ProductFolder(appDataFolder);
        if (platform::ForceDirectories(place.Folder))
            return place;
        place.Missed = place.Folder;
    }
    place.FellBack = true;
    if (!fallbackFolder.empty() && fallbackFolder != appDataFolder) {
        place.Folder = ProductFolder(fallbackFolder);
        if (platform::ForceDirectories(place.Folder))
            return place;
    }
    place.Folder = programFolder;
    return place;
}

std::string DefaultSettingsFolder() {
    return DefaultSettingsPlace().Folder;
}

TSettingsPlace DefaultSettingsPlace() {
    // The fallback is only looked for when needed: it may create a folder.
    const std::string appData = GetAppDataFolder();
    if (!appData.empty())
        if (TSettingsPlace place = FindSettingsPlace(appData, std::string(), std::string()); !place.FellBack)
            return place;
    return FindSettingsPlace(appData, platform::FallbackAppDataFolder(), platform::ProgramFolder());
}

std::string SettingsPlaceNotice(const TSettingsPlace& place) {
    if (!place.FellBack)
        return {};
    const std::string missed = place.Missed.empty()
                                   ? Tr("TSettings", "the user's settings folder (the system names none)")
                                   : place.Missed;
    return Substitute(Tr("TSettings", "The settings could not be saved in %1; they are saved in %2."),
                      {missed, place.Folder + kSettingsFileName});
}

TSettings LoadSettings(const std::string& folder) {
    TSettings defaults;
    defaults.OutputDirectory = folder;
    const TIniFile ini = SettingsFile(folder);
    TSettings settings;
    for (const auto& key : kKeys) {
        if (key.text)
            settings.*key.text = ini.ReadString(kSettingsSection, key.name, defaults.*key.text);
        else if (key.flag)
            settings.*key.flag = ini.ReadBool(kSettingsSection, key.name, defaults.*key.flag);
        else {
            const std::int32_t count = ini.ReadInteger(kSettingsSection, key.name, defaults.*key.count);
            settings.*key.count = count < 0 ? defaults.*key.count : count;
        }
    }
    if (settings.WhenOutputExists > 2)
        settings.WhenOutputExists = defaults.WhenOutputExists;
    return settings;
}

void SaveSettings(const std::string& folder, const TSettings& settings) {
    TIniFile ini = SettingsFile(folder);
    for (const auto& key : kKeys) {
        if (key.text)
            ini.WriteString(kSettingsSection, key.name, settings.*key.text);
        else if (key.flag)
            ini.WriteBool(kSettingsSection, key.name, settings.*key.flag);
        else
            ini.WriteString(kSettingsSection, key.name, std::to_string(settings.*key.count));
    }
}

std::string ChooseOutputDirectory(const std::string& boxText, const std::string& remembered) {
    return platform::DirectoryExists(boxText) ? boxText : remembered;
}

std::size_t RunnersFor(std::int32_t convertAtOnce, std::size_t files, unsigned cores, std::size_t allowed) {
    const std::size_t perCore = kRunnersPerCore * std::max(1u, cores);
    const std::size_t wanted =
        convertAtOnce == 0 ? std::max(1u, cores) : static_cast<std::size_t>(std::max(1, convertAtOnce));
    return std::max<std::size_t>(std::min({wanted, perCore, allowed, files}), 1);
}

} // namespace clipvane
