#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "controls/calculate.h"
#include "numeric/arithmetic_fault.h"
#include "support/fake_controls.h"
#include "window/calculator_catalogue.h"

namespace tallies::testing {

// A calculator by the control that runs it: its Calc button.
using Handler = std::string_view;
using WriteKind = FakeControls::WriteKind;

// A result label's caption or a text field's text, by the control's prefix.
inline WriteKind KindFor(std::string_view control) {
  return control.starts_with("lbl") ? WriteKind::kCaption : WriteKind::kText;
}

// Clicks the button: nothing when the calculation runs to its end, else the kind
// of the arithmetic fault that ended it.
inline std::optional<FaultKind> Click(Handler button, FakeControls& form) {
  const Calculator* calculator = CalculatorOf(button);
  if (calculator == nullptr) {
    ADD_FAILURE() << "no calculator for " << button;
    return std::nullopt;
  }
  try {
    Calculate(*calculator, form);
  } catch (const ArithmeticFault& fault) {
    return fault.kind();
  }
  return std::nullopt;
}

// A form holding the given (control, text) pairs, its logs empty.
inline FakeControls FormWith(
    std::initializer_list<std::pair<std::string_view, std::string_view>> texts,
    std::string separator = ".") {
  FakeControls form(std::move(separator));
  for (const auto& [control, text] : texts) form.Put(control, text);
  return form;
}

// The text a click leaves in each output the test did not expect to change.
inline constexpr std::string_view kOldText = "old result";

inline void PutOldText(FakeControls& form, const std::vector<std::string>& outputs) {
  for (const auto& output : outputs) form.Put(output, kOldText);
}

// A one-way calculator as the tests see it: its inputs in the order it reads
// them and its outputs in the order it writes them.
struct Calculator {
  std::string_view name;
  Handler handler;
  std::vector<std::string> inputs;
  std::vector<std::string> outputs;
  // How many outputs may already hold new text when a fault ends the click.
  std::vector<std::size_t> writesBeforeFault;
};

// The eight calculators that always read and write the same controls (all but
// the torque, horsepower and speed relation, whose direction depends on input).
const std::vector<Calculator>& OneWayCalculators();

}  // namespace tallies::testing
