#pragma once

#include <string_view>

#include "about/web_link_platform.h"

namespace tallies {

// The short-lived file whose type tells the shell to name the web browser.
inline constexpr std::string_view kTempLinkFileName = "x27z42j.html";

// The shell's operation that opens the web site.
inline constexpr std::string_view kOpenOperation = "Open";

// Messages of the web link.
inline constexpr std::string_view kOutOfMemoryMessage =
    "Sorry out of memory, please close some programs and try again.";
inline constexpr std::string_view kErrorNumberPrefix = "Error Number: ";
inline constexpr std::string_view kNoBrowserMessage = "Unable to find Web Browser.";
inline constexpr std::string_view kLaunchFailedMessage = "Unable to launch Web Browser.";
inline constexpr std::string_view kErrorReportHeading =
    "An error has occured, please report this to you lowly programmer";
inline constexpr std::string_view kErrorDescriptionPrefix = "Error description: ";

// Click handler of the link label: checks with the shell that a program is registered for web
// pages, then opens the project's web site (kVendorSiteUrl) in it. Each refusal of the shell has
// its own message; any other failure ends in the error report with the failure's number and
// description. The short-lived file is gone again whichever way the handler ends (unless even
// the error report cannot delete it). Queued events, a further click on the link included, run
// just before the site is opened.
void Label3_Click(const WebLinkPlatform& platform);

}  // namespace tallies
