#include "platform/posix/posix_registry.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>

#include "platform/posix/path_search.h"
#include "platform/program_command.h"

namespace tallies {

namespace {

// The one key this registry knows: where the system-information tool's full path is kept, and
// the name of the value that holds it.
constexpr std::string_view kSysInfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr std::string_view kSysInfoValue = "PATH";

// The handle given out for that key; any other handle is not open.
constexpr RegistryKey kSysInfoKeyHandle = 1;

// Registry key and value names are compared without regard to case, as Windows does.
bool SameName(std::string_view a, std::string_view b) {
  auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  return std::ranges::equal(a, b, [&](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace

std::vector<PosixRegistry::SysInfoProgram> PosixRegistry::DefaultPrograms() {
  return {
      {"hardinfo2", {}},
      {"hardinfo", {}},
      {"kinfocenter", {}},
      {"lshw-gtk", {}},
      // Without a panel, GNOME Settings opens at the one last shown.
      {"gnome-control-center", {"info-overview"}},
      {"xfce4-about", {}},
  };
}

PosixRegistry::PosixRegistry(std::vector<SysInfoProgram> programs,
                             std::optional<std::string> pathVariable)
    : m_programs(std::move(programs)), m_pathVariable(std::move(pathVariable)) {}

long PosixRegistry::OpenKey(std::uint32_t keyRoot, std::string_view keyName,
                            std::uint32_t /*options*/, std::uint32_t /*access*/, RegistryKey& key) {
  if (keyRoot != kHKeyLocalMachine || !SameName(keyName, kSysInfoKey)) {
    return kRegistryNotFound;
  }
  key = kSysInfoKeyHandle;
  return kRegistrySuccess;
}

long PosixRegistry::QueryValue(RegistryKey key, std::string_view valueName, std::uint32_t& type,
                               std::span<std::uint8_t> data, std::uint32_t& byteCount) {
  if (key != kSysInfoKeyHandle) {
    return kRegistryInvalidKey;
  }
  if (!SameName(valueName, kSysInfoValue)) {
    return kRegistryNotFound;
  }
  const std::optional<std::string> program = FindSysInfoProgram();
  if (!program) {
    return kRegistryNotFound;
  }
  // Stored as a string value is: the text followed by its terminating zero.
  const std::size_t size = program->size() + 1;
  byteCount = static_cast<std::uint32_t>(size);
  if (size > data.size()) {
    return kRegistryMoreData;
  }
  std::ranges::copy(*program, data.begin());
  data[program->size()] = 0;
  type = kRegistryString;
  return kRegistrySuccess;
}

long PosixRegistry::CloseKey(RegistryKey key) {
  return key == kSysInfoKeyHandle ? kRegistrySuccess : kRegistryInvalidKey;
}

std::optional<std::string> PosixRegistry::FindSysInfoProgram() const {
  std::string pathVariable;
  if (m_pathVariable) {
    pathVariable = *m_pathVariable;
  } else if (const char* environment = std::getenv("PATH")) {
    pathVariable = environment;
  }
  for (const SysInfoProgram& program : m_programs) {
    if (std::optional<std::string> found = FindProgramOnPath(program.name, pathVariable)) {
      return JoinCommand(*found, program.arguments);
    }
  }
  return std::nullopt;
}

}  // namespace tallies
