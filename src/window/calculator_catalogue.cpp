#include "window/calculator_catalogue.h"

#include <vector>

#include "numeric/number_format.h"
#include "window/formulas.h"

namespace tallies {

std::span<const Calculator> CalculatorCatalogue() {
  static const std::vector<Calculator> catalogue = [] {
    std::vector<Calculator> all;
    AddHydraulicCalculators(all);
    AddGeneralCalculators(all);
    return all;
  }();
  return catalogue;
}

const Calculator* CalculatorOf(std::string_view control) {
  for (const Calculator& calculator : CalculatorCatalogue()) {
    if (calculator.control == control) return &calculator;
  }
  return nullptr;
}

std::string FormulaOf(std::string_view control) {
  const Calculator* calculator = CalculatorOf(control);
  return calculator ? calculator->formula : std::string();
}

std::string FormulaNumber(double value) { return FormatDouble(value); }

}  // namespace tallies
