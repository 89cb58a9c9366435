#include "core/Settings.h"

#include "core/Global.h"
#include "core/IniFile.h"
#include "core/platform/Platform.h"

#include <array>

namespace clipvane {

namespace {

// One row per key, in the order the keys are read and written.
struct TSettingKey {
    const char* name;
    std::string TSettings::*text = nullptr;
    bool TSettings::*flag = nullptr;
};

const std::array<TSettingKey, 5> kKeys = {{
    {"OutputDirectory", &TSettings::OutputDirectory},
    {"OutputFormat", &TSettings::OutputFormat},
    {"SameInput", nullptr, &TSettings::SameInput},
    {"AnotherFFmpeg", &TSettings::AnotherFFmpeg},
    {"NotUseAnotherFFmpeg", nullptr, &TSettings::NotUseAnotherFFmpeg},
}};

TIniFile SettingsFile(const std::string& folder) {
    return TIniFile(folder + kSettingsFileName);
}

} // namespace

namespace {
std::string ProductFolder(const std::string& appDataFolder) {
    const char separator = platform::PathSeparator();
    std::string folder = appDataFolder;
    if (folder.back() != separator && folder.back() != '/')
        folder += separator;
    return folder + "Tarvix" + separator + "Clipvane" + separator;
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
    const std::string missed =
        place.Missed.empty() ? "the user's settings folder (the system names none)" : place.Missed;
    return "The settings could not be saved in " + missed + "; they are saved in " + place.Folder +
           kSettingsFileName + ".";
}

TSettings LoadSettings(const std::string& folder) {
    TSettings defaults;
    defaults.OutputDirectory = folder;
    const TIniFile ini = SettingsFile(folder);
    TSettings settings;
    for (const auto& key : kKeys) {
        if (key.text)
            settings.*key.text = ini.ReadString(kSettingsSection, key.name, defaults.*key.text);
        else
            settings.*key.flag = ini.ReadBool(kSettingsSection, key.name, defaults.*key.flag);
    }
    return settings;
}

void SaveSettings(const std::string& folder, const TSettings& settings) {
    TIniFile ini = SettingsFile(folder);
    for (const auto& key : kKeys) {
        if (key.text)
            ini.WriteString(kSettingsSection, key.name, settings.*key.text);
        else
            ini.WriteBool(kSettingsSection, key.name, settings.*key.flag);
    }
}

std::string ChooseOutputDirectory(const std::string& boxText, const std::string& remembered) {
    return platform::DirectoryExists(boxText) ? boxText : remembered;
}

} // namespace clipvane
