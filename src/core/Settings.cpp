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

std::string SettingsFolder(const std::string& appDataFolder, const std::string& programFolder) {
    if (appDataFolder.empty())
        return programFolder;
    const char separator = platform::PathSeparator();
    std::string folder = appDataFolder;
    if (folder.back() != separator && folder.back() != '/')
        folder += separator;
    folder += std::string("Tarvix") + separator + "Clipvane" + separator;
    return platform::ForceDirectories(folder) ? folder : programFolder;
}

std::string DefaultSettingsFolder() {
    return SettingsFolder(GetAppDataFolder(), platform::ProgramFolder());
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
