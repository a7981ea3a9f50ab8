// The catalogue of calculators: every worked example of every calculator clicked through the
// one runner the windows use, and what the catalogue must hold for the windows, the formulas
// and the announcements that read it.

#include "window/calculator_catalogue.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "controls/calculate.h"
#include "layout/window_model.h"
#include "support/fake_controls.h"

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

TEST(CalculatorCatalogue, EveryWorkedExampleShowsItsResultsOrItsFault) {
  constexpr std::string_view kOld = "old";
  for (const Calculator& calculator : CalculatorCatalogue()) {
    ASSERT_FALSE(calculator.examples.empty()) << calculator.control;
    for (const Example& example : calculator.examples) {
      SCOPED_TRACE(std::string(calculator.control) + " " + std::string(example.given[0].second));
      FakeControls form;
      for (std::string_view output : Outputs(calculator)) form.Put(output, kOld);
      for (const auto& [control, text] : example.given) form.Put(control, text);
      const auto before = form.texts();
      std::optional<FaultKind> fault;
      try {
        const Calculation done = Calculate(calculator, form);
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
  std::set<std::string_view> calculators;
  std::set<std::string_view> ports;
  for (const Calculator& calculator : CalculatorCatalogue()) {
    SCOPED_TRACE(calculator.control);
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
      EXPECT_FALSE(CaptionTextOf(port.control).empty()) << port.control;
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

}  // namespace
}  // namespace tallies
