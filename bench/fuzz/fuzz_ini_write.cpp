// The settings writer on an arbitrary file: a value that was written reads back as written, and
// every other value reads as it did before.
#include "FuzzCheck.h"
#include "IniScratch.h"
#include "core/Global.h"
#include "core/IniFile.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

using namespace clipvane;

namespace {

bool SameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

// A value the reader gives back unchanged: no blanks around it, no pair of quotes, not too long.
bool ReadsBackAsIs(const std::string& value) {
    if (value.size() > TIniFile::kMaxValueLength)
        return false;
    if (!value.empty() &&
        (value.front() == ' ' || value.front() == '\t' || value.back() == ' ' || value.back() == '\t'))
        return false;
    return !(value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
             value.back() == value.front());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string section = input.ConsumeRandomLengthString(16);
    const std::string key = input.ConsumeRandomLengthString(16);
    const std::string value = input.ConsumeRandomLengthString(64);
    const std::string otherSection = input.ConsumeRandomLengthString(16);
    const std::string otherKey = input.ConsumeRandomLengthString(16);
    const std::string before = input.ConsumeRemainingBytesAsString();
    WriteScratch(before);

    TIniFile ini(ScratchIni());
    const std::string missing = "\x01missing";
    const std::string otherBefore = ini.ReadString(otherSection, otherKey, missing);
    try {
        ini.WriteString(section, key, value);
    } catch (const Exception&) {
        // Refused (a name that would not read back, a line break): the file must be as it was.
        std::string after;
        if (std::FILE* file = std::fopen(ScratchIni().c_str(), "rb")) {
            char buffer[4096];
            for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
                after.append(buffer, n);
            std::fclose(file);
        }
        FUZZ_CHECK(after == before);
        return 0;
    }
    if (ReadsBackAsIs(value))
        FUZZ_CHECK(ini.ReadString(section, key, missing) == value);
    if (!(SameName(section, otherSection) && SameName(key, otherKey)))
        FUZZ_CHECK(ini.ReadString(otherSection, otherKey, missing) == otherBefore);
    return 0;
}
