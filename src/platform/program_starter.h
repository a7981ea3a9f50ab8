#pragma once

#include <string_view>

namespace tallies {

// Starts a program by its path, without waiting for it; the started program is not tracked.
class ProgramStarter {
 public:
  virtual ~ProgramStarter() = default;

  // Starts the program at path with the window style windowStyle (1: normal, with focus).
  // A program that cannot be started throws (std::system_error or another std::exception).
  // path is the text the registry gave for the program; where that registry joins arguments to
  // the path (the POSIX one, platform/program_command.h), its starter splits them off again.
  virtual void Start(std::string_view path, int windowStyle) = 0;
};

}  // namespace tallies
