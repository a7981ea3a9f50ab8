#pragma once

#include <string_view>

#include "controls/controls.h"

namespace tallies {

// A calculator as the window wires it: the control whose click (or, for a
// list, whose choice of an entry) runs the handler, and the handler itself.
struct ButtonHandler {
  std::string_view control;
  void (*handler)(Controls& form);
};

}  // namespace tallies
