#include "platform/posix/path_search.h"

#include <sys/stat.h>
#include <unistd.h>

namespace tallies {

namespace {

bool IsExecutableFile(const std::string& path) {
  struct stat status {};
  return ::stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
         ::access(path.c_str(), X_OK) == 0;
}

}  // namespace

std::optional<std::string> FindProgramOnPath(std::string_view name, std::string_view pathVariable) {
  if (name.empty() || name.find('/') != std::string_view::npos) {
    return std::nullopt;
  }
  std::string_view rest = pathVariable;
  while (true) {
    const std::size_t colon = rest.find(':');
    const std::string_view folder = rest.substr(0, colon);
    if (!folder.empty() && folder.front() == '/') {
      std::string candidate(folder);
      if (candidate.back() != '/') {
        candidate += '/';
      }
      candidate += name;
      if (IsExecutableFile(candidate)) {
        return candidate;
      }
    }
    if (colon == std::string_view::npos) {
      return std::nullopt;
    }
    rest.remove_prefix(colon + 1);
  }
}

}  // namespace tallies
