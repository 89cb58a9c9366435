// The argument splitter: any list of arguments quoted the way Windows programs quote them splits
// back into the same list, and arbitrary text splits without a crash into arguments that hold
// no bare blank.
#include "FuzzCheck.h"
#include "core/CommandLine.h"

#include <cstdint>
#include <string>
#include <vector>

using namespace clipvane;

namespace {

// The usual quoting for the C runtime's rules: backslashes double only in front of a quote.
std::string Quote(const std::string& arg) {
    if (!arg.empty() && arg.find_first_of(" \t\"") == std::string::npos)
        return arg;
    std::string out = "\"";
    std::size_t slashes = 0;
    for (const char c : arg) {
        if (c == '\\') {
            ++slashes;
            continue;
        }
        out.append(c == '"' ? slashes * 2 + 1 : slashes, '\\');
        slashes = 0;
        out += c;
    }
    out.append(slashes * 2, '\\');
    return out + "\"";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);

    // Arbitrary text: no crash; an unquoted argument cannot hold a blank.
    for (const std::string& arg : SplitArguments(text))
        if (text.find('"') == std::string::npos)
            FUZZ_CHECK(!arg.empty() && arg.find_first_of(" \t") == std::string::npos);

    // The same bytes as a list of arguments (split at NUL), quoted and split again.
    std::vector<std::string> args;
    std::string current;
    for (const char c : text) {
        if (c == '\0') {
            args.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    args.push_back(current);
    std::string line;
    for (const std::string& arg : args)
        line += Quote(arg) + " ";
    FUZZ_CHECK(SplitArguments(line) == args);
    return 0;
}
