#pragma once

#include "controls/controls.h"

namespace tallies {

// Tab "Torque and Horsepower": txtTorque, txtHP2 and txtRPM are inputs and
// outputs at once. The first empty field, in the order torque, horsepower,
// speed, is solved from the other two (another empty field reads as 0) and its
// text written; when none is empty, all three are emptied instead.
void cmdTR_Click(Controls& form);

}  // namespace tallies
