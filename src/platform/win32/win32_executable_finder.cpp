#include "platform/win32/win32_executable_finder.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>

#include "platform/win32/shell_result.h"
#include "platform/win32/windows_api.h"

namespace tallies {

std::int32_t Win32ExecutableFinder::FindExecutable(std::string_view fileName,
                                                   std::string_view directory,
                                                   std::span<char> result) {
  // FindExecutableA may write up to MAX_PATH characters, whatever the caller's buffer holds.
  std::array<char, MAX_PATH> found{};
  const HINSTANCE instance =
      FindExecutableA(std::string(fileName).c_str(), std::string(directory).c_str(), found.data());
  if (!result.empty()) {
    const std::size_t length = std::min(result.size() - 1, ::strnlen(found.data(), found.size()));
    std::copy_n(found.begin(), length, result.begin());
    result[length] = '\0';
  }
  return ShellResult(instance);
}

}  // namespace tallies
