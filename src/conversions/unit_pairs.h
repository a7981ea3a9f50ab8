#pragma once

#include <span>

#include "controls/button_handler.h"
#include "controls/controls.h"
#include "conversions/unit_pair.h"

namespace tallies {

// The 25 conversion pairs of the length, volume, weight, weight-per-length,
// density and area tabs, in the order of their buttons (Command2 to Command27,
// there is no Command19).
std::span<const UnitPair> UnitPairTable();

// Runs one pair: fills A from B when A is empty, else B from A when B is empty,
// else clears A and then B. Touches no control but the pair's two fields. A
// result beyond the Double range is an overflow ArithmeticFault, thrown before
// the receiving field is written.
void ConvertUnitPair(Controls& form, const UnitPair& pair);

// The 25 buttons with their handlers, each running ConvertUnitPair on its own
// row of UnitPairTable(), in table order.
std::span<const ButtonHandler> UnitPairButtons();

}  // namespace tallies
