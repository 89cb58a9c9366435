// The two lookups that turn a profile text into encoder options and an output extension: a catalog
// caption gives its entry, a composed manual command line gives back what was typed, and any other
// text gives nothing or a piece of itself.
#include "FuzzCheck.h"
#include "core/profiles/ProfileCatalog.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

using namespace clipvane;

namespace {

bool StartsWithFfmpeg(const std::string& text) {
    static const char word[] = "ffmpeg";
    if (text.size() < 6)
        return false;
    for (std::size_t i = 0; i < 6; ++i)
        if ((text[i] >= 'A' && text[i] <= 'Z' ? text[i] - 'A' + 'a' : text[i]) != word[i])
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string typedArgs = input.ConsumeRandomLengthString(200);
    const std::string typedExt = input.ConsumeRandomLengthString(20);
    const std::string text = input.ConsumeRemainingBytesAsString();

    // Any text.
    const std::string params = GetFFmpegParams(text);
    const std::string ext = GetOutputExt(text);
    if (const TProfile* profile = FindProfile(text)) {
        FUZZ_CHECK(params == profile->FFmpegParams && ext == profile->OutputExt);
    } else if (!StartsWithFfmpeg(text)) {
        FUZZ_CHECK(params.empty() && ext.empty());
    } else {
        FUZZ_CHECK(params.find("%1.") == std::string::npos);
        FUZZ_CHECK(ext.empty() || ext.front() == '.');
        FUZZ_CHECK(text.find(params) != std::string::npos && text.find(ext) != std::string::npos);
    }

    // A manual command line as the dialog composes it reads back as typed.
    if (typedArgs.find("%1.") == std::string::npos) {
        const std::string manual = "ffmpeg -i %1 " + typedArgs + " %1." + typedExt;
        FUZZ_CHECK(GetFFmpegParams(manual) == typedArgs + " ");
        FUZZ_CHECK(GetOutputExt(manual) == "." + typedExt);
    }
    return 0;
}
