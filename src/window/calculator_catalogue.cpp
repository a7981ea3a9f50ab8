#include "window/calculator_catalogue.h"

#include <vector>

#include "numeric/number_format.h"
#include "numeric/typed_units.h"
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

std::span<const Calculator> CalculatorCatalogue(UnitSystem system) {
  if (system == UnitSystem::kUS) return CalculatorCatalogue();
  static const std::vector<Calculator> metric = [] {
    std::vector<Calculator> all;
    AddMetricHydraulicCalculators(all);
    AddGeneralCalculators(all, UnitSystem::kMetric);
    return all;
  }();
  return metric;
}

const Calculator* CalculatorOf(std::string_view control) {
  return CalculatorOf(control, UnitSystem::kUS);
}

const Calculator* CalculatorOf(std::string_view control, UnitSystem system) {
  for (const Calculator& calculator : CalculatorCatalogue(system)) {
    if (calculator.control == control) return &calculator;
  }
  return nullptr;
}

const Port* PortOf(std::string_view control, UnitSystem system) {
  for (const Calculator& calculator : CalculatorCatalogue(system)) {
    for (const Port& input : calculator.inputs) {
      if (input.control == control) return &input;
    }
    for (const Output& output : calculator.outputs) {
      if (output.port.control == control) return &output.port;
      for (std::string_view copy : output.alsoInto) {
        if (copy == control) return &output.port;
      }
    }
  }
  return nullptr;
}

std::optional<std::string> FieldTextInUnits(std::string_view control, std::string_view text,
                                            std::string_view decimalSeparator, UnitSystem from,
                                            UnitSystem to) {
  const Port* before = PortOf(control, from);
  const Port* after = PortOf(control, to);
  if (before == nullptr || after == nullptr || before->quantity != after->quantity ||
      before->unit == after->unit) {
    return std::nullopt;
  }
  return ConvertFieldText(text, decimalSeparator, before->quantity, before->unit, after->unit);
}

std::string FormulaOf(std::string_view control) { return FormulaOf(control, UnitSystem::kUS); }

std::string FormulaOf(std::string_view control, UnitSystem system) {
  const Calculator* calculator = CalculatorOf(control, system);
  return calculator ? calculator->formula : std::string();
}

std::string FormulaNumber(double value) { return FormatDouble(value); }

}  // namespace tallies
