#include "core/Global.h"

#include "core/platform/Files.h"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <limits>

namespace clipvane {

namespace {

std::atomic<TTranslate> g_translate{nullptr};

} // namespace

void SetTranslate(TTranslate translate) {
    g_translate.store(translate);
}

std::string Tr(const char* context, const char* source) {
    const TTranslate translate = g_translate.load();
    return translate ? translate(context, source) : std::string(source);
}

std::string Substitute(std::string_view text, std::initializer_list<std::string_view> args) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char digit = i + 1 < text.size() ? text[i + 1] : '\0';
        if (text[i] == '%' && digit >= '1' && digit <= '9' && std::size_t(digit - '1') < args.size()) {
            result += args.begin()[digit - '1'];
            ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}

std::string TwoDigits(std::int32_t n) {
    std::string digits = std::to_string(n);
    return n < 10 ? "0" + digits : digits;
}

std::int32_t NumberBefore(std::string_view text, std::size_t pos) {
    const std::size_t start = pos >= 2 ? pos - 2 : 0;
    std::int64_t value = 0;
    if (!ParseInteger(text.substr(start, 2), value))
        return 0;
    return static_cast<std::int32_t>(value);
}

std::int64_t HoursBefore(std::string_view text, std::size_t pos) {
    constexpr std::int64_t kMaxHours = 999999999; // far past any real length; keeps the seconds in range
    std::size_t first = pos;
    while (first > 0 && text[first - 1] >= '0' && text[first - 1] <= '9')
        --first;
    std::int64_t hours = 0;
    for (std::size_t i = first; i < pos; ++i)
        hours = std::min(kMaxHours, hours * 10 + (text[i] - '0'));
    return hours;
}

std::int32_t TimeToSeconds(std::string_view text, std::string_view separator) {
    std::string_view s = text;
    std::int64_t h = 0;
    std::int32_t m = 0, sec = 0;
    if (separator.empty())
        return 0;
    if (auto p = s.find(separator); p != std::string_view::npos) {
        h = HoursBefore(s, p);
        s = s.substr(p + separator.size());
    }
    if (auto p = s.find(separator); p != std::string_view::npos) {
        m = NumberBefore(s, p);
        s = s.substr(p + separator.size());
    }
    if (s.size() == 2) {
        std::int64_t v = 0;
        if (ParseInteger(s, v))
            sec = static_cast<std::int32_t>(v);
    }
    return static_cast<std::int32_t>(
        std::min<std::int64_t>(h * 3600 + m * 60 + sec, std::numeric_limits<std::int32_t>::max()));
}

bool ParseInteger(std::string_view text, std::int64_t& value) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    int base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 2 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    std::string_view digits = text.substr(i);
    if (digits.empty())
        return false;
    std::uint64_t magnitude = 0;
    auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), magnitude, base);
    if (ec != std::errc() || end != digits.data() + digits.size())
        return false;
    if (base == 10 && magnitude > (negative ? 9223372036854775808ULL : 9223372036854775807ULL))
        return false;
    value = negative ? static_cast<std::int64_t>(0 - magnitude) : static_cast<std::int64_t>(magnitude);
    return true;
}

std::string SecondsToText(std::int64_t seconds) {
    return TwoDigits(static_cast<std::int32_t>(seconds / 60)) + ":" +
           TwoDigits(static_cast<std::int32_t>(seconds % 60));
}

std::string ErrorDisplayText(const std::string& message) {
    if (!message.empty() && static_cast<unsigned char>(message.back()) > static_cast<unsigned char>('.'))
        return message + ".";
    return message;
}

std::string GetAppDataFolder() {
    return platform::AppDataFolder();
}

bool IsFileInUse(const std::string& fileName) {
    return platform::IsFileInUse(fileName);
}

} // namespace clipvane
