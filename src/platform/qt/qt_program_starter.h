#pragma once

#include "platform/program_starter.h"

namespace tallies {

// Starts a program on Qt, detached: it runs on its own and outlives the calculator. The desktop
// shows its window normally and gives it the focus, so the window style has nothing to act on.
// The path may carry arguments joined to it as platform/program_command.h describes, as the
// POSIX registry answers for a program that needs them; they are passed as they are, without a
// shell.
class QtProgramStarter : public ProgramStarter {
 public:
  void Start(std::string_view path, int windowStyle) override;
};

}  // namespace tallies
