#pragma once

#include <string>
#include <string_view>

namespace tallies {

// The About box's caption as its window definition holds it, before loading replaces it (the
// labels' first texts are in its layout table).
inline constexpr std::string_view kAboutInitialCaption = "About MyApp";

// Who wrote the program, as the description line names them.
inline constexpr std::string_view kAuthorName = "the Tallies developers";

// The window caption set on loading: "About " and the application title.
std::string AboutCaption();

// The version line set on loading, each number in plain digits: "Version " and the
// major, minor and revision numbers between points.
std::string AboutVersionText();

// The description line: what the program does, who wrote it, and that the site answers for
// nothing.
std::string AboutDescriptionText();

// The usage notice under the separator, naming the project's site.
std::string AboutDisclaimerText();

}  // namespace tallies
