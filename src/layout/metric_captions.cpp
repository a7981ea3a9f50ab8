// The captions of the hydraulic view and the gauge lists in metric units. Each names its unit
// as the designed caption names its own, and is chosen to fit the designed rectangle of its
// caption label in the window's font (Liberation Sans Narrow, 8 pt): a pressure under a narrow
// "PSI" caption becomes "bar", under a wider one "Pressure (bar)".

#include "layout/metric_captions.h"

#include "layout/window_model.h"

namespace tallies {
namespace {

constexpr MetricCaption kMetricCaptions[] = {
    // clang-format off
    // Pump horsepower
    {"txtGPM", "Litres per Minute"}, {"txtPSI", "bar"}, {"lblHP", "Kilowatts Required"},
    // Cylinder area, force and speed
    {"txtDIA", "Diameter (mm)"}, {"lblArea", "Area (cm²)"}, {"txtArea1", "Area (cm²)"},
    {"txtPSI1", "Pressure (bar)"}, {"lblForce", "Force (kN)"}, {"txtArea2", "Area (cm²)"},
    {"txtGPM1", "Litres per Minute"}, {"lblCylSpeed", "Cyl. Speed (m/s)"},
    // Torque and power
    {"txtTorque", "Torque (N·m)"}, {"txtHP2", "Kilowatts"}, {"txtRPM", "RPM"},
    // Oil velocity
    {"txtIDVel", "Hose/Pipe Inside Diameter (mm)"}, {"txtGPMVel", "Litres per Minute"},
    {"lblVelocity", "Velocity (m/s)"},
    // Torque from displacement
    {"txtDispTor", "Displacement (cm³/rev)"}, {"txtPSITor", "Pressure (bar)"},
    {"lblTorqueTor", "Torque (N·m)"},
    // Force at an angle
    {"txtTotalForce", "Total Force (kN)"}, {"txtAngleAng", "Angle"},
    {"lblForceAng", "Force at Angle (kN)"},
    // Gear pump
    {"txtW", "W mm"}, {"txtD", "D mm"}, {"txtL", "L mm"}, {"txtRPMpump", "RPM"},
    {"lblGPMpump", "Litres per Minute"}, {"lblCIR", "Displacement (cm³/rev)"},
    // Gauge lists
    {"Combo1", "Sheet Thickness (mm)"}, {"lblSteelGauge", "Sheet Thickness (mm)"},
    {"Combo2", "Wire Gauge Thickness (mm)"}, {"lblWireGauge", "Wire Gauge Thickness (mm)"},
    // clang-format on
};

}  // namespace

std::span<const MetricCaption> MetricCaptions() { return kMetricCaptions; }

std::string_view CaptionTextOf(std::string_view control, UnitSystem system) {
  if (system == UnitSystem::kMetric) {
    for (const MetricCaption& caption : kMetricCaptions) {
      if (caption.control == control) return caption.text;
    }
  }
  return CaptionTextOf(control);
}

}  // namespace tallies
