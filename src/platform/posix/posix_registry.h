#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/registry.h"

namespace tallies {

// The registry as far as the About box needs it on a system without one. The key where the
// system-information tool's full path is registered answers with the first system-information
// program found on PATH; every other key is not found. Nothing can be written.
class PosixRegistry : public Registry {
 public:
  // The desktop system-information programs looked for, best first. Each is a graphical program
  // that, started without arguments, shows a summary of the machine's hardware, operating system
  // and software, as the tool the About box offers does: the two system profilers (the maintained
  // successor first), then the KDE information centre, then the graphical hardware lister. Task
  // managers and command-line tools are left out: they answer other questions, or need a
  // terminal.
  static std::vector<std::string> DefaultPrograms();

  // Looks for programs on the folders of pathVariable, or of the PATH environment variable at the
  // time of each query when none is given.
  explicit PosixRegistry(std::vector<std::string> programs = DefaultPrograms(),
                         std::optional<std::string> pathVariable = std::nullopt);

  long OpenKey(std::uint32_t keyRoot, std::string_view keyName, std::uint32_t options,
               std::uint32_t access, RegistryKey& key) override;
  long QueryValue(RegistryKey key, std::string_view valueName, std::uint32_t& type,
                  std::span<std::uint8_t> data, std::uint32_t& byteCount) override;
  long CloseKey(RegistryKey key) override;

 private:
  std::optional<std::string> FindSysInfoProgram() const;

  std::vector<std::string> m_programs;
  std::optional<std::string> m_pathVariable;
};

}  // namespace tallies
