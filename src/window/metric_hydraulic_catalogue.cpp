// The nine Calc buttons of the hydraulic view in metric units: the same controls, read and
// written in the same order as in US units, with the metric calculators.

#include <string>
#include <utility>

#include "hydraulic/metric_constants.h"
#include "hydraulic/metric_cylinder.h"
#include "hydraulic/metric_hose_and_motor.h"
#include "hydraulic/metric_torque_power.h"
#include "window/calculator_catalogue.h"
#include "window/hydraulic_ports.h"

namespace tallies {
namespace {

using Q = Quantity;

Calculator Metric(std::string_view control, std::string name,
                  CalculatorKind kind = CalculatorKind::kFormula) {
  return {.control = control, .name = std::move(name), .kind = kind, .units = UnitSystem::kMetric};
}

}  // namespace

void AddMetricHydraulicCalculators(std::vector<Calculator>& catalogue) {
  Calculator power = Metric("cmdHP", "Pump power");
  power.inputs = {HydraulicField("txtGPM", Q::kFlow, "l/min"),
                  HydraulicField("txtPSI", Q::kPressure, "bar")};
  power.outputs = {HydraulicResult("lblHP", Q::kPower, "kW",
                                   [](Inputs in) { return PumpKilowatts(in[0], in[1]); })};
  power.formula = "Kilowatts = litres per minute × bar ÷ " + FormulaNumber(kLitreBarPerKilowatt);
  power.examples = {{{{"txtGPM", "100"}, {"txtPSI", "200"}}, {{"lblHP", "33.33333"}}},
                    // 10 US gallons per minute at 210 bar, typed with their units.
                    {{{"txtGPM", "10 gpm"}, {"txtPSI", "210 bar"}}, {{"lblHP", "13.24894"}}},
                    {{{"txtGPM", "1E39"}, {"txtPSI", "1"}}, {}, FaultKind::kOverflow}};
  catalogue.push_back(std::move(power));

  Calculator area = Metric("cmdArea", "Cylinder piston area");
  area.inputs = {HydraulicField("txtDIA", Q::kLength, "mm")};
  area.outputs = {HydraulicResult("lblArea", Q::kArea, "cm²",
                                  [](Inputs in) { return PistonAreaSquareCentimetres(in[0]); },
                                  {"txtArea1", "txtArea2"})};
  area.formula = "Area (cm²) = π × (diameter (mm) ÷ " + FormulaNumber(kDiameterToRadius) + ")² ÷ " +
                 FormulaNumber(kSquareMillimetresPerSquareCentimetre) +
                 ", written to both Area fields";
  area.examples = {{{{"txtDIA", "50"}},
                    {{"lblArea", "19.63495"}, {"txtArea1", "19.63495"}, {"txtArea2", "19.63495"}}}};
  catalogue.push_back(std::move(area));

  Calculator force = Metric("cmdForce", "Cylinder force");
  force.inputs = {HydraulicField("txtArea1", Q::kArea, "cm²"),
                  HydraulicField("txtPSI1", Q::kPressure, "bar")};
  force.outputs = {HydraulicResult("lblForce", Q::kForce, "kN", [](Inputs in) {
    return CylinderForceKilonewtons(in[0], in[1]);
  })};
  force.formula =
      "Force (kN) = area (cm²) × bar ÷ " + FormulaNumber(kSquareCentimetreBarPerKilonewton);
  force.examples = {{{{"txtArea1", "19.63495"}, {"txtPSI1", "200"}}, {{"lblForce", "39.2699"}}}};
  catalogue.push_back(std::move(force));

  Calculator speed = Metric("cmdSpeed", "Cylinder speed");
  speed.inputs = {HydraulicField("txtArea2", Q::kArea, "cm²"),
                  HydraulicField("txtGPM1", Q::kFlow, "l/min")};
  speed.outputs = {HydraulicResult("lblCylSpeed", Q::kSpeed, "m/s", [](Inputs in) {
    return CylinderSpeedMetresPerSecond(in[0], in[1]);
  })};
  speed.formula = "Cyl. speed (m/s) = litres per minute ÷ (" +
                  FormulaNumber(kLitresPerMinutePerCentimetreSpeed) + " × area (cm²)), to " +
                  std::to_string(kSpeedDecimals) + " decimals";
  speed.examples = {{{{"txtArea2", "19.63495"}, {"txtGPM1", "40"}}, {{"lblCylSpeed", "0.33953"}}},
                    {{{"txtArea2", ""}, {"txtGPM1", "40"}}, {}, FaultKind::kDivisionByZero},
                    {{{"txtArea2", ""}, {"txtGPM1", ""}}, {}, FaultKind::kInvalidOperation}};
  catalogue.push_back(std::move(speed));

  // As in US units, the first empty field is solved from the other two; with none empty,
  // all three are emptied.
  Calculator relation = Metric("cmdTR", "Torque, power and speed", CalculatorKind::kFillEmpty);
  relation.inputs = {HydraulicField("txtTorque", Q::kTorque, "N·m"),
                     HydraulicField("txtHP2", Q::kPower, "kW"),
                     HydraulicField("txtRPM", Q::kRotationSpeed, "rpm")};
  relation.solutions = {
      {{1, 2}, [](Inputs in) { return TorqueFromKilowatts(in[0], in[1]); }},
      {{2, 0}, [](Inputs in) { return KilowattsFromTorque(in[0], in[1]); }},
      {{0, 1}, [](Inputs in) { return SpeedFromKilowatts(in[1], in[0]); }},
  };
  const std::string k = FormulaNumber(kWattSecondsPerKilowattMinute) + " ÷ " +
                        FormulaNumber(kRadiansPerTurnInCircles) + "π";
  relation.formula = "Fills the empty field: torque (N·m) = kilowatts × " + k +
                     " ÷ RPM; kilowatts = torque (N·m) × RPM ÷ (" + k + "); RPM = kilowatts × " +
                     k + " ÷ torque (N·m)";
  relation.examples = {
      {{{"txtTorque", ""}, {"txtHP2", "30"}, {"txtRPM", "1500"}}, {{"txtTorque", "190.9859"}}},
      {{{"txtTorque", "100"}, {"txtHP2", ""}, {"txtRPM", "1000"}}, {{"txtHP2", "10.47198"}}},
      {{{"txtTorque", "100"}, {"txtHP2", "15"}, {"txtRPM", ""}}, {{"txtRPM", "1432.395"}}},
      {{{"txtTorque", "1"}, {"txtHP2", "1"}, {"txtRPM", "1"}},
       {{"txtTorque", ""}, {"txtHP2", ""}, {"txtRPM", ""}}}};
  catalogue.push_back(std::move(relation));

  Calculator velocity = Metric("Command1", "Oil velocity in a hose or pipe");
  velocity.inputs = {HydraulicField("txtIDVel", Q::kLength, "mm"),
                     HydraulicField("txtGPMVel", Q::kFlow, "l/min")};
  velocity.outputs = {HydraulicResult("lblVelocity", Q::kSpeed, "m/s", [](Inputs in) {
    return OilVelocityMetresPerSecond(in[0], in[1]);
  })};
  velocity.formula = "Velocity (m/s) = litres per minute × " + FormulaNumber(kVelocityFlowFactor) +
                     " ÷ (" + FormulaNumber(kSecondsPerMinute) + " × π × (inside diameter (mm) ÷ " +
                     FormulaNumber(kDiameterToRadius) + ")²)";
  velocity.examples = {
      {{{"txtIDVel", "25.4"}, {"txtGPMVel", "37.85412"}}, {{"lblVelocity", "1.245101"}}},
      {{{"txtIDVel", "0"}, {"txtGPMVel", "10"}}, {}, FaultKind::kDivisionByZero}};
  catalogue.push_back(std::move(velocity));

  Calculator torque = Metric("cmdTorqueDisplacement", "Torque from displacement");
  torque.inputs = {HydraulicField("txtPSITor", Q::kPressure, "bar"),
                   HydraulicField("txtDispTor", Q::kDisplacement, "cm³/rev")};
  torque.outputs = {HydraulicResult("lblTorqueTor", Q::kTorque, "N·m", [](Inputs in) {
    return TorqueFromDisplacementNewtonMetres(in[0], in[1]);
  })};
  torque.formula = "Torque (N·m) = bar × displacement (cm³/rev) ÷ " +
                   FormulaNumber(kMetricTorqueDivisorCircles) + "π";
  torque.examples = {
      {{{"txtDispTor", "32.77"}, {"txtPSITor", "100"}}, {{"lblTorqueTor", "52.15508"}}}};
  catalogue.push_back(std::move(torque));

  // The angle alone is not narrowed: it stays a Double, as in US units.
  Calculator angle = Metric("cmdForceAngle", "Force at an angle");
  angle.inputs = {HydraulicField("txtTotalForce", Q::kForce, "kN"),
                  {"txtAngleAng", Q::kAngle, "°", Precision::kDouble, true}};
  angle.outputs = {HydraulicResult("lblForceAng", Q::kForce, "kN", [](Inputs in) {
    return ForceAtAngleKilonewtons(in[0], in[1]);
  })};
  angle.formula = "Force at angle (kN) = total force (kN) × sin(angle in degrees)";
  angle.examples = {
      {{{"txtTotalForce", "10"}, {"txtAngleAng", "30"}}, {{"lblForceAng", "5"}}},
      {{{"txtTotalForce", "10"}, {"txtAngleAng", "180"}}, {{"lblForceAng", "3.231089E-14"}}}};
  catalogue.push_back(std::move(angle));

  // As in US units, the flow is shown before the displacement is computed.
  Calculator gearPump = Metric("cmdPumpMotorGPM", "Gear pump flow and displacement");
  gearPump.inputs = {HydraulicField("txtD", Q::kLength, "mm"),
                     HydraulicField("txtL", Q::kLength, "mm"),
                     HydraulicField("txtW", Q::kLength, "mm"),
                     HydraulicField("txtRPMpump", Q::kRotationSpeed, "rpm")};
  gearPump.outputs = {
      HydraulicResult(
          "lblGPMpump", Q::kFlow, "l/min",
          [](Inputs in) { return GearPumpLitresPerMinute(in[0], in[1], in[2], in[3]); }),
      HydraulicResult("lblCIR", Q::kDisplacement, "cm³/rev",
                      [](Inputs in) { return GearPumpCubicCentimetres(in[0], in[1], in[2]); }),
  };
  gearPump.formula =
      "Litres per minute = RPM × (2 × D − L) × " + FormulaNumber(kGearFlowWidthFactor) +
      " × W × (L − D) ÷ 2 ÷ " + FormulaNumber(kGearFlowDivisor) + " × " +
      FormulaNumber(kCubicInchesPerGallon) + " ÷ " + FormulaNumber(kCubicMillimetresPerLitre) +
      "; displacement (cm³/rev) = (2 × D − L) × " + FormulaNumber(kGearDisplacementWidthFactor) +
      " × W × (L − D) ÷ 2 ÷ " + FormulaNumber(kCubicMillimetresPerCubicCentimetre) +
      "; W, D and L in millimetres";
  gearPump.examples = {{{{"txtW", "20"}, {"txtD", "40"}, {"txtL", "70"}, {"txtRPMpump", "1500"}},
                        {{"lblGPMpump", "27.1425"}, {"lblCIR", "18"}}}};
  catalogue.push_back(std::move(gearPump));
}

}  // namespace tallies
