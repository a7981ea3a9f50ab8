#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tallies {

// Looks for the program name (a bare file name) in the folders of pathVariable, a list separated
// by ':' as in the PATH environment variable, and returns the full path of the first executable
// ordinary file of that name. Empty and relative entries are skipped, so the answer never depends
// on the current folder.
std::optional<std::string> FindProgramOnPath(std::string_view name, std::string_view pathVariable);

}  // namespace tallies
