#include "settings/settings_folder.h"

#include <cstdlib>

namespace tallies {
namespace {

constexpr std::string_view kProgramFolder = "tallies";

}  // namespace

Environment ProcessEnvironment() {
  return [](std::string_view name) -> std::optional<std::string> {
    const char* value = std::getenv(std::string(name).c_str());
    if (value == nullptr) return std::nullopt;
    return std::string(value);
  };
}

std::filesystem::path SettingsFolder(const Environment& environment) {
  // A relative XDG_CONFIG_HOME is invalid and is ignored, as the XDG base directories ask.
  if (const auto config = environment("XDG_CONFIG_HOME"); config && !config->empty()) {
    const std::filesystem::path folder(*config);
    if (folder.is_absolute()) return folder / kProgramFolder;
  }
  if (const auto home = environment("HOME"); home && !home->empty()) {
    const std::filesystem::path folder(*home);
    if (folder.is_absolute()) return folder / ".config" / kProgramFolder;
  }
  return {};
}

}  // namespace tallies
