#pragma once

#include "platform/executable_finder.h"

namespace tallies {

// The find query through FindExecutableA.
class Win32ExecutableFinder : public ExecutableFinder {
 public:
  std::int32_t FindExecutable(std::string_view fileName, std::string_view directory,
                              std::span<char> result) override;
};

}  // namespace tallies
