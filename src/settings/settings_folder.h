#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tallies {

// An environment variable's value, none when it is not set.
using Environment = std::function<std::optional<std::string>(std::string_view)>;
// The process's own environment.
Environment ProcessEnvironment();

// The folder of the program's settings on Linux, as the XDG base directories say: "tallies" in
// $XDG_CONFIG_HOME when that is an absolute path, else in ~/.config; empty when neither can be
// found (no settings are then read or written).
std::filesystem::path SettingsFolder(const Environment& environment = ProcessEnvironment());

// The program's folder in an XDG base directory: "tallies" in the folder the variable names when
// that is an absolute path, else in `underHome` below $HOME; empty when neither can be found.
std::filesystem::path XdgProgramFolder(const Environment& environment, std::string_view variable,
                                       const std::filesystem::path& underHome);

}  // namespace tallies
