// The nine Calc buttons of the hydraulic view: what each reads and writes, in US units.

#include <utility>

#include "hydraulic/cylinder.h"
#include "hydraulic/hose_and_motor.h"
#include "hydraulic/hydraulic_constants.h"
#include "hydraulic/torque_horsepower.h"
#include "window/calculator_catalogue.h"
#include "window/hydraulic_ports.h"

namespace tallies {
namespace {

using Q = Quantity;

}  // namespace

void AddHydraulicCalculators(std::vector<Calculator>& catalogue) {
  Calculator horsepower{.control = "cmdHP", .name = "Pump horsepower"};
  horsepower.inputs = {HydraulicField("txtGPM", Q::kFlow, "gpm"),
                       HydraulicField("txtPSI", Q::kPressure, "psi")};
  horsepower.outputs = {HydraulicResult("lblHP", Q::kPower, "hp",
                                        [](Inputs in) { return PumpHorsepower(in[0], in[1]); })};
  horsepower.formula =
      "Horsepower = gallons per minute × PSI ÷ " + FormulaNumber(kHorsepowerDivisor);
  horsepower.examples = {{{{"txtGPM", "10"}, {"txtPSI", "1500"}}, {{"lblHP", "8.751458"}}},
                         {{{"txtGPM", "1E39"}, {"txtPSI", "1"}}, {}, FaultKind::kOverflow},
                         // A pressure typed in bar is read in PSI (3045.792).
                         {{{"txtGPM", "10"}, {"txtPSI", "210 bar"}}, {{"lblHP", "17.77008"}}}};
  catalogue.push_back(std::move(horsepower));

  // One click prepares both rows below: the force and speed rows work from the same
  // 7 digits the user sees in the label.
  Calculator area{.control = "cmdArea", .name = "Cylinder piston area"};
  area.inputs = {HydraulicField("txtDIA", Q::kLength, "in")};
  area.outputs = {HydraulicResult("lblArea", Q::kArea, "in²",
                                  [](Inputs in) { return PistonArea(in[0]); },
                                  {"txtArea1", "txtArea2"})};
  area.formula = "Area (sq. in.) = π × (diameter (in.) ÷ " + FormulaNumber(kDiameterToRadius) +
                 ")², written to both Area fields";
  area.examples = {{{{"txtDIA", "3"}},
                    {{"lblArea", "7.068583"}, {"txtArea1", "7.068583"}, {"txtArea2", "7.068583"}}}};
  catalogue.push_back(std::move(area));

  Calculator force{.control = "cmdForce", .name = "Cylinder force"};
  force.inputs = {HydraulicField("txtArea1", Q::kArea, "in²"),
                  HydraulicField("txtPSI1", Q::kPressure, "psi")};
  force.outputs = {HydraulicResult("lblForce", Q::kForce, "lbf",
                                   [](Inputs in) { return CylinderForce(in[0], in[1]); })};
  force.formula = "Force (lbs.) = area (sq. in.) × PSI";
  force.examples = {{{{"txtArea1", "3.141593"}, {"txtPSI1", "1000"}}, {{"lblForce", "3141.593"}}},
                    {{{"txtArea1", "7.068583"}, {"txtPSI1", "2000"}}, {{"lblForce", "14137.17"}}}};
  catalogue.push_back(std::move(force));

  Calculator speed{.control = "cmdSpeed", .name = "Cylinder speed"};
  speed.inputs = {HydraulicField("txtArea2", Q::kArea, "in²"),
                  HydraulicField("txtGPM1", Q::kFlow, "gpm")};
  speed.outputs = {HydraulicResult("lblCylSpeed", Q::kSpeed, "ft/s",
                                   [](Inputs in) { return CylinderSpeed(in[0], in[1]); })};
  speed.formula = "Cyl. speed (ft./sec.) = gallons per minute × " +
                  FormulaNumber(kFlowToFeetPerSecond) + " ÷ area (sq. in.), to " +
                  std::to_string(kSpeedDecimals) + " decimals";
  speed.examples = {{{{"txtArea2", "3.141593"}, {"txtGPM1", "10"}}, {{"lblCylSpeed", "1.02114"}}},
                    {{{"txtArea2", ""}, {"txtGPM1", "10"}}, {}, FaultKind::kDivisionByZero},
                    {{{"txtArea2", ""}, {"txtGPM1", ""}}, {}, FaultKind::kInvalidOperation}};
  catalogue.push_back(std::move(speed));

  // Torque, horsepower and speed are inputs and outputs at once; the first empty one is
  // solved from the other two (another empty field reads as 0).
  Calculator relation{.control = "cmdTR",
                      .name = "Torque, horsepower and speed",
                      .kind = CalculatorKind::kFillEmpty};
  relation.inputs = {HydraulicField("txtTorque", Q::kTorque, "lbf·ft"),
                     HydraulicField("txtHP2", Q::kPower, "hp"),
                     HydraulicField("txtRPM", Q::kRotationSpeed, "rpm")};
  relation.solutions = {
      {{1, 2}, [](Inputs in) { return TorqueFromHorsepower(in[0], in[1]); }},
      {{2, 0}, [](Inputs in) { return HorsepowerFromTorque(in[0], in[1]); }},
      {{0, 1}, [](Inputs in) { return SpeedFromHorsepower(in[1], in[0]); }},
  };
  const std::string k = FormulaNumber(kTorqueSpeedPerHorsepower);
  relation.formula = "Fills the empty field: torque (ft./lbs.) = horsepower × " + k +
                     " ÷ RPM; horsepower = torque (ft./lbs.) × RPM ÷ " + k +
                     "; RPM = horsepower × " + k + " ÷ torque (ft./lbs.)";
  relation.examples = {
      {{{"txtTorque", ""}, {"txtHP2", "10"}, {"txtRPM", "1800"}}, {{"txtTorque", "29.17778"}}},
      {{{"txtTorque", "100"}, {"txtHP2", ""}, {"txtRPM", "5252"}}, {{"txtHP2", "100"}}},
      {{{"txtTorque", "1"}, {"txtHP2", "1"}, {"txtRPM", "1"}},
       {{"txtTorque", ""}, {"txtHP2", ""}, {"txtRPM", ""}}}};
  catalogue.push_back(std::move(relation));

  Calculator velocity{.control = "Command1", .name = "Oil velocity in a hose or pipe"};
  velocity.inputs = {HydraulicField("txtIDVel", Q::kLength, "in"),
                     HydraulicField("txtGPMVel", Q::kFlow, "gpm")};
  velocity.outputs = {HydraulicResult("lblVelocity", Q::kSpeed, "ft/s",
                                      [](Inputs in) { return OilVelocity(in[0], in[1]); })};
  velocity.formula = "Velocity (ft./sec.) = gallons per minute × " +
                     FormulaNumber(kFlowToFeetPerSecond) + " ÷ (π × (inside diameter (in.) ÷ " +
                     FormulaNumber(kDiameterToRadius) + ")²)";
  velocity.examples = {{{{"txtIDVel", "1"}, {"txtGPMVel", "10"}}, {{"lblVelocity", "4.084552"}}}};
  catalogue.push_back(std::move(velocity));

  Calculator torque{.control = "cmdTorqueDisplacement", .name = "Torque from displacement"};
  torque.inputs = {HydraulicField("txtPSITor", Q::kPressure, "psi"),
                   HydraulicField("txtDispTor", Q::kDisplacement, "in³/rev")};
  torque.outputs = {HydraulicResult("lblTorqueTor", Q::kTorque, "lbf·ft", [](Inputs in) {
    return TorqueFromDisplacement(in[0], in[1]);
  })};
  torque.formula = "Torque (ft./lbs.) = PSI × displacement (cu. in./rev.) ÷ " +
                   FormulaNumber(kTorqueDivisorCircles) + "π";
  torque.examples = {
      {{{"txtDispTor", "2"}, {"txtPSITor", "1000"}}, {{"lblTorqueTor", "26.52582"}}}};
  catalogue.push_back(std::move(torque));

  // The angle alone is not narrowed: it stays a Double.
  Calculator angle{.control = "cmdForceAngle", .name = "Force at an angle"};
  angle.inputs = {HydraulicField("txtTotalForce", Q::kForce, "lbf"),
                  {"txtAngleAng", Q::kAngle, "°", Precision::kDouble, true}};
  angle.outputs = {HydraulicResult("lblForceAng", Q::kForce, "lbf",
                                   [](Inputs in) { return ForceAtAngle(in[0], in[1]); })};
  angle.formula = "Force at angle (lbs.) = total force (lbs.) × sin(angle in degrees)";
  angle.examples = {{{{"txtTotalForce", "1000"}, {"txtAngleAng", "30"}}, {{"lblForceAng", "500"}}}};
  catalogue.push_back(std::move(angle));

  // The flow is shown before the displacement is computed, so a fault in the
  // displacement leaves the new flow.
  Calculator gearPump{.control = "cmdPumpMotorGPM", .name = "Gear pump flow and displacement"};
  gearPump.inputs = {HydraulicField("txtD", Q::kLength, "in"),
                     HydraulicField("txtL", Q::kLength, "in"),
                     HydraulicField("txtW", Q::kLength, "in"),
                     HydraulicField("txtRPMpump", Q::kRotationSpeed, "rpm")};
  gearPump.outputs = {
      HydraulicResult("lblGPMpump", Q::kFlow, "gpm",
                      [](Inputs in) { return GearPumpFlow(in[0], in[1], in[2], in[3]); }),
      HydraulicResult("lblCIR", Q::kDisplacement, "in³/rev",
                      [](Inputs in) { return GearPumpDisplacement(in[0], in[1], in[2]); }),
  };
  gearPump.formula =
      "Gallons per minute = RPM × (2 × D − L) × " + FormulaNumber(kGearFlowWidthFactor) +
      " × W × (L − D) ÷ 2 ÷ " + FormulaNumber(kGearFlowDivisor) +
      "; C.I.R. displacement (cu. in./rev.) = (2 × D − L) × " +
      FormulaNumber(kGearDisplacementWidthFactor) + " × W × (L − D) ÷ 2; W, D and L in inches";
  gearPump.examples = {{{{"txtW", "1"}, {"txtD", "2"}, {"txtL", "3.5"}, {"txtRPMpump", "1800"}},
                        {{"lblGPMpump", "17.625"}, {"lblCIR", "2.25"}}}};
  catalogue.push_back(std::move(gearPump));
}

}  // namespace tallies
