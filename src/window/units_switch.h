#pragma once

#include "controls/controls.h"
#include "numeric/unit_system.h"

namespace tallies {

// What the window shows when its units are switched from one system to the other, so that no
// text keeps a number whose meaning silently changed:
// - a field of a calculator holding a number is converted into its unit in the new system
//   (FieldTextInUnits); a number that cannot be converted (beyond the Single range there) keeps
//   its text with its old unit typed after it, so it is still read as what it was;
// - a result whose unit differs between the systems is cleared, since its inputs are converted
//   and the next Calc writes it anew in the new units;
// - a gauge list's result is looked up again, in the new system's unit;
// - the captions that name the hydraulic fields and results and the gauge lists show the new
//   system's captions.
// The general view's unit pairs and temperatures keep their text: their units are the same in
// both systems. The front-end itself shows the new system's formulas and runs its calculators.
void SwitchUnits(Controls& form, UnitSystem from, UnitSystem to);

}  // namespace tallies
