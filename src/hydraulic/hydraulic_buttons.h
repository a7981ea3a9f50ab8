#pragma once

#include <span>

#include "controls/button_handler.h"

namespace tallies {

// The nine "Calc" buttons of the hydraulic tabs, each by its control name with
// its click handler, in tab order, so the window wires them in one loop.
std::span<const ButtonHandler> HydraulicButtons();

}  // namespace tallies
