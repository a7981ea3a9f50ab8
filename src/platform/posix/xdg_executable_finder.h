#pragma once

#include <string>

#include "platform/executable_finder.h"

namespace tallies {

// The find query on a freedesktop.org desktop: the file's type comes from its name, and the
// desktop's default handler for that type from "xdg-mime query default TYPE". The answer is the
// handler's desktop entry (its full path when it can be found). No handler, or no xdg-mime to
// ask, gives 31 (no program registered).
class XdgExecutableFinder : public ExecutableFinder {
 public:
  // The xdg-mime program to run may be given, for tests.
  explicit XdgExecutableFinder(std::string xdgMimeProgram = "xdg-mime");

  std::int32_t FindExecutable(std::string_view fileName, std::string_view directory,
                              std::span<char> result) override;

 private:
  std::string m_xdgMimeProgram;
};

}  // namespace tallies
