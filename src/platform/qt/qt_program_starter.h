#pragma once

#include "platform/program_starter.h"

namespace tallies {

// Starts a program on Qt, detached: it runs on its own and outlives the calculator. The desktop
// shows its window normally and gives it the focus, so the window style has nothing to act on.
class QtProgramStarter : public ProgramStarter {
 public:
  void Start(std::string_view path, int windowStyle) override;
};

}  // namespace tallies
