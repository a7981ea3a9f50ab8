#include "window/formulas.h"

#include "conversions/unit_pairs.h"
#include "layout/window_model.h"
#include "numeric/number_format.h"

namespace tallies {
namespace {

struct Formula {
  std::string_view control;
  std::string_view text;
};

// The hydraulic calculators, the temperatures and the gauge lists; the 25 unit pairs are told
// from their own table, so their factors are written once.
constexpr Formula kFormulas[] = {
    {"cmdHP", "Horsepower = gallons per minute × PSI ÷ 1714"},
    {"cmdArea", "Area (sq. in.) = π × (diameter (in.) ÷ 2)², written to both Area fields"},
    {"cmdForce", "Force (lbs.) = area (sq. in.) × PSI"},
    {"cmdSpeed",
     "Cyl. speed (ft./sec.) = gallons per minute × 0.3208 ÷ area (sq. in.), to 5 decimals"},
    {"cmdTR",
     "Fills the empty field: torque (ft./lbs.) = horsepower × 5252 ÷ RPM; horsepower = "
     "torque (ft./lbs.) × RPM ÷ 5252; RPM = horsepower × 5252 ÷ torque (ft./lbs.)"},
    {"Command1",
     "Velocity (ft./sec.) = gallons per minute × 0.3208 ÷ (π × (inside diameter (in.) ÷ 2)²)"},
    {"cmdTorqueDisplacement", "Torque (ft./lbs.) = PSI × displacement (cu. in./rev.) ÷ 24π"},
    {"cmdForceAngle", "Force at angle (lbs.) = total force (lbs.) × sin(angle in degrees)"},
    {"cmdPumpMotorGPM",
     "Gallons per minute = RPM × (2 × D − L) × 47 × W × (L − D) ÷ 2 ÷ 1800; C.I.R. "
     "displacement (cu. in./rev.) = (2 × D − L) × 6 × W × (L − D) ÷ 2; W, D and L in inches"},
    {"Command28", "Celsius = (Fahrenheit − 32) ÷ 1.8"},
    {"Command29", "Fahrenheit = Celsius × 1.8 + 32"},
    {"Command30", "Kelvin = (Fahrenheit − 32) × 5 ÷ 9 + 273"},
    {"Command31", "Fahrenheit = (Kelvin − 273) × 9 ÷ 5 + 32"},
    {"Command32", "Kelvin = Celsius + 273"},
    {"Command33", "Celsius = Kelvin − 273"},
    {"Combo1",
     "Thickness (in.) of the chosen sheet-metal gauge, Manufacturers' Standard Gauge "
     "for sheet steel"},
    {"Combo2", "Diameter (in.) of the chosen wire gauge, American Wire Gauge"},
};

}  // namespace

std::string FormulaOf(std::string_view control) {
  for (const Formula& formula : kFormulas) {
    if (formula.control == control) return std::string(formula.text);
  }
  for (const UnitPair& pair : UnitPairTable()) {
    if (pair.button != control) continue;
    const std::string a(CaptionTextOf(pair.fieldA));
    const std::string b(CaptionTextOf(pair.fieldB));
    const std::string k = FormatDouble(pair.k);
    std::string text =
        "Fills the empty field: " + b + " = " + a + " × " + k + "; " + a + " = " + b + " ÷ " + k;
    if (pair.decimalsForA) text += ", to " + std::to_string(*pair.decimalsForA) + " decimals";
    return text;
  }
  return {};
}

}  // namespace tallies
