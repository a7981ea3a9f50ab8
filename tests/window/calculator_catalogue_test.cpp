// The catalogue of calculators: every worked example of every calculator clicked through the
// one runner the windows use, and what the catalogue must hold for the windows, the formulas
// and the announcements that read it.

#include "window/calculator_catalogue.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "controls/calculate.h"
#include "controls/run_calculator.h"
#include "layout/metric_captions.h"
#include "layout/window_model.h"
#include "numeric/typed_units.h"
#include "support/fake_controls.h"
#include "support/recording_message_box.h"

namespace tallies {
namespace {

using testing::FakeControls;

// Every control a calculator may write.
std::vector<std::string_view> Outputs(const Calculator& calculator) {
  std::vector<std::string_view> outputs;
  for (const Output& output : calculator.outputs) {
    outputs.push_back(output.port.control);
    outputs.insert(outputs.end(), output.alsoInto.begin(), output.alsoInto.end());
  }
  if (calculator.kind == CalculatorKind::kFillEmpty) {
    for (const Port& field : calculator.inputs) outputs.push_back(field.control);
  }
  return outputs;
}

constexpr UnitSystem kSystems[] = {UnitSystem::kUS, UnitSystem::kMetric};

// The examples are clicked as the windows click them: typed units read.
TEST(CalculatorCatalogue, EveryWorkedExampleShowsItsResultsOrItsFault) {
  constexpr std::string_view kOld = "old";
  for (const UnitSystem system : kSystems) {
    for (const Calculator& calculator : CalculatorCatalogue(system)) {
      ASSERT_FALSE(calculator.examples.empty()) << calculator.control;
      for (const Example& example : calculator.examples) {
        SCOPED_TRACE(std::string(calculator.control) + " " + std::string(example.given[0].second));
        FakeControls form;
        for (std::string_view output : Outputs(calculator)) form.Put(output, kOld);
        for (const auto& [control, text] : example.given) form.Put(control, text);
        const auto before = form.texts();
        std::optional<FaultKind> fault;
        try {
          const Calculation done = Calculate(calculator, form, TypedUnits::kRead);
          EXPECT_EQ(done.calculator, &calculator);
          EXPECT_EQ(done.writes.size(), form.writes().size());
        } catch (const ArithmeticFault& error) {
          fault = error.kind();
        }
        EXPECT_EQ(fault, example.fault);
        if (example.fault) {
          EXPECT_EQ(form.texts(), before);
        }
        for (const auto& [control, text] : example.shown)
          EXPECT_EQ(form.Get(control), text) << control;
      }
    }
  }
}

// The record of a calculation: each input as typed and as read, each write in order.
TEST(CalculatorCatalogue, ACalculationSaysWhatItReadAndWrote) {
  FakeControls form(",");
  form.Put("txtGPM", "10 gpm");
  form.Put("txtPSI", "1,1");
  const Calculation done = Calculate(*CalculatorOf("cmdHP"), form);
  ASSERT_EQ(done.readings.size(), 2u);
  EXPECT_EQ(done.readings[0].control, "txtGPM");
  EXPECT_EQ(done.readings[0].text, "10 gpm");
  EXPECT_EQ(done.readings[0].value, 10.0);
  // Read as the Single nearest to 1.1, as the calculator uses it.
  EXPECT_EQ(done.readings[1].value, double{1.1f});
  ASSERT_EQ(done.writes.size(), 1u);
  EXPECT_EQ(done.writes[0].control, "lblHP");
  EXPECT_EQ(done.writes[0].text, form.Get("lblHP"));

  form.Put("Combo2", "4/0");
  const Calculation chosen = Calculate(*CalculatorOf("Combo2"), form);
  ASSERT_EQ(chosen.readings.size(), 1u);
  EXPECT_EQ(chosen.readings[0].text, "4/0");
  EXPECT_FALSE(chosen.readings[0].value.has_value());
}

// The windows, the formulas and the announcements name each port by its caption and place it
// on its page: every control the catalogue names is one of the window, each field and result
// has a caption and a unit, and a control belongs to one calculator.
TEST(CalculatorCatalogue, EveryPortIsAControlOfTheWindowWithACaptionAndAUnit) {
  for (const UnitSystem system : kSystems) {
    std::set<std::string_view> calculators;
    std::set<std::string_view> ports;
    for (const Calculator& calculator : CalculatorCatalogue(system)) {
      SCOPED_TRACE(calculator.control);
      EXPECT_EQ(calculator.units, system);
      EXPECT_TRUE(calculators.insert(calculator.control).second);
      EXPECT_NE(FindControl(calculator.control), nullptr);
      EXPECT_FALSE(calculator.name.empty());
      EXPECT_FALSE(calculator.formula.empty());
      if (calculator.kind == CalculatorKind::kFillEmpty) {
        EXPECT_EQ(calculator.solutions.size(), calculator.inputs.size());
      }
      if (calculator.kind == CalculatorKind::kLookup) {
        EXPECT_FALSE(calculator.entries.empty());
      }
      std::vector<Port> all = calculator.inputs;
      for (const Output& output : calculator.outputs) all.push_back(output.port);
      for (const Port& port : all) {
        EXPECT_NE(FindControl(port.control), nullptr) << port.control;
        EXPECT_FALSE(CaptionTextOf(port.control, system).empty()) << port.control;
        // A field that reads a typed unit converts into its own, which the units table knows.
        if (port.readsTypedUnit) {
          EXPECT_NE(FieldUnit(port.quantity, port.unit), nullptr) << port.control;
        }
        EXPECT_NE(port.quantity, Quantity::kNone) << port.control;
        if (port.quantity != Quantity::kGauge) {
          EXPECT_FALSE(port.unit.empty()) << port.control;
        }
        // A list is both the calculator's control and its input.
        if (port.control != calculator.control) {
          EXPECT_TRUE(ports.insert(port.control).second) << port.control << " twice";
        }
      }
    }
    EXPECT_EQ(calculators.size(), 9u + 25u + 6u + 2u);
  }
}

// The metric catalogue is the US one in other units: the same calculators of the same kind in
// the same order, reading and writing the same controls in the same order, each port of the
// same quantity and precision, reading typed units where the US one does. The conversions
// and temperatures are the very same.
TEST(CalculatorCatalogue, TheMetricCatalogueHasTheControlsOfTheUSOne) {
  const auto us = CalculatorCatalogue(UnitSystem::kUS);
  const auto metric = CalculatorCatalogue(UnitSystem::kMetric);
  ASSERT_EQ(us.size(), metric.size());
  int converted = 0;
  for (std::size_t i = 0; i < us.size(); ++i) {
    SCOPED_TRACE(us[i].control);
    EXPECT_EQ(us[i].control, metric[i].control);
    EXPECT_EQ(us[i].kind, metric[i].kind);
    EXPECT_EQ(us[i].entries, metric[i].entries);
    ASSERT_EQ(us[i].inputs.size(), metric[i].inputs.size());
    ASSERT_EQ(us[i].outputs.size(), metric[i].outputs.size());
    std::vector<std::pair<const Port*, const Port*>> ports;
    for (std::size_t j = 0; j < us[i].inputs.size(); ++j)
      ports.emplace_back(&us[i].inputs[j], &metric[i].inputs[j]);
    for (std::size_t j = 0; j < us[i].outputs.size(); ++j) {
      ports.emplace_back(&us[i].outputs[j].port, &metric[i].outputs[j].port);
      EXPECT_EQ(us[i].outputs[j].alsoInto, metric[i].outputs[j].alsoInto);
    }
    bool unitsDiffer = false;
    for (const auto& [a, b] : ports) {
      EXPECT_EQ(a->control, b->control);
      EXPECT_EQ(a->quantity, b->quantity) << a->control;
      EXPECT_EQ(a->precision, b->precision) << a->control;
      EXPECT_EQ(a->readsTypedUnit, b->readsTypedUnit) << a->control;
      if (a->unit != b->unit) {
        unitsDiffer = true;
        ++converted;
      }
    }
    // A calculator whose units change has a formula of its own.
    EXPECT_EQ(us[i].formula != metric[i].formula, unitsDiffer);
  }
  // Every hydraulic port but the two speeds in rpm and the angle, and the two gauge labels.
  EXPECT_EQ(converted, 29 - 3 + 2);
}

// A unit of another quantity stops the click before anything is computed: through the runner
// the windows use, the user is told which field (by the caption it has in that system), what
// it holds and what it takes, and no control is written.
TEST(CalculatorCatalogue, AUnitOfAnotherQuantityIsReportedAndNothingIsWritten) {
  struct Case {
    UnitSystem system;
    std::string_view button;
    std::vector<ExampleText> given;
    std::string_view message;
  };
  const Case cases[] = {
      {UnitSystem::kUS,
       "cmdHP",
       {{"txtGPM", "10"}, {"txtPSI", "5 mm"}},
       "\"PSI\" holds \"5 mm\", a length; it takes a pressure, in psi."},
      {UnitSystem::kMetric,
       "cmdHP",
       {{"txtGPM", "10 psi"}, {"txtPSI", "5"}},
       "\"Litres per Minute\" holds \"10 psi\", a pressure; it takes a flow, in l/min."},
      {UnitSystem::kMetric,
       "cmdTR",
       {{"txtTorque", ""}, {"txtHP2", "3 hp"}, {"txtRPM", "2 in²"}},
       "\"RPM\" holds \"2 in²\", an area; it takes a shaft speed, in rpm."},
      {UnitSystem::kUS,
       "cmdForceAngle",
       {{"txtTotalForce", "1000"}, {"txtAngleAng", "30 kN"}},
       "\"Angle\" holds \"30 kN\", a force; it takes an angle, in °."},
      {UnitSystem::kMetric,
       "cmdPumpMotorGPM",
       {{"txtD", "40"}, {"txtL", "70"}, {"txtW", "20"}, {"txtRPMpump", "1500 l/min"}},
       "\"RPM\" holds \"1500 l/min\", a flow; it takes a shaft speed, in rpm."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.button) + " " + std::string(c.message));
    const Calculator* calculator = CalculatorOf(c.button, c.system);
    ASSERT_NE(calculator, nullptr);
    FakeControls form;
    for (const auto& [control, text] : c.given) form.Put(control, text);
    testing::RecordingMessageBox messages;
    EXPECT_FALSE(RunCalculator(*calculator, form, messages).has_value());
    EXPECT_TRUE(form.writes().empty());
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_TRUE(messages.messages()[0].starts_with(c.message)) << messages.messages()[0];
    // Without typed units, as the design reads, the same text computes.
    FakeControls designed;
    for (const auto& [control, text] : c.given) designed.Put(control, text);
    EXPECT_NO_THROW(Calculate(*calculator, designed));
    EXPECT_FALSE(designed.writes().empty());
  }
}

// The fault report of an arithmetic fault is the designed one, whatever units the fields hold.
TEST(CalculatorCatalogue, AFaultAfterTypedUnitsIsReportedAsBefore) {
  FakeControls form;
  form.Put("txtArea2", "0 in²");
  form.Put("txtGPM1", "10 gpm");
  testing::RecordingMessageBox messages;
  EXPECT_FALSE(RunCalculator(*CalculatorOf("cmdSpeed"), form, messages).has_value());
  ASSERT_EQ(messages.messages().size(), 1u);
  EXPECT_EQ(messages.messages()[0], FaultReportText(FaultKind::kDivisionByZero));
}

// Switching units converts a field's text with the exact factor; what cannot be converted
// stays as it is.
TEST(CalculatorCatalogue, SwitchingUnitsConvertsAFieldsText) {
  struct Case {
    std::string_view control;
    std::string_view text;
    UnitSystem from;
    std::string_view separator;
    std::optional<std::string_view> converted;
  };
  const Case cases[] = {
      {"txtPSI", "210", UnitSystem::kMetric, ".", "3045.792"},
      {"txtPSI", "3045.792", UnitSystem::kUS, ".", "210"},
      {"txtGPM", "10", UnitSystem::kUS, ",", "37,85412"},
      {"txtDIA", "2", UnitSystem::kUS, ".", "50.8"},
      {"lblArea", "1", UnitSystem::kUS, ".", "6.4516"},
      {"txtHP2", "1", UnitSystem::kUS, ".", "0.7456999"},
      {"txtTorque", "100", UnitSystem::kMetric, ".", "73.75622"},
      {"txtDispTor", "1", UnitSystem::kUS, ".", "16.38706"},
      {"lblCylSpeed", "1", UnitSystem::kMetric, ".", "3.28084"},
      {"txtTotalForce", "1", UnitSystem::kMetric, ".", "224.8089"},
      // A unit typed in the field is read before the switch: 210 bar stays 210 bar.
      {"txtPSI", "210 bar", UnitSystem::kUS, ".", "210"},
      {"txtPSI", "", UnitSystem::kUS, ".", std::nullopt},
      {"txtPSI", "abc", UnitSystem::kUS, ".", std::nullopt},
      {"txtPSI", "5 mm", UnitSystem::kUS, ".", std::nullopt},
      {"txtPSI", "3E38", UnitSystem::kMetric, ".", std::nullopt},  // beyond the Single range
      {"txtRPM", "1500", UnitSystem::kUS, ".", std::nullopt},      // rpm in both systems
      {"txtAngleAng", "30", UnitSystem::kUS, ".", std::nullopt},
      {"txtin1", "2", UnitSystem::kUS, ".", std::nullopt},  // the conversions keep their units
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.control) + " " + std::string(c.text));
    const UnitSystem to = c.from == UnitSystem::kUS ? UnitSystem::kMetric : UnitSystem::kUS;
    const std::optional<std::string> converted =
        FieldTextInUnits(c.control, c.text, c.separator, c.from, to);
    EXPECT_EQ(converted.has_value(), c.converted.has_value());
    if (converted && c.converted) {
      EXPECT_EQ(*converted, *c.converted);
    }
  }
}

}  // namespace
}  // namespace tallies
