#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "controls/calculator.h"
#include "conversions/unit_pair.h"

namespace tallies {

// The catalogue of calculators: every Calc button and gauge list of the main window with
// what it reads and writes, its function, its formula and its worked examples. It is the
// one place that ties calculators to controls; the windows, the formulas they show, the
// announcements and the tests all read it.
std::span<const Calculator> CalculatorCatalogue();

// The calculator a button or list runs; none for any other control.
const Calculator* CalculatorOf(std::string_view control);

// FormulaOf (window/formulas.h) answers a calculator's formula from here.

// Where a unit pair sits in the window: its button and its two fields.
struct UnitPairPlace {
  std::string_view button;
  std::string_view fieldA;  // the non-metric unit
  std::string_view fieldB;  // the metric unit
  const UnitPair* conversion;
};
std::span<const UnitPairPlace> UnitPairPlaces();

// The parts of the catalogue, by view.
void AddHydraulicCalculators(std::vector<Calculator>& catalogue);
void AddGeneralCalculators(std::vector<Calculator>& catalogue);

// A constant as a formula states it: the shortest text that reads back as the value.
std::string FormulaNumber(double value);

}  // namespace tallies
