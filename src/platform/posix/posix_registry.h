#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/registry.h"

namespace tallies {

// The registry as far as the About box needs it on a system without one. The key where the
// system-information tool's full path is registered answers with the first system-information
// program found on PATH; every other key is not found. Nothing can be written.
//
// A program that needs arguments to show its summary is answered with them, joined to its path
// as platform/program_command.h describes; the program starter paired with this registry
// (QtProgramStarter) starts it with them.
class PosixRegistry : public Registry {
 public:
  // A program looked for by its file name, and the arguments it is started with.
  struct SysInfoProgram {
    std::string name;
    std::vector<std::string> arguments;
  };

  // The desktop system-information programs looked for, best first. Each is a graphical program
  // that shows a summary of the machine's hardware, operating system and software, as the tool
  // the About box offers does: the two system profilers (the maintained successor first), then
  // the KDE information centre, then the graphical hardware lister; then the About pages of the
  // desktops' own settings, which every GNOME or Xfce desktop has: GNOME Settings opened at its
  // About panel (info-overview), and Xfce's About window. Task managers and command-line tools
  // are left out: they answer other questions, or need a terminal.
  static std::vector<SysInfoProgram> DefaultPrograms();

  // Looks for programs on the folders of pathVariable, or of the PATH environment variable at the
  // time of each query when none is given.
  explicit PosixRegistry(std::vector<SysInfoProgram> programs = DefaultPrograms(),
                         std::optional<std::string> pathVariable = std::nullopt);

  long OpenKey(std::uint32_t keyRoot, std::string_view keyName, std::uint32_t options,
               std::uint32_t access, RegistryKey& key) override;
  long QueryValue(RegistryKey key, std::string_view valueName, std::uint32_t& type,
                  std::span<std::uint8_t> data, std::uint32_t& byteCount) override;
  long CloseKey(RegistryKey key) override;

 private:
  std::optional<std::string> FindSysInfoProgram() const;

  std::vector<SysInfoProgram> m_programs;
  std::optional<std::string> m_pathVariable;
};

}  // namespace tallies
