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

std::filesystem::path XdgProgramFolder(const Environment& environment, std::string_view variable,
                                       const std::filesystem::path& underHome) {
  // A relative path in the variable is invalid and is ignored, as the XDG base directories ask.
  if (const auto base = environment(variable); base && !base->empty()) {
    const std::filesystem::path folder(*base);
    if (folder.is_absolute()) return folder / kProgramFolder;
  }
  if (const auto home = environment("HOME"); home && !home->empty()) {
    const std::filesystem::path folder(*home);
    if (folder.is_absolute()) return folder / underHome / kProgramFolder;
  }
  return {};
}

std::filesystem::path SettingsFolder(const Environment& environment) {
  return XdgProgramFolder(environment, "XDG_CONFIG_HOME", ".config");
}

}  // namespace tallies
