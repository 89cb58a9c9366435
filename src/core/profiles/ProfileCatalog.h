#pragma once
// The built-in output profiles and the two lookups that turn a profile text into what a
// conversion needs. The table is constant data: nothing is built at start-up.

#include <span>
#include <string>
#include <string_view>

namespace clipvane {

// One output profile. Caption is the key, compared byte for byte; FFmpegParams ends with the
// one blank that separates it from the output path; OutputExt is lower case with its dot.
struct TProfile {
    std::string_view GroupCaption;
    std::string_view Caption;
    std::string_view FFmpegParams;
    std::string_view OutputExt;
};

// One submenu of the profile menu: its caption and its profiles in menu order.
struct TProfileGroup {
    std::string_view Caption;
    std::span<const TProfile> Profiles;
};

// All profiles in menu order.
std::span<const TProfile> ProfileCatalog();

// The groups in menu order; each views a contiguous run of ProfileCatalog().
std::span<const TProfileGroup> ProfileGroups();

// The catalog entry whose caption equals the text exactly, or nullptr.
const TProfile* FindProfile(std::string_view caption);

// The encoder options that a profile text selects (a catalog caption or a manual command line),
// or an empty string when it selects none.
std::string GetFFmpegParams(std::string_view profileText);

// The output extension, with its dot, that a profile text selects, or an empty string.
std::string GetOutputExt(std::string_view profileText);

} // namespace clipvane
