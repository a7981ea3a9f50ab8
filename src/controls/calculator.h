#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "numeric/arithmetic_fault.h"
#include "numeric/quantity.h"
#include "numeric/unit_system.h"

namespace tallies {

// How a number is read from a field and written back: the hydraulic calculators narrow
// each input to Single as it is read and show Single results with 7 significant digits;
// the conversions keep Doubles and show 15.
enum class Precision { kSingle, kDouble };

// A field, list or result of a calculator: the control that shows it, what it measures
// and in which unit (a symbol: "gpm", "psi", "in²").
struct Port {
  std::string_view control = {};
  Quantity quantity = Quantity::kNone;
  std::string_view unit = {};
  Precision precision = Precision::kSingle;
  // Whether a unit typed after the number is read (see ReadFieldWithUnit): "210 bar" in a
  // psi field is converted to psi, a unit of another quantity is refused.
  bool readsTypedUnit = false;
};

// The values of a calculator's inputs, in their read order, as the function sees them.
using Inputs = std::span<const double>;
// A function over numbers: the calculation of one result. It throws ArithmeticFault at
// its check points.
using NumberFunction = std::function<double(Inputs)>;

// One result of a formula calculator and the function that computes it from the inputs.
struct Output {
  Port port = {};
  NumberFunction compute = {};
  // Fields that receive the same text after the result (the area feeds the rows below).
  std::vector<std::string_view> alsoInto = {};
};

// How a fill-the-empty-field calculator solves one of its fields from others.
struct Solution {
  std::vector<std::size_t> from = {};  // indexes of the fields it reads, in read order
  NumberFunction compute = {};
};

// A (control, text) pair of a worked example.
using ExampleText = std::pair<std::string_view, std::string_view>;

// A worked example: what the user types (or chooses), and what the window then shows, or
// the fault that ends the calculation (every output then keeps its text).
struct Example {
  std::vector<ExampleText> given = {};
  std::vector<ExampleText> shown = {};
  std::optional<FaultKind> fault = {};
};

enum class CalculatorKind {
  // Reads every input, then computes and writes each output in order: the results go to
  // labels' captions, their copies to fields' text.
  kFormula,
  // The fields are inputs and outputs at once: the first empty one, in field order, is
  // solved from others and its text written; when none is empty, all are emptied.
  kFillEmpty,
  // A list: the chosen entry's text is looked up and the stored text shown in the label.
  kLookup,
};

// One calculator of the window: what it reads and writes, how, and what it means.
struct Calculator {
  std::string_view control = {};  // the Calc button, or the list whose choice runs it
  std::string name = {};          // for people: "Pump horsepower"
  CalculatorKind kind = CalculatorKind::kFormula;
  // The units its ports are declared in, and so the captions that name them.
  UnitSystem units = UnitSystem::kUS;
  // kFormula and kLookup: the inputs in read order (the list for kLookup). kFillEmpty:
  // the fields, in the order they are tested for being empty.
  std::vector<Port> inputs = {};
  // kFormula: the results in write order. kLookup: the label (its compute is unused).
  std::vector<Output> outputs = {};
  // kFillEmpty: how each field of `inputs` is solved, by the same index.
  std::vector<Solution> solutions = {};
  // kLookup: the list's entries in list order, and the text shown for an entry (none for
  // a text that is no entry, which leaves the label as it was).
  std::vector<std::string_view> entries = {};
  std::function<std::optional<std::string_view>(std::string_view)> lookup = {};
  // What it works out, in one line: "result = expression" clauses separated by "; ".
  std::string formula = {};
  std::vector<Example> examples = {};
};

}  // namespace tallies
