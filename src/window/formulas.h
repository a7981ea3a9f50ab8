#pragma once

#include <string>
#include <string_view>

#include "numeric/unit_system.h"

namespace tallies {

// What a calculator's button or a gauge list works out, in one line: the result from which
// fields, in which units, with the constants as the calculator uses them ("Horsepower = gallons
// per minute × PSI ÷ 1714"). Each front-end shows it as the control's tooltip and accessible
// description. Clauses are separated by "; ", each "result = expression"; π stands for
// 3.14159265358979. Empty for a control that computes nothing.
std::string FormulaOf(std::string_view control);
// The formula in a units system: the metric calculators' for UnitSystem::kMetric.
std::string FormulaOf(std::string_view control, UnitSystem system);

}  // namespace tallies
