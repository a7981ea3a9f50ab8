#pragma once

#include <string_view>

// kVersionMajor, kVersionMinor, kVersionRevision, kVersionText, kAppId and kVendorSiteUrl, made
// from the project's version and application ID and from the site address the build was set up
// with.
#include "config/version.h"

namespace tallies {

// Values built into the program; nothing is read from a file or the command line.

// The application title: About box, and the title of every message box.
inline constexpr std::string_view kApplicationTitle = "Tallies";

// The display name of the project's web site (window title, link label, About
// text); the address the link label opens is kVendorSiteUrl.
inline constexpr std::string_view kVendorSiteName = "Tallies Home";

}  // namespace tallies
