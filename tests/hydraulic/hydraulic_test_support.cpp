#include "hydraulic_test_support.h"

#include "hydraulic/angle_gear_pump_buttons.h"
#include "hydraulic/pump_cylinder_buttons.h"
#include "hydraulic/velocity_torque_buttons.h"

namespace tallies::testing {

const std::vector<Calculator>& OneWayCalculators() {
  static const std::vector<Calculator> calculators{
      {"cmdHP", &cmdHP_Click, {"txtGPM", "txtPSI"}, {"lblHP"}, {0}},
      {"cmdArea", &cmdArea_Click, {"txtDIA"}, {"lblArea", "txtArea1", "txtArea2"}, {0}},
      {"cmdForce", &cmdForce_Click, {"txtArea1", "txtPSI1"}, {"lblForce"}, {0}},
      {"cmdSpeed", &cmdSpeed_Click, {"txtArea2", "txtGPM1"}, {"lblCylSpeed"}, {0}},
      {"Command1", &Command1_Click, {"txtIDVel", "txtGPMVel"}, {"lblVelocity"}, {0}},
      {"cmdTorqueDisplacement",
       &cmdTorqueDisplacement_Click,
       {"txtPSITor", "txtDispTor"},
       {"lblTorqueTor"},
       {0}},
      {"cmdForceAngle",
       &cmdForceAngle_Click,
       {"txtTotalForce", "txtAngleAng"},
       {"lblForceAng"},
       {0}},
      // The flow is shown before the displacement is computed.
      {"cmdPumpMotorGPM",
       &cmdPumpMotorGPM_Click,
       {"txtD", "txtL", "txtW", "txtRPMpump"},
       {"lblGPMpump", "lblCIR"},
       {0, 1}},
  };
  return calculators;
}

}  // namespace tallies::testing
