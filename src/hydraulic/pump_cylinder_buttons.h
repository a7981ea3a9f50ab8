#pragma once

#include "controls/controls.h"

namespace tallies {

// Tab "Pump Horsepower": reads txtGPM, txtPSI; writes the caption of lblHP.
void cmdHP_Click(Controls& form);

// Tab "Cylinder Area, Force, Speed", area row: reads txtDIA; writes the caption
// of lblArea, then the text of txtArea1 and of txtArea2, the area inputs of the
// force and speed rows.
void cmdArea_Click(Controls& form);

// Force row: reads txtArea1, txtPSI1; writes the caption of lblForce.
void cmdForce_Click(Controls& form);

// Speed row: reads txtArea2, txtGPM1; writes the caption of lblCylSpeed,
// rounded to 5 decimal places.
void cmdSpeed_Click(Controls& form);

}  // namespace tallies
