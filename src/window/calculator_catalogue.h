#pragma once

#include <optional>
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
// announcements and the tests all read it. Without a units system, the designed US one.
std::span<const Calculator> CalculatorCatalogue();
// The catalogue in a units system. The metric one has the same controls in the same order:
// its hydraulic calculators read and write metric units with metric formulas and examples,
// its gauge lists show millimetres, and its conversions are the US catalogue's.
std::span<const Calculator> CalculatorCatalogue(UnitSystem system);

// The calculator a button or list runs; none for any other control.
const Calculator* CalculatorOf(std::string_view control);
const Calculator* CalculatorOf(std::string_view control, UnitSystem system);

// The port of a field, list or result in a units system, from the calculator that reads or
// writes it; none for a control no calculator reads or writes.
const Port* PortOf(std::string_view control, UnitSystem system);

// A field's text converted for a window whose units are switched from one system to the other
// (see ConvertFieldText): none when the text is to stay as it is, also for a control whose
// unit is the same in both systems or that no calculator reads.
std::optional<std::string> FieldTextInUnits(std::string_view control, std::string_view text,
                                            std::string_view decimalSeparator, UnitSystem from,
                                            UnitSystem to);

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
void AddMetricHydraulicCalculators(std::vector<Calculator>& catalogue);
void AddGeneralCalculators(std::vector<Calculator>& catalogue, UnitSystem system = UnitSystem::kUS);

// A constant as a formula states it: the shortest text that reads back as the value.
std::string FormulaNumber(double value);

}  // namespace tallies
