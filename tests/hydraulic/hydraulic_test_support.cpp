#include "hydraulic_test_support.h"

namespace tallies::testing {

const std::vector<Calculator>& OneWayCalculators() {
  static const std::vector<Calculator> calculators{
      {"cmdHP", "cmdHP", {"txtGPM", "txtPSI"}, {"lblHP"}, {0}},
      {"cmdArea", "cmdArea", {"txtDIA"}, {"lblArea", "txtArea1", "txtArea2"}, {0}},
      {"cmdForce", "cmdForce", {"txtArea1", "txtPSI1"}, {"lblForce"}, {0}},
      {"cmdSpeed", "cmdSpeed", {"txtArea2", "txtGPM1"}, {"lblCylSpeed"}, {0}},
      {"Command1", "Command1", {"txtIDVel", "txtGPMVel"}, {"lblVelocity"}, {0}},
      {"cmdTorqueDisplacement",
       "cmdTorqueDisplacement",
       {"txtPSITor", "txtDispTor"},
       {"lblTorqueTor"},
       {0}},
      {"cmdForceAngle", "cmdForceAngle", {"txtTotalForce", "txtAngleAng"}, {"lblForceAng"}, {0}},
      // The flow is shown before the displacement is computed.
      {"cmdPumpMotorGPM",
       "cmdPumpMotorGPM",
       {"txtD", "txtL", "txtW", "txtRPMpump"},
       {"lblGPMpump", "lblCIR"},
       {0, 1}},
  };
  return calculators;
}

}  // namespace tallies::testing
