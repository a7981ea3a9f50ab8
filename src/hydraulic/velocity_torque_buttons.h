#pragma once

#include "controls/controls.h"

namespace tallies {

// Tab "Oil Velocity in Hose/Pipe": reads txtIDVel, txtGPMVel; writes the
// caption of lblVelocity.
void Command1_Click(Controls& form);

// Tab "Torque and Displacement": reads txtPSITor, then txtDispTor; writes the
// caption of lblTorqueTor.
void cmdTorqueDisplacement_Click(Controls& form);

}  // namespace tallies
