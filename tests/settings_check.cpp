// settings.ini on Windows: under a folder whose name no ANSI code page can spell, rewritten atomically
// with its attributes kept, refused with the program's own error where the folder may not be written,
// and found through the shell's application-data folder or, failing that, beside the program.

#include "Check.h"
#include "CheckWindows.h"
#include "core/Global.h"
#include "core/Settings.h"
#include "core/platform/Files.h"

#include <aclapi.h>
#include <sddl.h>
#include <shlobj.h>

#include <string>

namespace {

using namespace clipvane;
using namespace clipvane::check;

const std::string kIni = kSettingsFileName;

// Runs a save; the exception's text, or empty when it succeeded.
std::string SaveError(const std::string& folder, const TSettings& settings) {
    try {
        SaveSettings(folder, settings);
        return {};
    } catch (const Exception& error) {
        return error.what();
    }
}

int LeftoverTemporaries(const std::string& folder) {
    WIN32_FIND_DATAW found;
    const HANDLE search = ::FindFirstFileW(Wide(folder + kIni + ".tmp-*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return 0;
    int count = 1;
    while (::FindNextFileW(search, &found))
        ++count;
    ::FindClose(search);
    return count;
}

// Read and execute only, for this process's owner SID; `writable` gives full access back.
bool SetFolderWritable(const std::string& folder, bool writable) {
    HANDLE token = nullptr;
    char buffer[256];
    DWORD size = 0;
    LPWSTR owner = nullptr;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &token))
        return false;
    const bool named = ::GetTokenInformation(token, TokenOwner, buffer, sizeof buffer, &size) &&
                       ::ConvertSidToStringSidW(reinterpret_cast<TOKEN_OWNER*>(buffer)->Owner, &owner);
    ::CloseHandle(token);
    if (!named)
        return false;
    const std::wstring sddl =
        std::wstring(L"D:P(A;OICI;") + (writable ? L"FA" : L"FRFX") + L";;;" + owner + L")";
    ::LocalFree(owner);
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!::ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl.c_str(), SDDL_REVISION_1, &descriptor,
                                                                nullptr))
        return false;
    const bool set = ::SetFileSecurityW(Wide(folder).c_str(), DACL_SECURITY_INFORMATION, descriptor) != 0;
    ::LocalFree(descriptor);
    return set;
}

bool RefusesNewFiles(const std::string& folder) {
    const HANDLE probe = ::CreateFileW(Wide(folder + "probe.txt").c_str(), GENERIC_WRITE, 0, nullptr,
                                       CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (probe == INVALID_HANDLE_VALUE)
        return true;
    ::CloseHandle(probe);
    ::DeleteFileW(Wide(folder + "probe.txt").c_str());
    return false;
}

void SettingsLiveUnderForeignLetters() {
    const std::string folder = ScratchFolder(kForeignName);
    TSettings settings{folder + "out " + kForeignName + "\\", "WMA - Windows Media Audio", true,
                       folder + kForeignName + "\\ffmpeg.exe", false};
    Check(SaveError(folder, settings).empty(), "settings are saved under foreign letters");
    Check(::GetFileAttributesW(Wide(folder + kIni).c_str()) != INVALID_FILE_ATTRIBUTES,
          "settings.ini is under the folder's own name");
    Check(LoadSettings(folder) == settings, "the six values read back");

    Check(::SetFileAttributesW(Wide(folder + kIni).c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE) !=
              0,
          "settings.ini is hidden");
    settings.OutputFormat = "MP3 - MPEG Layer-3 Audio";
    settings.SameInput = false;
    const std::string error = SaveError(folder, settings);
    Check(error.empty(), "a later save replaces the file", error);
    Check(LoadSettings(folder) == settings, "the replaced file holds the new values");
    const DWORD attributes = ::GetFileAttributesW(Wide(folder + kIni).c_str());
    Check(attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_HIDDEN),
          "the replaced file is still hidden");
    Check(LeftoverTemporaries(folder) == 0, "no temporary file is left beside it");

    // A program holding settings.ini without sharing deletion blocks the replace: the save fails whole.
    const std::string before = ReadBytes(folder + kIni);
    const HANDLE reader = ::CreateFileW(Wide(folder + kIni).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    settings.SameInput = true;
    Check(SaveError(folder, settings) == "Unable to write to " + folder + kIni,
          "a save that cannot replace the file says so");
    ::CloseHandle(reader);
    Check(ReadBytes(folder + kIni) == before, "the old file is untouched");
    Check(LeftoverTemporaries(folder) == 0, "the failed save leaves no temporary file");
}

void ReadOnlyFolderRefusesTheSave() {
    const std::string folder = ScratchFolder("read-only " + kForeignName);
    const std::string old = "[Options]\r\nSameInput=1\r\n";
    WriteBytes(folder + kIni, old);
    Check(SetFolderWritable(folder, false) && RefusesNewFiles(folder), "the folder refuses new files");
    Check(SaveError(folder, TSettings{}) == "Unable to write to " + folder + kIni,
          "a save in a read-only folder fails with the program's error");
    Check(ReadBytes(folder + kIni) == old && LoadSettings(folder).SameInput, "the old settings still read");
    const std::string program = platform::ProgramFolder();
    Check(SettingsFolder(folder, program) == program,
          "an application-data folder that cannot take the settings folder gives the program's folder");
    SetFolderWritable(folder, true);
}

// settings.ini as an earlier build wrote it: its paths in the ANSI code page, which it took the names
// through. They read as their own characters and are written back as UTF-8.
void EarlierBuildsFileReadsWhole() {
    std::wstring name;
    std::string ansi;
    for (const wchar_t* candidate : {L"M\u00fasica Vid\u00e9os", L"\u6771\u4eac\u306e\u52d5\u753b",
                                     L"\u0420\u0430\u0431\u043e\u0447\u0438\u0439 \u0441\u0442\u043e\u043b",
                                     L"\u03a9\u03bc\u03ad\u03b3\u03b1"}) {
        char bytes[64];
        BOOL lost = FALSE;
        const int n = ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, candidate, -1, bytes, sizeof bytes,
                                            nullptr, &lost);
        if (n > 1 && !lost) {
            name = candidate;
            ansi.assign(bytes, static_cast<std::size_t>(n - 1));
            break;
        }
    }
    const std::string folder = ScratchFolder("earlier build");
    WriteBytes(folder + kIni, "[Options]\r\nOutputDirectory=C:\\" + ansi +
                                  "\\\r\nOutputFormat=MP3 - MPEG Layer-3 Audio\r\nSameInput=0\r\n"
                                  "AnotherFFmpeg=C:\\" +
                                  ansi + "\\ffmpeg.exe\r\nNotUseAnotherFFmpeg=0\r\n");
    const TSettings loaded = LoadSettings(folder);
    const std::string utf8 = Utf8(name);
    Check(!name.empty() && loaded.OutputDirectory == "C:\\" + utf8 + "\\" &&
              loaded.AnotherFFmpeg == "C:\\" + utf8 + "\\ffmpeg.exe",
          "an earlier build's settings.ini reads in the ANSI code page",
          "read: " + loaded.OutputDirectory + " | " + loaded.AnotherFFmpeg);
    Check(SaveError(folder, loaded).empty() &&
              ReadBytes(folder + kIni).find("\r\nOutputDirectory=C:\\" + utf8 + "\\\r\n") !=
                  std::string::npos &&
              LoadSettings(folder) == loaded,
          "it is written back as UTF-8 and reads the same", ReadBytes(folder + kIni));
}

// The shell's per-user folder lives in the registry; a value of our own shows the path is read whole.
class TAppDataRedirect final {
public:
    explicit TAppDataRedirect(const std::string& folder) {
        ::RegOpenKeyExW(HKEY_CURRENT_USER,
                        L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders", 0,
                        KEY_QUERY_VALUE | KEY_SET_VALUE, &m_key);
        DWORD size = sizeof m_saved;
        m_had = ::RegQueryValueExW(m_key, L"AppData", nullptr, &m_type, reinterpret_cast<BYTE*>(m_saved),
                                   &size) == ERROR_SUCCESS;
        m_savedSize = size;
        Point(folder);
    }
    ~TAppDataRedirect() {
        if (m_had)
            ::RegSetValueExW(m_key, L"AppData", 0, m_type, reinterpret_cast<const BYTE*>(m_saved),
                             m_savedSize);
        else
            ::RegDeleteValueW(m_key, L"AppData");
        ::RegCloseKey(m_key);
    }
    TAppDataRedirect(const TAppDataRedirect&) = delete;
    TAppDataRedirect& operator=(const TAppDataRedirect&) = delete;

    void Point(const std::string& folder) {
        const std::wstring value = Wide(folder);
        ::RegSetValueExW(m_key, L"AppData", 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                         static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    }

private:
    HKEY m_key = nullptr;
    bool m_had = false;
    DWORD m_type = REG_EXPAND_SZ;
    wchar_t m_saved[MAX_PATH + 1] = {};
    DWORD m_savedSize = 0;
};

void AppDataFolderComesFromTheShell() {
    PWSTR known = nullptr;
    const bool named = SUCCEEDED(::SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &known));
    const std::string roaming = named ? Utf8(known) + "\\" : std::string();
    ::CoTaskMemFree(known);
    Check(named && GetAppDataFolder() == roaming, "the application-data folder is the shell's roaming folder",
          "shell: " + roaming + "\n     ours:  " + GetAppDataFolder());
    if (!UnderWine())
        return; // the registry is the user's own outside a throw-away Wine prefix

    const std::string home = ScratchFolder("app data " + kForeignName);
    const std::string readOnly = ScratchFolder("app data read-only");
    TAppDataRedirect redirect(home.substr(0, home.size() - 1));
    Check(GetAppDataFolder() == home, "a foreign-lettered application-data folder comes back whole",
          "ours: " + GetAppDataFolder());
    const std::string expected = home + "Tarvix\\Clipvane\\";
    Check(DefaultSettingsFolder() == expected && platform::DirectoryExists(expected),
          "the settings folder is made under it", "ours: " + DefaultSettingsFolder());
    redirect.Point(readOnly.substr(0, readOnly.size() - 1));
    SetFolderWritable(readOnly, false);
    Check(DefaultSettingsFolder() == platform::ProgramFolder(),
          "an application-data folder nobody may write gives the program's folder",
          "ours: " + DefaultSettingsFolder());
    SetFolderWritable(readOnly, true);
}

} // namespace

int main() {
    SettingsLiveUnderForeignLetters();
    ReadOnlyFolderRefusesTheSave();
    EarlierBuildsFileReadsWhole();
    AppDataFolderComesFromTheShell();
    return Summary();
}
