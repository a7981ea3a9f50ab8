#pragma once

#include <string_view>

// kVersionMajor, kVersionMinor, kVersionRevision, kVersionText and kAppId, made from the
// project's version and application ID.
#include "config/version.h"

namespace tallies {

// Values built into the program; nothing is read from a file or the command line.

// The application title: About box, and the title of every message box.
inline constexpr std::string_view kApplicationTitle = "Tallies";

// The display name of the project's web site (window title, link label, About
// text) and the address the link label opens (the root of the site).
inline constexpr std::string_view kVendorSiteName = "Tallies Home";
inline constexpr std::string_view kVendorSiteUrl = "https://tallies.example.org/";

}  // namespace tallies
