#pragma once
// Small routines shared by the engine, the windows and the settings store.

#include <cstdint>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>

namespace clipvane {

inline constexpr const char* kProductName = "Tarvix Clipvane";

// The program's general error: a message for the user, shown by the general error display.
class Exception : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A general error raised by a failed system call; Code is the OS error code its message ends with.
class EOSError final : public Exception {
public:
    EOSError(const std::string& message, int code)
        : Exception(message)
        , Code(code) {}
    int Code = 0;
};

// A silent error: unwinds like any other, shows nothing.
class EAbort final : public Exception {
public:
    EAbort()
        : Exception("Operation aborted") {}
};

// Puts the core's texts in the user's language. The desktop program installs Qt's translation; without
// it (the command-line program, whose output scripts read) every text stays English.
using TTranslate = std::string (*)(const char* context, const char* source);
void SetTranslate(TTranslate translate);

// `source` in the user's language.
std::string Tr(const char* context, const char* source);

// `text` with each %1..%9 replaced by its argument in one pass, so an argument that holds "%2" (a file
// name may) stays as it is.
std::string Substitute(std::string_view text, std::initializer_list<std::string_view> args);

// Decimal text of n, with a leading "0" below 10 ("07", "10", "0-3").
std::string TwoDigits(std::int32_t n);

// Whole seconds of an hours/minutes/seconds text such as "01:02:03"; the first separated
// field is always hours (every digit of it), the second minutes. Fields that are not numbers
// count as 0; a result beyond 32 bits is held at the largest.
std::int32_t TimeToSeconds(std::string_view text, std::string_view separator);

// The number in the two characters just before the separator at 0-based `pos`, or 0 when
// they are not a decimal number. With fewer than two characters in front, the first two
// characters of the text are taken, which include the separator, so the value is 0.
std::int32_t NumberBefore(std::string_view text, std::size_t pos);

// The hours in the digits just before the separator at 0-based `pos`, however many ("125:00:00"
// is 125 hours, "1:00:00" one); 0 when no digit stands there.
std::int64_t HoursBefore(std::string_view text, std::size_t pos);

// Reads a whole text as a decimal integer in the runtime's manner: optional blanks and sign,
// "$" / "0x" hexadecimal. False when the text is not one.
bool ParseInteger(std::string_view text, std::int64_t& value);

// MM:SS of a whole number of seconds; minutes are not wrapped into hours (4000 -> "66:40").
std::string SecondsToText(std::int64_t seconds);

// The message of the general error display: a "." appended when the last character sorts after ".".
std::string ErrorDisplayText(const std::string& message);

// The user's application-data folder, ending with a separator.
std::string GetAppDataFolder();

// True when the file exists and cannot be opened exclusively (another program has it, or it is read-only).
bool IsFileInUse(const std::string& fileName);

} // namespace clipvane
