#pragma once

#include "controls/controls.h"

namespace tallies {

// Tab "Angle/Force Relation": reads txtTotalForce, txtAngleAng (degrees from the
// base line, kept in double precision); writes the caption of lblForceAng.
void cmdForceAngle_Click(Controls& form);

// Tab "Pump GPM - C.I.R. Disp.": reads txtD, txtL, txtW, txtRPMpump; writes the
// caption of lblGPMpump, then of lblCIR. The flow is shown before the
// displacement is computed, so a fault in the displacement leaves the new flow.
void cmdPumpMotorGPM_Click(Controls& form);

}  // namespace tallies
