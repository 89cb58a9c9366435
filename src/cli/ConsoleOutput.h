#pragma once
// What the program prints, as characters on a Windows console: a console shows bytes in its own code
// page, so a name in another script would come out garbled. A pipe or a file still gets the UTF-8
// bytes (--machine), and a terminal elsewhere takes them as they are.

#include "core/platform/Console.h"

#include <ostream>
#include <streambuf>
#include <string>

namespace clipvane::cli {

class TConsoleOutput final : private std::streambuf {
public:
    // Routes `stream` through the console while this lives, when `which` is one.
    TConsoleOutput(std::ostream& stream, platform::TStream which);
    ~TConsoleOutput() override;
    TConsoleOutput(const TConsoleOutput&) = delete;
    TConsoleOutput& operator=(const TConsoleOutput&) = delete;

private:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* text, std::streamsize count) override;
    int sync() override;
    // Writes what is whole; a character cut by the buffer's end waits for its other bytes.
    void Flush(bool all);

    std::ostream& m_stream;
    platform::TStream m_which;
    std::streambuf* m_previous = nullptr;
    std::string m_pending;
};

} // namespace clipvane::cli
