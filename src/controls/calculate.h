#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "controls/calculator.h"
#include "controls/controls.h"

namespace tallies {

// An input as the calculation read it: the text as typed and the value it read as
// (none for a list's entry, which is looked up, not read as a number).
struct FieldReading {
  std::string_view control;
  std::string text;
  std::optional<double> value;
};

// A text the calculation wrote, in write order.
struct FieldWrite {
  std::string_view control;
  std::string text;
};

// What one run of a calculator did.
struct Calculation {
  const Calculator* calculator = nullptr;
  std::vector<FieldReading> readings;
  std::vector<FieldWrite> writes;
};

// Runs a calculator over a window's controls: reads its fields (narrowed as its ports say),
// computes, and writes each result in the designed order with the user's decimal separator.
// An ArithmeticFault leaves here at the check point that found it: outputs written before
// it keep their new text, later ones are never reached.
Calculation Calculate(const Calculator& calculator, Controls& form);

}  // namespace tallies
