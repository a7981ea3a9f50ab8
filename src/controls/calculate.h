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

// Whether the fields whose ports read a typed unit do so. The windows run their calculators
// with kRead (through RunCalculator); kIgnored reads every field by the leading-number rule
// alone, as the design reads it ("10 gpm" and "10 psi" are both 10, in any field).
enum class TypedUnits { kIgnored, kRead };

// Runs a calculator over a window's controls: reads its fields (narrowed as its ports say),
// computes, and writes each result in the designed order with the user's decimal separator.
// An ArithmeticFault leaves here at the check point that found it: outputs written before
// it keep their new text, later ones are never reached. With kRead, a field holding a unit
// of another quantity ends the run with a UnitMismatch while the fields are read, before
// anything is computed or written.
Calculation Calculate(const Calculator& calculator, Controls& form,
                      TypedUnits typedUnits = TypedUnits::kIgnored);

}  // namespace tallies
