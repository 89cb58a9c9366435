#include "cli/ConsoleOutput.h"

#include <string_view>

namespace clipvane::cli {

namespace {

constexpr std::size_t kFlushAt = 4096;

// How many bytes of `text` end in a whole UTF-8 character (all of them when the last one is whole).
std::size_t WholeCharacters(const std::string& text) {
    std::size_t start = text.size();
    for (int back = 0; start > 0 && back < 4; ++back) {
        const auto byte = static_cast<unsigned char>(text[start - 1]);
        if ((byte & 0xC0) != 0x80) {
            const std::size_t length = byte < 0x80    ? 1
                                       : byte >= 0xF0 ? 4
                                       : byte >= 0xE0 ? 3
                                       : byte >= 0xC0 ? 2
                                                      : 1;
            return text.size() - (start - 1) >= length ? text.size() : start - 1;
        }
        --start;
    }
    return text.size(); // no lead byte in reach: not UTF-8, nothing to wait for
}

} // namespace

TConsoleOutput::TConsoleOutput(std::ostream& stream, platform::TStream which)
    : m_stream(stream)
    , m_which(which) {
    if (platform::IsTerminal(which))
        m_previous = m_stream.rdbuf(this);
}

TConsoleOutput::~TConsoleOutput() {
    if (!m_previous)
        return;
    Flush(true);
    m_stream.rdbuf(m_previous);
}

TConsoleOutput::int_type TConsoleOutput::overflow(int_type c) {
    if (traits_type::eq_int_type(c, traits_type::eof()))
        return traits_type::not_eof(c);
    const char character = traits_type::to_char_type(c);
    m_pending += character;
    if (character == '\n' || m_pending.size() >= kFlushAt)
        Flush(false);
    return c;
}

std::streamsize TConsoleOutput::xsputn(const char* text, std::streamsize count) {
    m_pending.append(text, static_cast<std::size_t>(count));
    // Line by line, as the C runtime writes to a terminal, so that it interleaves with the other stream.
    if (m_pending.size() >= kFlushAt ||
        std::string_view(text, static_cast<std::size_t>(count)).find('\n') != std::string_view::npos)
        Flush(false);
    return count;
}

int TConsoleOutput::sync() {
    Flush(false);
    return 0;
}

void TConsoleOutput::Flush(bool all) {
    const std::size_t whole = all ? m_pending.size() : WholeCharacters(m_pending);
    if (whole == 0)
        return;
    const std::string text = m_pending.substr(0, whole);
    m_pending.erase(0, whole);
    if (!platform::WriteConsoleText(m_which, text)) {
        m_previous->sputn(text.data(), static_cast<std::streamsize>(text.size()));
        m_previous->pubsync();
    }
}

} // namespace clipvane::cli
