#pragma once

#include <string_view>

namespace tallies {

// Values built into the program; nothing is read from a file or the command line.

// The application title: About box, and the title of every message box.
inline constexpr std::string_view kApplicationTitle = "Tallies";

// The version, shown as "Version 1.2.0".
inline constexpr int kVersionMajor = 1;
inline constexpr int kVersionMinor = 2;
inline constexpr int kVersionRevision = 0;

// The display name of the project's web site (window title, link label, About
// text) and the address the link label opens (the root of the site).
inline constexpr std::string_view kVendorSiteName = "Tallies Home";
inline constexpr std::string_view kVendorSiteUrl = "https://tallies.example.org/";

}  // namespace tallies
