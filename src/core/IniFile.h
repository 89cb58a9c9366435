#pragma once
// Windows-style INI files ("private profiles"): the same file format and reading rules, so a settings
// file written on one system reads the same on the other.
//
// Reading: "[Section]" lines open sections, "key=value" lines hold values; section and key names are
// compared without regard to ASCII case; blanks around names and values are dropped, then one pair of
// matching surrounding quotes ('...' or "...") is removed. The first matching section and the first
// matching key in it count. Lines starting with ';' are comments. CRLF or LF, an optional UTF-8 BOM.
//
// Writing: one call changes one value and reaches the disk before it returns; the rest of the file
// (comments, other sections, unknown keys, BOM, line ending style) stays as it was.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace clipvane {

class TIniFile final {
public:
    // Longest value a read returns, in characters (Unicode code points).
    static constexpr std::size_t kMaxValueLength = 2047;

    // Opens nothing yet: a missing or unreadable file reads like an empty one.
    explicit TIniFile(std::string fileName)
        : m_fileName(std::move(fileName)) {}

    const std::string& FileName() const { return m_fileName; }

    // The value of a present key (possibly empty), else `defaultValue`.
    std::string ReadString(std::string_view section, std::string_view key,
                           const std::string& defaultValue) const;
    // Decimal, "$" or "0x" hexadecimal (hexadecimal wraps to 32 bits); a value that is not such an
    // integer, or out of range, gives `defaultValue`.
    std::int32_t ReadInteger(std::string_view section, std::string_view key, std::int32_t defaultValue) const;
    // Any non-zero integer is true.
    bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;

    // Replaces the key's value, adding the key, the section and the file as needed. The value is stored
    // as it is. Throws Exception("Unable to write to <file>") when the file cannot be rewritten or the
    // value holds a line break (it would turn into lines of its own); the old file then stays as it was.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    // Writes "1" or "0".
    void WriteBool(std::string_view section, std::string_view key, bool value);

private:
    [[noreturn]] void FailWrite() const;

    std::string m_fileName;
};

} // namespace clipvane
