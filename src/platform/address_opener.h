#pragma once

#include <cstdint>
#include <string_view>

namespace tallies {

// The shell's open request: hands a web address (or a file) to the program the desktop uses for
// it. The owner window is fixed when the opener is made.
class AddressOpener {
 public:
  virtual ~AddressOpener() = default;

  // Runs operation (the web link asks for "Open") on file, with parameters and directory for a
  // program and showCommand for its window (1: a normal window). Returns a shell code: 32 or more
  // on success (see executable_finder.h), less than 32 on failure.
  virtual std::int32_t Open(std::string_view operation, std::string_view file,
                            std::string_view parameters, std::string_view directory,
                            int showCommand) = 0;
};

}  // namespace tallies
