// The metric calculators on random inputs, each result as the window shows it (7 significant
// digits) compared with the exact value of its formula, worked out here in long double from
// the SI definitions: within one unit of the last digit shown. The gear pump is checked
// against the design's inch and gallon relation with the inputs converted from millimetres,
// which the metric functions carry over in a form of their own.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "hydraulic/metric_cylinder.h"
#include "hydraulic/metric_hose_and_motor.h"
#include "hydraulic/metric_torque_power.h"
#include "numeric/number_format.h"

namespace tallies {
namespace {

using Wide = long double;

constexpr int kRuns = 20000;
// The designed circle constant, which the formulas state as π.
constexpr Wide kPi = 3.14159265358979L;
constexpr Wide kMillimetresPerInch = 25.4L;
constexpr Wide kLitresPerGallon = 3.785411784L;
constexpr Wide kCubicCentimetresPerCubicInch = 16.387064L;

struct Range {
  double low;
  double high;
};

struct MetricFormula {
  std::string name;
  std::vector<Range> inputs;
  std::function<float(const std::vector<double>&)> calculator;
  std::function<Wide(const std::vector<Wide>&)> exact;
  int decimals = -1;  // the result is rounded to this many decimals, if any
};

Wide Circle(Wide diameter) { return kPi * (diameter / 2) * (diameter / 2); }

const std::vector<MetricFormula>& Formulas() {
  static const std::vector<MetricFormula> formulas{
      {"pump kW",
       {{0.01, 5000}, {0.1, 700}},
       [](const auto& in) { return PumpKilowatts(in[0], in[1]); },
       [](const auto& in) { return in[0] * in[1] / 600; }},
      {"piston area cm²",
       {{0.1, 2000}},
       [](const auto& in) { return PistonAreaSquareCentimetres(in[0]); },
       [](const auto& in) { return Circle(in[0]) / 100; }},
      {"force kN",
       {{0.01, 30000}, {0.1, 700}},
       [](const auto& in) { return CylinderForceKilonewtons(in[0], in[1]); },
       [](const auto& in) { return in[0] * in[1] / 100; }},
      {"cylinder speed m/s",
       {{0.5, 30000}, {0.1, 5000}},
       [](const auto& in) { return CylinderSpeedMetresPerSecond(in[0], in[1]); },
       [](const auto& in) { return in[1] / (6 * in[0]); },
       5},
      {"torque N·m from kW",
       {{0.01, 2000}, {1, 10000}},
       [](const auto& in) { return TorqueFromKilowatts(in[0], in[1]); },
       [](const auto& in) { return in[0] * 60000 / (2 * kPi) / in[1]; }},
      {"kW from torque",
       {{1, 10000}, {0.1, 50000}},
       [](const auto& in) { return KilowattsFromTorque(in[0], in[1]); },
       [](const auto& in) { return in[1] * in[0] * 2 * kPi / 60000; }},
      {"rpm from kW",
       {{0.01, 2000}, {0.1, 50000}},
       [](const auto& in) { return SpeedFromKilowatts(in[0], in[1]); },
       [](const auto& in) { return in[0] * 60000 / (2 * kPi) / in[1]; }},
      {"oil velocity m/s",
       {{1, 200}, {0.1, 2000}},
       [](const auto& in) { return OilVelocityMetresPerSecond(in[0], in[1]); },
       [](const auto& in) { return in[1] * 1000 / (60 * Circle(in[0])); }},
      {"torque N·m from displacement",
       {{0.1, 700}, {0.1, 1000}},
       [](const auto& in) { return TorqueFromDisplacementNewtonMetres(in[0], in[1]); },
       [](const auto& in) { return in[0] * in[1] / (20 * kPi); }},
      {"force at an angle kN",
       {{0.01, 5000}, {0.5, 89.5}},
       [](const auto& in) { return ForceAtAngleKilonewtons(in[0], in[1]); },
       [](const auto& in) { return in[0] * std::sin(in[1] / 180 * kPi); }},
      // D, L (drawn as a ratio to D) and W in millimetres, and the speed.
      {"gear pump l/min",
       {{10, 100}, {1.05, 1.95}, {5, 60}, {100, 4000}},
       [](const auto& in) { return GearPumpLitresPerMinute(in[0], in[1], in[2], in[3]); },
       [](const auto& in) {
         const Wide d = in[0] / kMillimetresPerInch;
         const Wide l = in[1] / kMillimetresPerInch;
         const Wide w = in[2] / kMillimetresPerInch;
         const Wide gallons = in[3] * (2 * d - l) * 47 * w * (l - d) / 2 / 1800;
         return gallons * kLitresPerGallon;
       }},
      {"gear pump cm³/rev",
       {{10, 100}, {1.05, 1.95}, {5, 60}},
       [](const auto& in) { return GearPumpCubicCentimetres(in[0], in[1], in[2]); },
       [](const auto& in) {
         const Wide d = in[0] / kMillimetresPerInch;
         const Wide l = in[1] / kMillimetresPerInch;
         const Wide w = in[2] / kMillimetresPerInch;
         return (2 * d - l) * 6 * w * (l - d) / 2 * kCubicCentimetresPerCubicInch;
       }},
  };
  return formulas;
}

// One unit of the last digit a shown value can have: the 7th significant one, or the last
// decimal of a result rounded to fewer.
Wide LastDigitUnit(Wide shown, int decimals) {
  const Wide seventh = std::pow(10.0L, std::floor(std::log10(std::fabs(shown))) - 6);
  return decimals < 0 ? seventh : std::max(seventh, std::pow(10.0L, -decimals));
}

TEST(MetricCalculators, AgreeWithTheExactFormulaToTheLastDigitShown) {
  std::mt19937 engine(20240612u);
  for (const MetricFormula& formula : Formulas()) {
    int checked = 0;
    for (int run = 0; run < kRuns; ++run) {
      // Inputs spread evenly over the magnitudes of their range, narrowed to Single as the
      // fields read them.
      std::vector<double> inputs;
      std::vector<Wide> exactInputs;
      for (const Range& range : formula.inputs) {
        std::uniform_real_distribution<double> exponent(std::log(range.low), std::log(range.high));
        const double value = static_cast<float>(std::exp(exponent(engine)));
        inputs.push_back(value);
        exactInputs.push_back(value);
      }
      // The gear housing length L is drawn as a ratio to D (between 1 and 2, so the chambers
      // overlap), then held as a Single like every field.
      if (formula.name.starts_with("gear")) {
        inputs[1] = static_cast<float>(inputs[0] * inputs[1]);
        exactInputs[1] = inputs[1];
      }
      const float result = formula.calculator(inputs);
      const std::string text = FormatSingle(result);
      const Wide shown = std::strtold(text.c_str(), nullptr);
      const Wide exact = formula.exact(exactInputs);
      ASSERT_LE(std::fabs(shown - exact), LastDigitUnit(shown, formula.decimals))
          << formula.name << " run " << run << ": shows " << text << ", exact "
          << static_cast<double>(exact);
      ++checked;
    }
    EXPECT_EQ(checked, kRuns) << formula.name;
  }
}

}  // namespace
}  // namespace tallies
