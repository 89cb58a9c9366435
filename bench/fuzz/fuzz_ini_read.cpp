// The settings reader against an arbitrary file: no crash, values within their limit, and a value
// read as an integer is the integer its text says.
#include "FuzzCheck.h"
#include "IniScratch.h"
#include "core/Global.h"
#include "core/IniFile.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

using namespace clipvane;

namespace {

std::size_t CodePoints(const std::string& text) {
    std::size_t count = 0;
    for (const char c : text)
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    return count;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string section = input.ConsumeRandomLengthString(16);
    const std::string key = input.ConsumeRandomLengthString(16);
    WriteScratch(input.ConsumeRemainingBytesAsString());

    const TIniFile ini(ScratchIni());
    const std::string missing = "\x01missing";
    const std::string value = ini.ReadString(section, key, missing);
    FUZZ_CHECK(value == missing || CodePoints(value) <= TIniFile::kMaxValueLength);
    // What ReadString reads is what ReadInteger interprets, and the default stands for the rest.
    std::int64_t number = 0;
    const std::int32_t a = ini.ReadInteger(section, key, 7);
    const std::int32_t b = ini.ReadInteger(section, key, -7);
    if (value == missing || !ParseInteger(value, number))
        FUZZ_CHECK(a == 7 && b == -7);
    else if (a != 7 || b != -7)
        FUZZ_CHECK(a == b);
    const std::int32_t c = ini.ReadInteger(section, key, 0);
    FUZZ_CHECK(c == 0 || c == a);
    FUZZ_CHECK(ini.ReadBool(section, key, true) == (ini.ReadInteger(section, key, 1) != 0));
    return 0;
}
