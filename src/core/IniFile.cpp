#include "core/IniFile.h"

#include "core/Global.h"
#include "core/platform/Console.h"
#include "core/platform/Files.h"

#include <vector>

namespace clipvane {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (AsciiLower(a[i]) != AsciiLower(b[i]))
            return false;
    return true;
}

// True for a "[name]" line; a missing ']' takes the rest of the line as the name.
bool SectionLine(std::string_view line, std::string_view& name) {
    line = Trim(line);
    if (line.empty() || line.front() != '[')
        return false;
    line.remove_prefix(1);
    name = Trim(line.substr(0, line.find(']')));
    return true;
}

// True for a "key=value" line with a non-empty key; the value is returned untrimmed.
bool KeyLine(std::string_view line, std::string_view& key, std::string_view& value) {
    const std::string_view trimmed = Trim(line);
    if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '[')
        return false;
    const auto eq = trimmed.find('=');
    if (eq == std::string_view::npos)
        return false;
    key = Trim(trimmed.substr(0, eq));
    value = trimmed.substr(eq + 1);
    return !key.empty();
}

std::string_view FirstCharacters(std::string_view s, std::size_t count) {
    std::size_t seen = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if ((static_cast<unsigned char>(s[i]) & 0xC0) == 0x80)
            continue; // a UTF-8 continuation byte belongs to the character before it
        if (seen == count)
            return s.substr(0, i);
        ++seen;
    }
    return s;
}

bool IsHexText(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        ++i;
    return text.substr(i).starts_with('$') || text.substr(i).starts_with("0x") ||
           text.substr(i).starts_with("0X");
}

enum class TReadResult { Missing, Read, Failed };

TReadResult ReadWholeFile(const std::string& path, std::string& bytes) {
    if (platform::ReadWholeFile(path, bytes))
        return TReadResult::Read;
    bytes.clear();
    return platform::FileExists(path) ? TReadResult::Failed : TReadResult::Missing;
}

// The file split into lines, with what is needed to write it back in the same form.
struct TIniText {
    bool bom = false;
    bool crlf = true; // a new file gets CRLF, as on Windows
    std::vector<std::string> lines;
};

TIniText Parse(std::string_view bytes) {
    TIniText text;
    if (bytes.starts_with(kUtf8Bom)) {
        text.bom = true;
        bytes.remove_prefix(kUtf8Bom.size());
    }
    if (const auto firstBreak = bytes.find('\n'); firstBreak != std::string_view::npos)
        text.crlf = firstBreak > 0 && bytes[firstBreak - 1] == '\r';
    while (!bytes.empty()) {
        const auto end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        // A line an earlier Windows build wrote in the ANSI code page reads as the same characters.
        text.lines.push_back(platform::Utf8FromLegacyText(std::string(line)));
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
    }
    return text;
}

std::string Serialize(const TIniText& text) {
    const std::string_view eol = text.crlf ? "\r\n" : "\n";
    std::string bytes = text.bom ? std::string(kUtf8Bom) : std::string();
    for (const auto& line : text.lines) {
        bytes += line;
        // The reader drops one CR before each LF: a line whose text ends in CR (from CR CR LF in a
        // file of LF lines) needs a CR LF of its own, or its value would lose that CR.
        bytes += line.ends_with('\r') ? std::string_view("\r\n") : eol;
    }
    return bytes;
}

// Replaces the first matching key of the first matching section, or adds the key after the section's
// last key, or adds the section at the end of the file.
void SetValue(TIniText& text, std::string_view section, std::string_view key, std::string_view value) {
    std::string newLine = std::string(key) + "=" + std::string(value);
    bool inSection = false;
    bool sectionFound = false;
    std::size_t insertAt = 0;
    for (std::size_t i = 0; i < text.lines.size(); ++i) {
        std::string_view name, oldValue;
        if (SectionLine(text.lines[i], name)) {
            if (inSection)
                break;
            inSection = SameName(name, section);
            if (inSection) {
                sectionFound = true;
                insertAt = i + 1;
            }
        } else if (inSection && KeyLine(text.lines[i], name, oldValue)) {
            if (SameName(name, key)) {
                text.lines[i] = std::move(newLine);
                return;
            }
            insertAt = i + 1;
        }
    }
    if (sectionFound) {
        text.lines.insert(text.lines.begin() + static_cast<std::ptrdiff_t>(insertAt), std::move(newLine));
        return;
    }
    if (!text.lines.empty() && !Trim(text.lines.back()).empty())
        text.lines.emplace_back();
    text.lines.push_back("[" + std::string(section) + "]");
    text.lines.push_back(std::move(newLine));
}

bool HasLineBreak(std::string_view s) {
    return s.find_first_of("\r\n") != std::string_view::npos;
}

// Names that read back as what was written.
bool WritableSection(std::string_view section) {
    return !section.empty() && Trim(section) == section && !HasLineBreak(section) &&
           section.find(']') == std::string_view::npos;
}

bool WritableKey(std::string_view key) {
    return !key.empty() && Trim(key) == key && !HasLineBreak(key) &&
           key.find('=') == std::string_view::npos && key.front() != ';' && key.front() != '[';
}

} // namespace

std::string TIniFile::ReadString(std::string_view section, std::string_view key,
                                 const std::string& defaultValue) const {
    std::string bytes;
    if (ReadWholeFile(m_fileName, bytes) != TReadResult::Read)
        return defaultValue;
    const TIniText text = Parse(bytes);
    bool inSection = false;
    for (const auto& line : text.lines) {
        std::string_view name, value;
        if (SectionLine(line, name)) {
            if (inSection)
                break; // only the first section of that name counts
            inSection = SameName(name, section);
        } else if (inSection && KeyLine(line, name, value) && SameName(name, key)) {
            value = Trim(value);
            if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                value.back() == value.front())
                value = value.substr(1, value.size() - 2);
            return std::string(FirstCharacters(value, kMaxValueLength));
        }
    }
    return defaultValue;
}

std::int32_t TIniFile::ReadInteger(std::string_view section, std::string_view key,
                                   std::int32_t defaultValue) const {
    const std::string text = ReadString(section, key, std::string());
    std::int64_t value = 0;
    if (!ParseInteger(text, value))
        return defaultValue;
    if (IsHexText(text)) {
        // Hexadecimal names a bit pattern: "$FFFFFFFF" is -1.
        if (value < -0xFFFFFFFFLL || value > 0xFFFFFFFFLL)
            return defaultValue;
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
    }
    if (value < INT32_MIN || value > INT32_MAX)
        return defaultValue;
    return static_cast<std::int32_t>(value);
}

bool TIniFile::ReadBool(std::string_view section, std::string_view key, bool defaultValue) const {
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void TIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    if (!WritableSection(section) || !WritableKey(key) || HasLineBreak(value))
        FailWrite();
    std::string bytes;
    // A file that exists but cannot be read must not be replaced by one holding only this key.
    if (ReadWholeFile(m_fileName, bytes) == TReadResult::Failed)
        FailWrite();
    TIniText text = Parse(bytes);
    SetValue(text, section, key, value);
    if (!platform::WriteFileAtomically(m_fileName, Serialize(text)))
        FailWrite();
}

void TIniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

void TIniFile::FailWrite() const {
    throw Exception(Substitute(Tr("TIniFile", "Unable to write to %1"), {m_fileName}));
}

} // namespace clipvane
