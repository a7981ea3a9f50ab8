#pragma once

#include <string_view>
#include <utility>
#include <vector>

#include "controls/calculator.h"

namespace tallies {

// The hydraulic fields of either units system narrow what they read to Single, and results are
// Singles. A field also reads a unit typed after its number ("210 bar" in the PSI field).
inline Port HydraulicField(std::string_view control, Quantity quantity, std::string_view unit) {
  return {control, quantity, unit, Precision::kSingle, true};
}

inline Output HydraulicResult(std::string_view control, Quantity quantity, std::string_view unit,
                              NumberFunction compute, std::vector<std::string_view> alsoInto = {}) {
  return {HydraulicField(control, quantity, unit), std::move(compute), std::move(alsoInto)};
}

}  // namespace tallies
