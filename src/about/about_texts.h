#pragma once

#include <string>
#include <string_view>

namespace tallies {

// The texts of the About box as its window definition holds them, before loading replaces them.
inline constexpr std::string_view kAboutInitialCaption = "About MyApp";
inline constexpr std::string_view kAboutInitialTitle = "Application";
inline constexpr std::string_view kAboutInitialVersion = "Version";

// Who wrote the program, as the description line names them.
inline constexpr std::string_view kAuthorName = "the Tallies developers";

// The window caption set on loading: "About " and the application title.
std::string AboutCaption();

// The version line set on loading, each number in plain digits: "Version 1.2.0".
std::string AboutVersionText();

// The description line: what the program does, who wrote it, and that the site answers for
// nothing.
std::string AboutDescriptionText();

// The usage notice under the separator, naming the project's site.
std::string AboutDisclaimerText();

}  // namespace tallies
