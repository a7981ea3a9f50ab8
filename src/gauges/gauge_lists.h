#pragma once

#include <span>

#include "controls/button_handler.h"
#include "controls/controls.h"

namespace tallies {

// The choice of an entry in the sheet-metal list: shows the thickness of the
// gauge in Combo1's text in lblSteelGauge. A text that is no gauge of the table
// leaves the label as it was.
void Combo1_Click(Controls& form);

// The same for the wire list: Combo2 into lblWireGauge.
void Combo2_Click(Controls& form);

// The two lists with their selection handlers, Combo1 and Combo2.
std::span<const ButtonHandler> GaugeLists();

}  // namespace tallies
