#pragma once

#include "platform/program_starter.h"

namespace tallies {

// Starts a program through CreateProcessA without waiting for it. A failure throws
// std::system_error with the system's error number.
class Win32ProgramStarter : public ProgramStarter {
 public:
  void Start(std::string_view path, int windowStyle) override;
};

}  // namespace tallies
