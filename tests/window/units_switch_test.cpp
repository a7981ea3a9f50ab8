// Switching the window's units: numbers converted, results that change unit cleared, gauge
// results looked up again, captions of the new system, and the conversions left alone.

#include "window/units_switch.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "controls/calculate.h"
#include "layout/metric_captions.h"
#include "layout/window_model.h"
#include "support/fake_controls.h"
#include "window/calculator_catalogue.h"
#include "window/window_bindings.h"

namespace tallies {
namespace {

using testing::FakeControls;

struct FieldCase {
  std::string_view control;
  std::string_view us;      // typed in US units
  std::string_view metric;  // shown after switching to metric
  std::string_view back;    // shown after switching back to US; empty: the typed number to
                            // within the 7 digits each switch keeps
};

// The metric figures are the exact factors (README, Units) applied and narrowed to Single.
constexpr FieldCase kFields[] = {
    {"txtGPM", "10", "37.85412", "10"},
    {"txtPSI", "1000", "68.94757", ""},
    {"txtPSI", "210 bar", "210", "3045.792"},
    {"txtDIA", "2", "50.8", "2"},
    {"txtTorque", "100", "135.5818", "100"},
    {"txtArea1", "1", "6.4516", ""},
    {"txtDispTor", "1", "16.38706", ""},
    // no number, or a unit of another quantity: left as typed
    {"txtGPM", "", "", ""},
    {"txtGPM", "abc", "abc", "abc"},
    {"txtPSI", "5 mm", "5 mm", "5 mm"},
    // the same unit in both systems
    {"txtRPM", "1500", "1500", "1500"},
    {"txtAngleAng", "30", "30", "30"},
    // beyond the Single range in litres per minute: keeps saying gallons per minute
    {"txtGPM", "3E+38", "3E+38 gpm", "3E+38 gpm"},
};

TEST(SwitchUnits, FieldsKeepTheirMeaning) {
  for (const FieldCase& c : kFields) {
    FakeControls form;
    form.Put(c.control, c.us);
    SwitchUnits(form, UnitSystem::kUS, UnitSystem::kMetric);
    EXPECT_EQ(form.Get(c.control), c.metric) << c.control << " " << c.us;
    SwitchUnits(form, UnitSystem::kMetric, UnitSystem::kUS);
    if (!c.back.empty() || c.us.empty()) {
      EXPECT_EQ(form.Get(c.control), c.back) << c.control << " " << c.us;
    } else {
      const double typed = std::stod(std::string(c.us));
      EXPECT_NEAR(std::stod(form.Get(c.control)), typed, typed * 1e-6) << c.control;
    }
  }
}

TEST(SwitchUnits, ResultsOfAnotherUnitAreClearedAndGaugesLookedUpAgain) {
  FakeControls form;
  form.Put("lblHP", "8.751458");
  form.Put("lblCIR", "2.5");
  form.Put("Combo1", "10");
  form.Put("lblSteelGauge", "0.1345");
  form.Put("lblCelsius1", "100");  // a temperature: the same in both systems
  form.Put("txtmm1", "25.4");      // a unit pair: the same in both systems
  SwitchUnits(form, UnitSystem::kUS, UnitSystem::kMetric);
  EXPECT_EQ(form.Get("lblHP"), "");
  EXPECT_EQ(form.Get("lblCIR"), "");
  const Calculator* metricGauge = CalculatorOf("Combo1", UnitSystem::kMetric);
  ASSERT_NE(metricGauge, nullptr);
  EXPECT_EQ(form.Get("lblSteelGauge"), metricGauge->lookup("10").value());
  EXPECT_NE(form.Get("lblSteelGauge"), "0.1345");
  EXPECT_EQ(form.Get("lblCelsius1"), "100");
  EXPECT_EQ(form.Get("txtmm1"), "25.4");
  SwitchUnits(form, UnitSystem::kMetric, UnitSystem::kUS);
  EXPECT_EQ(form.Get("lblSteelGauge"), "0.1345");
}

TEST(SwitchUnits, CaptionsAreTheChosenSystems) {
  FakeControls form;
  SwitchUnits(form, UnitSystem::kUS, UnitSystem::kMetric);
  ASSERT_FALSE(MetricCaptions().empty());
  for (const MetricCaption& caption : MetricCaptions()) {
    EXPECT_EQ(form.Get(CaptionOf(caption.control)), caption.text) << caption.control;
  }
  SwitchUnits(form, UnitSystem::kMetric, UnitSystem::kUS);
  for (const MetricCaption& caption : MetricCaptions()) {
    EXPECT_EQ(form.Get(CaptionOf(caption.control)), CaptionTextOf(caption.control))
        << caption.control;
  }
}

TEST(SwitchUnits, TheSameSystemTouchesNothing) {
  FakeControls form;
  form.Put("txtGPM", "10");
  SwitchUnits(form, UnitSystem::kMetric, UnitSystem::kMetric);
  EXPECT_TRUE(form.writes().empty());
}

// The announcement after a Calc names the unit where the two systems differ.
TEST(DescribeWrites, NamesTheUnitOfTheChosenSystem) {
  struct Case {
    UnitSystem units;
    std::string_view gpm, pressure, said;
  };
  const Case cases[] = {
      {UnitSystem::kUS, "10", "1500", "Horsepower Required 8.751458 hp"},
      {UnitSystem::kMetric, "60", "100", "Kilowatts Required 10 kW"},
  };
  for (const Case& c : cases) {
    const Calculator* pump = CalculatorOf("cmdHP", c.units);
    ASSERT_NE(pump, nullptr);
    FakeControls form;
    form.Put("txtGPM", c.gpm);
    form.Put("txtPSI", c.pressure);
    EXPECT_EQ(DescribeWrites(Calculate(*pump, form)), c.said);
  }
}

TEST(UnitsEntries, EachSystemHasItsEntry) {
  for (UnitSystem system : {UnitSystem::kUS, UnitSystem::kMetric}) {
    EXPECT_EQ(UnitsOfEntry(UnitsEntry(system)), system);
  }
  EXPECT_EQ(UnitsOfEntry("metric"), std::nullopt);
  EXPECT_EQ(ActionOf("cboUnits").action, Action::kChooseUnits);
  EXPECT_EQ((ListEntries("cboUnits")), (std::vector<std::string_view>{"US", "Metric"}));
  EXPECT_FALSE(TakesTypedText("cboUnits"));
  EXPECT_TRUE(TakesTypedText("Combo1"));
}

}  // namespace
}  // namespace tallies
